// Replication of the product register to the sister companies: when the
// chosen company keeps one register for all (ProdutoUnico), a saved
// product goes to every other company of the session's catalogue entries
// (drive root of DirEmpresa + its Diretorio), and a size added to the size
// catalogue goes likewise.
//
// The statements name the other company's tables by their full path, and
// the columns of the table's definition one by one: two files whose
// columns lie in another order (one upgraded by added columns) still get
// each value in its column. Each company's statements are one transaction
// on its database: a failure leaves that company as it was, is reported
// with its statement ("Erro ao regravar produto nas demais bases!") and
// the next company follows.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class SessaoBanco;

struct EmpresaReplicacao {
    QString codigo;    // LOJA, two digits, as the catalogue entry keeps it
    QString diretorio; // stored form: drive root of DirEmpresa + Diretorio
};

// The other companies of Sess().Empresas (the current one, by Loja, is
// skipped); none unless Sess().ProdutoUnico.
std::vector<EmpresaReplicacao> EmpresasReplicacao();

// Told the caption to show while a company is written, and "Cadastro de
// produtos" at the end.
using LegendaReplicacao = std::function<void(const QString&)>;

// The product (Sess().Filial, `codigo`) with its sizes (TAMANHO) and tax
// rates (ALIQBASE): in an alteration the other company's rows are deleted
// first. Returns the number of companies that failed.
int ReplicarProduto(int codigo, bool alteracao, const LegendaReplicacao& legenda,
                    SessaoBanco* sessao = nullptr);

// The size catalogue row `codigo` (TAMANHOS), replacing the row of the same
// code. Returns the number of companies that failed.
int ReplicarTamanhoCatalogo(int codigo, const LegendaReplicacao& legenda,
                            SessaoBanco* sessao = nullptr);

// The columns of a table's definition, joined by ", ".
QString ColunasDefinicao(const QString& tabela);
