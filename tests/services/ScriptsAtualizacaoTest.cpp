// The built-in scripts and their outcome per company: scripts already
// "Ok" are never run again, "Marca OK" runs nothing, a failure keeps the
// date of the last good attempt and the store's text, a statement and its
// "Ok" stay together or not at all, and each company keeps its own list.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "services/DemoScripts.h"
#include "services/ScriptsAtualizacao.h"
#include "services/TFoScript.h"
#include "store/InjecaoFalhas.h"

#include <QBrush>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableView>

namespace {
class Scripts : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        CriarDemoScripts("Orvalo");
        ExecutarSql({"INSERT INTO Usuarios (Codigo, Ativo) VALUES ('ADMIN', 'N')",
                     "INSERT INTO FATURCFG (Filial) VALUES (1)"});
    }
    void dia(int d, int m) { relogio->definir(QDateTime(QDate(2026, m, d), QTime(8, 0))); }
    // CodScript, DataTentativa, Status and SqlRetorno of each stored row.
    static QString resultados() {
        Tabela t("ScriptsSql");
        t.abrir();
        QStringList l;
        for (; !t.eof(); t.proximo())
            l << QStringList{t.campo("CodScript").texto(), t.campo("DataTentativa").texto(),
                             t.campo("Status").texto(), t.campo("SqlRetorno").texto()}
                     .join('|');
        return l.join('\n');
    }
    static QString tipos() { return TextoTabela("Tipod_cc"); }
};

