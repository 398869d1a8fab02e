#include "AplicacaoPcp.h"

#include "session/Dialogos.h"
#include "store/ErroBanco.h"

bool AplicacaoPcp::notify(QObject* destino, QEvent* evento) {
    try {
        return QApplication::notify(destino, evento);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    } catch (const std::exception& e) {
        MostrarErro(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
