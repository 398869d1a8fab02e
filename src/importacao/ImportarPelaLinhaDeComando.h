// The import run from the command line (pcp --importar-paradox ORIGEM
// DESTINO [--substituir]): no window, one line per table on the output,
// the summary and the report's path at the end.
#pragma once

#include <QString>
#include <cstdio>

// The stored directory a destination argument names: "C:\EMPRESA4" or
// "C:/EMPRESA4" as written, or a host folder inside a drive of the
// configuration. Empty when it names none.
QString DestinoArmazenado(const QString& argumento);

// Imports and returns the exit code: 0 when every table was imported
// whole, 3 when some table or row was left out (see the report), 1 when
// the import could not run. REQUIRES: the configuration applied.
int ImportarPelaLinhaDeComando(const QString& origem, const QString& destino, bool substituir,
                               FILE* saida, FILE* erros);
