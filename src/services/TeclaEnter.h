// Enter moves on, as operators of data-entry windows expect: in a window
// given to AvancarComEnter, Enter (or the keypad's Enter) in a field moves
// the cursor to the next field, as Tab does, and on a focused button
// presses it. A control that uses Enter itself keeps it: memo boxes take it
// for a new line, and a window's own handling of a field (an event filter
// on that field) runs first.
//
// Call once in the window's constructor. Dialogs whose Enter confirms
// (OK as default button) do not use it.
#pragma once

class QWidget;

void AvancarComEnter(QWidget* janela);
