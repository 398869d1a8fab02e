// A throw-away installation for tests: a temporary folder mapped as drive
// C:, the alias Orvalo on C:\EMPRESA1, every table definition registered,
// scripted dialogs and a manual clock installed, the session record fresh.
#pragma once

#include "session/DialogosRoteirizados.h"
#include "session/Relogio.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The alias lines of a directory: on the file store "PATH=dir"; when the
// tests run against a server (PCP_TESTE_SERVIDOR=host:porta/base) its
// "SERVER NAME=" line first.
QStringList LinhasAlias(const QString& diretorio);
bool TestesNoServidor();

class InstalacaoTeste : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Host path of a stored path ("C:\EMPRESA1" -> /tmp/.../C/EMPRESA1).
    QString host(const QString& caminho) const;
    // Creates a company directory (stored form) on the mapped drive, and
    // its schema when the tests run against a server.
    void criarDiretorio(const QString& caminho) const;

    QTemporaryDir raiz;
    std::unique_ptr<DialogosRoteirizados> dialogos;
    std::unique_ptr<RelogioManual> relogio;
};
