// Import duty by country of origin of one product (ALIQBASE_Importacao):
// the rows of the product, their inclusion (operation "I"), the save that
// gathers every missing value into one message, deletion and the log
// entries under "FoCadImpostoImportacaoPorOrigem".
#pragma once

#include "store/Tabela.h"

#include <QString>

class SessaoBanco;

class TDMImpostoImportacao {
public:
    explicit TDMImpostoImportacao(SessaoBanco* sessao = nullptr);

    // The rows of the product (`filial`, `codigo`). Throws ErroBanco.
    void abrir(int filial, int codigo);
    void fechar();

    // The country's NOME of PAISES; "" when there is none.
    QString nomePais(const QString& codigo);

    // A new row of the product with Operacao "I", left in insert.
    bool Incluir();
    bool Alterar();
    // The collected lines of the missing values ("" when none are).
    QString Faltas();
    // Posts after "Erros encontrados impedem a gravação do registro : "
    // when values are missing (false then, the row stays in edit); logs
    // the inclusion or alteration.
    bool Gravar();
    void Cancelar();
    // "Confirma exclusao do registro", deletes and logs.
    bool Excluir();

    Tabela TImposto;

private:
    SessaoBanco* sessao_;
    Tabela paises_;
    int filial_ = 0;
    int codigo_ = 0;
};
