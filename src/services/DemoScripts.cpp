#include "DemoScripts.h"

#include "store/Tabela.h"

#include <QVariantList>
#include <initializer_list>

namespace {
void inserir(const QString& banco, const QString& tabela, const QStringList& campos,
             std::initializer_list<QVariantList> linhas) {
    Tabela t(tabela);
    t.setNomeBanco(banco);
    t.abrir();
    for (const QVariantList& linha : linhas) {
        if (t.localizarChave({linha.first()}))
            continue;
        t.incluir();
        for (int i = 0; i < campos.size(); ++i)
            t.campo(campos[i]).definir(linha[i]);
        t.gravar();
    }
}
} // namespace

void CriarDemoScripts(const QString& banco) {
    inserir(banco, "Tipod_cc", {"TDoc_Cod", "Descricao", "LancaContabil"},
            {
                {1, "DUPLICATA", "N"},
                {2, "CHEQUE", "N"},
                {3, "BOLETO", "N"},
                {4, "ADIANTAMENTO", "S"},
            });
    inserir(banco, "Natuoper", {"Cod_NatOpe", "Descricao", "ICMS", "ICMS_SIMPLES", "Issqn"},
            {
                {5101, "VENDA DE PRODUCAO DO ESTABELECIMENTO", "T", "N", "N"},
                {5102, "VENDA DE MERCADORIA DE TERCEIROS", "T", "N", "N"},
                {5124, "INDUSTRIALIZACAO EFETUADA PARA OUTRA EMPRESA", "N", "N", "N"},
                {6101, "VENDA DE PRODUCAO FORA DO ESTADO", "T", "N", "N"},
                {6102, "VENDA DE MERCADORIA FORA DO ESTADO", "T", "N", "N"},
                {6124, "INDUSTRIALIZACAO PARA OUTRO ESTADO", "N", "N", "N"},
                {6933, "PRESTACAO DE SERVICO FORA DO ESTADO", "N", "N", "N"},
            });
    inserir(banco, "ModelosNotasFiscais", {"Codigo", "Descricao", "CodigoTabSpedPisCofins"},
            {
                {"01", "Nota fiscal modelo 1/1A", ""},
                {"55", "Nota fiscal eletronica", ""},
            });
}
