#include "BancoPostgres.h"

#include "DefTabela.h"
#include "ErroBanco.h"

#include <QRegularExpression>
#include <cstdlib>
#include <libpq-fe.h>

namespace {
constexpr Oid OidBool = 16, OidInt8 = 20, OidInt2 = 21, OidInt4 = 23, OidFloat4 = 700,
              OidFloat8 = 701, OidNumeric = 1700;

struct LiberarResultado {
    void operator()(PGresult* r) const { PQclear(r); }
};
using Resultado = std::unique_ptr<PGresult, LiberarResultado>;

bool resultadoOk(const PGresult* r) {
    const ExecStatusType s = PQresultStatus(r);
    return s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK;
}

quint64 fnv1a(const QByteArray& dados) {
    quint64 h = 1469598103934665603ULL;
    for (char c : dados) {
        h ^= quint8(c);
        h *= 1099511628211ULL;
    }
    return h;
}

// "?" placeholders (outside quoted texts and names) numbered $1, $2 ...
QString numerarParametros(const QString& sql) {
    QString r;
    r.reserve(sql.size() + 16);
    int n = 0;
    QChar aspas;
    for (QChar c : sql) {
        if (!aspas.isNull()) {
            if (c == aspas)
                aspas = QChar();
        } else if (c == '\'' || c == '"') {
            aspas = c;
        } else if (c == '?') {
            r += '$' + QString::number(++n);
            continue;
        }
        r += c;
    }
    return r;
}

bool ehLeitura(const QString& sql) {
    static const QRegularExpression re("^[\\s(]*(SELECT|WITH|VALUES)\\b",
                                       QRegularExpression::CaseInsensitiveOption);
    return re.match(sql).hasMatch();
}

TipoCampo tipoDoOid(Oid oid) {
    switch (oid) {
    case OidInt2:
    case OidInt4:
    case OidInt8:
    case OidBool:
        return TipoCampo::Long;
    case OidFloat4:
    case OidFloat8:
    case OidNumeric:
        return TipoCampo::Number;
    default:
        return TipoCampo::Memo;
    }
}

class InstrucaoPostgres : public Instrucao {
public:
    InstrucaoPostgres(BancoPostgres& banco, std::string nome, const QString& sql)
        : banco_(banco), nome_(std::move(nome)), leitura_(ehLeitura(sql)) {
        const QByteArray texto = sql.toUtf8();
        Resultado r(PQprepare(banco_.conexao(), nome_.c_str(), texto.constData(), 0, nullptr));
        if (!resultadoOk(r.get()))
            banco_.falhar(r.get());
        Resultado d(PQdescribePrepared(banco_.conexao(), nome_.c_str()));
        if (!resultadoOk(d.get()))
            banco_.falhar(d.get());
        parametros_ = PQnparams(d.get());
        campos_ = PQnfields(d.get());
        valores_.resize(size_t(parametros_));
        nulos_.assign(size_t(parametros_), true);
    }
    ~InstrucaoPostgres() override {
        if (!vida_.expired() && PQstatus(banco_.conexao()) == CONNECTION_OK)
            PQclear(PQexec(banco_.conexao(), ("DEALLOCATE \"" + nome_ + '"').c_str()));
    }

    void reiniciar() { nulos_.assign(size_t(parametros_), true); }

    void vincular(int p, const QVariant& v) override {
        if (p < 1 || p > parametros_)
            return;
        const size_t i = size_t(p - 1);
        nulos_[i] = !v.isValid() || v.isNull();
        if (nulos_[i])
            return;
        switch (v.typeId()) {
        case QMetaType::Bool:
            valores_[i] = v.toBool() ? "1" : "0";
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            valores_[i] = QByteArray::number(v.toDouble(), 'g', 17);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Short:
            valores_[i] = QByteArray::number(v.toLongLong());
            break;
        default:
            valores_[i] = TextoArmazenado(v);
            nulos_[i] = valores_[i].isEmpty(); // blank is NULL
        }
    }

