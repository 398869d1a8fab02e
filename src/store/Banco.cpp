#include "Banco_interno.h"
#include "DefTabela.h"
#include "ErroBanco.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <fcntl.h>
#include <unistd.h>

namespace {
int falhaEm = 0;

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
    static const QRegularExpression re("^\\s*([A-Za-z ]+?)\\s*(?:\\(\\s*(\\d+)\\s*\\))?\\s*$");
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

Banco::Banco(const QString& dirArmazenado, const QString& dirHost)
    : dirArmazenado_(dirArmazenado), dirHost_(dirHost) {
    if (!QDir(dirHost).exists())
        throw ErroBanco("Directory does not exist: " + dirArmazenado);
    const QByteArray arquivo = QDir(dirHost).filePath(ArquivoBanco).toUtf8();
    int rc =
        sqlite3_open_v2(arquivo.constData(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString("out of memory");
        sqlite3_close(db_);
        db_ = nullptr;
        throw ErroBanco("Cannot open database " + dirArmazenado + ": " + msg);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, 10000);
    try {
        executar("PRAGMA journal_mode=WAL");
        executar("PRAGMA synchronous=FULL");
        executar("PRAGMA case_sensitive_like=ON");
    } catch (...) {
        sqlite3_close(db_);
        throw;
    }
    sqlite3_create_function(db_, "upper", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            funcaoUpper, nullptr, nullptr);
    sqlite3_create_function(db_, "lower", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            funcaoLower, nullptr, nullptr);
    const QByteArray travas = QDir(dirHost).filePath(ArquivoTravas).toUtf8();
    fdTravas_ = ::open(travas.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fdTravas_ < 0) {
        sqlite3_close(db_);
        throw ErroBanco("Cannot open lock file in " + dirArmazenado);
    }
}

Banco::~Banco() {
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
    throw ErroBanco(QString::fromUtf8(sqlite3_errmsg(db_)));
}

void Banco::executar(const QString& sql) {
    char* erro = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &erro);
    if (rc != SQLITE_OK) {
        const QString msg = erro ? QString::fromUtf8(erro) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_free(erro);
        if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
            throw ErroBanco(TextoViolacaoChave);
        throw ErroBanco(msg);
    }
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

void Banco::iniciarEscrita() {
    sqlite3_stmt* st = preparar("BEGIN IMMEDIATE");
    verificar(sqlite3_step(st));
    sqlite3_reset(st);
}

void Banco::confirmar() {
    if (InjecaoFalhas::deveFalhar())
        throw ErroBanco("disk I/O error");
    sqlite3_stmt* st = preparar("COMMIT");
    const int rc = sqlite3_step(st);
    sqlite3_reset(st);
    verificar(rc);
    ++escritasProcesso_;
}

void Banco::desfazer() noexcept {
    if (!sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
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
    const QString esquema = QString("ext%1").arg(anexos_.size() + 1);
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
    return CitarNome(c.nome) + ' ' + t;
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
    QStringList cols;
    for (const DefCampo& c : def.campos)
        cols << declaracao(c);
    const bool transacao = sqlite3_get_autocommit(db_);
    if (transacao)
        executar("BEGIN IMMEDIATE");
    try {
        executar("CREATE TABLE IF NOT EXISTS main." + CitarNome(def.nome) + " (" + cols.join(", ") +
                 ')');
        atualizarEsquema(def, "main");
        if (transacao)
            executar("COMMIT");
    } catch (...) {
        if (transacao)
            desfazer();
        throw;
    }
    infos_.remove(("main." + def.nome).toUpper());
    ++escritasProcesso_;
}

InfoTabela Banco::lerInfo(const QString& nome, const QString& esquema) {
    InfoTabela info;
    info.esquema = esquema;
    sqlite3_stmt* st = nullptr;
    QByteArray sql = ("SELECT name FROM " + esquema +
                      ".sqlite_master WHERE type='table' AND name=? COLLATE NOCASE")
                         .toUtf8();
    sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr);
    const QByteArray n = nome.toUtf8();
    sqlite3_bind_text(st, 1, n.constData(), int(n.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(st) == SQLITE_ROW)
        info.nome = TextoSqlite(st, 0);
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

std::shared_ptr<const InfoTabela> Banco::tabela(const QString& nomeArquivo) {
    QString esquema = "main";
    QString nome = nomeArquivo;
    const qsizetype ponto = nome.indexOf('.');
    if (ponto > 0 && nome.left(ponto).startsWith("ext")) { // attached "extN.NAME"
        esquema = nome.left(ponto);
        nome = nome.mid(ponto + 1);
    }
    nome = NomeTabelaNormalizado(nome);
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
        if (!def || !def->criarAutomaticamente || esquema != "main")
            throw ErroBanco("Table does not exist: " + nomeArquivo);
        criar(*def);
        info = lerInfo(nome, esquema);
    } else if (def) {
        // An older file: bring it up to the definition once per connection.
        const size_t antes = info.colunas.size() + info.indices.size();
        atualizarEsquema(*def, esquema);
        InfoTabela nova = lerInfo(nome, esquema);
        if (nova.colunas.size() + nova.indices.size() != antes)
            info = std::move(nova);
    }
    versoesEsquema_.insert(esquema, versaoEsquema(esquema));
    auto ptr = std::make_shared<const InfoTabela>(std::move(info));
    infos_.insert(chave, ptr);
    return ptr;
}
