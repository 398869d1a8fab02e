// Demonstration formula data of a new installation, for one branch:
// responsible technicians, tinting machines, packaging, and three dozen
// formulas of the demonstration paints for the demonstration clients, made
// of the demonstration raw materials, some of them protected, and last
// month's samples for the companies (clients whose trade names begin with
// "*"). Run after CriarDemoProdutos and CriarDemoClifor, whose codes the
// formulas name.
#pragma once

#include <QString>

// Inserts the rows into database `banco` for branch `filial`; rows already
// there (by key) are left as they are, so a second run adds nothing. The
// branch's formula counter is raised to the last demonstration formula.
// Throws ErroBanco on a store failure.
void CriarDemoFormulas(const QString& banco, int filial);

// A spreadsheet of formulas 1 to 3 of branch 1 of the company the alias
// Orvalo names, written to `arquivoHost` for a newcomer to import
// ("Importar Fórmulas de Planilha"). Throws ErroBanco on a failure.
void GravarPlanilhaFormulasDemo(const QString& arquivoHost);
