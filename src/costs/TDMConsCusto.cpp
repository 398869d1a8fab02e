#include "TDMConsCusto.h"

#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <initializer_list>

TDMConsCusto::TDMConsCusto(SessaoBanco* sessao)
    : QProdutos(sessao), QFormulas(sessao), QMateriasPrimas(sessao), TPcpcfg("Pcpcfg", sessao),
      TFormula("Formula", sessao), TFormulai("Formulai", sessao), TEstproma("ESTPROMA", sessao),
      TmpValores(sessao), produtos_("ESTPROMA", sessao) {
    QProdutos.setSql({"Select Filial, Cod_Reduz, Nome1, Nivel2, Lista6", "From Estproma",
                      "Where Filial = :CodFil", "Order By Nome1"});
    QFormulas.setSql({"Select Formula, Cod_Reduz, Senha", "From Formula", "Where Filial = :CodFil",
                      "And (Senha = False or Senha = :Senha1)", "Order By Formula"});
    QMateriasPrimas.setSql({"Select Cod_Reduz, Nome1, Nivel2, Unid_Pad", "From Estproma",
                            "Where Filial = :CodFil", "Order By Nome1"});
    TFormulai.setMestre(&TFormula, "Filial;Formula");
}

TDMConsCusto::~TDMConsCusto() {
    fechar();
}

bool TDMConsCusto::abrir(const QDate& data) {
    fechar();
    filial_ = Sess().Filial;
    if (!TmpValores.iniciar(data)) {
        TmpValores.encerrar();
        return false;
    }
    try {
        QProdutos.definirParametro("CodFil", filial_);
        QProdutos.abrir();
        // Protected formulas are priced too.
        QFormulas.definirParametro("CodFil", filial_);
        QFormulas.definirParametro("Senha1", true);
        QFormulas.abrir();
        TPcpcfg.definirFaixa({filial_}, {filial_});
        TPcpcfg.abrir();
        TFormula.definirFaixa({filial_}, {filial_});
        TFormula.abrir();
        TFormulai.abrir();
        QMateriasPrimas.definirParametro("CodFil", filial_);
        QMateriasPrimas.abrir();
        for (; !QMateriasPrimas.eof(); QMateriasPrimas.proximo())
            nomes_.insert(QMateriasPrimas.campo("Cod_Reduz").inteiro(),
                          QMateriasPrimas.campo("Nome1").texto());
        TEstproma.abrir();
        produtos_.abrir();
        return true;
    } catch (const ErroBanco& e) {
        fechar();
        MostrarErro(e.texto());
        return false;
    }
}

void TDMConsCusto::fechar() {
    TEstproma.cancelar();
    TmpValores.encerrar();
    for (ConjuntoDados* ds :
         std::initializer_list<ConjuntoDados*>{&QProdutos, &QFormulas, &QMateriasPrimas, &TPcpcfg,
                                               &TFormulai, &TFormula, &TEstproma, &produtos_})
        ds->fechar();
    nomes_.clear();
    produtoAchado_ = false;
}

Dinheiro TDMConsCusto::dolar() {
    return Dinheiro::deNumero(TmpValores.valor());
}

Fatores TDMConsCusto::fatores() {
    Fatores f{};
    TPcpcfg.primeiro();
    if (TPcpcfg.vazio())
        return f;
    for (size_t k = 0; k < f.size(); ++k)
        f[k] = Dinheiro::deNumero(TPcpcfg.campo("Fator" + QString::number(k + 1)).numero());
    return f;
}

QList<ProdutoConsulta> TDMConsCusto::produtos() {
    QList<ProdutoConsulta> r;
    for (QProdutos.primeiro(); !QProdutos.eof(); QProdutos.proximo())
        r.append({QProdutos.campo("Cod_Reduz").inteiro(), QProdutos.campo("Nome1").texto(),
                  QProdutos.campo("Nivel2").texto()});
    return r;
}

QList<FormulaConsulta> TDMConsCusto::formulas() {
    QList<FormulaConsulta> r;
    for (QFormulas.primeiro(); !QFormulas.eof(); QFormulas.proximo())
        r.append({QFormulas.campo("Formula").texto(), QFormulas.campo("Cod_Reduz").inteiro()});
    return r;
}

bool TDMConsCusto::posicionarProduto(int codigo) {
    // Cleared first: a failing search leaves no product chosen.
    produtoAchado_ = false;
    produtoAchado_ = TEstproma.localizarChave({filial_, codigo});
    return produtoAchado_;
}

PrecosCusto TDMConsCusto::calcularProduto() {
    const Dinheiro lista6 =
        produtoAchado_ ? Dinheiro::deNumero(TEstproma.campo("LISTA6").numero()) : Dinheiro();
    return CustoProduto(lista6, dolar(), fatores());
}

bool TDMConsCusto::alterarProduto() {
    return produtoAchado_ && EditarRegistro(TEstproma);
}

bool TDMConsCusto::gravarProduto() {
    if (!GravarRegistro(TEstproma))
        return false;
    try {
        QProdutos.fechar();
        QProdutos.abrir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    return true;
}

bool TDMConsCusto::editandoProduto() const {
    return TEstproma.estado() == EstadoDados::Editando;
}

QString TDMConsCusto::primeiraFormula() {
    TFormula.primeiro();
    return TFormula.vazio() ? QString() : TFormula.campo("Formula").texto();
}

bool TDMConsCusto::buscarFormula(const QString& numero) {
    const QString n = numero.trimmed();
    if (n.isEmpty() || !TFormula.localizarChave({filial_, n})) {
        MostrarMensagem("Formula não cadastrada");
        return false;
    }
    return true;
}

QList<ComponenteCusto> TDMConsCusto::componentes() {
    QList<ComponenteCusto> r;
    if (TFormula.vazio())
        return r;
    for (TFormulai.primeiro(); !TFormulai.eof(); TFormulai.proximo()) {
        ComponenteCusto c;
        c.ordComp = TFormulai.campo("OrdComp").inteiro();
        c.componente = TFormulai.campo("Componente").inteiro();
        c.percentual = Dinheiro::deNumero(TFormulai.campo("Percentual").numero());
        if (produtos_.localizarChave({filial_, c.componente})) {
            c.nome = produtos_.campo("NOME1").texto();
            c.custo = Dinheiro::deNumero(produtos_.campo("LISTA6").numero());
        }
        c.valor = ValorComponente(c.custo, c.percentual);
        r.append(c);
    }
    return r;
}

Dinheiro TDMConsCusto::valorTotal(const QList<ComponenteCusto>& componentes) {
    Dinheiro v;
    for (const ComponenteCusto& c : componentes)
        v += c.valor;
    return v;
}

PrecosCusto TDMConsCusto::calcularFormula(Dinheiro valorTotal) {
    return CustoFormula(valorTotal, dolar(), fatores());
}
