// Row writes: blank is NULL, sizes and types on write, key violations,
// required fields, and a post that fails half-way leaving nothing behind.
#include "InstalacaoTeste.h"

#include "store/InjecaoFalhas.h"
#include "store/DefTabela.h"
#include "store/ErroBanco.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

namespace {

class Gravacao : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Definicao("TesteGrav")
            .shortInt("Filial", true)
            .texto("Codigo", 6)
            .texto("Nome", 5)
            .money("Valor")
            .number("Peso")
            .data("Dia")
            .hora("Hora")
            .logico("Ativo")
            .memo("Obs")
            .autoInc("Seq")
            .chave({"Filial", "Codigo"})
            .registrar();
        t.setNomeTabela("TesteGrav");
        t.abrir();
    }
    Tabela t{"TesteGrav"};
};

TEST_F(Gravacao, BlankIsNullAndReadsAsZeroOrEmpty) {
    t.incluir();
    t.campo("Filial").definir(1);
    t.campo("Codigo").definir("A");
    t.campo("Nome").definir("");
    t.gravar();
    EXPECT_TRUE(t.campo("Nome").ehNulo());
    EXPECT_TRUE(t.campo("Valor").ehNulo());
    EXPECT_EQ(t.campo("Valor").numero(), 0.0);
    EXPECT_EQ(t.campo("Nome").texto(), "");
    EXPECT_FALSE(t.campo("Dia").data().isValid());
    EXPECT_FALSE(t.campo("Ativo").logico());
    EXPECT_EQ(t.campo("Seq").inteiro(), 1);
    EXPECT_FALSE(t.campo("Seq").ehNulo());
}

TEST_F(Gravacao, ValuesAreStoredAsTheirTypeSays) {
    t.incluir();
    t.campo("Filial").definir("2");
    t.campo("Codigo").definir("ABCDEFGH");
    t.campo("Nome").definir("ção longa");
    t.campo("Valor").definir(12.345678);
    t.campo("Peso").definir("1234.5");
    t.campo("Dia").definir("05/03/2026");
    t.campo("Hora").definir(QTime(13, 4, 5));
    t.campo("Ativo").definir(true);
    t.campo("Obs").definir(QString(300, 'x'));
    t.gravar();
    t.atualizar();
    EXPECT_EQ(t.campo("Codigo").texto(), "ABCDEF");
    EXPECT_EQ(t.campo("Nome").texto(), "ção l");
    EXPECT_EQ(t.campo("Valor").numero(), 12.3457);
    EXPECT_EQ(t.campo("Peso").numero(), 1234.5);
    EXPECT_EQ(t.campo("Dia").data(), QDate(2026, 3, 5));
    EXPECT_EQ(t.campo("Dia").texto(), "05/03/2026");
    EXPECT_EQ(t.campo("Hora").texto(), "13:04:05");
    EXPECT_TRUE(t.campo("Ativo").logico());
    EXPECT_EQ(t.campo("Obs").texto().size(), 300);
}

TEST_F(Gravacao, BadValuesAreRefusedWithoutChangingTheRow) {
    t.incluir();
    EXPECT_THROW(t.campo("Filial").definir(40000), ErroBanco);
    EXPECT_THROW(t.campo("Peso").definir("abc"), ErroBanco);
    EXPECT_THROW(t.campo("Dia").definir("31/02/2026"), ErroBanco);
    try {
        t.gravar();
        FAIL();
    } catch (const ErroBanco& e) {
        EXPECT_EQ(e.texto(), "Field 'Filial' must have a value");
    }
    EXPECT_EQ(t.estado(), EstadoDados::Inserindo);
    t.cancelar();
    EXPECT_EQ(t.contarRegistros(), 0);
    EXPECT_THROW(t.campo("Nome").definir("x"), ErroBanco); // not in edit
}

