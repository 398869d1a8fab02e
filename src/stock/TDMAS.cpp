#include "TDMAS.h"

TDMAS::TDMAS(SessaoBanco* sessao)
    : TNotai("NOTAI", sessao), TNotas("NOTAS", sessao), THistest("HISTEST", sessao) {
    TNotai.setIndice("AnoMes");
    TNotas.setMestre(&TNotai, "Filial;Num_Nota;Tipo_Nota;Cod_Clifor;DT_ENTRADA");
    THistest.setMestre(&TNotas, "Est_Hist");
}

TDMAS::~TDMAS() {
    THistest.setMestre(nullptr, QString());
    TNotas.setMestre(nullptr, QString());
}

void TDMAS::abrir() {
    for (Tabela* t : {&TNotai, &TNotas, &THistest})
        if (!t->ativo())
            t->abrir();
}

void TDMAS::fechar() {
    for (Tabela* t : {&THistest, &TNotas, &TNotai})
        t->fechar();
}

int TDMAS::paramHist() {
    return THistest.vazio() ? 0 : THistest.campo("Param_Hist").inteiro();
}
