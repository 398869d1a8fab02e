#include "TfoMenuEmpresa.h"

#include "ModeloCatalogo.h"
#include "Modulos.h"
#include "TDMFilial.h"
#include "TMenuFilial.h"
#include "TfoSenhaEmpresa.h"
#include "services/Botao.h"
#include "services/Grade.h"
#include "services/LayoutGrade.h"
#include "services/TabelasReferencia.h"
#include "session/Dialogos.h"
#include "session/FormatosRegionais.h"
#include "session/Sessao.h"
#include "store/Caminhos.h"
#include "store/ErroBanco.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// Stale lock and temporary query files a crashed station leaves behind.
void removerArquivosTemporarios(const QString& pasta) {
    QDir dir(pasta);
    const auto arquivos = dir.entryList({"*.lck", "_qsq*.*"}, QDir::Files | QDir::Hidden);
    for (const QString& a : arquivos)
        dir.remove(a);
}

QString arquivoLogin() {
    const QDir dir(PastaPrograma());
    const auto achados = dir.entryList({"Login.ini"}, QDir::Files);
    return dir.filePath(achados.isEmpty() ? QString("Login.ini") : achados.first());
}

// The reference tables (states, municipalities, registry pages) of the
// company just opened, filled when empty; a failure does not keep the
// operator out of the company.
void carregarReferencias() {
    const QString pasta = PastaDados();
    if (pasta.isEmpty())
        return;
    try {
        CarregarTabelasReferencia("Orvalo", pasta);
    } catch (const ErroBanco& e) {
        MostrarErro("Não foi possível carregar as tabelas de estados e municípios:\n" + e.texto());
    }
}

QString descricaoCatalogo() {
    return TDMFilial::CaminhoCatalogo + "\n(" +
           QDir::toNativeSeparators(Caminhos::atual().resolver(TDMFilial::CaminhoCatalogo)) + ")";
}
} // namespace

TfoMenuEmpresa::TfoMenuEmpresa(Modulos& modulos, QWidget* parent)
    : QWidget(parent), modulos_(modulos), dm_(*modulos.obter<TDMFilial>()) {
    setObjectName("TfoMenuEmpresa");
    setWindowTitle("Seleção da Empresa");
    setFixedSize(443, 318);
    move(162, 120);

    modelo_ = new ModeloCatalogo(this);
    grade_ = new QTableView(this);
    grade_->setObjectName("Empresa");
    grade_->setModel(modelo_);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PrepararGrade(grade_);
    // The window has a fixed size: the name takes the width the code leaves.
    grade_->horizontalHeader()->setStretchLastSection(true);
    grade_->setColumnWidth(0, 60);

    auto* btOk = NovoBotao("OK", this);
    auto* btSair = NovoBotao("Sair", this);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btOk);
    botoes->addWidget(btSair);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grade_);
    layout->addLayout(botoes);

    temporizador_.setSingleShot(true);
    temporizador_.setInterval(2000);
    connect(&temporizador_, &QTimer::timeout, this, &TfoMenuEmpresa::aoTemporizador);
    connect(btOk, &QPushButton::clicked, this, &TfoMenuEmpresa::ok);
    connect(btSair, &QPushButton::clicked, this, &QWidget::close);
    connect(grade_, &QTableView::doubleClicked, this, &TfoMenuEmpresa::ok);
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfoMenuEmpresa::seguirGrade);

    janelaSenha_ = [] {
        TfoSenhaEmpresa senha;
        senha.exec();
    };
}

void TfoMenuEmpresa::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (evento->spontaneous() || iniciada_)
        return;
    iniciada_ = true;
    iniciar();
}

void TfoMenuEmpresa::iniciar() {
    DadosSessao& s = Sess();
    bool existe = false;
    QString falha;
    try {
        existe = dm_.existeCatalogo();
        if (existe)
            dm_.atualizarCatalogo();
    } catch (const ErroBanco& e) {
        falha = e.texto();
    }
    ForcarFormatosRegionais();
    removerArquivosTemporarios(PastaPrograma());

    move(-1000, y());
    s.EmpresaDisponivel = false;
    s.NumEmpresas = 0;
    if (existe) {
        try {
            dm_.abrirCatalogo();
            s.EmpresaDisponivel = true;
            s.NumEmpresas = dm_.TEmpresa.contarRegistros();
        } catch (const ErroBanco& e) {
            falha = e.texto();
        }
    }
    if (!falha.isEmpty())
        MostrarErro("Não foi possível abrir o cadastro de empresas " + descricaoCatalogo() + ":\n" +
                    falha);
    else if (!existe)
        MostrarAviso("Cadastro de empresas não encontrado: " + descricaoCatalogo());
    recarregarGrade();

    temporizador_.start();
    if (argumentos_.value(0).trimmed() == "Os_Exec")
        escolherOsExec();
}

void TfoMenuEmpresa::escolherOsExec() {
    // Without a catalogue the timer goes on with the configured directory.
    if (!Sess().EmpresaDisponivel)
        return;
    const QString codigo = argumentos_.value(1).trimmed();
    temporizador_.stop();
    bool achou = false;
    try {
        achou = dm_.localizarCodigo(codigo);
    } catch (const ErroBanco&) {
    }
    if (!achou) {
        MostrarErro("Empresa não cadastrada: " + codigo);
        close();
        return;
    }
    ok();
}

