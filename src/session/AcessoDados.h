// Guarded edit, post and index change: store errors become the fixed
// operator messages, and a row locked by another station offers retry.
#pragma once

#include <QString>

class ConjuntoDados;
class Tabela;

// True when the current row is in edit; false when the operator gave up on
// a locked row ("Registro bloqueado" / "Existe outro usuário alterando este
// registro", OK retries, Cancel gives up).
bool EditarRegistro(ConjuntoDados& ds);

// Posts the row (each post is durable at once). On failure shows
// "Registro ja existe - Key violation." + CR + "Tabela : " + table for a
// duplicate key, or the error text, and returns false with the row still
// in edit.
bool GravarRegistro(ConjuntoDados& ds);

// Reopens the table on the index; retries twice silently, then asks.
bool TrocarIndice(Tabela& tabela, const QString& indice);

// The text with every character that is not "0" to "9" removed.
QString SomenteDigitos(const QString& texto);
