#include "Botao.h"

#include <QLayout>
#include <QPushButton>

QPushButton* NovoBotao(const QString& texto, QWidget* pai, QLayout* layout) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(texto);
    if (layout)
        layout->addWidget(b);
    return b;
}
