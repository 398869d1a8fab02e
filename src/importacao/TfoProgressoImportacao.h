// The progress of an import ("Importando dados de outro sistema"): the
// table being read, its place among the tables, the rows done, and
// "Cancelar", which asks the import to stop after the current table (the
// tables already done stay done). While a table is written the window
// repaints but takes no input; a click on "Cancelar" is taken between
// tables.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class TfoProgressoImportacao : public QDialog {
    Q_OBJECT
public:
    explicit TfoProgressoImportacao(QWidget* pai = nullptr);

    // Shows table `indice` (from 0) of `tabelas` at `feitas` of `linhas` rows.
    void mostrar(int indice, int tabelas, const QString& arquivo, int feitas, int linhas);
    bool cancelado() const { return cancelado_; }

public slots:
    void cancelar();

protected:
    void reject() override;

private:
    QLabel* tabela_;
    QLabel* linhas_;
    QProgressBar* barra_;
    QPushButton* cancelar_;
    bool cancelado_ = false;
};
