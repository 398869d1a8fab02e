#include "Modulos.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

Modulos::~Modulos() {
    while (!itens_.empty())
        itens_.pop_back();
}

void Modulos::fecharJanelas(std::initializer_list<const QWidget*> exceto) {
    const auto janelas = QApplication::topLevelWidgets();
    for (QWidget* j : janelas) {
        if (!j->isVisible() || std::find(exceto.begin(), exceto.end(), j) != exceto.end())
            continue;
        j->close();
    }
}
