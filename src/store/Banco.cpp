#include "Banco_interno.h"
#include "DefTabela.h"
#include "ErroBanco.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace {
int falhaEm = 0;
int transacoesProcesso = 0;

std::function<long(const QString&)>& tipoSimulado() {
    static std::function<long(const QString&)> f;
    return f;
}

// File systems on which SQLite's WAL (shared memory beside the file) or
// the byte-range record locks are not safe between machines.
bool sistemaDeRede(long tipo) {
    switch (static_cast<unsigned long>(tipo) & 0xffffffffUL) {
    case 0x6969:     // NFS
    case 0x517B:     // SMB
    case 0xFF534D42: // CIFS
    case 0xFE534D42: // SMB2
    case 0x65735546: // FUSE (sshfs and the like)
    case 0x01021997: // 9P
    case 0x00C36400: // Ceph
    case 0x5346414F: // AFS
    case 0x73757245: // Coda
    case 0x47504653: // GPFS
    case 0x0BD00BD0: // Lustre
    case 0x013111A8: // IBRIX
        return true;
    default:
        return false;
    }
}

long tipoSistemaArquivos(const QString& dirHost) {
    if (tipoSimulado())
        return tipoSimulado()(dirHost);
    struct statfs fs {};
    if (::statfs(QFile::encodeName(dirHost).constData(), &fs) != 0)
        return 0;
    return long(fs.f_type);
}

bool mesmoArquivo(int fd, const QString& caminho) {
    struct stat aberto {
    }, atual{};
    if (::fstat(fd, &aberto) != 0 || ::stat(QFile::encodeName(caminho).constData(), &atual) != 0)
        return false;
    return aberto.st_dev == atual.st_dev && aberto.st_ino == atual.st_ino;
}

// UPPER and LOWER over the whole of Unicode, so "ção" becomes "ÇÃO".
void funcaoCaixa(sqlite3_context* ctx, int, sqlite3_value** argv, bool maiuscula) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* txt = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QString s = QString::fromUtf8(txt, sqlite3_value_bytes(argv[0]));
    const QByteArray r = (maiuscula ? s.toUpper() : s.toLower()).toUtf8();
    sqlite3_result_text(ctx, r.constData(), int(r.size()), SQLITE_TRANSIENT);
}
void funcaoUpper(sqlite3_context* c, int n, sqlite3_value** v) {
    funcaoCaixa(c, n, v, true);
}
void funcaoLower(sqlite3_context* c, int n, sqlite3_value** v) {
    funcaoCaixa(c, n, v, false);
}

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

void VincularValor(sqlite3_stmt* st, int p, const QVariant& v) {
    if (!v.isValid() || v.isNull()) {
        sqlite3_bind_null(st, p);
        return;
    }
    QByteArray txt;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Short:
        sqlite3_bind_int64(st, p, v.toLongLong());
        return;
    case QMetaType::Bool:
        sqlite3_bind_int(st, p, v.toBool() ? 1 : 0);
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(st, p, v.toDouble());
        return;
    case QMetaType::QDate:
        txt = v.toDate().toString(Qt::ISODate).toUtf8();
        break;
    case QMetaType::QTime:
        txt = v.toTime().toString("HH:mm:ss.zzz").toUtf8();
        break;
    case QMetaType::QDateTime:
        txt = v.toDateTime().toString("yyyy-MM-dd HH:mm:ss.zzz").toUtf8();
        break;
    default:
        txt = v.toString().toUtf8();
        if (txt.isEmpty()) {
            sqlite3_bind_null(st, p); // blank is NULL
            return;
        }
    }
    sqlite3_bind_text(st, p, txt.constData(), int(txt.size()), SQLITE_TRANSIENT);
}

QString TextoSqlite(sqlite3_stmt* st, int col) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, col)),
                             sqlite3_column_bytes(st, col));
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