    void vincularCelula(int p, const LoteLinhas& lote, int linha, int coluna) override {
        if (p < 1 || p > parametros_)
            return;
        const size_t i = size_t(p - 1);
        const LoteLinhas::Celula& c = lote.celula(linha, coluna);
        nulos_[i] = c.tipo == LoteLinhas::Tipo::Nulo;
        if (c.tipo == LoteLinhas::Tipo::Inteiro)
            valores_[i] = QByteArray::number(c.i);
        else if (c.tipo == LoteLinhas::Tipo::Real)
            valores_[i] = QByteArray::number(c.d, 'g', 17);
        else if (c.tipo == LoteLinhas::Tipo::Texto)
            valores_[i] = QByteArray(lote.texto(c).data(), qsizetype(lote.texto(c).size()));
    }

    void ler(LoteLinhas& lote, bool comRowid, int colunas,
             std::vector<DefCampo>* resultado) override {
        Resultado r = executarNoServidor();
        const int primeira = comRowid ? 1 : 0;
        std::vector<Oid> tipos;
        for (int c = 0; c < primeira + colunas; ++c)
            tipos.push_back(PQftype(r.get(), c));
        if (resultado) {
            resultado->clear();
            for (int c = primeira; c < primeira + colunas; ++c) {
                DefCampo campo;
                if (!banco_.campoDeclarado(PQftable(r.get(), c), PQftablecol(r.get(), c), campo))
                    campo.tipo = tipoDoOid(tipos[size_t(c)]);
                campo.nome = QString::fromUtf8(PQfname(r.get(), c));
                resultado->push_back(campo);
            }
        }
        const int linhas = PQntuples(r.get());
        for (int l = 0; l < linhas; ++l) {
            lote.novaLinha(comRowid ? std::strtoll(PQgetvalue(r.get(), l, 0), nullptr, 10)
                                    : qint64(lote.linhas()),
                           colunas);
            for (int c = primeira; c < primeira + colunas; ++c) {
                if (PQgetisnull(r.get(), l, c)) {
                    lote.maisNulo();
                    continue;
                }
                const char* v = PQgetvalue(r.get(), l, c);
                switch (tipos[size_t(c)]) {
                case OidInt2:
                case OidInt4:
                case OidInt8:
                    lote.maisInteiro(std::strtoll(v, nullptr, 10));
                    break;
                case OidBool:
                    lote.maisInteiro(v[0] == 't' ? 1 : 0);
                    break;
                case OidFloat4:
                case OidFloat8:
                case OidNumeric:
                    lote.maisReal(std::strtod(v, nullptr));
                    break;
                default:
                    lote.maisTexto(v, size_t(PQgetlength(r.get(), l, c)));
                }
            }
        }
    }

    qint64 escalar(qint64 padrao) override {
        Resultado r = executarNoServidor();
        if (PQntuples(r.get()) == 0 || PQnfields(r.get()) == 0 || PQgetisnull(r.get(), 0, 0))
            return padrao;
        return std::strtoll(PQgetvalue(r.get(), 0, 0), nullptr, 10);
    }

    qint64 executar() override {
        Resultado r = executarNoServidor();
        return std::strtoll(PQcmdTuples(r.get()), nullptr, 10);
    }

    bool somenteLeitura() const override { return leitura_; }
    int colunasResultado() const override { return campos_; }

private:
    Resultado executarNoServidor() {
        std::vector<const char*> valores;
        valores.resize(size_t(parametros_));
        for (size_t i = 0; i < valores.size(); ++i)
            valores[i] = nulos_[i] ? nullptr : valores_[i].constData();
        Resultado r(PQexecPrepared(banco_.conexao(), nome_.c_str(), parametros_, valores.data(),
                                   nullptr, nullptr, 0));
        if (!resultadoOk(r.get()))
            banco_.falhar(r.get());
        return r;
    }

