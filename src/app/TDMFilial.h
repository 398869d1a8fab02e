// The branch data module: the company catalogue (opened by its fixed path,
// outside every company directory) and the branch tables of the chosen
// company, reached through the alias Orvalo. The company and branch windows
// call these operations; the windows hold no table access of their own.
//
// Store errors leave as ErroBanco; the windows turn them into messages.
#pragma once

#include "store/Tabela.h"

#include <QList>
#include <QString>

class SessaoBanco;

// One row of the catalogue as the selection grid shows it.
struct LinhaCatalogo {
    int codigo = 0;
    QString nome;
    QString diretorio;
    Marcador marcador;
};

class TDMFilial {
public:
    explicit TDMFilial(SessaoBanco* sessao = nullptr);
    ~TDMFilial();

    // The session's CaminhoCatalogoEmpresas, where the services reach it too.
    static const QString CaminhoCatalogo;

    Tabela TEmpresa;
    Tabela TFilial;
    Tabela TFilial2;
    Tabela TEscricfg;
    Tabela TEstoqcfg;
    Tabela TCRECFG;
    Tabela TFATURCFG;
    Tabela TPEDIDCFG;
    Tabela TCONTCFG;
    Tabela TAcesso;
    Tabela TLIMITCOD;

    // --- Company catalogue ---

    // True when the catalogue table exists. Throws ErroBanco when its
    // database cannot be read at all.
    bool existeCatalogo();
    // Adds LOJA, MULTIEMPRESAS, CLIENTEUNICO, PRODUTOUNICO when missing and
    // fills an empty LOJA with the company code; each statement on its own,
    // its failure ignored (the column may already be there).
    void atualizarCatalogo();
    void abrirCatalogo();
    void fecharCatalogo();
    // True when some row's Grupo differs from the first row's.
    bool gruposDiferentes();
    // Reopens the catalogue showing only the rows of the group; returns the
    // row count. Throws when the filter cannot be applied.
    int filtrarGrupo(int grupo);
    // Positions on the company; false (no move) when there is none.
    bool localizarCodigo(const QString& codigo);
    bool localizarNome(const QString& nome);
    QList<LinhaCatalogo> linhasCatalogo();
    // Password of the current company ("" when none).
    QString senhaEmpresa();
    QString diretorioEmpresa();
    // Copies the current company and the list of every company into the
    // session (Loja, NomeEmpresa, flags, Empresas, DirLojaZero).
    void registrarEmpresas();

    // First parameter line of the alias Orvalo ("PATH=...").
    QString primeiraLinhaAlias() const;
    // Points the alias Orvalo at `diretorio`, closing and reopening the
    // store session (every open cursor is closed).
    void trocarAlias(const QString& diretorio);
    // Whether the company's directory can be opened (a folder, or a schema
    // on the server), and where it is, for the message when it cannot.
    bool existeDiretorio(const QString& diretorio) const;
    QString localDiretorio(const QString& diretorio) const;

    // --- Branches ---

    // Opens Filial, Escricfg, Estoqcfg, CRECFG and Acesso; opens and closes
    // LIMITCOD.
    void abrirTabelasFilial();
    // Branch names in table order.
    QStringList nomesFiliais();
    // Positions on the branch named `nome` and fills the branch part of the
    // session; false when no branch has that name.
    bool selecionarFilial(const QString& nome);
    void fecharTabelasFilial();

private:
    SessaoBanco* sessao_;
};
