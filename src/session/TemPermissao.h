// Group permissions: the user's active groups in a branch must grant the
// named permission; level "SUP" passes every one. Names beginning with
// "Bloqueia(o)" are blocks: true means the user is blocked.
//
// Callers pass AliasPermissoes, FilialTexto, Usuario, the permission name
// and Nivel of Sessao, and call only when UsaPermissoes is on. The user's
// permissions and the permission catalogue are read once and kept for the
// process; the user's are read again when the database, branch or user
// differs from the kept ones.
#pragma once

#include <QString>
#include <QStringList>

class SessaoBanco;

// Granted or not, after the block or refusal warning when `mensagens`.
// False after "Erro na leitura de permissão : ..." on any failure,
// including a branch that is not a number.
bool TemPermissao(const QString& banco, const QString& filial, const QString& usuario,
                  const QString& nomePermissao, const QString& nivel, bool mensagens,
                  SessaoBanco* sessao = nullptr);

// The same for the session's user, branch and level (Sess()): with group
// permissions off every permission is granted and no block holds.
bool PermitidoNaSessao(const QString& nomePermissao, bool mensagens = true);
bool BloqueadoNaSessao(const QString& nomePermissao, bool mensagens = true);

// The user permission query, line by line (exposed for tests of quoting).
// Throws ErroBanco when `filial` is not a number.
QStringList SqlPermissoesUsuario(const QString& filial, const QString& usuario);

// Forgets the kept results (tests, and nothing else).
void ReiniciarCachePermissoes();
