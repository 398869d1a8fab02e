// Check of a date typed by the operator.
#pragma once

#include <QDate>
#include <QString>

// True when `data` is a real calendar date written day/month/four-digit year
// ("05/03/2026"; one-digit day or month and surrounding blanks are taken too).
// Otherwise shows the error "Data Invalida:" followed by `data` through
// Dialogos and returns false.
bool DataValida(const QString& data);

// The date `data` names under the same rules, or an invalid date. Shows
// nothing.
QDate LerData(const QString& data);
