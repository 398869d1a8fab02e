#include "DataValida.h"

#include "session/Dialogos.h"

#include <QDate>
#include <QRegularExpression>

namespace {

bool ehData(const QString& data) {
    static const QRegularExpression padrao(
        QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})$"));
    const QRegularExpressionMatch m = padrao.match(data.trimmed());
    return m.hasMatch() &&
           QDate::isValid(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

} // namespace

bool DataValida(const QString& data) {
    if (ehData(data))
        return true;
    MostrarErro(QStringLiteral("Data Invalida:") + data);
    return false;
}
