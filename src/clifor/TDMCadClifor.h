// The data module of the party register ("Cadastro de Clientes /
// Fornecedores") of the current branch: the list of one register (clients,
// Sistema "0", or suppliers and every other kind, "1") in ten orders and
// three situations, the current party with its personal complement
// (CLIFOR2) and the rows that hang from it (children, contact persons,
// remark lines, sellers per product group), and every operation the window
// runs: inclusion through the code ranges, alteration, the ordered save
// with its access codes, logs, renewal, fiscal change record, services of
// the tax framing and replication, cancellation with the code given back,
// deletion, change of register, the document check and the municipality
// codes.
//
// Operations ask their access codes and permissions, show their messages
// through Dialogos and return false when the action is abandoned; the
// window holds the mode ("I", "A" or browse) and passes it in. Created by
// the window; abrir() (on each show) reads the branch from Sess().
#pragma once

#include "GravacaoClifor.h"
#include "products/IntervalosCodigo.h"
#include "products/ReplicacaoProduto.h"
#include "store/Tabela.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <utility>

class SessaoBanco;

// Codes and names offered by a chooser.
using OpcoesClifor = QList<std::pair<QVariant, QString>>;

class TDMCadClifor {
public:
    enum Situacao { Ativos, Inativos, Todos };
    enum Lado { Filhos, Contatos, Observacoes, Vendedores };
    // Shows the branch's code ranges and returns the code the operator
    // takes ("" to give up): the window TLimiteCodigo in the program.
    using EscolhaFaixa = std::function<QString(const FaixasCodigo&)>;

    explicit TDMCadClifor(SessaoBanco* sessao = nullptr);
    ~TDMCadClifor();

    // Opens every cursor on the current branch: the register `sistema`
    // ("0" or "1") in the situation, in code order. Throws ErroBanco.
    void abrir(const QString& sistema, Situacao situacao);
    void fechar();
    int filial() const { return filial_; }
    const QString& sistema() const { return sistema_; }
    Situacao situacao() const { return situacao_; }
    // Another register or situation; the list is read again.
    void definirRegistro(const QString& sistema, Situacao situacao);
    // The list's selection: "Filial = " + branch + " and Sistema = '0'"
    // (or '1') + " And Ativo = True" / " And Ativo = false" / nothing.
    QString filtroLista() const;

    static bool Permitido(const QString& permissao, bool mensagens = true);
    static bool Bloqueado(const QString& permissao, bool mensagens = true);

    // --- List ---
    // "Codigo", "Nome", "Fantasia", "Cgc", "Vendedor / Cidade", "Vendedor /
    // Nome", "Fone", "Cidade", "Bairro", "Endereço".
    static const QStringList& Ordens();
    void definirOrdem(int ordem);
    int ordem() const { return ordem_; }
    // Code, name, trade name, document, city, state, phone, situation of
    // each listed row, keyed by row id; the current row is kept.
    void lerLista(QList<QStringList>& linhas, QVariantList& chaves);
    // Positions on the first row at or after the text in the current order
    // (the last row when none is after). The seller orders take the
    // seller's code, then "/" and the city or name. False after
    // "'x' is not a valid integer value" for a code that is not a number.
    bool pesquisar(const QString& texto);
    bool posicionar(int codigo);
    // Code of the current party (also one being included); 0 when none.
    int codigoAtual();
    // A party is current and stored (not one being included).
    bool parteGravada();
    // The complement and side rows follow the current party.
    void seguirParte();

    // --- Modes ---
    // IncClifor; access code 14 for installation 19; the prompt "Incluir
    // Novo" / "Codigo" (an empty or long answer shows the ranges); a
    // non-zero new code inside a range ("L"), code 131 from 950000 while
    // group permissions are off, the range advanced ("G"); the new row
    // with branch, code, kind, situation active, country and date, left
    // in insert.
    bool Incluir(const EscolhaFaixa& faixas);
    // EditarCliente; code 14 for installation 19; code 131 from 950000;
    // the row and its complement in edit.
    bool Alterar();
    // The save: code 41 in "A" (again for a changed credit limit and a
    // changed document), the mandatory checks, the code ranges (kind and
    // register), the document, code 215 for a changed rating, the post,
    // then the complement, the framing's services, the renewal, the logs,
    // the fiscal change record and the replication.
    bool Gravar(const QString& modo, const LegendaReplicacao& legenda = {});
    // Gives up the edits; an inclusion gives its code back to the range
    // while the range's last code is still that one.
    void Cancelar(const QString& modo);
    // ExcluirCliente, confirmation, a reason of 10 characters, no movement,
    // then the party and what hangs from it; the log after.
    bool Excluir();
    // AcessoAlterarSistemaClifor, confirmation, "0" or "1".
    bool TrocarSistema(const LegendaReplicacao& legenda = {});

