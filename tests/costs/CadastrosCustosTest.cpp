// The currency, value and factor registers: the currency code check, a
// currency kept after cancelling its inclusion, the value checks and the
// duplicate date, the access codes that close their windows, and the
// factor row created for the branch and freed on every close.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "costs/TFoCadastroMoedas.h"
#include "costs/TFoCadastroValores.h"
#include "costs/TfoCadFatores.h"
#include "session/JanelaSenhaRoteirizada.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
class CadastrosCustos : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        senhas = std::make_unique<JanelaSenhaRoteirizada>();
        Sess().Filial = 1;
        ExecutarSql({"INSERT INTO Acesso (Codigo, Conteudo) VALUES (80, 'v'), (82, 'f'), "
                     "(83, 'm')"});
    }
    void TearDown() override {
        senhas.reset();
        InstalacaoTeste::TearDown();
    }
    // Shows the window as the menu does and lets the queued start run.
    void mostrar(QWidget& janela) {
        janela.show();
        QApplication::processEvents();
    }
    void digitar(QWidget& janela, const QString& campo, const QString& texto) {
        janela.findChild<QLineEdit*>(campo)->setText(texto);
    }

    std::unique_ptr<JanelaSenhaRoteirizada> senhas;
};

// "1" per enabled button, in the order of the window's buttons.
QString botoes(QWidget& janela) {
    QString r;
    for (const char* b : {"Incluir", "Alterar", "Excluir", "Gravar", "Cancelar", "Fechar"})
        r += janela.findChild<QPushButton*>(b)->isEnabled() ? '1' : '0';
    return r;
}
} // namespace

TEST_F(CadastrosCustos, CodigoAcessoRecusadoFechaCadaJanela) {
    TFoCadastroMoedas moedas;
    TFoCadastroValores valores;
    TfoCadFatores fatores;
    const std::pair<QWidget*, const char*> janelas[] = {{&moedas, "Cadastro de Moedas"},
                                                        {&valores, "Cadastro de Valores"},
                                                        {&fatores, "Cadastro de Fatores"}};
    for (const auto& [janela, legenda] : janelas) {
        EXPECT_EQ(janela->windowTitle(), legenda);
        senhas->confirmar("errada");
        mostrar(*janela);
        EXPECT_FALSE(janela->isVisible()) << legenda;
    }
    EXPECT_EQ(dialogos->textos(), QStringList(3, "Senha invalida"));
    QStringList legendas;
    for (const auto& m : senhas->mostradas())
        legendas << m.legenda;
    EXPECT_EQ(legendas, (QStringList{"Entre com a senha 83", "Entre com a senha 80",
                                     "Entre com a senha 82"}));
    senhas->confirmar("m");
    mostrar(moedas);
    EXPECT_TRUE(moedas.isVisible());
    moedas.close();
}

TEST_F(CadastrosCustos, MoedaIncluidaComCodigoValidoFicaMesmoCancelada) {
    TFoCadastroMoedas janela;
    ASSERT_TRUE(janela.abrir());
    auto* clonar = janela.findChild<QAction*>("Clonar Registro P/ Outra Empresa");
    EXPECT_FALSE(clonar->isEnabled());
    const std::pair<const char*, const char*> recusados[] = {{"abc", "Codigo invalido"},
                                                             {"0", "Codigo invalido"},
                                                             {"40000", "Codigo invalido"},
                                                             {"-2", "Codigo invalido"},
                                                             {"2", "Codigo ja existe"}};
    ExecutarSql({"INSERT INTO MOEDA VALUES (2, 'EURO', 'EUR')"});
    for (const auto& [codigo, mensagem] : recusados) {
        dialogos->limpar();
        dialogos->digitar(codigo);
        janela.incluir();
        EXPECT_EQ(dialogos->textos(), (QStringList{"Codigo", mensagem})) << codigo;
        EXPECT_EQ(botoes(janela), "111001");
    }
    EXPECT_EQ(TextoTabela("MOEDA"), "2|EURO|EUR");

    dialogos->digitar(" 32767 ");
    janela.incluir();
    EXPECT_EQ(botoes(janela), "000110");
    EXPECT_EQ(TextoTabela("MOEDA"), "2|EURO|EUR\n32767||");
    digitar(janela, "NOME_MOEDA", "LIBRA");
    janela.cancelar();
    EXPECT_EQ(TextoTabela("MOEDA"), "2|EURO|EUR\n32767||");
    EXPECT_TRUE(clonar->isEnabled());

    dialogos->digitar("1");
    janela.incluir();
    digitar(janela, "NOME_MOEDA", "DOLAR");
    digitar(janela, "SIMBOLO", "US$");
    janela.gravar();
    EXPECT_EQ(TextoTabela("MOEDA"), "1|DOLAR|US$\n2|EURO|EUR\n32767||");
    dialogos->limpar();
    dialogos->responder(Resposta::Sim);
    janela.excluir();
    EXPECT_EQ(dialogos->textos(), QStringList{"Confirma eliminação desta moeda ?"});
    EXPECT_EQ(TextoTabela("MOEDA"), "2|EURO|EUR\n32767||");
}

