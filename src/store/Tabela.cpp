#include "Tabela.h"

#include "Banco_interno.h"
#include "DefTabela.h"
#include "DialetoSql.h"
#include "ErroBanco.h"
#include "SessaoBanco.h"

#include <chrono>

namespace {

quint64 fnv1a(const QByteArray& dados) {
    quint64 h = 1469598103934665603ULL;
    for (char c : dados) {
        h ^= quint8(c);
        h *= 1099511628211ULL;
    }
    return h;
}
} // namespace

// A piece of WHERE clause with its parameters.
struct Tabela::Condicao {
    QString sql;
    std::vector<QVariant> args;
    void e(const QString& parte) { sql += (sql.isEmpty() ? QString() : QString(" AND ")) + parte; }
};

Tabela::Tabela(SessaoBanco* sessao) : ConjuntoDados(sessao) {}
Tabela::Tabela(const QString& nomeTabela, SessaoBanco* sessao)
    : ConjuntoDados(sessao), nomeTabela_(nomeTabela) {}

Tabela::~Tabela() {
    fechar();
    if (mestre_)
        mestre_->removerDetalhe(this);
    for (Tabela* t : detalhes_)
        t->mestre_ = nullptr;
}

void Tabela::exigirAtivo() const {
    if (estado_ == EstadoDados::Inativo)
        throw ErroBanco("Cannot perform this operation on a closed dataset: " + nomeTabela_);
}

void Tabela::abrir() {
    if (estado_ != EstadoDados::Inativo)
        return;
    QString nome;
    banco_ = &sessao_->bancoDaTabela(nomeBanco_, nomeTabela_, nome);
    info_ = banco_->tabela(nome);
    colunas_ = info_->colunas;
    sqlTabela_ = info_->sqlNome;
    sqlInsercao_.clear();
    rowid_ = banco_->rowid();
    QStringList cols;
    for (const auto& c : colunas_)
        cols << CitarNome(c.nome);
    colunasSelect_ = rowid_ + ", " + cols.join(", ");
    prepararIndice();
    if (!filtro_.isEmpty())
        filtroSql_ = DialetoSql::traduzirExpressao(filtro_, camposFiltro(), banco_->alvo());
    sessao_->registrar(this);
    estado_ = EstadoDados::Navegando;
    if (mestre_)
        ultimoMestre_ = valoresMestre();
    primeiro();
}

void Tabela::fechar() {
    if (estado_ == EstadoDados::Inativo)
        return;
    if (travado_) {
        banco_->destravar(trava_);
        travado_ = false;
    }
    ConjuntoDados::fechar();
    banco_ = nullptr;
    info_.reset();
}

void Tabela::prepararIndice() {
    chave_.clear();
    semCaixa_.clear();
    chaveUnica_ = false;
    if (!camposIndiceLivres_.isEmpty()) {
        for (const QString& c : camposIndiceLivres_) {
            const int i = info_->coluna(c.trimmed());
            if (i < 0)
                throw ErroBanco(nomeTabela_ + ": Field '" + c + "' not found");
            chave_.push_back(i);
            semCaixa_.push_back(false);
        }
        return;
    }
    const InfoIndice* ind = info_->indice(nomeIndice_);
    if (!ind) {
        if (nomeIndice_.isEmpty())
            return; // no primary key: row order
        throw ErroBanco("Index not found: " + nomeIndice_ + " (" + nomeTabela_ + ")");
    }
    for (int c : ind->colunas) {
        chave_.push_back(c);
        semCaixa_.push_back(ind->ignoraCaixa && colunas_[size_t(c)].tipo == TipoCampo::Texto);
    }
    // No two rows share a primary key, blanks included (the post checks
    // them): its order needs no row id to break ties.
    chaveUnica_ = ind->nome.isEmpty() && info_->temPrimario;
}

DialetoSql::Referencia Tabela::camposFiltro() const {
    DialetoSql::Referencia r;
    for (const auto& c : colunas_) {
        r.colunas << c.nome;
        if (c.tipo == TipoCampo::Data)
            r.datas.insert(c.nome.toUpper());
        if (c.tipo == TipoCampo::Texto || c.tipo == TipoCampo::Memo)
            r.textos.insert(c.nome.toUpper());
    }
    return r;
}

