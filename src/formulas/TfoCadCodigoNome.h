// The register window of a small table of codes and names (Codigo, Nome):
// list "CODIGO" / "NOME", fields "Codigo" (read-only) and "Nome" enabled
// only while editing, and "Incluir", "Alterar", "Excluir", "Gravar",
// "Cancelar", "Fechar". "Incluir" stores the next code at once and gives
// the row back to the operator in edit; cancelling it deletes that row.
// TFoCadMatizador and TfoCadResptec are this window on their tables.
#pragma once

#include "Tabela.h"

#include <QString>
#include <QWidget>

class BarraCadastro;
class ModeloLinhas;
class QLineEdit;
class QTableView;
class VinculoCampos;

class TfoCadCodigoNome : public QWidget {
public:
    // Opens the table; false after showing the store's error.
    bool abrir();
    const QString& modo() const { return modo_; }
    Tabela& tabela() { return tabela_; }

    void incluir();
    void alterar();
    void gravar();
    void cancelar();
    void excluir();

protected:
    TfoCadCodigoNome(const QString& nomeJanela, const QString& legenda, const QString& nomeTabela,
                     SessaoBanco* sessao, QWidget* parent);
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void editando(bool sim);
    void atualizarLista();
    void seguirLista();

    Tabela tabela_;
    QString modo_;
    ModeloLinhas* modelo_;
    QTableView* lista_;
    VinculoCampos* vinculo_;
    QLineEdit* nome_;
    BarraCadastro* barra_;
};
