// The data module of the product register ("Cadastro de Produtos") of the
// current branch: the product list in nine orders with its situation and
// field filters, the current product and what hangs from it (tax rates by
// fiscal region, sizes, remark lines, the price worksheet), and every
// operation the window runs: code proposal, inclusion with defaults,
// alteration, the ordered save with its log entries and replication,
// cancellation, deletion, cloning, the price helpers and the statistics.
//
// Operations ask their access codes and permissions, show their messages
// through Dialogos and return false when the action is abandoned; the
// window holds the mode ("I", "A" or browse) and passes it in. Created by
// the window; abrir() (on each show) reads the branch from Sess() and
// forgets the defaults left by the last save.
#pragma once

#include "GravacaoProduto.h"
#include "ReplicacaoProduto.h"
#include "stock/TDMAS.h"
#include "store/Tabela.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QVariant>
#include <array>
#include <utility>

class SessaoBanco;

// The list's filter: a situation and an equality per filled field
// (Referencia, RefFornec, NOME2, NOME3, CLAS_FISC, UNID_PAD, MARCA).
struct FiltroProdutos {
    enum Situacao { Ativos, Inativos, Todos };
    Situacao situacao = Ativos;
    QMap<QString, QString> campos; // field -> typed value
};

struct EstatisticasProduto {
    double fisico = 0;         // this month's balance rows
    double pedidos = 0;        // open sales-order balance
    double minimo = 0;         // QTD_MIN
    double pontoEncomenda = 0; // QTD_PTOENC
    double precoCompra = 0;    // PRECO_ENTR
    double ultimoCusto = 0;    // ULTIMOCUST
};

// Codes and names offered by a chooser.
using OpcoesProduto = QList<std::pair<QVariant, QString>>;

class TDMCadProduto {
public:
    explicit TDMCadProduto(SessaoBanco* sessao = nullptr);
    ~TDMCadProduto();

    // Opens every cursor on the current branch: the list of active
    // products in name order. Throws ErroBanco.
    void abrir();
    void fechar();
    int filial() const { return filial_; }

    // Groups permissions are checked only when the session uses them.
    static bool Permitido(const QString& permissao, bool mensagens = true);
    // A "Bloqueia(o)" permission in force for the user.
    static bool Bloqueado(const QString& permissao, bool mensagens = true);

    // --- List ---
    // "Codigo", "Classificação", "Classificação Fiscal", "Marca",
    // "Nivel / Alfa", "Nome", "Referencia", "Ref. Fornecedor", "Formula".
    static const QStringList& Ordens();
    void definirOrdem(int ordem);
    int ordem() const { return ordem_; }
    void definirFiltro(const FiltroProdutos& filtro);
    const FiltroProdutos& filtro() const { return filtro_; }
    // The listed rows (code, description, reference, unit, classification,
    // NCM, brand, situation), keyed by row id; the current row is kept.
    void lerLista(QList<QStringList>& linhas, QVariantList& chaves);
    // Positions on the first listed row at or after the text in the
    // current order (the last one when none is after). False after the
    // message for a code that is not a number.
    bool pesquisar(const QString& texto);
    bool posicionar(int codigo);
    // Code of the current product (also one being included); 0 when none.
    int codigoAtual();
    // The side tables follow the current product. REQUIRES: none of them
    // in edit.
    void seguirProduto();

