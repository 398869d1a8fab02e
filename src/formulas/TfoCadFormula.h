// The formula registration window ("Cadastro de Fórmulas") of the current
// branch: the page "Lista" (formulas in key, customer or product order,
// search, "Incluir", "Alterar", "Excluir", "Fechar") and the page "Formula"
// (the header, the component grid and the component editor). Exactly one
// page is visible at a time.
//
// Mode "I" while a formula created in this visit is open, "A" while an
// existing one is changed. The header stays in edit while the formula page
// is shown; components are posted one by one and the percentages are
// recomputed after each change. The window holds the mode, the enabling
// and the order of the steps; the data module does the writes.
//
// Created once at start-up; every show runs abrir(). Tests call abrir()
// and the actions directly.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>

class ModeloLinhas;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableView;
class TDMFormula;
class VinculoCampos;

class TfoCadFormula : public QWidget {
public:
    explicit TfoCadFormula(TDMFormula& dm, QWidget* parent = nullptr);

    // Opens the lists and cursors of the current branch and shows the list
    // page in "FORMULA" order. Store failures are shown; false then.
    bool abrir();

    const QString& modo() const { return modo_; }
    bool naPaginaLista() const;

    // List page.
    void trocarOrdem(int ordem); // 0 "FORMULA", 1 "CLIENTE", 2 "PRODUTO"
    void pesquisar(const QString& texto);
    void incluir();
    void alterar();
    void excluir();

    // Formula page.
    void gravar();
    void cancelar();
    void incluirComponente();
    void alterarComponente();
    void gravarComponente();
    void cancelarComponente();
    void excluirComponente();
    void trocarOrdemClientes(int ordem); // 0 "Codigo", 1 "Nome", 2 "Fantasia"

    // Called with the formula number after a save, once the list page is
    // back: the sample-label window opens there.
    void definirAposGravar(std::function<void(const QString&)> f) { aposGravar_ = std::move(f); }

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* criarPaginaLista();
    QWidget* criarPaginaFormula();
    QWidget* criarCabecalho();
    QWidget* criarComponentes();
    void mostrarLista();
    void mostrarFormula();
    void atualizarLista();
    void atualizarComponentes();
    void mostrarCabecalho();
    void preencherClientes();
    void preencherProdutos();
    void preencherMateriasPrimas();
    void preencherCodigos(QComboBox* caixa, class Tabela& t);
    void editandoComponente(bool sim);
    void seguirGradeLista();
    void seguirGradeComponentes();
    void mostrarReferencia();

    TDMFormula& dm_;
    QString modo_;
    int ordemClientes_ = 1;
    std::function<void(const QString&)> aposGravar_;

    QStackedWidget* paginas_;
    QWidget* paginaLista_;
    QWidget* paginaFormula_;
    QComboBox* ordem_;
    QLineEdit* pesquisa_;
    QTableView* gradeLista_;
    ModeloLinhas* modeloLista_;

    VinculoCampos* vinculoCabecalho_;
    VinculoCampos* vinculoComponente_;
    QLineEdit* data_;
    QComboBox* cliente_;
    ModeloLinhas* modeloClientes_;
    QComboBox* ordemClientesCaixa_;
    QComboBox* resptec_;
    QComboBox* matizador_;
    QComboBox* produto_;
    QLineEdit* grupo_;
    QLabel* rotuloCor_;
    QPlainTextEdit* observacao_;
    QPushButton* gravarFormula_;
    QPushButton* cancelarFormula_;

    QTableView* gradeComponentes_;
    ModeloLinhas* modeloComponentes_;
    QPushButton* incluirComp_;
    QPushButton* alterarComp_;
    QPushButton* excluirComp_;
    QWidget* editor_;
    QComboBox* componente_;
    QLabel* referencia_;
    QHash<int, QString> referencias_;
    QLineEdit* quantidade_;
    QPushButton* gravarComp_;
    QPushButton* cancelarComp_;
};
