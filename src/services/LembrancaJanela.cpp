#include "LembrancaJanela.h"

#include "Grade.h"
#include "LayoutGrade.h"

#include <QEvent>
#include <QTableView>
#include <QWidget>

namespace {
class LembrancaJanela : public QObject {
public:
    explicit LembrancaJanela(QWidget* janela) : QObject(janela), janela_(janela) {
        janela->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto != janela_)
            return false;
        if (evento->type() == QEvent::Show && !mostrada_) {
            mostrada_ = true;
            RestaurarPosicaoJanela(*janela_, janela_->objectName());
            for (QTableView* g : janela_->findChildren<QTableView*>())
                CarregarColunasLembradas(*g);
        } else if (evento->type() == QEvent::Hide && mostrada_ && !evento->spontaneous()) {
            SalvarPosicaoJanela(*janela_, janela_->objectName());
            for (QTableView* g : janela_->findChildren<QTableView*>())
                SalvarColunasLembradas(*g);
        }
        return false;
    }

private:
    QWidget* janela_;
    bool mostrada_ = false;
};
} // namespace

void LembrarJanela(QWidget* janela) {
    new LembrancaJanela(janela);
}
