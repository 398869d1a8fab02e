// The system log: one row per operator action in the month's table
// "LogSys_MM_YYYY.db" of the company directory, and the names of windows,
// actions and tables ever logged in the dictionary "LogSys_Tipos.db". Both
// are created when missing. Each call waits 600 ms in all (Relogio), so
// callers log once per completed operation.
#pragma once

#include <QDate>
#include <QString>

class SessaoBanco;

// Action letters: L Login, A Acesso, C Consulta, E Editar, X Excluir,
// I Inserir, S Autentica Senha; any other letter is kept as given and has
// an empty name.
QString NomeAcaoLog(const QString& acao);

// "LogSys_" + MM + "_" + YYYY + ".db" of the date.
QString NomeLogSistema(const QDate& data);

// Writes the row (an empty user becomes "Nenhum") and the dictionary
// entries. A failure shows "Erro ao gravar log de sistema : " + CR LF +
// the error text + CR LF; a row already written stays.
void GravarLogSistema(int filial, const QString& janela, const QString& acao,
                      const QString& usuario, const QString& tabela, const QString& log,
                      SessaoBanco* sessao = nullptr);
