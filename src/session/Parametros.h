// Per-branch parameters of ParametrosEmpresa, read by name.
//
// `banco` is the database name (the program passes "Orvalo"), `filial` the
// branch in decimal or "-ZERO-" for the first row with that name whatever
// its branch. A missing parameter reads as false / "".
#pragma once

#include <QString>

class SessaoBanco;

// False on any failure, silently.
bool LerParametroLogico(const QString& banco, const QString& filial, const QString& nome,
                        SessaoBanco* sessao = nullptr);
// "" on failure, after "Erro na leitura de parametro : " + the error text.
QString LerParametroTexto(const QString& banco, const QString& filial, const QString& nome,
                          SessaoBanco* sessao = nullptr);

// The statement the readers send (exposed for tests of quoting).
QString SqlParametro(const QString& filial, const QString& nome);
