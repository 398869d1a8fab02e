#include "Consulta.h"

#include "Banco_interno.h"
#include "Caminhos.h"
#include "DefTabela.h"
#include "DialetoSql.h"
#include "ErroBanco.h"
#include "SessaoBanco.h"

namespace {
bool ehCaminho(const QString& nome) {
    return nome.contains('\\') || nome.contains('/');
}
} // namespace

Consulta::Consulta(SessaoBanco* sessao) : ConjuntoDados(sessao) {}
Consulta::~Consulta() {
    fechar();
}

void Consulta::setSql(const QStringList& linhas) {
    fechar();
    sql_ = linhas;
}
void Consulta::adicionarLinha(const QString& linha) {
    fechar();
    sql_ << linha;
}
void Consulta::limparSql() {
    fechar();
    sql_.clear();
}

void Consulta::definirParametro(const QString& nome, const QVariant& valor) {
    parametros_.insert(nome.toUpper(), valor);
}

namespace {
DialetoSql::Referencia referencia(const InfoTabela& info) {
    DialetoSql::Referencia r;
    r.sql = info.sqlNome();
    for (const InfoColuna& c : info.colunas) {
        r.colunas << c.nome.toUpper();
        if (c.tipo == TipoCampo::Data)
            r.datas.insert(c.nome.toUpper());
    }
    return r;
}
} // namespace

std::vector<sqlite3_stmt*> Consulta::preparar(Banco*& banco, QStringList& params) {
    banco = &sessao_->banco(sessao_->diretorio(nomeBanco_));
    Banco* b = banco;
    SessaoBanco* s = sessao_;
    // Each table named is made to exist (defined tables are created) and
    // tables of other directories are attached.
    auto tabela = [b, s](const QString& nome) -> DialetoSql::Referencia {
        if (ehCaminho(nome)) {
            const QString dir = Caminhos::diretorioDe(nome.trimmed());
            const QString bare = NomeTabelaNormalizado(nome);
            s->banco(dir).tabela(bare);
            const QString esquema = b->esquemaDe(dir, Caminhos::atual().resolver(dir));
            return referencia(*b->tabela(bare, esquema));
        }
        return referencia(*b->tabela(nome));
    };
    const DialetoSql::Traducao t = DialetoSql::traduzir(sql_.join('\n'), tabela);
    params = t.parametros;
    for (const QString& p : params)
        if (!parametros_.contains(p))
            throw ErroBanco("No value for parameter '" + p + "'");
    std::vector<sqlite3_stmt*> stmts;
    for (const QString& instr : t.instrucoes) {
        sqlite3_stmt* st = nullptr;
        const QByteArray utf = instr.toUtf8();
        const int rc = sqlite3_prepare_v2(b->db(), utf.constData(), int(utf.size()), &st, nullptr);
        if (rc != SQLITE_OK) {
            const QString msg = QString::fromUtf8(sqlite3_errmsg(b->db()));
            for (sqlite3_stmt* x : stmts)
                sqlite3_finalize(x);
            throw ErroBanco(msg);
        }
        vincularParametros(st, params);
        stmts.push_back(st);
    }
    return stmts;
}

void Consulta::vincularParametros(sqlite3_stmt* st, const QStringList& params) const {
    // The translation names the Nth parameter ?N in every statement.
    const int n = sqlite3_bind_parameter_count(st);
    for (int i = 1; i <= n && i <= params.size(); ++i)
        if (sqlite3_bind_parameter_name(st, i))
            VincularValor(st, i, parametros_.value(params[i - 1]));
}

