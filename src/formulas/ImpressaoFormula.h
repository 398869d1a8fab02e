// The formula printout's data and pages: the list of every branch's
// formulas in text order of the number, the range a print walks, and the
// page of one formula the worker mixes from, written into the text report
// engine's buffer (RelatorioTexto.h) under the current print settings.
//
// A formula's product, components and customer are looked up in the
// formula's own branch, so a formula of another branch prints its own
// names. Components that do not fit above the "PESO TOTAL" line (31) or
// within the 33 lines of a page go on to a next page that repeats the
// heading (lines 1 to 11); the total goes on the last page.
#pragma once

#include "Consulta.h"
#include "Tabela.h"

#include <QList>
#include <QString>

struct FormulaListada {
    int filial = 0;
    QString formula;
};

// The rows of `lista` from `inicio` on, up to the first whose number lies
// below `inicial` or above `final` (compared as text, so "1000" lies
// between "100" and "105").
QList<FormulaListada> FaixaFormulas(const QList<FormulaListada>& lista, int inicio,
                                    const QString& inicial, const QString& final);

class DadosRelFormula {
public:
    explicit DadosRelFormula(SessaoBanco* sessao = nullptr);

    // Runs the list and opens the lookup cursors. Throws ErroBanco.
    void abrir();
    void fechar();
    // The list's rows, in its order.
    QList<FormulaListada> lista();

    // True when the formula is protected (Senha). Throws ErroBanco.
    bool protegida(const FormulaListada& f);
    // Writes and emits the formula's page(s). False, after "Produto nao
    // cadastrado", when its product is missing (nothing is emitted) or
    // when the formula no longer exists. Throws ErroBanco and
    // ErroSaidaTexto.
    bool imprimir(const FormulaListada& f);

    Consulta QLista; // FILIAL, FORMULA, COD_CLIFOR, COD_REDUZ, COR, DATACAD

private:
    void cabecalho();

    Tabela formula_;
    Tabela componentes_;
    Tabela produto_;
    Tabela componente_;
    Tabela cliente_;
    Tabela resptec_;
    Tabela matizador_;
};
