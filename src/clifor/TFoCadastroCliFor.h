// The party register window ("Cadastro de Clientes / Fornecedores") of the
// current branch, opened for clients; the choice "Clientes" /
// "Fornecedores" on the list switches register. Pages: "Lista" (register,
// situation, order, search), "Endereço" (identification, document, the
// main, billing and delivery addresses with their municipality codes and
// "!" buttons, phones and e-mails), "Comercial" (credit, rating, sellers,
// terms, tax framing), "Pessoais" (personal complement and children),
// "Contatos", "Observações" and "Vendedores" (sellers per product group).
// A pop-up menu opens the party's e-mails and further addresses, changes
// its register and shows its fiscal change records; the entries of windows
// still to come are there, disabled.
//
// Modes: browse, "I" (inclusion) and "A" (alteration). The window holds the
// mode, the enabling and the order of the steps; TDMCadClifor does the
// work. Created once at start-up; each show asks access code 14 (except for
// installations 19 and 144; a refusal closes the window) and opens the
// client register. Tests call abrir() and the actions directly.
#pragma once

#include "TDMCadClifor.h"

#include <QSet>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class CaixaEscolha;
class ModeloLinhas;
class PainelDetalhe;
class QAction;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class TfoConsultaMovProduto;
class QTableView;
class TFoCadEmailsClifor;
class TFoRelCadCliFor;
class TfoPesqAvancadaClifor;
class TfoPesquisaCliFor;
class TfoRelClientesPorCidade;
class TfoInfCadastrais;
class TFoCadastroCliFor_MedidasConfec;
class TLimiteCodigo;
class TfoCadEnderecos;
class VinculoCampos;

class TFoCadastroCliFor : public QWidget {
public:
    explicit TFoCadastroCliFor(QWidget* parent = nullptr);
    ~TFoCadastroCliFor() override;

    // The windows opened from here, created at start-up after this one.
    void ligarJanelas(TLimiteCodigo* limites, TfoCadEnderecos* enderecos,
                      TFoCadEmailsClifor* emails);
    // "Movimentação do Cliente" opens the movements on the current party.
    void ligarMovimentos(TfoConsultaMovProduto* movimentos);

    // The reports opened from the pop-up menu, created at start-up.
    void ligarRelatorios(TFoRelCadCliFor* cadastro, TfoRelClientesPorCidade* porCidade);
    void ligarInformacoes(TfoInfCadastrais* informacoes) { informacoes_ = informacoes; }
    void ligarMedidas(TFoCadastroCliFor_MedidasConfec* medidas) { medidas_ = medidas; }

    TDMCadClifor& dm() { return *dm_; }
    const QString& modo() const { return modo_; }
    QTabWidget* paginas() const { return paginas_; }
    QMenu* menu() const { return menu_; }

    // Code 14, the branch's parameters and the client register. False when
    // refused or the store failed.
    bool abrir();

    // List page.
    void trocarRegistro();
    void trocarOrdem(int ordem);
    void pesquisar(const QString& texto);

    // Modes.
    void incluir();
    void alterar();
    void consultar();
    void gravar();
    void cancelar();
    void excluir();

    // Boxes.
    void sairDocumento();
    void buscarMunicipio(bool entrega);
    void escolherMunicipio(bool entrega);

