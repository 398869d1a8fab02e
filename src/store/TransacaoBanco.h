// A multi-row transaction on one database: every post, delete and
// statement this station makes on that database while it is open joins
// it, and one durable commit ends it. A scope left without confirmar()
// (an exception, an early return) rolls everything back, drops what the
// cursors read ahead and frees the record locks taken inside. Record
// locks released inside are kept until the end, so no other station edits
// a row whose new values it cannot see yet. Nested transactions on the
// same database join the outermost one; when an inner one rolls back, the
// whole transaction is lost and the outer confirmar() throws.
//
// While one is open the other stations wait on the database's write
// lock: no modal message may be shown (messages of Dialogos are held and
// shown when it ends), and long walks repaint without taking input.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class Banco;
class SessaoBanco;

class TransacaoBanco {
public:
    // Begins at once (BEGIN IMMEDIATE). Throws ErroBanco when the database
    // cannot be written.
    explicit TransacaoBanco(const QString& nomeBanco = QStringLiteral("Orvalo"),
                            SessaoBanco* sessao = nullptr);
    ~TransacaoBanco();
    TransacaoBanco(const TransacaoBanco&) = delete;
    TransacaoBanco& operator=(const TransacaoBanco&) = delete;

    // Commits (the outermost one) or joins the outer one's commit.
    void confirmar();
    // Rolls the whole transaction back now.
    void desfazer();

    // True while any multi-row transaction of this process is open.
    static bool algumaAberta();
    // `f` runs each time the last open transaction of the process ends
    // (committed or rolled back). One function; nullptr removes it.
    static void aoTerminar(std::function<void()> f);

private:
    Banco* banco_;
    std::weak_ptr<bool> vivo_;
    bool ativa_ = true;
};
