#include "Dialogos.h"

#include "store/TransacaoBanco.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {
// Until start-up installs the windowed implementation (and in tools without
// windows) messages go to the error stream and questions get the default.
class DialogosConsole : public Dialogos {
public:
    Resposta mensagem(TipoMensagem, const QString& titulo, const QString& texto,
                      Botoes botoes) override {
        std::fprintf(stderr, "%s%s%s\n", qUtf8Printable(titulo), titulo.isEmpty() ? "" : ": ",
                     qUtf8Printable(texto));
        return botoes == Botoes::Ok || botoes == Botoes::OkCancelar ? Resposta::Ok : Resposta::Nao;
    }
    bool entrada(const QString&, const QString&, QString&, bool) override { return false; }
};

DialogosConsole console;
Dialogos* atualPtr = &console;

// While a multi-row transaction is open other stations wait on the
// database's write lock, so nothing modal may be shown: messages are held
// and shown, in order, once the last transaction ends. A question cannot
// wait for its answer; asking one inside a transaction is a program fault.
class DialogosForaDeTransacao : public Dialogos {
public:
    Resposta mensagem(TipoMensagem tipo, const QString& titulo, const QString& texto,
                      Botoes botoes) override {
        if (!TransacaoBanco::algumaAberta())
            return atualPtr->mensagem(tipo, titulo, texto, botoes);
        if (botoes != Botoes::Ok)
            throw std::logic_error("Pergunta ao operador com uma transação aberta: " +
                                   texto.toStdString());
        retidas_.push_back({tipo, titulo, texto});
        TransacaoBanco::aoTerminar([this] { mostrarRetidas(); });
        return Resposta::Ok;
    }
    bool entrada(const QString& titulo, const QString& prompt, QString& valor,
                 bool mascarada) override {
        if (TransacaoBanco::algumaAberta())
            throw std::logic_error("Pergunta ao operador com uma transação aberta: " +
                                   prompt.toStdString());
        return atualPtr->entrada(titulo, prompt, valor, mascarada);
    }

private:
    struct Retida {
        TipoMensagem tipo;
        QString titulo, texto;
    };
    void mostrarRetidas() {
        const std::vector<Retida> lista = std::move(retidas_);
        retidas_.clear();
        for (const Retida& r : lista)
            atualPtr->mensagem(r.tipo, r.titulo, r.texto, Botoes::Ok);
    }
    std::vector<Retida> retidas_;
};

DialogosForaDeTransacao intermediario;
} // namespace

Dialogos& Dialogos::atual() {
    return intermediario;
}
void Dialogos::instalar(Dialogos* d) {
    atualPtr = d ? d : &console;
}

void MostrarMensagem(const QString& texto) {
    Dialogos::atual().mensagem(TipoMensagem::Informacao, QString(), texto, Botoes::Ok);
}
void MostrarErro(const QString& texto) {
    Dialogos::atual().mensagem(TipoMensagem::Erro, QString(), texto, Botoes::Ok);
}
void MostrarAviso(const QString& texto) {
    Dialogos::atual().mensagem(TipoMensagem::Aviso, QString(), texto, Botoes::Ok);
}
bool Confirmar(const QString& texto, const QString& titulo) {
    return Dialogos::atual().mensagem(TipoMensagem::Confirmacao, titulo, texto, Botoes::SimNao) ==
           Resposta::Sim;
}
