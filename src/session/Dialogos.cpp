#include "Dialogos.h"

#include <cstdio>

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
} // namespace

Dialogos& Dialogos::atual() {
    return *atualPtr;
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
