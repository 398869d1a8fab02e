// The window manager cuts a caption wider than its window: small windows
// and message boxes are made wide enough for their caption and the title
// bar's buttons.
#pragma once

class QWidget;

// Call after setWindowTitle, once the window has its layout.
void LarguraDaLegenda(QWidget* janela);
