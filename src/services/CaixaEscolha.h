// A combo box for choosing a row by its name (a customer, a product, a
// raw material, a technician).
//
// - Its list can be read again each time it opens (antesDeAbrir), so rows
//   registered meanwhile appear.
// - The drop-down is as wide as the longest name (all columns of a table
//   view), within the screen, so names are read whole.
// - Typing picks the first item that starts with everything typed so far,
//   spaces included ("OXIDO DE FERRO V"), as long as each key comes within
//   1.5 s of the last (Relogio); Backspace takes back a letter. A letter
//   that matches nothing beeps and is dropped.
#pragma once

#include <QComboBox>
#include <QDateTime>
#include <QString>
#include <functional>

class CaixaEscolha : public QComboBox {
public:
    explicit CaixaEscolha(QWidget* pai = nullptr);

    std::function<void()> antesDeAbrir;

    void showPopup() override;
    // What the type-ahead holds.
    const QString& digitado() const { return digitado_; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    bool procurar(const QString& prefixo);
    int larguraLista() const;

    QString digitado_;
    QDateTime ultimaTecla_;
};
