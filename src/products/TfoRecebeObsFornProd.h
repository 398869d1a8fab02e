// The window "Observações dos Fornecedores do Produto": a remark for each
// of the six supplier slots of a product (ObsFornProd), in the boxes
// "Fornecedor 1" ... "Fornecedor 6". Opening it for a product without a
// row creates the empty row at once; "Gravar" posts and closes,
// "Cancelar" gives up the edits and closes. Created once at start-up and
// shown modally by the product register.
#pragma once

#include "store/Tabela.h"

#include <QDialog>

class VinculoCampos;

class TfoRecebeObsFornProd : public QDialog {
public:
    explicit TfoRecebeObsFornProd(QWidget* parent = nullptr);

    // Puts the product's row in edit; false (nothing shown) after the
    // message of a refused lock or post.
    bool prepararProduto(int filial, int codigo);
    // prepararProduto, then shown modally.
    void executar(int filial, int codigo);

    Tabela& tabela() { return tabela_; }

    void gravar();
    void cancelar();

protected:
    void reject() override;

private:
    Tabela tabela_;
    VinculoCampos* vinculo_;
};
