// The window "Orvalo - Imposto de Importação Por Origem (País) :": the
// import duty rows of the product the register is on, by country of
// origin and kind of operation, with "Incluir", "Alterar", "Gravar",
// "Cancelar", "Excluir" and "Sair". The edit group "Dados do Imposto de
// Acordo com o País e Tipo de Operação:" is enabled only while a row is
// edited; Enter moves from box to box. Created once at start-up.
#pragma once

#include "TDMImpostoImportacao.h"

#include <QWidget>

class ModeloLinhas;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class VinculoCampos;

class TFoCadImpostoImportacaoPorOrigem : public QWidget {
public:
    explicit TFoCadImpostoImportacaoPorOrigem(QWidget* parent = nullptr);

    // Shows the rows of the product; false after the store's error.
    bool abrirProduto(int filial, int codigo, const QString& nome, const QString& referencia);

    TDMImpostoImportacao& dm() { return dm_; }

    void incluir();
    void alterar();
    void gravar();
    void cancelar();
    void excluir();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void editando(bool sim);
    void atualizarGrade();
    void seguirGrade();
    void mostrarPais();

    TDMImpostoImportacao dm_;
    QLabel* produto_;
    ModeloLinhas* modelo_;
    QTableView* grade_;
    VinculoCampos* vinculo_;
    QGroupBox* dados_;
    QLineEdit* codPais_;
    QLineEdit* nomePais_;
    QPushButton* incluir_;
    QPushButton* alterar_;
    QPushButton* gravar_;
    QPushButton* cancelar_;
    QPushButton* excluir_;
};
