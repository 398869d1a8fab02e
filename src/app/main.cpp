// The program entry: the running-instance guard, the splash window, the
// configuration, the data modules and windows, and the message loop.
#include "AplicacaoPcp.h"
#include "Configuracao.h"
#include "Demonstracao.h"
#include "GuardaInstancia.h"
#include "Inicializacao.h"
#include "Modulos.h"
#include "TFormSplash.h"
#include "TMenuFilial.h"
#include "TfoMenuEmpresa.h"
#include "importacao/ImportarPelaLinhaDeComando.h"
#include "services/DialogosQt.h"
#include "store/ErroBanco.h"
#include "store/MigracaoServidor.h"
#include "store/SessaoBanco.h"
#include "store/tabelas/Tabelas.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <cstdio>

namespace {
void escrever(FILE* saida, const QString& texto) {
    std::fprintf(saida, "%s\n", qUtf8Printable(texto));
}

const char* const Uso =
    "Uso: pcp [--config ARQUIVO] [Os_Exec CODIGO]\n"
    "     pcp [--config ARQUIVO] --criar-demo PASTA\n"
    "     pcp [--config ARQUIVO] --migrar-servidor DIRETORIO \"SERVER NAME=servidor:porta/banco\"\n"
    "     pcp [--config ARQUIVO] --importar-paradox ORIGEM DESTINO [--substituir]\n"
    "\n"
    "  --config ARQUIVO    arquivo de configuração da instalação (padrão: a variável\n"
    "                      PCP_CONFIG, ou ~/.config/PCP/pcp.ini)\n"
    "  --criar-demo PASTA  cria uma instalação de demonstração em PASTA e grava a\n"
    "                      configuração em ARQUIVO\n"
    "  --migrar-servidor   copia as tabelas do DIRETORIO de uma empresa (como guardado:\n"
    "                      C:\\EMPRESA1) para o seu esquema no servidor PostgreSQL\n"
    "  --importar-paradox ORIGEM DESTINO\n"
    "                      importa as tabelas Paradox (.DB) da pasta ORIGEM na empresa\n"
    "                      DESTINO (como C:\\EMPRESA4, ou a pasta do catálogo para o\n"
    "                      Empresa.DB); com --substituir, as tabelas que já têm linhas\n"
    "                      são substituídas em vez de mantidas\n"
    "  Os_Exec CODIGO      escolhe a empresa CODIGO sem mostrar a lista de empresas\n";

const char* const ResumoDemonstracao =
    "Empresas: 001 Tintas Aurora Matriz e 002 Tintas Aurora Sul (grupo 1, a 002 com senha\n"
    "1234), 003 Vernizes Serra Azul (grupo 2). Ao pedir o grupo, digite 1 ou 2.\n"
    "A pasta legado guarda uma empresa do sistema antigo em tabelas Paradox, para importar\n"
    "em Utilitarios, Importar dados de outro sistema (veja o README).";

int criarDemonstracao(const LinhaComando& linha) {
    if (QFileInfo::exists(linha.arquivoConfiguracao)) {
        escrever(stderr, "O arquivo de configuração " + linha.arquivoConfiguracao +
                             " já existe; indique outro com --config ARQUIVO.");
        return 1;
    }
    RegistrarTodasTabelas();
    QString erro;
    if (!CriarDemonstracao(linha.pastaDemonstracao, linha.arquivoConfiguracao, erro)) {
        escrever(stderr, erro);
        return 1;
    }
    escrever(stdout, "Instalação de demonstração criada em " + linha.pastaDemonstracao + ".");
    escrever(stdout, "Configuração: " + linha.arquivoConfiguracao);
    escrever(stdout, ResumoDemonstracao);
    escrever(stdout, "Para usar: pcp --config " + linha.arquivoConfiguracao);
    return 0;
}

// The installation's configuration for a command without windows; false
// (and the reason written) when it cannot be read.
bool aplicarConfiguracao(const LinhaComando& linha, Configuracao& config) {
    RegistrarTodasTabelas();
    QString erro;
    if (!config.ler(linha.arquivoConfiguracao, erro)) {
        escrever(stderr, erro);
        return false;
    }
    SessaoBanco::padrao().fechar();
    SessaoBanco::padrao().abrir();
    config.aplicar();
    return true;
}

int migrarParaServidor(const LinhaComando& linha) {
    Configuracao config;
    if (!aplicarConfiguracao(linha, config))
        return 1;
    QStringList linhas{linha.migrarServidor};
    // The user and password of the configuration's alias, when it names them.
    for (const QString& l : config.parametrosAlias)
        if (l.startsWith("USER NAME=", Qt::CaseInsensitive) ||
            l.startsWith("PASSWORD=", Qt::CaseInsensitive))
            linhas << l;
    qint64 origem = 0, destino = 0;
    try {
        MigrarParaServidor(linha.migrarDiretorio, linhas, [&](const TabelaMigrada& t) {
            escrever(stdout, QString("%1: %2 linhas no diretório, %3 no servidor")
                                 .arg(t.tabela, -30)
                                 .arg(t.linhasOrigem)
                                 .arg(t.linhasDestino));
            origem += t.linhasOrigem;
            destino += t.linhasDestino;
        });
    } catch (const ErroBanco& e) {
        escrever(stderr, e.texto());
        return 1;
    }
    escrever(stdout,
             QString("Total: %1 linhas no diretório, %2 no servidor.").arg(origem).arg(destino));
    return origem == destino ? 0 : 1;
}

int importarParadox(const LinhaComando& linha) {
    Configuracao config;
    if (!aplicarConfiguracao(linha, config))
        return 1;
    return ImportarPelaLinhaDeComando(linha.importarOrigem, linha.importarDestino, linha.substituir,
                                      stdout, stderr);
}

// First run: without a configuration file the program makes (or reuses)
// the demonstration in ~/PCP-demo and points the file at it.
bool prepararPrimeiraExecucao(const QString& arquivo, QString& erro) {
    const QString pasta = QDir::homePath() + "/PCP-demo";
    const bool ok = ExisteDemonstracao(pasta)
                        ? ConfiguracaoDemonstracao(pasta, arquivo).gravar(erro)
                        : CriarDemonstracao(pasta, arquivo, erro);
    if (ok) {
        escrever(stderr, "Configuração não encontrada: usando a instalação de demonstração em " +
                             pasta + " (configuração gravada em " + arquivo + ").");
        escrever(stderr, ResumoDemonstracao);
    }
    return ok;
}

void trazerParaFrente() {
    QWidget* modal = QApplication::activeModalWidget();
    const auto janelas = modal ? QWidgetList{modal} : QApplication::topLevelWidgets();
    for (QWidget* j : janelas) {
        if (!j->isVisible() || (j->windowType() != Qt::Window && j->windowType() != Qt::Dialog))
            continue;
        if (j->isMinimized())
            j->showNormal();
        j->raise();
        j->activateWindow();
    }
}
} // namespace

