#include "FichaSeguranca.h"

#include "FormatoNumero.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {
const char* const SqlProdutos =
    "SELECT FILIAL, COD_REDUZ, NOME1, COD_ONU FROM ESTPROMA WHERE FILIAL = :PFILIAL AND "
    "COD_REDUZ IN (SELECT DISTINCT COD_REDUZ FROM FORMULA WHERE FILIAL = :PFILIAL2)";

// Bold lines open the sections; the others are their text.
struct Linha {
    const char* texto;
    bool secao;
};

const Linha Aviso[] = {
    {"Esta ficha, foi desenvolvida para orientação no manuseio seguro e informações sobre a "
     "descrição",
     false},
    {"química genérica, foi elaborada com base nos conhecimentos atuais sobre este produto. Se "
     "houver",
     false},
    {"necessidade de informações adicionais, favor entrar em contato conosco.", false},
};

const Linha Medidas[] = {
    {"3)Medidas em caso de contaminação pessoal e primeiros socorros:", true},
    {"Ingestão: Procure auxilio médico imediato.", false},
    {"Contato com os olhos: Lavar com água limpa, mantendo as pálpebras bem abertas, por "
     "aproximadamente",
     false},
    {"15 minutos. Se persistir irritação, encaminhar à avaliação médica.", false},
    {"Contato com a pele: Remover roupas contaminadas, lavar o local com água e sabão neutro.",
     false},
    {"Inalação de vapores (quando aplicável): Retirar a vítima para local ventilado, observar os "
     "movimentos",
     false},
    {"respiratórios, quando necessário aplicar respiração artificial.", false},
    {"4)Risco de incêndio e explosão:", true},
    {"Aplica-se quando o produto contiver no rótulo o AVISO INFLAMÁVEL. Utilize extintores de pó "
     "químico,",
     false},
    {"espuma e/ou CO2. Utilize água apenas em forma de neblina e para resfriamento de embalagens.",
     false},
    {"5)Condições de estocagem:", true},
    {"Estocar em área coberta e ventilada.", false},
};

// Writes the sheet with a cursor, one block per line.
class Escritor {
public:
    // `dpiDocumento`: the resolution the document's lengths are given in.
    Escritor(QTextDocument& doc, const QFont& fonte, qreal dpiDocumento)
        : cursor_(&doc), fonte_(fonte), dpi_(dpiDocumento) {}

    void titulo(const QString& texto) {
        QTextBlockFormat b;
        b.setAlignment(Qt::AlignHCenter);
        b.setBottomMargin(pontos(14));
        QTextCharFormat c = normal();
        c.setFontPointSize(fonte_.pointSizeF() + 4);
        c.setFontWeight(QFont::Bold);
        cursor_.setBlockFormat(b);
        cursor_.insertText(texto, c);
    }
    void secao(const QString& texto, const QString& valor = QString()) {
        QTextBlockFormat b;
        b.setTopMargin(pontos(10));
        b.setBottomMargin(pontos(2));
        novoBloco(b);
        QTextCharFormat c = normal();
        c.setFontWeight(QFont::Bold);
        cursor_.insertText(texto, c);
        if (!valor.isEmpty())
            cursor_.insertText(" " + valor, normal());
    }
    void texto(const QString& texto, qreal margemAcima = 0) {
        QTextBlockFormat b;
        b.setTopMargin(pontos(margemAcima));
        novoBloco(b);
        cursor_.insertText(texto, normal());
    }
    // The name, and the share against the right margin (`direita`, in
    // the document's units).
    void componente(const QString& nome, const QString& percentual, qreal direita) {
        QTextBlockFormat b;
        b.setTabPositions({QTextOption::Tab(direita, QTextOption::RightTab)});
        novoBloco(b);
        cursor_.insertText(nome + "\t" + percentual, normal());
    }

private:
    qreal pontos(qreal p) const { return p * dpi_ / 72.0; }
    void novoBloco(const QTextBlockFormat& b) { cursor_.insertBlock(b, normal()); }
    QTextCharFormat normal() const {
        QTextCharFormat c;
        c.setFont(fonte_);
        return c;
    }

    QTextCursor cursor_;
    QFont fonte_;
    qreal dpi_;
};
} // namespace

DadosFichaSeguranca::DadosFichaSeguranca(SessaoBanco* sessao)
    : QProdutos(sessao), QFormulas(sessao), produto_("ESTPROMA", sessao),
      componentes_("Formulai", sessao) {
    QFormulas.setSql({"SELECT * FROM FORMULA WHERE FILIAL = :PFILIAL AND COD_REDUZ = :PCODIGO"});
}

