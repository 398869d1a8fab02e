// The processing-date check: a movement may not be dated before the date up
// to which the branch, or a module of the suite, has been closed.
//
// Closing dates are re-read from the store on every call: DATAPROCES of the
// current branch (Filial), and Data of the module's configuration row
// (Estoqcfg, CRECFG, Escricfg of the current branch; FATURCFG and CONTCFG,
// which are not kept per branch, on their first row). A blank closing date
// closes nothing.
#pragma once

#include <QString>

class QDate;

// True when `data` is not earlier than the branch's closing date (skipped
// for "CONTABILIDADE") nor than the closing date of `modulo` ("ESTOQUE",
// "FATURAMENTO", "FINANCEIRO", "ESCRITA", "CONTABILIDADE"; exact, upper
// case; other names check only the branch). Each failing check shows its
// message, so one call may show two. A store failure shows its text and
// gives false.
bool ValidarDataProcessamento(const QString& modulo, const QDate& data);