QString VerificacaoCampo(const DefCampo& c) {
    const QString n = CitarNome(c.nome);
    QString regra;
    switch (c.tipo) {
    case TipoCampo::Short:
        regra = "typeof(@) = 'integer' AND @ BETWEEN -32768 AND 32767";
        break;
    case TipoCampo::Long:
    case TipoCampo::AutoInc:
        regra = "typeof(@) = 'integer' AND @ BETWEEN -2147483648 AND 2147483647";
        break;
    case TipoCampo::Number:
        regra = "typeof(@) IN ('integer', 'real')";
        break;
    case TipoCampo::Money:
        regra = "typeof(@) IN ('integer', 'real') AND @ BETWEEN -922337203685477.5808 AND "
                "922337203685477.5807";
        break;
    case TipoCampo::Texto:
        regra = "typeof(@) = 'text'";
        if (c.tamanho > 0)
            regra += QString(" AND length(@) <= %1").arg(c.tamanho);
        break;
    case TipoCampo::Memo:
        regra = "typeof(@) = 'text'";
        break;
    case TipoCampo::Data:
        regra = "typeof(@) = 'text' AND length(@) = 10 AND date(julianday(@)) IS @ AND @ >= "
                "'0001-01-01'";
        break;
    case TipoCampo::Hora:
        regra = "typeof(@) = 'text' AND length(@) BETWEEN 8 AND 12 AND time(@) IS substr(@, 1, 8)";
        break;
    case TipoCampo::DataHora:
        regra = "typeof(@) = 'text' AND length(@) BETWEEN 19 AND 23 AND "
                "datetime(julianday(@)) IS substr(@, 1, 19) AND @ >= '0001-01-01'";
        break;
    case TipoCampo::Logico:
        regra = "typeof(@) = 'integer' AND @ IN (0, 1)";
        break;
    }
    // The constraint's name is what SQLite reports when it fails.
    return "CONSTRAINT " + CitarNome(c.nome + " (" + DescricaoTipo(c) + ")") + " CHECK (" + n +
           " IS NULL OR (" + regra.replace('@', n) + "))";
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

QString InfoTabela::sqlNome() const {
    return esquema + '.' + CitarNome(nome);
}

void Banco::simularTipoSistemaArquivos(std::function<long(const QString&)> tipo) {
    tipoSimulado() = std::move(tipo);
}

int Banco::transacoesAbertas() {
    return transacoesProcesso;
}

Banco::Banco(const QString& dirArmazenado, const QString& dirHost)
    : dirArmazenado_(dirArmazenado), dirHost_(dirHost) {
    if (!QDir(dirHost).exists())
        throw ErroBanco("Directory does not exist: " + dirArmazenado);
    if (sistemaDeRede(tipoSistemaArquivos(dirHost)))
        throw ErroBanco("O diretório " + dirArmazenado +
                        " está numa pasta de rede. O banco de dados local só pode ser "
                        "compartilhado por estações do mesmo computador (servidor de "
                        "terminais); estações em computadores diferentes usam o banco em "
                        "servidor.");
    const QString arquivo = QDir(dirHost).filePath(ArquivoBanco);
    // Without write access to the folder SQLite cannot keep its WAL beside
    // the file: the data is then read as it stands, and posts are refused.
    somenteLeitura_ =
        ::access(QFile::encodeName(dirHost).constData(), W_OK) != 0 ||
        (QFileInfo::exists(arquivo) && ::access(QFile::encodeName(arquivo).constData(), W_OK) != 0);
    const QByteArray uri = "file:" + QUrl::toPercentEncoding(arquivo, "/");
    auto abrir = [&](int flags, const QByteArray& nome) {
        const int rc = sqlite3_open_v2(nome.constData(), &db_,
                                       flags | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI, nullptr);
        if (rc != SQLITE_OK) {
            const QString msg =
                db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString("out of memory");
            sqlite3_close(db_);
            db_ = nullptr;
            throw ErroBanco("Cannot open database " + dirArmazenado + ": " + msg);
        }
        sqlite3_extended_result_codes(db_, 1);
        return sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    };
    int rc = abrir(
        somenteLeitura_ ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, uri);
    if (somenteLeitura_ && (rc & 0xff) != SQLITE_OK && (rc & 0xff) != SQLITE_NOTADB &&
        (rc & 0xff) != SQLITE_CORRUPT) {
        // No WAL index can be made beside the file: read the file as it stands.
        sqlite3_close(db_);
        db_ = nullptr;
        rc = abrir(SQLITE_OPEN_READONLY, uri + "?immutable=1");
    }
    try {
        // A damaged file is told at once, before any wait on a lock.
        if ((rc & 0xff) == SQLITE_NOTADB || (rc & 0xff) == SQLITE_CORRUPT)
            throw ErroBanco("O arquivo " + QDir::toNativeSeparators(arquivo) +
                            " não é um banco de dados válido ou está danificado (" +
                            QString::fromUtf8(sqlite3_errstr(rc)) + ").");
        sqlite3_busy_timeout(db_, 10000);
        if (!somenteLeitura_) {
            executar("PRAGMA journal_mode=WAL");
            executar("PRAGMA synchronous=FULL");
        }
        executar("PRAGMA case_sensitive_like=ON");
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
    sqlite3_create_function(db_, "upper", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            funcaoUpper, nullptr, nullptr);
    sqlite3_create_function(db_, "lower", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            funcaoLower, nullptr, nullptr);
    arquivoTravas_ = QDir(dirHost).filePath(ArquivoTravas);
    if (somenteLeitura_)
        return; // nothing is edited, so nothing is locked
    fdTravas_ =
        ::open(QFile::encodeName(arquivoTravas_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fdTravas_ < 0) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw ErroBanco("Cannot open lock file in " + dirArmazenado);
    }
}

Banco::~Banco() {
    if (profundidade_ > 0) {
        profundidade_ = 1;
        desfazerTransacao();
    }
    for (auto& [sql, st] : cache_)
        sqlite3_finalize(st);
    sqlite3_finalize(stmtVersao_);
    sqlite3_close_v2(db_);
    if (fdTravas_ >= 0)
        ::close(fdTravas_); // releases every record lock of this connection
}

void Banco::falhar(int rc) const {
    const int basico = rc & 0xff;
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
        throw ErroBanco(TextoViolacaoChave);
    if (basico == SQLITE_OK || basico == SQLITE_DONE || basico == SQLITE_ROW)
        throw ErroBanco("Unknown store error");
    QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
    if (rc == SQLITE_CONSTRAINT_CHECK) {
        static const QRegularExpression re("^CHECK constraint failed: (.*)$");
        const auto m = re.match(msg);
        if (m.hasMatch())
            throw ErroBanco("Valor inválido para o campo " + m.captured(1));
    }
    if (basico == SQLITE_READONLY)
        verificarArquivos();
    throw ErroBanco(msg);
}

void Banco::executar(const QString& sql) {
    char* erro = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &erro);
    sqlite3_free(erro);
    if (rc != SQLITE_OK)
        falhar(rc);
}

sqlite3_stmt* Banco::preparar(const std::string& sql) {
    auto it = cache_.find(sql);
    if (it != cache_.end()) {
        sqlite3_reset(it->second);
        sqlite3_clear_bindings(it->second);
        return it->second;
    }
    sqlite3_stmt* st = nullptr;
    const int rc = sqlite3_prepare_v3(db_, sql.c_str(), int(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                      &st, nullptr);
    if (rc != SQLITE_OK)
        falhar(rc);
    cache_.emplace(sql, st);
    return st;
}

void Banco::exigirGravavel() const {
    if (somenteLeitura_)
        throw ErroBanco("O banco de dados de " + dirArmazenado_ +
                        " está numa pasta ou mídia somente para leitura: pode ser consultado, "
                        "mas nada pode ser gravado nele.");
    verificarArquivos();
}

// The files this connection works on must still be the ones at their
// paths: a write into a file deleted or replaced meanwhile would be lost,
// and a lock on a replaced lock file would be seen by no other station.
void Banco::verificarArquivos() const {
    int movido = 0;
    if (sqlite3_file_control(db_, "main", SQLITE_FCNTL_HAS_MOVED, &movido) == SQLITE_OK && movido)
        throw ErroBanco("O arquivo do banco de dados de " + dirArmazenado_ +
                        " foi apagado ou substituído enquanto estava aberto; nada foi gravado. "
                        "Feche o programa e abra-o de novo.");
    if (fdTravas_ >= 0 && !mesmoArquivo(fdTravas_, arquivoTravas_))
        throw ErroBanco("O arquivo de travas de registro de " + dirArmazenado_ +
                        " foi apagado ou substituído enquanto estava em uso; nada foi gravado. "
                        "Feche o programa em todas as estações e abra-o de novo.");
}

void Banco::iniciarEscrita() {
    if (profundidade_ > 0) {
        if (transacaoPerdida_)
            throw ErroBanco("A transação foi desfeita por uma falha anterior.");
        executar("SAVEPOINT pcp_escrita");
        return;
    }
    exigirGravavel();
    sqlite3_stmt* st = preparar("BEGIN IMMEDIATE");
    const int rc = sqlite3_step(st);
    sqlite3_reset(st);
    verificar(rc);
}

void Banco::confirmar() {
    if (InjecaoFalhas::deveFalhar())
        throw ErroBanco("disk I/O error");
    if (profundidade_ > 0) {
        executar("RELEASE pcp_escrita");
        ++escritasProcesso_;
        return;
    }
    sqlite3_stmt* st = preparar("COMMIT");
    const int rc = sqlite3_step(st);
    sqlite3_reset(st);
    verificar(rc);
    ++escritasProcesso_;
    verificarArquivos();
}

void Banco::desfazer() noexcept {
    if (profundidade_ > 0) {
        if (!transacaoPerdida_)
            sqlite3_exec(db_, "ROLLBACK TO pcp_escrita; RELEASE pcp_escrita", nullptr, nullptr,
                         nullptr);
        return;
    }
    if (!sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Banco::iniciarTransacao() {
    if (profundidade_ > 0) {
        if (transacaoPerdida_)
            throw ErroBanco("A transação foi desfeita por uma falha anterior.");
        ++profundidade_;
        return;
    }
    exigirGravavel();
    sqlite3_stmt* st = preparar("BEGIN IMMEDIATE");
    const int rc = sqlite3_step(st);
    sqlite3_reset(st);
    verificar(rc);
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
    sqlite3_stmt* st = preparar("COMMIT");
    const int rc = sqlite3_step(st);
    sqlite3_reset(st);
    verificar(rc);
    terminarTransacao();
    verificarArquivos();
}

void Banco::desfazerTransacao() noexcept {
    if (profundidade_ == 0)
        return;
    // An inner scope that gives up takes the whole transaction with it.
    if (!transacaoPerdida_ && !sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
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

qint64 Banco::versaoDados() {
    if (!stmtVersao_)
        sqlite3_prepare_v3(db_, "PRAGMA data_version", -1, SQLITE_PREPARE_PERSISTENT, &stmtVersao_,
                           nullptr);
    qint64 v = -1;
    if (sqlite3_step(stmtVersao_) == SQLITE_ROW)
        v = sqlite3_column_int64(stmtVersao_, 0);
    sqlite3_reset(stmtVersao_);
    return v;
}

bool Banco::travar(quint64 posicao) {
    exigirGravavel();
    auto it = travasMinhas_.find(posicao);
    if (it != travasMinhas_.end()) {
        ++it.value();
        return true;
    }
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(posicao);
    fl.l_len = 1;
    if (::fcntl(fdTravas_, F_OFD_SETLK, &fl) != 0)
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
    struct flock fl {};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(posicao);
    fl.l_len = 1;
    ::fcntl(fdTravas_, F_OFD_SETLK, &fl);
}

QString Banco::esquemaDe(const QString& dirArmazenado, const QString& dirHost) {
    if (QDir(dirHost) == QDir(dirHost_))
        return "main";
    auto it = anexos_.constFind(dirHost);
    if (it != anexos_.constEnd())
        return it.value();
    if (!QDir(dirHost).exists())
        throw ErroBanco("Directory does not exist: " + dirArmazenado);
    // A name no table file can have, so "extrato" stays a table.
    const QString esquema = QString("pcp_anexo%1").arg(anexos_.size() + 1);
    sqlite3_stmt* st = preparar("ATTACH DATABASE ? AS " + esquema.toStdString());
    const QByteArray arq = QDir(dirHost).filePath(ArquivoBanco).toUtf8();
    sqlite3_bind_text(st, 1, arq.constData(), int(arq.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(st);
    sqlite3_reset(st);
    verificar(rc);
    executar("PRAGMA " + esquema + ".journal_mode=WAL");
    anexos_.insert(dirHost, esquema);
    return esquema;
}

bool Banco::existe(const QString& nome) {
    sqlite3_stmt* st =
        preparar("SELECT 1 FROM main.sqlite_master WHERE type='table' AND name=? COLLATE NOCASE");
    const QByteArray n = NomeTabelaNormalizado(nome).toUtf8();
    sqlite3_bind_text(st, 1, n.constData(), int(n.size()), SQLITE_TRANSIENT);
    const bool achou = sqlite3_step(st) == SQLITE_ROW;
    sqlite3_reset(st);
    return achou;
}

void Banco::esquecerEsquema() {
    infos_.clear();
    versoesEsquema_.clear();
    // Prepared statements may name dropped or altered tables.
    for (auto& [sql, st] : cache_)
        sqlite3_finalize(st);
    cache_.clear();
}

namespace {
QString declaracao(const DefCampo& c) {
    // SQLite keeps the declared type as written: "VARCHAR REQUIRED(30)"
    // carries type, size and the required flag for the next reader.
    QString t = TipoSqlite(c.tipo);
    if (c.obrigatorio)
        t += " REQUIRED";
    if (c.tipo == TipoCampo::Texto && c.tamanho > 0)
        t += QString("(%1)").arg(c.tamanho);
    return CitarNome(c.nome) + ' ' + t + ' ' + VerificacaoCampo(c);
}

QString nomeIndiceSql(const QString& tabela, const QString& indice) {
    return CitarNome(tabela + "__" + (indice.isEmpty() ? QString("PK") : indice));
}

QString colunasIndice(const QStringList& campos, bool ignoraCaixa) {
    QStringList partes;
    for (const QString& c : campos)
        partes << CitarNome(c) + (ignoraCaixa ? " COLLATE NOCASE" : "");
    return partes.join(", ");
}

// A transaction of its own unless one is already open on the connection.
template <class F> void emTransacaoPropria(Banco& b, F&& f) {
    const bool propria = sqlite3_get_autocommit(b.db());
    if (propria)
        b.executar("BEGIN IMMEDIATE");
    try {
        f();
        if (propria)
            b.executar("COMMIT");
    } catch (...) {
        if (propria)
            sqlite3_exec(b.db(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}
} // namespace

void Banco::atualizarEsquema(const DefTabela& def, const QString& esquema) {
    const QString tabela = esquema + '.' + CitarNome(def.nome);
    // Columns an older file lacks are added at the end, in definition order.
    QStringList existentes;
    {
        sqlite3_stmt* st = nullptr;
        const QByteArray sql =
            ("PRAGMA " + esquema + ".table_info(" + CitarNome(def.nome) + ")").toUtf8();
        if (sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr) == SQLITE_OK)
            while (sqlite3_step(st) == SQLITE_ROW)
                existentes << TextoSqlite(st, 1).toUpper();
        sqlite3_finalize(st);
    }
    for (const DefCampo& c : def.campos)
        if (!existentes.contains(c.nome.toUpper()))
            executar("ALTER TABLE " + tabela + " ADD COLUMN " + declaracao(c));
    if (!def.chavePrimaria.isEmpty())
        executar("CREATE UNIQUE INDEX IF NOT EXISTS " + esquema + '.' +
                 nomeIndiceSql(def.nome, QString()) + " ON " + CitarNome(def.nome) + " (" +
                 colunasIndice(def.chavePrimaria, false) + ')');
    for (const DefIndice& ind : def.indices)
        executar(QString("CREATE %1INDEX IF NOT EXISTS ").arg(ind.unico ? "UNIQUE " : "") +
                 esquema + '.' + nomeIndiceSql(def.nome, ind.nome) + " ON " + CitarNome(def.nome) +
                 " (" + colunasIndice(ind.campos, ind.ignoraCaixa) + ')');
}

void Banco::criar(const DefTabela& def) {
    exigirGravavel();
    QStringList cols;
    for (const DefCampo& c : def.campos)
        cols << declaracao(c);
    emTransacaoPropria(*this, [&] {
        executar("CREATE TABLE IF NOT EXISTS main." + CitarNome(def.nome) + " (" + cols.join(", ") +
                 ')');
        atualizarEsquema(def, "main");
    });
    infos_.remove(("main." + def.nome).toUpper());
    ++escritasProcesso_;
}

// Tables written by an earlier version hold no type checks. They are
// rebuilt once with them, keeping every row, its row id and the column
// order; a table holding a row the checks would refuse is left as it is
// and the rows are listed in the directory's verification report.
void Banco::acrescentarVerificacoes(const InfoTabela& info, const DefTabela* def) {
    std::vector<DefCampo> campos;
    for (const InfoColuna& c : info.colunas) {
        const int i = def ? def->indiceCampo(c.nome) : -1;
        DefCampo campo = i >= 0 ? def->campos[size_t(i)] : c;
        campo.nome = c.nome;
        campos.push_back(campo);
    }
    const QString tabela = info.sqlNome();
    QStringList problemas;
    for (const DefCampo& c : campos) {
        const QString regra = VerificacaoCampo(c);
        const QString expr = regra.mid(regra.indexOf(" CHECK (") + 8).chopped(1);
        const QByteArray sql = ("SELECT rowid, " + CitarNome(c.nome) + " FROM " + tabela +
                                " WHERE NOT (" + expr + ") LIMIT 1000")
                                   .toUtf8();
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr) != SQLITE_OK)
            falhar(sqlite3_errcode(db_));
        while (sqlite3_step(st) == SQLITE_ROW)
            problemas << QString("%1\tlinha %2\t%3\t'%4'\t%5")
                             .arg(info.nome)
                             .arg(sqlite3_column_int64(st, 0))
                             .arg(c.nome, TextoSqlite(st, 1), DescricaoTipo(c));
        sqlite3_finalize(st);
    }
    if (!problemas.isEmpty()) {
        static QSet<QString> relatados;
        const QString chave = dirHost_ + '|' + info.nome;
        if (!relatados.contains(chave)) {
            relatados.insert(chave);
            QFile f(QDir(dirHost_).filePath(ArquivoVerificacao));
            if (f.open(QIODevice::Append | QIODevice::Text)) {
                f.write(("# " + QDateTime::currentDateTime().toString(Qt::ISODate) + ": a tabela " +
                         info.nome +
                         " guarda valores que o tipo do campo não admite; ela segue sem a "
                         "verificação de tipos até que sejam corrigidos.\n")
                            .toUtf8());
                f.write((problemas.join('\n') + '\n').toUtf8());
            }
        }
        return;
    }
    QStringList indicesSql;
    {
        sqlite3_stmt* st = nullptr;
        const QByteArray sql = ("SELECT sql FROM " + info.esquema +
                                ".sqlite_master WHERE type = 'index' AND tbl_name = ? AND sql "
                                "IS NOT NULL")
                                   .toUtf8();
        sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr);
        const QByteArray n = info.nome.toUtf8();
        sqlite3_bind_text(st, 1, n.constData(), int(n.size()), SQLITE_TRANSIENT);
        while (sqlite3_step(st) == SQLITE_ROW)
            indicesSql << TextoSqlite(st, 0);
        sqlite3_finalize(st);
    }
    QStringList decls, nomes;
    for (const DefCampo& c : campos) {
        decls << declaracao(c);
        nomes << CitarNome(c.nome);
    }
    const QString nova = CitarNome(info.nome + "__verificada");
    emTransacaoPropria(*this, [&] {
        executar("CREATE TABLE " + info.esquema + '.' + nova + " (" + decls.join(", ") + ')');
        executar("INSERT INTO " + info.esquema + '.' + nova + " (rowid, " + nomes.join(", ") +
                 ") SELECT rowid, " + nomes.join(", ") + " FROM " + tabela);
        executar("DROP TABLE " + tabela);
        executar("ALTER TABLE " + info.esquema + '.' + nova + " RENAME TO " + CitarNome(info.nome));
        for (const QString& sql : indicesSql) {
            // The stored statement names no schema; the index goes beside its table.
            QString s = sql;
            s.replace(QRegularExpression("^CREATE (UNIQUE )?INDEX ",
                                         QRegularExpression::CaseInsensitiveOption),
                      "CREATE \\1INDEX " + info.esquema + '.');
            executar(s);
        }
    });
    esquecerEsquema();
}

InfoTabela Banco::lerInfo(const QString& nome, const QString& esquema) {
    InfoTabela info;
    info.esquema = esquema;
    QString sqlTabela;
    sqlite3_stmt* st = nullptr;
    QByteArray sql = ("SELECT name, sql FROM " + esquema +
                      ".sqlite_master WHERE type='table' AND name=? COLLATE NOCASE")
                         .toUtf8();
    sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr);
    const QByteArray n = nome.toUtf8();
    sqlite3_bind_text(st, 1, n.constData(), int(n.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(st) == SQLITE_ROW) {
        info.nome = TextoSqlite(st, 0);
        sqlTabela = TextoSqlite(st, 1);
    }
    sqlite3_finalize(st);
    if (info.nome.isEmpty())
        return info;

    sql = ("PRAGMA " + esquema + ".table_info(" + CitarNome(info.nome) + ")").toUtf8();
    sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) {
        InfoColuna c;
        c.nome = TextoSqlite(st, 1);
        c.tipo = TipoDeclarado(TextoSqlite(st, 2), &c.tamanho, &c.obrigatorio);
        info.colunas.push_back(c);
    }
    sqlite3_finalize(st);
    // One check per field; a file of an earlier version has none.
    info.comVerificacoes = sqlTabela.count(" CHECK (") >= qsizetype(info.colunas.size());

    sql = ("PRAGMA " + esquema + ".index_list(" + CitarNome(info.nome) + ")").toUtf8();
    sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr);
    std::vector<std::pair<QString, bool>> nomes;
    while (sqlite3_step(st) == SQLITE_ROW)
        nomes.emplace_back(TextoSqlite(st, 1), sqlite3_column_int(st, 2) != 0);
    sqlite3_finalize(st);
    const QString prefixo = info.nome + "__";
    for (const auto& [nomeSql, unico] : nomes) {
        if (!nomeSql.startsWith(prefixo, Qt::CaseInsensitive))
            continue;
        InfoIndice ind;
        ind.nome = nomeSql.mid(prefixo.size());
        ind.unico = unico;
        sql = ("PRAGMA " + esquema + ".index_xinfo(" + CitarNome(nomeSql) + ")").toUtf8();
        sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            if (sqlite3_column_int(st, 5) == 0) // key columns only, not the rowid
                continue;
            ind.colunas.push_back(info.coluna(TextoSqlite(st, 2)));
            if (TextoSqlite(st, 4).compare("NOCASE", Qt::CaseInsensitive) == 0)
                ind.ignoraCaixa = true;
        }
        sqlite3_finalize(st);
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

qint64 Banco::versaoEsquema(const QString& esquema) {
    sqlite3_stmt* st = preparar("PRAGMA " + esquema.toStdString() + ".schema_version");
    qint64 v = -1;
    if (sqlite3_step(st) == SQLITE_ROW)
        v = sqlite3_column_int64(st, 0);
    sqlite3_reset(st);
    return v;
}

std::shared_ptr<const InfoTabela> Banco::tabela(const QString& nomeArquivo,
                                                const QString& esquema) {
    const QString nome = NomeTabelaNormalizado(nomeArquivo);
    const QString chave = (esquema + '.' + nome).toUpper();
    // Another connection may have altered the table since it was read.
    const qint64 versao = versaoEsquema(esquema);
    if (versoesEsquema_.value(esquema, -2) != versao) {
        infos_.clear();
        versoesEsquema_.insert(esquema, versao);
    }
    auto it = infos_.constFind(chave);
    if (it != infos_.constEnd())
        return it.value();

    InfoTabela info = lerInfo(nome, esquema);
    const DefTabela* def = CatalogoTabelas::buscar(nome);
    if (info.nome.isEmpty()) {
        if (!def || !def->criarAutomaticamente || esquema != "main" || somenteLeitura_)
            throw ErroBanco("Table does not exist: " + nomeArquivo);
        criar(*def);
        info = lerInfo(nome, esquema);
    } else if (!somenteLeitura_) {
        // An older file: bring it up to the definition once per connection.
        if (!info.comVerificacoes && esquema == "main") {
            acrescentarVerificacoes(info, def);
            info = lerInfo(nome, esquema);
        }
        if (def) {
            const size_t antes = info.colunas.size() + info.indices.size();
            atualizarEsquema(*def, esquema);
            InfoTabela nova = lerInfo(nome, esquema);
            if (nova.colunas.size() + nova.indices.size() != antes)
                info = std::move(nova);
        }
    }
    versoesEsquema_.insert(esquema, versaoEsquema(esquema));
    auto ptr = std::make_shared<const InfoTabela>(std::move(info));
    infos_.insert(chave, ptr);
    return ptr;
}