    BancoPostgres& banco_;
    std::weak_ptr<bool> vida_ = banco_.vida();
    std::string nome_;
    bool leitura_;
    int parametros_ = 0;
    int campos_ = 0;
    std::vector<QByteArray> valores_;
    std::vector<bool> nulos_;
};

QString valorLinha(const QStringList& linhas, const char* chave) {
    for (const QString& l : linhas)
        if (l.startsWith(QLatin1String(chave) + '=', Qt::CaseInsensitive))
            return l.mid(int(qstrlen(chave)) + 1).trimmed();
    return QString();
}

QByteArray parametroConexao(const char* nome, const QString& valor) {
    if (valor.isEmpty())
        return QByteArray();
    QString v = valor;
    v.replace('\\', "\\\\").replace('\'', "\\'");
    return QByteArray(nome) + "='" + v.toUtf8() + "' ";
}

QString nomeIndiceSql(const QString& tabela, const QString& indice) {
    return CitarNome(tabela + "__" + (indice.isEmpty() ? QString("PK") : indice));
}
} // namespace

ServidorBanco ServidorBanco::dasLinhas(const QStringList& linhas) {
    ServidorBanco s;
    const QString servidor = valorLinha(linhas, "SERVER NAME");
    if (servidor.isEmpty())
        return s;
    // host:port/base; the host may be a socket folder with slashes of its own.
    const qsizetype barra = servidor.lastIndexOf('/');
    s.base = barra < 0 ? servidor : servidor.mid(barra + 1);
    QString endereco = barra < 0 ? QString() : servidor.left(barra);
    const qsizetype doisPontos = endereco.lastIndexOf(':');
    if (doisPontos >= 0 && !endereco.mid(doisPontos + 1).contains('/')) {
        s.porta = endereco.mid(doisPontos + 1);
        endereco.truncate(doisPontos);
    }
    s.host = endereco;
    s.usuario = valorLinha(linhas, "USER NAME");
    s.senha = valorLinha(linhas, "PASSWORD");
    return s;
}

QByteArray ServidorBanco::parametrosConexao() const {
    return parametroConexao("host", host) + parametroConexao("port", porta) +
           parametroConexao("dbname", base) + parametroConexao("user", usuario) +
           parametroConexao("password", senha) + "application_name='pcp'";
}

QString EsquemaDoDiretorio(const QString& dirArmazenado) {
    QString s = dirArmazenado.toLower();
    s.replace(QRegularExpression("[^a-z0-9]+"), "_");
    while (s.startsWith('_'))
        s.remove(0, 1);
    while (s.endsWith('_'))
        s.chop(1);
    if (s.isEmpty() || s[0].isDigit())
        s.prepend("d_");
    // Server names hold 63 bytes; a long path keeps its start and a hash.
    if (s.size() > 63)
        s = s.left(50) + '_' +
            QString::number(fnv1a(dirArmazenado.toUpper().toUtf8()) % 1000000000000ULL);
    return s;
}

void CriarEsquemaNoServidor(const ServidorBanco& servidor, const QString& dirArmazenado) {
    PGconn* conn = PQconnectdb(servidor.parametrosConexao().constData());
    PQsetNoticeProcessor(
        conn, [](void*, const char*) {}, nullptr);
    const QString sql =
        "CREATE SCHEMA IF NOT EXISTS " + CitarNome(EsquemaDoDiretorio(dirArmazenado));
    Resultado r(PQstatus(conn) == CONNECTION_OK ? PQexec(conn, sql.toUtf8().constData()) : nullptr);
    const QString erro =
        r && resultadoOk(r.get()) ? QString() : QString::fromUtf8(PQerrorMessage(conn)).trimmed();
    PQfinish(conn);
    if (!erro.isEmpty())
        throw ErroBanco("Cannot create directory " + dirArmazenado + ": " + erro);
}

