#include "DemoCustos.h"

#include "session/Relogio.h"
#include "store/Tabela.h"

#include <cmath>
#include <iterator>

namespace {
struct Moeda {
    int codigo;
    const char* nome;
    const char* simbolo;
};

const Moeda moedas[] = {{1, "DOLAR", "US$"}, {2, "EURO", "EUR"}, {3, "REAL", "R$"}};

constexpr int DiasValores = 60;

// Factors of branches 1 and 2 (any other branch takes the first).
const double fatores[2][5] = {{1.45, 1.60, 1.80, 2.00, 2.20}, {1.50, 1.70, 1.90, 2.10, 2.40}};

struct Produto {
    int codigo;
    const char* niveis[5];
    const char* nome;
    double ultimoCusto;
    QVariant custoDolar; // invalid: no LISTA6
};

// Mica arrived from a new supplier and has no dollar cost yet ("Grava Custo
// na Lista 6" gives it one); the plant's reused water costs nothing.
const Produto produtos[] = {
    {4005, {"01", "004", "0009", "001", "000001"}, "MICA MOSCOVITA MOIDA", 7.35, QVariant()},
    {3005, {"01", "003", "0008", "001", "000001"}, "AGUA DE REUSO", 0.0, 0.0},
};

struct Componente {
    int produto;
    double quantidade;
};

// A texture made of them: the cost consultation shows its zero costs.
const QString NumeroFormula = QStringLiteral("37");
const Componente componentes[] = {{2003, 25}, {4001, 35}, {4005, 10}, {3005, 30}};

void criarFatores(const QString& banco, int filial) {
    Tabela pcpcfg("Pcpcfg");
    pcpcfg.setNomeBanco(banco);
    pcpcfg.abrir();
    if (pcpcfg.localizarChave({filial})) {
        if (!pcpcfg.campo("Fator1").ehNulo())
            return;
        pcpcfg.editar();
    } else {
        pcpcfg.incluir();
        pcpcfg.campo("Filial").definir(filial);
    }
    const double* f = fatores[filial == 2 ? 1 : 0];
    for (int i = 0; i < 5; ++i)
        pcpcfg.campo("Fator" + QString::number(i + 1)).definir(f[i]);
    pcpcfg.gravar();
}

void criarProdutos(const QString& banco, int filial) {
    Tabela t("ESTPROMA");
    t.setNomeBanco(banco);
    t.abrir();
    for (const Produto& p : produtos) {
        if (t.localizarChave({filial, p.codigo}))
            continue;
        t.incluir();
        t.campo("Filial").definir(filial);
        t.campo("Cod_Reduz").definir(p.codigo);
        for (int n = 0; n < 5; ++n)
            t.campo("Nivel" + QString::number(n + 1)).definir(p.niveis[n]);
        t.campo("Nivel6").definir(QString::number(p.codigo).rightJustified(6, '0'));
        t.campo("NOME1").definir(p.nome);
        t.campo("UNID_PAD").definir("KG");
        t.campo("CONVERSAO").definir(1.0);
        t.campo("SIT_TRIBUT").definir("0");
        t.campo("ULTIMOCUST").definir(p.ultimoCusto);
        t.campo("CustoMedio").definir(p.ultimoCusto);
        t.campo("LISTA6").definir(p.custoDolar);
        t.campo("Densidade").definir(1.0);
        t.campo("SITUACAO").definir("1");
        t.campo("GRADE").definir("0");
        t.campo("TIPO").definir("M");
        t.campo("TipoItemSped").definir("01");
        t.campo("Producao").definir("N");
        t.campo("DataCadastro").definir(Relogio::atual().hoje());
        t.gravar();
    }
}

void criarFormula(const QString& banco, int filial) {
    Tabela f("Formula");
    f.setNomeBanco(banco);
    f.abrir();
    if (f.localizarChave({filial, NumeroFormula}))
        return;
    double total = 0;
    for (const Componente& c : componentes)
        total += c.quantidade;
    f.incluir();
    f.campo("Filial").definir(filial);
    f.campo("Formula").definir(NumeroFormula);
    f.campo("Cod_Clifor").definir(1);
    f.campo("Cod_Reduz").definir(9001);
    f.campo("COR").definir("TEXTURA AREIA");
    f.campo("DATACAD").definir(Relogio::atual().hoje());
    f.campo("CodResp").definir(1);
    f.campo("QtdTotal").definir(total);
    f.campo("PrecoEspecial").definir("N");
    f.campo("Origem").definir("CLIENTE");
    f.campo("CodMatizador").definir(1);
    f.campo("Amostra").definir(false);
    f.campo("Senha").definir(false);
    f.campo("TotalItens").definir(int(std::size(componentes)));
    f.campo("Densidade").definir(1.6);
    f.gravar();

    Tabela fi("Formulai");
    fi.setNomeBanco(banco);
    fi.abrir();
    int ordem = 0;
    for (const Componente& c : componentes) {
        fi.incluir();
        fi.campo("Filial").definir(filial);
        fi.campo("Formula").definir(NumeroFormula);
        fi.campo("OrdComp").definir(++ordem);
        fi.campo("Componente").definir(c.produto);
        fi.campo("QUANTIDADE").definir(c.quantidade);
        // The quantities add to 100: each is its own share.
        fi.campo("Percentual").definir(c.quantidade);
        fi.gravar();
    }

    Tabela pcpcfg("Pcpcfg");
    pcpcfg.setNomeBanco(banco);
    pcpcfg.abrir();
    if (pcpcfg.localizarChave({filial}) &&
        pcpcfg.campo("UltimaFormula").inteiro() < NumeroFormula.toInt()) {
        pcpcfg.editar();
        pcpcfg.campo("UltimaFormula").definir(NumeroFormula.toInt());
        pcpcfg.gravar();
    }
}

} // namespace

void CriarDemoCustos(const QString& banco, int filial) {
    Tabela moeda("MOEDA");
    moeda.setNomeBanco(banco);
    moeda.abrir();
    for (const Moeda& m : moedas) {
        if (moeda.localizarChave({m.codigo}))
            continue;
        moeda.incluir();
        moeda.campo("Cod_Moeda").definir(m.codigo);
        moeda.campo("NOME_MOEDA").definir(m.nome);
        moeda.campo("SIMBOLO").definir(m.simbolo);
        moeda.gravar();
    }

    // A dollar that wanders between R$ 5,05 and R$ 5,35.
    const QDate hoje = Relogio::atual().hoje();
    Tabela valores("VALORES");
    valores.setNomeBanco(banco);
    valores.abrir();
    for (int dia = DiasValores; dia >= 1; --dia) {
        const QDate data = hoje.addDays(-dia);
        if (valores.localizarChave({1, data}))
            continue;
        valores.incluir();
        valores.campo("Cod_Moeda").definir(1);
        valores.campo("DATA").definir(data);
        valores.campo("VALOR").definir(std::round((5.20 + 0.15 * std::sin(dia / 6.0)) * 1e4) / 1e4);
        valores.gravar();
    }

    criarFatores(banco, filial);
    criarProdutos(banco, filial);
    criarFormula(banco, filial);
}
