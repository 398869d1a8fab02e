// How the services show their modal windows: exec() in the program; tests
// install a driver that sets the window's controls, presses its buttons
// and returns the result, so no real modal loop runs.
#pragma once

#include <functional>

class QDialog;

int ExibirModal(QDialog& janela);
// nullptr restores exec().
void InstalarExibirModal(std::function<int(QDialog&)> exibir);
