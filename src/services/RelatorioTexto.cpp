#include "RelatorioTexto.h"

#include "ConfigImpressao.h"
#include "EscolhaArquivo.h"
#include "FormatoNumero.h"
#include "ImpressoraGrafica.h"
#include "ImpressoraTexto.h"
#include "PaginaTexto.h"
#include "SaidaPdf.h"
#include "VisualizadorRelatorio.h"
#include "session/Dialogos.h"
#include "session/FormatosRegionais.h"
#include "session/Parametros.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "store/Caminhos.h"
#include "store/ErroBanco.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QTextStream>
#include <QWidget>
#include <cmath>

namespace {
const QString CrLf = "\r\n";

QPointer<QWidget>& progresso() {
    static QPointer<QWidget> janela;
    return janela;
}

int& paginasEmitidas() {
    static int n = 0;
    return n;
}

// The first header's title of the run names its PDF file.
QString& tituloRelatorio() {
    static QString t;
    return t;
}

// True when the run's pages go to a PDF file to be named at the end; false
// when they go to the file the graphic printer was told to print to.
bool& pdfParaNomear() {
    static bool b = false;
    return b;
}

QString tituloPdf();

void visualizacaoPadrao(const QString& arquivo, int linhasPorPagina) {
    auto* v = new VisualizadorRelatorio(arquivo, linhasPorPagina);
    v->definirTitulo(tituloPdf());
    v->setAttribute(Qt::WA_DeleteOnClose);
    v->show();
}

AbrirVisualizacao& visualizacao() {
    static AbrirVisualizacao v = visualizacaoPadrao;
    return v;
}

bool viaTerminal() {
    const QChar d = CfgImpressao().Destino;
    return Sess().TermServ && (d == 'V' || d == 'T');
}

// A number written with 15 significant digits (plain decimals for day
// fractions, never an exponent), without decimal separators.
QString numeroSemSeparador(double v) {
    QString s = QString::number(v, 'f', 15);
    if (v != 0) {
        const int inteiros = v >= 1 ? int(std::floor(std::log10(v))) + 1 : 0;
        const int zeros = v < 1 ? -int(std::floor(std::log10(v))) - 1 : 0;
        s = QString::number(v, 'f', std::max(0, 15 - inteiros + zeros));
    }
    if (s.contains('.')) {
        while (s.endsWith('0'))
            s.chop(1);
        if (s.endsWith('.'))
            s.chop(1);
    }
    return s.remove('.').remove(',');
}

QString serialData(const QDate& d) {
    return QString::number(QDate(1899, 12, 30).daysTo(d));
}

QString filialTexto() {
    return Sess().FilialTexto.isEmpty() ? QString::number(Sess().Filial) : Sess().FilialTexto;
}

// The client-drive path of a terminal-server station (stored form).
QString caminhoTerminal(const QString& base) {
    QFile impTmp(Caminhos::atual().resolver("\\\\tsClient\\C\\ImpTmp.txt"));
    if (impTmp.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QString linha = QTextStream(&impTmp).readLine();
        const qsizetype doisPontos = linha.indexOf(':');
        if (doisPontos >= 0)
            linha.remove(doisPontos, 1);
        Sess().DirCobol = linha;
    }
    if (!Sess().DirCobol.isEmpty())
        return "\\\\tsclient\\" + Sess().DirCobol + "\\" + base + ".IMP";
    QString pasta = LerParametroTexto("Orvalo", filialTexto(), "DirImpTmp");
    if (pasta.isEmpty())
        pasta = "C";
    if (pasta != "C")
        QDir().mkpath(Caminhos::atual().resolver("\\\\tsclient\\" + pasta));
    return "\\\\tsclient\\" + pasta + "\\" + base + ".IMP";
}

void mostrarProgresso(const QString& caminho) {
    auto* janela = new QWidget(nullptr, Qt::Dialog);
    janela->setObjectName("Progresso");
    janela->setWindowTitle(caminho);
    janela->resize(300, 32);
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        janela->move(tela->availableGeometry().center() - janela->rect().center());
    janela->show();
    progresso() = janela;
}

void removerArquivosAntigos(const QString& pastaArmazenada, const QString& hoje) {
    const QDir pasta(Caminhos::atual().resolver(pastaArmazenada));
    const auto arquivos = pasta.entryInfoList({"Tmp*.IMP"}, QDir::Files);
    for (const QFileInfo& f : arquivos)
        if (!f.fileName().startsWith("TMP" + hoje, Qt::CaseInsensitive))
            QFile::remove(f.absoluteFilePath());
}

void imprimirTexto() {
    const ConfigImpressao& cfg = CfgImpressao();
    ImpressoraTexto& saida = ImpressoraTexto::atual();
    SaidaPdf& pdf = SaidaPdf::atual();
    const PaginaTexto& pagina = PaginaTexto::atual();
    QString codigos;
    if (!cfg.CodigoPasso.isEmpty())
        codigos = cfg.CodigoPasso + QChar(27) + "2";
    if (!pdf.aberta() && !codigos.isEmpty())
        saida.escrever(codigos);
    const int linhas = std::clamp(cfg.LinhasUsadas, 0, PaginaTexto::Linhas);
    const int largura = std::clamp(cfg.Largura, 0, PaginaTexto::Colunas);
    const bool terminal = viaTerminal() && progresso();
    QStringList paginaPdf;
    QString texto;
    for (int l = 1; l <= linhas; ++l) {
        texto.clear();
        if (!pagina.juntarLinha(l, largura, texto))
            texto = " ";
        if (pdf.aberta()) {
            paginaPdf << (l == 1 ? codigos + texto : texto);
            continue;
        }
        saida.escrever(texto + CrLf);
        if (terminal) {
            progresso()->setWindowTitle("Pagina: " + QString::number(cfg.Pagina) +
                                        "   Linha: " + QString::number(l));
            QApplication::processEvents();
        }
    }
    if (pdf.aberta())
        pdf.paginaTexto(paginaPdf);
}

QString tituloPdf() {
    if (!tituloRelatorio().trimmed().isEmpty())
        return tituloRelatorio();
    if (const QWidget* janela = QApplication::activeWindow())
        return janela->windowTitle();
    return QString();
}

// Hands the finished PDF to the operator: the name to keep it under, then
// the desktop's viewer when asked.
void entregarPdf() {
    SaidaPdf& pdf = SaidaPdf::atual();
    const QString temporario = pdf.arquivo();
    const int paginas = pdf.paginas();
    const bool gravou = pdf.fechar();
    if (paginas == 0) {
        QFile::remove(temporario);
        return;
    }
    if (!gravou) {
        QFile::remove(temporario);
        MostrarErro("Não foi possível gravar o arquivo " + QDir::toNativeSeparators(temporario));
        return;
    }
    QString destino = temporario;
    if (pdfParaNomear()) {
        destino = EscolherArquivoGravar(
            "Salvar relatório em PDF",
            NomeArquivoProposto(tituloPdf(), Relogio::atual().hoje(), "pdf"), "PDF (*.pdf)");
        if (destino.isEmpty()) {
            QFile::remove(temporario);
            return;
        }
        if (QFileInfo(destino).suffix().isEmpty())
            destino += ".pdf";
        QFile::remove(destino);
        if (!QFile::rename(temporario, destino)) {
            QFile::remove(temporario);
            MostrarErro("Não foi possível gravar o arquivo " + QDir::toNativeSeparators(destino));
            return;
        }
    }
    if (Confirmar("O relatório foi gravado em " + QDir::toNativeSeparators(destino) +
                  ".\nDeseja abri-lo agora?") &&
        !AbrirNoDesktop(destino))
        MostrarMensagem("Não há programa para abrir " + QDir::toNativeSeparators(destino) + ".");
}
} // namespace

