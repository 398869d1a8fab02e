// Values shown with every product row of ESTPROMA.DB but never stored:
// Classi, SaldoFisico and NomeNivel3. Each is computed from the current row
// of the product cursor the helper was given, when it is asked for.
#pragma once

#include <QString>
#include <memory>

class ConjuntoDados;
class Tabela;

class ProdutoDerivados {
public:
    // REQUIRES: `produto` is a cursor or query holding the ESTPROMA fields;
    // it must outlive the helper.
    explicit ProdutoDerivados(ConjuntoDados& produto);
    ~ProdutoDerivados();

    // Nivel1 ... Nivel5 one after another, nothing between them (18
    // characters when every level fills its width).
    QString Classi() const;
    // QTD_FIS - QTD_EMP1 to four decimals; negative when more is committed
    // than held.
    double SaldoFisico() const;
    // DESCRIC3 of the ESTNIV3.DB row with the product's Filial and Nivel3,
    // read from the product's database; "" when there is none.
    QString NomeNivel3();

private:
    ConjuntoDados& produto_;
    std::unique_ptr<Tabela> niveis3_; // opened at first use
};
