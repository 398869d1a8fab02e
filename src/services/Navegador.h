// A small web browser as the windows need one: go to an address, hear when
// a page has started and finished loading (with the address it ended on),
// set or click a form element by name, read the page as text.
//
// NavegadorHttp is the program's: plain HTTP, forms submitted by hand and
// the page turned into text, no scripts. Tests may put a fake in its place.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class Navegador {
public:
    virtual ~Navegador() = default;

    virtual void navegar(const QUrl& endereco) = 0;
    // The address of the page shown (after redirections).
    virtual QUrl endereco() const = 0;
    // The names of the elements of every form of the page, in order.
    virtual QStringList elementos() const = 0;
    // Sets the value of the first element named `nome`; false when none.
    virtual bool definirElemento(const QString& nome, const QString& valor) = 0;
    // Clicks the first element named `nome`: a submit button submits its
    // form with the values set. False when none.
    virtual bool clicarElemento(const QString& nome) = 0;
    // The page's text, one line per line of the rendered page.
    virtual QString texto() const = 0;

    std::function<void()> aoIniciar;
    std::function<void(const QUrl&)> aoCarregar;
};
