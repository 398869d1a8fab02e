// libFuzzer target for the legacy SQL translator and the cursor filter
// parser: any input must give a translation or an ErroBanco, never a
// crash, a hang or undefined behaviour.
#include "store/DialetoSql.h"
#include "store/ErroBanco.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString texto =
        QString::fromUtf8(reinterpret_cast<const char*>(dados), qsizetype(tamanho));
    auto tabela = [](const QString& nome) {
        return DialetoSql::Referencia{
            "T_" + QString::number(nome.size()), {"CODIGO", "DATA", "NOME"}, {"DATA"}};
    };
    try {
        DialetoSql::traduzir(texto, tabela);
        DialetoSql::traduzir(texto, tabela, DialetoSql::Alvo::Postgres);
    } catch (const ErroBanco&) {
    }
    try {
        DialetoSql::traduzirExpressao(texto, {"", {"Codigo", "Data", "Nome"}, {"DATA"}});
        DialetoSql::traduzirExpressao(texto, {"", {"Codigo", "Data", "Nome"}, {"DATA"}},
                                      DialetoSql::Alvo::Postgres);
    } catch (const ErroBanco&) {
    }
    return 0;
}