void LimparPagina() {
    PaginaTexto::atual().limpar();
}

void EscreverTexto(int linha, int coluna, const QString& texto) {
    if (texto.isEmpty() || linha < 1 || linha > PaginaTexto::Linhas)
        return;
    PaginaTexto& pagina = PaginaTexto::atual();
    if (texto < QStringLiteral(" ")) {
        if (coluna >= 1 && coluna <= PaginaTexto::Colunas)
            pagina.definir(linha, coluna, texto);
        return;
    }
    int c = coluna;
    for (qsizetype i = 0; i < texto.size() && c <= PaginaTexto::Colunas; ++c) {
        // A surrogate pair is one character and takes one cell.
        const qsizetype n = texto[i].isHighSurrogate() && i + 1 < texto.size() ? 2 : 1;
        if (c >= 1) {
            if (n == 1 && texto[i].unicode() != 0)
                pagina.definir(linha, c, char16_t(texto[i].unicode()));
            else
                pagina.definir(linha, c, texto.mid(i, n));
        }
        i += n;
    }
}

void Cabecalho(const QString& titulo, const QString& subtitulo) {
    ImprimirPagina();
    LimparPagina();
    ConfigImpressao& cfg = CfgImpressao();
    if (cfg.PaginaInicial != 0) {
        cfg.Pagina = cfg.PaginaInicial;
        cfg.PaginaInicial = 0;
    }
    const QDateTime agora = Relogio::atual().agora();
    const int direita = cfg.Largura - 15;
    cfg.Linha = 1;
    if (tituloRelatorio().isEmpty())
        tituloRelatorio() = titulo;
    EscreverTexto(1, 1, Sess().Modulo + ":" + Sess().NomeFilial);
    EscreverTexto(1, direita, "DATA.:" + DataTexto(agora.date()));
    EscreverTexto(2, 1, "SISTEMA: ORVALO INFORMATICA LTDA");
    EscreverTexto(2, direita, "HORA.:  " + agora.time().toString("HH:mm:ss"));
    EscreverTexto(3, 1, titulo);
    EscreverTexto(3, direita,
                  QString(cfg.RotuloFolha ? "FOLHA:" : "PAG..:") +
                      Formatar("%10.10d", {cfg.Pagina}));
    cfg.RotuloFolha = false;
    cfg.Linha = 4;
    QString sub = subtitulo;
    if (!cfg.Complemento.isEmpty())
        sub += (sub.isEmpty() ? QString() : QString(" - ")) + cfg.Complemento;
    if (!sub.isEmpty())
        EscreverTexto(cfg.Linha++, 1, sub);
    EscreverTexto(cfg.Linha, 1, Repetir("-", cfg.Largura));
}

