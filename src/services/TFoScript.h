// The window "Orvalo - Script's de atualização da base de dados :": the
// built-in scripts joined with the outcome stored in the current
// company's ScriptsSql.db, read each time the window is opened. Rows
// that failed ("Er") are red, applied ones ("Ok") blue; below the grid
// the selected statement and the store's answer. "Rodar Script's" runs
// every script not yet "Ok" with a progress bar, says "Procedimento
// Concluído!!!" and closes; "Rodar Script Selecionado" runs the current
// one; "Marca OK" toggles its "Ok" without running it.
#pragma once

#include "ScriptsAtualizacao.h"

#include <QDialog>

class ModeloLinhas;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;

class TFoScript : public QDialog {
public:
    explicit TFoScript(QWidget* parent = nullptr, SessaoBanco* sessao = nullptr);

    // Reads the list; false after the store's error.
    bool abrir();

    ListaScripts& lista() { return lista_; }
    QTableView* grade() const { return grade_; }

    void rodarTodos();
    void rodarSelecionado();
    void marcarOk();

private:
    void atualizar();
    void mostrarAtual();
    int atual() const;
    void ocupado(bool sim);

    ListaScripts lista_;
    ModeloLinhas* modelo_;
    QTableView* grade_;
    QPlainTextEdit* script_;
    QPlainTextEdit* resposta_;
    QLabel* contadores_;
    QProgressBar* progresso_;
    QList<QPushButton*> botoes_;
};

// The access code the main menu asks before opening the window.
inline constexpr int CodigoAcessoScripts = 250;

// Shows the window modally (ExibirModal) for the current company.
void AbrirScriptsAtualizacao(QWidget* pai);
