// The markups of a branch (Markup.db): numbering per branch, inclusion
// ("I") and alteration ("A") with their dates from the clock, the save
// that writes the description in upper case, deletion, the searches of
// the register window and the log entries under "foCadMarkup". Only the
// parameters are kept; no price is computed from them here.
#pragma once

#include "store/Tabela.h"

#include <QString>

class SessaoBanco;

class TDMMarkup {
public:
    explicit TDMMarkup(SessaoBanco* sessao = nullptr);

    // The markups of `filial`, in code order. Throws ErroBanco.
    void abrir(int filial);
    void fechar();

    // 1 + the branch's highest code (1 for a branch without markups).
    // Throws ErroBanco.
    int ProximoCodigo();

    // A new row of the branch with the next code, both dates today and
    // the one calculation model; mode "I". False after the store's error.
    bool Incluir();
    // The current row in edit with DtManutencao today; mode "A".
    bool Editar();
    // Posts and logs "I" or "E"; false (row still in edit, nothing logged)
    // after the message of a missing code or of the store's refusal.
    bool Gravar();
    void Cancelar();
    // After "Tem certeza que deseja remover o registro de markup deste
    // produto?", deletes the row and then logs "X".
    bool Excluir();

    // Positions on the code; "Codigo invalido" for a text that is not an
    // integer. False, without moving, when nothing is found.
    bool LocalizarCodigo(const QString& texto);
    // Positions on the first row whose description begins with the text,
    // case ignored; the text is a value, never SQL.
    bool LocalizarDescricao(const QString& texto);

    // "I", "A", or "" while browsing.
    const QString& modo() const { return modo_; }

    Tabela TMarkup;

private:
    void log(const QString& acao, const QString& texto);

    SessaoBanco* sessao_;
    int filial_ = 0;
    QString modo_;
};

// The one calculation model (ModeloCalculo 1).
inline const char* const TextoModeloCalculo1 =
    "Preco de Entrada - (Descontos) + Ipi + Icms Entr. + Frete + Margem";
