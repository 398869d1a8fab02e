#include "JanelaSenha.h"

#include "TFormSenha.h"

#include <QApplication>

namespace {
JanelaSenha* instalada = nullptr;
TFormSenha* formulario = nullptr;
} // namespace

JanelaSenha& JanelaSenha::atual() {
    if (instalada)
        return *instalada;
    if (!formulario) {
        formulario = new TFormSenha;
        // Windows must go before the application object does.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
            delete formulario;
            formulario = nullptr;
        });
    }
    return *formulario;
}

void JanelaSenha::instalar(JanelaSenha* janela) {
    instalada = janela;
}
