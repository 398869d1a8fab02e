// The branch's price factors ("Cadastro de Fatores"): "Fator 1" ...
// "Fator 5" and the formula counter "UltimaFormula" of the branch's row of
// Pcpcfg.DB, which is created when missing and held in edit (its record
// lock taken) while the window is open, behind access code 82. "OK"
// saves and closes; "Cancelar", a refused code and every other close
// discard the edits and free the lock.
#pragma once

#include "store/Tabela.h"

#include <QWidget>

class VinculoCampos;

class TfoCadFatores : public QWidget {
public:
    explicit TfoCadFatores(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Finds or creates the branch's row, puts it in edit and asks access
    // code 82; when any step fails the window closes. Showing the window
    // runs it once the window is on screen.
    bool iniciar();
    void ok();
    void cancelar();
    Tabela& tabela() { return tabela_; }

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    Tabela tabela_;
    VinculoCampos* vinculo_;
};
