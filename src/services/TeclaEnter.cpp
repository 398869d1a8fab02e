#include "TeclaEnter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace {
// Sees the Enter keys no control of the window took (they travel up to the
// window), so memo boxes and the window's own filters keep theirs.
class TeclaEnter : public QObject {
public:
    explicit TeclaEnter(QWidget* janela) : QObject(janela), janela_(janela) {
        janela->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto != janela_ || evento->type() != QEvent::KeyPress)
            return false;
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if ((tecla->key() != Qt::Key_Return && tecla->key() != Qt::Key_Enter) ||
            (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)))
            return false;
        QWidget* foco = QApplication::focusWidget();
        if (!foco || foco->window() != janela_)
            return false;
        if (auto* botao = qobject_cast<QPushButton*>(foco)) {
            if (botao->isEnabled())
                botao->click();
            return true;
        }
        // A Tab sent to the window moves the focus as the operator's Tab
        // does, whatever the focused control would do with a Tab.
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(janela_, &tab);
        return true;
    }

private:
    QWidget* janela_;
};
} // namespace

void AvancarComEnter(QWidget* janela) {
    new TeclaEnter(janela);
}
