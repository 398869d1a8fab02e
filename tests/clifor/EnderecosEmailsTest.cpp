// A party's further addresses and e-mail contacts: numbering per party
// from 1 (the highest number reused after its deletion, a lower one
// never), the party's own e-mail filled only when empty and only with an
// address that fits it, and the picker's answer.
#include "CliforTeste.h"

#include "clifor/TDMCadEnderecos.h"
#include "clifor/TDMEmailsClifor.h"

namespace {

class EnderecosEmails : public CliforTeste {
protected:
    QList<int> enderecos(TDMCadEnderecos& dm) {
        QList<int> l;
        for (dm.TEndereco.primeiro(); !dm.TEndereco.eof(); dm.TEndereco.proximo())
            l << dm.TEndereco.campo("Codigo").inteiro();
        return l;
    }
    bool incluirEndereco(TDMCadEnderecos& dm, const QString& rua) {
        if (!dm.Incluir())
            return false;
        dm.TEndereco.campo("Endereco").definir(rua);
        return dm.Gravar();
    }
    bool incluirEmail(TDMEmailsClifor& dm, const QString& tipo, const QString& email) {
        if (!dm.Incluir())
            return false;
        dm.TEmails.campo("Tipo").definir(tipo);
        dm.TEmails.campo("Nome").definir("CONTATO");
        dm.TEmails.campo("Email").definir(email);
        return dm.Gravar();
    }
};

TEST_F(EnderecosEmails, EnderecosNumeradosReusandoSoOMaisAlto) {
    parte(1, "CLIENTE UM");
    parte(2, "CLIENTE DOIS");
    TDMCadEnderecos dm;
    ASSERT_TRUE(dm.abrirParte(2));
    ASSERT_TRUE(incluirEndereco(dm, "RUA A"));
    ASSERT_TRUE(dm.abrirParte(1));
    for (const char* rua : {"RUA A", "RUA B", "RUA C"})
        ASSERT_TRUE(incluirEndereco(dm, rua));
    EXPECT_EQ(enderecos(dm), (QList<int>{1, 2, 3}));

    // The highest goes and its number comes back.
    dm.TEndereco.ultimo();
    ASSERT_TRUE(dm.Excluir());
    ASSERT_TRUE(incluirEndereco(dm, "RUA D"));
    EXPECT_EQ(enderecos(dm), (QList<int>{1, 2, 3}));

    // A lower one goes and stays a gap.
    dm.TEndereco.primeiro();
    ASSERT_TRUE(dm.Excluir());
    ASSERT_TRUE(incluirEndereco(dm, "RUA E"));
    EXPECT_EQ(enderecos(dm), (QList<int>{2, 3, 4}));
    EXPECT_EQ(dialogos->textos(),
              (QStringList{"Confirma exclusão do registro?", "Confirma exclusão do registro?"}));
}

TEST_F(EnderecosEmails, EmailDaParteSoQuandoVazioESoQuandoCabe) {
    const QString longo = QString(40, 'a') + "@exemplo.com.br";
    parte(1, "VAZIO");
    parte(2, "PREENCHIDO", {{"E_Mail", "antigo@cliente.com.br"}});
    TDMEmailsClifor dm;

    ASSERT_TRUE(dm.abrir(1, 1));
    ASSERT_TRUE(dm.Incluir());
    EXPECT_FALSE(dm.Gravar());
    EXPECT_EQ(dialogos->textos(), QStringList{"Selecione o tipo de cadastro..."});
    dm.Cancelar();
    dialogos->limpar();

    // Too long for the party's field: kept only among the contacts.
    ASSERT_TRUE(incluirEmail(dm, "1", longo));
    EXPECT_EQ(campo(1, "E_Mail"), "");
    EXPECT_TRUE(dialogos->textos().isEmpty());
    ASSERT_TRUE(incluirEmail(dm, "0", "compras@cliente.com.br"));
    EXPECT_EQ(campo(1, "E_Mail"), "compras@cliente.com.br");
    EXPECT_EQ(dialogos->textos(),
              QStringList{"O email também foi adicionado ao cadastro do cliente!!!"});
    EXPECT_EQ(dm.TEmails.campo("Ordem").inteiro(), 2);
    EXPECT_EQ(dm.TEmails.campo("Dt_manutencao").texto(), "06/12/2026");

    dialogos->limpar();
    ASSERT_TRUE(dm.abrir(1, 2));
    ASSERT_TRUE(incluirEmail(dm, "3", "novo@cliente.com.br"));
    EXPECT_EQ(dm.TEmails.campo("Ordem").inteiro(), 1);
    EXPECT_EQ(campo(2, "E_Mail"), "antigo@cliente.com.br");
    EXPECT_TRUE(dialogos->textos().isEmpty());

    ASSERT_TRUE(dm.abrir(1, 1));
    QList<ItemEmail> itens = dm.lerSelecao();
    ASSERT_EQ(itens.size(), 2);
    EXPECT_EQ(itens[0].tipo, "CONTADOR");
    EXPECT_EQ(TDMEmailsClifor::Marcados(itens), "");
    itens[1].selecionar = true;
    EXPECT_EQ(TDMEmailsClifor::Marcados(itens), "compras@cliente.com.br");
    itens[0].selecionar = true;
    EXPECT_EQ(TDMEmailsClifor::Marcados(itens), longo + ";compras@cliente.com.br");
}

} // namespace
