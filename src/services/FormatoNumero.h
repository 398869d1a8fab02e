// Numbers and texts written the way the legacy formatter wrote them, in the
// Brazilian locale: decimal comma, dot for thousands.
//
// Formatar takes a format string of literal text and specifiers
//   %[-][width][.prec]type     type: d, n, f, s (either case); "%%" is "%"
//   d  integer; prec = minimum digits, zero-filled after the sign
//      ("%6.6d" of -5 is "-000005")
//   f  fixed decimals, prec decimals (2 when absent)
//   n  as f with thousands separators ("%10.2n")
//   s  text; prec cuts it
// Width pads with spaces on the left, or on the right with "-"; it never
// cuts. Arguments are used in order; extra ones are ignored.
//
// FormatarNumero takes a display mask such as "###,##0.0000": '0' a digit
// always written, '#' a digit written only when significant, ',' in the
// integer part asks for thousands grouping, the first '.' is the decimal
// point. Other characters before or after the placeholders are copied.
//
// Both round half away from zero on the value's 15 significant digits, so
// 2.345 prints as 2,35 like Arredondar's half-up result. A minus sign is
// written only when a non-zero digit is. Both throw std::invalid_argument
// for a malformed format or mask, a missing argument, or an argument of the
// wrong kind (a double for %d, a number for %s).
#pragma once

#include <QString>
#include <QVariantList>

QString Formatar(const QString& formato, const QVariantList& args);

QString FormatarNumero(const QString& mascara, double valor);
