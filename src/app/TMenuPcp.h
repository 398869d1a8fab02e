// The main menu ("Planejamento e Controle da Produção"): a menu bar placed
// by the branch window at the top left, 800 wide, that opens the windows of
// the system non-modally, over a status bar naming the company and branch
// of the session. An entry whose window the program does not have
// is disabled. "Sair", or closing the window, announces fechado() and
// releases the menu; the branch window then shows itself again.
#pragma once

#include <QMainWindow>

class Modulos;
class QAction;

class TMenuPcp : public QMainWindow {
    Q_OBJECT
public:
    explicit TMenuPcp(Modulos& modulos, QWidget* parent = nullptr);

    Modulos& modulos() { return modulos_; }
    // The entry `entrada` of the menu `menu`, or nullptr.
    QAction* acao(const QString& menu, const QString& entrada) const;

signals:
    void fechado();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    Modulos& modulos_;
};