BancoPostgres::BancoPostgres(const QString& dirArmazenado, const ServidorBanco& servidor)
    : Banco(dirArmazenado), esquema_(EsquemaDoDiretorio(dirArmazenado)) {
    conn_ = PQconnectdb(servidor.parametrosConexao().constData());
    if (PQstatus(conn_) != CONNECTION_OK) {
        const QString msg = QString::fromUtf8(PQerrorMessage(conn_)).trimmed();
        PQfinish(conn_);
        conn_ = nullptr;
        throw ErroBanco("Não foi possível conectar ao servidor de banco de dados " + servidor.host +
                        (servidor.porta.isEmpty() ? QString() : ':' + servidor.porta) + '/' +
                        servidor.base + ": " + msg);
    }
    PQsetClientEncoding(conn_, "UTF8");
    // The server's notices ("already exists, skipping") are not for the operator.
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
    try {
        prepararServidor();
        const QByteArray esquema = esquema_.toUtf8();
        const char* valores[] = {esquema.constData()};
        Resultado r(PQexecParams(conn_, "SELECT 1 FROM pg_namespace WHERE nspname = $1", 1, nullptr,
                                 valores, nullptr, nullptr, 0));
        if (!resultadoOk(r.get()))
            falhar(r.get());
        if (PQntuples(r.get()) == 0)
            throw ErroBanco("Directory does not exist: " + dirArmazenado);
        executar("SET search_path TO " + CitarNome(esquema_) + ", pcp");
    } catch (...) {
        PQfinish(conn_);
        conn_ = nullptr;
        throw;
    }
}

BancoPostgres::~BancoPostgres() {
    encerrar();
    cache_.clear();
    PQfinish(conn_); // the server frees this station's advisory locks
}

// What every database of the server needs once: the type checks of dates
// and times (which must answer false, not fail, on a bad value) and the
// case-insensitive collation of the indexes that ignore case.
void BancoPostgres::prepararServidor() {
    Resultado r(PQexec(conn_, "SELECT 1 FROM pg_proc p JOIN pg_namespace n ON n.oid = "
                              "p.pronamespace WHERE n.nspname = 'pcp' AND p.proname = "
                              "'data_hora_valida'"));
    if (resultadoOk(r.get()) && PQntuples(r.get()) > 0)
        return;
    const char* sql = R"(
BEGIN;
SELECT pg_advisory_xact_lock(7383001);
CREATE SCHEMA IF NOT EXISTS pcp;
CREATE COLLATION IF NOT EXISTS pcp.nocase (provider = icu, locale = 'und-u-ks-level2',
    deterministic = false);
CREATE OR REPLACE FUNCTION pcp.data_valida(t text) RETURNS boolean LANGUAGE plpgsql
    IMMUTABLE AS $f$
BEGIN
    RETURN t ~ '^\d{4}-\d{2}-\d{2}$' AND t >= '0001-01-01'
        AND to_char(to_date(t, 'YYYY-MM-DD'), 'YYYY-MM-DD') = t;
EXCEPTION WHEN others THEN RETURN false;
END $f$;
CREATE OR REPLACE FUNCTION pcp.hora_valida(t text) RETURNS boolean LANGUAGE plpgsql
    IMMUTABLE AS $f$
BEGIN
    RETURN t ~ '^\d{2}:\d{2}:\d{2}(\.\d{1,3})?$' AND t::time IS NOT NULL
        AND substr(t, 1, 2)::int < 24;
EXCEPTION WHEN others THEN RETURN false;
END $f$;
CREATE OR REPLACE FUNCTION pcp.data_hora_valida(t text) RETURNS boolean LANGUAGE plpgsql
    IMMUTABLE AS $f$
BEGIN
    RETURN length(t) >= 19 AND substr(t, 11, 1) = ' '
        AND pcp.data_valida(substr(t, 1, 10)) AND pcp.hora_valida(substr(t, 12));
END $f$;
COMMIT;)";
    Resultado c(PQexec(conn_, sql));
    if (!resultadoOk(c.get())) {
        const QString msg = QString::fromUtf8(PQerrorMessage(conn_)).trimmed();
        PQclear(PQexec(conn_, "ROLLBACK"));
        throw ErroBanco("Não foi possível preparar o servidor de banco de dados: " + msg);
    }
}

