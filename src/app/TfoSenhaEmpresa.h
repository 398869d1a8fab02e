// The company password window ("Verificação de Senha"): one masked field,
// "OK" and "Cancelar". Showing it empties SenhaEmpresaDigitada of the
// session; OK (or Enter) stores the typed text there and closes; Cancelar
// or Esc closes leaving it empty. Created anew for each company.
#pragma once

#include <QDialog>

class QLineEdit;

class TfoSenhaEmpresa : public QDialog {
    Q_OBJECT
public:
    explicit TfoSenhaEmpresa(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void ok();

    QLineEdit* edSenha_;
};
