// The clothing measures of a party ("Orvalo - Cadastro de Medidas P/
// Confecção :", Clifor_MedidasConfec.DB): the party's measure rows in a
// list (branch, client, date, number, "Embarque Data", "Embarque Pago",
// order, confirmation), the selected row's jacket and trouser measures,
// shipment, accessories and remarks, the register buttons and "Imprimir",
// which previews the jacket and trouser sheets.
//
// Created once at start-up; the party window opens it on its party. A new
// row is dated today and numbered after the party's highest number.
#pragma once

#include "store/Tabela.h"

#include <QWidget>

class BarraCadastro;
class ModeloLinhas;
class QTableView;
class VinculoCampos;
struct FichaMedidas;

class TFoCadastroCliFor_MedidasConfec : public QWidget {
public:
    explicit TFoCadastroCliFor_MedidasConfec(SessaoBanco* sessao = nullptr,
                                             QWidget* parent = nullptr);

    // The rows of party `cliente` of the branch; false after the store's
    // error.
    bool abrir(int cliente, const QString& nome);
    Tabela& tabela() { return tabela_; }

    void incluir();
    void alterar();
    void gravar();
    void cancelar();
    void excluir();
    void imprimir();
    // The sheets' content of the current row.
    FichaMedidas ficha();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    bool editando() const;
    void habilitar(bool sim);
    void atualizarLista(const QVariant& numero);
    void seguirLista();

    Tabela tabela_;
    int cliente_ = 0;
    QString nome_;
    ModeloLinhas* modelo_;
    QTableView* grade_;
    VinculoCampos* vinculo_;
    BarraCadastro* barra_;
};
