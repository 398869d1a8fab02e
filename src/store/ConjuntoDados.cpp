#include "ConjuntoDados.h"

#include "Banco_interno.h"
#include "ErroBanco.h"
#include "SessaoBanco.h"
#include "Tabela.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

[[noreturn]] void valorInvalido(const DefCampo& c, const QVariant& v) {
    throw ErroBanco("Valor inválido para o campo '" + c.nome + "' (" + DescricaoTipo(c) + "): '" +
                    v.toString() + "'");
}

bool ehTexto(const QVariant& v) {
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray;
}

// Text is read only in the form Campo::texto() writes ("1234.5", "-2",
// "1e+16"), so a value read as text and written back is the same value.
double lerNumero(const DefCampo& c, const QVariant& v) {
    bool ok = false;
    double d = 0;
    if (ehTexto(v))
        d = v.toString().trimmed().toDouble(&ok);
    else if (v.typeId() != QMetaType::Bool)
        d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        valorInvalido(c, v);
    return d;
}

qint64 lerInteiro(const DefCampo& c, const QVariant& v) {
    bool ok = false;
    qint64 r = 0;
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        r = v.toLongLong(&ok);
        break;
    case QMetaType::ULongLong:
        ok = v.toULongLong() <= quint64(std::numeric_limits<qint64>::max());
        r = qint64(v.toULongLong());
        break;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        r = v.toString().trimmed().toLongLong(&ok);
        break;
    default: {
        // A whole number held as a double; a fraction is never cut.
        const double d = v.toDouble(&ok);
        ok = ok && std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 9.2e18;
        r = ok ? qint64(d) : 0;
    }
    }
    if (!ok)
        valorInvalido(c, v);
    return r;
}

// A date as texto() writes it, or in ISO form; nothing else.
QDate lerDataEscrita(const QString& s) {
    return s.size() == 10 && s[4] == '-' ? QDate::fromString(s, Qt::ISODate)
                                         : QDate::fromString(s, "dd/MM/yyyy");
}

bool dataNoLimite(const QDate& d) {
    return d.isValid() && d.year() >= 1 && d.year() <= 9999;
}

// At most `tamanho` characters (code points): a pair of surrogates is one
// character and is never split.
QString cortarTexto(const QString& s, int tamanho) {
    if (tamanho <= 0 || s.size() <= tamanho)
        return s;
    qsizetype i = 0;
    for (int n = 0; n < tamanho && i < s.size(); ++n)
        i += (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) ? 2 : 1;
    return s.left(i);
}
} // namespace

QVariant NormalizarValor(const DefCampo& c, const QVariant& v) {
    if (!v.isValid() || v.isNull())
        return QVariant();
    if (ehTexto(v) && v.toString().isEmpty())
        return QVariant();
    switch (c.tipo) {
    case TipoCampo::Texto: {
        const QString s = cortarTexto(
            v.typeId() == QMetaType::QDate ? v.toDate().toString("dd/MM/yyyy") : v.toString(),
            c.tamanho);
        return s.isEmpty() ? QVariant() : QVariant(s);
    }
    case TipoCampo::Memo:
        return v.toString();
    case TipoCampo::Short:
    case TipoCampo::Long:
    case TipoCampo::AutoInc: {
        const qint64 r = lerInteiro(c, v);
        const qint64 limite = c.tipo == TipoCampo::Short ? 32767 : 2147483647;
        if (r > limite || r < -limite - 1)
            throw ErroBanco("Valor fora dos limites do campo '" + c.nome + "' (" +
                            DescricaoTipo(c) + "): " + v.toString());
        return int(r);
    }
    case TipoCampo::Number:
        return lerNumero(c, v);
    case TipoCampo::Money: {
        qint64 dm = 0;
        if (!DezMilesimos(lerNumero(c, v), dm))
            throw ErroBanco("Valor fora dos limites do campo '" + c.nome + "' (" +
                            DescricaoTipo(c) + "): " + v.toString());
        return double(dm) / 10000.0;
    }
    case TipoCampo::Logico:
        if (ehTexto(v)) {
            const QString s = v.toString().trimmed().toUpper();
            if (s == "TRUE" || s == "T" || s == "S" || s == "1")
                return true;
            if (s == "FALSE" || s == "F" || s == "N" || s == "0")
                return false;
            valorInvalido(c, v);
        }
        if (v.typeId() == QMetaType::Bool)
            return v.toBool();
        {
            const qint64 i = lerInteiro(c, v);
            if (i != 0 && i != 1)
                valorInvalido(c, v);
            return i == 1;
        }
    case TipoCampo::Data: {
        const QDate d = v.typeId() == QMetaType::QDate       ? v.toDate()
                        : v.typeId() == QMetaType::QDateTime ? v.toDateTime().date()
                        : ehTexto(v) ? lerDataEscrita(v.toString().trimmed())
                                     : QDate();
        if (!dataNoLimite(d))
            valorInvalido(c, v);
        return d;
    }
    case TipoCampo::Hora: {
        const QTime t = v.typeId() == QMetaType::QTime       ? v.toTime()
                        : v.typeId() == QMetaType::QDateTime ? v.toDateTime().time()
                        : ehTexto(v) ? LerHoraArmazenada(v.toString().trimmed())
                                     : QTime();
        if (!t.isValid())
            valorInvalido(c, v);
        return t;
    }
    case TipoCampo::DataHora: {
        const QDateTime dt = v.typeId() == QMetaType::QDateTime ? v.toDateTime()
                             : v.typeId() == QMetaType::QDate   ? QDateTime(v.toDate(), QTime(0, 0))
                             : ehTexto(v) ? LerDataHoraArmazenada(v.toString().trimmed())
                                          : QDateTime();
        if (!dt.isValid() || !dataNoLimite(dt.date()))
            valorInvalido(c, v);
        return dt;
    }
    }
    return v;
}

