// The size catalogue (TAMANHOS): every size text any product uses, under a
// code from 1 to 999 given in order of arrival, the lowest free first.
#pragma once

#include <QString>

class SessaoBanco;

// The highest code the catalogue gives.
inline constexpr int UltimoCodigoTamanho = 999;

// The lowest code from 1 upward that no row holds (may be above 999).
int CodigoLivreTamanho(SessaoBanco* sessao = nullptr);

// Adds the size when the catalogue lacks it: true with its new code in
// `codigo`. False when it was there already, or after "Não há mais código
// disponível para tamanho. Contate imediatamente a Orvalo Informática!"
// when every code is taken. Throws ErroBanco.
bool AdicionarTamanhoCatalogo(const QString& tamanho, int& codigo, SessaoBanco* sessao = nullptr);
