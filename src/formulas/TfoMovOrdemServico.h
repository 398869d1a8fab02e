// The service-order window ("Cadastro de Ordens de Serviço"): the page
// "Lista" (the branch's service orders, search by the start of the order
// number, or of the service-order number for FatModNf 95, "Alterar",
// "Excluir", "Fechar"); while one order is changed, the pages "Ordem de
// Serviço" (its programme number, "Gravar", "Cancelar") and "Componentes"
// (the list shared by every item of its number: "Incluir", "Alterar",
// "Excluir", each component saved at once) instead.
//
// Created once at start-up; every show runs abrir(). Closing the window
// gives up the edits still open. Tests call the actions directly.
#pragma once

#include <QVariant>
#include <QWidget>

class ModeloLinhas;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class TDMOrdemServico;
class VinculoCampos;

class TfoMovOrdemServico : public QWidget {
public:
    explicit TfoMovOrdemServico(TDMOrdemServico& dm, QWidget* parent = nullptr);

    // Opens the branch's orders and shows the list alone. False after the
    // store's message.
    bool abrir();
    bool naLista() const;

    // List page.
    void pesquisar(const QString& texto);
    void alterar();
    void excluir();
    // Service-order page.
    void gravar();
    void cancelar();
    // Component page.
    void incluirComponente();
    void alterarComponente();
    void gravarComponente();
    void cancelarComponente();
    void excluirComponente();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* criarLista();
    QWidget* criarOrdem();
    QWidget* criarComponentes();
    void mostrarLista(const QVariant& chave = QVariant());
    void atualizarLista(QVariant chave = QVariant());
    QVariant chaveOrdem();
    void atualizarComponentes();
    void editandoComponente(bool sim);
    void seguirComponentes();
    void mostrarNomes();
    bool editandoOrdem() const;
    bool componenteAberto() const;

    TDMOrdemServico& dm_;

    QTabWidget* paginas_;
    QLabel* rotuloPesquisa_;
    QLineEdit* pesquisa_;
    QTableView* gradeLista_;
    ModeloLinhas* modeloLista_;

    VinculoCampos* vinculoOrdem_;
    QLineEdit* programa_;
    QLabel* nomeCliente_;
    QLabel* nomeProduto_;
    QPushButton* gravarOrdem_;
    QPushButton* cancelarOrdem_;

    VinculoCampos* vinculoComponente_;
    QTableView* gradeComponentes_;
    ModeloLinhas* modeloComponentes_;
    QPushButton* incluirComp_;
    QPushButton* alterarComp_;
    QPushButton* excluirComp_;
    QWidget* editor_;
    QComboBox* componente_;
    QComboBox* aplicacao_;
};
