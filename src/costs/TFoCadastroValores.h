// The currency values register ("Cadastro de Valores", VALORES.DB), behind
// access code 80: a grid "MOEDA", "DATA", "VALOR" in key order, the fields
// "Moeda" (chosen from MOEDA.DB by name), "Data" and "Valor" enabled only
// while a row is edited, and the buttons of BarraCadastro. A duplicate
// currency and date, or any other refusal of the store, discards the edits
// after its message.
#pragma once

#include "store/Tabela.h"

#include <QWidget>

class BarraCadastro;
class ModeloLinhas;
class QComboBox;
class QLineEdit;
class QTableView;
class VinculoCampos;

class TFoCadastroValores : public QWidget {
public:
    explicit TFoCadastroValores(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Asks access code 80 and opens the tables; a refusal closes the
    // window. Showing the window runs it once the window is on screen.
    bool iniciar();
    // Opens the tables, the currency names and the grid; false after the
    // store's text.
    bool abrir();
    Tabela& tabela() { return tabela_; }

    void incluir();
    void alterar();
    void gravar();
    void cancelar();
    void excluir();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    bool editando() const;
    void habilitar(bool sim);
    void atualizarGrade();
    void seguirGrade();
    void carregarMoedas();

    Tabela tabela_;
    Tabela moedas_;
    ModeloLinhas* modelo_;
    QTableView* grade_;
    VinculoCampos* vinculo_;
    QWidget* painel_;
    QComboBox* moeda_;
    QLineEdit* data_;
    BarraCadastro* barra_;
};
