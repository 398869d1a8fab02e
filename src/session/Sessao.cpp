#include "Sessao.h"

namespace {
DadosSessao& instancia() {
    static DadosSessao d;
    return d;
}
} // namespace

DadosSessao& Sessao::dados() {
    return instancia();
}
void Sessao::Reiniciar() {
    instancia() = DadosSessao();
}
