#include "PrecosProduto.h"

#include "Arredondamento.h"
#include "Dinheiro.h"

namespace {
Dinheiro D(double v) {
    return Dinheiro::deNumero(v);
}
const Dinheiro Cem = Dinheiro::deNumero(100);

bool duasCasas(int fatModNf) {
    return fatModNf == 170 || fatModNf == 175;
}
} // namespace

double ArredondarABNT(int decimais, double valor) {
    const QString antes = ModoArredondamento();
    DefinirModoArredondamento(ModoABNT5891);
    const double r = Arredondar(decimais, valor);
    DefinirModoArredondamento(antes);
    return r;
}

double PrecoVendaPeloMarkup(double custo, double markup, int fatModNf) {
    const Dinheiro c = D(custo);
    const double preco = (c + Dinheiro::proporcao(c, D(markup), Cem)).numero();
    return duasCasas(fatModNf) ? ArredondarABNT(2, preco) : preco;
}

double MarkupPeloPrecoVenda(double preco, double custo, int fatModNf) {
    if (preco == 0 || custo == 0)
        return 0;
    return ArredondarABNT(duasCasas(fatModNf) ? 2 : 4, (preco / custo - 1) * 100);
}

std::array<std::optional<double>, 5>
ListasDaLista1(double lista1, const std::array<double, 5>& percentuais, int fatModNf) {
    std::array<std::optional<double>, 5> listas;
    for (size_t i = 0; i < percentuais.size(); ++i) {
        if (percentuais[i] == 0)
            continue;
        double v = ArredondarABNT(4, lista1 + lista1 * percentuais[i] / 100);
        if (fatModNf == 47)
            v = ArredondarABNT(2, v);
        listas[i] = v;
    }
    return listas;
}

double PrecoCompraLiquido(const CompraPlanilha& c) {
    Dinheiro v = D(c.precoCompra);
    v -= Dinheiro::proporcao(v, D(c.descPer), Cem) + D(c.descVlr);
    for (double p : {c.acrePer, c.acrePer2, c.acrePer3})
        v += Dinheiro::proporcao(v, D(p), Cem);
    v += D(c.acreVlr1) + D(c.acreVlr2);
    return v.numero();
}

double PrecoDaMargem(double liquido, double fator, bool divisor) {
    if (!divisor)
        return (D(liquido) * D(fator)).numero();
    return fator == 0 ? 0 : (D(liquido) / D(fator)).numero();
}