    // Pop-up menu.
    void emails();
    void consultarCadastroEstadual();
    void enderecos();
    void trocarSistema();
    void logAlteracoes();
    // The party searches position the list on the party chosen.
    void pesquisarParte();
    void pesquisaAvancada();
    void relatorioCompleto();
    void relatorioPorCidade();
    // The revenue service's record of the document; in an edit its
    // "Marcar no Cliente" fills document, name and address.
    void consultarCnpj();
    void informacoesCadastrais();
    // The customer-data capture, when the TecDataSoft switch is on: after
    // its question, fills the boxes of the party being edited.
    void capturarDados();
    void medidas();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* criarPaginaLista();
    QWidget* criarPaginaEndereco();
    QWidget* criarPaginaComercial();
    QWidget* criarPaginaPessoais();
    QWidget* criarPaginaContatos();
    QWidget* criarPaginaObservacoes();
    QWidget* criarPaginaVendedores();
    void criarBotoes(QHBoxLayout* layout);
    void criarMenu();
    void criarMenuConsultas();
    void mostrarJanela(QWidget* janela);
    void posicionarParte(int codigo);
    // The registration's box of field `campo` that the lookups fill.
    QLineEdit* caixaDoRegistro(const QString& campo) const;
    QLineEdit* caixa(QGridLayout* g, int linha, int par, const QString& rotulo,
                     const QString& campo, const QString& mascara = QString(), int pares = 1);
    // A chooser of codes by name, filled from `fonte` on each opening.
    QComboBox* escolha(QGridLayout* g, int linha, int par, const QString& rotulo,
                       const QString& campo, std::function<OpcoesClifor()> fonte, int pares = 1);
    // A chooser of fixed codes (code, text).
    QComboBox* codigos(QGridLayout* g, int linha, int par, const QString& rotulo,
                       const QString& campo, const QList<std::pair<QString, QString>>& itens,
                       VinculoCampos* vinculo);
    PainelDetalhe* novoLado(TDMCadClifor::Lado lado, const QString& nome,
                            const QStringList& colunas, std::function<QStringList()> linha,
                            QWidget* pai);

    void preencherEscolhas();
    void atualizarLista();
    void seguirGradeLista();
    void mostrarParte();
    void atualizarEstado();
    void atualizarLados();
    void comecarEdicao(const QString& modo);
    void voltarParaLista();
    void legenda(const QString& texto);
    void aplicarMaiusculas();
    void aplicarBloqueios();
    void sairLimite();

    std::unique_ptr<TDMCadClifor> dm_;
    TLimiteCodigo* limites_ = nullptr;
    TfoCadEnderecos* enderecos_ = nullptr;
    TFoCadEmailsClifor* emails_ = nullptr;
    TFoRelCadCliFor* relatorioCompleto_ = nullptr;
    TfoRelClientesPorCidade* relatorioPorCidade_ = nullptr;
    TfoInfCadastrais* informacoes_ = nullptr;
    TFoCadastroCliFor_MedidasConfec* medidas_ = nullptr;
    TfoPesquisaCliFor* pesquisaParte_;
    TfoPesqAvancadaClifor* pesquisaAvancada_;
    QString modo_;
    // The credit limit when its box took the focus.
    QVariant limiteAoEntrar_;
    // Boxes the user's permissions keep read-only in this edit.
    QList<QWidget*> bloqueados_;

    QTabWidget* paginas_;
    VinculoCampos* vinculo_;
    VinculoCampos* vinculoComplemento_;

    // Lista
    QComboBox* registro_;
    QComboBox* situacao_;
    QComboBox* ordem_;
    QLineEdit* pesquisa_;
    QTableView* gradeLista_;
    ModeloLinhas* modeloLista_;
    QMenu* menu_;
    QAction* acaoEmails_;
    QAction* acaoEnderecos_;
    QAction* acaoCadastroEstadual_;
    QAction* acaoSistema_;
    QAction* acaoLog_;

    // Endereço, Comercial
    QLineEdit* nome_;
    QLineEdit* documento_;
    QList<QLineEdit*> maiusculas_; // name and address boxes
    QList<QLineEdit*> emailsFones_;
    QLineEdit* municipio_;
    QLineEdit* municipioEntrega_;
    QPushButton* buscaMunicipio_;
    QPushButton* buscaMunicipioEntrega_;
    QLineEdit* limite_;
    QComboBox* vendedor1_;
    QList<QComboBox*> vendedores_;
    QComboBox* casa_;
    QLineEdit* aluguel_;
    std::vector<std::pair<QComboBox*, std::function<OpcoesClifor()>>> fontes_;

    // Pessoais, Contatos, Observações, Vendedores
    QList<PainelDetalhe*> lados_;

    QPushButton* incluir_;
    QPushButton* alterar_;
    QPushButton* consultar_;
    QPushButton* imprimir_;
    QPushButton* excluir_;
    QPushButton* gravar_;
    QPushButton* cancelar_;
};
