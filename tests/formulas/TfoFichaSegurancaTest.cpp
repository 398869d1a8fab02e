// The safety sheet: only products made by formulas are offered, the
// searches and the list orders, the sheet's whole text with either fire
// sentence and an empty generic name, and a 20-component sheet on one PDF
// page.
#include "JanelaFormulaTeste.h"

#include "FichaSeguranca.h"
#include "TfoFichaSeguranca.h"
#include "services/ModeloLinhas.h"

#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextDocument>

namespace {
class TfoFichaSegurancaTest : public JanelaFormulaTeste {
protected:
    void SetUp() override {
        JanelaFormulaTeste::SetUp();
        Tabela p("ESTPROMA");
        p.abrir();
        p.localizarChave({1, 1001});
        p.editar();
        p.campo("NOME3").definir("DIOXIDO DE TITANIO");
        p.gravar();
        linha("ESTPROMA",
              {{"Filial", 1}, {"Cod_Reduz", 902}, {"NOME1", "ESMALTE"}, {"Cod_Onu", "1263"}});
        linha("ESTPROMA", {{"Filial", 1}, {"Cod_Reduz", 903}, {"NOME1", "BASE SEM FORMULA"}});
        cadastrar("10", 9001, {{1001, 75.5}, {1002, 24.5}});
        cadastrar("11", 902, {{1001, 100}});
        cadastrar("12", 902, {});
        linha("Formula", {{"Filial", 2}, {"Formula", "10"}, {"Cod_Reduz", 903}});
    }

    void cadastrar(const QString& n, int produto, const QList<std::pair<int, double>>& comps) {
        linha("Formula", {{"Filial", 1}, {"Formula", n}, {"Cod_Reduz", produto}, {"COR", "AZUL"}});
        int ordem = 0;
        for (const auto& [componente, percentual] : comps)
            linha("Formulai", {{"Filial", 1},
                               {"Formula", n},
                               {"OrdComp", ++ordem},
                               {"Componente", componente},
                               {"Percentual", percentual}});
    }
    static QString coluna(const ModeloLinhas& m, int c) {
        QStringList l;
        for (int i = 0; i < m.rowCount(); ++i)
            l << m.texto(i, c);
        return l.join(' ');
    }
};

const QStringList TextoFixoInicio = {
    "Esta ficha, foi desenvolvida para orientação no manuseio seguro e informações sobre a "
    "descrição",
    "química genérica, foi elaborada com base nos conhecimentos atuais sobre este produto. Se "
    "houver",
    "necessidade de informações adicionais, favor entrar em contato conosco.",
    "2)Composição:",
};

const QStringList TextoFixoFim = {
    "3)Medidas em caso de contaminação pessoal e primeiros socorros:",
    "Ingestão: Procure auxilio médico imediato.",
    "Contato com os olhos: Lavar com água limpa, mantendo as pálpebras bem abertas, por "
    "aproximadamente",
    "15 minutos. Se persistir irritação, encaminhar à avaliação médica.",
    "Contato com a pele: Remover roupas contaminadas, lavar o local com água e sabão neutro.",
    "Inalação de vapores (quando aplicável): Retirar a vítima para local ventilado, observar os "
    "movimentos",
    "respiratórios, quando necessário aplicar respiração artificial.",
    "4)Risco de incêndio e explosão:",
    "Aplica-se quando o produto contiver no rótulo o AVISO INFLAMÁVEL. Utilize extintores de pó "
    "químico,",
    "espuma e/ou CO2. Utilize água apenas em forma de neblina e para resfriamento de embalagens.",
    "5)Condições de estocagem:",
    "Estocar em área coberta e ventilada.",
};
} // namespace

