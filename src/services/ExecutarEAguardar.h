// Runs an outside program and waits for it to end, as the data-capture
// windows need (the program writes files the window then reads).
#pragma once

#include <QString>

// Starts `programa` (a stored path, resolved like every path of the
// system) with `parametros` split as a command line (double quotes group
// words), in the program's own folder, and waits without limit until it
// ends; meanwhile the windows keep painting but take no input. Its output
// goes where the program's own goes. `modoExibicao` is taken for the
// callers' sake and ignored: the outside program opens its windows as it
// likes. True once the program ran and ended; false when it could not be
// started (a missing or non-executable file).
bool ExecutarEAguardar(const QString& programa, const QString& parametros, int modoExibicao = 1);
