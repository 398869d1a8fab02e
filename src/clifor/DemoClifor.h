// Demonstration parties of a new installation, for one branch: the code
// ranges in LIMITCOD, clients, a seller, suppliers, a carrier, a bank and a
// diverse creditor inside those ranges (valid CPF / CNPJ numbers, addresses,
// municipality codes), Brazil in PAISES, the Brazilian states in Uf and the
// official municipality list in MUNIC.
#pragma once

#include <QString>

// Inserts the rows into database `banco` for branch `filial`; rows already
// there (by key) are left as they are, so a second run adds nothing. The
// municipalities come from the folder PastaDados() finds; without one they
// are left out. Throws ErroBanco on a store failure.
void CriarDemoClifor(const QString& banco, int filial);

// Loads `pastaDados`/municipios-ibge.tsv (tab-separated, UTF-8, one header
// line: CoUf, SgUf, CoMunicipio, NoMunicipio) into MUNIC in one durable
// statement, when MUNIC is empty. Returns the rows added (0 when MUNIC
// already had rows). Throws ErroBanco when the file cannot be read.
int CarregarMunicipios(const QString& banco, const QString& pastaDados);

// The folder holding municipios-ibge.tsv: "data" beside the program, the
// installed data folder (share/pcp beside the program's bin), "data" up
// to two folders above it, else the source tree's; "" when none has it.
QString PastaDados();

// The 14-digit CNPJ of a 12-digit base, and the 11-digit CPF of a 9-digit
// base, with their modulus-11 check digits appended.
QString CompletarCNPJ(const QString& base12);
QString CompletarCPF(const QString& base9);