void DadosFichaSeguranca::abrirProdutos(int filial, bool porNome) {
    QProdutos.setSql(
        {QString(SqlProdutos) + (porNome ? " ORDER BY NOME1" : " ORDER BY COD_REDUZ")});
    QProdutos.definirParametro("PFILIAL", filial);
    QProdutos.definirParametro("PFILIAL2", filial);
    QProdutos.abrir();
    porNome_ = porNome;
}

void DadosFichaSeguranca::abrirFormulas(int filial, int produto) {
    QFormulas.fechar();
    QFormulas.definirParametro("PFILIAL", filial);
    QFormulas.definirParametro("PCODIGO", produto);
    QFormulas.abrir();
}

ConteudoFicha DadosFichaSeguranca::conteudo(int filial, int produto, const QString& formula) {
    ConteudoFicha ficha;
    produto_.abrir();
    if (produto_.localizarChave({filial, produto})) {
        ficha.nomeComercial = produto_.campo("NOME1").texto();
        ficha.inflamavel = !produto_.campo("Cod_Onu").texto().trimmed().isEmpty();
    }
    componentes_.fechar();
    componentes_.definirFaixa({filial, formula}, {filial, formula});
    componentes_.abrir();
    for (; !componentes_.eof(); componentes_.proximo()) {
        const int codigo = componentes_.campo("Componente").inteiro();
        ficha.componentes << ComponenteFicha{
            produto_.localizarChave({filial, codigo}) ? produto_.campo("NOME3").texto() : QString(),
            componentes_.campo("Percentual").numero()};
    }
    componentes_.fechar();
    produto_.fechar();
    return ficha;
}

void DadosFichaSeguranca::fechar() {
    QProdutos.fechar();
    QFormulas.fechar();
    produto_.fechar();
    componentes_.fechar();
}

void PrepararPaginaFicha(QPagedPaintDevice& destino) {
    destino.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

std::unique_ptr<QTextDocument> MontarFichaSeguranca(const ConteudoFicha& ficha,
                                                    QPagedPaintDevice& destino) {
    auto doc = std::make_unique<QTextDocument>();
    // Laid out for the device itself, one document page to one sheet.
    doc->documentLayout()->setPaintDevice(&destino);
    const QRect area = destino.pageLayout().paintRectPixels(destino.logicalDpiX());
    doc->setPageSize(area.size());
    doc->setDocumentMargin(0);
    QFont fonte;
    fonte.setFamilies({"Arial", "Liberation Sans", "Helvetica"});
    fonte.setStyleHint(QFont::SansSerif);
    fonte.setPointSizeF(10);
    doc->setDefaultFont(fonte);

    // Fonts are laid out for the device; margins and tab stops are given in
    // pixels of the screen's logical resolution and scaled by the device.
    const QScreen* tela = QGuiApplication::primaryScreen();
    const qreal dpiDocumento = tela ? qRound(tela->logicalDotsPerInchY()) : 100;
    Escritor e(*doc, fonte, dpiDocumento);
    e.titulo("FICHA RESUMIDA DE SEGURANÇA DE PRODUTOS");
    e.secao("1)Nome comercial do produto:", ficha.nomeComercial);
    bool primeira = true;
    for (const Linha& l : Aviso) {
        e.texto(QString::fromUtf8(l.texto), primeira ? 8 : 0);
        primeira = false;
    }
    e.secao("2)Composição:");
    for (const ComponenteFicha& c : ficha.componentes)
        e.componente(c.nome, FormatarNumero("##0.0000", c.percentual) + "%",
                     area.width() * dpiDocumento / destino.logicalDpiX() - 1);
    for (const Linha& l : Medidas) {
        if (l.secao)
            e.secao(QString::fromUtf8(l.texto));
        else
            e.texto(QString::fromUtf8(l.texto));
    }
    e.secao("6)Medidas em caso de fogo:",
            ficha.inflamavel ? "O produto é inflamável." : "O produto não é inflamável.");
    return doc;
}

bool DesenharFichaSeguranca(const ConteudoFicha& ficha, QPagedPaintDevice& destino) {
    const auto doc = MontarFichaSeguranca(ficha, destino);
    QPainter p;
    if (!p.begin(&destino))
        return false;
    const QSizeF pagina = doc->pageSize();
    for (int i = 0; i < doc->pageCount(); ++i) {
        if (i > 0)
            destino.newPage();
        p.save();
        p.translate(0, -i * pagina.height());
        doc->drawContents(&p, QRectF(QPointF(0, i * pagina.height()), pagina));
        p.restore();
    }
    return p.end();
}

bool GravarFichaPdf(const ConteudoFicha& ficha, const QString& arquivo) {
    QPdfWriter pdf(arquivo);
    pdf.setTitle("Ficha Resumida de Segurança de Produto");
    pdf.setCreator("PCP");
    pdf.setResolution(300);
    PrepararPaginaFicha(pdf);
    return DesenharFichaSeguranca(ficha, pdf);
}
