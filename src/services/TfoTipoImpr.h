// The print options window ("Tipo de Impressão"): pitch, text or graphic
// output, lines per page, printer and orientation, written into
// ConfigImpressao on OK. Created once and shown again on each use, so the
// printer chosen last stays selected.
//
// The window prepares its lists when shown; tests call preparar() and the
// slots directly instead of running a modal loop.
#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class TfoTipoImpr : public QDialog {
    Q_OBJECT
public:
    explicit TfoTipoImpr(QWidget* pai = nullptr);

    // A tag of 1 leaves the printer list without a selection when shown.
    void setTag(int tag) { tag_ = tag; }

    // What showing the window does: reloads the printer lists and sets the
    // controls from the current settings.
    void preparar();

public slots:
    void escolherGrafico();
    void escolherTexto();
    void escolherRetrato();
    void escolherPaisagem();
    void escolherCompactada();
    void escolherNormal();
    void escolherImpressora(int indice);
    void entrarImpressora();
    void desligarTermServ();
    void confirmar();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void modoGrafico(bool grafico);

    QRadioButton* compactada_;
    QRadioButton* normal_;
    QRadioButton* grafico_;
    QRadioButton* texto_;
    QRadioButton* retrato_;
    QRadioButton* paisagem_;
    QGroupBox* orientacao_;
    QLineEdit* linhas_;
    QComboBox* impressora_;
    QComboBox* porta_;
    QLabel* termServ_;
    int tag_ = 0;
};

// Shows the print options window modally (one window for the process).
void EscolherImpressao();
