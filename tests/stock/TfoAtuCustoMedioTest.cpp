// The bulk average-cost window: the month typed is checked (a real month,
// not closed for the installation, not before the stock processing date)
// before the confirmation; the run is logged, walks the classification
// range, shows its progress and closes at the end.
#include "EstoqueTeste.h"

#include "session/GravarLogSistema.h"
#include "stock/TfoAtuCustoMedio.h"

#include <QLabel>
#include <QLineEdit>

namespace {

class AtuCustoMedio : public EstoqueTeste {
protected:
    void SetUp() override {
        EstoqueTeste::SetUp();
        InserirLinha("Filial", {{"Filial", 1}, {"NOME", "MATRIZ"}});
        InserirLinha("Estoqcfg", {{"Filial", 1}});
        // Two products in the range, one above it.
        Produto(20, 0, 0, "010010001001000001");
        Produto(10, 0, 0, "010010001001000002");
        Produto(30, 0, 0, "020010001001000001");
        for (int p : {10, 20, 30}) {
            Saldo("200712", p, 10, 100);
            Saldo("200801", p, 10, 100);
        }
        Nota(1, QDate(2008, 1, 9), 60);
        Itens({{1, QDate(2008, 1, 9), 10, 5},
               {1, QDate(2008, 1, 9), 20, 2, 0, 0, "", 1, 0, 2},
               {1, QDate(2008, 1, 9), 30, 1, 0, 0, "", 1, 0, 3}});
        janela.show();
    }
    void TearDown() override {
        janela.close();
        EstoqueTeste::TearDown();
    }
    void Digitar(const QString& campo, const QString& texto) {
        QLineEdit* e = janela.findChild<QLineEdit*>(campo);
        e->clear();
        e->insert(texto);
    }
    QString Rotulo(const char* nome) { return janela.findChild<QLabel*>(nome)->text(); }
    static QString Medios() { return Colunas("SLDPR", {"Ano_Mes", "Cod_Reduz", "Medio"}); }

    TfoAtuCustoMedio janela;
};

TEST_F(AtuCustoMedio, AMonthThatIsNoMonthIsRefusedWithItsFirstDay) {
    const QString antes = Medios();
    for (const char* mes : {"132008", ""}) {
        dialogos->limpar();
        Digitar("Mês / Ano", mes);
        EXPECT_FALSE(janela.executar());
        EXPECT_EQ(dialogos->textos(),
                  QStringList{QString(*mes ? "Data Invalida:01/13/2008" : "Data Invalida:01//")});
    }
    EXPECT_EQ(Medios(), antes);
}

TEST_F(AtuCustoMedio, ClosedMonthsCompareAsMonths) {
    Sess().FatModNf = 131;
    Digitar("Mês / Ano", "122007");
    EXPECT_FALSE(janela.executar());
    EXPECT_EQ(dialogos->textos(), QStringList{"Periodo Sem Acesso"});

    // As text "012008" would come before "122007".
    dialogos->limpar();
    dialogos->responder(Resposta::Nao);
    Digitar("Mês / Ano", "012008");
    EXPECT_FALSE(janela.executar());
    EXPECT_EQ(dialogos->textos(), QStringList{"Confirma atualizacao do custo medio"});
}

TEST_F(AtuCustoMedio, AMonthBeforeTheStockProcessingDateIsRefused) {
    ExecutarSql({"UPDATE Estoqcfg SET Data = '2008-02-01'"});
    Digitar("Mês / Ano", "012008");
    EXPECT_FALSE(janela.executar());
    EXPECT_EQ(dialogos->textos(),
              QStringList{"Lançamento no estoque menor que a data de processamento"});
}

TEST_F(AtuCustoMedio, TheRunIsLoggedWalksTheRangeAndCloses) {
    Sess().Usuario = "ANA";
    Digitar("Mês / Ano", "012008");
    Digitar("Class.Final", "010010001001999999999999");
    ASSERT_TRUE(janela.executar());
    EXPECT_EQ(dialogos->textos(), QStringList{"Confirma atualizacao do custo medio"});
    EXPECT_EQ(Medios(), "200712|10|100\n200712|20|100\n200712|30|100\n"
                        "200801|10|50\n200801|20|80\n200801|30|100");
    // Classification order: 20 before 10.
    EXPECT_EQ(Rotulo("Andamento"), "Andamento: 01/001/0001/001/000002/10");
    EXPECT_EQ(Rotulo("Produto"), "Produto: 10");
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(
        Colunas(NomeLogSistema(relogio->hoje()), {"Filial", "Janela", "Acao", "Usuario", "Log"}),
        "1|foAtuCustoMedio|E|ANA|Atualização de custo medio Periodo: 012008 Class Inicial "
        "000000000000000000000000 a 010010001001999999999999");
}

TEST_F(AtuCustoMedio, AProductLockedElsewhereIsSkippedWhenTheOperatorGivesUp) {
    SessaoBanco estacao2;
    estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    Tabela produto("ESTPROMA", &estacao2);
    produto.abrir();
    ASSERT_TRUE(produto.localizarChave({1, 20}));
    produto.editar();

    Digitar("Mês / Ano", "012008");
    dialogos->responder(Resposta::Sim);      // confirmation
    dialogos->responder(Resposta::Cancelar); // the locked product
    ASSERT_TRUE(janela.executar());
    EXPECT_EQ(dialogos->textos(), (QStringList{"Confirma atualizacao do custo medio",
                                               "Existe outro usuário alterando este registro"}));
    EXPECT_EQ(Medios().section('\n', 3), "200801|10|50\n200801|20|100\n200801|30|90");
}

} // namespace
