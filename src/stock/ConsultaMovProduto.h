// The product movement consultation: document items of the current branch
// with their header, history description, party name and product data,
// filtered by a period of movement dates, lists of history, product and
// party codes, reference, supplier reference and brand, sorted by one
// column, with the quantity and value totals of the list. Items whose
// party, product or history code is missing are not listed.
//
// What the operator types never becomes SQL text: the code lists must be
// integers separated by commas, the dates real dates, and the three texts
// are bound parameters.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class SessaoBanco;

struct FiltroMovProduto {
    QString dataInicial, dataFinal;         // "dd/MM/yyyy"; blank (or the empty mask) = none
    QString historicos, produtos, clientes; // "1, 5,51"
    QString referencia, refFornecedor, marca;
    QString ordem = "DT_ENTRADA"; // a field of ColunasMovProduto()
};

// A grid column: the field it shows and its title.
struct ColunaMovProduto {
    const char* campo;
    const char* titulo;
};
// The columns of the grid, in order.
const QList<ColunaMovProduto>& ColunasMovProduto();

// The codes of a list box, or nothing when it holds anything but integers
// separated by commas (blanks allowed). An empty box is an empty list.
std::optional<QList<int>> ListaDeCodigos(const QString& texto);

struct ResultadoMovProduto {
    QList<QStringList> linhas; // texts in the order of ColunasMovProduto()
    QString quantidade;        // "Quantidade : " + the sum, two decimals
    QString valor;             // "Valor : R$ " + the sum, two decimals
};

// The statement for the filter, "Order by" included; the filter must have
// passed ValidarFiltroMovProduto. Parameters: :Referencia, :RefFornec, :Marca.
QStringList SqlMovProduto(const FiltroMovProduto& f);

// Names the first bad box (its caption) after showing its message; empty
// when every box is good. Lists: "Lista de códigos inválida em <caption>:
// informe somente números separados por vírgula."; dates: "Data Invalida:".
QString ValidarFiltroMovProduto(const FiltroMovProduto& f);

// Runs the statement. Throws ErroBanco.
ResultadoMovProduto ConsultarMovProduto(const FiltroMovProduto& f, SessaoBanco* sessao = nullptr);