void BancoPostgres::falhar(const PGresult* r) const {
    const char* estado = r ? PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
    const QString codigo = QString::fromLatin1(estado ? estado : "");
    const char* primaria = r ? PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    const QString msg = QString::fromUtf8(primaria ? primaria : PQerrorMessage(conn_)).trimmed();
    if (codigo == "23505")
        throw ErroBanco(TextoViolacaoChave);
    if (codigo == "23514") {
        const char* restricao = PQresultErrorField(r, PG_DIAG_CONSTRAINT_NAME);
        throw ErroBanco("Valor inválido para o campo " +
                        QString::fromUtf8(restricao ? restricao : ""));
    }
    if (codigo.startsWith("22"))
        throw ErroBanco("Valor inválido: " + msg);
    if (PQstatus(conn_) != CONNECTION_OK)
        throw ErroBanco("A conexão com o servidor de banco de dados caiu: " + msg);
    throw ErroBanco(msg);
}

void BancoPostgres::executar(const QString& sql) {
    Resultado r(PQexec(conn_, sql.toUtf8().constData()));
    if (!resultadoOk(r.get()))
        falhar(r.get());
}

Instrucao& BancoPostgres::preparar(const QString& sql) {
    const std::string chave = sql.toStdString();
    auto it = cache_.find(chave);
    if (it != cache_.end()) {
        static_cast<InstrucaoPostgres&>(*it->second).reiniciar();
        return *it->second;
    }
    auto instrucao = std::make_unique<InstrucaoPostgres>(
        *this, "pcp_" + std::to_string(++proximaInstrucao_), numerarParametros(sql));
    auto& ref = cache_[chave];
    ref = std::move(instrucao);
    return *ref;
}

std::unique_ptr<Instrucao> BancoPostgres::prepararAvulsa(const QString& sql) {
    return std::make_unique<InstrucaoPostgres>(*this, "pcp_" + std::to_string(++proximaInstrucao_),
                                               sql);
}

void BancoPostgres::exigirGravavel() const {
    if (PQstatus(conn_) != CONNECTION_OK)
        throw ErroBanco("A conexão com o servidor de banco de dados caiu; nada foi gravado. "
                        "Feche o programa e abra-o de novo.");
}

void BancoPostgres::comecar() {
    executar("BEGIN");
}

void BancoPostgres::efetivar() {
    executar("COMMIT");
}

void BancoPostgres::reverter() noexcept {
    if (conn_ && PQtransactionStatus(conn_) != PQTRANS_IDLE)
        PQclear(PQexec(conn_, "ROLLBACK"));
}

// Every commit of every station moves the server's write-ahead log: its
// position changes whenever what a cursor read ahead may be stale.
qint64 BancoPostgres::versaoDados() {
    return preparar("SELECT pg_current_wal_insert_lsn() - '0/0'::pg_lsn").escalar(-1);
}

qint64 BancoPostgres::chaveTrava(quint64 posicao) const {
    // One server holds many companies: the directory is part of the key.
    return qint64((posicao ^ fnv1a(esquema_.toUtf8())) & 0x3fffffffffffffffULL);
}

bool BancoPostgres::travarPosicao(quint64 posicao) {
    const QByteArray chave = QByteArray::number(chaveTrava(posicao));
    const char* valores[] = {chave.constData()};
    Resultado r(PQexecParams(conn_, "SELECT pg_try_advisory_lock($1::bigint)", 1, nullptr, valores,
                             nullptr, nullptr, 0));
    if (!resultadoOk(r.get()))
        falhar(r.get());
    return PQgetvalue(r.get(), 0, 0)[0] == 't';
}

void BancoPostgres::destravarPosicao(quint64 posicao) {
    const QByteArray chave = QByteArray::number(chaveTrava(posicao));
    const char* valores[] = {chave.constData()};
    PQclear(PQexecParams(conn_, "SELECT pg_advisory_unlock($1::bigint)", 1, nullptr, valores,
                         nullptr, nullptr, 0));
}

QString BancoPostgres::esquemaDe(const QString& dirArmazenado, const QString&) {
    return EsquemaDoDiretorio(dirArmazenado);
}

bool BancoPostgres::existe(const QString& nome) {
    Instrucao& i = preparar("SELECT 1 FROM pg_class c JOIN pg_namespace n ON n.oid = "
                            "c.relnamespace WHERE n.nspname = ? AND lower(c.relname) = lower(?) "
                            "AND c.relkind = 'r'");
    i.vincular(1, esquema_);
    i.vincular(2, NomeTabelaNormalizado(nome));
    return i.escalar(0) == 1;
}

