// The registration information of a client: its register data, credit
// limit and the part still free, its purchases in a period (sales notes of
// NOTAS, optionally of chosen stock histories), its last payment and how
// it pays its receivables.
#pragma once

#include "services/Dinheiro.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class SessaoBanco;

// Branch, code, name and phone of the parties of register `sistema` of the
// branch, by code or by name. Throws ErroBanco.
QList<QStringList> ClientesInfCadastrais(int filial, const QString& sistema, bool porNome,
                                         SessaoBanco* sessao = nullptr);

struct Compra {
    int nota = 0;
    QDate data;
    Dinheiro valor;
};

// How the client pays its receivables (SISTEMA "0" of the branch): titles
// paid before their due date, on it, after it, and still open, each as
// "<n> dia(s) - <m> título(s)" where n is the mean of the days early, late
// or overdue today (0 for those on time or not yet due); the behaviour is
// "A VISTA" when every title fell due on its entry date, "Pontual" when no
// paid title was late, else "<n> dias de atraso" (the mean delay).
struct ResumoTitulos {
    QString antecipados, pontuais, atrasados, abertos, comportamento;
    QDate ultimoPagamento;
    Dinheiro valorUltimoPagamento;
};

struct InfCadastrais {
    QString nome, fantasia, documento, conceito, descricaoConceito, condicao, fone, email,
        observacao;
    QDate clienteDesde;
    Dinheiro limite, saldoLimite;
    Compra primeira, ultima, maior; // nota 0: none in the period
    ResumoTitulos titulos;
};

// Reads client `cliente` of the branch (false when there is none); the
// purchases lie in [de, ate] and, when `historicos` is not empty, in those
// stock histories (bound as values). The free limit is the limit less
// SaldoLimiteCredito. Throws ErroBanco.
bool LerInfCadastrais(int filial, int cliente, const QDate& de, const QDate& ate,
                      const QList<int>& historicos, const QDate& hoje, InfCadastrais& info,
                      SessaoBanco* sessao = nullptr);

// The receivables summary of the client. Throws ErroBanco.
ResumoTitulos ResumirTitulos(int filial, int cliente, const QDate& hoje,
                             SessaoBanco* sessao = nullptr);