QStringList Tabela::camposIndice() const {
    QStringList r;
    for (int c : chave_)
        r << colunas_[size_t(c)].nome;
    return r;
}

void Tabela::setIndice(const QString& nome) {
    nomeIndice_ = nome;
    camposIndiceLivres_.clear();
    if (estado_ == EstadoDados::Navegando) {
        const qint64 atual = pos_ >= 0 ? lote_.rowid(pos_) : 0;
        const bool tinha = pos_ >= 0;
        prepararIndice();
        if (tinha)
            carregarPorRowid(atual);
        else
            primeiro();
    }
}

void Tabela::setCamposIndice(const QString& campos) {
    const QStringList lista = campos.split(';', Qt::SkipEmptyParts);
    if (lista.isEmpty()) {
        setIndice(QString());
        return;
    }
    camposIndiceLivres_ = lista;
    nomeIndice_.clear();
    if (estado_ == EstadoDados::Navegando) {
        const bool tinha = pos_ >= 0;
        const qint64 atual = tinha ? lote_.rowid(pos_) : 0;
        prepararIndice();
        if (tinha)
            carregarPorRowid(atual);
        else
            primeiro();
    }
}

bool Tabela::existe() {
    return sessao_->existeTabela(nomeBanco_, nomeTabela_);
}

void Tabela::criarTabela() {
    const DefTabela* def = CatalogoTabelas::buscar(nomeTabela_);
    if (!def)
        throw ErroBanco("No definition for table " + nomeTabela_);
    criarTabela(*def);
}

void Tabela::criarTabela(const DefTabela& def) {
    QString nome;
    Banco& b = sessao_->bancoDaTabela(nomeBanco_, nomeTabela_, nome);
    DefTabela copia = def;
    copia.nome = nome;
    b.criar(copia);
}

void Tabela::esvaziar() {
    sessao_->esvaziarTabela(nomeBanco_, nomeTabela_);
    if (estado_ != EstadoDados::Inativo)
        primeiro();
}

QString Tabela::ordem(bool inversa) const {
    QStringList partes;
    const char* dir = inversa ? " DESC" : "";
    const QString nulos = banco_->nulosPrimeiro(inversa);
    for (size_t i = 0; i < chave_.size(); ++i)
        partes << expr(CitarNome(colunas_[size_t(chave_[i])].nome), semCaixa_[i]) + dir + nulos;
    if (!chaveUnica_)
        partes << rowid_ + dir;
    return partes.join(", ");
}

QString Tabela::expr(const QString& col, bool semCaixa) const {
    return semCaixa ? banco_->semCaixa(col) : col;
}