void TfoMenuEmpresa::aoTemporizador() {
    temporizador_.stop();
    DadosSessao& s = Sess();
    if (tag_ != 0) {
        if (s.NumEmpresas < 2)
            close();
        else
            mostrarNaTela();
        return;
    }
    if (s.NumEmpresas < 2) {
        ok();
        return;
    }
    if (!perguntarGrupo()) {
        QApplication::processEvents();
        MostrarMensagem("Acesso negado");
        close();
        return;
    }
    if (s.NumEmpresas < 2)
        ok();
    else
        mostrarNaTela();
}

// False when the operator is refused.
bool TfoMenuEmpresa::perguntarGrupo() {
    DadosSessao& s = Sess();
    try {
        if (!dm_.gruposDiferentes())
            return true;
    } catch (const ErroBanco&) {
        return false;
    }
    QString resposta;
    // A group is one digit; any other answer names no group, and reaches
    // the filter as a number, never as text.
    const bool lido = Dialogos::atual().entrada("Grupo", "Codigo", resposta);
    static const QRegularExpression umDigito("^[0-9]$");
    temGrupo_ = true;
    grupo_ = lido && umDigito.match(resposta).hasMatch() ? resposta.toInt() : -1;
    try {
        s.NumEmpresas = dm_.filtrarGrupo(grupo_);
    } catch (const ErroBanco&) {
        return false;
    }
    recarregarGrade();
    if (s.NumEmpresas == 0) {
        MostrarMensagem("Grupo não cadastrado");
        return false;
    }
    return true;
}

void TfoMenuEmpresa::mostrarNaTela() {
    move(162, y());
    naTela_ = true;
    posicionarUltimoLogin();
}

void TfoMenuEmpresa::ok() {
    DadosSessao& s = Sess();
    try {
        if (s.EmpresaDisponivel && !dm_.senhaEmpresa().isEmpty()) {
            janelaSenha_();
            if (s.SenhaEmpresaDigitada != dm_.senhaEmpresa()) {
                MostrarMensagem("Senha invalida");
                close();
                return;
            }
        }
        s.Grupo = temGrupo_ ? grupo_ : 0;
        if (s.NumEmpresas < 2)
            tag_ = 1;
        const QString raiz = dm_.primeiraLinhaAlias().mid(5, 3);
        dm_.registrarEmpresas();
        const QString diretorio =
            s.NumEmpresas > 0 ? raiz + dm_.diretorioEmpresa() : dm_.primeiraLinhaAlias().mid(5);
        if (!dm_.existeDiretorio(diretorio)) {
            MostrarErro("Diretório da empresa não encontrado: " + diretorio + "\n(" +
                        dm_.localDiretorio(diretorio) + ")");
            // With the grid on screen the operator may choose another one.
            if (!naTela_)
                close();
            return;
        }
        if (s.NumEmpresas > 0) {
            s.DirEmpresa = diretorio;
            s.Matriz = diretorio.toUpper().contains("MATRIZ");
            dm_.trocarAlias(diretorio);
            recarregarGrade();
        }
        s.CaminhoAlias = dm_.primeiraLinhaAlias().mid(5);
        carregarReferencias();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        if (!naTela_)
            close();
        return;
    }
    if (argumentos_.value(0).isEmpty())
        hide();
    if (TMenuFilial* filial = modulos_.obter<TMenuFilial>())
        filial->abrir();
}

void TfoMenuEmpresa::closeEvent(QCloseEvent* evento) {
    modulos_.encerrando = true;
    temporizador_.stop();
    Modulos::fecharJanelas({this, modulos_.obter<TMenuFilial>()});
    dm_.fecharTabelasFilial();
    dm_.fecharCatalogo();
    recarregarGrade();
    evento->accept();
    emit fechada();
}

void TfoMenuEmpresa::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)
        ok();
    else
        QWidget::keyPressEvent(evento);
}

void TfoMenuEmpresa::recarregarGrade() {
    QList<LinhaCatalogo> linhas;
    Marcador atual;
    try {
        linhas = dm_.linhasCatalogo();
        if (dm_.TEmpresa.ativo())
            atual = dm_.TEmpresa.marcador();
    } catch (const ErroBanco&) {
    }
    const QSignalBlocker bloqueio(grade_->selectionModel());
    modelo_->definir(linhas);
    const int linha = modelo_->linhaDe(atual);
    if (linha >= 0)
        grade_->selectRow(linha);
}

// The grid's current row is the catalogue's current row.
void TfoMenuEmpresa::seguirGrade() {
    const LinhaCatalogo* l = modelo_->linha(grade_->currentIndex().row());
    if (!l || !dm_.TEmpresa.ativo())
        return;
    try {
        dm_.TEmpresa.irPara(l->marcador);
    } catch (const ErroBanco&) {
    }
}

void TfoMenuEmpresa::posicionarUltimoLogin() {
    const QSettings ini(arquivoLogin(), QSettings::IniFormat);
    const QString base = ini.value("BaseDadosUltLogin/Base").toString();
    try {
        if (!base.isEmpty() && dm_.localizarNome(base))
            recarregarGrade();
    } catch (const ErroBanco&) {
    }
}
