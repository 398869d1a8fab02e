// The text report engine: page layout in the buffer, what a page emits
// (compared whole against an expected file), temporary file names and the
// cleanup of earlier days, and where preview, client-drive and queue output
// end up.
#include "services/RelatorioTexto.h"
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"
#include "services/ConfigImpressao.h"
#include "services/ImpressoraGrafica.h"
#include "services/ImpressoraTexto.h"
#include "services/ListaImpressoras.h"
#include "services/PaginaTexto.h"
#include "services/VisualizadorRelatorio.h"
#include "session/Sessao.h"
#include "store/Caminhos.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QWidget>

namespace {

QString Esperado(const QString& nome) {
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath("esperado/" + nome);
}

QByteArray ler(const QString& arquivoHost) {
    QFile f(arquivoHost);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

void criarArquivo(const QString& arquivoHost, const QByteArray& conteudo = "x") {
    QDir().mkpath(arquivoHost.section('/', 0, -2));
    QFile f(arquivoHost);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
}

class RelatorioTextoTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        CfgImpressao() = ConfigImpressao();
        LimparPagina();
        Sess().Modulo = "PCP";
        Sess().NomeFilial = "TINTAS MATRIZ";
        Sess().Filial = 1;
        Sess().FilialTexto = "1";
        InstalarVisualizacao([this](const QString& arquivo, int linhas) {
            visualizados << arquivo + "|" + QString::number(linhas);
        });
        ImpressoraTexto::instalarSpooler([this](const QString& fila, const QString& arquivo) {
            spool << fila + "|" + QString::fromLatin1(ler(arquivo));
            return true;
        });
    }
    void TearDown() override {
        InstalarVisualizacao(nullptr);
        ImpressoraTexto::instalarSpooler(nullptr);
        InstalacaoTeste::TearDown();
    }

    QStringList visualizados;
    QStringList spool;
};

// Two pages of a typical report: a header at Largura 80 starting from
// Pagina 0, a control cell, a line cut at character 26, blank lines, a
// second header numbered from PaginaInicial and labelled "FOLHA:".
TEST_F(RelatorioTextoTest, PaginasEmitidasIguaisAoArquivoEsperado) {
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Destino = 'V';
    cfg.CodigoPasso = CaractereCompactado;
    cfg.Largura = 80;
    cfg.LinhasUsadas = 12;
    cfg.Pagina = 0;
    cfg.Complemento = "FILIAL 1";
    IniciarRelatorio();
    const QString arquivo = "C:\\TMP463620416666666666667.IMP";
    EXPECT_EQ(cfg.Porta, arquivo);

    Cabecalho("RELACAO DE FORMULAS", "ORDEM ALFABETICA");
    EXPECT_EQ(cfg.Pagina, 1);
    EXPECT_EQ(cfg.Linha, 5);
    EscreverTexto(7, 1, "FORMULA");
    EscreverTexto(7, 20, "AZUL CELESTE   ");
    EscreverTexto(8, 1, QString(QChar(27)) + "E");
    EscreverTexto(8, 2, "NEGRITO");
    EscreverTexto(9, 1, "CORTADA AQUI");
    EscreverTexto(9, 8, QString(QChar(26)));
    EscreverTexto(10, 5, "   ");
    EscreverTexto(11, 75, "ALEM DA LARGURA");

    cfg.PaginaInicial = 7;
    cfg.RotuloFolha = true;
    cfg.Complemento.clear();
    Cabecalho("RELACAO DE FORMULAS", "");
    EXPECT_EQ(cfg.Linha, 4);
    EscreverTexto(5, 1, "ULTIMA LINHA");
    ImprimirPagina();
    EXPECT_EQ(cfg.Pagina, 8);
    FinalizarRelatorio();

    QFile esperado(Esperado("relatorio_texto.imp"));
    ASSERT_TRUE(esperado.open(QIODevice::ReadOnly));
    EXPECT_EQ(ler(host(arquivo)), esperado.readAll());
    EXPECT_EQ(visualizados, QStringList{host(arquivo) + "|12"});
}

