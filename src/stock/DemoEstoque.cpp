#include "DemoEstoque.h"

#include "AtualizaSaldoMes.h"
#include "CalculaCustoMedio.h"
#include "Meses.h"
#include "TDMAS.h"
#include "services/Dinheiro.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"
#include "store/TransacaoBanco.h"

#include <QDate>
#include <QHash>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace {

struct Historico {
    int codigo;
    const char* descricao;
    int param;
    const char* atualizaProduto;
};

const Historico historicos[] = {
    {1, "COMPRA", 1, "S"},
    {2, "ENTRADA DE PRODUCAO", 2, "S"},
    {3, "AJUSTE DE INVENTARIO", 49, "N"},
    {4, "REMESSA P/ DEMONSTRACAO", 50, "N"},
    {51, "VENDA", 51, "S"},
    {52, "BAIXA DE MATERIA-PRIMA", 52, "N"},
};

// The paint sold by can: size, litres per can, opening cans in stock.
struct Lata {
    const char* tamanho;
    double litros;
    double estoque;
};
const int ProdutoComGrade = 9001;
const Lata latas[] = {{"QT", 0.9, 60}, {"GL", 3.6, 40}, {"LT", 18, 10}};

struct Movimento {
    int produto;
    double quantidade;
    const char* tamanho = "";
    int deposito = 1;
    bool custoInformado = false; // the cost typed on the item, freight included
};

struct Documento {
    int dia;
    int tipo;
    int historico;
    int clifor;
    std::vector<Movimento> itens;
};

// One month of a small paint maker; `mes` 0 to 2 varies the quantities.
std::vector<Documento> DocumentosDoMes(int mes) {
    std::vector<Documento> d = {
        {3, 1, 1, 5101, {{1001, 80}, {1002, 10.0 + 2 * mes}, {1003, 8}, {1005, 4}}},
        {10, 1, 1, 5102, {{2001, 150}, {2002, 50}, {2003, 200.0 + 20 * mes}}},
        {17, 1, 1, 5103, {{3001, 40}, {3003, 250}, {4001, 400}, {3004, 20, "", 1, true}}},
        {8, 3, 52, 0, {{2001, 120}, {2003, 150}, {4001, 300}, {1001, 60}, {3003, 200}, {1003, 6}}},
        {8,
         5,
         2,
         0,
         {{9001, 40, "QT"}, {9001, 30, "GL"}, {9001, 6, "LT"}, {9002, 200}, {9002, 50, "", 2}}},
        {22, 3, 52, 0, {{2002, 40}, {3001, 30}, {1002, 5}, {1005, 3}}},
        {22, 5, 2, 0, {{9003, 60.0 + 5 * mes}}},
        {5, 2, 51, 1, {{9001, 15, "QT"}, {9001, 10, "GL"}, {9002, 90}}},
        {12, 2, 51, 2, {{9002, 60}, {9003, 30}, {9001, 3, "LT"}}},
        {19, 2, 51, 3, {{9001, 12.0 + mes, "QT"}, {9001, 12, "GL"}, {9003, 20}, {9002, 20, "", 2}}},
        {26, 2, 51, 5001, {{9001, 2, "LT"}, {9002, 25}}},
    };
    if (mes == 1) {
        d.push_back({15, 4, 3, 0, {{1004, 2}}});
        d.push_back({16, 6, 4, 1, {{9003, 1}}});
    }
    return d;
}

struct DadosProduto {
    QString nome;
    double ultimoCusto = 0;
    double estoque = 0;
};

double Litros(int produto, const QString& tamanho) {
    if (produto == ProdutoComGrade)
        for (const Lata& l : latas)
            if (tamanho == QLatin1String(l.tamanho))
                return l.litros;
    return 1;
}

double Centavos(double valor) {
    return Dinheiro::deNumero(valor).arredondado2().numero();
}

// The branch and installation the stock routines read, for the run.
class SessaoDaFilial {
public:
    SessaoDaFilial(int filial, int fatModNf) : antes_(Sess()) {
        Sess().Filial = filial;
        Sess().FilialTexto = QString::number(filial);
        Sess().FatModNf = fatModNf;
    }
    ~SessaoDaFilial() { Sess() = antes_; }

private:
    DadosSessao antes_;
};

using Combinacao = std::tuple<int, QString, int>; // product, size, deposit

