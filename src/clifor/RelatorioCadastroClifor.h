// The register report (GCLIFOR3) ("RELATORIO DE CLIENTES" or
// "FORNECEDORES"), 132 columns, five lines a party: addresses, document and
// registration, phones and purchases, seller, contact and remark.
#pragma once

#include <QString>

class SessaoBanco;

struct FiltroCadastroClifor {
    int filial = 0;
    QString sistema = "0"; // "0" clients, "1" suppliers
    bool alfabetica = false;
    // Bounds of the order chosen; an empty one adds no condition, except
    // that empty codes mean 0 ... 999999.
    QString nomeInicial, nomeFinal;
    QString codigoInicial, codigoFinal;
    bool inativos = false;
};

// Writes the report through the text report engine (IniciarRelatorio to
// FinalizarRelatorio) under the current print settings; the page breaks
// when the line count passes the page length minus 4. Bounds are bound as
// parameters. Returns the number of parties printed. Throws ErroBanco and
// ErroSaidaTexto.
int ImprimirCadastroClifor(const FiltroCadastroClifor& filtro, SessaoBanco* sessao = nullptr);