QString Tabela::filtroBase(std::vector<QVariant>& args) const {
    Condicao c;
    auto igual = [&](int k, const QVariant& v) {
        const QString col =
            expr(CitarNome(colunas_[size_t(chave_[size_t(k)])].nome), semCaixa_[size_t(k)]);
        if (!v.isValid()) {
            c.e(CitarNome(colunas_[size_t(chave_[size_t(k)])].nome) + " IS NULL");
        } else {
            c.e(col + " = ?");
            c.args.push_back(v);
        }
    };
    if (mestre_) {
        for (int k = 0; k < ultimoMestre_.size() && k < int(chave_.size()); ++k)
            igual(k, NormalizarValor(colunas_[size_t(chave_[size_t(k)])], ultimoMestre_[k]));
    }
    if (temFaixa_) {
        const int n = int(std::min<size_t>(
            chave_.size(), size_t(std::max(faixaInicio_.size(), faixaFim_.size()))));
        // Leading fields where both ends agree are equalities; from the
        // first that differs the comparison is lexicographic.
        int k = 0;
        auto valor = [&](const QVariantList& l, int i) {
            return i < l.size() ? NormalizarValor(colunas_[size_t(chave_[size_t(i)])], l[i])
                                : QVariant();
        };
        for (; k < n; ++k) {
            const QVariant a = valor(faixaInicio_, k), b = valor(faixaFim_, k);
            if (a != b || a.isValid() != b.isValid())
                break;
            igual(k, a);
        }
        for (int lado = 0; lado < 2 && k < n; ++lado) {
            const QVariantList& l = lado == 0 ? faixaInicio_ : faixaFim_;
            QStringList ors;
            for (int i = k; i < n; ++i) {
                QStringList ands;
                for (int j = k; j <= i; ++j) {
                    const QVariant v = valor(l, j);
                    const QString col = expr(CitarNome(colunas_[size_t(chave_[size_t(j)])].nome),
                                             semCaixa_[size_t(j)]);
                    const QString nulo =
                        CitarNome(colunas_[size_t(chave_[size_t(j)])].nome) + " IS NULL";
                    const bool ultimo = j == i;
                    if (!v.isValid()) {
                        ands << (ultimo ? (lado == 0 ? QString("1") : nulo) : nulo);
                    } else if (!ultimo) {
                        ands << col + " = ?";
                        c.args.push_back(v);
                    } else if (lado == 0) {
                        ands << col + " >= ?";
                        c.args.push_back(v);
                    } else {
                        ands << "(" + col + " <= ? OR " + nulo + ")";
                        c.args.push_back(v);
                    }
                }
                ors << "(" + ands.join(" AND ") + ")";
            }
            // Rows equal on a prefix and beyond it on the next field.
            c.e("(" + ors.join(" OR ") + ")");
        }
    }
    if (!filtroSql_.isEmpty())
        c.e("(" + filtroSql_ + ")");
    args.insert(args.end(), c.args.begin(), c.args.end());
    return c.sql;
}

bool Tabela::buscar(const QString& condicao, const std::vector<QVariant>& argsCond, bool inversa,
                    int limite, bool acrescentar) {
    std::vector<QVariant> args;
    QString where = filtroBase(args);
    if (!condicao.isEmpty())
        where = where.isEmpty() ? condicao : where + " AND " + condicao;
    const QString sql = "SELECT " + colunasSelect_ + " FROM " + sqlTabela_ +
                        (where.isEmpty() ? QString() : " WHERE " + where) + " ORDER BY " +
                        ordem(inversa) + " LIMIT " + QString::number(limite);
    Instrucao& st = banco_->preparar(sql);
    int p = 1;
    for (const QVariant& v : args)
        st.vincular(p++, v);
    for (const QVariant& v : argsCond)
        st.vincular(p++, v);
    if (!acrescentar) {
        lote_.limpar();
        lote_.versao = banco_->versaoDados();
        lote_.escritas = Banco::escritas();
    }
    const int antes = lote_.linhas();
    try {
        st.ler(lote_, true, int(colunas_.size()));
    } catch (...) {
        lote_.limpar();
        pos_ = -1;
        throw;
    }
    return lote_.linhas() > antes;
}

bool Tabela::loteAtual() {
    return lote_.escritas == Banco::escritas() && lote_.versao == banco_->versaoDados();
}

bool Tabela::loteValido() {
    if (lote_.escritas != Banco::escritas())
        return false;
    // Commits of other processes are checked at most once a millisecond:
    // asking SQLite on every step would halve the speed of a walk.
    const qint64 agora = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count();
    if (agora - lote_.verificadoEm < 1000000)
        return true;
    lote_.verificadoEm = agora;
    return lote_.versao == banco_->versaoDados();
}

