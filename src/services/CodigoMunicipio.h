// The official municipality code of a city, from the state table (Uf) and
// the municipality list (MUNIC) of the current company's database.
#pragma once

#include <QString>

class SessaoBanco;

// The code of the municipality named `cidade` (upper-cased, accents kept)
// in the state `uf` (upper-cased): the MUNIC row whose code begins with the
// state's CoUf and whose name equals the city. "" when the state or the
// city is unknown; a name that differs in accents or spacing is unknown.
// Both texts are bound as parameters. Throws ErroBanco on a store failure.
QString CodigoMunicipio(const QString& uf, const QString& cidade, SessaoBanco* sessao = nullptr);
