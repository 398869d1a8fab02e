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
    esquecerPreparadas();
}

void Consulta::setSql(const QStringList& linhas) {
    fechar();
    esquecerPreparadas();
    sql_ = linhas;
}
void Consulta::adicionarLinha(const QString& linha) {
    fechar();
    esquecerPreparadas();
    sql_ << linha;
}
void Consulta::limparSql() {
    fechar();
    esquecerPreparadas();
    sql_.clear();
}

void Consulta::definirParametro(const QString& nome, const QVariant& valor) {
    parametros_.insert(nome.toUpper(), valor);
}

namespace {
DialetoSql::Referencia referencia(const InfoTabela& info) {
    DialetoSql::Referencia r;
    r.sql = info.sqlNome;
    for (const InfoColuna& c : info.colunas) {
        r.colunas << c.nome;
        if (c.tipo == TipoCampo::Data)
            r.datas.insert(c.nome.toUpper());
        if (c.tipo == TipoCampo::Texto || c.tipo == TipoCampo::Memo)
            r.textos.insert(c.nome.toUpper());
    }
    return r;
}
} // namespace

void Consulta::esquecerPreparadas() {
    // A statement of a connection that is gone must not be touched.
    if (vidaPreparada_.expired())
        for (auto& i : preparadas_)
            (void)i.release();
    preparadas_.clear();
    parametrosPreparados_.clear();
    bancoPreparado_ = nullptr;
}

Banco& Consulta::preparar() {
    Banco* b = &sessao_->banco(sessao_->diretorio(nomeBanco_));
    if (!preparadas_.empty() && b == bancoPreparado_ && !vidaPreparada_.expired()) {
        for (int k = 0; k < int(preparadas_.size()); ++k) {
            const QStringList& nomes = parametrosPreparados_[k];
            for (int i = 0; i < nomes.size(); ++i) {
                if (!parametros_.contains(nomes[i]))
                    throw ErroBanco("No value for parameter '" + nomes[i] + "'");
                preparadas_[size_t(k)]->vincular(i + 1, parametros_.value(nomes[i]));
            }
        }
        return *b;
    }
    esquecerPreparadas();
    SessaoBanco* s = sessao_;
    // Each table named is made to exist (defined tables are created) and
    // tables of other directories are reached under their schema.
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
    const DialetoSql::Traducao t = DialetoSql::traduzir(sql_.join('\n'), tabela, b->alvo());
    for (const QString& p : t.parametros)
        if (!parametros_.contains(p))
            throw ErroBanco("No value for parameter '" + p + "'");
    for (int k = 0; k < t.instrucoes.size(); ++k) {
        preparadas_.push_back(b->prepararAvulsa(t.instrucoes[k]));
        const QStringList& nomes = t.parametrosInstrucao[k];
        for (int i = 0; i < nomes.size(); ++i)
            preparadas_.back()->vincular(i + 1, parametros_.value(nomes[i]));
    }
    parametrosPreparados_ = t.parametrosInstrucao;
    bancoPreparado_ = b;
    vidaPreparada_ = b->vida();
    return *b;
}

void Consulta::abrir() {
    if (estado_ != EstadoDados::Inativo)
        return;
    preparar();
    if (preparadas_.size() != 1 || !preparadas_[0]->somenteLeitura()) {
        esquecerPreparadas();
        throw ErroBanco("Query does not return a result set; use executar()");
    }
    lote_.limpar();
    try {
        preparadas_[0]->ler(lote_, false, preparadas_[0]->colunasResultado(), &colunas_);
    } catch (...) {
        lote_.limpar();
        esquecerPreparadas();
        throw;
    }
    sessao_->registrar(this);
    estado_ = EstadoDados::Navegando;
    primeiro();
}

void Consulta::executar() {
    Banco& b = preparar();
    afetadas_ = 0;
    bool escrita = false;
    try {
        for (auto& i : preparadas_) {
            if (!i->somenteLeitura() && !escrita) {
                b.iniciarEscrita();
                escrita = true;
            }
            afetadas_ += int(i->executar());
        }
        if (escrita)
            b.confirmar();
    } catch (...) {
        if (escrita)
            b.desfazer();
        esquecerPreparadas();
        b.esquecerEsquema();
        throw;
    }
    // Schema statements change what cursors know of a table, and what a
    // prepared statement may name.
    for (const QString& linha : sql_)
        if (linha.contains("ALTER", Qt::CaseInsensitive) ||
            linha.contains("CREATE", Qt::CaseInsensitive) ||
            linha.contains("DROP", Qt::CaseInsensitive)) {
            esquecerPreparadas();
            b.esquecerEsquema();
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
