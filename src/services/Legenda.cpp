#include "Legenda.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QWidget>

void LarguraDaLegenda(QWidget* janela) {
    QFont negrito = janela->font();
    negrito.setBold(true);
    const int largura = QFontMetrics(negrito).horizontalAdvance(janela->windowTitle()) + 120;
    // A message box sets its own fixed size from its layout.
    if (auto* grade = qobject_cast<QGridLayout*>(janela->layout()))
        grade->addItem(new QSpacerItem(largura, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                       grade->rowCount(), 0, 1, grade->columnCount());
    else
        janela->setMinimumWidth(largura);
}
