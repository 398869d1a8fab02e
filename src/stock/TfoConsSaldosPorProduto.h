// The balances by product window ("Consulta de Saldos por Produto"): the
// month, the product chosen by code, description or reference, and "OK"
// shows the product's balances by colour and size (ConsultarSaldosPorProduto),
// with "Todas as Lojas" (where the installation offers it) adding the
// other stores' rows and their names. "Ocultar tamanhos" keeps only the
// first size column; "Ocultar Coluna Cor" hides the colour.
#pragma once

#include "FichaEstoque.h"

#include <QWidget>
#include <vector>

class ModeloSaldosProduto;
class ModeloLinhas;
class QCheckBox;
class QLineEdit;
class QProgressBar;
class QTableView;
class SessaoBanco;

class TfoConsSaldosPorProduto : public QWidget {
public:
    explicit TfoConsSaldosPorProduto(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // The product chosen and the current month; shown.
    void abrirProduto(int codigo);
    // "OK". False when the month is no month or the store failed.
    bool consultar();
    int produtoAtual() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void carregarProdutos();
    void pesquisar(int ordem, const QString& texto);
    void mostrarColunas();

    SessaoBanco* sessao_;
    std::vector<ProdutoFicha> produtos_;
    QLineEdit* mesAno_;
    QCheckBox* todasLojas_;
    QCheckBox* ocultarCor_;
    QCheckBox* ocultarTamanhos_;
    QLineEdit* codigo_;
    QLineEdit* descricao_;
    QLineEdit* referencia_;
    ModeloLinhas* modeloProdutos_;
    QTableView* gradeProdutos_;
    ModeloSaldosProduto* modelo_;
    QTableView* grade_;
    QProgressBar* progresso_;
};
