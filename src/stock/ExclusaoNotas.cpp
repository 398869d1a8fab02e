#include "ExclusaoNotas.h"

#include "store/ErroBanco.h"
#include "store/Tabela.h"

QVariantList ChaveNota(Tabela& t) {
    return {t.campo("Filial").valor(), t.campo("Num_Nota").valor(), t.campo("Tipo_Nota").valor(),
            t.campo("Cod_Clifor").valor(), t.campo("DT_ENTRADA").valor()};
}

QVariantList ChaveItem(Tabela& t) {
    return ChaveNota(t) << t.campo("Num_Item").valor();
}

void ExigirLinha(Tabela& t) {
    if (t.vazio())
        throw ErroBanco("Cannot perform this operation on an empty dataset");
}

void ExcluirLinhas(ConjuntoDados& base, const QString& tabela, const QVariantList& chave) {
    Tabela t(tabela, &base.sessao());
    t.setNomeBanco(base.nomeBanco());
    t.definirFaixa(chave, chave);
    t.abrir();
    while (!t.vazio())
        t.excluir();
}

void ExcluirDetalhesItem(ConjuntoDados& base, const QVariantList& chaveItem) {
    for (const char* tabela : {"nfe_notai_veic", "nfe_notai_medicamentos", "Nfe_notai_imp"})
        ExcluirLinhas(base, tabela, chaveItem);
}

void ExcluirDocumento(ConjuntoDados& base, const QVariantList& chaveNota) {
    // The detail tables lead with the item key, so the header's five
    // fields reach the rows of every item at once.
    ExcluirDetalhesItem(base, chaveNota);
    ExcluirLinhas(base, "NOTAI3", chaveNota);
    ExcluirLinhas(base, "NOTAI", chaveNota);
    ExcluirLinhas(base, "NOTAS3", chaveNota);
    ExcluirLinhas(base, "NOTAS", chaveNota);
}
