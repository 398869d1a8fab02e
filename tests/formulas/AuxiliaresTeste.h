// Helpers of the formula tests: whole-table renderings and readable
// QString failures.
#pragma once

#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// One line per row, in key order, the fields' texts joined by "|".
inline QString TextoTabela(const QString& tabela, SessaoBanco* sessao = nullptr) {
    Tabela t(tabela, sessao);
    t.abrir();
    QStringList linhas;
    for (; !t.eof(); t.proximo()) {
        QStringList campos;
        for (int i = 0; i < t.quantidadeCampos(); ++i)
            campos << t.campo(i).texto();
        linhas << campos.join('|');
    }
    return linhas.join('\n');
}
