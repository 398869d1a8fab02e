// The dollar value of a date: costs are kept in dollars and converted with
// the value of currency 1 (the dollar) in VALORES.DB.
#pragma once

#include <QDate>
#include <optional>

class SessaoBanco;

struct ValorMoeda {
    double valor = 0;
    QDate data; // date of the value used
};

// The value of the first date at or after `data`; when the dollar has
// values dated only before `data`, the latest of them. Nothing, after
// "Valor do dolar não cadastrado", when the dollar has no value at all, or
// after the store's text.
std::optional<ValorMoeda> ValorDolar(const QDate& data, SessaoBanco* sessao = nullptr);
