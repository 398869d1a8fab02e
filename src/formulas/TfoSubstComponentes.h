// The component substitution window ("Substitui Componentes nas Fórmulas"):
// the code to replace ("Substituir o Componente:") and the code that takes
// its place ("pelo Componente:"), typed into a scratch row of TMPVALORES
// (Valor1, Valor2), each shown with its product's name when the cursor
// leaves it. "OK" checks both codes afresh, asks, and substitutes the
// component in every formula of every branch (SubstituirComponentes);
// "Cancelar" closes.
#pragma once

#include <QWidget>
#include <memory>

class QLineEdit;
class SessaoBanco;
class ValoresTemporarios;
class VinculoCampos;

class TfoSubstComponentes : public QWidget {
public:
    explicit TfoSubstComponentes(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);
    ~TfoSubstComponentes() override;

    // A fresh scratch row, the names cleared, the cursor on the first code
    // (done on each show).
    bool iniciar();
    // The "OK" button. True when the formulas were changed.
    bool substituir();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Looks the box's code up and shows its name (empty when none).
    bool mostrarNome(QLineEdit* codigo);

    SessaoBanco* sessao_;
    std::unique_ptr<ValoresTemporarios> valores_;
    VinculoCampos* vinculo_;
    QLineEdit* origem_;
    QLineEdit* destino_;
    QLineEdit* nomeOrigem_;
    QLineEdit* nomeDestino_;
};