TEST_F(CadastrosCustos, ValorConfereMoedaEDataEDescartaDataRepetida) {
    ExecutarSql({"INSERT INTO MOEDA VALUES (1, 'DOLAR', 'US$'), (2, 'EURO', 'EUR')",
                 "INSERT INTO VALORES VALUES (1, '2026-03-15', 5.2)"});
    TFoCadastroValores janela;
    ASSERT_TRUE(janela.abrir());
    auto* moeda = janela.findChild<QComboBox*>("Cod_Moeda");
    janela.incluir();
    const std::pair<const char*, const char*> recusas[] = {
        {"", "Moeda invalida"},
        {"abc", "Data Invalida:abc"},
        {"31/02/2026", "Data Invalida:31/02/2026"}};
    for (const auto& [data, mensagem] : recusas) {
        if (QString(mensagem) != "Moeda invalida")
            moeda->setCurrentText("DOLAR");
        dialogos->limpar();
        digitar(janela, "DATA", data);
        janela.gravar();
        EXPECT_EQ(dialogos->textos(), QStringList{mensagem});
        EXPECT_EQ(botoes(janela), "000110");
    }
    digitar(janela, "DATA", "15/3/2026");
    digitar(janela, "VALOR", "5,30");
    dialogos->limpar();
    janela.gravar();
    EXPECT_EQ(dialogos->textos(), QStringList{"Data ja existe"});
    EXPECT_EQ(botoes(janela), "111001");

    janela.incluir();
    moeda->setCurrentText("EURO");
    digitar(janela, "DATA", "15/03/2026");
    digitar(janela, "VALOR", "6,1");
    janela.gravar();
    EXPECT_EQ(TextoTabela("VALORES"), "1|15/03/2026|5.2\n2|15/03/2026|6.1");
    EXPECT_EQ(janela.findChild<QLineEdit*>("VALOR")->text(), "6,10");

    janela.alterar();
    moeda->setCurrentText("DOLAR");
    dialogos->limpar();
    janela.gravar();
    EXPECT_EQ(dialogos->textos(), QStringList{"Data ja existe"});
    EXPECT_EQ(TextoTabela("VALORES"), "1|15/03/2026|5.2\n2|15/03/2026|6.1");
    dialogos->responder(Resposta::Sim);
    janela.excluir();
    EXPECT_EQ(TextoTabela("VALORES").count('\n'), 0);
}

TEST_F(CadastrosCustos, FatoresCriamALinhaDaFilialELiberamATravaAoFechar) {
    ExecutarSql({"INSERT INTO Pcpcfg (Filial, Fator1, UltimaFormula) VALUES (2, 1.5, 40)"});
    TfoCadFatores janela;
    senhas->cancelar();
    mostrar(janela);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(TextoTabela("Pcpcfg"), "1||||||\n2|1.5|||||40");

    SessaoBanco estacao2;
    estacao2.definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    Tabela outra("Pcpcfg", &estacao2);
    outra.abrir();
    ASSERT_TRUE(outra.localizarChave({1}));
    outra.editar();
    // The other station now holds the row: giving up on it closes the window.
    dialogos->responder(Resposta::Cancelar);
    mostrar(janela);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(dialogos->textos(), QStringList{"Existe outro usuário alterando este registro"});
    outra.cancelar();

    senhas->confirmar("f");
    mostrar(janela);
    ASSERT_TRUE(janela.isVisible());
    for (int i = 1; i <= 5; ++i)
        digitar(janela, "Fator" + QString::number(i), QString::number(i) + ",25");
    digitar(janela, "UltimaFormula", "12");
    janela.cancelar();
    EXPECT_EQ(TextoTabela("Pcpcfg"), "1||||||\n2|1.5|||||40");
    EXPECT_NO_THROW(outra.editar());
    outra.cancelar();

    senhas->confirmar("f");
    mostrar(janela);
    digitar(janela, "Fator1", "1,45");
    digitar(janela, "Fator5", "2.000,5");
    janela.ok();
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(TextoTabela("Pcpcfg"), "1|1.45||||2000.5|\n2|1.5|||||40");
}
