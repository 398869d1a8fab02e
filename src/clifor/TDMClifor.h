// The party data module: cursors on CLIFOR.DB of the current branch
// (Sess().Filial, database "Orvalo"), by key and by name, and the two
// registers readers walk: clients (Sistema "0") and suppliers with every
// other kind of party (Sistema "1"), both in name order.
// Created once; abrir() again after the branch changed.
#pragma once

#include "Tabela.h"

#include <QString>

class SessaoBanco;

class TDMClifor {
public:
    explicit TDMClifor(SessaoBanco* sessao = nullptr);

    // Opens (or reopens) every cursor on the current branch.
    // Throws ErroBanco on a store failure.
    void abrir();
    void fechar();

    // Moves TClifor to the party; false (and no move) when there is none.
    bool localizarCodigo(int codigo);
    // Moves TCliforNome to the first name at or after `nome`, without
    // regard to case; true when that name begins with `nome`.
    bool localizarNome(const QString& nome);

    Tabela TClifor;       // key order (Filial, Cod_Clifor)
    Tabela TCliforNome;   // index "Nome do Cliente/Fornecedo"
    Tabela TClientes;     // Sistema "0", by name
    Tabela TFornecedores; // Sistema "1", by name
};
