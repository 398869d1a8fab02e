// The window of the stock card ("Ficha de Estoque"), shared by its two
// forms: the deposit card (TFoFichadeEstoque) and the colour card
// (TfoConsFichaEstoque2). The operator chooses the product by code, name
// or reference and the month; "Iniciar" computes the card
// (CalcularFichaEstoque) and shows its first eleven movements. When there
// are more, "Iniciar" and "Fechar" wait while "Proximo" shows the next
// page; the closing position and the orders come with the last page.
// Closing the window while a page waits ends the run.
#pragma once

#include "FichaEstoque.h"

#include <QWidget>

class ModeloLinhas;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class SessaoBanco;

class JanelaFichaEstoque : public QWidget {
public:
    // The product code and the current month filled in; shown.
    void abrirProduto(int codigo);

    // "Iniciar". True when a card is shown.
    bool iniciar();
    // "Proximo": the next page. False when no page waits.
    bool proximo();
    // A page waits for "Proximo".
    bool aguardando() const;

    // The product the grid stands on, 0 when none.
    int produtoAtual() const;
    int paginaAtual() const { return pagina_; }

protected:
    // `nome` is the window's objectName, under which it keeps its placement.
    JanelaFichaEstoque(const QString& nome, bool porCor, SessaoBanco* sessao, QWidget* parent);

    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* criarFiltros();
    QWidget* criarProdutos();
    QWidget* criarRodape();
    void carregarProdutos();
    void ordenarProdutos(int ordem);
    void pesquisar(int ordem, const QString& texto);
    void produtoMudou();
    void limpar();
    void mostrarPagina();
    void terminar();

    const bool porCor_;
    SessaoBanco* sessao_;
    FichaEstoque ficha_;
    int pagina_ = -1;
    int ordem_ = 0; // 0 code, 1 name, 2 reference
    std::vector<ProdutoFicha> produtos_;
    int produtoMostrado_ = 0;

    QLineEdit* mesAno_;
    QLineEdit* depositoInicial_ = nullptr;
    QLineEdit* depositoFinal_ = nullptr;
    QLineEdit* tamanho_ = nullptr;
    QCheckBox* quant2_ = nullptr;
    QComboBox* cor_ = nullptr;
    QComboBox* tamanhos_ = nullptr;
    QLineEdit* codigo_;
    QLineEdit* nome_;
    QLineEdit* referencia_;
    ModeloLinhas* modeloProdutos_;
    QTableView* gradeProdutos_;
    QLineEdit* valorAnterior_;
    QLineEdit* quantidadeAnterior_;
    ModeloLinhas* modeloMovimentos_;
    QLineEdit* valorFinal_;
    QLineEdit* quantidadeFinal_;
    QLineEdit* vales_ = nullptr;
    QLineEdit* pedidos_ = nullptr;
    QLineEdit* compras_ = nullptr;
    QLabel* rotulosPrecos_[5] = {};
    QLabel* precos_[5] = {};
    QPushButton* iniciar_;
    QPushButton* proximo_;
    QPushButton* fechar_;
};
