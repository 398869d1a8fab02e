// The demonstration's legacy installation, made of Paradox tables as the
// old system left them (code page 850), for trying the import at once:
// "legado/ORVALO" holds its company catalogue (the demonstration's
// companies and 004 Tintas Legado, directory EMPRESA4) and
// "legado/EMPRESA4" the company: every table of a demonstration company
// that has rows, plus what the report must show, a matizador register
// with a column this program lacks, a duplicate code and a name longer
// than the field, and a table this program does not know (AGENDA.DB).
#pragma once

#include <QString>

// `pasta`: host folder to create ("<demo>/legado"). `empresaModelo`: the
// stored directory of the company whose rows the legacy company copies.
// Throws ErroBanco on failure.
void CriarDemoLegado(const QString& pasta, const QString& empresaModelo);
