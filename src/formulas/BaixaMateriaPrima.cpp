#include "BaixaMateriaPrima.h"

#include "session/Dialogos.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "stock/ExclusaoNotas.h"
#include "stock/ExecutarEmTransacao.h"
#include "stock/Meses.h"
#include "store/ErroBanco.h"

#include <vector>

struct BaixaMateriaPrima::NotaVenda {
    int numero;
    int tipo;
    int clifor;
    QDate data;
    int historico;
};

namespace {
struct ItemVenda {
    QString formula;
    double quantidade;
    QVariant numero;
    QDate data;
};

constexpr int TipoNotaBaixa = 3;
} // namespace

BaixaMateriaPrima::BaixaMateriaPrima(SessaoBanco* sessao)
    : TNotas("NOTAS", sessao), TNotai("NOTAI", sessao), TFormula("Formula", sessao),
      TFormulai("Formulai", sessao), TEstproma("ESTPROMA", sessao), QNotas(sessao), QItens(sessao) {
    TFormulai.setMestre(&TFormula, "Filial;Formula");
    QNotas.setSql({"Select *", "From Notas", "Where Filial = :CodFil",
                   "      and Dt_Entrada >= :DataIni", "      and Dt_entrada <= :DataFim",
                   "      and Tipo_Nota = 1", "Order By Num_Nota"});
    QItens.setSql({"Select *", "From Notai", "Where Filial = :Filial",
                   "     and Num_Nota = :Num_Nota", "     and Tipo_Nota = :Tipo_Nota",
                   "     and Cod_Clifor = :Cod_Clifor", "     and Dt_Entrada = :Dt_Entrada",
                   "Order By Num_Item"});
}

void BaixaMateriaPrima::abrir() {
    for (Tabela* t : {&TNotas, &TNotai, &TFormula, &TFormulai, &TEstproma})
        if (!t->ativo())
            t->abrir();
}

void BaixaMateriaPrima::fechar() {
    for (ConjuntoDados* ds : std::initializer_list<ConjuntoDados*>{
             &QItens, &QNotas, &TFormulai, &TFormula, &TNotai, &TNotas, &TEstproma})
        ds->fechar();
}

ResultadoBaixa BaixaMateriaPrima::executar(const ParametrosBaixa& p,
                                           const std::function<void(int, int)>& andamento) {
    ResultadoBaixa r;
    std::vector<NotaVenda> notas;
    try {
        abrir();
        QNotas.fechar();
        QNotas.definirParametro("CodFil", Sess().Filial);
        QNotas.definirParametro("DataIni", p.dataInicial);
        QNotas.definirParametro("DataFim", p.dataFinal);
        QNotas.abrir();
        // Read whole before the first write: the walk writes on the same
        // connection.
        for (; !QNotas.eof(); QNotas.proximo())
            notas.push_back(
                {QNotas.campo("Num_Nota").inteiro(), QNotas.campo("Tipo_Nota").inteiro(),
                 QNotas.campo("Cod_Clifor").inteiro(), QNotas.campo("Dt_Entrada").data(),
                 QNotas.campo("Est_Hist").inteiro()});
        QNotas.fechar();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return r;
    }
    r.notasLidas = int(notas.size());
    formulas_.clear();
    nomes_.clear();
    const QDate hoje = Relogio::atual().hoje();
    for (size_t i = 0; i < notas.size(); ++i) {
        if (andamento)
            andamento(int(i + 1), r.notasLidas);
        const NotaVenda& venda = notas[i];
        if (venda.historico != p.historicoVenda)
            continue;
        QStringList faltantes;
        int itens = 0;
        if (!ExecutarEmTransacao(TNotas, {&TNotas, &TNotai},
                                 [&] { baixarNota(p, venda, hoje, faltantes, itens); }))
            return r;
        ++r.notasBaixadas;
        r.itensGravados += itens;
        for (const QString& f : faltantes)
            MostrarMensagem(f);
    }
    r.concluido = true;
    return r;
}

