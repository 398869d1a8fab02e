// System log: the month's table and the dictionary made on first use, the
// row written, the dictionary looked up on Campo alone, two stations in
// the same second, and a failure's message.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "session/GravarLogSistema.h"
#include "session/Sessao.h"
#include "store/DefTabela.h"

namespace {
class GravarLogSistemaTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().DirEmpresa = "C:\\EMPRESA1";
        relogio->definir(QDateTime(QDate(2026, 3, 5), QTime(14, 30, 15)));
    }
    bool existe(const QString& tabela) {
        return SessaoBanco::padrao().existeTabela("Orvalo", tabela);
    }
};
} // namespace

TEST_F(GravarLogSistemaTest, PrimeiraChamadaDoMesCriaTabelasEGravaALinha) {
    ASSERT_FALSE(existe("LogSys_Tipos.db"));
    GravarLogSistema(1, "FoCadastroCliFor", "I", "", "", "Cliente 12|Nome");
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
    EXPECT_EQ(relogio->totalEsperado(), 600);
    // Written after the 500 ms wait.
    EXPECT_EQ(TextoTabela("LogSys_03_2026.db"),
              "1|05/03/2026|14:30:15|FoCadastroCliFor|I|Nenhum|1||Cliente 12|Nome");
    EXPECT_EQ(TextoTabela("LogSys_Tipos.db"), "J|FoCadastroCliFor\nA|Inserir\nT|");

    GravarLogSistema(2, "FoCadastroCliFor", "X", "JOAO", "CLIFOR", "|Motivo:duplicado");
    EXPECT_EQ(TextoTabela("LogSys_03_2026.db"),
              "1|05/03/2026|14:30:15|FoCadastroCliFor|I|Nenhum|1||Cliente 12|Nome\n"
              "2|05/03/2026|14:30:16|FoCadastroCliFor|X|JOAO|2|CLIFOR||Motivo:duplicado");
    EXPECT_EQ(TextoTabela("LogSys_Tipos.db"),
              "J|FoCadastroCliFor\nA|Inserir\nT|\nA|Excluir\nT|CLIFOR");
}

TEST_F(GravarLogSistemaTest, LetraDesconhecidaTemNomeVazioEOCampoVazioValeParaTodos) {
    GravarLogSistema(1, "FoMarkup", "Z", "ANA", "", "");
    EXPECT_EQ(TextoTabela("LogSys_03_2026.db"), "1|05/03/2026|14:30:15|FoMarkup|Z|ANA|1||");
    // The empty action name takes the "A" entry; the empty table name then
    // finds it and adds no "T" entry.
    EXPECT_EQ(TextoTabela("LogSys_Tipos.db"), "J|FoMarkup\nA|");
    GravarLogSistema(1, "FoMarkup", "C", "ANA", "", "");
    EXPECT_EQ(TextoTabela("LogSys_Tipos.db"), "J|FoMarkup\nA|\nA|Consulta");
}

TEST_F(GravarLogSistemaTest, DuasEstacoesNoMesmoSegundoGuardamAsDuasLinhas) {
    SessaoBanco outra;
    outra.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    const QDateTime instante(QDate(2026, 3, 5), QTime(9, 0));
    relogio->definir(instante.addMSecs(-500));
    GravarLogSistema(1, "FoCadProduto", "E", "ANA", "", "Produto 7");
    relogio->definir(instante.addMSecs(-500));
    GravarLogSistema(1, "FoCadProduto", "E", "ANA", "", "Produto 7", &outra);
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
    EXPECT_EQ(TextoTabela("LogSys_03_2026.db", &outra),
              "1|05/03/2026|09:00:00|FoCadProduto|E|ANA|1||Produto 7\n"
              "1|05/03/2026|09:00:00|FoCadProduto|E|ANA|2||Produto 7");
    EXPECT_EQ(TextoTabela("LogSys_Tipos.db"), "J|FoCadProduto\nA|Editar\nT|");
}

TEST_F(GravarLogSistemaTest, FalhaDoBancoMostraAMensagemENaoGravaMeiaLinha) {
    // A month table of another layout: the row cannot be filled.
    Tabela("LogSys_03_2026").criarTabela(Definicao("LogSys_03_2026").longInt("Filial").def());
    GravarLogSistema(1, "FoCadProduto", "I", "ANA", "", "");
    ASSERT_EQ(dialogos->mostrados().size(), 1);
    EXPECT_EQ(dialogos->mostrados()[0].texto,
              "Erro ao gravar log de sistema : \r\nLogSys_03_2026.db: Field 'Data' not found\r\n");
    EXPECT_EQ(TextoTabela("LogSys_03_2026.db"), "");
    EXPECT_EQ(TextoTabela("LogSys_Tipos.db"), "");
}
