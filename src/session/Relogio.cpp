#include "Relogio.h"

#include <QThread>

namespace {
class RelogioSistema : public Relogio {
public:
    QDateTime agora() override { return QDateTime::currentDateTime(); }
    void esperar(int ms) override { QThread::msleep(ulong(ms)); }
};

RelogioSistema sistema;
Relogio* atualPtr = &sistema;
} // namespace

Relogio& Relogio::atual() {
    return *atualPtr;
}
void Relogio::instalar(Relogio* r) {
    atualPtr = r ? r : &sistema;
}