// One sales note inside its transaction. Throws ErroBanco.
void BaixaMateriaPrima::baixarNota(const ParametrosBaixa& p, const NotaVenda& venda,
                                   const QDate& hoje, QStringList& faltantes, int& itens) {
    const int filial = Sess().Filial;
    faltantes.clear();
    itens = 0;
    const QVariantList chave = {filial, venda.numero, TipoNotaBaixa, p.fornecedor, venda.data};
    if (TNotas.localizarChave(chave))
        ExcluirDocumento(TNotas, chave);

    TNotas.incluir();
    TNotas.campo("Filial").definir(filial);
    TNotas.campo("Num_Nota").definir(venda.numero);
    TNotas.campo("Tipo_Nota").definir(TipoNotaBaixa);
    TNotas.campo("Cod_Clifor").definir(p.fornecedor);
    TNotas.campo("Dt_Entrada").definir(venda.data);
    TNotas.campo("Est_Hist").definir(p.historicoBaixa);
    TNotas.campo("Sistema").definir("E");
    TNotas.campo("Dt_Lancam").definir(hoje);
    TNotas.campo("Dt_Emissao").definir(venda.data);
    TNotas.campo("Observacao").definir("BAIXA MATERIA PRIMA");
    TNotas.gravar();

    QItens.fechar();
    QItens.definirParametro("Filial", filial);
    QItens.definirParametro("Num_Nota", venda.numero);
    QItens.definirParametro("Tipo_Nota", venda.tipo);
    QItens.definirParametro("Cod_Clifor", venda.clifor);
    QItens.definirParametro("Dt_Entrada", venda.data);
    QItens.abrir();
    std::vector<ItemVenda> vendidos;
    for (; !QItens.eof(); QItens.proximo())
        vendidos.push_back({QItens.campo("Formula").texto().trimmed(),
                            QItens.campo("Quantidade").numero(), QItens.campo("Num_Nota").valor(),
                            QItens.campo("Dt_Entrada").data()});
    QItens.fechar();

    int n = 1;
    for (const ItemVenda& v : vendidos) {
        if (v.formula.isEmpty())
            continue;
        const std::vector<Componente>* lista = componentes(v.formula);
        if (!lista) {
            faltantes << "Formula: " + v.formula + "  na nota " + v.numero.toString() +
                             " não cadastrada";
            continue;
        }
        for (const Componente& c : *lista) {
            TNotai.incluir();
            TNotai.campo("Filial").definir(filial);
            TNotai.campo("Num_Nota").definir(v.numero);
            TNotai.campo("Tipo_Nota").definir(TipoNotaBaixa);
            TNotai.campo("Cod_Clifor").definir(p.fornecedor);
            TNotai.campo("Dt_Entrada").definir(v.data);
            TNotai.campo("Num_Item").definir(n++);
            TNotai.campo("Cod_Reduz").definir(c.produto);
            TNotai.campo("Descr_Prod").definir(nomeProduto(c.produto));
            TNotai.campo("Quantidade").definir(v.quantidade * c.percentual / 100);
            TNotai.campo("Parametro").definir(51);
            TNotai.campo("Cod_Deposi").definir(1);
            TNotai.campo("Dt_Lancam").definir(hoje);
            TNotai.campo("Ano_Mes").definir(AnoMesDaData(v.data));
            TNotai.gravar();
            ++itens;
        }
    }
}

const std::vector<BaixaMateriaPrima::Componente>*
BaixaMateriaPrima::componentes(const QString& formula) {
    auto it = formulas_.find(formula);
    if (it == formulas_.end()) {
        std::optional<std::vector<Componente>> lidos;
        if (TFormula.localizarChave({Sess().Filial, formula})) {
            lidos.emplace();
            for (TFormulai.primeiro(); !TFormulai.eof(); TFormulai.proximo())
                lidos->push_back({TFormulai.campo("Componente").inteiro(),
                                  TFormulai.campo("Percentual").numero()});
        }
        it = formulas_.emplace(formula, std::move(lidos)).first;
    }
    return it->second ? &*it->second : nullptr;
}

QString BaixaMateriaPrima::nomeProduto(int codigo) {
    const auto it = nomes_.constFind(codigo);
    if (it != nomes_.constEnd())
        return *it;
    const QString nome = TEstproma.localizarChave({Sess().Filial, codigo})
                             ? TEstproma.campo("NOME1").texto()
                             : QString();
    nomes_.insert(codigo, nome);
    return nome;
}
