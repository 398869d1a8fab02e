// One running program per user on a workstation. The first instance
// listens on a local socket named after the program and the user; a second
// one finds it, asks it to bring its window forward and ends.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class GuardaInstancia : public QObject {
    Q_OBJECT
public:
    explicit GuardaInstancia(const QString& nome, QObject* parent = nullptr);

    // "Dosagem32" followed by the user's login name.
    static QString nomePadrao();

    // True when another instance answers under the name; it has been asked
    // to show its window.
    bool outraInstanciaAtiva();
    // Takes the name for this instance (a name left by a dead instance is
    // reclaimed). REQUIRES: outraInstanciaAtiva() returned false.
    bool escutar();

signals:
    // Another instance asked this one to bring its window forward.
    void pedidoMostrar();

private:
    void aoConectar();

    QString nome_;
    QLocalServer servidor_;
};
