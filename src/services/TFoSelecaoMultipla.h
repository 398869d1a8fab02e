// The multi-selection dialog ("Filtro de Seleção Multipla :"): the rows of
// a lookup query (PesquisaSelecao) with search and ordering, a selection
// list of at most `maximo` rows without two of the same result value, and
// the selection handed back as the result values, each between the quote
// text, joined by ",".
//
// Keys: Enter in "Valor" searches, F3 confirms, Esc cancels; a double click
// adds a lookup row or removes a selection row; a click on the "Codigo" or
// "Descricao" title orders by that column. The dialog keeps its placement
// in the window placement file "TFoSelecaoMultipla".
#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>

class ModeloLinhas;
class PesquisaSelecao;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class SessaoBanco;

class TFoSelecaoMultipla : public QDialog {
public:
    // Opens the query and searches at once, then pre-selects the lookup
    // rows whose Codigo is one of the values of `textoInicial` (split at
    // ",", single quotes removed when `aspas` is given).
    TFoSelecaoMultipla(const QString& banco, const QString& select, const QString& condicao,
                       const QString& ordem, const QString& colunaCodigo,
                       const QString& colunaDescricao, const QString& colunaResultado,
                       const QString& aspas, const QString& textoInicial, int maximo,
                       SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);
    ~TFoSelecaoMultipla() override;

    void localizar();
    // The current lookup row, then the cursor moves to the next one.
    void adicionar();
    void remover();
    // The marked rows, or every row of the result when fewer than two are
    // marked; the limit message is shown once and adding stops.
    void inserirTodos();
    void limpar();
    // Orders by the column of the grid's section (Codigo or Descricao).
    void ordenar(int secao);
    void confirmar();

    // The selection as the field receives it.
    QString resultado() const;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void done(int r) override;

private:
    bool incluirLinha(int linha, bool avisar);
    void mostrarRegistros();
    void mostrarSelecao();
    void atualizarInserirTodos();

    std::unique_ptr<PesquisaSelecao> pesquisa_;
    QString aspas_;
    int maximo_;
    bool pesquisouValor_ = false;
    QList<QStringList> selecao_;
    QStringList resultadosSelecao_;

    QComboBox* pesquisarEm_;
    QLineEdit* valor_;
    QComboBox* logico_;
    ModeloLinhas* modeloRegistros_;
    QTableView* registros_;
    ModeloLinhas* modeloSelecao_;
    QTableView* selecionados_;
    QPushButton* inserirTodos_;
};

// Shows the dialog modally over the text `campo`; on confirmation the text
// becomes the selection and the result is true. Arguments in the order of
// TFoSelecaoMultipla's; a `maximo` of 0 or less sets no limit.
bool AbrirSelecaoMultipla(const QString& banco, const QString& select, const QString& condicao,
                          const QString& ordem, const QString& colunaCodigo,
                          const QString& colunaDescricao, const QString& colunaResultado,
                          const QString& aspas, QString& campo, int maximo);
// The same over an edit box, whose text is the initial selection.
bool AbrirSelecaoMultipla(const QString& banco, const QString& select, const QString& condicao,
                          const QString& ordem, const QString& colunaCodigo,
                          const QString& colunaDescricao, const QString& colunaResultado,
                          const QString& aspas, QLineEdit* campo, int maximo);
