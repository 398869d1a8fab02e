// Price arithmetic of the product register: the markup and sale-price
// pairs of the statistics page, the lists derived from list 1, and the
// net purchase price and margin columns of the price worksheet. Pure
// functions; the data module reads and writes the fields.
#pragma once

#include <array>
#include <optional>

// Rounded with the ABNT NBR 5891 tie rule whatever the process-wide mode.
double ArredondarABNT(int decimais, double valor);

// Sale price of a markup: custo + custo × markup / 100 to four decimals;
// installations 170 and 175 then keep two decimals (ABNT).
double PrecoVendaPeloMarkup(double custo, double markup, int fatModNf);
// Markup of a sale price: (preco / custo − 1) × 100, four decimals (ABNT),
// two for 170 and 175; 0 when either value is 0.
double MarkupPeloPrecoVenda(double preco, double custo, int fatModNf);

// Lists 2 ... 6 from list 1 and the branch's Percent_L2 ... Percent_L6:
// lista1 + lista1 × p / 100 rounded to four decimals (ABNT), two more for
// installation 47; an empty entry where the percentage is zero (that list
// stays as it is).
std::array<std::optional<double>, 5>
ListasDaLista1(double lista1, const std::array<double, 5>& percentuais, int fatModNf);

// The worksheet's purchase price and its discounts and additions.
struct CompraPlanilha {
    double precoCompra = 0;
    double descPer = 0, descVlr = 0;
    double acrePer = 0, acrePer2 = 0, acrePer3 = 0;
    double acreVlr1 = 0, acreVlr2 = 0;
};
// PrecoCompra less DescPer % and DescVlr, then AcrePer, AcrePer2 and
// AcrePer3 % one after another, plus AcreVlr1 and AcreVlr2; each step kept
// to four decimals.
double PrecoCompraLiquido(const CompraPlanilha& c);
// A margin column: liquido × fator, or liquido / fator for a divisor (0
// when the divisor is 0), to four decimals.
double PrecoDaMargem(double liquido, double fator, bool divisor);
