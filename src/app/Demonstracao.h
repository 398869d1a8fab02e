// A demonstration installation, complete enough to use every window: a
// drive C with the company catalogue and three companies in two groups
// (Tintas Aurora Matriz, head company with LOJA 0; Tintas Aurora Sul, with
// password "1234"; Vernizes Serra Azul, alone in group 2), each with its
// tables, two branches and their configuration rows; a legacy installation
// in Paradox tables to import (folder "legado", DemoImportacao.h); and the
// configuration file that points the program at it.
#pragma once

#include "Configuracao.h"

#include <QList>
#include <QString>

// A company of the demonstration as the rows of each subsystem see it.
struct EmpresaDemo {
    int codigo = 0;
    QString nome;
    QString diretorio; // stored form, also its database name ("C:\MATRIZ")
    QList<int> filiais{1, 2};
};

// Rows of one subsystem for one company. Throws ErroBanco on failure.
using PovoadorDemo = void (*)(const EmpresaDemo&);

// Branches, their configuration rows and parameters of one company.
void CriarDemoFiliais(const EmpresaDemo& empresa);

// The configuration of a demonstration rooted at `pasta` (a host folder).
Configuracao ConfiguracaoDemonstracao(const QString& pasta, const QString& arquivo);

// True when `pasta` already holds a demonstration catalogue.
bool ExisteDemonstracao(const QString& pasta);

// Creates the demonstration in `pasta` (absent or empty) and writes its
// configuration to `arquivoConfiguracao`. On failure nothing is left
// behind and `erro` says why, in Portuguese. Uses the program's store
// session and drive mapping, which it leaves pointing at the new
// installation. REQUIRES: table definitions registered.
bool CriarDemonstracao(const QString& pasta, const QString& arquivoConfiguracao, QString& erro);
