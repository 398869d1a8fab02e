// Demonstration rows for the access tables of a new installation: users,
// access codes, user groups of branch 1 and their permissions.
//
// Users: "ADMIN" (password "admin", level "SUP") and "OPER" (password
// "oper", level "OPE"). Codes 101 and 119 ask for password "pcp" and a
// user; 107 asks for password "custo" only; 14, 58, 80, 82 and 83 are
// free. OPER belongs to the active group "Producao"; the group
// "Inativo" is switched off.
#pragma once

#include <QString>

// Inserts the rows into database `nomeBanco`; rows already there (by key)
// are left as they are, so running it twice does nothing more. Throws
// ErroBanco on a store failure.
void CriarDemoAcesso(const QString& nomeBanco);
