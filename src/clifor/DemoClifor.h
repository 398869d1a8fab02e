// Demonstration parties of a new installation, for one branch: the code
// ranges in LIMITCOD, clients, a seller, suppliers, a carrier, a bank and a
// diverse creditor inside those ranges (valid CPF / CNPJ numbers, addresses
// with the cities spelled as the official list, municipality codes), Brazil
// in PAISES, credit ratings, regions, payment terms, sellers, a tax framing
// with its services, and for the first clients their commercial data,
// sellers per product group, further addresses, contacts, remarks and
// e-mails, and receivable titles of the first two clients with their
// write-offs (one under an unregistered history), clothing measures of
// client 3; client 6 holds an alphanumeric CNPJ; then the reference tables
// (TabelasReferencia.h).
#pragma once

#include "services/DigitosVerificadores.h" // CompletarCNPJ, CompletarCPF

#include <QString>

// Inserts the rows into database `banco` for branch `filial`; rows already
// there (by key) are left as they are, so a second run adds nothing. The
// reference tables come from the folder PastaDados() finds; without one
// they are left out. Throws ErroBanco on a store failure.
void CriarDemoClifor(const QString& banco, int filial);
