// The raw-material write-off over 300 sales notes, with other processes:
// a station killed in the middle leaves no note with half a write-off (its
// old one partly deleted, or its new one partly written), and running it
// again leaves each note exactly the write-off of a clean run, items 1 to
// n; two stations running the same period at once both finish and leave
// one write-off per note.
#include "BaixaTeste.h"

#include "store/SessaoBanco.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <csignal>
#include <map>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Notas = 300;

class QuedaBaixa : public BaixaTeste {
protected:
    // Each note sells one to three of the formulas that hold 1001.
    static void Vendas(const QString& banco) {
        TransacaoBanco tr(banco);
        const char* formulas[] = {"10", "20", "40"};
        for (int n = 1; n <= Notas; ++n) {
            std::vector<Vendido> itens;
            for (int i = 0; i <= n % 3; ++i)
                itens.push_back({formulas[(n + i) % 3], double(1 + (n * 7 + i) % 19)});
            Venda(n, QDate(2008, 1, 1 + n % 31), itens, 51, 1, banco);
        }
        tr.confirmar();
    }

    // A changed recipe: a new write-off differs from the old one in every
    // note, in its products and in its number of items.
    static void MudarFormulas(const QString& banco) {
        Tabela fi("Formulai");
        fi.setNomeBanco(banco);
        fi.abrir();
        TransacaoBanco tr(banco);
        for (fi.primeiro(); !fi.eof(); fi.proximo())
            if (fi.campo("Componente").inteiro() == 1001) {
                fi.editar();
                fi.campo("Componente").definir(2001);
                fi.gravar();
            }
        Linha("Formulai",
              {{"Filial", 1},
               {"Formula", "10"},
               {"OrdComp", 3},
               {"Componente", 2002},
               {"Percentual", 10.0}},
              banco);
        tr.confirmar();
    }

    static bool Rodar(SessaoBanco* sessao, const QString& banco) {
        BaixaMateriaPrima b(sessao);
        for (Tabela* t : {&b.TNotas, &b.TNotai, &b.TFormula, &b.TFormulai, &b.TEstproma})
            t->setNomeBanco(banco);
        for (Consulta* q : {&b.QNotas, &b.QItens})
            q->setNomeBanco(banco);
        return b.executar(Periodo(QDate(2008, 1, 1), QDate(2008, 1, 31))).concluido;
    }

    // Per sales note: its write-off header and items, whole.
    static std::map<int, QString> Estado(const QString& banco) {
        std::map<int, QString> r;
        for (const QString& linha : Baixas(banco).split('\n', Qt::SkipEmptyParts))
            r[linha.trimmed().section('|', 0, 0).toInt()] += linha + "\n";
        return r;
    }
};

TEST_F(QuedaBaixa, AStationKilledMidRunLeavesNoHalfWriteOffAndARerunConverges) {
    const QString empresa2 = "C:\\EMPRESA2";
    criarDiretorio(empresa2);
    Povoar(empresa2);
    Vendas(empresa2);
    MudarFormulas(empresa2);
    QElapsedTimer relogio;
    relogio.start();
    ASSERT_TRUE(Rodar(nullptr, empresa2));
    const qint64 duracao = relogio.nsecsElapsed();
    const std::map<int, QString> limpo = Estado(empresa2);
    ASSERT_EQ(limpo.size(), size_t(Notas));

    Vendas("Orvalo");
    ASSERT_TRUE(Rodar(nullptr, "Orvalo"));
    MudarFormulas("Orvalo");
    const std::map<int, QString> antes = Estado("Orvalo");
    for (int n = 1; n <= Notas; ++n)
        ASSERT_NE(antes.at(n), limpo.at(n)) << n;

    // The child kills itself at a random moment of its run, between a
    // twentieth and three quarters of what a clean first run takes here
    // (a rerun, deleting as it goes, takes longer).
    const quint32 semente = QRandomGenerator::global()->generate();
    SCOPED_TRACE("semente " + std::to_string(semente));
    const qint64 micros = duracao / 1000 * (50 + semente % 700) / 1000;
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        SessaoBanco estacao;
        estacao.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
        signal(SIGALRM, [](int) { kill(getpid(), SIGKILL); });
        itimerval alarme{};
        alarme.it_value.tv_sec = micros / 1000000;
        alarme.it_value.tv_usec = micros % 1000000;
        setitimer(ITIMER_REAL, &alarme, nullptr);
        Rodar(&estacao, "Orvalo");
        _exit(0);
    }
    int situacao = 0;
    waitpid(filho, &situacao, 0);
    ASSERT_TRUE(WIFSIGNALED(situacao)) << "the run ended before " << micros << " us";

    const std::map<int, QString> depois = Estado("Orvalo");
    int refeitas = 0;
    for (int n = 1; n <= Notas; ++n) {
        ASSERT_TRUE(depois.count(n)) << "nota " << n << " sem baixa";
        const bool refeita = depois.at(n) == limpo.at(n);
        EXPECT_TRUE(refeita || depois.at(n) == antes.at(n)) << "nota " << n;
        refeitas += refeita;
    }
    EXPECT_LT(refeitas, Notas);

    ASSERT_TRUE(Rodar(nullptr, "Orvalo"));
    EXPECT_EQ(Estado("Orvalo"), limpo);
}

TEST_F(QuedaBaixa, TwoStationsRunningThePeriodAtOnceBothFinishWithOneWriteOffPerNote) {
    const QString empresa2 = "C:\\EMPRESA2";
    criarDiretorio(empresa2);
    Povoar(empresa2);
    Vendas(empresa2);
    ASSERT_TRUE(Rodar(nullptr, empresa2));
    Vendas("Orvalo");
    ASSERT_TRUE(Rodar(nullptr, "Orvalo")); // each note then has a write-off to replace

    pid_t filhos[2];
    for (pid_t& filho : filhos) {
        filho = fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            SessaoBanco estacao;
            estacao.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
            _exit(Rodar(&estacao, "Orvalo") ? 0 : 1);
        }
    }
    for (pid_t filho : filhos) {
        int situacao = 0;
        waitpid(filho, &situacao, 0);
        EXPECT_TRUE(WIFEXITED(situacao) && WEXITSTATUS(situacao) == 0);
    }
    EXPECT_EQ(Estado("Orvalo"), Estado(empresa2));
}

} // namespace
