// Buttons of the windows: the objectName is the caption, so tests and the
// layout files find a button by what the operator reads on it.
#pragma once

#include <QString>

class QLayout;
class QPushButton;
class QWidget;

// A push button captioned `texto`, added to `layout` when one is given.
QPushButton* NovoBotao(const QString& texto, QWidget* pai, QLayout* layout = nullptr);
