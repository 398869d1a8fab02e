// A stock installation for tests: branch 1 selected, history codes of
// every class, and helpers that write documents, items, balance rows and
// products the way the suite stores them.
#pragma once

#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "session/Sessao.h"
#include "store/Tabela.h"

#include <QDate>
#include <utility>
#include <vector>

using ValoresLinha = std::vector<std::pair<const char*, QVariant>>;

inline void InserirLinha(const QString& tabela, const ValoresLinha& valores,
                         SessaoBanco* sessao = nullptr) {
    Tabela t(tabela, sessao);
    t.abrir();
    t.incluir();
    for (const auto& [campo, valor] : valores)
        t.campo(campo).definir(valor);
    t.gravar();
}

class EstoqueTeste : public InstalacaoTeste {
protected:
    // History codes named after their class: 1 entry, 2 entry at the
    // average, 49 quantity only, 50 nothing, 60 exit.
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        Sess().FilialTexto = "1";
        for (int p : {1, 2, 49, 50, 60})
            InserirLinha("HISTEST", {{"Est_Hist", p},
                                     {"DESCR_HIST", "CLASSE " + QString::number(p)},
                                     {"Param_Hist", p}});
    }

    static void Produto(int codigo, double ultimoCusto = 0, double custoMedio = 0,
                        const QString& classificacao = "010010001001000001") {
        InserirLinha("ESTPROMA", {{"Filial", 1},
                                  {"Cod_Reduz", codigo},
                                  {"Nivel1", classificacao.mid(0, 2)},
                                  {"Nivel2", classificacao.mid(2, 3)},
                                  {"Nivel3", classificacao.mid(5, 4)},
                                  {"Nivel4", classificacao.mid(9, 3)},
                                  {"Nivel5", classificacao.mid(12, 6)},
                                  {"Nivel6", QString::asprintf("%6.6d", codigo)},
                                  {"NOME1", "PRODUTO " + QString::number(codigo)},
                                  {"ULTIMOCUST", ultimoCusto},
                                  {"CustoMedio", custoMedio}});
    }

    static void Nota(int numero, const QDate& data, int historico, int tipo = 1, int clifor = 10,
                     const QString& complemento = "O") {
        InserirLinha("NOTAS", {{"Filial", 1},
                               {"Num_Nota", numero},
                               {"Tipo_Nota", tipo},
                               {"Cod_Clifor", clifor},
                               {"DT_ENTRADA", data},
                               {"Est_Hist", historico},
                               {"COMPLNATOP", complemento}});
    }

    struct Item {
        int nota;
        QDate data;
        int produto;
        double quantidade;
        double vlrCusto = 0;
        double custoInf = 0;
        QString tamanho = QString();
        int deposito = 1;
        double quantidade2 = 0;
        int numItem = 1;
        int tipo = 1;
        int clifor = 10;
    };

    static void Itens(std::initializer_list<Item> itens) {
        Tabela t("NOTAI");
        t.abrir();
        for (const Item& i : itens) {
            t.incluir();
            const std::pair<const char*, QVariant> valores[] = {
                {"Filial", 1},
                {"Num_Nota", i.nota},
                {"Tipo_Nota", i.tipo},
                {"Cod_Clifor", i.clifor},
                {"DT_ENTRADA", i.data},
                {"Num_Item", i.numItem},
                {"Cod_Reduz", i.produto},
                {"Cod_Deposi", i.deposito},
                {"ANO_MES", i.data.toString("yyyyMM")},
                {"TAMANHO", i.tamanho},
                {"QUANTIDADE", i.quantidade},
                {"Quantidade2", i.quantidade2},
                {"VLR_CUSTO", i.vlrCusto},
                {"VLR_MEDIO", 0.0},
                {"CUSTO_INF", i.custoInf},
            };
            for (const auto& [campo, valor] : valores)
                t.campo(campo).definir(valor);
            t.gravar();
        }
    }

    static void Saldo(const QString& anoMes, int produto, double fisico, double medio,
                      const QString& tamanho = QString(), int deposito = 1, double fisico2 = 0) {
        InserirLinha("SLDPR", {{"Filial", 1},
                               {"Ano_Mes", anoMes},
                               {"Cod_Reduz", produto},
                               {"Tamanho", tamanho},
                               {"Cod_Deposi", deposito},
                               {"Fisico", fisico},
                               {"Fisico2", fisico2},
                               {"Medio", medio},
                               {"Financeiro", 0.0},
                               {"Dolar", 0.0}});
    }

    // "Ano_Mes|Cod_Reduz|Tamanho|Cod_Deposi|Fisico|Fisico2|Medio" per row.
    static QString Saldos() {
        return Colunas("SLDPR", {"Ano_Mes", "Cod_Reduz", "Tamanho", "Cod_Deposi", "Fisico",
                                 "Fisico2", "Medio"});
    }

    // "Num_Nota/Num_Item VLR_CUSTO VLR_MEDIO" per item, in key order.
    static QString CustosItens() {
        Tabela t("NOTAI");
        t.abrir();
        QStringList r;
        for (; !t.eof(); t.proximo())
            r << t.campo("Num_Nota").texto() + "/" + t.campo("Num_Item").texto() + " " +
                     t.campo("VLR_CUSTO").texto() + " " + t.campo("VLR_MEDIO").texto();
        return r.join('\n');
    }

    static QString Colunas(const QString& tabela, const QStringList& campos) {
        Tabela t(tabela);
        t.abrir();
        QStringList r;
        for (; !t.eof(); t.proximo()) {
            QStringList v;
            for (const QString& c : campos)
                v << t.campo(c).texto();
            r << v.join('|');
        }
        return r.join('\n');
    }

    static double CampoProduto(int codigo, const char* campo) {
        Tabela t("ESTPROMA");
        t.abrir();
        return t.localizarChave({1, codigo}) ? t.campo(campo).numero() : -1;
    }
};
