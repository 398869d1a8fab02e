// The list of parties by city ("RELATORIO DE CLIENTES POR CIDADE: "), 132
// columns, two lines a party under a "CIDADE:" line per city, and with the
// states separated an "ESTADO:" line per state.
#pragma once

#include <QString>
#include <QStringList>

class SessaoBanco;

struct FiltroClientesPorCidade {
    int filial = 0;
    int fatModNf = 0;                   // installations 132 and 277 print the rating
    QString codigoInicial, codigoFinal; // empty: 0 ... 999999
    // Empty bounds add no condition (parties without a city print).
    QString cidadeInicial, cidadeFinal;
    QString nomeInicial, nomeFinal;
    QStringList cidades; // picked cities; none: every city
    bool separarEstados = false;
    bool inativos = false;
};

// The cities of the register, in order, for the picker. Throws ErroBanco.
QStringList CidadesClifor(SessaoBanco* sessao = nullptr);

// Writes the report through the text report engine (IniciarRelatorio to
// FinalizarRelatorio); every bound and city is bound as a parameter.
// Returns the number of parties printed. Throws ErroBanco and
// ErroSaidaTexto.
int ImprimirClientesPorCidade(const FiltroClientesPorCidade& filtro, SessaoBanco* sessao = nullptr);
