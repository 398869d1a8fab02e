#include "GuardaInstancia.h"

#include <QDir>
#include <QLocalSocket>
#include <QRegularExpression>

namespace {
const QByteArray PedidoMostrar = "mostrar\n";
}

GuardaInstancia::GuardaInstancia(const QString& nome, QObject* parent)
    : QObject(parent), nome_(nome) {
    servidor_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&servidor_, &QLocalServer::newConnection, this, &GuardaInstancia::aoConectar);
}

QString GuardaInstancia::nomePadrao() {
    QString usuario = QString::fromLocal8Bit(qgetenv("USER"));
    if (usuario.isEmpty())
        usuario = QString::fromLocal8Bit(qgetenv("LOGNAME"));
    if (usuario.isEmpty())
        usuario = QString::fromLocal8Bit(qgetenv("USERNAME"));
    if (usuario.isEmpty())
        usuario = QDir::home().dirName();
    // One instance per desktop: the same user on another display (another
    // session of a terminal server) runs one of their own.
    QString tela = qEnvironmentVariable("DISPLAY");
    if (tela.isEmpty())
        tela = qEnvironmentVariable("WAYLAND_DISPLAY");
    tela.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
    return "Dosagem32" + usuario + (tela.isEmpty() ? QString() : '-' + tela);
}

bool GuardaInstancia::outraInstanciaAtiva() {
    QLocalSocket socket;
    socket.connectToServer(nome_);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(PedidoMostrar);
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

bool GuardaInstancia::escutar() {
    if (servidor_.listen(nome_))
        return true;
    QLocalServer::removeServer(nome_);
    return servidor_.listen(nome_);
}

void GuardaInstancia::aoConectar() {
    while (QLocalSocket* s = servidor_.nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        auto ler = [this, s] {
            while (s->canReadLine())
                if (s->readLine() == PedidoMostrar)
                    emit pedidoMostrar();
        };
        connect(s, &QLocalSocket::readyRead, this, ler);
        ler();
    }
}
