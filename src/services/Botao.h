// Buttons of the windows: the objectName is the caption, so tests and the
// layout files find a button by what the operator reads on it.
//
// Buttons captioned "Cancelar", "Fechar" or "Sair" give up what is being
// typed: moving to them does not check the box being left (see
// VinculoCampos), so an operator can always back out of a bad value.
#pragma once

#include <QString>

class QLayout;
class QPushButton;
class QWidget;

// A push button captioned `texto`, added to `layout` when one is given.
QPushButton* NovoBotao(const QString& texto, QWidget* pai, QLayout* layout = nullptr);

// True for a button that gives up the edits (see above).
bool BotaoDesiste(const QWidget* w);
