// The stock card of one product and month, computed whole so that the
// window only pages it: the opening position (the previous month's balance
// rows of the chosen sizes and deposits), every movement of the month in
// the order of NOTAI's index AnoMes with its quantity, unit average cost
// and the running physical balance, the closing position, the open orders
// and the price panel of the installation.
//
// Before an open month is read its average cost is recomputed for the
// product (CalculaCustoMedio) when the stock processing date allows it;
// otherwise the stored values are shown. An item without header is still
// listed and counted: the messages that name it travel with its row and
// are shown when its page is.
//
// Two forms: the deposit card (TFoFichadeEstoque: deposit range, second
// unit, unit price, orders, price panel) and the colour card
// (TfoConsFichaEstoque2, where Cod_Deposi holds a colour).
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class SessaoBanco;

struct FiltroFicha {
    QString mesAno; // "MMYYYY" or "MM/YYYY", as typed
    int produto = 0;
    // Deposit card: the texts of the two deposit boxes (empty counts as
    // 0; the range filters only when both are non-zero), the size (empty:
    // every size) and the second unit.
    QString depositoInicial = "1", depositoFinal = "1";
    QString tamanho;
    bool quant2 = false;
    // Colour card: the colour (0: every colour) and the size ("TODOS" or
    // empty: every size).
    bool porCor = false;
    int cor = 0;
};

struct LinhaFicha {
    QStringList mensagens; // shown when the row's page is
    QString dia, nota, cliente, hst, quantidade, custoMedio, precoUnitario, saldoFisico;
};

struct FichaEstoque {
    static constexpr int LinhasPorPagina = 11;

    // False when the month was refused (its message shown): nothing to show.
    bool calculada = false;
    // The average cost was recomputed before reading.
    bool recalculada = false;
    QString valorAnterior, quantidadeAnterior;
    std::vector<LinhaFicha> linhas;
    QString valorFinal, quantidadeFinal;
    QString vales, pedidos, compras; // deposit card only
    std::array<QString, 5> rotulosPrecos{"Lista 1", "Lista 2", "Lista 3", "Lista 4", "Lista 5"};
    std::array<QString, 5> precos;

    // At least one page, even for a month without movements.
    int paginas() const;
};

// Checks the month ("Data Invalida:", "Periodo Sem Acesso"), recomputes,
// reads. Store failures show their text and give an uncomputed card.
FichaEstoque CalcularFichaEstoque(const FiltroFicha& filtro, SessaoBanco* sessao = nullptr);

// Open quantity of the product's order items of `sistema` ("0" sales, "1"
// purchases): each item's QUANTIDADE − QT_ENTREGE − QT_CANCELA, 0 when
// negative; with `sistema` "0" and a `tipo`, only items whose header has
// that Tipo. Throws ErroBanco.
double SaldoPedidosAbertos(const QString& sistema, int produto, const QString& tipo,
                           SessaoBanco* sessao = nullptr);

// The products of the current branch the card chooses from.
struct ProdutoFicha {
    int codigo = 0;
    QString referencia, nome;
};
std::vector<ProdutoFicha> ProdutosDaFilial(SessaoBanco* sessao = nullptr);
// The product's sizes (Tamanho.DB), in order. Throws ErroBanco.
QStringList TamanhosDoProduto(int produto, SessaoBanco* sessao = nullptr);
// "000 - TODAS", then "%3.3d - Descricao" of every row of Cores.
QStringList CoresDaFicha(SessaoBanco* sessao = nullptr);
