// "Grava Custo na Lista 6": every product, of every branch, that has no
// dollar cost (LISTA6 empty) receives its last cost (ULTIMOCUST). A
// LISTA6 already set, zero included, is left alone, so a second run
// changes nothing.
#pragma once

class SessaoBanco;

// Asks "Confirma atualização ?" (Yes/No), runs the update and shows
// "Processo de atualização finalizado". False on No, or after the store's
// text when the statement is refused (then nothing was changed).
bool GravarCustoLista6(SessaoBanco* sessao = nullptr);
