#include "TMenuPcp.h"

#include "Modulos.h"
#include "clifor/TFoCadastroCliFor.h"
#include "costs/GravarCustoLista6.h"
#include "costs/TFoCadastroMoedas.h"
#include "costs/TFoCadastroValores.h"
#include "costs/TfoCadFatores.h"
#include "costs/TfoConsCusto.h"
#include "costs/TfoCorrigeCustoFormula.h"
#include "formulas/IntercambioFormulas.h"
#include "formulas/TFoCadMatizador.h"
#include "formulas/TfoBaixaEstoqueMatPrima.h"
#include "formulas/TfoCadEmbalagem.h"
#include "formulas/TfoCadFormula.h"
#include "formulas/TfoCadResptec.h"
#include "formulas/TfoConsFormula.h"
#include "formulas/TfoFichaSeguranca.h"
#include "formulas/TfoMovOrdemServico.h"
#include "formulas/TfoParametrizacao.h"
#include "formulas/TfoRelAmostraparacias.h"
#include "formulas/TfoRelEtiquetas.h"
#include "formulas/TfoRelFormula.h"
#include "formulas/TfoRelRotuloFormula.h"
#include "formulas/TfoSubstComponentes.h"
#include "importacao/TfoImportaDados.h"
#include "products/TFoCadProduto.h"
#include "services/TFoScript.h"
#include "session/AutorizarAcesso.h"
#include "session/Sessao.h"
#include "stock/TfoAtuCustoMedio.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace {
// Shows a window created at start-up (it keeps its state between uses).
template <class T> void Abrir(TMenuPcp& menu) {
    if (T* janela = menu.modulos().template obter<T>()) {
        janela->show();
        janela->raise();
        janela->activateWindow();
    }
}

// Shows a window, creating it on first use.
template <class T> void AbrirCriando(TMenuPcp& menu) {
    if (!menu.modulos().template obter<T>())
        menu.modulos().template criar<T>();
    Abrir<T>(menu);
}

// The product register opens on its list page, the detail pages hidden.
void AbrirProdutos(TMenuPcp& menu) {
    if (!menu.modulos().obter<TFoCadProduto>())
        menu.modulos().criar<TFoCadProduto>();
    menu.modulos().obter<TFoCadProduto>()->mostrarLista();
    Abrir<TFoCadProduto>(menu);
}

struct EntradaMenu {
    const char* menu;
    const char* entrada;
    // nullptr while the program has no window for the entry.
    void (*abrir)(TMenuPcp&);
};

// In display order. An entry comes alive by naming what it opens, e.g.
// Abrir<TfoCadEmbalagem> or AbrirCriando<TfoRelEtiquetas>.
const EntradaMenu Entradas[] = {
    {"Cadastros", "Clientes / Fornecedores", Abrir<TFoCadastroCliFor>},
    {"Cadastros", "Embalagens", Abrir<TfoCadEmbalagem>},
    {"Cadastros", "Fatores", Abrir<TfoCadFatores>},
    {"Cadastros", "Formulas", Abrir<TfoCadFormula>},
    {"Cadastros", "Moedas", Abrir<TFoCadastroMoedas>},
    {"Cadastros", "Produtos", AbrirProdutos},
    {"Cadastros", "Responsável", Abrir<TfoCadResptec>},
    {"Cadastros", "Valores", Abrir<TFoCadastroValores>},
    {"Cadastros", "Matizadores", Abrir<TFoCadMatizador>},
    {"Cadastros", "Parametrização", Abrir<TfoParametrizacao>},
    {"Cadastros", "Sair", [](TMenuPcp& m) { m.close(); }},
    {"Movimento", "Ordem de Serviço", Abrir<TfoMovOrdemServico>},
    {"Consulta", "Custos", Abrir<TfoConsCusto>},
    {"Consulta", "Formulas", Abrir<TfoConsFormula>},
    {"Relatorios", "Amostras para cias", Abrir<TfoRelAmostraparacias>},
    {"Relatorios", "Formulas", Abrir<TfoRelFormula>},
    {"Relatorios", "Rótulos de Amostra", Abrir<TfoRelRotuloFormula>},
    {"Relatorios", "Etiquetas", AbrirCriando<TfoRelEtiquetas>},
    {"Relatorios", "Ficha de Segurança", AbrirCriando<TfoFichaSeguranca>},
    {"Utilitarios", "Grava Custo na Lista 6", [](TMenuPcp&) { GravarCustoLista6(); }},
    // Asks access code 101 before showing the window.
    {"Utilitarios", "Baixa Estoque Materia Prima",
     [](TMenuPcp& m) {
         if (AutorizarAcesso(101))
             Abrir<TfoBaixaEstoqueMatPrima>(m);
     }},
    {"Utilitarios", "Substitui Componentes Fórmulas", Abrir<TfoSubstComponentes>},
    {"Utilitarios", "Corrige Custo Formula", Abrir<TfoCorrigeCustoFormula>},
    {"Utilitarios", "Exportar Fórmulas para Planilha",
     [](TMenuPcp&) { ExportarFormulasPlanilha(); }},
    {"Utilitarios", "Importar Fórmulas de Planilha", [](TMenuPcp&) { ImportarFormulasPlanilha(); }},
    {"Utilitarios", "Importar dados de outro sistema",
     [](TMenuPcp& m) {
         if (AutorizarAcesso(CodigoAcessoImportacao))
             AbrirCriando<TfoImportaDados>(m);
     }},
    {"Utilitarios", "Atualização do Custo Medio", Abrir<TfoAtuCustoMedio>},
    {"Utilitarios", "Scripts de Atualização da Base de Dados",
     [](TMenuPcp& m) {
         if (AutorizarAcesso(CodigoAcessoScripts))
             AbrirScriptsAtualizacao(&m);
     }},
};
} // namespace

TMenuPcp::TMenuPcp(Modulos& modulos, QWidget* parent) : QMainWindow(parent), modulos_(modulos) {
    setObjectName("TMenuPcp");
    setWindowTitle("Planejamento e Controle da Produção");
    setAttribute(Qt::WA_DeleteOnClose);

    QMenu* atual = nullptr;
    for (const EntradaMenu& e : Entradas) {
        const QString nomeMenu = QString::fromUtf8(e.menu);
        if (!atual || atual->objectName() != nomeMenu) {
            atual = menuBar()->addMenu(nomeMenu);
            atual->setObjectName(nomeMenu);
        }
        QAction* acao = atual->addAction(QString::fromUtf8(e.entrada));
        acao->setObjectName(acao->text());
        acao->setEnabled(e.abrir != nullptr);
        if (e.abrir)
            connect(acao, &QAction::triggered, this, [this, f = e.abrir] { f(*this); });
    }

    // Where the operator is working.
    const DadosSessao& s = Sess();
    auto* empresa = new QLabel("Empresa: " + s.NomeEmpresa, this);
    empresa->setObjectName("Empresa");
    auto* filial = new QLabel("Filial: " + s.FilialTexto + " - " + s.NomeFilial, this);
    filial->setObjectName("Filial");
    statusBar()->addWidget(empresa);
    statusBar()->addWidget(filial, 1);
    statusBar()->setSizeGripEnabled(false);
}

QAction* TMenuPcp::acao(const QString& menu, const QString& entrada) const {
    const QMenu* m = menuBar()->findChild<QMenu*>(menu);
    if (!m)
        return nullptr;
    for (QAction* a : m->actions())
        if (a->text() == entrada)
            return a;
    return nullptr;
}

void TMenuPcp::closeEvent(QCloseEvent* evento) {
    evento->accept();
    emit fechado();
}
