#include "LoteLinhas.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

QDate LerDataArmazenada(const QString& s) {
    QDate d = QDate::fromString(s.left(10), Qt::ISODate);
    if (!d.isValid())
        d = QDate::fromString(s, "dd/MM/yyyy");
    return d;
}

QTime LerHoraArmazenada(const QString& s) {
    QTime t = QTime::fromString(s, "HH:mm:ss.zzz");
    if (!t.isValid())
        t = QTime::fromString(s, "HH:mm:ss");
    if (!t.isValid())
        t = QTime::fromString(s, "HH:mm");
    return t;
}

QDateTime LerDataHoraArmazenada(const QString& s) {
    QDateTime dt = QDateTime::fromString(s, "yyyy-MM-dd HH:mm:ss.zzz");
    if (!dt.isValid())
        dt = QDateTime::fromString(s, "yyyy-MM-dd HH:mm:ss");
    if (!dt.isValid())
        dt = QDateTime::fromString(s, "dd/MM/yyyy HH:mm:ss");
    if (!dt.isValid()) {
        const QDate d = LerDataArmazenada(s);
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt;
}

void LoteLinhas::limpar() {
    celulas_.clear();
    rowids_.clear();
    arena_.clear();
    colunas_ = 0;
}

void LoteLinhas::novaLinha(qint64 rowid, int colunas) {
    colunas_ = colunas;
    rowids_.push_back(rowid);
}

void LoteLinhas::maisNulo() {
    Celula c;
    c.tipo = Tipo::Nulo;
    c.i = 0;
    celulas_.push_back(c);
}

void LoteLinhas::maisInteiro(qint64 v) {
    Celula c;
    c.tipo = Tipo::Inteiro;
    c.i = v;
    celulas_.push_back(c);
}

void LoteLinhas::maisReal(double v) {
    Celula c;
    c.tipo = Tipo::Real;
    c.d = v;
    celulas_.push_back(c);
}

void LoteLinhas::maisTexto(const char* texto, size_t tamanho) {
    Celula c;
    c.tipo = Tipo::Texto;
    c.s.inicio = quint32(arena_.size());
    c.s.tamanho = quint32(tamanho);
    arena_.append(texto, tamanho);
    celulas_.push_back(c);
}

QByteArray TextoArmazenado(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate().toString(Qt::ISODate).toUtf8();
    case QMetaType::QTime:
        return v.toTime().toString("HH:mm:ss.zzz").toUtf8();
    case QMetaType::QDateTime:
        return v.toDateTime().toString("yyyy-MM-dd HH:mm:ss.zzz").toUtf8();
    default:
        return v.toString().toUtf8();
    }
}

void LoteLinhas::maisValor(const QVariant& v, TipoCampo tipo) {
    if (!v.isValid() || v.isNull()) {
        maisNulo();
        return;
    }
    switch (tipo) {
    case TipoCampo::Short:
    case TipoCampo::Long:
    case TipoCampo::AutoInc:
        maisInteiro(v.toLongLong());
        return;
    case TipoCampo::Logico:
        maisInteiro(v.toBool() ? 1 : 0);
        return;
    case TipoCampo::Number:
    case TipoCampo::Money:
        maisReal(v.toDouble());
        return;
    default: {
        const QByteArray t = TextoArmazenado(v);
        maisTexto(t.constData(), size_t(t.size()));
    }
    }
}

QVariant LoteLinhas::valor(int linha, int coluna, TipoCampo tipo) const {
    const Celula& c = celula(linha, coluna);
    if (c.tipo == Tipo::Nulo)
        return QVariant();
    auto comoTexto = [&] {
        if (c.tipo == Tipo::Texto) {
            const std::string_view t = texto(c);
            return QString::fromUtf8(t.data(), qsizetype(t.size()));
        }
        return c.tipo == Tipo::Inteiro ? QString::number(c.i) : QString::number(c.d, 'g', 17);
    };
    auto numero = [&] {
        return c.tipo == Tipo::Inteiro ? double(c.i)
               : c.tipo == Tipo::Real  ? c.d
                                       : comoTexto().toDouble();
    };
    switch (tipo) {
    case TipoCampo::Short:
    case TipoCampo::Long:
    case TipoCampo::AutoInc:
        return c.tipo == Tipo::Inteiro ? QVariant(int(c.i)) : QVariant(int(numero()));
    case TipoCampo::Number:
    case TipoCampo::Money:
        return numero();
    case TipoCampo::Logico:
        return numero() != 0;
    case TipoCampo::Data:
        return LerDataArmazenada(comoTexto());
    case TipoCampo::Hora:
        return LerHoraArmazenada(comoTexto());
    case TipoCampo::DataHora:
        return LerDataHoraArmazenada(comoTexto());
    case TipoCampo::Texto:
    case TipoCampo::Memo:
        return comoTexto();
    }
    return comoTexto();
}
