#include "Botao.h"

#include <QLayout>
#include <QPushButton>

namespace {
const char* const PropriedadeDesiste = "pcpDesiste";
}

QPushButton* NovoBotao(const QString& texto, QWidget* pai, QLayout* layout) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(texto);
    if (texto == "Cancelar" || texto == "Fechar" || texto == "Sair")
        b->setProperty(PropriedadeDesiste, true);
    if (layout)
        layout->addWidget(b);
    return b;
}

bool BotaoDesiste(const QWidget* w) {
    return w && w->property(PropriedadeDesiste).toBool();
}
