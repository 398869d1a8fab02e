// A branch ready for the raw-material write-off: history codes 51 (sale),
// 52 (write-off) and 53 (another exit), raw materials, formulas "10" (A 75 %
// and B 25 %), "20" (three components), "30" (two) and "40" (three thirds),
// and helpers that write sales notes and render the write-off notes whole.
#pragma once

#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "BaixaMateriaPrima.h"
#include "session/Sessao.h"
#include "store/TransacaoBanco.h"

#include <vector>

class BaixaTeste : public InstalacaoTeste {
protected:
    static constexpr int Fornecedor = 5101;
    using Valores = std::vector<std::pair<const char*, QVariant>>;

    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        Povoar("Orvalo");
    }

    static void Linha(const QString& tabela, const Valores& valores,
                      const QString& banco = "Orvalo") {
        Tabela t(tabela);
        t.setNomeBanco(banco);
        t.abrir();
        t.incluir();
        for (const auto& [campo, valor] : valores)
            t.campo(campo).definir(valor);
        t.gravar();
    }

    static void Povoar(const QString& banco) {
        for (int codigo : {51, 52, 53})
            Linha("HISTEST", {{"Est_Hist", codigo}, {"Param_Hist", codigo}}, banco);
        const std::pair<int, const char*> produtos[] = {{1001, "DIOXIDO DE TITANIO"},
                                                        {1002, "OXIDO VERMELHO"},
                                                        {1003, "CARBONATO"},
                                                        {2001, "RESINA"},
                                                        {2002, "AGUA"},
                                                        {9001, "TINTA ACRILICA"}};
        for (const auto& [codigo, nome] : produtos)
            Linha("ESTPROMA", {{"Filial", 1}, {"Cod_Reduz", codigo}, {"NOME1", nome}}, banco);
        const std::pair<const char*, std::vector<std::pair<int, double>>> formulas[] = {
            {"10", {{1001, 75}, {1002, 25}}},
            {"20", {{1001, 50}, {1002, 30}, {1003, 20}}},
            {"30", {{2001, 60}, {2002, 40}}},
            {"40", {{1001, 33.3333}, {1002, 33.3333}, {1003, 33.3334}}}};
        for (const auto& [numero, componentes] : formulas) {
            Linha("Formula", {{"Filial", 1}, {"Formula", numero}}, banco);
            int ordem = 0;
            for (const auto& [produto, percentual] : componentes)
                Linha("Formulai",
                      {{"Filial", 1},
                       {"Formula", numero},
                       {"OrdComp", ++ordem},
                       {"Componente", produto},
                       {"Percentual", percentual}},
                      banco);
        }
    }

    struct Vendido {
        QString formula;
        double quantidade;
    };

    // A sales note (type 1 unless told) of customer 7 with its items.
    static void Venda(int numero, const QDate& data, const std::vector<Vendido>& itens,
                      int historico = 51, int tipo = 1, const QString& banco = "Orvalo") {
        const Valores chave = {{"Filial", 1},
                               {"Num_Nota", numero},
                               {"Tipo_Nota", tipo},
                               {"Cod_Clifor", 7},
                               {"DT_ENTRADA", data}};
        Valores nota = chave;
        nota.push_back({"Est_Hist", historico});
        Linha("NOTAS", nota, banco);
        int n = 0;
        for (const Vendido& v : itens) {
            Valores item = chave;
            item.insert(item.end(), {{"Num_Item", ++n},
                                     {"Cod_Reduz", 9001},
                                     {"FORMULA", v.formula},
                                     {"QUANTIDADE", v.quantidade}});
            Linha("NOTAI", item, banco);
        }
    }

    static ParametrosBaixa Periodo(const QDate& inicio, const QDate& fim) {
        ParametrosBaixa p;
        p.dataInicial = inicio;
        p.dataFinal = fim;
        p.historicoVenda = 51;
        p.historicoBaixa = 52;
        p.fornecedor = Fornecedor;
        return p;
    }

    // Every type 3 header, then every type 3 item, one line each.
    static QString Baixas(const QString& banco = "Orvalo") {
        const QStringList campos[] = {{"Num_Nota", "Cod_Clifor", "DT_ENTRADA", "Est_Hist",
                                       "SISTEMA", "DT_LANCAM", "DT_EMISSAO", "OBSERVACAO"},
                                      {"Num_Nota", "Cod_Clifor", "DT_ENTRADA", "Num_Item",
                                       "Cod_Reduz", "DESCR_PROD", "QUANTIDADE", "Parametro",
                                       "Cod_Deposi", "DT_LANCAM", "ANO_MES"}};
        QStringList r;
        for (int i = 0; i < 2; ++i) {
            Tabela t(i == 0 ? "NOTAS" : "NOTAI");
            t.setNomeBanco(banco);
            t.setFiltro("Tipo_Nota = 3");
            t.abrir();
            for (; !t.eof(); t.proximo()) {
                QStringList v;
                for (const QString& c : campos[i])
                    v << t.campo(c).texto();
                r << (i == 0 ? "" : "  ") + v.join('|');
            }
        }
        return r.join('\n');
    }
};
