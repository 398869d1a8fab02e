// The tinting-machine register ("Cadastro de Matizadores", Matizador.db).
#pragma once

#include "TfoCadCodigoNome.h"

class TFoCadMatizador : public TfoCadCodigoNome {
public:
    explicit TFoCadMatizador(SessaoBanco* sessao = nullptr, QWidget* parent = nullptr)
        : TfoCadCodigoNome("TFoCadMatizador", "Cadastro de Matizadores", "Matizador", sessao,
                           parent) {}
};
