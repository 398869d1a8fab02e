// Access codes: an operation names a numbered code of Acesso.db; a code
// with a password asks for it in the password window (JanelaSenha), and a
// code whose Inf_Usuario is "S" also asks for a user and password, makes
// that user the session user and writes the access to the month's access
// log ("Log" + YYMM, created when missing).
#pragma once

// True when the operation may go on: the code is absent or has no
// password, or the operator typed the right password (and user). False
// after the refusal message, silently on "Cancelar", or after the store's
// error text. LogTabela, LogRegistro and LogOperacao of Sessao, filled by
// the caller for the log, are emptied on every return.
bool AutorizarAcesso(int codigo);