void BancoPostgres::esquecerEsquema() {
    infos_.clear();
    camposPorTabela_.clear();
    cache_.clear();
}

bool BancoPostgres::campoDeclarado(unsigned tabelaOid, int coluna, DefCampo& campo) {
    if (tabelaOid == 0 || coluna <= 0)
        return false;
    auto it = camposPorTabela_.find(tabelaOid);
    if (it == camposPorTabela_.end()) {
        QList<DefCampo> campos;
        const QByteArray oid = QByteArray::number(tabelaOid);
        const char* valores[] = {oid.constData()};
        Resultado r(PQexecParams(conn_,
                                 "SELECT attnum, attname, col_description(attrelid, attnum) FROM "
                                 "pg_attribute WHERE attrelid = $1::oid AND attnum > 0 ORDER BY "
                                 "attnum",
                                 1, nullptr, valores, nullptr, nullptr, 0));
        if (!resultadoOk(r.get()))
            return false;
        for (int l = 0; l < PQntuples(r.get()); ++l) {
            const int num = std::atoi(PQgetvalue(r.get(), l, 0));
            while (campos.size() < num)
                campos << DefCampo{};
            DefCampo c;
            c.nome = QString::fromUtf8(PQgetvalue(r.get(), l, 1));
            c.tipo = PQgetisnull(r.get(), l, 2)
                         ? TipoCampo::Memo
                         : TipoDeclarado(QString::fromUtf8(PQgetvalue(r.get(), l, 2)), &c.tamanho,
                                         &c.obrigatorio);
            campos[num - 1] = c;
        }
        it = camposPorTabela_.insert(tabelaOid, campos);
    }
    if (coluna > it->size() || it->at(coluna - 1).nome.isEmpty())
        return false;
    campo = it->at(coluna - 1);
    return true;
}

namespace {
// A transaction of its own unless one is already open on the connection.
template <class F> void emTransacaoPropria(BancoPostgres& b, F&& f) {
    const bool propria = PQtransactionStatus(b.conexao()) == PQTRANS_IDLE;
    if (propria)
        b.executar("BEGIN");
    try {
        f();
        if (propria)
            b.executar("COMMIT");
    } catch (...) {
        if (propria)
            PQclear(PQexec(b.conexao(), "ROLLBACK"));
        throw;
    }
}

// Index columns ordered as the cursors walk them: NULL first, the row id
// breaking ties of a non-unique index; only text ignores case.
QString colunasIndice(const DefTabela& def, const QStringList& campos, bool ignoraCaixa,
                      bool comRowid) {
    QStringList partes;
    for (const QString& c : campos) {
        const int i = def.indiceCampo(c);
        const bool texto = i >= 0 && (def.campos[size_t(i)].tipo == TipoCampo::Texto ||
                                      def.campos[size_t(i)].tipo == TipoCampo::Memo);
        partes << CitarNome(i >= 0 ? def.campos[size_t(i)].nome : c) +
                      (ignoraCaixa && texto ? " COLLATE pcp.nocase" : "") + " NULLS FIRST";
    }
    if (comRowid)
        partes << "pcp_rowid";
    return partes.join(", ");
}
} // namespace

