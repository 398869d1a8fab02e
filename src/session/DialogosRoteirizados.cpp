#include "DialogosRoteirizados.h"

Resposta DialogosRoteirizados::mensagem(TipoMensagem tipo, const QString& titulo,
                                        const QString& texto, Botoes botoes) {
    mostrados_.append({tipo, titulo, texto, botoes, false});
    if (!respostas_.empty()) {
        const Resposta r = respostas_.front();
        respostas_.pop_front();
        return r;
    }
    return botoes == Botoes::Ok || botoes == Botoes::OkCancelar ? Resposta::Ok : Resposta::Sim;
}

bool DialogosRoteirizados::entrada(const QString& titulo, const QString& prompt, QString& valor,
                                   bool) {
    mostrados_.append({TipoMensagem::Informacao, titulo, prompt, Botoes::OkCancelar, true});
    if (entradas_.empty())
        return false;
    const auto [ok, texto] = entradas_.front();
    entradas_.pop_front();
    if (ok)
        valor = texto;
    return ok;
}

QStringList DialogosRoteirizados::textos() const {
    QStringList r;
    for (const auto& d : mostrados_)
        r << d.texto;
    return r;
}
