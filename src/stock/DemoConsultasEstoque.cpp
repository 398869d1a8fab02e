#include "DemoConsultasEstoque.h"

#include "CalculaCustoMedio.h"
#include "Meses.h"
#include "session/Relogio.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"
#include "store/TransacaoBanco.h"

#include <QDate>
#include <initializer_list>

namespace {

struct Pedido {
    const char* sistema;
    int numero;
    const char* tipo;
    int clifor;
    int produto;
    double quantidade, entregue;
};

const Pedido pedidos[] = {
    {"0", 1, "VAL", 1, 9002, 30, 10},   {"0", 2, "RES", 2, 9002, 25, 0},
    {"0", 3, "PED", 3, 9002, 40, 15},   {"0", 4, "RES", 5001, 9003, 12, 0},
    {"1", 5, "", 5102, 2001, 300, 100}, {"1", 6, "", 5101, 1001, 80, 0},
};

const std::pair<int, const char*> cores[] = {
    {1, "BRANCO NEVE"}, {3, "AZUL SERRA"}, {7, "VERDE MUSGO"}, {12, "CINZA GRAFITE"}};

// The paint of the colour store, by colour and can size: cans in stock.
struct Cor {
    int codigo;
    double qt, gl, lt;
};
const int TintaPorCor = 9001;
const Cor estoquePorCor[] = {{3, 10, 6, 2}, {7, 8, 0, 1}, {12, 5, 4, 0}};

void Inserir(Tabela& t, std::initializer_list<std::pair<const char*, QVariant>> valores) {
    t.incluir();
    for (const auto& [campo, valor] : valores)
        t.campo(campo).definir(valor);
    t.gravar();
}

// A store whose Cod_Deposi holds the colour (installation 132): the
// paint's balances by colour and size in the two last months, unchanged by
// movements, and cans out on approval (histories 54 and 55, which leave
// the balance alone).
void CriarLojaPorCor(const QString& banco, int filial) {
    Tabela saldos("SLDPR"), notas("NOTAS"), itens("NOTAI"), historicos("HISTEST");
    for (Tabela* t : {&saldos, &notas, &itens, &historicos}) {
        t->setNomeBanco(banco);
        t->abrir();
    }
    for (const auto& [codigo, descricao] :
         {std::pair{54, "SAIDA EM CONDICIONAL"}, std::pair{55, "CONDICIONAL DE LOJA"}})
        if (!historicos.localizarChave({codigo}))
            Inserir(historicos, {{"Est_Hist", codigo},
                                 {"DESCR_HIST", descricao},
                                 {"CONVERSAO", 1.0},
                                 {"Param_Hist", 50}});
    const QDate hoje = Relogio::atual().hoje();
    const QDate mes(hoje.year(), hoje.month(), 1);
    for (const QDate& m : {mes.addMonths(-1), mes})
        for (const Cor& c : estoquePorCor)
            for (const auto& [tamanho, latas] :
                 {std::pair{"QT", c.qt}, std::pair{"GL", c.gl}, std::pair{"LT", c.lt}}) {
                if (saldos.localizarChave(
                        {filial, AnoMesDaData(m), TintaPorCor, tamanho, c.codigo}))
                    continue;
                Inserir(saldos, {{"Filial", filial},
                                 {"Ano_Mes", AnoMesDaData(m)},
                                 {"Cod_Reduz", TintaPorCor},
                                 {"Tamanho", tamanho},
                                 {"Cod_Deposi", c.codigo},
                                 {"Fisico", latas},
                                 {"Fisico2", 0.0},
                                 {"Medio", 0.0},
                                 {"Financeiro", 0.0},
                                 {"Dolar", 0.0}});
            }
    const struct {
        int nota, historico, clifor, cor;
        const char* tamanho;
        double latas;
    } condicionais[] = {
        {9501, 54, 1, 3, "GL", 2}, {9502, 55, 2, 7, "QT", 3}, {9502, 55, 2, 12, "QT", 4}};
    const QDate dia = mes.addDays(std::min(hoje.day(), 3) - 1);
    int numItem = 0;
    for (const auto& c : condicionais) {
        if (!notas.localizarChave({filial, c.nota, 2, c.clifor, dia}))
            Inserir(notas, {{"Filial", filial},
                            {"Num_Nota", c.nota},
                            {"Tipo_Nota", 2},
                            {"Cod_Clifor", c.clifor},
                            {"DT_ENTRADA", dia},
                            {"DT_EMISSAO", dia},
                            {"Est_Hist", c.historico},
                            {"COMPLNATOP", "O"}});
        if (itens.localizarChave({filial, c.nota, 2, c.clifor, dia, ++numItem}))
            continue;
        Inserir(itens, {{"Filial", filial},
                        {"Num_Nota", c.nota},
                        {"Tipo_Nota", 2},
                        {"Cod_Clifor", c.clifor},
                        {"DT_ENTRADA", dia},
                        {"Num_Item", numItem},
                        {"Cod_Reduz", TintaPorCor},
                        {"Cod_Deposi", c.cor},
                        {"ANO_MES", AnoMesDaData(dia)},
                        {"TAMANHO", c.tamanho},
                        {"DESCR_PROD", "TINTA ACRILICA POR COR"},
                        {"QUANTIDADE", c.latas}});
    }
}

// This month's small write-offs of the titanium dioxide, more than a card
// page holds, with the month's balance made by the average cost routine.
void CriarBaixasDoMes(const QString& banco, int filial) {
    const int produto = 1001;
    Tabela saldos("SLDPR"), notas("NOTAS"), itens("NOTAI"), produtos("ESTPROMA");
    for (Tabela* t : {&saldos, &notas, &itens, &produtos}) {
        t->setNomeBanco(banco);
        t->abrir();
    }
    const QDate hoje = Relogio::atual().hoje();
    const QString anoMes = AnoMesDaData(hoje);
    if (!produtos.localizarChave({filial, produto}) ||
        saldos.localizarChave({filial, anoMes, produto, QString(), 1}))
        return;
    const QString nome = produtos.campo("NOME1").texto();
    for (int n = 0; n < 14; ++n) {
        const QDate dia(hoje.year(), hoje.month(), 1 + n * hoje.day() / 14);
        const int numero = 9601 + n;
        Inserir(notas, {{"Filial", filial},
                        {"Num_Nota", numero},
                        {"Tipo_Nota", 3},
                        {"Cod_Clifor", 0},
                        {"DT_ENTRADA", dia},
                        {"DT_EMISSAO", dia},
                        {"Est_Hist", 52},
                        {"COMPLNATOP", "O"},
                        {"SISTEMA", "E"}});
        Inserir(itens, {{"Filial", filial},
                        {"Num_Nota", numero},
                        {"Tipo_Nota", 3},
                        {"Cod_Clifor", 0},
                        {"DT_ENTRADA", dia},
                        {"Num_Item", 1},
                        {"Parametro", 52},
                        {"Cod_Reduz", produto},
                        {"Cod_Deposi", 1},
                        {"ANO_MES", anoMes},
                        {"DESCR_PROD", nome},
                        {"QUANTIDADE", 2.5 + n % 4}});
    }
    Inserir(saldos, {{"Filial", filial},
                     {"Ano_Mes", anoMes},
                     {"Cod_Reduz", produto},
                     {"Cod_Deposi", 1},
                     {"Fisico", 0.0},
                     {"Fisico2", 0.0},
                     {"Medio", 0.0},
                     {"Financeiro", 0.0},
                     {"Dolar", 0.0}});
    if (!CalculaCustoMedio(MesAnoDeAnoMes(anoMes), produto, produto, {itens, produtos, saldos})
             .concluido)
        throw ErroBanco("custo medio de " + anoMes);
}

} // namespace