    // --- Boxes of the row in edit ---
    // Writes the typed document as stored (LimparDocumento); false after
    // "C.G.C. Invalido" for one longer than 14 characters.
    bool DefinirDocumento(const QString& texto);
    // The document check of the current row: check digits, then no other
    // party of the kind with it ("CNPJ ja cadastrado no cliente: " + code).
    bool VerificarDocumento();
    // Entering the first seller box: the sellers' block, then code 103,
    // asked once per edit.
    bool EntrarVendedor();
    // Leaving the credit limit box: a limit that differs from `anterior`
    // needs code 136; refused, `anterior` is put back.
    bool SairLimiteCredito(const QVariant& anterior);
    // "!": CodMunicipio (or CodMuniEnt for the delivery address) from the
    // address's state and city; an unknown city clears it after
    // "Município não encontrado: " + city + "/" + state.
    bool BuscarCodigoMunicipio(bool entrega);
    // The municipality list of the address's state; the chosen code.
    bool EscolherMunicipio(bool entrega);

    // --- Side rows (children, contacts, remark lines, sellers) ---
    Tabela& tabela(Lado lado);
    bool IncluirLado(Lado lado);
    bool AlterarLado(Lado lado);
    bool GravarLado(Lado lado);
    void CancelarLado(Lado lado);
    bool ExcluirLado(Lado lado);

    // --- Names for the choosers ---
    OpcoesClifor conceitos();
    OpcoesClifor regioes();
    OpcoesClifor vencimentos();
    OpcoesClifor paises();
    OpcoesClifor moedas();
    OpcoesClifor enquadramentos();
    // Parties of the branch of a kind (2 sellers, 4 carriers, 5 banks).
    OpcoesClifor partes(int tipo);
    // Product groups (Estniv2) and the sellers of Vendedor below 100.
    OpcoesClifor grupos();
    OpcoesClifor vendedores();
    // The party's fiscal change records: date, month and the previous
    // values, most recent first. AcessoConsultaLogAlteraClifor.
    bool LogAlteracoes(QList<QStringList>& linhas);

    Tabela TClifor;      // the list and the current party
    Tabela TClifor2;     // its personal complement
    Tabela TFilhos;      // its children
    Tabela TContatos;    // its contact persons (CttCliFo)
    Tabela TObservacoes; // its remark lines (ObserCli)
    Tabela TVendedores;  // its sellers per product group (CLPRVEND)

private:
    void aplicarFiltro();
    void lembrarInicio();
    bool prepararComplemento();
    void gravarComplemento();
    struct ParteGravada {
        int codigo = 0;
        bool alteracao = false, conceitoMudou = false;
        QString conceito, textoLog;
        QVariant enquadramento;
        DadosFiscais fiscais;
    };
    void depoisDeGravar(const ParteGravada& gravada, const LegendaReplicacao& legenda);
    void reposicionar(const QVariantList& chave);
    OpcoesClifor opcoes(const QStringList& sql, const QVariant& parametro = QVariant());

    SessaoBanco* sessao_;
    int filial_ = 0;
    QString sistema_ = "0";
    Situacao situacao_ = Ativos;
    int ordem_ = 0;
    // The code being included and the kind of its range, for the give-back.
    int codigoIncluido_ = 0;
    int tipoIncluido_ = 0;
    bool vendedorAutorizado_ = false;
    // The party's values when the edit began.
    QVariant conceitoInicial_, limiteInicial_, enquadramentoInicial_;
    QString documentoInicial_;
    DadosFiscais fiscaisIniciais_;
};
