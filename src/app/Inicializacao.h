// Creation of the program's data modules and windows, once, in the order
// they depend on one another. The company window is the first window: it
// comes right after the data modules it needs.
#pragma once

class Modulos;

void CriarModulos(Modulos& modulos);