void CriarCadastros(const QString& banco, int filial) {
    Tabela hist("HISTEST");
    hist.setNomeBanco(banco);
    hist.abrir();
    for (const Historico& h : historicos) {
        if (hist.localizarChave({h.codigo}))
            continue;
        hist.incluir();
        hist.campo("Est_Hist").definir(h.codigo);
        hist.campo("DESCR_HIST").definir(h.descricao);
        hist.campo("ATUCADPROD").definir(h.atualizaProduto);
        hist.campo("CONVERSAO").definir(1.0);
        hist.campo("Param_Hist").definir(h.param);
        hist.gravar();
    }
    Tabela dep("DEPOSITO");
    dep.setNomeBanco(banco);
    dep.abrir();
    const std::pair<int, const char*> depositos[] = {{1, "DEPOSITO CENTRAL"},
                                                     {2, "LOJA - PRONTA ENTREGA"}};
    for (const auto& [codigo, nome] : depositos) {
        if (dep.localizarChave({filial, codigo}))
            continue;
        dep.incluir();
        dep.campo("Filial").definir(filial);
        dep.campo("Cod_Deposi").definir(codigo);
        dep.campo("DESC_DEPOS").definir(nome);
        dep.gravar();
    }
}

// The paint sold by can gets its sizes and their prices.
void CriarGrade(const QString& banco, int filial, const DadosProduto& tinta) {
    Tabela produtos("ESTPROMA");
    produtos.setNomeBanco(banco);
    produtos.abrir();
    if (produtos.localizarChave({filial, ProdutoComGrade})) {
        produtos.editar();
        produtos.campo("GRADE").definir("1");
        produtos.gravar();
    }
    Tabela tamanhos("Tamanho");
    tamanhos.setNomeBanco(banco);
    tamanhos.abrir();
    for (const Lata& l : latas) {
        if (tamanhos.localizarChave({filial, ProdutoComGrade, l.tamanho}))
            continue;
        tamanhos.incluir();
        tamanhos.campo("Filial").definir(filial);
        tamanhos.campo("Cod_Reduz").definir(ProdutoComGrade);
        tamanhos.campo("TAMANHO").definir(l.tamanho);
        tamanhos.campo("LISTA1").definir(Centavos(tinta.ultimoCusto * 1.8 * l.litros));
        tamanhos.gravar();
    }
}

} // namespace