int main(int argc, char** argv) {
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    const LinhaComando linha = LerLinhaComando(argumentos);
    if (!linha.erro.isEmpty()) {
        escrever(stderr, linha.erro);
        std::fputs(Uso, stderr);
        return 2;
    }
    if (linha.ajuda) {
        std::fputs(Uso, stdout);
        return 0;
    }
    if (!linha.pastaDemonstracao.isEmpty()) {
        QCoreApplication app(argc, argv);
        return criarDemonstracao(linha);
    }
    if (!linha.migrarDiretorio.isEmpty()) {
        QCoreApplication app(argc, argv);
        return migrarParaServidor(linha);
    }
    if (!linha.importarOrigem.isEmpty()) {
        QCoreApplication app(argc, argv);
        return importarParadox(linha);
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        escrever(stderr, "Não há tela gráfica disponível (DISPLAY e WAYLAND_DISPLAY vazias). "
                         "Rode o programa numa sessão gráfica, ou numa tela virtual com: "
                         "xvfb-run -a pcp");
        return 1;
    }

    AplicacaoPcp app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    GuardaInstancia guarda(GuardaInstancia::nomePadrao());
    if (guarda.outraInstanciaAtiva())
        return 0;
    if (!guarda.escutar())
        escrever(stderr, "Aviso: não foi possível registrar esta instância (" +
                             GuardaInstancia::nomePadrao() + ").");

    // The application title; the display name would be appended by Qt to
    // every window caption, so the plain name carries it.
    QCoreApplication::setApplicationName(QString());
    TFormSplash splash;
    splash.mostrar();
    QCoreApplication::setApplicationName("Dosagem");

    DialogosQt dialogos;
    Dialogos::instalar(&dialogos);
    RegistrarTodasTabelas();

    QString erro;
    Configuracao config;
    if ((!QFileInfo::exists(linha.arquivoConfiguracao) &&
         !prepararPrimeiraExecucao(linha.arquivoConfiguracao, erro)) ||
        !config.ler(linha.arquivoConfiguracao, erro)) {
        splash.hide();
        escrever(stderr, erro);
        MostrarErro(erro);
        return 1;
    }
    SessaoBanco::padrao().fechar();
    SessaoBanco::padrao().abrir();
    config.aplicar();

    Modulos modulos;
    CriarModulos(modulos);
    TfoMenuEmpresa* empresa = modulos.obter<TfoMenuEmpresa>();
    empresa->definirArgumentos(linha.argumentos);
    // Queued: the window may close before the loop runs (Os_Exec with an
    // unknown company), and the loop must still see the request.
    QObject::connect(empresa, &TfoMenuEmpresa::fechada, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(modulos.obter<TMenuFilial>(), &TMenuFilial::encerrar, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&guarda, &GuardaInstancia::pedidoMostrar, &app, trazerParaFrente);

    splash.hide();
    empresa->show();
    return app.exec();
}
