#include "DataValida.h"

#include "session/Dialogos.h"

#include <QRegularExpression>

QDate LerData(const QString& data) {
    static const QRegularExpression padrao(
        QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})$"));
    const QRegularExpressionMatch m = padrao.match(data.trimmed());
    if (!m.hasMatch())
        return QDate();
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

bool DataValida(const QString& data) {
    if (LerData(data).isValid())
        return true;
    MostrarErro(QStringLiteral("Data Invalida:") + data);
    return false;
}
