// Fixture for the start-up windows: a program folder, a catalogue and
// company directories built row by row, and the program's modules created
// as start-up creates them. The company password window is replaced by a
// stand-in that "types" `senhaDigitada`.
#pragma once

#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"
#include "app/Modulos.h"

#include <QStringList>
#include <QVariant>
#include <memory>

class TfoMenuEmpresa;
class TMenuFilial;

struct EmpresaTeste {
    int codigo;
    QString nome;
    QString diretorio;
    QString pwd;
    QString grupo;
    QVariant loja; // invalid = NULL
};

struct FilialTeste {
    int filial;
    QString nome;
    QString dirCobol;
    bool termServ;
    int fatModNf;
};

class CatalogoTeste : public InstalacaoTeste {
protected:
    void SetUp() override;
    void TearDown() override;

    void criarCatalogo(const QList<EmpresaTeste>& empresas);
    // Creates the directory (stored form) and its branch rows.
    void criarEmpresa(const QString& diretorio, const QList<FilialTeste>& filiais);
    // Creates the modules, gives the arguments and shows the company window.
    void iniciar(const QStringList& argumentos = {});
    // Shows the company window off screen and fires its timer.
    void iniciarEDisparar(const QStringList& argumentos = {});

    std::unique_ptr<Modulos> modulos;
    TfoMenuEmpresa* empresa = nullptr;
    TMenuFilial* filial = nullptr;
    QString senhaDigitada;
    int senhasPedidas = 0;
    int fechamentos = 0;
    int encerramentos = 0;
};
