#include "TransacaoBanco.h"

#include "Banco_interno.h"
#include "SessaoBanco.h"

namespace {
std::function<void()>& aoTerminarFn() {
    static std::function<void()> f;
    return f;
}
} // namespace

void NotificarFimTransacao() noexcept {
    if (Banco::transacoesAbertas() != 0 || !aoTerminarFn())
        return;
    try {
        aoTerminarFn()();
    } catch (...) {
        // Showing held messages must not turn a finished transaction into a failure.
    }
}

TransacaoBanco::TransacaoBanco(const QString& nomeBanco, SessaoBanco* sessao) {
    SessaoBanco& s = sessao ? *sessao : SessaoBanco::padrao();
    banco_ = &s.banco(s.diretorio(nomeBanco));
    banco_->iniciarTransacao();
    vivo_ = banco_->vida();
}

TransacaoBanco::~TransacaoBanco() {
    if (ativa_ && !vivo_.expired())
        banco_->desfazerTransacao();
}

void TransacaoBanco::confirmar() {
    if (!ativa_ || vivo_.expired())
        return;
    ativa_ = false;
    try {
        banco_->confirmarTransacao();
    } catch (...) {
        banco_->desfazerTransacao();
        throw;
    }
}

void TransacaoBanco::desfazer() {
    if (!ativa_ || vivo_.expired())
        return;
    ativa_ = false;
    banco_->desfazerTransacao();
}

bool TransacaoBanco::algumaAberta() {
    return Banco::transacoesAbertas() > 0;
}

void TransacaoBanco::aoTerminar(std::function<void()> f) {
    aoTerminarFn() = std::move(f);
}
