// The list of samples made for companies: the branch's formulas whose
// sample date lies in a period, product by product in key order, those of
// customers whose trade name begins with "*", each with its quantity (the
// sum of its components), its cost in dollars (list 6 per thousand of the
// quantity) and in reais (at the dollar value of one exact date), and the
// total in reais at the end.
#pragma once

#include <QDate>
#include <functional>
#include <optional>

class Dinheiro;
class SessaoBanco;

// The VALOR of currency 1 (the dollar) on exactly `data` in VALORES.DB;
// nothing when that date has no value. Throws ErroBanco.
std::optional<double> DolarDoDia(const QDate& data, SessaoBanco* sessao = nullptr);

// Writes the report through the text report engine (IniciarRelatorio to
// FinalizarRelatorio) at `dolar` reais per dollar, under the current print
// settings; `avancar` is told the position of each product of the branch
// and their count. Returns the total in reais. Throws ErroBanco and
// ErroSaidaTexto.
Dinheiro ImprimirRelacaoAmostras(int filial, const QDate& inicio, const QDate& fim, double dolar,
                                 const std::function<void(int, int)>& avancar = {},
                                 SessaoBanco* sessao = nullptr);
