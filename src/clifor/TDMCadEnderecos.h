// The further addresses of a party (Endereco.DB), numbered per party from
// 1: the party list to choose from, the party's addresses and their
// inclusion, alteration, deletion and copy to another company. Works on
// the branch of Sess() in the database "Orvalo".
#pragma once

#include "store/Tabela.h"

#include <QList>
#include <QStringList>

class SessaoBanco;

class TDMCadEnderecos {
public:
    explicit TDMCadEnderecos(SessaoBanco* sessao = nullptr);

    // The branch's parties: code and name, in code order or in name order.
    // Throws ErroBanco.
    QList<QStringList> partes(bool porNome);
    // The row of `linhas` (as partes() gives them) the typed text reaches:
    // the first whose code (a number) or name (without regard to case) is
    // at or after it; the last row when none is; -1 for an empty list or a
    // code that is not a number.
    static int linhaPesquisa(const QList<QStringList>& linhas, bool porNome, const QString& texto);

    // The party's addresses, in number order; false after the store's text.
    bool abrirParte(int codigo);
    int parte() const { return parte_; }

    // The next number: the party's highest + 1, or 1. Throws ErroBanco.
    int ProximoCodigo();
    // A new row with branch, party and the next number, left in insert.
    bool Incluir();
    bool Alterar();
    bool Gravar();
    void Cancelar();
    // "Confirma exclusão do registro?", then the row.
    bool Excluir();
    // The current address to another company ("Clonar Registro P/ Outra
    // Empresa"), keyed by "Filial|Cod_Clifor|Codigo".
    void Clonar();

    Tabela TEndereco;

private:
    SessaoBanco* sessao_;
    int filial_ = 0;
    int parte_ = 0;
};
