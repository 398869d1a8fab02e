#include "TDMMovEst.h"

#include "ExclusaoNotas.h"
#include "ExecutarEmTransacao.h"
#include "session/Sessao.h"

TDMMovEst::TDMMovEst(SessaoBanco* sessao)
    : TNotas("NOTAS", sessao), TNotai("NOTAI", sessao), TNotas3("NOTAS3", sessao),
      TNotai3("NOTAI3", sessao), THistest("HISTEST", sessao), TDeposito("DEPOSITO", sessao),
      TSldpr("SLDPR", sessao) {
    TNotai.setMestre(&TNotas, "Filial;Num_Nota;Tipo_Nota;Cod_Clifor;DT_ENTRADA");
    TDeposito.setIndice("DESC_DEPOS");
}

TDMMovEst::~TDMMovEst() {
    TNotai.setMestre(nullptr, QString());
}

void TDMMovEst::abrir() {
    fechar();
    const int filial = Sess().Filial;
    for (Tabela* t : {&TNotas, &TNotas3, &TNotai3, &TDeposito, &TSldpr})
        t->definirFaixa({filial}, {filial});
    for (Tabela* t : {&TNotas, &TNotai, &TNotas3, &TNotai3, &THistest, &TDeposito, &TSldpr})
        t->abrir();
}

void TDMMovEst::fechar() {
    for (Tabela* t : {&TNotai, &TNotas, &TNotas3, &TNotai3, &THistest, &TDeposito, &TSldpr})
        t->fechar();
}

bool TDMMovEst::ExcluirNota() {
    return ExecutarEmTransacao(TNotas, {&TNotas}, [this] {
        ExigirLinha(TNotas);
        ExcluirLinhas(TNotas, "NOTAS3", ChaveNota(TNotas));
        TNotas.excluir();
    });
}

bool TDMMovEst::ExcluirItem() {
    return ExecutarEmTransacao(TNotai, {&TNotai}, [this] {
        ExigirLinha(TNotai);
        const QVariantList chave = ChaveItem(TNotai);
        ExcluirDetalhesItem(TNotai, chave);
        ExcluirLinhas(TNotai, "NOTAI3", chave);
        TNotai.excluir();
    });
}

bool TDMMovEst::ExcluirNotai3() {
    return ExecutarEmTransacao(TNotai3, {&TNotai3}, [this] {
        ExigirLinha(TNotai3);
        ExcluirDetalhesItem(TNotai3, ChaveItem(TNotai3));
        TNotai3.excluir();
    });
}
