// The rows that hang from a record (a party's children, contacts, remark
// lines, sellers, addresses): a grid over a cursor already restricted to
// them, a panel of boxes bound to the cursor's row, and the buttons
// "Incluir", "Alterar", "Excluir", "Gravar" and "Cancelar", which call the
// data module's operations. While a row is edited only "Gravar" and
// "Cancelar" are enabled and the grid is locked; the panel's boxes are
// editable only then.
//
// Use: create it, put the boxes into painel() bound through vinculo(),
// give it the operations (acoes) and call atualizar() whenever the cursor
// moved to another record.
#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>
#include <functional>

class ModeloLinhas;
class QPushButton;
class QTableView;
class Tabela;
class VinculoCampos;

class PainelDetalhe : public QWidget {
public:
    struct Acoes {
        std::function<bool()> incluir, alterar, gravar, excluir;
        std::function<void()> cancelar;
    };

    // `linha` gives the grid's texts of the cursor's current row.
    PainelDetalhe(Tabela& tabela, const QString& nome, const QStringList& colunas,
                  std::function<QStringList()> linha, QWidget* pai);

    VinculoCampos* vinculo() const { return vinculo_; }
    QWidget* painel() const { return painel_; }
    QTableView* grade() const { return grade_; }
    ModeloLinhas* modelo() const { return modelo_; }
    // The operations, and the box that takes the cursor when a row is
    // included or altered.
    void definirAcoes(Acoes acoes, QWidget* primeiraCaixa);
    // Told after a row was saved, deleted or given up.
    std::function<void()> aoMudar;

    // Rows read again, boxes shown, buttons enabled.
    void atualizar();
    // Whether rows may be touched at all (a record is there, not being
    // included); buttons follow.
    void liberar(bool sim);
    bool editando() const;

    void incluir();
    void alterar();
    void gravar();
    void cancelar();
    void excluir();

private:
    void habilitar();
    void seguirGrade();
    void terminar(bool ok);

    Tabela& tabela_;
    std::function<QStringList()> linha_;
    Acoes acoes_;
    QWidget* primeira_ = nullptr;
    bool livre_ = false;
    ModeloLinhas* modelo_;
    QTableView* grade_;
    QWidget* painel_;
    VinculoCampos* vinculo_;
    QList<QPushButton*> botoes_; // Incluir, Alterar, Excluir, Gravar, Cancelar
};
