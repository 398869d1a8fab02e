#include "ListasFormula.h"

#include "FormatoNumero.h"
#include "ModeloLinhas.h"
#include "TDMFormula.h"

namespace {
QString codigo(Tabela& t, const QString& campo) {
    return t.campo(campo).ehNulo() ? QString() : t.campo(campo).texto();
}

template <class Linha> void lerLinhas(Tabela& t, ModeloLinhas& modelo, Linha linha) {
    QList<QStringList> linhas;
    QVariantList chaves;
    if (t.ativo()) {
        const Marcador atual = t.marcador();
        for (t.primeiro(); !t.eof(); t.proximo()) {
            linhas << linha();
            chaves << t.marcador().rowid;
        }
        if (atual.valido)
            t.irPara(atual);
        else
            t.primeiro();
    }
    modelo.definir(linhas, chaves);
}
} // namespace

void LerListaFormulas(TDMFormula& dm, ModeloLinhas& modelo) {
    Tabela& f = dm.TFormula;
    lerLinhas(f, modelo, [&] {
        const int produto = f.campo("Cod_Reduz").inteiro();
        const int cliente = f.campo("Cod_Clifor").inteiro();
        return QStringList{f.campo("Formula").texto(),
                           f.campo("COR").texto(),
                           dm.nomeMatizador(f.campo("CodMatizador").inteiro()),
                           codigo(f, "Cod_Reduz"),
                           dm.nomeProduto(produto),
                           codigo(f, "Cod_Clifor"),
                           dm.nomeCliente(cliente),
                           dm.nomeResptec(f.campo("CodResp").inteiro())};
    });
}

void LerComponentes(TDMFormula& dm, ModeloLinhas& modelo) {
    Tabela& c = dm.TFormulai;
    lerLinhas(c, modelo, [&] {
        const int produto = c.campo("Componente").inteiro();
        const Campo q = c.campo("QUANTIDADE");
        const Campo p = c.campo("Percentual");
        return QStringList{c.campo("OrdComp").texto(),
                           dm.grupoProduto(produto),
                           codigo(c, "Componente"),
                           q.ehNulo() ? QString() : FormatarNumero("###,##0.0000", q.numero()),
                           dm.unidadeProduto(produto),
                           dm.nomeProduto(produto),
                           p.ehNulo() ? QString() : FormatarNumero("##0.0000", p.numero())};
    });
}
