// The packaging register ("Cadastro de Embalagens", EMBALAGE.DB): a list
// in code order ("Código", "Descrição") whose selected row is the edited
// one, fields "Codigo" (read-only), "Descrição", "Peso Liquido" and
// "Peso Embal.". A row being included is stored only by "Gravar".
#pragma once

#include "Consulta.h"
#include "Tabela.h"

#include <QString>
#include <QWidget>

class BarraCadastro;
class ModeloLinhas;
class QLineEdit;
class QTableView;
class VinculoCampos;

class TfoCadEmbalagem : public QWidget {
public:
    explicit TfoCadEmbalagem(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Opens the table and the list; false after showing the store's error.
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
    void atualizarLista(const QVariant& codigo);
    void seguirLista();

    Tabela tabela_;
    Consulta lista_;
    ModeloLinhas* modelo_;
    QTableView* grade_;
    VinculoCampos* vinculo_;
    QLineEdit* descricao_;
    BarraCadastro* barra_;
};