// Text that falls outside the 5000 x 300 buffer is dropped, not wrapped.
TEST_F(RelatorioTextoTest, TextoForaDoBufferEhDescartado) {
    PaginaTexto& p = PaginaTexto::atual();
    EscreverTexto(1, 0, "ABC");
    EscreverTexto(PaginaTexto::Linhas + 1, 1, "PERDIDO");
    EscreverTexto(2, PaginaTexto::Colunas - 1, "FIM");
    EXPECT_EQ(p.celula(1, 1) + p.celula(1, 2) + p.celula(1, 3), "BC ");
    EXPECT_EQ(p.celula(2, PaginaTexto::Colunas - 1) + p.celula(2, PaginaTexto::Colunas), "FI");
    EXPECT_EQ(p.celula(3, 1), " ") << "nothing wrapped to the next line";
}

TEST_F(RelatorioTextoTest, NomeTemporarioLevaSerialDaDataEFracaoDoDia) {
    const QDate dia(2026, 12, 6);
    const struct {
        QTime hora;
        const char* nome;
    } casos[] = {
        {QTime(0, 0), "TMP463620"},
        {QTime(12, 0), "TMP4636205"},
        {QTime(6, 0), "TMP46362025"},
        {QTime(10, 0), "TMP463620416666666666667"},
        {QTime(0, 0, 36), "TMP463620000416666666666667"},
        {QTime(23, 59, 59, 999), "TMP463620999999988425926"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(NomeTemporarioRelatorio(QDateTime(dia, c.hora)), c.nome) << c.nome;
    EXPECT_EQ(NomeTemporarioRelatorio(QDateTime(QDate(1899, 12, 31), QTime(0, 0))), "TMP10");
}

TEST_F(RelatorioTextoTest, VisualizacaoApagaSoArquivosTemporariosDeDiasAnteriores) {
    const QStringList ficam = {"TMP4636205.IMP", "TMP463620.IMP", "OUTRO.IMP", "TMP46361.TXT"};
    const QStringList saem = {"TMP463610416.IMP", "tmp46000.imp", "Tmp1.IMP"};
    for (const QString& n : ficam + saem)
        criarArquivo(host("C:\\") + "/" + n);
    criarArquivo(host("C:\\") + "/ImpTmp/TMP1.IMP");
    CfgImpressao().Destino = 'V';
    IniciarRelatorio();
    FinalizarRelatorio();
    QStringList presentes = QDir(host("C:\\")).entryList(QDir::Files);
    presentes.sort();
    QStringList esperados = ficam;
    esperados << "TMP463620416666666666667.IMP";
    esperados.sort();
    EXPECT_EQ(presentes, esperados);
    EXPECT_TRUE(QFile::exists(host("C:\\") + "/ImpTmp/TMP1.IMP"));
    EXPECT_TRUE(visualizados.isEmpty()) << "a report with no page is not shown";
}

void gravarParametro(const QString& nome, const QString& valor) {
    Tabela t("ParametrosEmpresa");
    t.setNomeBanco("Orvalo");
    t.abrir();
    t.incluir();
    t.campo("Filial").definir(1);
    t.campo("NomeParametro").definir(nome);
    t.campo("ValorStr").definir(valor);
    t.gravar();
}

// On a terminal-server station the file goes to the client drive: the
// folder named in ImpTmp.txt, else DirCobol, else "DirImpTmp", else C.
TEST_F(RelatorioTextoTest, EstacaoComTerminalGravaNoDiscoDoCliente) {
    const QString base = "TMP463620416666666666667.IMP";
    const struct {
        const char* impTmp; // nullptr: no ImpTmp.txt
        const char* dirCobol;
        const char* parametro; // nullptr: no DirImpTmp row
        QString porta;
        const char* dirCobolDepois;
    } casos[] = {
        {"C:\\IMP\r\nD:\\OUTRA\r\n", "X", nullptr, "\\\\tsclient\\C\\IMP\\" + base, "C\\IMP"},
        {nullptr, "D", "RELAT", "\\\\tsclient\\D\\" + base, "D"},
        {nullptr, "", "RELAT", "\\\\tsclient\\RELAT\\" + base, ""},
        {nullptr, "", nullptr, "\\\\tsclient\\C\\" + base, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.porta.toStdString());
        QDir(raiz.path() + "/tsclient").removeRecursively();
        QDir().mkpath(raiz.path() + "/tsclient/C/IMP");
        QDir().mkpath(raiz.path() + "/tsclient/D");
        if (c.impTmp)
            criarArquivo(raiz.path() + "/tsclient/C/ImpTmp.txt", c.impTmp);
        SessaoBanco::padrao().esvaziarTabela("Orvalo", "ParametrosEmpresa");
        if (c.parametro)
            gravarParametro("DirImpTmp", c.parametro);
        Sess().TermServ = true;
        Sess().DirCobol = c.dirCobol;
        dialogos->limpar();
        ConfigImpressao& cfg = CfgImpressao();
        cfg = ConfigImpressao();
        cfg.Destino = 'T';
        cfg.LinhasUsadas = 3;
        cfg.Pagina = 1;

        IniciarRelatorio();
        EXPECT_EQ(cfg.Porta, c.porta);
        EXPECT_EQ(Sess().DirCobol, c.dirCobolDepois);
        ASSERT_NE(JanelaProgressoRelatorio(), nullptr);
        EXPECT_EQ(JanelaProgressoRelatorio()->windowTitle(), c.porta);
        LimparPagina();
        EscreverTexto(2, 1, "X");
        ImprimirPagina();
        EXPECT_EQ(JanelaProgressoRelatorio()->windowTitle(), "Pagina: 1   Linha: 3");
        FinalizarRelatorio();

        EXPECT_EQ(JanelaProgressoRelatorio(), nullptr);
        EXPECT_EQ(ler(host(c.porta)), QByteArray(" \r\nX" + QByteArray(79, ' ') + "\r\n \r\n"));
        EXPECT_EQ(dialogos->textos(),
                  QStringList{"O relatorio já pode ser impresso...\r\n \r\no arquivo foi gerado "
                              "na pasta\r\n \r\nC:\\\r\n \r\nMinimize o Remote Desktop, e dê um "
                              "duplo clique no\r\n \r\nícone ImpTmp do seu desktop."});
    }
}

// A printer port is a path (file or device) or a queue name; an empty port
// means LPT1. A queue gets the whole report once it is finished; a port
// that cannot be opened is skipped without a word.
TEST_F(RelatorioTextoTest, ImpressaoVaiParaArquivoDispositivoOuFila) {
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Largura = 4;
    cfg.LinhasUsadas = 1;
    cfg.CodigoPasso = CaractereNormal;
    const QString pagina = QString(QChar(18)) + QChar(27) + "2ABCD\r\n";
    criarDiretorio("C:\\SAIDA");
    const struct {
        QString porta;
        QStringList fila;
        QString arquivo;
    } casos[] = {
        {"EPSON", {"EPSON|" + pagina}, ""},
        {"", {"LPT1|" + pagina}, ""},
        {"C:\\SAIDA\\REL.TXT", {}, "C:\\SAIDA\\REL.TXT"},
        {"C:\\NAO\\EXISTE\\REL.TXT", {}, ""},
    };
    for (const auto& c : casos) {
        spool.clear();
        cfg.Porta = c.porta;
        cfg.Pagina = 1;
        IniciarRelatorio();
        EscreverTexto(1, 1, "ABCD");
        ImprimirPagina();
        EXPECT_TRUE(spool.isEmpty()) << "queued only when finished";
        FinalizarRelatorio();
        EXPECT_EQ(spool, c.fila);
        if (!c.arquivo.isEmpty()) {
            EXPECT_EQ(QString::fromLatin1(ler(host(c.arquivo))), pagina);
        }
    }
    EXPECT_TRUE(dialogos->textos().isEmpty());
    EXPECT_TRUE(visualizados.isEmpty());
}

// A shared printer goes to the queue the installation maps it to, else to
// the queue named after the share, else nowhere with a message; never to a
// file named after it.
TEST_F(RelatorioTextoTest, ImpressoraCompartilhadaVaiParaUmaFilaNuncaParaArquivo) {
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Largura = 4;
    cfg.LinhasUsadas = 1;
    cfg.CodigoPasso = CaractereNormal;
    const QString pagina = QString(QChar(18)) + QChar(27) + "2ABCD\r\n";
    ImpressoraTexto::definirCompartilhadas({{"\\\\SERVIDOR\\FISCAL", "fiscal_local"}});
    InstalarImpressorasInstaladas([] { return QStringList{"EPSON on EPSON"}; });
    const struct {
        QString porta;
        QStringList fila;
        QStringList mensagens;
    } casos[] = {
        {"\\\\servidor\\fiscal", {"fiscal_local|" + pagina}, {}},
        {"\\\\SERVIDOR\\EPSON", {"EPSON|" + pagina}, {}},
        {"\\\\SERVIDOR\\HP",
         {},
         {"A impressora \\\\SERVIDOR\\HP não corresponde a nenhuma fila de impressão deste "
          "computador. Ligue-a a uma fila na seção [Impressoras] do arquivo de configuração, ou "
          "crie no CUPS uma fila chamada HP."}},
    };
    for (const auto& c : casos) {
        spool.clear();
        dialogos->limpar();
        cfg.Porta = c.porta;
        cfg.Pagina = 1;
        IniciarRelatorio();
        EscreverTexto(1, 1, "ABCD");
        ImprimirPagina();
        FinalizarRelatorio();
        EXPECT_EQ(spool, c.fila) << c.porta.toStdString();
        EXPECT_EQ(dialogos->textos(), c.mensagens);
    }
    EXPECT_TRUE(QDir::current().entryList({"*SERVIDOR*", "*HP*"}).isEmpty());
    ImpressoraTexto::definirCompartilhadas({});
    InstalarImpressorasInstaladas(nullptr);
}

// The preview window pages the file by the report's line count and shows
// the text without printer codes; printing it gives one sheet per page.
TEST_F(RelatorioTextoTest, VisualizadorMostraPaginasSemCodigosDaImpressora) {
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Destino = 'V';
    cfg.CodigoPasso = CaractereCompactado;
    cfg.Largura = 5;
    cfg.LinhasUsadas = 2;
    cfg.Pagina = 1;
    IniciarRelatorio();
    for (const char* t : {"UM", "DOIS", "TRES"}) {
        LimparPagina();
        EscreverTexto(1, 1, t);
        EscreverTexto(2, 2, QString(QChar(27)) + "E");
        EscreverTexto(2, 3, "ç");
        ImprimirPagina();
    }
    FinalizarRelatorio();
    ASSERT_EQ(visualizados.size(), 1);

    VisualizadorRelatorio v(host(cfg.Porta), cfg.LinhasUsadas);
    ASSERT_EQ(v.paginas(), 3);
    // The control cell takes no room on paper, nor here.
    EXPECT_EQ(v.textoPagina(1), QString("DOIS \n ç  "));
    v.proxima();
    v.proxima();
    v.proxima();
    EXPECT_EQ(v.paginaAtual(), 2);
    EXPECT_EQ(v.findChild<QLabel*>("Pagina")->text(), "Pagina 3 de 3");

    const QString pdf = raiz.path() + "/previa.pdf";
    QPrinter impressora;
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(pdf);
    v.imprimirEm(impressora);
    EXPECT_EQ(ler(pdf).count("/Type /Page\n"), 3);
}

// Graphic output opens no text file, even for preview, and each page is a
// print job of its own on the chosen printer.
TEST_F(RelatorioTextoTest, ModoGraficoDesenhaCadaPaginaSemArquivoTexto) {
    const QString pdf = raiz.path() + "/grafico.pdf";
    ImpressoraGrafica().setOutputFormat(QPrinter::PdfFormat);
    ImpressoraGrafica().setOutputFileName(pdf);
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Modo = 'G';
    cfg.Destino = 'V';
    cfg.Pagina = 1;
    IniciarRelatorio();
    EXPECT_EQ(cfg.Porta, "");
    EscreverTexto(1, 1, "GRAFICO");
    ImprimirPagina();
    ImprimirPagina();
    dialogos->responder(Resposta::Nao); // not opened
    FinalizarRelatorio();
    ImpressoraGrafica().setOutputFileName(QString());
    EXPECT_EQ(cfg.Pagina, 3);
    // Both pages in the file, not the second in place of the first.
    EXPECT_EQ(ler(pdf).count("/Type /Page\n"), 2);
    EXPECT_TRUE(QDir(host("C:\\")).entryList({"*.IMP"}).isEmpty());
    EXPECT_TRUE(visualizados.isEmpty());
}

} // namespace
