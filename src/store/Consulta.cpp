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

std::vector<std::unique_ptr<Instrucao>> Consulta::preparar(Banco*& banco) {
    banco = &sessao_->banco(sessao_->diretorio(nomeBanco_));
    Banco* b = banco;
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
    std::vector<std::unique_ptr<Instrucao>> instrucoes;
    for (int k = 0; k < t.instrucoes.size(); ++k) {
        instrucoes.push_back(b->prepararAvulsa(t.instrucoes[k]));
        const QStringList& nomes = t.parametrosInstrucao[k];
        for (int i = 0; i < nomes.size(); ++i)
            instrucoes.back()->vincular(i + 1, parametros_.value(nomes[i]));
    }
    return instrucoes;
}

void Consulta::abrir() {
    if (estado_ != EstadoDados::Inativo)
        return;
    Banco* b = nullptr;
    std::vector<std::unique_ptr<Instrucao>> instrucoes = preparar(b);
    if (instrucoes.size() != 1 || !instrucoes[0]->somenteLeitura())
        throw ErroBanco("Query does not return a result set; use executar()");
    lote_.limpar();
    try {
        instrucoes[0]->ler(lote_, false, instrucoes[0]->colunasResultado(), &colunas_);
    } catch (...) {
        lote_.limpar();
        throw;
    }
    sessao_->registrar(this);
    estado_ = EstadoDados::Navegando;
    primeiro();
}

void Consulta::executar() {
    Banco* b = nullptr;
    std::vector<std::unique_ptr<Instrucao>> instrucoes = preparar(b);
    afetadas_ = 0;
    bool escrita = false;
    try {
        for (auto& i : instrucoes) {
            if (!i->somenteLeitura() && !escrita) {
                b->iniciarEscrita();
                escrita = true;
            }
            afetadas_ += int(i->executar());
        }
        if (escrita)
            b->confirmar();
    } catch (...) {
        if (escrita)
            b->desfazer();
        instrucoes.clear();
        b->esquecerEsquema();
        throw;
    }
    instrucoes.clear();
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
