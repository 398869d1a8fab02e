// The clothing measures of a party: rows numbered after the party's
// highest, kept apart from other parties, and the two sheets drawn.
#include "CliforTeste.h"

#include "clifor/FichaMedidas.h"
#include "clifor/TFoCadastroCliFor_MedidasConfec.h"

#include <QFile>
#include <QLineEdit>
#include <QPdfWriter>
#include <QRegularExpression>

namespace {

class MedidasConfec : public CliforTeste {};

TEST_F(MedidasConfec, NumeradasPorParteEFichasEmDuasPaginas) {
    linha("Clifor_MedidasConfec",
          {{"Filial", 1}, {"Cod_clifor", 2}, {"Data", QDate(2026, 1, 5)}, {"Numero", 7}});
    TFoCadastroCliFor_MedidasConfec janela;
    ASSERT_TRUE(janela.abrir(1, "MOTO CLUBE"));
    for (const char* peito : {"102", "98"}) {
        janela.incluir();
        janela.findChild<QLineEdit*>("Jqt_Peito")->setText(peito);
        janela.findChild<QLineEdit*>("Calca_Cintura")->setText("84");
        janela.gravar();
    }
    EXPECT_EQ(TextoTabela("Clifor_MedidasConfec")
                  .split('\n')
                  .replaceInStrings(QRegularExpression("^(\\d+\\|\\d+\\|[^|]*\\|\\d+).*"), "\\1"),
              (QStringList{"1|1|06/12/2026|1", "1|1|06/12/2026|2", "1|2|05/01/2026|7"}));

    const FichaMedidas f = janela.ficha();
    EXPECT_EQ(f.cliente, "1 - MOTO CLUBE");
    EXPECT_EQ(f.numero, "2");
    EXPECT_EQ(f.jaqueta.value(9), "98"); // "Peito"
    EXPECT_EQ(f.calca.value(1), "84");   // "Cintura"

    const QString arquivo = raiz.filePath("medidas.pdf");
    {
        QPdfWriter pdf(arquivo);
        EXPECT_EQ(DesenharFichasMedidas(f, pdf), 2);
    }
    QFile lido(arquivo);
    ASSERT_TRUE(lido.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(lido.readAll()).count(QRegularExpression("/Type /Page\\b(?!s)")),
              2);
}

} // namespace