void CriarDemoConsultasEstoque(const QString& banco, int filial) {
    Tabela cabecalhos("PDCPS"), itens("PDCPI"), produtos("ESTPROMA"), tabelaCores("Cores");
    for (Tabela* t : {&cabecalhos, &itens, &produtos, &tabelaCores}) {
        t->setNomeBanco(banco);
        t->abrir();
    }
    TransacaoBanco tr(banco);
    const QDate hoje = Relogio::atual().hoje();
    for (const Pedido& p : pedidos) {
        if (!produtos.localizarChave({filial, p.produto}) ||
            cabecalhos.localizarChave({filial, p.sistema, p.numero, p.clifor}))
            continue;
        cabecalhos.incluir();
        cabecalhos.campo("Filial").definir(filial);
        cabecalhos.campo("SISTEMA").definir(p.sistema);
        cabecalhos.campo("Num_PdCp").definir(p.numero);
        cabecalhos.campo("Cod_Clifor").definir(p.clifor);
        cabecalhos.campo("Tipo").definir(p.tipo);
        cabecalhos.campo("DT_EMISSAO").definir(hoje.addDays(-p.numero));
        cabecalhos.gravar();
        itens.incluir();
        itens.campo("Filial").definir(filial);
        itens.campo("SISTEMA").definir(p.sistema);
        itens.campo("Num_Pdcp").definir(p.numero);
        itens.campo("Cod_Clifor").definir(p.clifor);
        itens.campo("Num_Item").definir(1);
        itens.campo("Cod_Reduz").definir(p.produto);
        itens.campo("Cod_Deposi").definir(1);
        itens.campo("DESCR_PROD").definir(produtos.campo("NOME1").texto());
        itens.campo("QUANTIDADE").definir(p.quantidade);
        itens.campo("QT_ENTREGE").definir(p.entregue);
        itens.campo("QT_CANCELA").definir(0.0);
        itens.gravar();
    }
    for (const auto& [codigo, descricao] : cores) {
        if (tabelaCores.localizarChave({codigo}))
            continue;
        tabelaCores.incluir();
        tabelaCores.campo("Codigo").definir(codigo);
        tabelaCores.campo("Descricao").definir(descricao);
        tabelaCores.gravar();
    }
    CriarBaixasDoMes(banco, filial);
    Tabela filiais("Filial");
    filiais.setNomeBanco(banco);
    filiais.abrir();
    if (filiais.localizarChave({filial}) && filiais.campo("FATMODNF").inteiro() == 132 &&
        produtos.localizarChave({filial, TintaPorCor}))
        CriarLojaPorCor(banco, filial);
    tr.confirmar();
}
