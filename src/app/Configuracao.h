// The configuration of one installation: an ini file naming the parameter
// lines of the alias Orvalo, the host folders behind the drive letters and
// the "\\tsclient\" prefix of stored paths, the program's folder, and the
// permission switches copied into the session. Format: docs/configuracao.md.
//
// Every setting has a default, so an empty file is a valid installation
// rooted at the file's own folder. What is present is checked: a bad value
// is reported in Portuguese, naming the file and the setting.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// What the command line asks for. Our own options are taken out; what is
// left ("Os_Exec" and a company code) goes to the company window.
struct LinhaComando {
    QString arquivoConfiguracao; // --config FILE, else PCP_CONFIG, else the default
    QString pastaDemonstracao;   // --criar-demo DIR
    // --migrar-servidor DIR LINHA: the company directory (stored form) and
    // the alias line naming the server ("SERVER NAME=host:porta/banco").
    QString migrarDiretorio, migrarServidor;
    // --importar-paradox ORIGEM DESTINO [--substituir]
    QString importarOrigem, importarDestino;
    bool substituir = false;
    bool ajuda = false;
    QStringList argumentos;
    QString erro; // non-empty when the line cannot be used
};

LinhaComando LerLinhaComando(const QStringList& argumentosSemPrograma);
// ~/.config/PCP/pcp.ini
QString ArquivoConfiguracaoPadrao();

class Configuracao {
public:
    QString arquivo;
    QStringList parametrosAlias{"PATH=C:\\EMPRESA1"};
    // "C:" or "\\tsclient" -> absolute host folder.
    QMap<QString, QString> unidades;
    // A host folder or a stored path ("C:\Arquivos de programas\Orvalo").
    QString pastaPrograma;
    bool usaPermissoes = false;
    QString aliasPermissoes = "Orvalo";
    // The revenue service's CNPJ query page; empty keeps the built-in one.
    QString enderecoConsultaCnpj;
    // The TecDataSoft capture: its switch and the program's path.
    bool integraTecDataSoft = false;
    QString caminhoTecDataSoft;
    // Shared printers: "\\SERVIDOR\EPSON" (upper case) -> CUPS queue.
    QMap<QString, QString> impressorasCompartilhadas;

    // Reads and checks `caminho`. False with a Portuguese message in `erro`.
    bool ler(const QString& caminho, QString& erro);
    // Writes this configuration to `arquivo` (folders created).
    bool gravar(QString& erro) const;

    // Installs the drive mapping, the alias Orvalo, the program's folder,
    // the shared printers and the permission settings of the session.
    void aplicar() const;
    // The program's folder as a host path. REQUIRES: aplicar() was called
    // when the folder is written as a stored path.
    QString pastaProgramaHost() const;
};
