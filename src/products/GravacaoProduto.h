// The rules of a product's inclusion and save that need no window: the
// defaults of a new row, the checks run before the post, the balance that
// forbids a deactivation, the reference that must be unique, the log
// texts and the record of a changed description.
#pragma once

#include "services/Dinheiro.h"

#include <QDate>
#include <QString>
#include <array>
#include <vector>

class ConjuntoDados;
class SessaoBanco;

// What the last product saved since the window opened leaves as defaults
// for the next inclusion.
struct UltimosValoresProduto {
    bool definidos = false;
    std::array<QString, 5> niveis; // Nivel1 ... Nivel5
    QString marca;
    QString nome1;
    QString clasFisc;
};

// Writes the defaults of a new product into `produto`, in insert state:
// Filial (Sess()), Cod_Reduz, Grade "0", Conversao 1, Situacao "1",
// Sit_Tribut "0", Nivel5 "000001", Transf_Icm 100, ProdutoControlado false,
// DataCadastro today, UNID_PAD "PC" for the installations that use it;
// then, except for installation 75, the last saved levels, Marca and Nome1,
// and CLAS_FISC when the branch parameter CopiaClassFiscCadNovoProduto is on.
void PreencherPadroesProduto(ConjuntoDados& produto, int codigo,
                             const UltimosValoresProduto& ultimos);

// The values of the product just saved, for the next inclusion.
UltimosValoresProduto UltimosValoresDe(ConjuntoDados& produto);

// The message of the first empty mandatory field (unit, conversion,
// origin, item type, description, in that order); "" when all are filled.
QString VerificarCamposProduto(ConjuntoDados& produto);

// True when another product of the branch has the reference. An empty
// reference is never a duplicate.
bool ReferenciaDuplicada(int filial, int codigo, const QString& referencia,
                         SessaoBanco* sessao = nullptr);

// The balance of one deposit of a product, all sizes together.
struct SaldoDeposito {
    int deposito = 0;
    Dinheiro saldo;
};

// The product's balance per deposit now: the previous month's Fisico (the
// month before `hoje`; January goes back to December) plus this month's
// items by their own Parametro: below 50 adds, above 50 subtracts, 50
// does nothing. Deposits in ascending order. Throws ErroBanco.
std::vector<SaldoDeposito> SaldosPorDeposito(int filial, int codigo, const QDate& hoje,
                                             SessaoBanco* sessao = nullptr);

// "" when the balances add up to zero; else "Produto com saldo não pode
// ser desativato" and one line "Saldo no deposito: n = 12,5000" for each
// deposit whose balance is not zero.
QString MensagemSaldoDesativacao(const std::vector<SaldoDeposito>& saldos);

// "Inclusão Produto  |" (or "Edição de Produto  |" when `alteracao`) + code
// + "|" + description + " |Class Fisc " + NCM + " |Producao: " + Producao.
QString TextoLogGravacao(ConjuntoDados& produto, bool alteracao);

// The description-change record of (branch, code, today): inserted, or
// rewritten when today's row exists, with the description before the
// change. Throws ErroBanco.
void RegistrarAlteracaoDescricao(int filial, int codigo, const QString& descricaoAnterior,
                                 const QDate& hoje, SessaoBanco* sessao = nullptr);