void CriarDemoEstoque(const QString& banco, int filial) {
    CriarCadastros(banco, filial);

    Tabela notas("NOTAS");
    notas.setNomeBanco(banco);
    notas.definirFaixa({filial}, {filial});
    notas.abrir();
    if (!notas.vazio())
        return;

    Tabela filiais("Filial");
    filiais.setNomeBanco(banco);
    filiais.abrir();
    const int fatModNf = filiais.localizarChave({filial}) ? filiais.campo("FATMODNF").inteiro() : 0;
    SessaoDaFilial sessao(filial, fatModNf);

    std::map<int, DadosProduto> produtos;
    {
        Tabela t("ESTPROMA");
        t.setNomeBanco(banco);
        t.definirFaixa({filial}, {filial});
        t.abrir();
        for (; !t.eof(); t.proximo())
            produtos[t.campo("Cod_Reduz").inteiro()] = {t.campo("NOME1").texto(),
                                                        t.campo("ULTIMOCUST").numero(),
                                                        t.campo("QTD_FIS").numero()};
    }
    if (produtos.empty())
        return;
    CriarGrade(banco, filial, produtos[ProdutoComGrade]);

    const QDate hoje = Relogio::atual().hoje();
    const QDate primeiroMes = QDate(hoje.year(), hoje.month(), 1).addMonths(-3);

    // Every row the routines write joins one durable commit.
    TransacaoBanco tr(banco);

    // Opening balances: the month before the first, valued at the last cost.
    std::set<Combinacao> combinacoes;
    Tabela saldos("SLDPR");
    saldos.setNomeBanco(banco);
    saldos.abrir();
    const QString abertura = AnoMesDaData(primeiroMes.addMonths(-1));
    for (const auto& [codigo, p] : produtos) {
        std::vector<std::pair<QString, double>> linhas;
        if (codigo == ProdutoComGrade)
            for (const Lata& l : latas)
                linhas.push_back({l.tamanho, l.estoque});
        else
            linhas.push_back({QString(), p.estoque});
        for (const auto& [tamanho, quantidade] : linhas) {
            saldos.incluir();
            saldos.campo("Filial").definir(filial);
            saldos.campo("Ano_Mes").definir(abertura);
            saldos.campo("Cod_Reduz").definir(codigo);
            saldos.campo("Tamanho").definir(tamanho);
            saldos.campo("Cod_Deposi").definir(1);
            saldos.campo("Fisico").definir(quantidade);
            saldos.campo("Fisico2").definir(0.0);
            saldos.campo("Medio").definir(
                Centavos(quantidade * p.ultimoCusto * Litros(codigo, tamanho)));
            saldos.campo("Financeiro").definir(0.0);
            saldos.campo("Dolar").definir(0.0);
            saldos.gravar();
            combinacoes.insert({codigo, tamanho, 1});
        }
    }

    Tabela itens("NOTAI");
    itens.setNomeBanco(banco);
    itens.abrir();
    TDMAS dm;
    for (Tabela* t : {&dm.TNotai, &dm.TNotas, &dm.THistest})
        t->setNomeBanco(banco);
    Tabela cadastro("ESTPROMA");
    cadastro.setNomeBanco(banco);
    Tabela itensCursor("NOTAI");
    itensCursor.setNomeBanco(banco);
    QHash<int, int> classe;
    for (const Historico& h : historicos)
        classe.insert(h.codigo, h.param);

    for (int m = 0; m < 3; ++m) {
        const QDate mes = primeiroMes.addMonths(m);
        const double reajuste = 1 + 0.03 * m;
        int numero = 0;
        for (const Documento& doc : DocumentosDoMes(m)) {
            const QDate data(mes.year(), mes.month(), doc.dia);
            const int numNota = 1000 * filial + 100 * (m + 1) + ++numero;
            notas.incluir();
            notas.campo("Filial").definir(filial);
            notas.campo("Num_Nota").definir(numNota);
            notas.campo("Tipo_Nota").definir(doc.tipo);
            notas.campo("Cod_Clifor").definir(doc.clifor);
            notas.campo("DT_ENTRADA").definir(data);
            notas.campo("DT_EMISSAO").definir(data);
            notas.campo("Est_Hist").definir(doc.historico);
            notas.campo("COMPLNATOP").definir("O");
            notas.campo("SISTEMA").definir("E");
            notas.campo("SERIE").definir("1");
            double total = 0;
            int numItem = 0;
            for (const Movimento& mv : doc.itens) {
                if (!produtos.count(mv.produto))
                    continue; // a register without that product
                const DadosProduto& p = produtos[mv.produto];
                const bool entradaComprada = doc.historico == 1;
                const bool venda = doc.historico == 51;
                const double unitario = Centavos(p.ultimoCusto * Litros(mv.produto, mv.tamanho) *
                                                 (venda             ? 1.8
                                                  : entradaComprada ? reajuste
                                                                    : 1.0));
                const double valor = Centavos(mv.quantidade * unitario);
                total += valor;
                itens.incluir();
                itens.campo("Filial").definir(filial);
                itens.campo("Num_Nota").definir(numNota);
                itens.campo("Tipo_Nota").definir(doc.tipo);
                itens.campo("Cod_Clifor").definir(doc.clifor);
                itens.campo("DT_ENTRADA").definir(data);
                itens.campo("Num_Item").definir(++numItem);
                itens.campo("Parametro").definir(classe.value(doc.historico));
                itens.campo("Cod_Reduz").definir(mv.produto);
                itens.campo("Cod_Deposi").definir(mv.deposito);
                itens.campo("ANO_MES").definir(AnoMesDaData(data));
                itens.campo("TAMANHO").definir(QString::fromLatin1(mv.tamanho));
                itens.campo("DESCR_PROD").definir(p.nome);
                itens.campo("QUANTIDADE").definir(mv.quantidade);
                itens.campo("PRECO_UNIT").definir(unitario);
                itens.campo("BT_ICMS").definir(valor);
                itens.campo("ULTIMOCUST").definir(p.ultimoCusto);
                if (entradaComprada)
                    itens.campo("VLR_CUSTO").definir(valor);
                if (mv.custoInformado)
                    itens.campo("CUSTO_INF").definir(Centavos(valor * 1.05));
                itens.gravar();
                combinacoes.insert({mv.produto, QString::fromLatin1(mv.tamanho), mv.deposito});
            }
            notas.campo("VLR_NOTA").definir(Centavos(total));
            notas.campo("BT_ICMS").definir(Centavos(total));
            notas.gravar();
        }

        const QString anoMes = AnoMesDaData(mes);
        const bool ultimo = m == 2;
        for (const auto& [codigo, tamanho, deposito] : combinacoes)
            if (!AtualizaSaldoMes(dm, saldos, cadastro, anoMes, codigo, tamanho, deposito,
                                  ultimo && tamanho.isEmpty() && deposito == 1, false))
                throw ErroBanco("saldo de " + anoMes + " do produto " + QString::number(codigo));
        const ResultadoCustoMedio r =
            CalculaCustoMedio(MesAnoDeAnoMes(anoMes), produtos.begin()->first,
                              produtos.rbegin()->first, {itensCursor, cadastro, saldos});
        if (!r.concluido)
            throw ErroBanco("custo medio de " + anoMes);
    }

    // The demonstration months stay open to recomputation.
    if (filiais.localizarChave({filial})) {
        filiais.editar();
        filiais.campo("DATAPROCES").definir(primeiroMes);
        filiais.gravar();
    }
    Tabela estoque("Estoqcfg");
    estoque.setNomeBanco(banco);
    estoque.abrir();
    if (estoque.localizarChave({filial})) {
        estoque.editar();
        estoque.campo("Data").definir(primeiroMes);
        estoque.gravar();
    }
    tr.confirmar();
}
