// The month-end balances of one product as a grid of colours by sizes:
// one row per (colour, store), with each size's balance (SLDPR.Fisico of
// the size, Cod_Deposi holding the colour) and the quantity out on
// approval (documents of history 54 or 55, of any month), for the own
// store and, on request, for the other stores' databases. Stored balances
// are read as they are; nothing is recomputed.
//
// The rows are the station's own: they live in memory for the window that
// asked, so two stations consulting at once never touch each other's.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class SessaoBanco;

constexpr int TamanhosSaldos = 10;

struct LinhaSaldosProduto {
    QString cor; // Descricao + " (" + code + ")", empty without a Cores row
    int loja = 0;
    std::array<std::optional<double>, TamanhosSaldos> tamanhos, condicionais;
};

struct SaldosPorProduto {
    // The titles of the size columns: "Qtd" first for a product without
    // sizes, else its first ten sizes; the rest empty.
    QStringList titulos;
    std::vector<LinhaSaldosProduto> linhas;
    QMap<int, QString> lojas; // store names of the other stores' run
};

// A store reached with "Todas as Lojas": its number and directory
// (Windows-shaped, ending in "\").
struct LojaSaldos {
    int loja;
    QString nome;
    QString diretorio;
};
// The other stores of the installation (FatModNf 51 and 167: stores 1 to
// 7 under the drive's "ORVALO\LOJA<nn>\", 167 without store 5; others:
// the company catalogue's rows), without the session's own store. Throws
// ErroBanco.
std::vector<LojaSaldos> OutrasLojas(SessaoBanco* sessao = nullptr);

// "Todas as Lojas" is offered: installations 167 and 207, and 51 for the
// levels "ADM" and "SUP"; never, with group permissions, to a user without
// AcessoCnsSldProdTodasLjs.
bool MostraTodasAsLojas();

// `mesAno` "MM/YYYY". `outras` are the stores to add (empty: the own store
// only); `avancar` is told each store done. Throws ErroBanco, naming the
// store whose tables could not be read.
SaldosPorProduto ConsultarSaldosPorProduto(const QString& mesAno, int produto,
                                           const std::vector<LojaSaldos>& outras,
                                           const std::function<void(int)>& avancar = {},
                                           SessaoBanco* sessao = nullptr);
