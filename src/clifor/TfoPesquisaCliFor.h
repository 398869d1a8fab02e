// The party search ("Pesquisa de Clientes / Fornecedores"): the branch's
// parties in the order chosen ("CÓDIGO" ... "ENDEREÇO"); typing positions
// the grid on the nearest row of that order's column; "OK" (or Enter, or a
// double-click) hands the selected code back, "Cancelar" gives up.
//
// Modal; each escolher() reads the parties again. Tests drive it through
// InstalarExibirModal.
#pragma once

#include "PesquisaClifor.h"

#include <QDialog>

class ModeloLinhas;
class QComboBox;
class QLineEdit;
class QTableView;
class SessaoBanco;

class TfoPesquisaCliFor : public QDialog {
public:
    explicit TfoPesquisaCliFor(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Shows the window; the chosen code, or 0 when given up.
    int escolher();
    int codigoEscolhido() const { return codigo_; }

    void trocarOrdem(int ordem);
    void pesquisar(const QString& texto);
    void confirmar();

private:
    SessaoBanco* sessao_;
    QList<LinhaPesquisaClifor> linhas_;
    int codigo_ = 0;
    QComboBox* ordem_;
    QLineEdit* pesquisa_;
    ModeloLinhas* modelo_;
    QTableView* grade_;
};
