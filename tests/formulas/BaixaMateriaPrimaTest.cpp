// The raw-material write-off: the values written for each sold formula,
// which notes it touches, reruns that replace rather than add, a locked
// write-off that stops the run without half a note, and the window's
// checks. Killed runs and two stations at once: QuedaBaixaTest.
#include "BaixaTeste.h"

#include "TfoBaixaEstoqueMatPrima.h"
#include "store/SessaoBanco.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
const QDate Jan10(2008, 1, 10), Jan31(2008, 1, 31);

class Baixa : public BaixaTeste {
protected:
    ResultadoBaixa Executar() {
        BaixaMateriaPrima b;
        return b.executar(Periodo(QDate(2008, 1, 1), Jan31));
    }

    static void VendasDoMes() {
        Venda(1, Jan10, {{"10", 20}, {"40", 7}});
        Venda(2, Jan31, {{"20", 10}, {"", 4}, {"77", 3}, {"30", 5}});
        Venda(3, Jan10, {{"", 8}});
        Venda(4, Jan10, {{"10", 20}}, 53);
        Venda(5, Jan10, {{"10", 20}}, 51, 2);
        Venda(6, QDate(2008, 2, 1), {{"10", 20}});
    }
};

// Two formulas of 3 and 2 components numbered 1 to 5 across the note, an
// item without formula and one whose formula is missing skipped, thirds
// kept unrounded, a note without formula items given a bare header; other
// history codes, other note types and other dates left alone.
const char* const EsperadoDoMes =
    "1|5101|10/01/2008|52|E|06/12/2026|10/01/2008|BAIXA MATERIA PRIMA\n"
    "2|5101|31/01/2008|52|E|06/12/2026|31/01/2008|BAIXA MATERIA PRIMA\n"
    "3|5101|10/01/2008|52|E|06/12/2026|10/01/2008|BAIXA MATERIA PRIMA\n"
    "  1|5101|10/01/2008|1|1001|DIOXIDO DE TITANIO|15|51|1|06/12/2026|200801\n"
    "  1|5101|10/01/2008|2|1002|OXIDO VERMELHO|5|51|1|06/12/2026|200801\n"
    "  1|5101|10/01/2008|3|1001|DIOXIDO DE TITANIO|2.333331|51|1|06/12/2026|200801\n"
    "  1|5101|10/01/2008|4|1002|OXIDO VERMELHO|2.333331|51|1|06/12/2026|200801\n"
    "  1|5101|10/01/2008|5|1003|CARBONATO|2.333338|51|1|06/12/2026|200801\n"
    "  2|5101|31/01/2008|1|1001|DIOXIDO DE TITANIO|5|51|1|06/12/2026|200801\n"
    "  2|5101|31/01/2008|2|1002|OXIDO VERMELHO|3|51|1|06/12/2026|200801\n"
    "  2|5101|31/01/2008|3|1003|CARBONATO|2|51|1|06/12/2026|200801\n"
    "  2|5101|31/01/2008|4|2001|RESINA|3|51|1|06/12/2026|200801\n"
    "  2|5101|31/01/2008|5|2002|AGUA|2|51|1|06/12/2026|200801";
} // namespace

TEST_F(Baixa, CadaFormulaVendidaViraItensDosSeusComponentes) {
    VendasDoMes();
    const QString vendas = TextoTabela("NOTAS") + TextoTabela("NOTAI");
    const ResultadoBaixa r = Executar();
    EXPECT_TRUE(r.concluido);
    EXPECT_EQ(r.notasLidas, 4); // notes 1 to 4: type 1 in the period
    EXPECT_EQ(r.notasBaixadas, 3);
    EXPECT_EQ(r.itensGravados, 10);
    EXPECT_EQ(Baixas(), EsperadoDoMes);
    EXPECT_EQ(dialogos->textos(), QStringList{"Formula: 77  na nota 2 não cadastrada"});

    // Without the write-offs, the notes are what they were.
    ExecutarSql({"Delete From Notai Where Tipo_Nota = 3", "Delete From Notas Where Tipo_Nota = 3"});
    EXPECT_EQ(TextoTabela("NOTAS") + TextoTabela("NOTAI"), vendas);
}

TEST_F(Baixa, RodarDeNovoTrocaABaixaAnteriorComTudoQuePendeDela) {
    VendasDoMes();
    // An earlier write-off of note 1, with rows hanging from it, and one of
    // another supplier, which is not this run's.
    for (int fornecedor : {Fornecedor, 5102}) {
        const Valores chave = {{"Filial", 1},
                               {"Num_Nota", 1},
                               {"Tipo_Nota", 3},
                               {"Cod_Clifor", fornecedor},
                               {"DT_ENTRADA", Jan10}};
        Linha("NOTAS", chave);
        for (int item = 1; item <= 7; ++item) {
            Valores v = chave;
            v.insert(v.end(), {{"Num_Item", item}, {"Cod_Reduz", 2002}});
            Linha("NOTAI", v);
            if (fornecedor != Fornecedor)
                continue;
            if (item == 6)
                Linha("Nfe_notai_imp", v); // the item key and Cod_Reduz
            v.pop_back();
            if (item == 7)
                Linha("NOTAI3", v);
        }
        if (fornecedor == Fornecedor)
            Linha("NOTAS3", chave);
    }
    ASSERT_TRUE(Executar().concluido);
    ASSERT_TRUE(Executar().concluido);
    for (const char* t : {"NOTAS3", "NOTAI3", "Nfe_notai_imp"})
        EXPECT_EQ(TextoTabela(t), "") << t;
    QStringList linhas = Baixas().split('\n'), outras;
    for (const QString& l : linhas)
        if (l.contains("|5102|"))
            outras << l;
    linhas.removeIf([](const QString& l) { return l.contains("|5102|"); });
    EXPECT_EQ(linhas.join('\n'), EsperadoDoMes);
    EXPECT_EQ(outras.size(), 8);
}