// Fills lote_ with up to `limite` rows strictly after (or before) row
// `linha` of the current lote, in index order. The key is split into one
// query per prefix so that each one is a range scan of the index.
bool Tabela::depoisDe(int linha, bool inversa, int limite) {
    LoteLinhas antigo = std::move(lote_);
    lote_ = LoteLinhas();
    lote_.versao = banco_->versaoDados();
    lote_.escritas = Banco::escritas();
    const int n = int(chave_.size());
    // Under a primary key no other row has the same key: the walk goes on
    // from the next key at once.
    for (int i = chaveUnica_ ? n - 1 : n; i >= 0 && lote_.linhas() < limite; --i) {
        Condicao c;
        QStringList partes;
        for (int k = 0; k < i; ++k) {
            const QString nome = CitarNome(colunas_[size_t(chave_[size_t(k)])].nome);
            if (antigo.nulo(linha, chave_[size_t(k)]))
                partes << nome + " IS NULL";
            else
                partes << expr(nome, semCaixa_[size_t(k)]) + " = ?";
        }
        if (i == n) {
            partes << rowid_ + (inversa ? " < ?" : " > ?");
        } else {
            const QString nome = CitarNome(colunas_[size_t(chave_[size_t(i)])].nome);
            const bool nulo = antigo.nulo(linha, chave_[size_t(i)]);
            if (!inversa)
                partes << (nulo ? nome + " IS NOT NULL"
                                : expr(nome, semCaixa_[size_t(i)]) + " > ?");
            else if (nulo)
                continue; // nothing sorts before NULL
            else
                partes << "(" + expr(nome, semCaixa_[size_t(i)]) + " < ? OR " + nome + " IS NULL)";
        }
        std::vector<QVariant> base;
        QString where = filtroBase(base);
        const QString cond = partes.join(" AND ");
        where = where.isEmpty() ? cond : where + " AND " + cond;
        const QString sql = "SELECT " + colunasSelect_ + " FROM " + sqlTabela_ + " WHERE " + where +
                            " ORDER BY " + ordem(inversa) + " LIMIT " +
                            QString::number(limite - lote_.linhas());
        Instrucao& st = banco_->preparar(sql);
        int p = 1;
        for (const QVariant& v : base)
            st.vincular(p++, v);
        for (int k = 0; k < i; ++k)
            if (!antigo.nulo(linha, chave_[size_t(k)]))
                st.vincularCelula(p++, antigo, linha, chave_[size_t(k)]);
        if (i == n)
            st.vincular(p++, antigo.rowid(linha));
        else if (!antigo.nulo(linha, chave_[size_t(i)]))
            st.vincularCelula(p++, antigo, linha, chave_[size_t(i)]);
        try {
            st.ler(lote_, true, int(colunas_.size()));
        } catch (...) {
            lote_ = std::move(antigo);
            throw;
        }
    }
    if (lote_.linhas() == 0) {
        lote_ = std::move(antigo);
        return false;
    }
    return true;
}

void Tabela::ficarVazio() {
    lote_.limpar();
    pos_ = -1;
    eof_ = bof_ = true;
    posicionou();
}

void Tabela::primeiro() {
    exigirAtivo();
    if (estado_ != EstadoDados::Navegando)
        gravar();
    tamanhoLote_ = 8;
    if (!buscar(QString(), {}, false, tamanhoLote_, false)) {
        ficarVazio();
        return;
    }
    pos_ = 0;
    bof_ = true;
    eof_ = false;
    posicionou();
}

void Tabela::ultimo() {
    exigirAtivo();
    if (estado_ != EstadoDados::Navegando)
        gravar();
    if (!buscar(QString(), {}, true, 1, false)) {
        ficarVazio();
        return;
    }
    pos_ = 0;
    eof_ = true;
    bof_ = false;
    posicionou();
}

void Tabela::proximo() {
    exigirAtivo();
    if (estado_ != EstadoDados::Navegando)
        gravar();
    if (pos_ < 0) {
        eof_ = true;
        return;
    }
    if (pos_ + 1 < lote_.linhas() && loteValido()) {
        ++pos_;
    } else {
        tamanhoLote_ = std::min(tamanhoLote_ * 4, banco_->loteMaximo());
        if (!depoisDe(pos_, false, tamanhoLote_)) {
            eof_ = true;
            return;
        }
        pos_ = 0;
    }
    bof_ = false;
    eof_ = false;
    posicionou();
}

void Tabela::anterior() {
    exigirAtivo();
    if (estado_ != EstadoDados::Navegando)
        gravar();
    if (pos_ < 0) {
        bof_ = true;
        return;
    }
    if (pos_ > 0 && loteValido()) {
        --pos_;
    } else {
        tamanhoLote_ = 8;
        if (!depoisDe(pos_, true, 1)) {
            bof_ = true;
            return;
        }
        pos_ = 0;
    }
    bof_ = false;
    eof_ = false;
    posicionou();
}

