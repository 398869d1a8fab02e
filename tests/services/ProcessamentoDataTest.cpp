// Movement dates against the closing dates of the branch and of each
// module: which messages one call shows, and its result.
#include "services/ProcessamentoData.h"
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"
#include "session/Sessao.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

namespace {

void gravar(const QString& tabela, int filial, const QString& campo, const QDate& data) {
    Tabela t(tabela);
    t.setNomeBanco("Orvalo");
    t.abrir();
    t.incluir();
    t.campo("Filial").definir(filial);
    if (data.isValid())
        t.campo(campo).definir(data);
    t.gravar();
}

class ProcessamentoDataTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 2;
        gravar("Filial", 1, "DATAPROCES", QDate(2026, 12, 20));
        gravar("Filial", 2, "DATAPROCES", QDate(2026, 12, 1));
        gravar("Estoqcfg", 1, "Data", QDate(2026, 12, 31));
        gravar("Estoqcfg", 2, "Data", QDate(2026, 12, 3));
        gravar("Escricfg", 2, "Data", QDate(2026, 11, 25));
        gravar("CRECFG", 2, "Data", QDate());
        // Billing and accounting rows are not per branch: the first counts.
        gravar("FATURCFG", 1, "Data", QDate(2026, 12, 10));
        gravar("FATURCFG", 2, "Data", QDate(2026, 11, 1));
        gravar("CONTCFG", 1, "Data", QDate(2026, 11, 15));
    }
};

const QString Filial = "Lancamento menor que a data de processamento";
const QString Estoque = "Lançamento no estoque menor que a data de processamento";
const QString Faturamento = "Lançamento no faturamento menor que a data de processamento";
const QString Escrita = "Lançamento na escrita fiscal menor que a data de processamento";
const QString Contabilidade = "Lançamento na contabilidade menor que a data de processamento";

TEST_F(ProcessamentoDataTest, CadaFechamentoPosteriorMostraSuaMensagem) {
    const struct {
        const char* modulo;
        QDate data;
        bool valida;
        QStringList mensagens;
    } casos[] = {
        {"ESTOQUE", QDate(2026, 11, 30), false, {Filial, Estoque}},
        {"ESTOQUE", QDate(2026, 12, 2), false, {Estoque}},
        {"ESTOQUE", QDate(2026, 12, 3), true, {}},
        {"estoque", QDate(2026, 11, 30), false, {Filial}},
        {"COMPRAS", QDate(2026, 11, 30), false, {Filial}},
        {"COMPRAS", QDate(2026, 12, 1), true, {}},
        {"FATURAMENTO", QDate(2026, 12, 5), false, {Faturamento}},
        {"FATURAMENTO", QDate(2026, 12, 10), true, {}},
        {"FINANCEIRO", QDate(2020, 1, 1), false, {Filial}},
        {"ESCRITA", QDate(2026, 11, 24), false, {Filial, Escrita}},
        {"CONTABILIDADE", QDate(2026, 11, 15), true, {}},
        {"CONTABILIDADE", QDate(2026, 11, 14), false, {Contabilidade}},
    };
    for (const auto& c : casos) {
        dialogos->limpar();
        EXPECT_EQ(ValidarDataProcessamento(c.modulo, c.data), c.valida)
            << c.modulo << " " << c.data.toString("dd/MM/yyyy").toStdString();
        EXPECT_EQ(dialogos->textos(), c.mensagens)
            << c.modulo << " " << c.data.toString("dd/MM/yyyy").toStdString();
    }
}

TEST_F(ProcessamentoDataTest, FechamentoAlteradoPorOutraEstacaoValeNaChamadaSeguinte) {
    EXPECT_TRUE(ValidarDataProcessamento("ESTOQUE", QDate(2026, 12, 4)));
    SessaoBanco outraEstacao;
    outraEstacao.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    Tabela t("Estoqcfg", &outraEstacao);
    t.setNomeBanco("Orvalo");
    t.abrir();
    ASSERT_TRUE(t.localizarChave({2}));
    t.editar();
    t.campo("Data").definir(QDate(2026, 12, 5));
    t.gravar();
    dialogos->limpar();
    EXPECT_FALSE(ValidarDataProcessamento("ESTOQUE", QDate(2026, 12, 4)));
    EXPECT_EQ(dialogos->textos(), QStringList{Estoque});
}

} // namespace