void BancoPostgres::atualizarEsquema(const DefTabela& def, const QString& esquema) {
    const QString tabela = CitarNome(esquema) + '.' + CitarNome(def.nome);
    QStringList existentes;
    {
        Instrucao& i = preparar("SELECT upper(attname) FROM pg_attribute WHERE attrelid = "
                                "?::regclass AND attnum > 0 AND NOT attisdropped");
        i.vincular(1, tabela);
        LoteLinhas l;
        i.ler(l, false, 1);
        for (int k = 0; k < l.linhas(); ++k)
            existentes << l.valor(k, 0, TipoCampo::Texto).toString();
    }
    for (const DefCampo& c : def.campos)
        if (!existentes.contains(c.nome.toUpper())) {
            executar("ALTER TABLE " + tabela + " ADD COLUMN " + DeclaracaoColuna(c, alvo()));
            executar("COMMENT ON COLUMN " + tabela + '.' + CitarNome(c.nome) + " IS " + '\'' +
                     TipoDeclaradoDe(c) + '\'');
        }
    if (!def.chavePrimaria.isEmpty())
        executar("CREATE UNIQUE INDEX IF NOT EXISTS " + nomeIndiceSql(def.nome, QString()) +
                 " ON " + tabela + " (" + colunasIndice(def, def.chavePrimaria, false, false) +
                 ") NULLS NOT DISTINCT");
    for (const DefIndice& ind : def.indices)
        executar(QString("CREATE %1INDEX IF NOT EXISTS ").arg(ind.unico ? "UNIQUE " : "") +
                 nomeIndiceSql(def.nome, ind.nome) + " ON " + tabela + " (" +
                 colunasIndice(def, ind.campos, ind.ignoraCaixa, !ind.unico) + ')');
}

void BancoPostgres::criar(const DefTabela& def) {
    exigirGravavel();
    QStringList cols;
    for (const DefCampo& c : def.campos)
        cols << DeclaracaoColuna(c, alvo());
    cols << "pcp_rowid bigint GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY";
    const QString tabela = CitarNome(esquema_) + '.' + CitarNome(def.nome);
    emTransacaoPropria(*this, [&] {
        // Stations creating the same table at once wait for each other.
        executar("SELECT pg_advisory_xact_lock(7383002)");
        if (existe(def.nome))
            return;
        executar("CREATE TABLE " + tabela + " (" + cols.join(", ") + ')');
        for (const DefCampo& c : def.campos)
            executar("COMMENT ON COLUMN " + tabela + '.' + CitarNome(c.nome) + " IS " + '\'' +
                     TipoDeclaradoDe(c) + '\'');
        atualizarEsquema(def, esquema_);
    });
    infos_.remove((esquema_ + '.' + def.nome).toUpper());
    marcarEscrita();
}

InfoTabela BancoPostgres::lerInfo(const QString& nome, const QString& esquema) {
    InfoTabela info;
    info.esquema = esquema;
    info.comVerificacoes = true;
    Instrucao& t = preparar("SELECT c.oid, c.relname, c.xmin::text FROM pg_class c JOIN "
                            "pg_namespace n ON n.oid = c.relnamespace WHERE n.nspname = ? AND "
                            "lower(c.relname) = lower(?) AND c.relkind = 'r'");
    t.vincular(1, esquema);
    t.vincular(2, nome);
    LoteLinhas lt;
    t.ler(lt, false, 3);
    if (lt.linhas() == 0)
        return info;
    const qint64 oid = lt.valor(0, 0, TipoCampo::Long).toLongLong();
    versoes_.insert((esquema + '.' + nome).toUpper(),
                    {oid, lt.valor(0, 2, TipoCampo::Texto).toString()});
    info.nome = lt.valor(0, 1, TipoCampo::Texto).toString();
    info.sqlNome = CitarNome(esquema) + '.' + CitarNome(info.nome);

    Instrucao& c = preparar("SELECT attnum, attname, col_description(attrelid, attnum) FROM "
                            "pg_attribute WHERE attrelid = ?::bigint::oid AND attnum > 0 AND NOT "
                            "attisdropped AND attname <> 'pcp_rowid' ORDER BY attnum");
    c.vincular(1, oid);
    LoteLinhas lc;
    c.ler(lc, false, 3);
    QHash<int, int> porNumero; // attnum -> position among the fields
    for (int k = 0; k < lc.linhas(); ++k) {
        InfoColuna col;
        col.nome = lc.valor(k, 1, TipoCampo::Texto).toString();
        col.tipo = TipoDeclarado(lc.valor(k, 2, TipoCampo::Texto).toString(), &col.tamanho,
                                 &col.obrigatorio);
        porNumero.insert(lc.valor(k, 0, TipoCampo::Long).toInt(), int(info.colunas.size()));
        info.colunas.push_back(col);
    }

    Instrucao& x = preparar("SELECT ic.relname, i.indisunique, i.indkey::text, "
                            "pg_get_indexdef(i.indexrelid) FROM pg_index i JOIN pg_class ic ON "
                            "ic.oid = i.indexrelid WHERE i.indrelid = ?::bigint::oid");
    x.vincular(1, oid);
    LoteLinhas lx;
    x.ler(lx, false, 4);
    const QString prefixo = info.nome + "__";
    for (int k = 0; k < lx.linhas(); ++k) {
        const QString nomeSql = lx.valor(k, 0, TipoCampo::Texto).toString();
        if (!nomeSql.startsWith(prefixo, Qt::CaseInsensitive))
            continue;
        InfoIndice ind;
        ind.nome = nomeSql.mid(prefixo.size());
        ind.unico = lx.valor(k, 1, TipoCampo::Long).toInt() != 0;
        for (const QString& n : lx.valor(k, 2, TipoCampo::Texto).toString().split(' ')) {
            auto p = porNumero.constFind(n.toInt());
            if (p != porNumero.constEnd())
                ind.colunas.push_back(p.value());
        }
        ind.ignoraCaixa =
            lx.valor(k, 3, TipoCampo::Texto).toString().contains("COLLATE nocase") ||
            lx.valor(k, 3, TipoCampo::Texto).toString().contains("COLLATE pcp.nocase");
        if (ind.nome == "PK") {
            ind.nome.clear();
            info.temPrimario = true;
            info.indices.insert(info.indices.begin(), ind);
        } else {
            info.indices.push_back(ind);
        }
    }
    return info;
}

