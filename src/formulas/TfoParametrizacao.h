// The PCP parameters window ("Parametrização do PCP"): the first row of
// Pcpcfg.DB in key order, whatever the current branch, put in edit while
// the window is open, with its formula counter "Ultima Formula". "OK"
// posts and closes; "Fechar" discards and closes.
#pragma once

#include "Tabela.h"

#include <QWidget>

class QLineEdit;
class VinculoCampos;

class TfoParametrizacao : public QWidget {
public:
    explicit TfoParametrizacao(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Opens the table and puts its first row in edit (a table without rows
    // gets one for the current branch). False when the store failed or the
    // operator gave up on a locked row; the field then stays read-only.
    bool abrir();
    void ok();
    void fechar();
    Tabela& tabela() { return tabela_; }

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    Tabela tabela_;
    VinculoCampos* vinculo_;
};
