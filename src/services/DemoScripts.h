// Demonstration rows of the fiscal tables the built-in scripts correct
// (document types, operation natures, invoice models), so that running
// them in the demo changes something; ScriptsSql.db starts empty.
#pragma once

#include <QString>

// Inserts the rows into database `banco`; keys already there are left as
// they are. Throws ErroBanco on a store failure.
void CriarDemoScripts(const QString& banco);
