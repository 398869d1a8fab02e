// Helpers shared by the tests: readable failures for Qt texts, statements
// run in one line, and whole-table renderings to compare at once.
#pragma once

#include "store/Consulta.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// Each statement run on its own, in order.
inline void ExecutarSql(const QStringList& instrucoes) {
    for (const QString& sql : instrucoes) {
        Consulta q;
        q.setSql({sql});
        q.executar();
    }
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
