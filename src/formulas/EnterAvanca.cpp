#include "EnterAvanca.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace {
class FiltroEnter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress)
            return false;
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if ((tecla->key() != Qt::Key_Return && tecla->key() != Qt::Key_Enter) ||
            tecla->modifiers() & ~Qt::KeypadModifier)
            return false;
        if (auto* botao = qobject_cast<QPushButton*>(objeto)) {
            botao->click();
            return true;
        }
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(objeto, &tab);
        return true;
    }
};

// A combo box's own list keeps its Enter, which chooses an item.
bool dentroDeCombo(const QWidget* w, const QWidget& janela) {
    for (const QWidget* p = w->parentWidget(); p && p != &janela; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p))
            return true;
    return false;
}
} // namespace

void InstalarEnterAvanca(QWidget& janela) {
    auto* filtro = new FiltroEnter(&janela);
    for (QWidget* w : janela.findChildren<QWidget*>())
        if (!dentroDeCombo(w, janela))
            w->installEventFilter(filtro);
}
