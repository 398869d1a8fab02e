#include "DataDigitada.h"

QDate DataDigitada(const QString& texto) {
    return QDate::fromString(texto.trimmed(), "d/M/yyyy");
}
