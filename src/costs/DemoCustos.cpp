#include "DemoCustos.h"

#include "session/Relogio.h"
#include "store/Tabela.h"

#include <cmath>

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
