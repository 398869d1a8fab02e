// The registers of tinting machines, technicians, packaging and the PCP
// parameters: captions, codes given at inclusion, cancelling an inclusion,
// rows stored only on "Gravar", deletion with its question, the counter.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "TFoCadMatizador.h"
#include "TfoCadEmbalagem.h"
#include "TfoCadResptec.h"
#include "TfoParametrizacao.h"
#include "session/Sessao.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
class CadastrosPcp : public InstalacaoTeste {};

void digitar(QWidget& janela, const QString& campo, const QString& texto) {
    janela.findChild<QLineEdit*>(campo)->setText(texto);
}

// "1" per enabled button, in the order of the window's buttons.
QString botoes(QWidget& janela) {
    QString r;
    for (const char* b : {"Incluir", "Alterar", "Excluir", "Gravar", "Cancelar", "Fechar"})
        r += janela.findChild<QPushButton*>(b)->isEnabled() ? '1' : '0';
    return r;
}
} // namespace

TEST_F(CadastrosPcp, LegendasDasJanelas) {
    TFoCadMatizador m;
    TfoCadResptec r;
    TfoCadEmbalagem e;
    TfoParametrizacao p;
    EXPECT_EQ(m.windowTitle(), "Cadastro de Matizadores");
    EXPECT_EQ(r.windowTitle(), "Cadastro de Responsável ");
    EXPECT_EQ(e.windowTitle(), "Cadastro de Embalagens");
    EXPECT_EQ(p.windowTitle(), "Parametrização do PCP");
}

TEST_F(CadastrosPcp, IncluirDaOProximoCodigoECancelarApagaALinha) {
    TFoCadMatizador janela;
    ASSERT_TRUE(janela.abrir());
    EXPECT_EQ(botoes(janela), "111001");
    janela.incluir();
    EXPECT_EQ(botoes(janela), "000110");
    EXPECT_EQ(TextoTabela("Matizador"), "1|");
    janela.cancelar();
    EXPECT_EQ(TextoTabela("Matizador"), "");
    for (const char* nome : {"DOSADORA A", "DOSADORA B"}) {
        janela.incluir();
        digitar(janela, "Nome", nome);
        janela.gravar();
    }
    EXPECT_EQ(TextoTabela("Matizador"), "1|DOSADORA A\n2|DOSADORA B");
    dialogos->responder(Resposta::Sim);
    janela.excluir(); // the list follows the last saved row
    EXPECT_EQ(dialogos->textos(), QStringList{"Confirma eliminação deste registro ?"});
    janela.incluir();
    janela.gravar();
    EXPECT_EQ(TextoTabela("Matizador"), "1|DOSADORA A\n2|");
    janela.alterar();
    digitar(janela, "Nome", "DOSADORA C");
    janela.cancelar();
    EXPECT_EQ(TextoTabela("Matizador"), "1|DOSADORA A\n2|");
    EXPECT_EQ(botoes(janela), "111001");
}

TEST_F(CadastrosPcp, EmbalagemSoEGravadaNoGravar) {
    TfoCadEmbalagem janela;
    ASSERT_TRUE(janela.abrir());
    janela.incluir();
    digitar(janela, "Descricao", "LATA 900 ML");
    digitar(janela, "Peso_Liq", "0,9");
    EXPECT_EQ(TextoTabela("EMBALAGE"), "");
    janela.gravar();
    janela.incluir();
    digitar(janela, "Descricao", "GALAO");
    janela.cancelar();
    janela.incluir();
    EXPECT_EQ(janela.findChild<QLineEdit*>("Codigo")->text(), "2");
    digitar(janela, "Descricao", "BALDE");
    digitar(janela, "Peso_Embal", "1.200,5");
    janela.gravar();
    EXPECT_EQ(TextoTabela("EMBALAGE"), "1|LATA 900 ML|0.9|\n2|BALDE||1200.5");
    EXPECT_EQ(janela.findChild<QLineEdit*>("Peso_Embal")->text(), "1.200,5000");
    dialogos->responder(Resposta::Nao);
    janela.excluir();
    EXPECT_EQ(TextoTabela("EMBALAGE").count('\n'), 1);
}

TEST_F(CadastrosPcp, ParametrizacaoEditaAPrimeiraLinhaQualquerQueSejaAFilial) {
    for (int filial : {1, 2}) {
        Tabela t("Pcpcfg");
        t.abrir();
        t.incluir();
        t.campo("Filial").definir(filial);
        t.campo("UltimaFormula").definir(filial * 10);
        t.gravar();
    }
    Sess().Filial = 2;
    TfoParametrizacao janela;
    ASSERT_TRUE(janela.abrir());
    EXPECT_EQ(janela.findChild<QLineEdit*>("UltimaFormula")->text(), "10");
    digitar(janela, "UltimaFormula", "99");
    janela.fechar();
    EXPECT_EQ(TextoTabela("Pcpcfg"), "1||||||10\n2||||||20");
    ASSERT_TRUE(janela.abrir());
    digitar(janela, "UltimaFormula", "50");
    janela.ok();
    EXPECT_EQ(TextoTabela("Pcpcfg"), "1||||||50\n2||||||20");
}