int Tabela::contarRegistros() {
    exigirAtivo();
    std::vector<QVariant> args;
    const QString where = filtroBase(args);
    const QString sql =
        "SELECT count(*) FROM " + sqlTabela_ + (where.isEmpty() ? QString() : " WHERE " + where);
    Instrucao& st = banco_->preparar(sql);
    int p = 1;
    for (const QVariant& v : args)
        st.vincular(p++, v);
    return int(st.escalar(0));
}

void Tabela::carregarPorRowid(qint64 rowid) {
    if (!buscar(rowid_ + " = ?", {QVariant(rowid)}, false, 1, false)) {
        // The row is gone: the next one in order, else the first.
        primeiro();
        return;
    }
    pos_ = 0;
    eof_ = bof_ = false;
    posicionou();
}

void Tabela::atualizar() {
    exigirAtivo();
    if (pos_ < 0) {
        primeiro();
        return;
    }
    const qint64 atual = lote_.rowid(pos_);
    if (buscar(rowid_ + " = ?", {QVariant(atual)}, false, 1, false)) {
        pos_ = 0;
        posicionou();
        return;
    }
    primeiro();
}

bool Tabela::localizarChave(const QVariantList& chave) {
    exigirAtivo();
    if (estado_ != EstadoDados::Navegando)
        gravar();
    if (chave.size() > int(chave_.size()))
        throw ErroBanco("Too many key fields for index of " + nomeTabela_);
    Condicao c;
    for (int k = 0; k < chave.size(); ++k) {
        const QVariant v = NormalizarValor(colunas_[size_t(chave_[size_t(k)])], chave[k]);
        const QString nome = CitarNome(colunas_[size_t(chave_[size_t(k)])].nome);
        if (!v.isValid()) {
            c.e(nome + " IS NULL");
        } else {
            c.e(expr(nome, semCaixa_[size_t(k)]) + " = ?");
            c.args.push_back(v);
        }
    }
    LoteLinhas guardado = std::move(lote_);
    if (!buscar(c.sql, c.args, false, 8, false)) {
        lote_ = std::move(guardado);
        return false;
    }
    pos_ = 0;
    eof_ = bof_ = false;
    posicionou();
    return true;
}

void Tabela::localizarProximo(const QVariantList& chave) {
    exigirAtivo();
    if (estado_ != EstadoDados::Navegando)
        gravar();
    const int m = std::min<int>(int(chave.size()), int(chave_.size()));
    std::vector<QVariant> valores;
    for (int k = 0; k < m; ++k)
        valores.push_back(NormalizarValor(colunas_[size_t(chave_[size_t(k)])], chave[k]));
    // (k1..km) >= key: equal on all, then equal on a shorter prefix and
    // greater on the next field.
    for (int i = m; i >= 0; --i) {
        Condicao c;
        for (int k = 0; k < i && k < m; ++k) {
            const QString nome = CitarNome(colunas_[size_t(chave_[size_t(k)])].nome);
            if (!valores[size_t(k)].isValid()) {
                c.e(nome + " IS NULL");
            } else {
                c.e(expr(nome, semCaixa_[size_t(k)]) + " = ?");
                c.args.push_back(valores[size_t(k)]);
            }
        }
        if (i < m) {
            const QString nome = CitarNome(colunas_[size_t(chave_[size_t(i)])].nome);
            if (!valores[size_t(i)].isValid()) {
                c.e(nome + " IS NOT NULL");
            } else {
                c.e(expr(nome, semCaixa_[size_t(i)]) + " > ?");
                c.args.push_back(valores[size_t(i)]);
            }
        }
        if (i == m && m == 0)
            break;
        if (buscar(c.sql, c.args, false, 8, false)) {
            pos_ = 0;
            eof_ = bof_ = false;
            posicionou();
            return;
        }
    }
    if (m == 0) {
        primeiro();
        return;
    }
    ultimo();
    eof_ = true;
}

