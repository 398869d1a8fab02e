#include "BancoSqlite.h"
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

namespace {
QString textoColuna(sqlite3_stmt* st, int col) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, col)),
                             sqlite3_column_bytes(st, col));
}

class InstrucaoSqlite : public Instrucao {
public:
    InstrucaoSqlite(const BancoSqlite& banco, sqlite3_stmt* st) : banco_(banco), st_(st) {}
    ~InstrucaoSqlite() override { sqlite3_finalize(st_); }

    void reiniciar() {
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
    }

    void vincular(int p, const QVariant& v) override {
        if (!v.isValid() || v.isNull()) {
            sqlite3_bind_null(st_, p);
            return;
        }
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Short:
            sqlite3_bind_int64(st_, p, v.toLongLong());
            return;
        case QMetaType::Bool:
            sqlite3_bind_int(st_, p, v.toBool() ? 1 : 0);
            return;
        case QMetaType::Double:
        case QMetaType::Float:
            sqlite3_bind_double(st_, p, v.toDouble());
            return;
        default:
            break;
        }
        const QByteArray txt = TextoArmazenado(v);
        if (txt.isEmpty())
            sqlite3_bind_null(st_, p); // blank is NULL
        else
            sqlite3_bind_text(st_, p, txt.constData(), int(txt.size()), SQLITE_TRANSIENT);
    }

    void vincularCelula(int p, const LoteLinhas& lote, int linha, int coluna) override {
        const LoteLinhas::Celula& c = lote.celula(linha, coluna);
        switch (c.tipo) {
        case LoteLinhas::Tipo::Inteiro:
            sqlite3_bind_int64(st_, p, c.i);
            break;
        case LoteLinhas::Tipo::Real:
            sqlite3_bind_double(st_, p, c.d);
            break;
        case LoteLinhas::Tipo::Texto: {
            const std::string_view t = lote.texto(c);
            sqlite3_bind_text(st_, p, t.data(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case LoteLinhas::Tipo::Nulo:
            sqlite3_bind_null(st_, p);
        }
    }

    void ler(LoteLinhas& lote, bool comRowid, int colunas,
             std::vector<DefCampo>* resultado) override {
        const int primeira = comRowid ? 1 : 0;
        if (resultado) {
            resultado->clear();
            for (int c = 0; c < colunas; ++c) {
                DefCampo col;
                col.nome = QString::fromUtf8(sqlite3_column_name(st_, primeira + c));
                const char* decl = sqlite3_column_decltype(st_, primeira + c);
                // An expression has no declared type: its first value types it.
                col.tipo =
                    decl ? TipoDeclarado(QString::fromUtf8(decl), &col.tamanho, &col.obrigatorio)
                         : TipoCampo::Memo;
                resultado->push_back(col);
            }
        }
        int rc;
        bool primeiraLinha = true;
        while ((rc = sqlite3_step(st_)) == SQLITE_ROW) {
            if (resultado && primeiraLinha)
                for (int c = 0; c < colunas; ++c)
                    if (!sqlite3_column_decltype(st_, primeira + c)) {
                        const int t = sqlite3_column_type(st_, primeira + c);
                        (*resultado)[size_t(c)].tipo = t == SQLITE_INTEGER ? TipoCampo::Long
                                                       : t == SQLITE_FLOAT ? TipoCampo::Number
                                                                           : TipoCampo::Memo;
                    }
            primeiraLinha = false;
            lote.novaLinha(comRowid ? sqlite3_column_int64(st_, 0) : qint64(lote.linhas()),
                           colunas);
            for (int c = primeira; c < primeira + colunas; ++c) {
                switch (sqlite3_column_type(st_, c)) {
                case SQLITE_INTEGER:
                    lote.maisInteiro(sqlite3_column_int64(st_, c));
                    break;
                case SQLITE_FLOAT:
                    lote.maisReal(sqlite3_column_double(st_, c));
                    break;
                case SQLITE_NULL:
                    lote.maisNulo();
                    break;
                default:
                    lote.maisTexto(reinterpret_cast<const char*>(sqlite3_column_text(st_, c)),
                                   size_t(sqlite3_column_bytes(st_, c)));
                }
            }
        }
        terminar(rc);
    }

    qint64 escalar(qint64 padrao) override {
        int rc = sqlite3_step(st_);
        qint64 v = padrao;
        if (rc == SQLITE_ROW) {
            if (sqlite3_column_type(st_, 0) != SQLITE_NULL)
                v = sqlite3_column_int64(st_, 0);
            while ((rc = sqlite3_step(st_)) == SQLITE_ROW) {
            }
        }
        terminar(rc);
        return v;
    }

    qint64 executar() override {
        int rc;
        while ((rc = sqlite3_step(st_)) == SQLITE_ROW) {
        }
        const qint64 n = sqlite3_changes64(banco_.db());
        terminar(rc);
        return n;
    }

    bool somenteLeitura() const override { return sqlite3_stmt_readonly(st_); }
    int colunasResultado() const override { return sqlite3_column_count(st_); }

private:
    void terminar(int rc) {
        sqlite3_reset(st_);
        if (rc != SQLITE_DONE && rc != SQLITE_ROW)
            banco_.falhar(rc);
    }

    const BancoSqlite& banco_;
    sqlite3_stmt* st_;
};
} // namespace

void BancoSqlite::simularTipoSistemaArquivos(std::function<long(const QString&)> tipo) {
    tipoSimulado() = std::move(tipo);
}

BancoSqlite::BancoSqlite(const QString& dirArmazenado, const QString& dirHost)
    : Banco(dirArmazenado), dirHost_(dirHost) {
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

BancoSqlite::~BancoSqlite() {
    encerrar();
    cache_.clear();
    sqlite3_finalize(stmtVersao_);
    sqlite3_close_v2(db_);
    if (fdTravas_ >= 0)
        ::close(fdTravas_); // releases every record lock of this connection
}

void BancoSqlite::falhar(int rc) const {
    const int basico = rc & 0xff;
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
        throw ErroBanco(TextoViolacaoChave);
    if (basico == SQLITE_OK || basico == SQLITE_DONE || basico == SQLITE_ROW)
        throw ErroBanco("Unknown store error");
    const QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
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

void BancoSqlite::executar(const QString& sql) {
    char* erro = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &erro);
    sqlite3_free(erro);
    if (rc != SQLITE_OK)
        falhar(rc);
}

void BancoSqlite::passo(const char* sql) {
    Instrucao& i = preparar(QString::fromLatin1(sql));
    i.executar();
}

Instrucao& BancoSqlite::preparar(const QString& sql) {
    const std::string chave = sql.toStdString();
    auto it = cache_.find(chave);
    if (it != cache_.end()) {
        static_cast<InstrucaoSqlite&>(*it->second).reiniciar();
        return *it->second;
    }
    sqlite3_stmt* st = nullptr;
    const int rc = sqlite3_prepare_v3(db_, chave.c_str(), int(chave.size()),
                                      SQLITE_PREPARE_PERSISTENT, &st, nullptr);
    if (rc != SQLITE_OK)
        falhar(rc);
    auto& ref = cache_[chave];
    ref = std::make_unique<InstrucaoSqlite>(*this, st);
    return *ref;
}

std::unique_ptr<Instrucao> BancoSqlite::prepararAvulsa(const QString& sql) {
    sqlite3_stmt* st = nullptr;
    const QByteArray utf = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db_, utf.constData(), int(utf.size()), &st, nullptr);
    if (rc != SQLITE_OK)
        throw ErroBanco(QString::fromUtf8(sqlite3_errmsg(db_)));
    return std::make_unique<InstrucaoSqlite>(*this, st);
}

void BancoSqlite::exigirGravavel() const {
    if (somenteLeitura_)
        throw ErroBanco("O banco de dados de " + dirArmazenado_ +
                        " está numa pasta ou mídia somente para leitura: pode ser consultado, "
                        "mas nada pode ser gravado nele.");
    verificarArquivos();
}

// The files this connection works on must still be the ones at their
// paths: a write into a file deleted or replaced meanwhile would be lost,
// and a lock on a replaced lock file would be seen by no other station.
void BancoSqlite::verificarArquivos() const {
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

void BancoSqlite::comecar() {
    passo("BEGIN IMMEDIATE");
}

void BancoSqlite::efetivar() {
    passo("COMMIT");
}

void BancoSqlite::reverter() noexcept {
    if (!sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

qint64 BancoSqlite::versaoDados() {
    if (!stmtVersao_)
        sqlite3_prepare_v3(db_, "PRAGMA data_version", -1, SQLITE_PREPARE_PERSISTENT, &stmtVersao_,
                           nullptr);
    qint64 v = -1;
    if (sqlite3_step(stmtVersao_) == SQLITE_ROW)
        v = sqlite3_column_int64(stmtVersao_, 0);
    sqlite3_reset(stmtVersao_);
    return v;
}

bool BancoSqlite::travarPosicao(quint64 posicao) {
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(posicao);
    fl.l_len = 1;
    return ::fcntl(fdTravas_, F_OFD_SETLK, &fl) == 0;
}

void BancoSqlite::destravarPosicao(quint64 posicao) {
    struct flock fl {};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = off_t(posicao);
    fl.l_len = 1;
    ::fcntl(fdTravas_, F_OFD_SETLK, &fl);
}

QString BancoSqlite::esquemaDe(const QString& dirArmazenado, const QString& dirHost) {
    if (QDir(dirHost) == QDir(dirHost_))
        return "main";
    auto it = anexos_.constFind(dirHost);
    if (it != anexos_.constEnd())
        return it.value();
    if (!QDir(dirHost).exists())
        throw ErroBanco("Directory does not exist: " + dirArmazenado);
    // A name no table file can have, so "extrato" stays a table.
    const QString esquema = QString("pcp_anexo%1").arg(anexos_.size() + 1);
    Instrucao& anexar = preparar("ATTACH DATABASE ? AS " + esquema);
    anexar.vincular(1, QDir(dirHost).filePath(ArquivoBanco));
    anexar.executar();
    executar("PRAGMA " + esquema + ".journal_mode=WAL");
    anexos_.insert(dirHost, esquema);
    return esquema;
}

bool BancoSqlite::existe(const QString& nome) {
    Instrucao& i =
        preparar("SELECT 1 FROM main.sqlite_master WHERE type='table' AND name=? COLLATE NOCASE");
    i.vincular(1, NomeTabelaNormalizado(nome));
    return i.escalar(0) == 1;
}

void BancoSqlite::esquecerEsquema() {
    infos_.clear();
    versoesEsquema_.clear();
    // Prepared statements may name dropped or altered tables.
    cache_.clear();
}

namespace {
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
template <class F> void emTransacaoPropria(BancoSqlite& b, F&& f) {
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

void BancoSqlite::atualizarEsquema(const DefTabela& def, const QString& esquema) {
    const QString tabela = esquema + '.' + CitarNome(def.nome);
    // Columns an older file lacks are added at the end, in definition order.
    QStringList existentes;
    {
        sqlite3_stmt* st = nullptr;
        const QByteArray sql =
            ("PRAGMA " + esquema + ".table_info(" + CitarNome(def.nome) + ")").toUtf8();
        if (sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr) == SQLITE_OK)
            while (sqlite3_step(st) == SQLITE_ROW)
                existentes << textoColuna(st, 1).toUpper();
        sqlite3_finalize(st);
    }
    for (const DefCampo& c : def.campos)
        if (!existentes.contains(c.nome.toUpper()))
            executar("ALTER TABLE " + tabela + " ADD COLUMN " + DeclaracaoColuna(c, alvo()));
    if (!def.chavePrimaria.isEmpty())
        executar("CREATE UNIQUE INDEX IF NOT EXISTS " + esquema + '.' +
                 nomeIndiceSql(def.nome, QString()) + " ON " + CitarNome(def.nome) + " (" +
                 colunasIndice(def.chavePrimaria, false) + ')');
    for (const DefIndice& ind : def.indices)
        executar(QString("CREATE %1INDEX IF NOT EXISTS ").arg(ind.unico ? "UNIQUE " : "") +
                 esquema + '.' + nomeIndiceSql(def.nome, ind.nome) + " ON " + CitarNome(def.nome) +
                 " (" + colunasIndice(ind.campos, ind.ignoraCaixa) + ')');
}

void BancoSqlite::criar(const DefTabela& def) {
    exigirGravavel();
    QStringList cols;
    for (const DefCampo& c : def.campos)
        cols << DeclaracaoColuna(c, alvo());
    emTransacaoPropria(*this, [&] {
        executar("CREATE TABLE IF NOT EXISTS main." + CitarNome(def.nome) + " (" + cols.join(", ") +
                 ')');
        atualizarEsquema(def, "main");
    });
    infos_.remove(("main." + def.nome).toUpper());
    marcarEscrita();
}

void BancoSqlite::acrescentarVerificacoes(const InfoTabela& info, const DefTabela* def) {
    std::vector<DefCampo> campos;
    for (const InfoColuna& c : info.colunas) {
        const int i = def ? def->indiceCampo(c.nome) : -1;
        DefCampo campo = i >= 0 ? def->campos[size_t(i)] : c;
        campo.nome = c.nome;
        campos.push_back(campo);
    }
    const QString tabela = info.sqlNome;
    QStringList problemas;
    for (const DefCampo& c : campos) {
        const QString regra = DeclaracaoColuna(c, alvo());
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
                             .arg(c.nome, textoColuna(st, 1), DescricaoTipo(c));
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
            indicesSql << textoColuna(st, 0);
        sqlite3_finalize(st);
    }
    QStringList decls, nomes;
    for (const DefCampo& c : campos) {
        decls << DeclaracaoColuna(c, alvo());
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

InfoTabela BancoSqlite::lerInfo(const QString& nome, const QString& esquema) {
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
        info.nome = textoColuna(st, 0);
        sqlTabela = textoColuna(st, 1);
    }
    sqlite3_finalize(st);
    if (info.nome.isEmpty())
        return info;
    info.sqlNome = esquema + '.' + CitarNome(info.nome);

    sql = ("PRAGMA " + esquema + ".table_info(" + CitarNome(info.nome) + ")").toUtf8();
    sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) {
        InfoColuna c;
        c.nome = textoColuna(st, 1);
        c.tipo = TipoDeclarado(textoColuna(st, 2), &c.tamanho, &c.obrigatorio);
        info.colunas.push_back(c);
    }
    sqlite3_finalize(st);
    // One check per field; a file of an earlier version has none.
    info.comVerificacoes = sqlTabela.count(" CHECK (") >= qsizetype(info.colunas.size());

    sql = ("PRAGMA " + esquema + ".index_list(" + CitarNome(info.nome) + ")").toUtf8();
    sqlite3_prepare_v2(db_, sql.constData(), -1, &st, nullptr);
    std::vector<std::pair<QString, bool>> nomes;
    while (sqlite3_step(st) == SQLITE_ROW)
        nomes.emplace_back(textoColuna(st, 1), sqlite3_column_int(st, 2) != 0);
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
            ind.colunas.push_back(info.coluna(textoColuna(st, 2)));
            if (textoColuna(st, 4).compare("NOCASE", Qt::CaseInsensitive) == 0)
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

qint64 BancoSqlite::versaoEsquema(const QString& esquema) {
    return preparar("PRAGMA " + esquema + ".schema_version").escalar(-1);
}

std::shared_ptr<const InfoTabela> BancoSqlite::tabela(const QString& nomeArquivo,
                                                      const QString& esquemaPedido) {
    const QString esquema = esquemaPedido.isEmpty() ? QStringLiteral("main") : esquemaPedido;
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

QStringList BancoSqlite::nomesTabelas() {
    Instrucao& i = preparar("SELECT name FROM main.sqlite_master WHERE type = 'table' AND name "
                            "NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name COLLATE NOCASE");
    LoteLinhas l;
    i.ler(l, false, 1);
    QStringList r;
    for (int k = 0; k < l.linhas(); ++k)
        r << l.valor(k, 0, TipoCampo::Texto).toString();
    return r;
}