    // --- Modes ---
    // IncProdutos, the code prompt ("Incluir Novo" / "Codigo") with the
    // proposal, the new row with its defaults, left in insert.
    bool Incluir();
    // EditarProduto, the supervisor's code 142 for 86, 95, 160 and 239, the
    // month's balance, the row in edit and QTD_EMP1 from the open service
    // orders.
    bool Alterar();
    // The month's balance before the product is shown.
    bool Consultar();
    // The save: access code 58, the checks in order, the deactivation
    // balance, the derived fields and warnings, the post, the log entries,
    // the description record, the client prices and the replication.
    bool Gravar(const QString& modo, const LegendaReplicacao& legenda = {});
    // Gives up the edits; an inclusion also leaves no side rows behind.
    void Cancelar(const QString& modo);
    // ExcluirProduto, confirmation, reason, movements, then all of it.
    bool Excluir();
    // IncProdutos and EditarProduto, confirmation; the current row copied
    // into a new one with the next code and no stock, left in insert.
    bool Clonar();
    // Leaving the reference box: false after "Referencia ja cadastrada".
    bool VerificarReferencia();

    bool Estatisticas(EstatisticasProduto& e, bool mostrarAndamento);

    // --- Price helpers while the product is edited ---
    // Markup and sale price (the pair 1 is LISTA6/LISTA1, the pair 2 of
    // installation 160 LISTA7/LISTA2).
    static bool UsaMarkup(int fatModNf);
    void SairMarkup(int par);
    void SairUltimoCusto();
    void SairPrecoVenda(int par);
    // Lists 2 ... 6 from list 1 and the branch's percentages.
    void SairLista1();

    // --- Fiscal regions (ALIQBASE) ---
    bool IncluirRegiao();
    bool AlterarRegiao();
    bool GravarRegiao();
    void CancelarRegiao();
    bool ExcluirRegiao();
    bool LimparCarimbo();

    // --- Sizes (Tamanho) ---
    bool IncluirTamanho();
    bool AlterarTamanho();
    bool GravarTamanho(const LegendaReplicacao& legenda = {});
    void CancelarTamanho();
    bool ExcluirTamanho();

    // --- Remark lines (ObseProd) ---
    bool IncluirObservacao();
    bool AlterarObservacao();
    bool GravarObservacao();
    void CancelarObservacao();
    bool ExcluirObservacao();

    // --- Price worksheet (Precos) ---
    bool EditarPlanilha();
    // PrecoCompraLiq and the seven margin prices from the row's values.
    void CalcularPlanilha();
    // PrecoAtacado = PrecoCompraLiq × the index's Indice; false after
    // "Índice não cadastrado!".
    bool AplicarIndiceAtacado();
    // Posts the row and writes PrecoVarejo and PrecoAtacado back into
    // LISTA1 and LISTA2 of the product being edited.
    bool GravarPlanilha();
    void CancelarPlanilha();
    // Margin n (1 ... 7) of Margens and its column over every worksheet row.
    bool AlterarMargem(int n, double fator, bool divisor);

    // --- Names for the choosers and captions ---
    OpcoesProduto niveis(int n);
    OpcoesProduto fornecedores();
    OpcoesProduto ncms();
    OpcoesProduto carimbos();
    // NOMLISTA's name of list n, or "Lista n".
    QString nomeLista(int n);

    Tabela TEstproma; // the list and the current product
    Tabela TAliqbase; // tax rates of the current product
    Tabela TTamanho;  // its sizes
    Tabela TObseProd; // its remark lines
    Tabela TPrecos;   // its worksheet row
    Tabela TMargens;  // the worksheet's margin columns

private:
    bool passaFiltro();
    void lembrarInicio();
    bool pedeCodigo58(const QString& modo) const;
    void aplicarDerivados(const QString& modo);
    void depoisDeGravar(const QString& modo, const LegendaReplicacao& legenda);
    OpcoesProduto opcoes(const QStringList& sql);

    SessaoBanco* sessao_;
    int filial_ = 0;
    int ordem_ = 5;
    FiltroProdutos filtro_;
    UltimosValoresProduto ultimos_;
    // The product's values when the edit began.
    QString nomeInicial_, producaoInicial_, referenciaInicial_;
    std::array<QVariant, 10> listasIniciais_;

    TDMAS saldos_;
    Tabela sldpr_;
    Tabela estpromaSaldos_;
    Tabela indices_;
};
