// The date of a text the operator typed and DataValida accepted: day and
// month of one or two digits, four-digit year, blanks around.
#pragma once

#include <QDate>
#include <QString>

// Invalid for a text DataValida refuses.
QDate DataDigitada(const QString& texto);
