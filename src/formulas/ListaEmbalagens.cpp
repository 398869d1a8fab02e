#include "ListaEmbalagens.h"

#include "Consulta.h"

void PrepararListaEmbalagens(Consulta& q) {
    q.setSql({"SELECT * FROM EMBALAGE ORDER BY CODIGO"});
}
