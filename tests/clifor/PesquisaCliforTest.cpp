// The party searches: the nearest row of each order for the typed text, a
// name fragment with a quote bound as a value, and the party list put on
// the party chosen.
#include "CliforTeste.h"

#include "clifor/PesquisaClifor.h"
#include "clifor/TFoCadastroCliFor.h"
#include "clifor/TfoPesqAvancadaClifor.h"
#include "clifor/TfoPesquisaCliFor.h"
#include "services/JanelaModal.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

namespace {

class PesquisaClifor : public CliforTeste {
protected:
    void SetUp() override {
        CliforTeste::SetUp();
        parte(1, "ZULU TINTAS",
              {{"FANTASIA", "ZULU"}, {"CIDADE", "SANTOS"}, {"TELEFONE1", "3300"}});
        parte(2, "ARCO D'AGUA",
              {{"FANTASIA", "ARCO"}, {"CIDADE", "PAU D'ARCO"}, {"TELEFONE1", "1100"}});
        parte(40, "MARIA CORES",
              {{"FANTASIA", "MARIA"}, {"CIDADE", "CAMPINAS"}, {"BAIRRO", "CENTRO"}});
        linha("CLIFOR", {{"Filial", 2}, {"Cod_Clifor", 7}, {"NOME", "OUTRA FILIAL"}});
    }
    void TearDown() override {
        InstalarExibirModal(nullptr);
        CliforTeste::TearDown();
    }
};

TEST_F(PesquisaClifor, TextoDigitadoVaiAoMaisProximoDaOrdem) {
    const struct {
        int ordem;
        const char* texto;
        int codigo; // of the row shown
    } casos[] = {
        {0, "3", 40},   {0, "41", 40}, // none after: the last
        {1, "m", 40},   {1, "b", 40},  {1, "A", 2}, {2, "Zu", 1},
        {3, "2", 1},    {4, "PAU", 2}, {4, "", 40}, // empty: the first row
        {6, "RUA", 40},                             // street empty on all: the last row
    };
    for (const auto& c : casos) {
        const QList<LinhaPesquisaClifor> linhas = PesquisarClifor(1, c.ordem);
        ASSERT_EQ(linhas.size(), 3);
        const int i = QString(c.texto).isEmpty() ? 0 : LinhaMaisProxima(linhas, c.ordem, c.texto);
        EXPECT_EQ(linhas[i].codigo, c.codigo) << c.ordem << " " << c.texto;
    }
}

TEST_F(PesquisaClifor, PesquisaAvancadaLigaOTextoComAspas) {
    EXPECT_EQ(PesquisarCliforPorNome(1, "d'ag"), (QList<QStringList>{{"1", "2", "ARCO D'AGUA"}}));
    EXPECT_EQ(PesquisarCliforPorNome(1, "cores").size(), 1);
    EXPECT_EQ(PesquisarCliforPorNome(1, "").size(), 3);
    EXPECT_EQ(PesquisarCliforPorNome(1, "' or 1=1 --").size(), 0);
}

TEST_F(PesquisaClifor, ListaDoCadastroVaiParaAParteEscolhida) {
    Sess().FatModNf = 19; // no access code for the window
    TFoCadastroCliFor janela;
    ASSERT_TRUE(janela.abrir());
    InstalarExibirModal([](QDialog& d) {
        d.findChild<QComboBox*>("Ordem")->setCurrentIndex(1);
        QLineEdit* pesquisa = d.findChild<QLineEdit*>("Pesquisa");
        pesquisa->setText("mar");
        emit pesquisa->textEdited("mar");
        static_cast<TfoPesquisaCliFor&>(d).confirmar();
        return d.result();
    });
    janela.pesquisarParte();
    EXPECT_EQ(janela.dm().codigoAtual(), 40);

    InstalarExibirModal([](QDialog& d) {
        static_cast<TfoPesqAvancadaClifor&>(d).escolherLinha(0); // ARCO D'AGUA
        return d.result();
    });
    janela.pesquisaAvancada();
    EXPECT_EQ(janela.dm().codigoAtual(), 2);

    InstalarExibirModal([](QDialog&) { return int(QDialog::Rejected); });
    janela.pesquisarParte();
    EXPECT_EQ(janela.dm().codigoAtual(), 2);
}

} // namespace
