// The company password window: what reaches SenhaEmpresaDigitada.
#include "app/TfoSenhaEmpresa.h"
#include "session/Sessao.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(TfoSenhaEmpresaTest, OkGuardaOTextoECancelarDeixaVazio) {
    Sessao::Reiniciar();
    Sess().SenhaEmpresaDigitada = "anterior";
    TfoSenhaEmpresa janela;
    EXPECT_EQ(janela.windowTitle(), "Verificação de Senha");
    janela.show();
    EXPECT_EQ(Sess().SenhaEmpresaDigitada, "");
    auto* campo = janela.findChild<QLineEdit*>("Senha");
    EXPECT_EQ(campo->echoMode(), QLineEdit::Password);
    campo->setText("S3nha");
    janela.findChild<QPushButton*>("OK")->click();
    EXPECT_EQ(Sess().SenhaEmpresaDigitada, "S3nha");
    EXPECT_EQ(janela.result(), QDialog::Accepted);

    TfoSenhaEmpresa outra;
    outra.show();
    outra.findChild<QLineEdit*>("Senha")->setText("nada");
    outra.findChild<QPushButton*>("Cancelar")->click();
    EXPECT_EQ(Sess().SenhaEmpresaDigitada, "");
    EXPECT_FALSE(outra.isVisible());
}