TEST_F(Scripts, TodosRodamUmaVezEOkNuncaRodaDeNovo) {
    dia(1, 3);
    ListaScripts lista;
    lista.montar();
    EXPECT_EQ(lista.pendentes(), 10);
    // Script 1 marked by hand: neither run action applies it.
    lista.marcarOk(0);
    EXPECT_FALSE(lista.rodar(0));
    QList<int> progresso;
    lista.rodarTodos([&](int feitos) { progresso << feitos; });
    EXPECT_EQ(progresso, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(lista.aplicados(), 10);
    EXPECT_EQ(tipos(), "1|DUPLICATA|N\n2|CHEQUE|N\n3|BOLETO|N\n4|ADIANTAMENTO|N");
    EXPECT_EQ(TextoTabela("Natuoper"), "5101|VENDA DE PRODUCAO DO ESTABELECIMENTO|T|S|N\n"
                                       "5102|VENDA DE MERCADORIA DE TERCEIROS|T|S|N\n"
                                       "5124|INDUSTRIALIZACAO EFETUADA PARA OUTRA EMPRESA|N|N|T\n"
                                       "6101|VENDA DE PRODUCAO FORA DO ESTADO|T|S|N\n"
                                       "6102|VENDA DE MERCADORIA FORA DO ESTADO|T|S|N\n"
                                       "6124|INDUSTRIALIZACAO PARA OUTRO ESTADO|T|N|T\n"
                                       "6933|PRESTACAO DE SERVICO FORA DO ESTADO|T|N|T");
    EXPECT_EQ(TextoTabela("ModelosNotasFiscais"),
              "01|Nota fiscal modelo 1/1A|\n"
              "200|Nota fiscal servico municipal|\n"
              "201|Nota fiscal servico municipal - eletrônica|\n"
              "301|Outras Receitas Bloco F100 não vinc. a doc fiscal|F100\n"
              "55|Nota fiscal eletronica|");
    EXPECT_EQ(TextoTabela("Usuarios"), "ADMIN|||S");
    EXPECT_EQ(TextoTabela("FATURCFG"), "1||S");

    // A second run, from a fresh list, runs nothing and changes nothing.
    dia(2, 3);
    const QString antes = resultados();
    ExecutarSql({"UPDATE Tipod_cc SET LancaContabil = 'X'"});
    ListaScripts outra;
    outra.montar();
    EXPECT_EQ(outra.aplicados(), 10);
    outra.rodarTodos();
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(outra.rodar(i));
    EXPECT_EQ(resultados(), antes);
    EXPECT_TRUE(resultados().startsWith("1||Ok|\n2|01/03/2026|Ok|\n"));
    EXPECT_EQ(tipos(), "1|DUPLICATA|X\n2|CHEQUE|X\n3|BOLETO|X\n4|ADIANTAMENTO|X");
}

TEST_F(Scripts, MarcaOkNaoRodaEDesmarcadoORerunFalhaComOTextoDoBanco) {
    dia(1, 3);
    ListaScripts lista;
    lista.montar();
    lista.marcarOk(7);
    EXPECT_EQ(resultados(), "8||Ok|");
    EXPECT_EQ(TextoTabela("ModelosNotasFiscais"),
              "01|Nota fiscal modelo 1/1A|\n55|Nota fiscal eletronica|");
    lista.marcarOk(7);
    EXPECT_EQ(resultados(), "8|||");

    EXPECT_TRUE(lista.rodar(7));
    lista.marcarOk(7);
    dia(9, 3);
    EXPECT_FALSE(lista.rodar(7));
    EXPECT_EQ(resultados(), "8|01/03/2026|Er|Key violation.");
    EXPECT_EQ(lista.linhas()[7].Status, "Er");
    EXPECT_EQ(lista.linhas()[7].DataTentativa, QDate(2026, 3, 1));
    EXPECT_EQ(lista.linhas()[7].SqlRetorno, "Key violation.");
    // An "Er" row is run again by the run actions, and fails again.
    lista.rodarTodos();
    EXPECT_EQ(resultados().section('\n', 7, 7), "8|01/03/2026|Er|Key violation.");
}

TEST_F(Scripts, FalhaDepoisDaInstrucaoNaoDeixaNemEfeitoNemOk) {
    // The writes of a run: the statement, the "Ok" row, the commit.
    for (int escrita : {2, 3}) {
        ListaScripts lista;
        lista.montar();
        InjecaoFalhas::falharNaEscrita(escrita);
        EXPECT_FALSE(lista.rodar(0)) << escrita;
        InjecaoFalhas::falharNaEscrita(0);
        EXPECT_EQ(tipos(), "1|DUPLICATA|N\n2|CHEQUE|N\n3|BOLETO|N\n4|ADIANTAMENTO|S") << escrita;
        EXPECT_EQ(resultados(), "1||Er|disk I/O error") << escrita;
    }
    ListaScripts lista;
    lista.montar();
    EXPECT_EQ(lista.linhas()[0].Status, "Er");
    EXPECT_TRUE(lista.rodar(0));
    EXPECT_EQ(resultados(), "1|06/12/2026|Ok|");
}

TEST_F(Scripts, CadaEmpresaTemSeusResultados) {
    criarDiretorio("C:\\EMPRESA2");
    ListaScripts lista;
    lista.montar();
    lista.rodar(0);
    SessaoBanco::padrao().definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA2"));
    CriarDemoScripts("Orvalo");
    ListaScripts outra;
    outra.montar();
    EXPECT_EQ(outra.linhas()[0].Status, "");
    EXPECT_EQ(outra.pendentes(), 10);
    outra.marcarOk(1);
    EXPECT_EQ(resultados(), "2||Ok|");
    SessaoBanco::padrao().definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
    EXPECT_EQ(resultados(), "1|06/12/2026|Ok|");
}

TEST_F(Scripts, JanelaColoreLinhasEConcluiORodarTodos) {
    ExecutarSql({"INSERT INTO ModelosNotasFiscais (Codigo) VALUES ('200')"});
    TFoScript janela;
    ASSERT_TRUE(janela.abrir());
    QTableView* grade = janela.grade();
    grade->setCurrentIndex(grade->model()->index(1, 0));
    janela.marcarOk();
    grade->setCurrentIndex(grade->model()->index(7, 0));
    janela.rodarSelecionado();
    auto cores = [&] {
        QStringList l;
        for (int r = 0; r < grade->model()->rowCount(); ++r) {
            const QVariant c = grade->model()->index(r, 2).data(Qt::ForegroundRole);
            l << (!c.isValid()                            ? "-"
                  : c.value<QBrush>().color() == Qt::red  ? "vermelha"
                  : c.value<QBrush>().color() == Qt::blue ? "azul"
                                                          : "?");
        }
        return l.join(',').toStdString();
    };
    EXPECT_EQ(cores(), "-,azul,-,-,-,-,-,vermelha,-,-");
    EXPECT_EQ(janela.findChild<QPlainTextEdit*>("Resposta do servidor")->toPlainText(),
              "Key violation.");
    EXPECT_EQ(janela.findChild<QLabel*>("Contadores")->text(),
              "Script's: 10    Rodados: 1    A rodar: 8");

    janela.show();
    janela.rodarTodos();
    EXPECT_EQ(cores(), "azul,azul,azul,azul,azul,azul,azul,vermelha,azul,azul");
    EXPECT_EQ(janela.findChild<QProgressBar*>("Progresso")->value(), 10);
    EXPECT_EQ(dialogos->textos(), QStringList{"Procedimento Concluído!!!"});
    EXPECT_FALSE(janela.isVisible());
}
} // namespace