// ---- Campo ----

QString Campo::nome() const {
    return ds_->colunas_[size_t(i_)].nome;
}
TipoCampo Campo::tipo() const {
    return ds_->colunas_[size_t(i_)].tipo;
}
int Campo::tamanho() const {
    return ds_->colunas_[size_t(i_)].tamanho;
}
bool Campo::ehNulo() const {
    return ds_->nuloAtual(i_);
}
QVariant Campo::valor() const {
    return ds_->valorAtual(i_);
}

QString Campo::texto() const {
    const QVariant v = valor();
    if (!v.isValid())
        return QString();
    switch (tipo()) {
    case TipoCampo::Data:
        return v.toDate().toString("dd/MM/yyyy");
    case TipoCampo::Hora:
        return v.toTime().toString("HH:mm:ss");
    case TipoCampo::DataHora:
        return v.toDateTime().toString("dd/MM/yyyy HH:mm:ss");
    case TipoCampo::Logico:
        return v.toBool() ? "True" : "False";
    case TipoCampo::Number:
    case TipoCampo::Money:
        // The shortest text that reads back as the same double.
        return QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        return v.toString();
    }
}

int Campo::inteiro() const {
    return int(inteiroLongo());
}
qint64 Campo::inteiroLongo() const {
    const QVariant v = valor();
    if (v.typeId() == QMetaType::QString)
        return qint64(v.toString().trimmed().toDouble());
    return qint64(v.toDouble());
}
double Campo::numero() const {
    const QVariant v = valor();
    return v.typeId() == QMetaType::QString ? v.toString().trimmed().toDouble() : v.toDouble();
}
bool Campo::logico() const {
    return valor().toBool();
}
QDate Campo::data() const {
    const QVariant v = valor();
    return v.typeId() == QMetaType::QDateTime ? v.toDateTime().date() : v.toDate();
}
QTime Campo::hora() const {
    const QVariant v = valor();
    return v.typeId() == QMetaType::QDateTime ? v.toDateTime().time() : v.toTime();
}
QDateTime Campo::dataHora() const {
    const QVariant v = valor();
    return v.typeId() == QMetaType::QDate ? QDateTime(v.toDate(), QTime(0, 0)) : v.toDateTime();
}
void Campo::definir(const QVariant& v) {
    ds_->definirValor(i_, v);
}

// ---- ConjuntoDados ----

ConjuntoDados::ConjuntoDados(SessaoBanco* sessao)
    : sessao_(sessao ? sessao : &SessaoBanco::padrao()), nomeBanco_("Orvalo") {}

ConjuntoDados::~ConjuntoDados() {
    if (estado_ != EstadoDados::Inativo)
        sessao_->remover(this);
}

void ConjuntoDados::fechar() {
    if (estado_ == EstadoDados::Inativo)
        return;
    sessao_->remover(this);
    estado_ = EstadoDados::Inativo;
    lote_.limpar();
    buffer_.clear();
    alterados_.clear();
    pos_ = -1;
    eof_ = bof_ = true;
}

int ConjuntoDados::indiceCampo(const QString& nome) const {
    for (size_t i = 0; i < colunas_.size(); ++i)
        if (colunas_[i].nome.compare(nome, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

QStringList ConjuntoDados::nomesCampos() const {
    QStringList r;
    for (const auto& c : colunas_)
        r << c.nome;
    return r;
}

Campo ConjuntoDados::campo(const QString& nome) {
    const int i = indiceCampo(nome);
    if (i < 0)
        throw ErroBanco(nomeTabela().isEmpty() ? "Field '" + nome + "' not found"
                                               : nomeTabela() + ": Field '" + nome + "' not found");
    return Campo(this, i);
}

QVariant ConjuntoDados::valorAtual(int coluna) const {
    if (estado_ == EstadoDados::Editando || estado_ == EstadoDados::Inserindo)
        return buffer_[size_t(coluna)];
    if (pos_ < 0)
        return QVariant();
    return lote_.valor(pos_, coluna, colunas_[size_t(coluna)].tipo);
}

bool ConjuntoDados::nuloAtual(int coluna) const {
    if (estado_ == EstadoDados::Editando || estado_ == EstadoDados::Inserindo)
        return !buffer_[size_t(coluna)].isValid();
    return pos_ < 0 || lote_.nulo(pos_, coluna);
}

void ConjuntoDados::definirValor(int coluna, const QVariant& v) {
    if (estado_ != EstadoDados::Editando && estado_ != EstadoDados::Inserindo)
        throw ErroBanco("Dataset not in edit or insert mode");
    buffer_[size_t(coluna)] = NormalizarValor(colunas_[size_t(coluna)], v);
    alterados_[size_t(coluna)] = true;
}

void ConjuntoDados::editar() {
    throw ErroBanco("Cannot modify a read-only dataset");
}
void ConjuntoDados::incluir() {
    throw ErroBanco("Cannot modify a read-only dataset");
}
void ConjuntoDados::gravar() {
    throw ErroBanco("Cannot modify a read-only dataset");
}
void ConjuntoDados::excluir() {
    throw ErroBanco("Cannot modify a read-only dataset");
}
void ConjuntoDados::cancelar() {}

void ConjuntoDados::posicionou() {
    for (Tabela* t : detalhes_)
        t->seguirMestre();
}

void ConjuntoDados::registrarDetalhe(Tabela* t) {
    if (std::find(detalhes_.begin(), detalhes_.end(), t) == detalhes_.end())
        detalhes_.push_back(t);
}

void ConjuntoDados::removerDetalhe(Tabela* t) {
    detalhes_.erase(std::remove(detalhes_.begin(), detalhes_.end(), t), detalhes_.end());
}
