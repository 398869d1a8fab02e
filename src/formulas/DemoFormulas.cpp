#include "DemoFormulas.h"

#include "IntercambioFormulas.h"
#include "services/Planilha.h"
#include "store/ErroBanco.h"

#include "Percentuais.h"
#include "Relogio.h"
#include "Tabela.h"

#include <vector>

namespace {

struct CodigoNome {
    int codigo;
    const char* nome;
};

const CodigoNome tecnicos[] = {
    {1, "ANA PAULA FERREIRA"},
    {2, "ROBERTO ALVES DA SILVA"},
    {3, "JULIANA COSTA MENDES"},
};

const CodigoNome matizadores[] = {
    {1, "DOSADORA AUTOMATICA 16 CANAIS"},
    {2, "DOSADORA MANUAL 12 CANAIS"},
    {3, "TINTOMETRICO DE BALCAO"},
};

struct Embalagem {
    int codigo;
    const char* descricao;
    double liquido;
    double embalagem;
};

const Embalagem embalagens[] = {
    {1, "LATA 900 ML", 0.9, 0.12}, {2, "GALAO 3,6 L", 3.6, 0.35},  {3, "BALDE 18 L", 18, 1.2},
    {4, "BARRICA 25 KG", 25, 1.5}, {5, "TAMBOR 200 L", 200, 12.5},
};

struct Componente {
    int produto;
    double quantidade;
};

// Base recipe of each demonstration paint, before the tint.
struct Base {
    int produto;
    double densidade;
    std::vector<Componente> componentes;
};

const Base bases[] = {
    {9001, 1.38, {{2001, 30}, {1001, 20}, {4001, 15}, {3003, 30}, {3004, 2}}},
    {9002, 1.42, {{2003, 25}, {4001, 20}, {4002, 8}, {3003, 40}}},
    {9003, 1.1, {{2002, 50}, {3001, 15}, {3002, 5}, {1001, 10}}},
};

const char* const cores[] = {
    "BRANCO NEVE",  "GELO",         "VERMELHO CARDEAL", "AZUL COBALTO",
    "VERDE FOLHA",  "AMARELO OURO", "CINZA CHUMBO",     "PALHA",
    "AREIA",        "MARFIM",       "PESSEGO",          "TERRACOTA",
    "AZUL CELESTE", "VERDE MUSGO",  "CAMURCA",          "CERAMICA",
    "PEROLA",       "CONCRETO",
};

// Tinting pigments: iron oxides, carbon black, phthalocyanines.
const int pigmentos[] = {1002, 1003, 1004, 1005, 1006};

const int clientes[] = {1, 2, 3};

constexpr int QuantidadeFormulas = 36;

// Samples made last month for the companies (clients 4 and 5, whose trade
// names begin with "*"), after the regular formulas.
struct AmostraCia {
    int numero;
    int cliente;
    int base;
    int pigmento;
    const char* cor;
    int dia; // of last month
};

const AmostraCia amostrasCias[] = {
    {37, 4, 0, 1005, "AZUL PETROLEO", 5},
    {38, 4, 1, 1006, "VERDE OLIVA", 12},
    {39, 5, 2, 1002, "VERMELHO COLONIAL", 18},
    {40, 5, 0, 1004, "CINZA GRAFITE", 25},
};

constexpr int UltimaFormulaDemo = 40;

void codigosNomes(const QString& banco, const QString& tabela, const CodigoNome* linhas,
                  int quantas) {
    Tabela t(tabela);
    t.setNomeBanco(banco);
    t.abrir();
    for (int i = 0; i < quantas; ++i) {
        if (t.localizarChave({linhas[i].codigo}))
            continue;
        t.incluir();
        t.campo("Codigo").definir(linhas[i].codigo);
        t.campo("Nome").definir(linhas[i].nome);
        t.gravar();
    }
}

void criarEmbalagens(const QString& banco) {
    Tabela t("EMBALAGE");
    t.setNomeBanco(banco);
    t.abrir();
    for (const Embalagem& e : embalagens) {
        if (t.localizarChave({e.codigo}))
            continue;
        t.incluir();
        t.campo("Codigo").definir(e.codigo);
        t.campo("Descricao").definir(e.descricao);
        t.campo("Peso_Liq").definir(e.liquido);
        t.campo("Peso_Embal").definir(e.embalagem);
        t.gravar();
    }
}

void gravarComponentes(Tabela& fi, int filial, const QString& numero,
                       const std::vector<Componente>& comps) {
    std::vector<double> quantidades;
    for (const Componente& c : comps)
        quantidades.push_back(c.quantidade);
    const std::vector<double> percentuais = CalcularPercentuais(quantidades);
    for (size_t i = 0; i < comps.size(); ++i) {
        fi.incluir();
        fi.campo("Filial").definir(filial);
        fi.campo("Formula").definir(numero);
        fi.campo("OrdComp").definir(int(i + 1));
        fi.campo("Componente").definir(comps[i].produto);
        fi.campo("QUANTIDADE").definir(comps[i].quantidade);
        fi.campo("Percentual").definir(percentuais[i]);
        fi.gravar();
    }
}

void criarFormula(Tabela& f, Tabela& fi, int filial, int n) {
    const Base& base = bases[n % 3];
    std::vector<Componente> comps = base.componentes;
    // Formulas 1 to 3 are the untinted bases.
    if (n > 3) {
        comps.push_back({pigmentos[n % 5], 0.05 * (n % 7 + 1)});
        if (n % 2 == 0)
            comps.push_back({pigmentos[(n + 2) % 5], 0.02 * (n % 4 + 1)});
    }
    std::vector<double> quantidades;
    for (const Componente& c : comps)
        quantidades.push_back(c.quantidade);
    const QString numero = QString::number(n);
    const QDate hoje = Relogio::atual().hoje();

    f.incluir();
    f.campo("Filial").definir(filial);
    f.campo("Formula").definir(numero);
    f.campo("Cod_Clifor").definir(clientes[n % 3]);
    f.campo("Cod_Reduz").definir(base.produto);
    f.campo("COR").definir(cores[(n - 1) % std::size(cores)]);
    f.campo("DATACAD").definir(hoje.addDays(-7 * (QuantidadeFormulas - n)));
    f.campo("CodResp").definir(n % 3 + 1);
    f.campo("QtdTotal").definir(TotalQuantidades(quantidades));
    f.campo("PrecoEspecial").definir(n % 6 == 0 ? "S" : "N");
    f.campo("Origem").definir(n % 4 == 0 ? "REPRESENTA" : "CLIENTE");
    f.campo("CodMatizador").definir(n % 3 + 1);
    f.campo("Amostra").definir(n > QuantidadeFormulas - 6);
    if (n > QuantidadeFormulas - 6)
        f.campo("DataAmostra").definir(hoje.addDays(n - QuantidadeFormulas));
    f.campo("Senha").definir(n % 5 == 0);
    f.campo("TotalItens").definir(int(comps.size()));
    f.campo("Densidade").definir(base.densidade);
    if (n % 5 == 0)
        f.campo("Observacao").definir("Formula exclusiva do cliente; alterar so com autorizacao.");
    f.gravar();

    gravarComponentes(fi, filial, numero, comps);
}

void criarAmostraCia(Tabela& f, Tabela& fi, int filial, const AmostraCia& a) {
    const Base& base = bases[a.base];
    std::vector<Componente> comps = base.componentes;
    comps.push_back({a.pigmento, 0.25});
    std::vector<double> quantidades;
    for (const Componente& c : comps)
        quantidades.push_back(c.quantidade);
    const QDate hoje = Relogio::atual().hoje();
    const QDate dia = QDate(hoje.year(), hoje.month(), 1).addMonths(-1).addDays(a.dia - 1);
    const QString numero = QString::number(a.numero);

    f.incluir();
    f.campo("Filial").definir(filial);
    f.campo("Formula").definir(numero);
    f.campo("Cod_Clifor").definir(a.cliente);
    f.campo("Cod_Reduz").definir(base.produto);
    f.campo("COR").definir(a.cor);
    f.campo("DATACAD").definir(dia);
    f.campo("CodResp").definir(1);
    f.campo("QtdTotal").definir(TotalQuantidades(quantidades));
    f.campo("PrecoEspecial").definir("N");
    f.campo("Origem").definir("REPRESENTA");
    f.campo("CodMatizador").definir(1);
    f.campo("Amostra").definir(true);
    f.campo("DataAmostra").definir(dia);
    f.campo("Senha").definir(false);
    f.campo("TotalItens").definir(int(comps.size()));
    f.campo("Densidade").definir(base.densidade);
    f.campo("Observacao").definir("Amostra enviada para aprovacao da cor.");
    f.gravar();
    gravarComponentes(fi, filial, numero, comps);
}

void avancarContador(const QString& banco, int filial) {
    Tabela t("Pcpcfg");
    t.setNomeBanco(banco);
    t.abrir();
    if (!t.localizarChave({filial})) {
        t.incluir();
        t.campo("Filial").definir(filial);
    } else if (t.campo("UltimaFormula").inteiro() >= UltimaFormulaDemo) {
        return;
    } else {
        t.editar();
    }
    t.campo("UltimaFormula").definir(UltimaFormulaDemo);
    t.gravar();
}

} // namespace

void CriarDemoFormulas(const QString& banco, int filial) {
    codigosNomes(banco, "Resptec", tecnicos, int(std::size(tecnicos)));
    codigosNomes(banco, "Matizador", matizadores, int(std::size(matizadores)));
    criarEmbalagens(banco);

    Tabela f("Formula");
    f.setNomeBanco(banco);
    f.abrir();
    Tabela fi("Formulai");
    fi.setNomeBanco(banco);
    fi.abrir();
    for (int n = 1; n <= QuantidadeFormulas; ++n)
        if (!f.localizarChave({filial, QString::number(n)}))
            criarFormula(f, fi, filial, n);
    for (const AmostraCia& a : amostrasCias)
        if (!f.localizarChave({filial, QString::number(a.numero)}))
            criarAmostraCia(f, fi, filial, a);
    avancarContador(banco, filial);
}

void GravarPlanilhaFormulasDemo(const QString& arquivoHost) {
    QString erro;
    if (!GravarCsv(arquivoHost, LinhasFormulasCsv(1, "1", "3"), erro))
        throw ErroBanco(arquivoHost + ": " + erro);
}
