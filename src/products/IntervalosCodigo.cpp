#include "IntervalosCodigo.h"

#include "AcessoDados.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "Sessao.h"
#include "Tabela.h"

#include <algorithm>

namespace {

FaixaCodigo lerFaixa(Tabela& t, int tipo) {
    const QString s = SufixoFaixa(tipo);
    return {t.campo("Cod_Ini" + s).inteiro(), t.campo("Cod_Fim" + s).inteiro(),
            t.campo("UltCod_" + s).inteiro()};
}

FaixasCodigo lerFaixas(Tabela& t) {
    FaixasCodigo f;
    for (int tipo = 1; tipo <= 6; ++tipo)
        f[size_t(tipo - 1)] = lerFaixa(t, tipo);
    return f;
}

bool contem(const FaixaCodigo& f, int codigo) {
    return f.de <= codigo && codigo <= f.ate;
}

// Opens LIMITCOD on the branch's row; false when the branch has none.
bool abrirLinha(Tabela& t) {
    t.abrir();
    return t.localizarChave({Sess().Filial});
}

bool gravarOuDesistir(Tabela& t) {
    if (GravarRegistro(t))
        return true;
    t.cancelar();
    return false;
}

bool avancar(int codigo, SessaoBanco* sessao) {
    Tabela t("LIMITCOD", sessao);
    if (!abrirLinha(t))
        return true; // no ranges, nothing to advance
    if (!EditarRegistro(t))
        return false;
    // The edit re-read the row under its lock, so a higher code stored by
    // another station meanwhile is seen here and kept.
    for (int tipo = 1; tipo <= 6; ++tipo) {
        const FaixaCodigo f = lerFaixa(t, tipo);
        if (contem(f, codigo) && f.ultimo < codigo)
            t.campo("UltCod_" + SufixoFaixa(tipo)).definir(codigo);
    }
    return gravarOuDesistir(t);
}

} // namespace

QString SufixoFaixa(int tipo) {
    static const char* const sufixos[] = {"Cli", "Ven", "For", "Tra", "Ban", "Div"};
    return (tipo >= 1 && tipo <= 6) ? QString::fromLatin1(sufixos[tipo - 1]) : QString();
}

FaixasCodigo LerFaixasCodigo(SessaoBanco* sessao) {
    Tabela t("LIMITCOD", sessao);
    return abrirLinha(t) ? lerFaixas(t) : FaixasCodigo{};
}

int TipoDoCodigo(const FaixasCodigo& faixas, int codigo) {
    int tipo = 0;
    for (int i = 0; i < 6; ++i)
        if (contem(faixas[size_t(i)], codigo))
            tipo = i + 1;
    return tipo;
}

int ProximoCodigo(const FaixaCodigo& faixa) {
    const int proximo = std::max(faixa.ultimo + 1, faixa.de);
    return proximo <= faixa.ate && proximo > 0 ? proximo : 0;
}

bool CheckCodeInterval(int codigo, const QString& modo, int* tipo, SessaoBanco* sessao) {
    try {
        if (modo == "L") {
            const int achado = TipoDoCodigo(LerFaixasCodigo(sessao), codigo);
            if (tipo)
                *tipo = achado;
            if (achado == 0) {
                MostrarMensagem("Codigo Fora Dos Intervalos Autorizado");
                return false;
            }
            return true;
        }
        if (modo == "G")
            return codigo == 30000 || avancar(codigo, sessao);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    return false;
}

bool DevolverCodigo(int codigo, int tipo, SessaoBanco* sessao) {
    if (tipo < 1 || tipo > 6)
        return true;
    const QString campo = "UltCod_" + SufixoFaixa(tipo);
    try {
        Tabela t("LIMITCOD", sessao);
        if (!abrirLinha(t) || t.campo(campo).inteiro() != codigo)
            return true;
        if (!EditarRegistro(t))
            return false;
        // Checked again under the lock: another station may have moved on.
        if (t.campo(campo).inteiro() != codigo) {
            t.cancelar();
            return true;
        }
        t.campo(campo).definir(codigo - 1);
        return gravarOuDesistir(t);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
}
