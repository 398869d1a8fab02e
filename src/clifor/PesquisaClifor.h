// The reads behind the party searches: the branch's parties in a chosen
// order for the party search, and by a name fragment for the advanced
// search. Every typed text is bound as a parameter.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class SessaoBanco;

// "CÓDIGO", "NOME", "FANTASIA", "FONE", "CIDADE", "BAIRRO", "ENDEREÇO".
const QStringList& OrdensPesquisaClifor();

struct LinhaPesquisaClifor {
    int codigo = 0;
    QStringList colunas; // code, name, trade name, phone, district, street, city
};

// The parties of branch `filial` in order `ordem` (an index of the list
// above). Throws ErroBanco.
QList<LinhaPesquisaClifor> PesquisarClifor(int filial, int ordem, SessaoBanco* sessao = nullptr);

// The row of `linhas` (in order `ordem`) to show for the typed text: the
// first whose column of that order is at or after the text (codes as
// numbers, texts without regard to case); the last when none is; -1 for
// no rows.
int LinhaMaisProxima(const QList<LinhaPesquisaClifor>& linhas, int ordem, const QString& texto);

// Branch, code and name of the branch's parties whose name contains
// `texto` (any case), by name. Throws ErroBanco.
QList<QStringList> PesquisarCliforPorNome(int filial, const QString& texto,
                                          SessaoBanco* sessao = nullptr);
