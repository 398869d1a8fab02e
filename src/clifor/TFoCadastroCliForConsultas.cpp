// The party window's searches and reports, reached from its pop-up menu.
#include "TFoCadastroCliFor.h"

#include "ConsultaCnpj.h"
#include "DocumentoClifor.h"
#include "TFoCadastroCliFor_MedidasConfec.h"
#include "TFoRelCadCliFor.h"
#include "TfoInfCadastrais.h"
#include "TfoIntegraTecDataSoft.h"
#include "TfoPesqAvancadaClifor.h"
#include "TfoPesquisaCliFor.h"
#include "TfoRelClientesPorCidade.h"
#include "services/ModeloLinhas.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>

void TFoCadastroCliFor::ligarRelatorios(TFoRelCadCliFor* cadastro,
                                        TfoRelClientesPorCidade* porCidade) {
    relatorioCompleto_ = cadastro;
    relatorioPorCidade_ = porCidade;
}

void TFoCadastroCliFor::criarMenuConsultas() {
    pesquisaParte_ = new TfoPesquisaCliFor(nullptr, this);
    pesquisaAvancada_ = new TfoPesqAvancadaClifor(nullptr, this);
    const auto ligar = [this](const QString& nome, void (TFoCadastroCliFor::*acao)()) {
        for (QAction* a : menu_->actions()) {
            if (a->objectName() != nome)
                continue;
            a->setEnabled(true);
            connect(a, &QAction::triggered, this, acao);
        }
    };
    ligar("Relatório Completo de Clientes", &TFoCadastroCliFor::relatorioCompleto);
    ligar("Relatório de Clientes por Cidade", &TFoCadastroCliFor::relatorioPorCidade);
    ligar("Consulta CNPJ", &TFoCadastroCliFor::consultarCnpj);
    ligar("Consulta Dados Cadastrais", &TFoCadastroCliFor::informacoesCadastrais);
    ligar("Captura Dados do Cliente", &TFoCadastroCliFor::capturarDados);
    ligar("Medidas", &TFoCadastroCliFor::medidas);
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        for (QAction* a : menu_->actions())
            if (a->objectName() == "Captura Dados do Cliente")
                a->setVisible(Sess().IntegraTecDataSoft);
    });

    // The document box's own button looks its CNPJ up.
    QAction* busca = documento_->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                           QLineEdit::TrailingPosition);
    busca->setObjectName("BuscaCnpj");
    busca->setToolTip("Consulta CNPJ");
    connect(busca, &QAction::triggered, this, &TFoCadastroCliFor::consultarCnpj);

    // The searches go before the grid's export.
    QAction* antes = nullptr;
    for (QAction* a : menu_->actions())
        if (a->objectName().startsWith("Exportar"))
            antes = a;
    for (const auto& [texto, acao] :
         {std::pair{"Pesquisa de Clientes / Fornecedores", &TFoCadastroCliFor::pesquisarParte},
          std::pair{"Pesquisa Avançada de Clientes", &TFoCadastroCliFor::pesquisaAvancada}}) {
        auto* a = new QAction(QString::fromUtf8(texto), menu_);
        a->setObjectName(a->text());
        menu_->insertAction(antes, a);
        connect(a, &QAction::triggered, this, acao);
    }
    menu_->insertSeparator(antes);
}

void TFoCadastroCliFor::mostrarJanela(QWidget* janela) {
    if (!janela)
        return;
    janela->show();
    janela->raise();
    janela->activateWindow();
}

void TFoCadastroCliFor::relatorioCompleto() {
    if (!relatorioCompleto_ || !dm_->Permitido("AcessoRelCadCompletoClientes"))
        return;
    relatorioCompleto_->definirSistema(dm_->sistema());
    mostrarJanela(relatorioCompleto_);
}

void TFoCadastroCliFor::relatorioPorCidade() {
    if (relatorioPorCidade_ && dm_->Permitido("AcessoRelCadClientesPorCidade"))
        mostrarJanela(relatorioPorCidade_);
}

void TFoCadastroCliFor::posicionarParte(int codigo) {
    if (codigo <= 0 || !modo_.isEmpty())
        return;
    if (!dm_->posicionar(codigo))
        return;
    const int i = modeloLista_->linhaDe(dm_->TClifor.marcador().rowid);
    if (i >= 0) {
        const QSignalBlocker bloqueio(gradeLista_->selectionModel());
        gradeLista_->setCurrentIndex(modeloLista_->index(i, 0));
    }
    mostrarParte();
}

void TFoCadastroCliFor::pesquisarParte() {
    posicionarParte(pesquisaParte_->escolher());
}

void TFoCadastroCliFor::pesquisaAvancada() {
    if (pesquisaAvancada_->escolher(QString()))
        posicionarParte(pesquisaAvancada_->codigo());
}

QLineEdit* TFoCadastroCliFor::caixaDoRegistro(const QString& campo) const {
    // Side panels (contacts, children) have boxes of the same names; the
    // party's own come first, on the address page, then on the others.
    if (campo == "NOME")
        return nome_;
    for (int i = 1; i < paginas_->count(); ++i)
        if (auto* e = paginas_->widget(i)->findChild<QLineEdit*>(campo))
            return e;
    return nullptr;
}

void TFoCadastroCliFor::consultarCnpj() {
    QList<QLineEdit*> alvos{documento_};
    for (const char* campo :
         {"NOME", "ENDERECO", "NUMERO", "COMPLEMENTO", "BAIRRO", "COD_CEPEND", "CIDADE", "ESTADO"})
        alvos << caixaDoRegistro(campo);
    const QString antes = documento_->text();
    ConsultaCnpj(LimparDocumento(antes), !modo_.isEmpty(), alvos, this);
    if (!modo_.isEmpty() && documento_->text() != antes) {
        documento_->setModified(true);
        sairDocumento();
    }
}

void TFoCadastroCliFor::informacoesCadastrais() {
    if (!informacoes_ || !dm_->Permitido("AcessoDadosCadCli"))
        return;
    informacoes_->abrir(dm_->sistema(), dm_->codigoAtual());
    mostrarJanela(informacoes_);
}

void TFoCadastroCliFor::capturarDados() {
    if (!Sess().IntegraTecDataSoft)
        return;
    // From the list the capture goes into the party shown, in alteration.
    if (modo_.isEmpty())
        alterar();
    if (modo_.isEmpty())
        return;
    if (!Confirmar("Deseja tentar localizar os dados na base da TecSoft? Se sim, na próxima "
                   "janela digite o cnpj ou cpf \nsomente com numeros para tentar localizar os "
                   "dados automaticamente!!!"))
        return;
    QList<QLineEdit*> alvos{documento_};
    for (const char* campo : {"NOME", "INSC_EST", "FANTASIA", "ENDERECO", "BAIRRO", "CIDADE",
                              "COD_CEPEND", "ESTADO", "TELEFONE1", "TELEFONE2", "E_Mail",
                              "NOM_CONTAT", "CodMunicipio", "DATANASC", "DataAberturaEmp"})
        alvos << caixaDoRegistro(campo);
    const QString antes = documento_->text();
    TfoIntegraTecDataSoft captura(this);
    captura.abrir(modo_ == "A" ? dm_->TClifor.campo("CGC").texto() : QString(), alvos);
    if (documento_->text() != antes) {
        documento_->setModified(true);
        sairDocumento();
    }
}

void TFoCadastroCliFor::medidas() {
    if (!medidas_ || !dm_->parteGravada())
        return;
    if (medidas_->abrir(dm_->codigoAtual(), dm_->TClifor.campo("NOME").texto()))
        mostrarJanela(medidas_);
}
