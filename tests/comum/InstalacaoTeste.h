// A throw-away installation for tests: a temporary folder mapped as drive
// C:, the alias Orvalo on C:\EMPRESA1, every table definition registered,
// scripted dialogs and a manual clock installed, the session record fresh.
#pragma once

#include "session/DialogosRoteirizados.h"
#include "session/Relogio.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class InstalacaoTeste : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Host path of a stored path ("C:\EMPRESA1" -> /tmp/.../C/EMPRESA1).
    QString host(const QString& caminho) const;
    // Creates a company directory (stored form) on the mapped drive.
    void criarDiretorio(const QString& caminho) const;

    QTemporaryDir raiz;
    std::unique_ptr<DialogosRoteirizados> dialogos;
    std::unique_ptr<RelogioManual> relogio;
};
