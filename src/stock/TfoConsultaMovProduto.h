// The product movement consultation window ("Orvalo - Consulta
// Movimentação de Produto :"): the period, the code lists with their
// multi-selection lookups, reference, supplier reference and brand;
// "Consultar" lists the items (ConsultarMovProduto) with the quantity and
// value totals, "Listar" prints the grid through the column report. A
// click on a title sorts by that column (its title turns yellow) and
// consults again. Enter moves to the next box, and in the grid to the next
// column. The grid's columns and the window's placement are remembered;
// the grid's pop-up restores the default columns.
#pragma once

#include "ConsultaMovProduto.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class SessaoBanco;
class ModeloMovProduto;

class TfoConsultaMovProduto : public QWidget {
public:
    explicit TfoConsultaMovProduto(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Shown with "Produto" or "Cliente" holding the code.
    void abrirProduto(int codigo);
    void abrirCliente(int codigo);

    // "Consultar". False when a box was refused (focus on it) or the store
    // failed; nothing is listed then.
    bool consultar();
    // "Listar".
    void listar();
    // A click on the title of the grid's column `coluna`.
    void ordenarPor(int coluna);
    // The search button of "Historicos", "Produto" or "Cliente".
    void pesquisar(QLineEdit* caixa);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QLineEdit* caixa(const QString& nome);
    void abrirCom(QLineEdit* caixa, int codigo);

    SessaoBanco* sessao_;
    QString ordem_ = "DT_ENTRADA";
    QLineEdit* dataInicial_;
    QLineEdit* dataFinal_;
    QLineEdit* historicos_;
    QLineEdit* produtos_;
    QLineEdit* clientes_;
    QLineEdit* referencia_;
    QLineEdit* refFornecedor_;
    QLineEdit* marca_;
    ModeloMovProduto* modelo_;
    QTableView* grade_;
    QLabel* quantidade_;
    QLabel* valor_;
    QPushButton* listar_;
};
