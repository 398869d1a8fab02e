// The branch selection window ("Menu Empresa"): the branches of the chosen
// company, "OK" and "Sair". OK fills the branch part of the session, hides
// this window and shows the main menu; closing the menu brings this window
// back with the list disabled and a note saying why (another branch needs a
// new start). Sair or
// closing asks "Deseja encerrar do programa?" and ends the program on Yes.
#pragma once

#include <QPointer>
#include <QWidget>

class Modulos;
class TDMFilial;
class TMenuPcp;
class QLabel;
class QListWidget;

class TMenuFilial : public QWidget {
    Q_OBJECT
public:
    // REQUIRES: TDMFilial already created in `modulos`.
    explicit TMenuFilial(Modulos& modulos, QWidget* parent = nullptr);

    // Shows the window modally (the caller goes on at once).
    void abrir();
    void ok();
    // The open main menu, or nullptr.
    TMenuPcp* menu() const;

signals:
    // The operator confirmed leaving: the program ends.
    void encerrar();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void aoFecharMenu();

    Modulos& modulos_;
    TDMFilial& dm_;
    QListWidget* lista_;
    QLabel* aviso_;
    QPointer<TMenuPcp> menu_;
};
