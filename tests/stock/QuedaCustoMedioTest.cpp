// A station killed in the middle of the bulk average cost: every product
// is found either as it was or as a clean run leaves it, never half
// updated, and running the bulk again gives exactly the clean run.
#include "EstoqueTeste.h"

#include "stock/AtualizacaoCustoMedio.h"
#include "stock/CalculaCustoMedio.h"
#include "store/TransacaoBanco.h"

#include <QRandomGenerator>
#include <csignal>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Produtos = 200;
constexpr int Depositos = 3;
constexpr int Notas = 8;

class Queda : public EstoqueTeste {
protected:
    static void Linha(Tabela& t, const ValoresLinha& valores) {
        t.incluir();
        for (const auto& [campo, valor] : valores)
            t.campo(campo).definir(valor);
        t.gravar();
    }

    // Three deposits per product, January's balances, and four purchase
    // notes and four sales notes in February with one item of every
    // product each. One transaction: the fixture is not under test.
    static void Povoar(const QString& banco) {
        TransacaoBanco tr(banco);
        Tabela produtos("ESTPROMA"), saldos("SLDPR"), notas("NOTAS"), itens("NOTAI");
        for (Tabela* t : {&produtos, &saldos, &notas, &itens}) {
            t->setNomeBanco(banco);
            t->abrir();
        }
        for (int p = 1; p <= Produtos; ++p) {
            Linha(produtos, {{"Filial", 1},
                             {"Cod_Reduz", p},
                             {"Nivel1", "01"},
                             {"Nivel6", QString::asprintf("%6.6d", p)},
                             {"ULTIMOCUST", 1.5}});
            for (int d = 1; d <= Depositos; ++d) {
                Linha(saldos, {{"Filial", 1},
                               {"Ano_Mes", "200801"},
                               {"Cod_Reduz", p},
                               {"Cod_Deposi", d},
                               {"Fisico", 30.0},
                               {"Medio", 100.0 + p / 7.0 + d}});
                Linha(saldos,
                      {{"Filial", 1}, {"Ano_Mes", "200802"}, {"Cod_Reduz", p}, {"Cod_Deposi", d}});
            }
        }
        for (int n = 1; n <= Notas; ++n) {
            const QDate dia(2008, 2, n);
            const bool entrada = n % 2;
            Linha(notas, {{"Filial", 1},
                          {"Num_Nota", n},
                          {"Tipo_Nota", 1},
                          {"Cod_Clifor", 10},
                          {"DT_ENTRADA", dia},
                          {"Est_Hist", n == 3    ? 2
                                       : entrada ? 1
                                                 : 60}});
            for (int p = 1; p <= Produtos; ++p)
                Linha(itens, {{"Filial", 1},
                              {"Num_Nota", n},
                              {"Tipo_Nota", 1},
                              {"Cod_Clifor", 10},
                              {"DT_ENTRADA", dia},
                              {"Num_Item", p},
                              {"Cod_Reduz", p},
                              {"Cod_Deposi", (n + p) % Depositos + 1},
                              {"ANO_MES", "200802"},
                              {"QUANTIDADE", 3.0 + (p * n) % 7},
                              {"VLR_CUSTO", entrada ? 10.0 + (p * n) % 13 / 3.0 : 0.0}});
        }
        tr.confirmar();
    }

    // What the average cost writes, per product: its February row, the
    // costs of its items and its CustoMedio.
    static std::map<int, QString> Estado(const QString& banco) {
        std::map<int, QString> r;
        Tabela saldos("SLDPR"), itens("NOTAI"), produtos("ESTPROMA");
        for (Tabela* t : {&saldos, &itens, &produtos}) {
            t->setNomeBanco(banco);
            t->abrir();
        }
        saldos.definirFaixa({1, "200802"}, {1, "200802"});
        for (; !saldos.eof(); saldos.proximo())
            r[saldos.campo("Cod_Reduz").inteiro()] +=
                saldos.campo("Fisico").texto() + "|" + saldos.campo("Medio").texto() + ";";
        for (; !itens.eof(); itens.proximo())
            r[itens.campo("Cod_Reduz").inteiro()] +=
                itens.campo("VLR_CUSTO").texto() + "|" + itens.campo("VLR_MEDIO").texto() + ";";
        for (; !produtos.eof(); produtos.proximo())
            r[produtos.campo("Cod_Reduz").inteiro()] += produtos.campo("CustoMedio").texto();
        return r;
    }

    static bool Bulk(SessaoBanco* sessao, const QString& banco,
                     const std::function<void(int)>& produto = {}) {
        Tabela notai("NOTAI", sessao), produtos("ESTPROMA", sessao), saldos("SLDPR", sessao);
        for (Tabela* t : {&notai, &produtos, &saldos})
            t->setNomeBanco(banco);
        AndamentoCustoMedio andamento;
        andamento.produto = produto;
        return AtualizarCustoMedioPorClassificacao("022008", QString(24, '0'), QString(24, '9'),
                                                   {notai, produtos, saldos}, andamento);
    }
};

TEST_F(Queda, AKilledRunLeavesEveryProductWholeAndARerunEqualsACleanRun) {
    const QString empresa2 = "C:\\EMPRESA2";
    criarDiretorio(empresa2);
    for (int p : {1, 2, 60}) // history codes of the second company
        InserirLinha(empresa2 + "\\HISTEST.DB", {{"Est_Hist", p}, {"Param_Hist", p}});
    Povoar(empresa2);
    ASSERT_TRUE(Bulk(nullptr, empresa2));
    const std::map<int, QString> limpo = Estado(empresa2);

    Povoar("Orvalo");
    const std::map<int, QString> antes = Estado("Orvalo");
    ASSERT_EQ(antes.size(), size_t(Produtos));
    for (int p = 1; p <= Produtos; ++p)
        ASSERT_NE(antes.at(p), limpo.at(p)) << p;

    // Told at each balance row: killed after the second or third row of a
    // product, the child is in the middle of that product.
    const quint32 semente = QRandomGenerator::global()->generate();
    SCOPED_TRACE("semente " + std::to_string(semente));
    const int matarNo = int(semente % Produtos) * Depositos + 2 + int(semente / Produtos % 2);
    int canal[2];
    ASSERT_EQ(pipe(canal), 0);
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        close(canal[0]);
        SessaoBanco estacao;
        estacao.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
        Bulk(&estacao, "Orvalo", [&](int) {
            const char c = 'p';
            (void)!write(canal[1], &c, 1);
        });
        _exit(0);
    }
    close(canal[1]);
    char c;
    for (int n = 0; n < matarNo && read(canal[0], &c, 1) == 1; ++n) {
    }
    kill(filho, SIGKILL);
    waitpid(filho, nullptr, 0);
    close(canal[0]);

    const std::map<int, QString> depois = Estado("Orvalo");
    int feitos = 0;
    for (int p = 1; p <= Produtos; ++p) {
        const bool feito = depois.at(p) == limpo.at(p);
        EXPECT_TRUE(feito || depois.at(p) == antes.at(p)) << "produto " << p;
        feitos += feito;
    }
    EXPECT_GE(feitos, (matarNo - 1) / Depositos);

    ASSERT_TRUE(Bulk(nullptr, "Orvalo"));
    EXPECT_EQ(Estado("Orvalo"), limpo);
}

} // namespace
