// The summary safety sheet window ("Ficha Resumida de Segurança de
// Produto"): the branch's products made by formulas, searched by code or
// by name (entering a search field clears it and puts the list in its
// order), the formulas of the chosen product with a search by number,
// "Imprimir" that shows the sheet in a preview (print from there, or save
// it as PDF and open it in the desktop's viewer) and "Fechar".
//
// Created on first use. Tests call abrir(), the search slots and
// fichaSelecionada() directly.
#pragma once

#include "FichaSeguranca.h"

#include <QWidget>

class ModeloLinhas;
class QLineEdit;
class QTableView;

class TfoFichaSeguranca : public QWidget {
public:
    explicit TfoFichaSeguranca(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);

    // Loads the products in code order and puts the cursor in the code
    // search. False after the store's text.
    bool abrir();

    void entrarCodigo();
    void entrarNome();
    void pesquisarCodigo(const QString& texto);
    void pesquisarNome(const QString& texto);
    void pesquisarFormula(const QString& texto);

    // The sheet of the chosen product and formula; false when either is
    // missing.
    bool fichaSelecionada(ConteudoFicha& ficha);
    void imprimir();

    const ModeloLinhas& produtos() const { return *modeloProdutos_; }
    const ModeloLinhas& formulas() const { return *modeloFormulas_; }
    int produtoAtual() const;
    QString formulaAtual() const;

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool carregarProdutos(bool porNome);
    void produtoMudou();
    void salvarPdf(const ConteudoFicha& ficha);
    static void posicionar(QTableView* grade, int linha);

    DadosFichaSeguranca dados_;
    QLineEdit* codigo_;
    QLineEdit* nome_;
    QLineEdit* formula_;
    ModeloLinhas* modeloProdutos_;
    ModeloLinhas* modeloFormulas_;
    QTableView* gradeProdutos_;
    QTableView* gradeFormulas_;
};