TEST_F(TfoFichaSegurancaTest, SoProdutosComFormulaNasOrdensEPesquisas) {
    TfoFichaSeguranca janelaFicha;
    ASSERT_TRUE(janelaFicha.abrir());
    EXPECT_EQ(coluna(janelaFicha.produtos(), 0), "902 9001");
    EXPECT_EQ(coluna(janelaFicha.formulas(), 0), "11 12");

    janelaFicha.entrarNome();
    EXPECT_EQ(coluna(janelaFicha.produtos(), 1), "ESMALTE TINTA ACRILICA");
    janelaFicha.pesquisarNome("tinta a");
    EXPECT_EQ(janelaFicha.produtoAtual(), 9001);
    EXPECT_EQ(coluna(janelaFicha.formulas(), 0), "10");
    EXPECT_EQ(janelaFicha.formulaAtual(), "10");

    janelaFicha.pesquisarCodigo("902");
    EXPECT_EQ(janelaFicha.produtoAtual(), 902);
    janelaFicha.pesquisarFormula("12");
    EXPECT_EQ(janelaFicha.formulaAtual(), "12");
    janelaFicha.pesquisarCodigo("90");
    EXPECT_EQ(janelaFicha.produtoAtual(), 902) << "no product 90: the list stays";
    janelaFicha.entrarCodigo();
    EXPECT_EQ(coluna(janelaFicha.produtos(), 0), "902 9001");
}

TEST_F(TfoFichaSegurancaTest, TextoDaFichaComAFraseDeFogoDoCodigoOnu) {
    struct Caso {
        int produto;
        const char* formula;
        QStringList esperado;
    } casos[] = {
        {9001, "10",
         QStringList{"FICHA RESUMIDA DE SEGURANÇA DE PRODUTOS",
                     "1)Nome comercial do produto: TINTA ACRILICA"} +
             TextoFixoInicio + QStringList{"DIOXIDO DE TITANIO\t75,5000%", "\t24,5000%"} +
             TextoFixoFim + QStringList{"6)Medidas em caso de fogo: O produto não é inflamável."}},
        {902, "11",
         QStringList{"FICHA RESUMIDA DE SEGURANÇA DE PRODUTOS",
                     "1)Nome comercial do produto: ESMALTE"} +
             TextoFixoInicio + QStringList{"DIOXIDO DE TITANIO\t100,0000%"} + TextoFixoFim +
             QStringList{"6)Medidas em caso de fogo: O produto é inflamável."}},
    };
    TfoFichaSeguranca janelaFicha;
    ASSERT_TRUE(janelaFicha.abrir());
    for (const Caso& c : casos) {
        janelaFicha.pesquisarCodigo(QString::number(c.produto));
        janelaFicha.pesquisarFormula(c.formula);
        ConteudoFicha ficha;
        ASSERT_TRUE(janelaFicha.fichaSelecionada(ficha));
        QPdfWriter pdf(raiz.path() + "/ficha.pdf");
        PrepararPaginaFicha(pdf);
        EXPECT_EQ(MontarFichaSeguranca(ficha, pdf)->toPlainText(), c.esperado.join('\n'))
            << c.produto;
    }
}

TEST_F(TfoFichaSegurancaTest, VinteComponentesCabemNumaPaginaDoPdf) {
    ConteudoFicha ficha;
    ficha.nomeComercial = QString("TINTA ACRILICA FOSCA PREMIUM ").repeated(2).trimmed();
    ficha.inflamavel = true;
    for (int i = 0; i < 20; ++i)
        ficha.componentes << ComponenteFicha{
            "COPOLIMERO ESTIRENO ACRILICO MODIFICADO " + QString::number(i), 5};
    const QString arquivo = raiz.path() + "/ficha.pdf";
    ASSERT_TRUE(GravarFichaPdf(ficha, arquivo));
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(f.readAll());
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
    EXPECT_FALSE(GravarFichaPdf(ficha, raiz.path() + "/sem/pasta/ficha.pdf"));
}

// The PDF is drawn by the preview's code: a sheet that runs over to more
// pages has as many in the file as in the preview.
TEST_F(TfoFichaSegurancaTest, PdfTemAsPaginasDaPrevia) {
    ConteudoFicha ficha;
    ficha.nomeComercial = "TINTA ACRILICA FOSCA";
    for (int i = 0; i < 70; ++i)
        ficha.componentes << ComponenteFicha{"RESINA " + QString::number(i), 100.0 / 70};
    QPrinter impressora(QPrinter::HighResolution);
    PrepararPaginaFicha(impressora);
    QPrintPreviewWidget previa(&impressora);
    QObject::connect(&previa, &QPrintPreviewWidget::paintRequested,
                     [&ficha](QPrinter* p) { DesenharFichaSeguranca(ficha, *p); });
    previa.updatePreview();
    EXPECT_GE(previa.pageCount(), 2);

    const QString arquivo = raiz.path() + "/ficha.pdf";
    ASSERT_TRUE(GravarFichaPdf(ficha, arquivo));
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")),
              previa.pageCount());
}
