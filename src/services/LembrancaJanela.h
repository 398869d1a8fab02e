// A window that comes back as the operator left it: on its first show it
// takes its saved placement (RestaurarPosicaoJanela, under its objectName)
// and the column layouts of its grids made by NovaGrade (Grade.h); each
// time it is hidden or closed it saves its placement, and the layout of
// every such grid whose columns the operator changed.
//
// Call once in the window's constructor, after setObjectName. Windows whose
// placement the system fixes (company, branch and main menu windows) do not
// use it.
#pragma once

class QWidget;

void LembrarJanela(QWidget* janela);