void ImprimirPagina() {
    ConfigImpressao& cfg = CfgImpressao();
    if (cfg.Pagina > 0) {
        if (cfg.Modo == 'G' && SaidaPdf::atual().aberta())
            SaidaPdf::atual().paginaGrafica();
        else if (cfg.Modo == 'G')
            ImprimirPaginaGrafica();
        else
            imprimirTexto();
        ++paginasEmitidas();
    }
    ++cfg.Pagina;
}

void IniciarRelatorio() {
    ConfigImpressao& cfg = CfgImpressao();
    paginasEmitidas() = 0;
    tituloRelatorio().clear();
    // A graphic printer told to print to a file gets the whole run in it,
    // not one job per page each overwriting the last.
    const QString arquivoImpressora =
        cfg.Modo == 'G' ? ImpressoraGrafica().outputFileName() : QString();
    pdfParaNomear() = cfg.Destino == 'P';
    if (pdfParaNomear() || !arquivoImpressora.isEmpty()) {
        const QString arquivo =
            pdfParaNomear()
                ? QDir::temp().filePath(NomeTemporarioRelatorio(Relogio::atual().agora()) + ".pdf")
                : arquivoImpressora;
        SaidaPdf::atual().abrir(arquivo, cfg.Modo == 'G', Sess().Modulo);
        return;
    }
    if (cfg.Modo == 'G')
        return;
    if (cfg.Destino == 'V' || cfg.Destino == 'T') {
        const QDateTime agora = Relogio::atual().agora();
        const QString base = NomeTemporarioRelatorio(agora);
        QString caminho;
        if (Sess().TermServ) {
            caminho = caminhoTerminal(base);
            mostrarProgresso(caminho);
        } else {
            caminho = "C:\\" + base + ".IMP";
        }
        removerArquivosAntigos(Caminhos::diretorioDe(caminho), serialData(agora.date()));
        cfg.Porta = caminho;
    }
    // A port that will not open leaves the report writing nowhere; a shared
    // printer that reaches no queue says so.
    if (!ImpressoraTexto::atual().abrir(cfg.Porta.isEmpty() ? QStringLiteral("LPT1") : cfg.Porta) &&
        !ImpressoraTexto::atual().erro().isEmpty())
        MostrarErro(ImpressoraTexto::atual().erro());
}

void FinalizarRelatorio() {
    const ConfigImpressao& cfg = CfgImpressao();
    if (SaidaPdf::atual().aberta()) {
        QApplication::processEvents();
        entregarPdf();
        return;
    }
    if (cfg.Modo == 'G')
        return;
    QApplication::processEvents();
    ImpressoraTexto::atual().fechar();
    if (cfg.Destino == 'V' && paginasEmitidas() > 0)
        visualizacao()(Caminhos::atual().resolver(cfg.Porta), cfg.LinhasUsadas);
    if (cfg.Destino == 'T')
        MostrarMensagem("O relatorio já pode ser impresso..." + CrLf + " " + CrLf +
                        "o arquivo foi gerado na pasta" + CrLf + " " + CrLf + "C:\\" + CrLf + " " +
                        CrLf + "Minimize o Remote Desktop, e dê um duplo clique no" + CrLf + " " +
                        CrLf + "ícone ImpTmp do seu desktop.");
    if (Sess().TermServ && (cfg.Destino == 'V' || cfg.Destino == 'T') && progresso()) {
        progresso()->close();
        delete progresso();
    }
}

void AbandonarRelatorio() {
    ImpressoraTexto::atual().descartar();
    SaidaPdf::atual().descartar();
    if (progresso()) {
        progresso()->close();
        delete progresso();
    }
}

QString RemoverCaractere(const QString& texto, QChar caractere) {
    return QString(texto).remove(caractere);
}

QString Repetir(const QString& texto, int vezes) {
    return vezes <= 0 ? QString() : texto.repeated(vezes);
}

QString NomeTemporarioRelatorio(const QDateTime& momento) {
    const double fracao = momento.time().msecsSinceStartOfDay() / 86400000.0;
    return "TMP" + serialData(momento.date()) + numeroSemSeparador(fracao);
}

QWidget* JanelaProgressoRelatorio() {
    return progresso();
}

void InstalarVisualizacao(AbrirVisualizacao abrir) {
    visualizacao() = abrir ? std::move(abrir) : AbrirVisualizacao(visualizacaoPadrao);
}

bool EmitirRelatorio(const std::function<void()>& emitir) {
    try {
        emitir();
        return true;
    } catch (const ErroBanco& e) {
        AbandonarRelatorio();
        MostrarErro(e.texto());
    } catch (const ErroSaidaTexto& e) {
        AbandonarRelatorio();
        MostrarErro(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
