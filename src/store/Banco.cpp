#include "Banco_interno.h"
#include "ErroBanco.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QTime>

namespace {
int falhaEm = 0;
int transacoesProcesso = 0;
} // namespace

void InjecaoFalhas::falharNaEscrita(int n) {
    falhaEm = n;
}
bool InjecaoFalhas::deveFalhar() {
    return falhaEm > 0 && --falhaEm == 0;
}

QString CitarNome(const QString& nome) {
    QString n = nome;
    return '"' + n.replace('"', "\"\"") + '"';
}

TipoCampo TipoDeclarado(const QString& declarado, int* tamanho, bool* obrigatorio) {
    static const QRegularExpression re(
        "^\\s*([A-Za-z ]+?)\\s*(?:\\(\\s*(\\d+)\\s*\\))?\\s*(?:CONSTRAINT\\b.*)?$",
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto m = re.match(declarado);
    QString t = m.hasMatch() ? m.captured(1).toUpper() : declarado.toUpper();
    *tamanho = m.hasMatch() ? m.captured(2).toInt() : 0;
    *obrigatorio = t.endsWith(" REQUIRED");
    if (*obrigatorio)
        t.chop(9);
    if (t == "SMALLINT" || t == "SHORT")
        return TipoCampo::Short;
    if (t == "INTEGER" || t == "INT" || t == "LONG")
        return TipoCampo::Long;
    if (t == "DOUBLE" || t == "REAL" || t == "FLOAT" || t == "NUMERIC" || t == "NUMBER")
        return TipoCampo::Number;
    if (t == "MONEY")
        return TipoCampo::Money;
    if (t == "DATE")
        return TipoCampo::Data;
    if (t == "TIME")
        return TipoCampo::Hora;
    if (t == "TIMESTAMP")
        return TipoCampo::DataHora;
    if (t == "BOOLEAN")
        return TipoCampo::Logico;
    if (t == "CLOB" || t == "MEMO" || t == "BLOB")
        return TipoCampo::Memo;
    if (t == "AUTOINC")
        return TipoCampo::AutoInc;
    return TipoCampo::Texto;
}

QString TipoDeclaradoDe(const DefCampo& c) {
    // "VARCHAR REQUIRED(30)" carries type, size and the required flag.
    QString t = TipoSqlite(c.tipo);
    if (c.obrigatorio)
        t += " REQUIRED";
    if (c.tipo == TipoCampo::Texto && c.tamanho > 0)
        t += QString("(%1)").arg(c.tamanho);
    return t;
}

QString NomeVerificacao(const DefCampo& c) {
    return c.nome + " (" + DescricaoTipo(c) + ")";
}

namespace {
// The rule a value of the field obeys, with "@" for the column.
QString regraSqlite(const DefCampo& c) {
    switch (c.tipo) {
    case TipoCampo::Short:
        return "typeof(@) = 'integer' AND @ BETWEEN -32768 AND 32767";
    case TipoCampo::Long:
    case TipoCampo::AutoInc:
        return "typeof(@) = 'integer' AND @ BETWEEN -2147483648 AND 2147483647";
    case TipoCampo::Number:
        return "typeof(@) IN ('integer', 'real')";
    case TipoCampo::Money:
        return "typeof(@) IN ('integer', 'real') AND @ BETWEEN -922337203685477.5808 AND "
               "922337203685477.5807";
    case TipoCampo::Texto:
        return c.tamanho > 0 ? QString("typeof(@) = 'text' AND length(@) <= %1").arg(c.tamanho)
                             : QString("typeof(@) = 'text'");
    case TipoCampo::Memo:
        return "typeof(@) = 'text'";
    case TipoCampo::Data:
        return "typeof(@) = 'text' AND length(@) = 10 AND date(julianday(@)) IS @ AND "
               "@ >= '0001-01-01'";
    case TipoCampo::Hora:
        return "typeof(@) = 'text' AND length(@) BETWEEN 8 AND 12 AND time(@) IS substr(@, 1, 8)";
    case TipoCampo::DataHora:
        return "typeof(@) = 'text' AND length(@) BETWEEN 19 AND 23 AND "
               "datetime(julianday(@)) IS substr(@, 1, 19) AND @ >= '0001-01-01'";
    case TipoCampo::Logico:
        return "typeof(@) = 'integer' AND @ IN (0, 1)";
    }
    return "1";
}

// On the server the stored forms are the same as in the file: dates and
// times as ISO text, logical as 0/1, money with four decimals.
// Whole numbers are numeric, not integer types: the server would round
// 1.5 into an integer column silently, while the check refuses it.
QString tipoPostgres(const DefCampo& c) {
    switch (c.tipo) {
    case TipoCampo::Short:
    case TipoCampo::Long:
    case TipoCampo::AutoInc:
    case TipoCampo::Money:
        return "numeric";
    case TipoCampo::Logico:
        return "integer";
    case TipoCampo::Number:
        return "double precision";
    default:
        return "text";
    }
}

QString regraPostgres(const DefCampo& c) {
    switch (c.tipo) {
    case TipoCampo::Short:
        return "@ = trunc(@) AND @ BETWEEN -32768 AND 32767";
    case TipoCampo::Long:
    case TipoCampo::AutoInc:
        return "@ = trunc(@) AND @ BETWEEN -2147483648 AND 2147483647";
    case TipoCampo::Number:
        return "@ = @ AND @ < 'Infinity' AND @ > '-Infinity'";
    case TipoCampo::Money:
        return "@ BETWEEN -922337203685477.5808 AND 922337203685477.5807";
    case TipoCampo::Texto:
        return c.tamanho > 0 ? QString("char_length(@) <= %1").arg(c.tamanho) : QString("true");
    case TipoCampo::Memo:
        return "true";
    case TipoCampo::Data:
        return "pcp.data_valida(@)";
    case TipoCampo::Hora:
        return "pcp.hora_valida(@)";
    case TipoCampo::DataHora:
        return "pcp.data_hora_valida(@)";
    case TipoCampo::Logico:
        return "@ IN (0, 1)";
    }
    return "true";
}
} // namespace

QString DeclaracaoColuna(const DefCampo& c, DialetoSql::Alvo alvo) {
    const QString n = CitarNome(c.nome);
    const bool sqlite = alvo == DialetoSql::Alvo::Sqlite;
    QString regra = sqlite ? regraSqlite(c) : regraPostgres(c);
    // SQLite keeps the declared type as written; the server keeps it as the
    // column's comment.
    return n + ' ' + (sqlite ? TipoDeclaradoDe(c) : tipoPostgres(c)) + " CONSTRAINT " +
           CitarNome(NomeVerificacao(c)) + " CHECK (" + n + " IS NULL OR (" +
           regra.replace('@', n) + "))";
}

int InfoTabela::coluna(const QString& campo) const {
    for (size_t i = 0; i < colunas.size(); ++i)
        if (colunas[i].nome.compare(campo, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const InfoIndice* InfoTabela::indice(const QString& nomeIndice) const {
    for (const auto& ind : indices)
        if (ind.nome.compare(nomeIndice, Qt::CaseInsensitive) == 0)
            return &ind;
    return nullptr;
}

Banco::~Banco() = default;

int Banco::transacoesAbertas() {
    return transacoesProcesso;
}

void Banco::encerrar() noexcept {
    if (profundidade_ > 0) {
        profundidade_ = 1;
        desfazerTransacao();
    }
}

void Banco::iniciarEscrita() {
    if (profundidade_ > 0) {
        if (transacaoPerdida_)
            throw ErroBanco("A transação foi desfeita por uma falha anterior.");
        comandoCurto("SAVEPOINT pcp_escrita");
        return;
    }
    exigirGravavel();
    comecar();
}

void Banco::confirmar() {
    if (InjecaoFalhas::deveFalhar())
        throw ErroBanco("disk I/O error");
    if (profundidade_ > 0) {
        comandoCurto("RELEASE pcp_escrita");
        ++escritasProcesso_;
        return;
    }
    efetivar();
    ++escritasProcesso_;
    conferirAposEfetivar();
}

void Banco::desfazer() noexcept {
    if (profundidade_ > 0) {
        if (!transacaoPerdida_) {
            try {
                comandoCurto("ROLLBACK TO pcp_escrita");
                comandoCurto("RELEASE pcp_escrita");
            } catch (...) {
                // The transaction itself is gone; its end says so.
            }
        }
        return;
    }
    reverter();
}

void Banco::iniciarTransacao() {
    if (profundidade_ > 0) {
        if (transacaoPerdida_)
            throw ErroBanco("A transação foi desfeita por uma falha anterior.");
        ++profundidade_;
        return;
    }
    exigirGravavel();
    comecar();
    profundidade_ = 1;
    transacaoPerdida_ = false;
    ++transacoesProcesso;
}

void Banco::confirmarTransacao() {
    if (profundidade_ == 0)
        return;
    if (transacaoPerdida_)
        throw ErroBanco("A transação foi desfeita por uma falha anterior.");
    if (profundidade_ > 1) {
        --profundidade_;
        return;
    }
    if (InjecaoFalhas::deveFalhar())
        throw ErroBanco("disk I/O error");
    efetivar();
    terminarTransacao();
    conferirAposEfetivar();
}

void Banco::desfazerTransacao() noexcept {
    if (profundidade_ == 0)
        return;
    // An inner scope that gives up takes the whole transaction with it.
    if (!transacaoPerdida_)
        reverter();
    transacaoPerdida_ = true;
    esquecerEsquema();
    if (--profundidade_ == 0)
        terminarTransacao();
}

void Banco::terminarTransacao() noexcept {
    profundidade_ = 0;
    transacaoPerdida_ = false;
    ++escritasProcesso_; // cursors drop what they read inside
    const std::vector<quint64> adiadas = std::move(travasAdiadas_);
    travasAdiadas_.clear();
    for (quint64 p : adiadas)
        destravar(p);
    --transacoesProcesso;
    NotificarFimTransacao();
}

bool Banco::travar(quint64 posicao) {
    exigirGravavel();
    auto it = travasMinhas_.find(posicao);
    if (it != travasMinhas_.end()) {
        ++it.value();
        return true;
    }
    if (!travarPosicao(posicao))
        return false;
    travasMinhas_.insert(posicao, 1);
    return true;
}

void Banco::destravar(quint64 posicao) {
    if (profundidade_ > 0) {
        // What was written under the lock is not visible to others yet.
        travasAdiadas_.push_back(posicao);
        return;
    }
    auto it = travasMinhas_.find(posicao);
    if (it == travasMinhas_.end())
        return;
    if (--it.value() > 0)
        return;
    travasMinhas_.erase(it);
    destravarPosicao(posicao);
}
