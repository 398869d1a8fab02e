// The responsible-technician register ("Cadastro de Responsável ",
// Resptec.db).
#pragma once

#include "TfoCadCodigoNome.h"

class TfoCadResptec : public TfoCadCodigoNome {
public:
    explicit TfoCadResptec(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr)
        : TfoCadCodigoNome("TfoCadResptec", "Cadastro de Responsável ", "Resptec", sessao, parent) {
    }
};