bool Tabela::localizar(const QStringList& campos, const QVariantList& valores, bool ignorarCaixa,
                       bool chaveParcial) {
    exigirAtivo();
    if (estado_ != EstadoDados::Navegando)
        gravar();
    Condicao c;
    for (int k = 0; k < campos.size(); ++k) {
        const int col = indiceCampo(campos[k].trimmed());
        if (col < 0)
            throw ErroBanco(nomeTabela_ + ": Field '" + campos[k] + "' not found");
        const DefCampo& def = colunas_[size_t(col)];
        const QVariant bruto = k < valores.size() ? valores[k] : QVariant();
        const QVariant v = NormalizarValor(def, bruto);
        QString nome = CitarNome(def.nome);
        if (!v.isValid()) {
            c.e(nome + " IS NULL");
            continue;
        }
        const bool texto = def.tipo == TipoCampo::Texto || def.tipo == TipoCampo::Memo;
        if (texto && chaveParcial)
            nome = QString("substr(%1, 1, %2)").arg(nome).arg(v.toString().size());
        if (texto && ignorarCaixa)
            c.e("upper(" + nome + ") = upper(?)");
        else
            c.e(nome + " = ?");
        c.args.push_back(v);
    }
    LoteLinhas guardado = std::move(lote_);
    if (!buscar(c.sql, c.args, false, 8, false)) {
        lote_ = std::move(guardado);
        return false;
    }
    pos_ = 0;
    eof_ = bof_ = false;
    posicionou();
    return true;
}

Marcador Tabela::marcador() const {
    if (pos_ < 0)
        return {};
    return {lote_.rowid(pos_), true};
}

void Tabela::irPara(const Marcador& m) {
    exigirAtivo();
    if (!m.valido)
        throw ErroBanco("Invalid bookmark");
    LoteLinhas guardado = std::move(lote_);
    if (!buscar(rowid_ + " = ?", {QVariant(m.rowid)}, false, 1, false)) {
        lote_ = std::move(guardado);
        throw ErroBanco("Record not found");
    }
    pos_ = 0;
    eof_ = bof_ = false;
    posicionou();
}

void Tabela::definirFaixa(const QVariantList& inicio, const QVariantList& fim) {
    faixaInicio_ = inicio;
    faixaFim_ = fim;
    temFaixa_ = true;
    if (estado_ != EstadoDados::Inativo)
        primeiro();
}

void Tabela::cancelarFaixa() {
    temFaixa_ = false;
    faixaInicio_.clear();
    faixaFim_.clear();
    if (estado_ != EstadoDados::Inativo)
        primeiro();
}

void Tabela::setFiltro(const QString& filtro) {
    filtro_ = filtro.trimmed();
    // Translated at once, so a bad filter fails here and not at the first step.
    filtroSql_ =
        filtro_.isEmpty()
            ? QString()
            : DialetoSql::traduzirExpressao(filtro_, camposFiltro(),
                                            banco_ ? banco_->alvo() : DialetoSql::Alvo::Sqlite);
    if (estado_ != EstadoDados::Inativo)
        primeiro();
}

void Tabela::setMestre(ConjuntoDados* mestre, const QString& camposMestre) {
    if (mestre_)
        mestre_->removerDetalhe(this);
    mestre_ = mestre;
    camposMestre_ = camposMestre.split(';', Qt::SkipEmptyParts);
    if (mestre_) {
        mestre_->registrarDetalhe(this);
        ultimoMestre_ = valoresMestre();
    }
    if (estado_ != EstadoDados::Inativo)
        primeiro();
}

QVariantList Tabela::valoresMestre() const {
    QVariantList r;
    if (!mestre_ || !mestre_->ativo())
        return QVariantList(camposMestre_.size());
    for (const QString& c : camposMestre_) {
        const int i = mestre_->indiceCampo(c.trimmed());
        r << (i < 0 ? QVariant() : mestre_->valorAtual(i));
    }
    return r;
}

void Tabela::seguirMestre() {
    const QVariantList novos = valoresMestre();
    if (novos == ultimoMestre_ && estado_ != EstadoDados::Inativo)
        return;
    ultimoMestre_ = novos;
    if (estado_ == EstadoDados::Navegando)
        primeiro();
}

quint64 Tabela::posicaoTrava() const {
    QByteArray chave = info_->nome.toUpper().toUtf8();
    const InfoIndice* prim = info_->temPrimario ? &info_->indices.front() : nullptr;
    if (!prim) {
        chave += '\x1f' + QByteArray::number(lote_.rowid(pos_));
    } else {
        for (int c : prim->colunas) {
            chave += '\x1f';
            if (!lote_.nulo(pos_, c))
                chave += lote_.valor(pos_, c, colunas_[size_t(c)].tipo).toString().toUtf8();
        }
    }
    // Positive offsets only; one byte per row.
    return fnv1a(chave) & 0x3fffffffffffffffULL;
}

