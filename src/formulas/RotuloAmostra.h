// The sample label of one formula: the branch's formulas the label window
// lists, the label's texts, and the label written into the text report
// engine (46 columns, 28 lines) under the current print settings.
#pragma once

#include "Tabela.h"

#include <QString>

// What goes on a label: the formula's data and what the operator typed.
struct DadosRotulo {
    QString formula;     // the number
    QString nomeProduto; // product Nome1
    QString cor;         // the formula's COR
    QString nomeCliente; // customer Nome
    bool descricaoInformada = false;
    QString descricao;    // printed instead of name and number when informada
    QString corInformada; // printed instead of COR when informada
    QString liquido;      // "150 gr", "250 gr" or the other weight
    QString bruto;
    QString data; // dd/mm/yy as typed
};

// True for a real date typed day/month/two-digit year ("06/12/26"; one
// digit day or month and surrounding blanks are taken). Otherwise shows
// "Data Invalida:" followed by the text and returns false.
bool DataRotuloValida(const QString& data);

// Writes and emits the label: IniciarRelatorio, the printer's ESC "0",
// name, colour, weights, date and validity; asks "Emitir etiqueta" and on
// Yes adds the sticker lines (description and customer with today's date);
// ImprimirPagina and FinalizarRelatorio. The caller has shown the print
// options and set the page shape. Throws ErroSaidaTexto.
void ImprimirRotuloAmostra(const DadosRotulo& r);

class DadosRotuloFormula {
public:
    explicit DadosRotuloFormula(SessaoBanco* sessao = nullptr);

    // Opens the formulas of `filial` and the lookups. Throws ErroBanco.
    void abrir(int filial);
    void fechar();
    int filial() const { return filial_; }

    // Names of the current formula's product and customer ("" when none).
    QString nomeProduto();
    QString nomeCliente();
    // The label data of the current formula, typed fields empty.
    DadosRotulo rotulo();

    Tabela TFormula; // the branch's formulas, in key order

private:
    int filial_ = 0;
    Tabela produto_;
    Tabela cliente_;
};
