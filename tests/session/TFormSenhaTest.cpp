// The password window: Enter moves through the fields or confirms, and
// each showing starts empty.
#include "session/TFormSenha.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
void enter(QWidget* w) {
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

struct Campos {
    QLineEdit* senha;
    QLineEdit* usuario;
    QLineEdit* senhaUsuario;
};

Campos campos(TFormSenha& f) {
    QWidget* painel = f.findChild<QWidget*>("PainelUsuario");
    return {f.findChild<QLineEdit*>("Senha", Qt::FindDirectChildrenOnly),
            painel->findChild<QLineEdit*>("Usuário"), painel->findChild<QLineEdit*>("Senha")};
}
} // namespace

TEST(TFormSenha, EnterAvancaPeloPainelOuConfirma) {
    TFormSenha f;
    const Campos c = campos(f);
    f.preparar("Entre com a senha 119", true);
    f.show();
    EXPECT_EQ(f.windowTitle(), "Entre com a senha 119");
    EXPECT_EQ(f.focusWidget(), c.senha);
    enter(c.senha);
    EXPECT_EQ(f.focusWidget(), c.usuario);
    enter(c.usuario);
    EXPECT_EQ(f.focusWidget(), c.senhaUsuario);
    enter(c.senhaUsuario);
    EXPECT_EQ(f.focusWidget(), f.findChild<QWidget*>("OK"));
    EXPECT_TRUE(f.isVisible());

    // Each showing starts empty, in the access password.
    c.senha->setText("x");
    c.usuario->setText("JOAO");
    f.preparar("Entre com a senha 107", false);
    EXPECT_EQ(f.senha() + f.usuario(), "");
    EXPECT_EQ(f.focusWidget(), c.senha);
    enter(c.senha);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
}
