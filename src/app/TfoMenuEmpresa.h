// The company selection window ("Seleção da Empresa"), the program's main
// window: closing it ends the program.
//
// On its first show it upgrades and opens the company catalogue, moves
// itself off screen and starts a one-shot timer of 2000 ms. When the timer
// fires, a catalogue with one company is chosen at once; with several
// companies in different groups the operator is asked for a group first;
// otherwise the grid comes on screen. OK checks the company password,
// points the alias Orvalo at the company's directory and opens the branch
// window. "Os_Exec <code>" on the command line chooses the company at once.
#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class Modulos;
class TDMFilial;
class ModeloCatalogo;
class QTableView;

class TfoMenuEmpresa : public QWidget {
    Q_OBJECT
public:
    // REQUIRES: TDMFilial already created in `modulos`.
    explicit TfoMenuEmpresa(Modulos& modulos, QWidget* parent = nullptr);

    // The program's arguments without its own options.
    void definirArgumentos(const QStringList& argumentos) { argumentos_ = argumentos; }

    // The one-shot timer started on show. It calls aoTemporizador(); tests
    // call that directly instead of waiting.
    QTimer& temporizador() { return temporizador_; }
    void aoTemporizador();

    // Chooses the company on the current catalogue row.
    void ok();

    // How the company password window is shown (modally); tests replace it.
    void definirJanelaSenha(std::function<void()> abrir) { janelaSenha_ = std::move(abrir); }

signals:
    // The window closed: the program ends.
    void fechada();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void iniciar();
    void escolherOsExec();
    bool perguntarGrupo();
    void mostrarNaTela();
    void recarregarGrade();
    void seguirGrade();
    void posicionarUltimoLogin();

    Modulos& modulos_;
    TDMFilial& dm_;
    QStringList argumentos_;
    QTimer temporizador_;
    std::function<void()> janelaSenha_;
    QTableView* grade_;
    ModeloCatalogo* modelo_;
    bool iniciada_ = false;
    bool naTela_ = false;
    int tag_ = 0;
    bool temGrupo_ = false;
    int grupo_ = 0;
};
