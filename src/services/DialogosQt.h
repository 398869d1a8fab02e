// The windowed Dialogos: message boxes and input boxes of Qt, with the
// Portuguese button texts. Installed by the program at start-up; tests use
// DialogosRoteirizados instead and never open these.
#pragma once

#include "session/Dialogos.h"

class DialogosQt : public Dialogos {
public:
    Resposta mensagem(TipoMensagem tipo, const QString& titulo, const QString& texto,
                      Botoes botoes) override;
    bool entrada(const QString& titulo, const QString& prompt, QString& valor,
                 bool mascarada = false) override;
};
