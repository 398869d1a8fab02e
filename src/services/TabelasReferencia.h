// The reference tables every company database holds, filled from the data
// files shipped with the program: the Brazilian states (Uf) and the
// official municipality list (MUNIC) from municipios-ibge.tsv, and the
// addresses of the states' taxpayer registry pages (ConsultaCadEstadual)
// from consulta-cadastro-estadual.tsv.
//
// Filled on install and each time a company is opened: a table that
// already holds rows is left as it is, so an operator's own rows survive.
#pragma once

#include <QString>

class SessaoBanco;

// The folder holding the data files: "data" beside the program, the
// installed data folder (share/pcp beside the program's bin), "data" up to
// two folders above it, else the source tree's; "" when none has them.
QString PastaDados();

struct CargaReferencia {
    int estados = 0;    // Uf rows added
    int municipios = 0; // MUNIC rows added
    int maiusculas = 0; // MUNIC names upper-cased
    int consultas = 0;  // ConsultaCadEstadual rows added
};

// Fills every empty table of database `banco` from the files of
// `pastaDados`, each table in one transaction, and upper-cases the MUNIC
// names an earlier version stored in mixed case ("São Paulo" becomes
// "SÃO PAULO"; names already in upper case are not touched, so a second
// run changes nothing). Municipality names are kept with their accents.
// Throws ErroBanco when a file needed for an empty table cannot be read
// (the tables filled before it stay filled) or on a store failure.
CargaReferencia CarregarTabelasReferencia(const QString& banco, const QString& pastaDados,
                                          SessaoBanco* sessao = nullptr);
