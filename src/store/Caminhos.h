// Maps the Windows-shaped paths kept in stored data ("C:\Arquivos de
// programas\Orvalo", "D:\EMPRESA1", "\\tsclient\C\Temp") to host folders.
//
// Paths stay Windows text inside the system; only the store and file
// operations resolve them. A drive letter or the "\\tsclient\" prefix maps
// to a host folder named in the configuration; every further component is
// matched without regard to case against what exists on disk, so
// "EMPRESA1" finds a folder "Empresa1". Absolute host paths pass unchanged.
#pragma once

#include <QMap>
#include <QString>

class Caminhos {
public:
    // Process-wide mapping.
    static Caminhos& atual();

    // `prefixo` is a drive ("C:") or "\\tsclient"; `pasta` a host folder.
    void mapear(const QString& prefixo, const QString& pasta);
    void limpar();
    QMap<QString, QString> mapeamentos() const { return mapa_; }

    // The host path of a stored path. Components that do not exist yet are
    // kept as written.
    QString resolver(const QString& caminho) const;

    // Parent directory of a stored path, in the stored (Windows) form.
    static QString diretorioDe(const QString& caminho);

private:
    QMap<QString, QString> mapa_; // upper-cased prefix -> host folder
};
