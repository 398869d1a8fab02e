// Enter in the report windows: on a button it presses it; anywhere else it
// moves the cursor to the next field, as Tab does.
#pragma once

class QWidget;

// Filters the keys of every control `janela` holds now.
void InstalarEnterAvanca(QWidget& janela);
