// The scratch row of TMPVALORES.DB in which a window holds the values the
// operator types: appended when the window starts (for a consultation,
// Valor1 the dollar value of the day), open to the operator's changes, and
// cancelled when the window ends. It is never posted, so the table
// stays empty at rest and other stations never see it.
#pragma once

#include "store/Tabela.h"

#include <QDate>

class ValoresTemporarios {
public:
    explicit ValoresTemporarios(SessaoBanco* sessao = nullptr);
    ~ValoresTemporarios();
    ValoresTemporarios(const ValoresTemporarios&) = delete;
    ValoresTemporarios& operator=(const ValoresTemporarios&) = delete;

    // Appends the row with Valor1 = the dollar value of `data`. False after
    // the message of ValorDolar (the row is there, Valor1 empty) or after
    // the store's text (no row).
    bool iniciar(const QDate& data);
    // Appends the row with every value blank. False after the store's text.
    bool iniciarEmBranco();
    // Valor1 as it stands; 0 without a row.
    double valor();
    // Date of the dollar value found by iniciar(); invalid without one.
    QDate data() const { return data_; }
    // Cancels the row.
    void encerrar();

    // The cursor, for boxes bound to Valor1 ... Valor11.
    Tabela& tabela() { return tabela_; }

private:
    Tabela tabela_;
    QDate data_;
};
