#include "TMenuPcp.h"

#include "Modulos.h"
#include "costs/TFoCadastroMoedas.h"
#include "costs/TFoCadastroValores.h"
#include "costs/TfoCadFatores.h"
#include "formulas/TFoCadMatizador.h"
#include "formulas/TfoCadEmbalagem.h"
#include "formulas/TfoCadFormula.h"
#include "formulas/TfoCadResptec.h"
#include "formulas/TfoParametrizacao.h"
#include "stock/TfoAtuCustoMedio.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

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

struct EntradaMenu {
    const char* menu;
    const char* entrada;
    // nullptr while the program has no window for the entry.
    void (*abrir)(TMenuPcp&);
};

// In display order. An entry comes alive by naming what it opens, e.g.
// Abrir<TfoCadEmbalagem> or AbrirCriando<TfoRelEtiquetas>.
const EntradaMenu Entradas[] = {
    {"Cadastros", "Clientes / Fornecedores", nullptr},
    {"Cadastros", "Embalagens", Abrir<TfoCadEmbalagem>},
    {"Cadastros", "Fatores", Abrir<TfoCadFatores>},
    {"Cadastros", "Formulas", Abrir<TfoCadFormula>},
    {"Cadastros", "Moedas", Abrir<TFoCadastroMoedas>},
    {"Cadastros", "Produtos", nullptr},
    {"Cadastros", "Responsável", Abrir<TfoCadResptec>},
    {"Cadastros", "Valores", Abrir<TFoCadastroValores>},
    {"Cadastros", "Matizadores", Abrir<TFoCadMatizador>},
    {"Cadastros", "Parametrização", Abrir<TfoParametrizacao>},
    {"Cadastros", "Sair", [](TMenuPcp& m) { m.close(); }},
    {"Movimento", "Ordem de Serviço", nullptr},
    {"Consulta", "Custos", nullptr},
    {"Consulta", "Formulas", nullptr},
    {"Relatorios", "Amostras para cias", nullptr},
    {"Relatorios", "Formulas", nullptr},
    {"Relatorios", "Rótulos de Amostra", nullptr},
    {"Relatorios", "Etiquetas", nullptr},
    {"Relatorios", "Ficha de Segurança", nullptr},
    {"Utilitarios", "Grava Custo na Lista 6", nullptr},
    // Asks access code 101 before showing the window.
    {"Utilitarios", "Baixa Estoque Materia Prima", nullptr},
    {"Utilitarios", "Substitui Componentes Fórmulas", nullptr},
    {"Utilitarios", "Corrige Custo Formula", nullptr},
    {"Utilitarios", "Atualização do Custo Medio", Abrir<TfoAtuCustoMedio>},
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
