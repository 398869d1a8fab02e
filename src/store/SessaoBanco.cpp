#include "SessaoBanco.h"

#include "BancoPostgres.h"
#include "BancoSqlite.h"
#include "Caminhos.h"
#include "ConjuntoDados.h"
#include "DefTabela.h"
#include "ErroBanco.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <map>
#include <set>

struct SessaoBanco::Dados {
    ServidorBanco servidor() const;
    QHash<QString, QStringList> aliases;              // upper name -> parameter lines
    std::map<QString, std::unique_ptr<Banco>> bancos; // host dir or server schema -> connection
    std::set<ConjuntoDados*> abertos;
    bool aberta = true;
};

SessaoBanco::SessaoBanco(int) : d(std::make_unique<Dados>()) {}

// A second station starts with the program's aliases.
SessaoBanco::SessaoBanco() : d(std::make_unique<Dados>()) {
    d->aliases = padrao().d->aliases;
}

SessaoBanco::~SessaoBanco() {
    fechar();
}

SessaoBanco& SessaoBanco::padrao() {
    static SessaoBanco s(0);
    return s;
}

void SessaoBanco::definirAlias(const QString& nome, const QStringList& parametros) {
    d->aliases.insert(nome.toUpper(), parametros);
}

bool SessaoBanco::existeAlias(const QString& nome) const {
    return d->aliases.contains(nome.toUpper());
}

QStringList SessaoBanco::parametrosAlias(const QString& nome) const {
    auto it = d->aliases.constFind(nome.toUpper());
    if (it == d->aliases.constEnd())
        throw ErroBanco("Unknown database: " + nome);
    return it.value();
}

void SessaoBanco::fechar() {
    // Closing a cursor unregisters it, so walk a copy.
    const auto abertos = d->abertos;
    for (ConjuntoDados* ds : abertos)
        ds->fechar();
    d->abertos.clear();
    d->bancos.clear();
    d->aberta = false;
}

void SessaoBanco::abrir() {
    d->aberta = true;
}
bool SessaoBanco::aberta() const {
    return d->aberta;
}

QString SessaoBanco::diretorio(const QString& nomeBanco) const {
    auto it = d->aliases.constFind(nomeBanco.toUpper());
    if (it == d->aliases.constEnd())
        return nomeBanco;
    for (const QString& linha : it.value())
        if (linha.startsWith("PATH=", Qt::CaseInsensitive))
            return linha.mid(5);
    throw ErroBanco("Alias has no PATH: " + nomeBanco);
}

ServidorBanco SessaoBanco::Dados::servidor() const {
    return ServidorBanco::dasLinhas(aliases.value("ORVALO"));
}

bool SessaoBanco::noServidor() const {
    return d->servidor().valido();
}

Banco& SessaoBanco::banco(const QString& diretorioArmazenado) {
    if (!d->aberta)
        throw ErroBanco("The store session is closed");
    const ServidorBanco servidor = d->servidor();
    // On a server every directory is a schema of the server's database.
    const QString chave = servidor.valido() ? "\n" + EsquemaDoDiretorio(diretorioArmazenado)
                                            : Caminhos::atual().resolver(diretorioArmazenado);
    auto it = d->bancos.find(chave);
    if (it != d->bancos.end())
        return *it->second;
    std::unique_ptr<Banco> banco;
    if (servidor.valido())
        banco = std::make_unique<BancoPostgres>(diretorioArmazenado, servidor);
    else
        banco = std::make_unique<BancoSqlite>(diretorioArmazenado, chave);
    Banco& ref = *banco;
    d->bancos.emplace(chave, std::move(banco));
    return ref;
}

bool SessaoBanco::existeDiretorio(const QString& diretorioArmazenado) {
    if (!noServidor())
        return QDir(Caminhos::atual().resolver(diretorioArmazenado)).exists();
    try {
        banco(diretorioArmazenado);
        return true;
    } catch (const ErroBanco&) {
        return false;
    }
}

QString SessaoBanco::localDiretorio(const QString& diretorioArmazenado) const {
    const ServidorBanco servidor = d->servidor();
    if (!servidor.valido())
        return QDir::toNativeSeparators(Caminhos::atual().resolver(diretorioArmazenado));
    return "esquema " + EsquemaDoDiretorio(diretorioArmazenado) + " do servidor " + servidor.host +
           (servidor.porta.isEmpty() ? QString() : ':' + servidor.porta) + '/' + servidor.base;
}

void SessaoBanco::criarDiretorio(const QString& diretorioArmazenado) {
    if (!noServidor()) {
        if (!QDir().mkpath(Caminhos::atual().resolver(diretorioArmazenado)))
            throw ErroBanco("Cannot create directory " + diretorioArmazenado);
        return;
    }
    CriarEsquemaNoServidor(d->servidor(), diretorioArmazenado);
}

namespace {
bool ehCaminho(const QString& tabela) {
    return tabela.contains('\\') || tabela.contains('/');
}
} // namespace

Banco& SessaoBanco::bancoDaTabela(const QString& nomeBanco, const QString& tabela,
                                  QString& nomeTabela) {
    nomeTabela = NomeTabelaNormalizado(tabela);
    if (ehCaminho(tabela))
        return banco(Caminhos::diretorioDe(tabela.trimmed()));
    return banco(diretorio(nomeBanco));
}

bool SessaoBanco::existeTabela(const QString& nomeBanco, const QString& tabela) {
    const QString dir =
        ehCaminho(tabela) ? Caminhos::diretorioDe(tabela.trimmed()) : diretorio(nomeBanco);
    if (noServidor()) {
        if (!existeDiretorio(dir))
            return false;
    } else {
        const QString host = Caminhos::atual().resolver(dir);
        if (!QFileInfo::exists(QDir(host).filePath(BancoSqlite::ArquivoBanco)))
            return false;
    }
    return banco(dir).existe(NomeTabelaNormalizado(tabela));
}

QStringList SessaoBanco::tabelas(const QString& nomeBanco) {
    return banco(diretorio(nomeBanco)).nomesTabelas();
}

void SessaoBanco::esvaziarTabela(const QString& nomeBanco, const QString& tabela) {
    QString nome;
    Banco& b = bancoDaTabela(nomeBanco, tabela, nome);
    const auto info = b.tabela(nome);
    b.iniciarEscrita();
    try {
        b.executar("DELETE FROM " + info->sqlNome);
        b.confirmar();
    } catch (...) {
        b.desfazer();
        throw;
    }
}

void SessaoBanco::registrar(ConjuntoDados* ds) {
    d->abertos.insert(ds);
}
void SessaoBanco::remover(ConjuntoDados* ds) {
    d->abertos.erase(ds);
}
