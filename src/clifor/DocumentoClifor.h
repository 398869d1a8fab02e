// The party's document (CGC): a CPF of 11 digits or a CNPJ of 14, checked
// by its check digits and unique within a kind of party of the branch.
#pragma once

#include <QString>

class SessaoBanco;

// What the operator typed, as stored: ".", "/", "-" and blanks dropped and
// the rest upper-cased. Letters stay (the alphanumeric CNPJ).
QString LimparDocumento(const QString& texto);

// True for an empty document (nothing to check) and for a valid one: up to
// 11 digits checked as a CPF, longer ones and any with a letter as a CNPJ. Otherwise shows
// "Atenção" / "CPF Invalido" or "C.G.C. Invalido" (also for letters and
// other non-digits) and returns false.
bool DocumentoValido(const QString& documento);

// The code of another party of the branch and kind holding the document;
// 0 when none. Parties of different kinds may share a document. Throws
// ErroBanco.
int ParteComDocumento(int filial, int tipo, const QString& documento, int codigo,
                      SessaoBanco* sessao = nullptr);