TEST_F(Gravacao, DuplicateKeyIsKeyViolationEvenWithBlanks) {
    for (const QVariant& codigo : {QVariant("A"), QVariant()}) {
        for (int vez = 0; vez < 2; ++vez) {
            t.incluir();
            t.campo("Filial").definir(1);
            t.campo("Codigo").definir(codigo);
            if (vez == 0) {
                t.gravar();
                continue;
            }
            try {
                t.gravar();
                FAIL() << "duplicate accepted";
            } catch (const ErroBanco& e) {
                EXPECT_EQ(e.texto(), "Key violation.");
            }
            EXPECT_EQ(t.estado(), EstadoDados::Inserindo);
            t.cancelar();
        }
    }
    EXPECT_EQ(t.contarRegistros(), 2);
    // Changing a row's key onto another row's key is a violation too.
    t.localizarChave({1, "A"});
    t.editar();
    t.campo("Codigo").limpar();
    EXPECT_THROW(t.gravar(), ErroBanco);
    t.cancelar();
}

TEST_F(Gravacao, FailedCommitLeavesNoPartialRowAndCancelFreesTheLock) {
    t.incluir();
    t.campo("Filial").definir(1);
    t.campo("Codigo").definir("A");
    t.gravar();

    SessaoBanco outra;
    Tabela t2("TesteGrav", &outra);
    t2.abrir();

    t.editar();
    t.campo("Nome").definir("Novo");
    InjecaoFalhas::falharNaEscrita(1);
    try {
        t.gravar();
        FAIL();
    } catch (const ErroBanco& e) {
        EXPECT_EQ(e.texto(), "disk I/O error");
    }
    EXPECT_EQ(t.estado(), EstadoDados::Editando);
    EXPECT_THROW(t2.editar(), ErroRegistroBloqueado); // still being edited
    t.cancelar();
    t2.atualizar();
    EXPECT_TRUE(t2.campo("Nome").ehNulo());
    t2.editar(); // the lock is free again
    t2.cancelar();

    t.incluir();
    t.campo("Filial").definir(1);
    t.campo("Codigo").definir("B");
    InjecaoFalhas::falharNaEscrita(1);
    EXPECT_THROW(t.gravar(), ErroBanco);
    t.cancelar();
    EXPECT_EQ(t.contarRegistros(), 1);
}

TEST_F(Gravacao, CreatedTablesGainMissingColumns) {
    Definicao antiga("TesteVelha");
    antiga.shortInt("Filial").chave({"Filial"});
    Tabela v("TesteVelha");
    v.criarTabela(antiga.def());
    v.abrir();
    v.incluir();
    v.campo("Filial").definir(1);
    v.gravar();
    v.fechar();
    SessaoBanco::padrao().fechar();
    SessaoBanco::padrao().abrir();
    Definicao("TesteVelha").shortInt("Filial").texto("Nome", 10).chave({"Filial"}).registrar();
    v.abrir();
    EXPECT_EQ(v.nomesCampos().join(','), "Filial,Nome");
    EXPECT_EQ(v.campo("Filial").inteiro(), 1);
    EXPECT_TRUE(v.campo("Nome").ehNulo());
    EXPECT_TRUE(v.existe());
    v.esvaziar();
    EXPECT_TRUE(v.vazio());
}

} // namespace

namespace {
TEST_F(Gravacao, RequiredSizedTextKeepsTypeSizeAndFlag) {
    Definicao("TesteObrig").texto("Janela", 4, true).registrar();
    Tabela o("TesteObrig");
    o.abrir();
    EXPECT_EQ(o.campo("Janela").tamanho(), 4);
    EXPECT_EQ(o.campo("Janela").tipo(), TipoCampo::Texto);
    o.incluir();
    EXPECT_THROW(o.gravar(), ErroBanco);
    o.campo("Janela").definir("Cadastro");
    o.gravar();
    EXPECT_EQ(o.campo("Janela").texto(), "Cada");
}
} // namespace