void Tabela::editar() {
    exigirAtivo();
    if (estado_ == EstadoDados::Editando || estado_ == EstadoDados::Inserindo)
        return;
    if (pos_ < 0) {
        incluir();
        return;
    }
    // Lock first, then read the row as stored now.
    const quint64 pos = posicaoTrava();
    if (!banco_->travar(pos))
        throw ErroRegistroBloqueado(nomeTabela_);
    // The row read before the lock is the row as stored when nothing was
    // committed anywhere since it was read.
    if (!loteAtual()) {
        const qint64 rowid = lote_.rowid(pos_);
        try {
            if (!buscar(rowid_ + " = ?", {QVariant(rowid)}, false, 1, false))
                throw ErroBanco("Record/Key deleted.");
        } catch (...) {
            banco_->destravar(pos);
            pos_ = -1;
            primeiro();
            throw;
        }
        pos_ = 0;
    }
    trava_ = pos;
    travado_ = true;
    buffer_.resize(colunas_.size());
    for (size_t i = 0; i < colunas_.size(); ++i)
        buffer_[i] = lote_.valor(pos_, int(i), colunas_[i].tipo);
    alterados_.assign(colunas_.size(), false);
    estado_ = EstadoDados::Editando;
}

void Tabela::incluir() {
    exigirAtivo();
    if (estado_ != EstadoDados::Navegando)
        gravar();
    buffer_.assign(colunas_.size(), QVariant());
    alterados_.assign(colunas_.size(), false);
    // A detail row starts linked to its master's current row.
    for (int k = 0; mestre_ && k < ultimoMestre_.size() && k < int(chave_.size()); ++k)
        buffer_[size_t(chave_[size_t(k)])] =
            NormalizarValor(colunas_[size_t(chave_[size_t(k)])], ultimoMestre_[k]);
    estado_ = EstadoDados::Inserindo;
    posicionou();
}

