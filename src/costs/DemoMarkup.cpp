#include "DemoMarkup.h"

#include "session/Relogio.h"
#include "store/Tabela.h"

namespace {
struct Markup {
    int codigo;
    const char* descricao;
    double descontos[5];
    double ipi, difIcms, frete, margem;
    // Shown but locked in the register: filled by the suite's fiscal side.
    double icmsEntrada, pis, cofins, icmsDebito, comissoes;
};

const Markup markups[] = {
    {1, "REVENDA PADRAO", {5, 0, 0, 0, 0}, 5, 0, 3, 35, 12, 1.65, 7.6, 18, 3},
    {2, "ATACADO", {8, 2, 0, 0, 0}, 5, 0, 2, 22, 12, 1.65, 7.6, 12, 1.5},
    {3, "CONSTRUTORAS", {10, 5, 2, 0, 0}, 5, 6, 4.5, 28, 7, 1.65, 7.6, 18, 2},
};
} // namespace

void CriarDemoMarkup(const QString& banco, int filial) {
    Tabela t("Markup");
    t.setNomeBanco(banco);
    t.abrir();
    const QDate hoje = Relogio::atual().hoje();
    for (const Markup& m : markups) {
        if (t.localizarChave({filial, m.codigo}))
            continue;
        t.incluir();
        t.campo("Filial").definir(filial);
        t.campo("Codigo_Markup").definir(m.codigo);
        t.campo("Descricao").definir(m.descricao);
        for (int i = 0; i < 5; ++i)
            if (m.descontos[i] != 0)
                t.campo("Per_Desconto" + QString::number(i + 1)).definir(m.descontos[i]);
        t.campo("Ipi").definir(m.ipi);
        t.campo("Dif_Icms").definir(m.difIcms);
        t.campo("Frete").definir(m.frete);
        t.campo("MargemLucro").definir(m.margem);
        t.campo("IcmsEntrada").definir(m.icmsEntrada);
        t.campo("Pis").definir(m.pis);
        t.campo("Cofins").definir(m.cofins);
        t.campo("IcmsDebito").definir(m.icmsDebito);
        t.campo("Comissoes").definir(m.comissoes);
        t.campo("DtCadastro").definir(hoje);
        t.campo("DtManutencao").definir(hoje);
        t.campo("ModeloCalculo").definir(1);
        t.gravar();
    }
}
