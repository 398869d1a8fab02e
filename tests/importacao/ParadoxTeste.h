// Shared by the import tests and the child process they kill: the test
// table of every field type, its legacy Paradox layout and its rows.
#pragma once

#include "importacao/EscritorParadox.h"
#include "store/DefTabela.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QTime>

// The destination: one field of every stored type; Nome is narrower than
// the legacy field, and the legacy table has a column (Extra) it lacks.
inline void RegistrarTabelaTeste() {
    Definicao("TesteImp")
        .longInt("Codigo")
        .shortInt("Curto")
        .longInt("Longo")
        .number("Numero")
        .money("Valor")
        .texto("Nome", 12)
        .data("Dia")
        .hora("Hora")
        .dataHora("Momento")
        .logico("Ativo")
        .memo("Obs")
        .autoInc("Seq")
        .chave({"Codigo"})
        .registrar();
    Definicao("AAA").longInt("Codigo").texto("Nome", 20).chave({"Codigo"}).registrar();
}

inline std::vector<CampoParadox> CamposLegadoTeste() {
    return {{"Codigo", TipoParadox::Long, 4},      {"Curto", TipoParadox::Long, 4},
            {"Longo", TipoParadox::Long, 4},       {"Numero", TipoParadox::Numero, 8},
            {"Valor", TipoParadox::Moeda, 8},      {"Nome", TipoParadox::Alpha, 20},
            {"Dia", TipoParadox::Data, 4},         {"Hora", TipoParadox::Hora, 4},
            {"Momento", TipoParadox::DataHora, 8}, {"Ativo", TipoParadox::Logico, 1},
            {"Obs", TipoParadox::Memo, 15},        {"Seq", TipoParadox::AutoInc, 4},
            {"Extra", TipoParadox::Alpha, 10}};
}

// `linhas` rows of plain values, numbered from 1.
inline void EscreverTabelaGrande(const QString& pasta, int linhas) {
    EscritorParadox px(QDir(pasta).filePath("TesteImp.DB"), CamposLegadoTeste(), 850);
    for (int i = 1; i <= linhas; ++i)
        px.adicionar({i, i % 100, i, i * 0.5, i * 0.25, QString("Linha %1").arg(i),
                      QDate(2020, 1, 1).addDays(i % 1000), QTime(8, 0), QVariant(), i % 2 == 0,
                      QVariant(), i, QVariant()});
}
