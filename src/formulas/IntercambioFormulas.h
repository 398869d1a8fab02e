// Formulas in and out of spreadsheets: one CSV line (Planilha.h) per
// component, the header's fields repeated on each, titled by the stored
// field names; a formula without components takes one line with the
// component's fields blank. The names beside the codes ("Cliente",
// "Produto", "Descricao") are for the reader and are not imported.
//
// An import checks every line before writing anything: the formula's
// number present, codes and quantities that read as numbers, products,
// components, customer, technician and tinting machine registered in the
// branch, dates and S/N marks that read, texts that fit their fields, the
// header's fields equal on every line of a formula and no component order
// repeated. With any error nothing is written and every error is listed.
// Otherwise each formula gets the branch's next number (UltimaFormula + 1
// of Pcpcfg, passing over a number already stored, as a new attempt after
// "Formula já existe" would), DATACAD = today, the header's and the
// components' fields from the file, the shares recomputed (Percentuais.h)
// and QtdTotal and TotalItens set; all of it in one transaction.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class SessaoBanco;

// The titles line of the export, in order.
QStringList TitulosFormulasCsv();

// The branch's formulas from `inicial` to `final` (numbers compared as
// numbers; blank = no limit), in number order, with their components in
// OrdComp order, titles line first. Throws ErroBanco.
QList<QStringList> LinhasFormulasCsv(int filial, const QString& inicial = QString(),
                                     const QString& final = QString(),
                                     SessaoBanco* sessao = nullptr);

struct ResultadoImportacao {
    bool ok = false;
    QStringList erros;   // "Linha N: ..." per fault found, in line order
    QStringList numeros; // the numbers issued, in the file's order
};

// Imports `linhas` (titles line first) into the branch. On failure
// nothing is written: `erros` lists the faults of the lines, or holds the
// store's text when a write failed. Shows nothing.
ResultadoImportacao ImportarFormulasCsv(const QList<QStringList>& linhas, int filial,
                                        SessaoBanco* sessao = nullptr);

// The menu's export and import: choose the file, run, report to the
// operator through Dialogos.
void ExportarFormulasPlanilha();
void ImportarFormulasPlanilha();
