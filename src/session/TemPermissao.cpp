#include "TemPermissao.h"

#include "Consulta.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "Sessao.h"
#include "SessaoBanco.h"

#include <QHash>
#include <QSet>
#include <optional>

namespace {
const QString CRLF = "\r\n";

QString citado(const QString& s) {
    QString t = s;
    return '\'' + t.replace('\'', "''") + '\'';
}

struct PermissoesUsuario {
    QString diretorio, filial, usuario;
    QSet<QString> nomes;
};

struct Catalogo {
    QString diretorio;
    QHash<QString, QString> descricoes; // NomePermissao -> DescPermissao
};

// Kept rows, not open queries: closing the store session (a company
// change) closes every query, and the kept rows must outlive it.
std::optional<PermissoesUsuario> permissoesGuardadas;
std::optional<Catalogo> catalogoGuardado;

const QSet<QString>& permissoesDe(SessaoBanco& sessao, const QString& banco, const QString& filial,
                                  const QString& usuario) {
    const QString dir = sessao.diretorio(banco);
    auto& p = permissoesGuardadas;
    if (p && p->diretorio == dir && p->filial == filial && p->usuario == usuario)
        return p->nomes;
    Consulta q(&sessao);
    q.setNomeBanco(banco);
    q.setSql(SqlPermissoesUsuario(filial, usuario));
    q.abrir();
    PermissoesUsuario lidas{dir, filial, usuario, {}};
    for (; !q.eof(); q.proximo())
        lidas.nomes.insert(q.campo("NomePermissao").texto());
    p = std::move(lidas);
    return p->nomes;
}

QString descricaoDe(SessaoBanco& sessao, const QString& banco, const QString& nomePermissao) {
    const QString dir = sessao.diretorio(banco);
    auto& c = catalogoGuardado;
    if (!c || c->diretorio != dir) {
        Consulta q(&sessao);
        q.setNomeBanco(banco);
        q.setSql({"Select NomePermissao, DescPermissao from permissoes"});
        q.abrir();
        Catalogo lido{dir, {}};
        for (; !q.eof(); q.proximo()) {
            const QString nome = q.campo("NomePermissao").texto();
            if (!lido.descricoes.contains(nome))
                lido.descricoes.insert(nome, q.campo("DescPermissao").texto());
        }
        c = std::move(lido);
    }
    return c->descricoes.value(nomePermissao);
}
} // namespace

QStringList SqlPermissoesUsuario(const QString& filial, const QString& usuario) {
    // The branch goes in unquoted, so it must be a number.
    bool ok = false;
    filial.trimmed().toLongLong(&ok);
    if (!ok)
        throw ErroBanco("Invalid branch: " + filial);
    return {
        " SELECT Gruposporusuario.CodFilGrupo, Permissoesporgrupo.CodGrupoUsuario, "
        "Gruposusuarios.DescGrupo, Gruposporusuario.CodUsuario,",
        " Permissoesporgrupo.Permissao, Permissoesporgrupo.NomePermissao, "
        "Permissoesporgrupo.DescPermissao",
        " FROM \"GruposPorUsuario.DB\" Gruposporusuario, \"PermissoesPorGrupo.DB\" "
        "Permissoesporgrupo,",
        " \"GruposUsuarios.db\" Gruposusuarios",
        " WHERE   (Permissoesporgrupo.CodGrupoUsuario = Gruposporusuario.CodGrupo)",
        " AND  (Gruposusuarios.CodigoGrupo = Gruposporusuario.CodGrupo)",
        " AND  (Gruposusuarios.Ativo = " + citado("S") + ")",
        " AND Gruposporusuario.CodFilGrupo=" + filial.trimmed() +
            " and Gruposporusuario.CodUsuario=" + citado(usuario),
    };
}

bool TemPermissao(const QString& banco, const QString& filial, const QString& usuario,
                  const QString& nomePermissao, const QString& nivel, bool mensagens,
                  SessaoBanco* sessao) {
    SessaoBanco& s = sessao ? *sessao : SessaoBanco::padrao();
    try {
        const bool concedida =
            permissoesDe(s, banco, filial, usuario).contains(nomePermissao) || nivel == "SUP";
        const QString descricao = descricaoDe(s, banco, nomePermissao);
        if (!mensagens)
            return concedida;
        if (nomePermissao.left(11) == "Bloqueia(o)") {
            if (concedida)
                MostrarAviso("O usuário " + usuario +
                             " possui BLOQUEIO de acesso para esta função! " + CRLF + CRLF +
                             "Nome Bloqueio : " + descricao + CRLF +
                             "Nome Interno   : " + nomePermissao + CRLF + CRLF +
                             "Entre em contato com o administrador de sistema!");
        } else if (!concedida) {
            MostrarAviso("O usuário " + usuario +
                         " não possui permissão de acesso para esta função! " + CRLF + CRLF +
                         "Nome Permissão : " + descricao + CRLF +
                         "Nome Interno   : " + nomePermissao + CRLF + CRLF +
                         "Entre em contato com o administrador de sistema para que atribua "
                         "esta permissão ao seu grupo de usuários!");
        }
        return concedida;
    } catch (const ErroBanco& e) {
        MostrarErro("Erro na leitura de permissão : " + nomePermissao + " ERRO : " + e.texto());
        return false;
    }
}

void ReiniciarCachePermissoes() {
    permissoesGuardadas.reset();
    catalogoGuardado.reset();
}

bool PermitidoNaSessao(const QString& nomePermissao, bool mensagens) {
    const DadosSessao& s = Sess();
    return !s.UsaPermissoes || TemPermissao(s.AliasPermissoes, s.FilialTexto, s.Usuario,
                                            nomePermissao, s.Nivel, mensagens);
}

bool BloqueadoNaSessao(const QString& nomePermissao, bool mensagens) {
    const DadosSessao& s = Sess();
    return s.UsaPermissoes && TemPermissao(s.AliasPermissoes, s.FilialTexto, s.Usuario,
                                           nomePermissao, s.Nivel, mensagens);
}
