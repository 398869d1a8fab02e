// Small helpers for tests of the session tables: run statements, and
// render a table's rows (key order, fields joined by "|", one line each)
// so tests compare whole contents.
#pragma once

#include "store/Consulta.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QStringList>

inline void ExecutarSql(const QStringList& instrucoes) {
    for (const QString& sql : instrucoes) {
        Consulta q;
        q.setSql({sql});
        q.executar();
    }
}

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
