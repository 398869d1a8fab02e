// The e-mail contacts of a party (Nfe_email_clientes.DB), numbered per
// party from 1, with their kind ("0" CLIENTE, "1" CONTADOR, "2" VENDEDOR,
// "3" COMPRADOR, "4" OUTROS): inclusion, alteration, deletion, and the
// picker list from which addresses are chosen for sending.
#pragma once

#include "store/Tabela.h"

#include <QList>
#include <QString>
#include <utility>

class SessaoBanco;

// A row of the picker.
struct ItemEmail {
    int ordem = 0;
    QString nome;
    QString email;
    QString tipo; // as its text
    bool selecionar = false;
};

class TDMEmailsClifor {
public:
    explicit TDMEmailsClifor(SessaoBanco* sessao = nullptr);

    // The kinds, (code, text), in code order.
    static const QList<std::pair<QString, QString>>& Tipos();
    // "CLIENTE" for "0" ...; "" for anything else.
    static QString TextoTipo(const QString& tipo);

    // The party's contacts in number order; false after the store's text.
    bool abrir(int filial, int cliente);
    int filial() const { return filial_; }
    int cliente() const { return cliente_; }

    // A new row with branch, party and the highest number + 1 (1 for the
    // first), left in insert.
    bool Incluir();
    bool Alterar();
    // An empty kind: "Selecione o tipo de cadastro..." and nothing posted.
    // Dt_manutencao = today, the post; then, when the party's own E_Mail is
    // empty and the address fits it (40 characters), the address goes
    // there too and "O email também foi adicionado ao cadastro do
    // cliente!!!" is shown.
    bool Gravar();
    void Cancelar();
    // "Confirma exclusao do registro", then the row.
    bool Excluir();

    // The picker list: one row per contact, none marked. Throws ErroBanco.
    QList<ItemEmail> lerSelecao();
    // The marked addresses in list order joined by ";"; "" when none.
    static QString Marcados(const QList<ItemEmail>& itens);

    Tabela TEmails;

private:
    void copiarParaParte(const QString& email);

    SessaoBanco* sessao_;
    int filial_ = 0;
    int cliente_ = 0;
};
