// The file choosers of the services and the desktop's "open" of a file
// written for the operator (a PDF, a spreadsheet). The program uses Qt's
// file dialogs and the desktop's associated program; tests install their
// own answers.
#pragma once

#include <QString>
#include <functional>

class QDate;

// A name for a file written today: the title, the date as dd-mm-yyyy and
// the extension, in the folder last chosen (the home folder at first);
// characters no file name may hold are left out of the title.
QString NomeArquivoProposto(const QString& titulo, const QDate& data, const QString& extensao);

// The path chosen to write (the file dialog asks before replacing one),
// or "" when the operator gives up. The chosen folder is remembered.
QString EscolherArquivoGravar(const QString& titulo, const QString& sugerido,
                              const QString& filtro);
// An existing file chosen to read, or "".
QString EscolherArquivoAbrir(const QString& titulo, const QString& filtro);
// Opens the file with the desktop's program; false when none took it.
bool AbrirNoDesktop(const QString& arquivo);

struct EscolhaArquivo {
    // gravar: true to write, false to read; returns the path or "".
    std::function<QString(bool gravar, const QString& titulo, const QString& sugerido,
                          const QString& filtro)>
        escolher;
    std::function<bool(const QString& arquivo)> abrir;
};
// Replaces the choosers; an empty member restores the program's.
void InstalarEscolhaArquivo(EscolhaArquivo e);
