// The product register window ("Cadastro de Produtos") of the current
// branch. Pages: "Lista" (orders, search, "Pesquisa Avançada", filters and
// the statistics of the current product), the detail pages "Principal",
// "Secundário", "Estatísticos", "Lista de Preço", "Região Fiscal" and
// "Tamanho", shown only while a product is included, altered or consulted,
// and "Observações", "Preços" and "Entradas", which follow the current
// product. A pop-up menu on the list clones a product and opens its
// description-change record and its import duties.
//
// Modes: browse, "I" (inclusion) and "A" (alteration); "Consultar" shows
// the detail pages read-only. Saving or cancelling returns to "Lista" with
// the detail pages hidden. The window holds the mode, the enabling and the
// order of the steps; TDMCadProduto does the work.
//
// Created once at start-up; each show asks access code 23 (a refusal
// closes the window), logs the access and opens the list of active
// products by name. Tests call abrir() and the actions directly.
#pragma once

#include <QSet>
#include <QString>
#include <QWidget>
#include <memory>

class CaixaEscolha;
class ModeloLinhas;
class QAction;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableView;
class TDMCadProduto;
class JanelaFichaEstoque;
class TFoCadImpostoImportacaoPorOrigem;
class TfoConsSaldosPorProduto;
class TfoConsultaMovProduto;
class TfoRecebeObsFornProd;
class VinculoCampos;

class TFoCadProduto : public QWidget {
public:
    explicit TFoCadProduto(QWidget* parent = nullptr);
    ~TFoCadProduto() override;

    // The windows opened from here, created at start-up after this one.
    void ligarJanelas(TFoCadImpostoImportacaoPorOrigem* imposto, TfoRecebeObsFornProd* obsForn);
    // The stock consultations of the pop-up menu: the deposit card, the
    // colour card (installations 51, 132, 142, 148, 167, 277), the
    // movements and the balances by colour and size.
    void ligarConsultasEstoque(JanelaFichaEstoque* ficha, JanelaFichaEstoque* fichaPorCor,
                               TfoConsultaMovProduto* movimentos, TfoConsSaldosPorProduto* saldos);

    TDMCadProduto& dm() { return *dm_; }

    // Code 23, the access log entry, the cursors of the branch and the
    // list page. False when refused or the store failed.
    bool abrir();
    // The list page selected and the detail pages hidden.
    void mostrarLista();

    const QString& modo() const { return modo_; }
    bool consultando() const { return consultando_; }
    QTabWidget* paginas() const { return paginas_; }

    // List page.
    void trocarOrdem(int ordem);
    void pesquisar(const QString& texto);
    void pesquisaAvancada();
    void filtrar();
    void semFiltro();

    // Modes.
    void incluir();
    void alterar();
    void consultar();
    void gravar();
    void cancelar();
    void excluir();
    void clonar();

    // Pop-up menu and buttons.
    void logDescricao();
    // Each behind its permission, on the current product.
    void fichaEstoque();
    void movimentacaoProduto();
    void saldoPorProduto();
    void impostoImportacao();
    void precos();
    // Installation 95: the supplier remarks of the product (double click
    // on a supplier box).
    void observacoesFornecedor();
    // "$": the markup register, behind "AcessoCadMarkup" when group
    // permissions are on.
    void abrirMarkup();

    // Side pages.
    void incluirRegiao();
    void alterarRegiao();
    void gravarRegiao();
    void cancelarRegiao();
    void excluirRegiao();
    void limparCarimbo();
    void incluirTamanho();
    void alterarTamanho();
    void gravarTamanho();
    void cancelarTamanho();
    void excluirTamanho();
    void incluirObservacao();
    void alterarObservacao();
    void gravarObservacao();
    void cancelarObservacao();
    void excluirObservacao();
    void alterarPlanilha();
    void gravarPlanilha();
    void cancelarPlanilha();
    void gravarMargem();
    void atualizarEntradas();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* criarPaginaLista();
    QWidget* criarPaginaPrincipal();
    QWidget* criarPaginaSecundario();
    QWidget* criarPaginaEstatisticos();
    QWidget* criarPaginaListaPreco();
    QWidget* criarPaginaRegiao();
    QWidget* criarPaginaTamanho();
    QWidget* criarPaginaObservacoes();
    QWidget* criarPaginaPrecos();
    QWidget* criarPaginaEntradas();
    void criarBotoes(QHBoxLayout* layout);
    void criarMenu();
    // A label and a box bound to a product field in the grid cell pair.
    QLineEdit* caixa(QGridLayout* g, int linha, int par, const QString& rotulo,
                     const QString& campo, const QString& mascara = QString(), int pares = 1);
    CaixaEscolha* escolha(QGridLayout* g, int linha, int par, const QString& rotulo,
                          const QString& campo, int pares = 1);

