// The packaging list of the packaging register, in code order.
#pragma once

class Consulta;

// Sets the list's statement ("SELECT * FROM EMBALAGE ORDER BY CODIGO").
void PrepararListaEmbalagens(Consulta& q);