void Tabela::gravar() {
    exigirAtivo();
    if (estado_ == EstadoDados::Navegando)
        return;
    for (size_t i = 0; i < colunas_.size(); ++i)
        if (colunas_[i].obrigatorio && !buffer_[i].isValid() &&
            colunas_[i].tipo != TipoCampo::AutoInc)
            throw ErroBanco("Field '" + colunas_[i].nome + "' must have a value");

    const bool inserindo = estado_ == EstadoDados::Inserindo;
    const qint64 rowidAtual = inserindo ? 0 : lote_.rowid(pos_);
    std::vector<QVariant> valores = buffer_;
    qint64 rowid = rowidAtual;
    banco_->iniciarEscrita();
    try {
        if (inserindo)
            for (size_t i = 0; i < colunas_.size(); ++i)
                if (colunas_[i].tipo == TipoCampo::AutoInc && !valores[i].isValid()) {
                    const QString sql = "SELECT coalesce(max(" + CitarNome(colunas_[i].nome) +
                                        "), 0) + 1 FROM " + sqlTabela_;
                    valores[i] = int(banco_->preparar(sql).escalar(1));
                }
        // SQLite lets NULLs repeat in a unique index; the key does not.
        if (info_->temPrimario) {
            const auto& prim = info_->indices.front().colunas;
            bool temNulo = false;
            for (int c : prim)
                temNulo = temNulo || !valores[size_t(c)].isValid();
            if (temNulo) {
                QStringList partes;
                for (int c : prim)
                    partes << CitarNome(colunas_[size_t(c)].nome) + ' ' + banco_->igualOuNulo() +
                                  " ?";
                const QString sql = "SELECT 1 FROM " + sqlTabela_ + " WHERE " +
                                    partes.join(" AND ") + " AND " + rowid_ + " <> ? LIMIT 1";
                Instrucao& st = banco_->preparar(sql);
                int p = 1;
                for (int c : prim)
                    st.vincular(p++, valores[size_t(c)]);
                st.vincular(p, rowidAtual);
                if (st.escalar(0) == 1)
                    throw ErroBanco(TextoViolacaoChave);
            }
        }
        // An update writes only the fields written since the edit began,
        // so it never puts back values another station changed meanwhile.
        std::vector<size_t> escrever;
        for (size_t i = 0; i < colunas_.size(); ++i)
            if (inserindo || alterados_[i])
                escrever.push_back(i);
        if (!escrever.empty()) {
            if (inserindo && sqlInsercao_.isEmpty()) {
                QStringList cols;
                for (const auto& c : colunas_)
                    cols << CitarNome(c.nome);
                sqlInsercao_ = "INSERT INTO " + sqlTabela_ + " (" + cols.join(", ") + ") VALUES (" +
                               QString("?, ").repeated(int(cols.size())).chopped(2) +
                               ") RETURNING " + rowid_;
            }
            QString sql = sqlInsercao_;
            if (!inserindo) {
                QStringList cols;
                for (size_t i : escrever)
                    cols << CitarNome(colunas_[i].nome);
                sql = "UPDATE " + sqlTabela_ + " SET " + cols.join(" = ?, ") + " = ? WHERE " +
                      rowid_ + " = ?";
            }
            Instrucao& st = banco_->preparar(sql);
            int p = 1;
            for (size_t i : escrever)
                st.vincular(p++, valores[i]);
            if (inserindo) {
                rowid = st.escalar(0);
            } else {
                st.vincular(p, rowidAtual);
                if (st.executar() == 0)
                    throw ErroBanco("Record/Key deleted.");
            }
        }
        banco_->confirmar();
    } catch (...) {
        banco_->desfazer();
        throw;
    }
    if (travado_) {
        banco_->destravar(trava_);
        travado_ = false;
    }
    estado_ = EstadoDados::Navegando;
    buffer_.clear();
    if (!filtro_.isEmpty() || temFaixa_ || mestre_) {
        // The posted row may have left what the cursor shows.
        carregarPorRowid(rowid);
        return;
    }
    // The row as posted is the row as stored: no need to read it again.
    lote_.limpar();
    lote_.versao = banco_->versaoDados();
    lote_.escritas = Banco::escritas();
    lote_.novaLinha(rowid, int(colunas_.size()));
    for (size_t i = 0; i < colunas_.size(); ++i)
        lote_.maisValor(valores[i], colunas_[i].tipo);
    pos_ = 0;
    eof_ = bof_ = false;
    posicionou();
}

void Tabela::cancelar() {
    if (estado_ != EstadoDados::Editando && estado_ != EstadoDados::Inserindo)
        return;
    if (travado_) {
        banco_->destravar(trava_);
        travado_ = false;
    }
    estado_ = EstadoDados::Navegando;
    buffer_.clear();
    posicionou();
}

void Tabela::excluir() {
    exigirAtivo();
    if (estado_ == EstadoDados::Inserindo) {
        cancelar();
        return;
    }
    if (pos_ < 0)
        throw ErroBanco("Cannot perform this operation on an empty dataset");
    const bool jaTravado = travado_;
    const quint64 pos = jaTravado ? trava_ : posicaoTrava();
    if (!jaTravado && !banco_->travar(pos))
        throw ErroRegistroBloqueado(nomeTabela_);
    const qint64 rowid = lote_.rowid(pos_);
    banco_->iniciarEscrita();
    try {
        Instrucao& st = banco_->preparar("DELETE FROM " + sqlTabela_ + " WHERE " + rowid_ + " = ?");
        st.vincular(1, rowid);
        st.executar();
        banco_->confirmar();
    } catch (...) {
        banco_->desfazer();
        if (!jaTravado)
            banco_->destravar(pos);
        throw;
    }
    banco_->destravar(pos);
    travado_ = false;
    estado_ = EstadoDados::Navegando;
    buffer_.clear();
    // The row after the deleted one, else the one before, else none.
    if (depoisDe(pos_, false, 8) || depoisDe(pos_, true, 1)) {
        pos_ = 0;
        eof_ = bof_ = false;
        posicionou();
    } else {
        ficarVazio();
    }
}
