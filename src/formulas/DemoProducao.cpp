#include "DemoProducao.h"

#include "session/Relogio.h"
#include "session/Sessao.h"
#include "stock/AtualizaSaldoMes.h"
#include "stock/CalculaCustoMedio.h"
#include "stock/Meses.h"
#include "stock/TDMAS.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"
#include "store/TransacaoBanco.h"

#include <QDate>
#include <cmath>
#include <vector>

namespace {

const std::pair<int, const char*> aplicacoes[] = {
    {1, "PRE-MISTURA"}, {2, "DISPERSAO"}, {3, "COMPLETAGEM"}, {4, "ACERTO DE COR"}};

struct OrdemServico {
    int numero;
    int item;
    int pedido;
    int cliente;
    int produto;
    int programa;
    int dia; // of this month
};

const OrdemServico ordens[] = {
    {12, 1, 3101, 1, 9002, 501, 10},
    {12, 2, 3101, 1, 9002, 501, 10},
    {13, 1, 3102, 2, 9003, 502, 14},
    {14, 1, 3103, 3, 9002, 0, 20},
};

struct ComponenteOS {
    int numero;
    int ordem;
    int produto;
    double quantidade;
    int aplicacao;
    const char* utilizacao;
    const char* observacao;
};

const ComponenteOS componentesOS[] = {
    {12, 1, 2003, 50, 1, "BASE", "PESAR ANTES DOS SOLIDOS"},
    {12, 2, 4001, 40, 2, "CARGA", ""},
    {12, 3, 3003, 80, 3, "DILUENTE", "ADICIONAR AOS POUCOS"},
    {12, 4, 1004, 0.4, 4, "TINGIMENTO", "CONFERIR COM O PADRAO"},
    {13, 1, 2002, 60, 1, "RESINA", ""},
    {13, 2, 3001, 18, 3, "SOLVENTE", ""},
    {13, 3, 1002, 0.6, 4, "TINGIMENTO", ""},
};

struct ItemVenda {
    const char* formula; // "" for a paint sold without formula
    int produto;
    double quantidade;
};

struct NotaVenda {
    int dia;
    int cliente;
    std::vector<ItemVenda> itens;
};

// Formulas 4 and 7 make the paint 9002, 5, 8 and 11 the paint 9003.
std::vector<NotaVenda> NotasDoMes(int mes) {
    std::vector<NotaVenda> n = {
        {6, 1, {{"4", 9002, 20.0 + 4 * mes}, {"5", 9003, 12}}},
        {13, 2, {{"7", 9002, 18}, {"8", 9003, 6.0 + mes}, {"11", 9003, 4}}},
        {20, 3, {{"", 9002, 10}}},
    };
    if (mes == 1)
        n.push_back({27, 1, {{"11", 9003, 8}, {"990", 9003, 2}}});
    return n;
}

// The branch and installation the stock routines read, for the run.
class SessaoDaFilial {
public:
    SessaoDaFilial(const QString& banco, int filial) : antes_(Sess()) {
        Tabela filiais("Filial");
        filiais.setNomeBanco(banco);
        filiais.abrir();
        Sess().Filial = filial;
        Sess().FilialTexto = QString::number(filial);
        Sess().FatModNf =
            filiais.localizarChave({filial}) ? filiais.campo("FATMODNF").inteiro() : 0;
    }
    ~SessaoDaFilial() { Sess() = antes_; }

private:
    DadosSessao antes_;
};

void CriarOrdens(const QString& banco, int filial, const QDate& hoje) {
    Tabela apl("Aplica");
    apl.setNomeBanco(banco);
    apl.abrir();
    for (const auto& [codigo, descricao] : aplicacoes) {
        if (apl.localizar({"Cod_Aplica"}, {codigo}))
            continue;
        apl.incluir();
        apl.campo("Cod_Aplica").definir(codigo);
        apl.campo("DESC_APLIC").definir(descricao);
        apl.gravar();
    }
    Tabela os("OS");
    os.setNomeBanco(banco);
    os.abrir();
    for (const OrdemServico& o : ordens) {
        if (os.localizarChave({filial, o.numero, o.item}))
            continue;
        os.incluir();
        os.campo("Filial").definir(filial);
        os.campo("NumOrdServ").definir(o.numero);
        os.campo("Item").definir(o.item);
        os.campo("Pedido").definir(o.pedido);
        os.campo("Cod_Clifor").definir(o.cliente);
        os.campo("Cod_Reduz").definir(o.produto);
        if (o.programa)
            os.campo("Num_Progr").definir(o.programa);
        os.campo("DT_PRODUCA").definir(QDate(hoje.year(), hoje.month(), o.dia));
        os.gravar();
    }
    Tabela osi("Osi");
    osi.setNomeBanco(banco);
    osi.abrir();
    for (const ComponenteOS& c : componentesOS) {
        if (osi.localizarChave({filial, c.numero, c.ordem}))
            continue;
        osi.incluir();
        osi.campo("Filial").definir(filial);
        osi.campo("NumOrdServ").definir(c.numero);
        osi.campo("OrdComp").definir(c.ordem);
        osi.campo("Componente").definir(c.produto);
        osi.campo("QUANTIDADE").definir(c.quantidade);
        osi.campo("APLICACAO").definir(c.aplicacao);
        osi.campo("UTILIZACAO").definir(c.utilizacao);
        osi.campo("OBSERV").definir(c.observacao);
        osi.gravar();
    }
}

// The sold paints' months again, in order, as the stock demonstration
// built them.
void RecalcularSaldos(const QString& banco, const std::vector<QString>& meses,
                      const std::vector<int>& produtos) {
    TDMAS dm;
    for (Tabela* t : {&dm.TNotai, &dm.TNotas, &dm.THistest})
        t->setNomeBanco(banco);
    Tabela saldos("SLDPR"), cadastro("ESTPROMA"), itens("NOTAI");
    for (Tabela* t : {&saldos, &cadastro, &itens})
        t->setNomeBanco(banco);
    for (size_t m = 0; m < meses.size(); ++m)
        for (int produto : produtos) {
            if (!AtualizaSaldoMes(dm, saldos, cadastro, meses[m], produto, QString(), 1,
                                  m + 1 == meses.size(), false))
                throw ErroBanco("saldo de " + meses[m] + " do produto " + QString::number(produto));
            if (!CalculaCustoMedio(MesAnoDeAnoMes(meses[m]), produto, produto,
                                   {itens, cadastro, saldos})
                     .concluido)
                throw ErroBanco("custo medio de " + meses[m]);
        }
}

} // namespace

