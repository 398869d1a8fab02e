#include "CaixaEscolha.h"

#include "session/Relogio.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

namespace {
const int IntervaloDigitacao = 1500; // ms between keys of one search
}

CaixaEscolha::CaixaEscolha(QWidget* pai) : QComboBox(pai) {}

int CaixaEscolha::larguraLista() const {
    QAbstractItemView* v = view();
    int largura = 0;
    if (auto* tabela = qobject_cast<QTableView*>(v)) {
        tabela->resizeColumnsToContents();
        const QHeaderView* cab = tabela->horizontalHeader();
        for (int c = 0; c < cab->count(); ++c)
            if (!cab->isSectionHidden(c))
                largura += cab->sectionSize(c);
    } else {
        largura = v->sizeHintForColumn(modelColumn());
    }
    return largura + 2 * v->frameWidth() + v->verticalScrollBar()->sizeHint().width() + 8;
}

void CaixaEscolha::showPopup() {
    if (antesDeAbrir)
        antesDeAbrir();
    QComboBox::showPopup();
    // The drop-down of a narrow box would cut the names.
    QWidget* lista = view()->window();
    QRect r = lista->geometry();
    const int largura = larguraLista();
    if (lista == window() || largura <= r.width())
        return;
    r.setWidth(largura);
    if (const QScreen* tela = screen()) {
        const QRect area = tela->availableGeometry();
        r.setWidth(std::min(r.width(), area.width()));
        if (r.right() > area.right())
            r.moveRight(area.right());
        if (r.left() < area.left())
            r.moveLeft(area.left());
    }
    lista->setGeometry(r);
}

bool CaixaEscolha::procurar(const QString& prefixo) {
    for (int i = 0; i < count(); ++i)
        if (itemText(i).startsWith(prefixo, Qt::CaseInsensitive)) {
            if (i != currentIndex()) {
                setCurrentIndex(i);
                emit activated(i);
            }
            return true;
        }
    return false;
}

void CaixaEscolha::keyPressEvent(QKeyEvent* evento) {
    // Shift, Ctrl and the like on their own type nothing and keep what was typed.
    switch (evento->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
        QComboBox::keyPressEvent(evento);
        return;
    default:
        break;
    }
    const QString texto = evento->text();
    const bool letra = !texto.isEmpty() && texto.at(0).isPrint() &&
                       !(evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (isEditable() || (!letra && evento->key() != Qt::Key_Backspace)) {
        digitado_.clear();
        QComboBox::keyPressEvent(evento);
        return;
    }
    const QDateTime agora = Relogio::atual().agora();
    if (!ultimaTecla_.isValid() || ultimaTecla_.msecsTo(agora) > IntervaloDigitacao)
        digitado_.clear();
    ultimaTecla_ = agora;
    if (evento->key() == Qt::Key_Backspace) {
        digitado_.chop(1);
        if (!digitado_.isEmpty())
            procurar(digitado_);
    } else if (procurar(digitado_ + texto)) {
        digitado_ += texto;
    } else {
        QApplication::beep();
    }
    evento->accept();
}

void CaixaEscolha::focusOutEvent(QFocusEvent* evento) {
    digitado_.clear();
    QComboBox::focusOutEvent(evento);
}
