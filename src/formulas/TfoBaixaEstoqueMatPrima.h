// The raw-material write-off window ("Baixa Estoque Materia Prima"): the
// period of the sales notes ("Data inicial", "Data Final"), the history
// code that marks them ("Historico de Venda"), and the history code and
// supplier written on the write-off notes ("Historico da Baixa",
// "Fornecedor"). "OK" checks the three codes, then the two dates, and runs
// BaixaMateriaPrima with a progress bar over the sales notes found;
// "Fechar" closes. The menu asks access code 101 before showing it.
#pragma once

#include <QWidget>
#include <memory>

class BaixaMateriaPrima;
class QLineEdit;
class QProgressBar;
class QPushButton;
class SessaoBanco;

class TfoBaixaEstoqueMatPrima : public QWidget {
public:
    explicit TfoBaixaEstoqueMatPrima(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr);
    ~TfoBaixaEstoqueMatPrima() override;

    // The "OK" button. True when the run went through every sales note.
    bool executar();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    bool lerCodigo(QLineEdit* campo, bool curto, const QString& mensagemZero, int& valor);

    std::unique_ptr<BaixaMateriaPrima> baixa_;
    QLineEdit* dataInicial_;
    QLineEdit* dataFinal_;
    QLineEdit* historicoVenda_;
    QLineEdit* historicoBaixa_;
    QLineEdit* fornecedor_;
    QProgressBar* progresso_;
    QPushButton* ok_;
};