    void preencherEscolhas();
    void mostrarDetalhes(bool sim);
    void atualizarEstado();
    void mostrarProduto();
    void aplicarPermissoesCampos();
    void atualizarLista();
    void seguirGradeLista();
    void mostrarEstatisticas();
    void atualizarLados();
    void paginaMudou(int indice);
    bool pedirCodigoAoEntrar(QObject* objeto);
    void voltarParaLista();
    void comecarEdicao(const QString& modo);
    void legenda(const QString& texto);

    std::unique_ptr<TDMCadProduto> dm_;
    TFoCadImpostoImportacaoPorOrigem* imposto_ = nullptr;
    TfoRecebeObsFornProd* obsForn_ = nullptr;
    JanelaFichaEstoque* ficha_ = nullptr;
    JanelaFichaEstoque* fichaPorCor_ = nullptr;
    TfoConsultaMovProduto* movimentos_ = nullptr;
    TfoConsSaldosPorProduto* saldos_ = nullptr;
    QString modo_;
    bool consultando_ = false;
    int paginaAnterior_ = 0;
    // Boxes whose access code was granted during the current edit.
    QSet<QObject*> autorizados_;
    // Price boxes the user's permissions keep read-only in this edit.
    QSet<QLineEdit*> bloqueados_;

    QTabWidget* paginas_;
    QList<QWidget*> detalhes_;
    VinculoCampos* vinculo_;

    // Lista
    QComboBox* ordem_;
    QLineEdit* pesquisa_;
    QComboBox* situacao_;
    QList<QLineEdit*> filtros_;
    QTableView* gradeLista_;
    ModeloLinhas* modeloLista_;
    QList<QLabel*> estatisticas_;
    QMenu* menu_;
    QAction* clonar_;
    QAction* logDescricao_;
    QAction* fichaEstoque_;
    QAction* movimentacao_;
    QAction* saldoPorProduto_;
    QAction* aliquotas_;

    // Principal, Secundário, Estatísticos, Lista de Preço
    QLineEdit* nome1_;
    QLineEdit* referencia_;
    QComboBox* clasFisc_;
    QList<CaixaEscolha*> niveis_;
    QList<CaixaEscolha*> fornecedores_;
    QLineEdit* qtdEmp1_;
    QLineEdit* precoEntr_;
    QLineEdit* ultimoCusto_;
    QGroupBox* markup_;
    QList<QWidget*> par2_; // the second markup pair (installation 160)
    QList<QLineEdit*> listas_;
    QList<QLabel*> nomesListas_;

    // Região Fiscal
    VinculoCampos* vinculoRegiao_;
    ModeloLinhas* modeloRegiao_;
    QTableView* gradeRegiao_;
    QWidget* painelRegiao_;
    QComboBox* carimbo_;
    QList<QPushButton*> botoesRegiao_; // Incluir, Alterar, Excluir, OK, Cancelar, " X "

    // Tamanho
    VinculoCampos* vinculoTamanho_;
    ModeloLinhas* modeloTamanho_;
    QTableView* gradeTamanho_;
    QWidget* painelTamanho_;
    QList<QPushButton*> botoesTamanho_;

    // Observações
    VinculoCampos* vinculoObservacao_;
    ModeloLinhas* modeloObservacao_;
    QTableView* gradeObservacao_;
    QLineEdit* observacao_;
    QList<QPushButton*> botoesObservacao_;

    // Preços
    VinculoCampos* vinculoPlanilha_;
    QWidget* painelPlanilha_;
    QList<QPushButton*> botoesPlanilha_; // Alterar, Gravar, Cancelar
    ModeloLinhas* modeloMargens_;
    QTableView* gradeMargens_;
    QComboBox* margem_;
    QLineEdit* fatorMargem_;
    QCheckBox* divisorMargem_;

    // Entradas
    QLineEdit* desde_;
    ModeloLinhas* modeloEntradas_;

    // Buttons under the pages
    QPushButton* incluir_;
    QPushButton* alterar_;
    QPushButton* consultar_;
    QPushButton* excluir_;
    QPushButton* gravar_;
    QPushButton* cancelar_;
    QPushButton* impImportacao_;
    QPushButton* precos_;
    QPushButton* cifrao_;
};