TEST_F(Baixa, BaixaAnteriorTravadaParaARodadaSemMeiaNota) {
    VendasDoMes();
    ASSERT_TRUE(Executar().concluido);
    const QString feita = Baixas();
    // Change what the write-off gives, so a note done again shows.
    ExecutarSql({"Update Formulai Set Componente = 2001 Where Componente = 1001"});

    SessaoBanco outra;
    outra.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
    Tabela presa("NOTAS", &outra);
    presa.abrir();
    ASSERT_TRUE(presa.localizarChave({1, 2, 3, Fornecedor, Jan31}));
    presa.editar();
    dialogos->limpar();
    EXPECT_FALSE(Executar().concluido);
    EXPECT_EQ(dialogos->textos(), QStringList{"Existe outro usuário alterando este registro"});
    // Note 1 (first in number order) was done again; note 2 kept its old
    // write-off whole, and note 3 was not reached.
    const QStringList antes = feita.split('\n'), depois = Baixas().split('\n');
    ASSERT_EQ(depois.size(), antes.size());
    for (int i = 0; i < antes.size(); ++i)
        EXPECT_EQ(depois[i],
                  antes[i].startsWith("  1|")
                      ? QString(antes[i]).replace("|1001|DIOXIDO DE TITANIO|", "|2001|RESINA|")
                      : antes[i]);

    presa.cancelar();
    ASSERT_TRUE(Executar().concluido);
    EXPECT_EQ(Baixas(),
              QString(EsperadoDoMes).replace("|1001|DIOXIDO DE TITANIO|", "|2001|RESINA|"));
}

// The window: each check stops with its message and its field, and
// nothing is written.
TEST_F(Baixa, JanelaVerificaCodigosEDatasNaOrdem) {
    VendasDoMes();
    TfoBaixaEstoqueMatPrima janela;
    janela.show();
    struct Caso {
        const char *ini, *fim, *venda, *baixa, *fornecedor;
        QString mensagem;
        const char* campo;
    } casos[] = {
        {"01/01/2008", "31/01/2008", "0", "52", "5101", "Historico de venda invalido",
         "Historico de Venda"},
        {"01/01/2008", "31/01/2008", "51", "0", "0", "Historico da baixa invalido",
         "Historico da Baixa"},
        {"01/01/2008", "31/01/2008", "51", "52", "0", "Codigo do fornecedor invalido",
         "Fornecedor"},
        {"01/01/2008", "31/01/2008", "40000", "52", "5101",
         "40000 is not a valid value for field 'Historico de Venda'. The allowed range is "
         "-32768 to 32767",
         "Historico de Venda"},
        {"", "31/01/2008", "51", "52", "5101", "Data Invalida:", "Data inicial"},
        {"01/01/2008", "31/02/2008", "51", "52", "5101", "Data Invalida:31/02/2008", "Data Final"},
    };
    auto campo = [&](const char* nome) { return janela.findChild<QLineEdit*>(nome); };
    for (const Caso& c : casos) {
        campo("Data inicial")->setText(c.ini);
        campo("Data Final")->setText(c.fim);
        campo("Historico de Venda")->setText(c.venda);
        campo("Historico da Baixa")->setText(c.baixa);
        campo("Fornecedor")->setText(c.fornecedor);
        dialogos->limpar();
        EXPECT_FALSE(janela.executar());
        EXPECT_EQ(dialogos->textos(), QStringList{c.mensagem});
        EXPECT_EQ(janela.focusWidget(), campo(c.campo)) << c.campo;
        EXPECT_EQ(Baixas(), "");
    }
    // Digits only in the code fields.
    campo("Fornecedor")->clear();
    for (QChar tecla : QString("51a-0,1")) {
        QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(tecla));
        QApplication::sendEvent(campo("Fornecedor"), &e);
    }
    EXPECT_EQ(campo("Fornecedor")->text(), "5101");

    campo("Historico de Venda")->setText("51");
    campo("Data Final")->setText("31/01/2008");
    campo("Data inicial")->setText("01/01/2008");
    dialogos->limpar();
    EXPECT_TRUE(janela.executar());
    EXPECT_EQ(Baixas(), EsperadoDoMes);
    janela.close();
}
