// The bulk average-cost update: every product of the current branch in a
// range of classifications (Nivel1 ... Nivel6, 24 digits) has its month
// recomputed by CalculaCustoMedio, one product at a time, and the months
// an installation has closed are refused.
#pragma once

#include <QString>
#include <functional>
#include <optional>

struct CursoresCustoMedio;

// The last month an installation (FatModNf) has closed, "YYYYMM", and the
// message that refuses it and every earlier month.
struct MesFechado {
    QString anoMes;
    QString mensagem;
};
std::optional<MesFechado> FechamentoPorInstalacao(int fatModNf);

// What the bulk window shows while the walk goes on.
struct AndamentoCustoMedio {
    // "Andamento: " + Nivel1 / ... / Nivel5 / Cod_Reduz of each product.
    std::function<void(const QString&)> andamento;
    // Each product code as CalculaCustoMedio reaches its balance rows.
    std::function<void(int)> produto;
};

// Walks the products (index Classificacao) from `classInicial` while the
// classification is not above `classFinal`; each product row is locked
// with EditarRegistro first (giving up skips it). Returns false when a
// product failed and the run stopped there; the ones before stay done.
bool AtualizarCustoMedioPorClassificacao(const QString& mesAno, const QString& classInicial,
                                         const QString& classFinal,
                                         const CursoresCustoMedio& cursores,
                                         const AndamentoCustoMedio& andamento);