void CriarDemoProducao(const QString& banco, int filial) {
    const QDate hoje = Relogio::atual().hoje();
    TransacaoBanco tr(banco);
    CriarOrdens(banco, filial, hoje);

    Tabela produtos("ESTPROMA"), notas("NOTAS"), itens("NOTAI");
    for (Tabela* t : {&produtos, &notas, &itens}) {
        t->setNomeBanco(banco);
        t->abrir();
    }
    if (!produtos.localizarChave({filial, 9002}) || !produtos.localizarChave({filial, 9003})) {
        tr.confirmar();
        return;
    }
    const QDate primeiroMes = QDate(hoje.year(), hoje.month(), 1).addMonths(-2);
    const int primeiraNota = 70000 + 1000 * filial;
    if (notas.localizar({"Filial", "Num_Nota", "Tipo_Nota"}, {filial, primeiraNota + 1, 1})) {
        tr.confirmar();
        return;
    }
    std::vector<QString> meses;
    for (int m = 0; m < 2; ++m) {
        const QDate mes = primeiroMes.addMonths(m);
        meses.push_back(AnoMesDaData(mes));
        int numero = primeiraNota + 100 * m;
        for (const NotaVenda& nv : NotasDoMes(m)) {
            const QDate data(mes.year(), mes.month(), nv.dia);
            ++numero;
            notas.incluir();
            notas.campo("Filial").definir(filial);
            notas.campo("Num_Nota").definir(numero);
            notas.campo("Tipo_Nota").definir(1);
            notas.campo("Cod_Clifor").definir(nv.cliente);
            notas.campo("DT_ENTRADA").definir(data);
            notas.campo("DT_EMISSAO").definir(data);
            notas.campo("Est_Hist").definir(51);
            notas.campo("COMPLNATOP").definir("O");
            notas.campo("SISTEMA").definir("F");
            notas.campo("SERIE").definir("1");
            int numItem = 0;
            double total = 0;
            for (const ItemVenda& iv : nv.itens) {
                produtos.localizarChave({filial, iv.produto});
                const double preco = std::round(produtos.campo("ULTIMOCUST").numero() * 180) / 100;
                const double valor = std::round(preco * iv.quantidade * 100) / 100;
                total += valor;
                itens.incluir();
                itens.campo("Filial").definir(filial);
                itens.campo("Num_Nota").definir(numero);
                itens.campo("Tipo_Nota").definir(1);
                itens.campo("Cod_Clifor").definir(nv.cliente);
                itens.campo("DT_ENTRADA").definir(data);
                itens.campo("Num_Item").definir(++numItem);
                itens.campo("Parametro").definir(51);
                itens.campo("Cod_Reduz").definir(iv.produto);
                itens.campo("Cod_Deposi").definir(1);
                itens.campo("ANO_MES").definir(AnoMesDaData(data));
                itens.campo("DESCR_PROD").definir(produtos.campo("NOME1").texto());
                itens.campo("FORMULA").definir(QString::fromLatin1(iv.formula));
                itens.campo("QUANTIDADE").definir(iv.quantidade);
                itens.campo("PRECO_UNIT").definir(preco);
                itens.campo("BT_ICMS").definir(valor);
                itens.campo("ULTIMOCUST").definir(produtos.campo("ULTIMOCUST").numero());
                itens.gravar();
            }
            notas.campo("VLR_NOTA").definir(std::round(total * 100) / 100);
            notas.campo("BT_ICMS").definir(std::round(total * 100) / 100);
            notas.gravar();
        }
    }
    SessaoDaFilial sessao(banco, filial);
    RecalcularSaldos(banco, meses, {9002, 9003});
    tr.confirmar();
}
