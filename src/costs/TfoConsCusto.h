// The cost consultation window ("Consulta de Custos") of the current
// branch, over TDMConsCusto.
//
// The product part: "Produto" (chosen by name), "Grupo", "Codigo",
// "Custo" (the product's dollar cost, LISTA6, open only between "Alterar"
// and "Gravar"), "Custo Reais", "Dolar" (the value worked with, open to
// the operator) with the date of the registered value beside it, or
// "Digitado" once typed, and the prices "wPr1" ... "wPr5".
// The formula part: "Formula" (typing shows the list of formula numbers
// positioned on the first that begins with the text; Enter or a double
// click makes the formula current), "Cor", the formula's product, the
// components grid "Perc" / "Produto" / "Custo" / "Valor", "Valor Total",
// "Custo Reais" and the prices "wPrF1" ... "wPrF5".
//
// Leaving "Dolar" recomputes both parts; the registered values stay as
// they are. Closing, by "Fechar" or the title bar, saves a dollar cost
// being changed first and cancels the scratch row.
#pragma once

#include <QList>
#include <QWidget>
#include <array>

class ModeloLinhas;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class TDMConsCusto;
class VinculoCampos;
struct PrecosCusto;

class TfoConsCusto : public QWidget {
public:
    explicit TfoConsCusto(QWidget* parent = nullptr);

    // The data module; created after the window at start-up.
    void ligarModulo(TDMConsCusto& dm);

    // The opening steps: access code 107, the dollar value of today and
    // the lists (TDMConsCusto::abrir), the first product and the branch's
    // first formula, access code 81, the formula computation. A refusal or
    // a failure closes the window. Showing the window runs it once the
    // window is on screen.
    bool iniciar();

    // "Alterar" puts the product's row in edit and opens "Custo"; the
    // button then reads "Gravar", which saves it and recomputes.
    void alterar();
    bool gravar();
    // Enter in "Formula": makes the typed formula current.
    bool buscarFormula();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* criarParteProduto();
    QWidget* criarParteFormula();
    void preencherProdutos(int codigo);
    void escolherProduto();
    void mostrarDolar();
    void sairDolar();
    void digitarFormula(const QString& texto);
    void esconderListaFormulas(bool restaurar);
    void moverNaLista(int passo);
    void mostrarFormula();
    void carregarComponentes();
    void avisarCustosZerados();
    void calcularProduto();
    void calcularFormula();
    void mostrarPrecos(const PrecosCusto* p, QLineEdit* custoReais,
                       const std::array<QLineEdit*, 5>& precos);
    void limpar();

    TDMConsCusto* dm_ = nullptr;
    VinculoCampos* vinculoDolar_ = nullptr;
    VinculoCampos* vinculoProduto_ = nullptr;
    bool mostrandoDolar_ = false;
    qint64 valorTotal_ = 0; // of the current formula, in ten-thousandths
    QList<int> zerados_;    // OrdComp of its components valued 0

    QComboBox* produto_;
    QLineEdit* grupo_;
    QLineEdit* codigo_;
    QLineEdit* custo_;
    QLineEdit* custoReais_;
    QLineEdit* dolar_;
    QLabel* dataDolar_;
    std::array<QLineEdit*, 5> precos_;

    QLineEdit* formula_;
    QTableView* listaFormulas_;
    ModeloLinhas* modeloFormulas_;
    QLineEdit* cor_;
    QLineEdit* nomeProduto_;
    QTableView* grade_;
    ModeloLinhas* modeloComponentes_;
    QLineEdit* valorTotalCaixa_;
    QLineEdit* custoReaisFormula_;
    std::array<QLineEdit*, 5> precosFormula_;

    QPushButton* alterar_;
};
