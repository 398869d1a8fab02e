#include "ExecutarEAguardar.h"

#include "store/Caminhos.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

bool ExecutarEAguardar(const QString& programa, const QString& parametros, int) {
    const QString arquivo = Caminhos::atual().resolver(programa);
    QProcess processo;
    processo.setProgram(arquivo);
    processo.setArguments(QProcess::splitCommand(parametros));
    processo.setWorkingDirectory(QFileInfo(arquivo).absolutePath());
    // Forwarded, so a talkative program never blocks on a full pipe.
    processo.setProcessChannelMode(QProcess::ForwardedChannels);
    processo.start();
    if (!processo.waitForStarted(-1))
        return false;
    while (processo.state() != QProcess::NotRunning && !processo.waitForFinished(50))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}
