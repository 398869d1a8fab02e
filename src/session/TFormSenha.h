// The access password window: "Senha" (masked), a panel with "Usuário"
// (at most 6 characters) and a second "Senha" (at most 8, masked), "OK"
// and "Cancelar". Enter in the access password moves to the user code when
// the panel is visible, else confirms; Enter in a user field moves on.
#pragma once

#include "JanelaSenha.h"

#include <QDialog>

class QLineEdit;
class QWidget;

class TFormSenha : public QDialog, public JanelaSenha {
    Q_OBJECT
public:
    explicit TFormSenha(QWidget* parent = nullptr);

    // Sets the caption, shows or hides the user panel, empties the fields
    // and puts the cursor in the access password.
    void preparar(const QString& legenda, bool pedeUsuario);

    bool executar(const QString& legenda, bool pedeUsuario) override;
    QString senha() const override;
    QString usuario() const override;
    QString senhaUsuario() const override;

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    QLineEdit* edSenha_;
    QWidget* painelUsuario_;
    QLineEdit* edUsuario_;
    QLineEdit* edSenhaUsuario_;
};
