// Decimal rounding applied to every stored quantity, percentage and cost.
//
// The value is scaled to an integer with four guard digits in extended
// precision, so binary noise such as 2.345 = 2.34499999... is absorbed before
// the discarded digits are read. Two tie rules exist, chosen process-wide by
// the text ModoArredondamento: "ABNT 5891" (a discarded 5 followed by a zero
// goes to the even neighbour) or anything else, the default, half-up.
// Negative values round by magnitude: Arredondar(d, -x) == -Arredondar(d, x).
// Single-threaded: the mode is a plain process-wide setting.
#pragma once

#include <QString>

inline const QString ModoABNT5891 = QStringLiteral("ABNT 5891");

// Rounds `valor` to `decimais` places (0 to 6; any other number counts as 0).
// The scaled value is held in 128 bits, so no magnitude a double can hold
// overflows (a value of 2^53 or more has no fraction and comes back as it
// is). Never returns -0.0.
double Arredondar(int decimais, double valor);

// The swapped call would convert silently, so it is refused at compile time.
double Arredondar(double valor, int decimais) = delete;

QString ModoArredondamento();
void DefinirModoArredondamento(const QString& modo);