std::shared_ptr<const InfoTabela> BancoPostgres::tabela(const QString& nomeArquivo,
                                                        const QString& esquemaPedido) {
    const QString esquema = esquemaPedido.isEmpty() ? esquema_ : esquemaPedido;
    const QString nome = NomeTabelaNormalizado(nomeArquivo);
    const QString chave = (esquema + '.' + nome).toUpper();
    auto it = infos_.constFind(chave);
    if (it != infos_.constEnd()) {
        // Any change of the table's definition, by any station, gives its
        // catalogue row a new version.
        const auto versao = versoes_.value(chave);
        Instrucao& v = preparar("SELECT xmin::text = ? FROM pg_class WHERE oid = ?::bigint::oid");
        v.vincular(1, versao.second);
        v.vincular(2, versao.first);
        LoteLinhas l;
        v.ler(l, false, 1);
        if (l.linhas() == 1 && l.valor(0, 0, TipoCampo::Logico).toBool())
            return it.value();
        infos_.remove(chave);
        camposPorTabela_.remove(quint64(versao.first));
    }
    InfoTabela info = lerInfo(nome, esquema);
    const DefTabela* def = CatalogoTabelas::buscar(nome);
    if (info.nome.isEmpty()) {
        if (!def || !def->criarAutomaticamente || esquema != esquema_)
            throw ErroBanco("Table does not exist: " + nomeArquivo);
        criar(*def);
        info = lerInfo(nome, esquema);
    } else if (def && esquema == esquema_) {
        const size_t antes = info.colunas.size() + info.indices.size();
        atualizarEsquema(*def, esquema);
        InfoTabela nova = lerInfo(nome, esquema);
        if (nova.colunas.size() + nova.indices.size() != antes)
            info = std::move(nova);
    }
    auto ptr = std::make_shared<const InfoTabela>(std::move(info));
    infos_.insert(chave, ptr);
    return ptr;
}

QStringList BancoPostgres::nomesTabelas() {
    Instrucao& i = preparar("SELECT c.relname FROM pg_class c JOIN pg_namespace n ON n.oid = "
                            "c.relnamespace WHERE n.nspname = ? AND c.relkind = 'r' ORDER BY "
                            "lower(c.relname)");
    i.vincular(1, esquema_);
    LoteLinhas l;
    i.ler(l, false, 1);
    QStringList r;
    for (int k = 0; k < l.linhas(); ++k)
        r << l.valor(k, 0, TipoCampo::Texto).toString();
    return r;
}
