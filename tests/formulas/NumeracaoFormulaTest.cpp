// Formula numbering per branch: the counter in Pcpcfg, the header created
// with its defaults, a number given back only while it is still the last,
// collisions with stored formulas, and two stations never sharing a number.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "TDMFormula.h"
#include "session/Sessao.h"
#include "store/SessaoBanco.h"

#include <set>

namespace {
class NumeracaoFormula : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    }
    void contador(int filial, int ultima) {
        Tabela t("Pcpcfg");
        t.abrir();
        t.incluir();
        t.campo("Filial").definir(filial);
        t.campo("UltimaFormula").definir(ultima);
        t.gravar();
    }
    int ultima() {
        Tabela t("Pcpcfg");
        t.abrir();
        t.localizarChave({1});
        return t.campo("UltimaFormula").inteiro();
    }
    QString formulas() {
        Tabela t("Formula");
        t.abrir();
        QStringList r;
        for (; !t.eof(); t.proximo())
            r << t.campo("Filial").texto() + "/" + t.campo("Formula").texto();
        return r.join(' ');
    }
    SessaoBanco estacao2;
};
} // namespace

TEST_F(NumeracaoFormula, NumeroEmitidoCriaCabecalhoComPadroesEmEdicao) {
    contador(1, 41);
    contador(2, 7);
    TDMFormula dm;
    dm.abrir();
    ASSERT_TRUE(dm.EmitirNumeroFormula());
    EXPECT_EQ(dm.TFormula.estado(), EstadoDados::Editando);
    EXPECT_EQ(ultima(), 42);
    EXPECT_EQ(TextoTabela("Formula"), "1|42||||06/12/2026|||||N|||True||False||||");
    EXPECT_EQ(TextoTabela("Pcpcfg"), "1||||||42\n2||||||7");
    EXPECT_TRUE(dialogos->textos().isEmpty());
}

TEST_F(NumeracaoFormula, CancelarDevolveONumeroSoEnquantoForOUltimo) {
    struct Caso {
        const char* nome;
        bool outraEstacaoEmite;
        int ultimaDepois;
        QString restantes;
    } casos[] = {
        {"ultimo", false, 41, ""},
        {"depois de 43", true, 43, "1/43"},
    };
    for (const Caso& c : casos) {
        SessaoBanco::padrao().esvaziarTabela("Orvalo", "Formula");
        SessaoBanco::padrao().esvaziarTabela("Orvalo", "Pcpcfg");
        contador(1, 41);
        TDMFormula dm, dm2(&estacao2);
        dm.abrir();
        dm2.abrir();
        ASSERT_TRUE(dm.EmitirNumeroFormula()) << c.nome;
        ASSERT_TRUE(dm.IncluirComponente());
        dm.TFormulai.campo("QUANTIDADE").definir(1.0);
        dm.TFormulai.gravar();
        if (c.outraEstacaoEmite) {
            ASSERT_TRUE(dm2.EmitirNumeroFormula());
            dm2.TFormula.gravar();
        }
        dm.TFormula.cancelar();
        EXPECT_TRUE(dm.DevolverNumeroFormula()) << c.nome;
        EXPECT_EQ(ultima(), c.ultimaDepois) << c.nome;
        EXPECT_EQ(formulas(), c.restantes) << c.nome;
        EXPECT_EQ(TextoTabela("Formulai"), "") << c.nome;
    }
}

TEST_F(NumeracaoFormula, NumeroJaGravadoAvisaEAvancaOContador) {
    contador(1, 41);
    Tabela f("Formula");
    f.abrir();
    f.incluir();
    f.campo("Filial").definir(1);
    f.campo("Formula").definir("42");
    f.campo("COR").definir("AZUL");
    f.gravar();
    TDMFormula dm;
    dm.abrir();
    EXPECT_FALSE(dm.EmitirNumeroFormula());
    EXPECT_EQ(dialogos->textos(), QStringList{"Formula já existe"});
    EXPECT_EQ(ultima(), 42);
    EXPECT_EQ(formulas(), "1/42");
    ASSERT_TRUE(dm.EmitirNumeroFormula());
    EXPECT_EQ(dm.TFormula.campo("Formula").texto(), "43");
}

TEST_F(NumeracaoFormula, FilialSemConfiguracaoGanhaALinhaAntesDoPrimeiroNumero) {
    contador(2, 99);
    TDMFormula dm;
    dm.abrir();
    ASSERT_TRUE(dm.EmitirNumeroFormula());
    EXPECT_EQ(dm.TFormula.campo("Formula").texto(), "1");
    EXPECT_EQ(TextoTabela("Pcpcfg"), "1||||||1\n2||||||99");
}

TEST_F(NumeracaoFormula, DuasEstacoesAlternadasNuncaRecebemOMesmoNumero) {
    contador(1, 0);
    TDMFormula a, b(&estacao2);
    a.abrir();
    b.abrir();
    std::set<QString> emitidos;
    for (int i = 0; i < 10; ++i)
        for (TDMFormula* dm : {&a, &b}) {
            ASSERT_TRUE(dm->EmitirNumeroFormula());
            EXPECT_TRUE(emitidos.insert(dm->TFormula.campo("Formula").texto()).second);
            dm->TFormula.gravar();
        }
    EXPECT_EQ(emitidos.size(), 20u);
    EXPECT_EQ(ultima(), 20);
    EXPECT_TRUE(dialogos->textos().isEmpty());
}

TEST_F(NumeracaoFormula, ContadorBloqueadoEmOutraEstacaoParaSemNumero) {
    contador(1, 41);
    Tabela outra("Pcpcfg", &estacao2);
    outra.abrir();
    outra.editar();
    TDMFormula dm;
    dm.abrir();
    dialogos->responder(Resposta::Cancelar);
    EXPECT_FALSE(dm.EmitirNumeroFormula());
    EXPECT_EQ(dialogos->textos(), QStringList{"Existe outro usuário alterando este registro"});
    outra.cancelar();
    EXPECT_EQ(ultima(), 41);
    EXPECT_EQ(formulas(), "");
}