void Consulta::abrir() {
    if (estado_ != EstadoDados::Inativo)
        return;
    Banco* b = nullptr;
    QStringList params;
    std::vector<sqlite3_stmt*> stmts = preparar(b, params);
    if (stmts.size() != 1 || !sqlite3_stmt_readonly(stmts[0])) {
        for (sqlite3_stmt* x : stmts)
            sqlite3_finalize(x);
        throw ErroBanco("Query does not return a result set; use executar()");
    }
    sqlite3_stmt* st = stmts[0];
    const int n = sqlite3_column_count(st);
    colunas_.clear();
    for (int c = 0; c < n; ++c) {
        DefCampo col;
        col.nome = QString::fromUtf8(sqlite3_column_name(st, c));
        const char* decl = sqlite3_column_decltype(st, c);
        if (decl) {
            col.tipo = TipoDeclarado(QString::fromUtf8(decl), &col.tamanho, &col.obrigatorio);
        } else {
            col.tipo = TipoCampo::Memo; // expressions: typed from their first value below
        }
        colunas_.push_back(col);
    }
    lote_.limpar();
    int rc;
    bool primeiraLinha = true;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        if (primeiraLinha) {
            for (int c = 0; c < n; ++c)
                if (!sqlite3_column_decltype(st, c)) {
                    const int tipo = sqlite3_column_type(st, c);
                    colunas_[size_t(c)].tipo = tipo == SQLITE_INTEGER ? TipoCampo::Long
                                               : tipo == SQLITE_FLOAT ? TipoCampo::Number
                                                                      : TipoCampo::Memo;
                }
            primeiraLinha = false;
        }
        lote_.adicionar(st, 0, n);
    }
    const QString erro = QString::fromUtf8(sqlite3_errmsg(b->db()));
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) {
        lote_.limpar();
        throw ErroBanco(erro);
    }
    sessao_->registrar(this);
    estado_ = EstadoDados::Navegando;
    primeiro();
}

void Consulta::executar() {
    Banco* b = nullptr;
    QStringList params;
    std::vector<sqlite3_stmt*> stmts = preparar(b, params);
    afetadas_ = 0;
    bool transacao = false;
    try {
        for (sqlite3_stmt* st : stmts) {
            const bool leitura = sqlite3_stmt_readonly(st);
            if (!leitura && !transacao) {
                b->iniciarEscrita();
                transacao = true;
            }
            int rc;
            while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            }
            if (rc != SQLITE_DONE)
                b->falhar(rc);
            afetadas_ += sqlite3_changes(b->db());
        }
        if (transacao)
            b->confirmar();
    } catch (...) {
        if (transacao)
            b->desfazer();
        for (sqlite3_stmt* st : stmts)
            sqlite3_finalize(st);
        b->esquecerEsquema();
        throw;
    }
    for (sqlite3_stmt* st : stmts)
        sqlite3_finalize(st);
    if (transacao)
        b->marcarEscrita();
    // Schema statements change what cursors know of a table.
    for (const QString& linha : sql_)
        if (linha.contains("ALTER", Qt::CaseInsensitive) ||
            linha.contains("CREATE", Qt::CaseInsensitive) ||
            linha.contains("DROP", Qt::CaseInsensitive)) {
            b->esquecerEsquema();
            break;
        }
}

void Consulta::primeiro() {
    if (estado_ == EstadoDados::Inativo)
        throw ErroBanco("Cannot perform this operation on a closed dataset");
    pos_ = lote_.linhas() > 0 ? 0 : -1;
    bof_ = true;
    eof_ = pos_ < 0;
    posicionou();
}

void Consulta::proximo() {
    if (pos_ + 1 < lote_.linhas()) {
        ++pos_;
        bof_ = false;
        posicionou();
    } else {
        eof_ = true;
    }
}

void Consulta::anterior() {
    if (pos_ > 0) {
        --pos_;
        eof_ = false;
        posicionou();
    } else {
        bof_ = true;
    }
}

void Consulta::ultimo() {
    pos_ = lote_.linhas() - 1;
    eof_ = true;
    bof_ = pos_ < 0;
    posicionou();
}

int Consulta::contarRegistros() {
    return lote_.linhas();
}
