#include "ValoresTemporarios.h"

#include "ValorDolar.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"

ValoresTemporarios::ValoresTemporarios(SessaoBanco* sessao) : tabela_("TMPVALORES", sessao) {
    tabela_.setNomeBanco("Orvalo");
}

ValoresTemporarios::~ValoresTemporarios() {
    encerrar();
}

bool ValoresTemporarios::iniciarEmBranco() {
    try {
        encerrar();
        tabela_.abrir();
        tabela_.incluir();
        return true;
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
}

bool ValoresTemporarios::iniciar(const QDate& data) {
    if (!iniciarEmBranco())
        return false;
    const std::optional<ValorMoeda> dolar = ValorDolar(data, &tabela_.sessao());
    if (!dolar)
        return false;
    tabela_.campo("Valor1").definir(dolar->valor);
    data_ = dolar->data;
    return true;
}

double ValoresTemporarios::valor() {
    return tabela_.estado() == EstadoDados::Inserindo ? tabela_.campo("Valor1").numero() : 0;
}

void ValoresTemporarios::encerrar() {
    data_ = QDate();
    tabela_.cancelar();
    tabela_.fechar();
}
