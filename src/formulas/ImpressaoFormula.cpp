#include "ImpressaoFormula.h"

#include "Dialogos.h"
#include "FormatoNumero.h"
#include "FormatosRegionais.h"
#include "RelatorioTexto.h"

#include <QRegularExpression>

namespace {
const QString Igual = QString(78, '=');
const QString Moldura = "+" + Igual + "+";

// Lines of the page that hold no component or observation: the total
// line, and everything past the 33 lines a page emits.
constexpr int LinhaTotal = 31;
constexpr int UltimaLinha = 33;
constexpr int PrimeiraLinhaItens = 12;

int numeroDe(const QString& texto) {
    return texto.trimmed().toInt();
}

// Each line of the observation cut into pieces of 80 characters; an empty
// line stays as one empty piece.
QStringList pedacosObservacao(const QString& observacao) {
    QStringList pedacos;
    if (observacao.isEmpty())
        return pedacos;
    static const QRegularExpression quebra("\r\n|\n|\r");
    for (QString linha : observacao.split(quebra)) {
        do {
            pedacos << linha.left(80);
            linha.remove(0, 80);
        } while (!linha.isEmpty());
    }
    return pedacos;
}
} // namespace

QList<FormulaListada> FaixaFormulas(const QList<FormulaListada>& lista, int inicio,
                                    const QString& inicial, const QString& final) {
    QList<FormulaListada> faixa;
    for (int i = std::max(inicio, 0); i < lista.size(); ++i) {
        const QString& n = lista[i].formula;
        if (n < inicial || n > final)
            break;
        faixa << lista[i];
    }
    return faixa;
}

DadosRelFormula::DadosRelFormula(SessaoBanco* sessao)
    : QLista(sessao), formula_("Formula", sessao), componentes_("Formulai", sessao),
      produto_("ESTPROMA", sessao), componente_("ESTPROMA", sessao), cliente_("CLIFOR", sessao),
      resptec_("Resptec", sessao), matizador_("Matizador", sessao) {
    QLista.setSql({"SELECT FILIAL, FORMULA, COD_CLIFOR, COD_REDUZ, COR, DATACAD FROM FORMULA "
                   "ORDER BY FORMULA"});
}

void DadosRelFormula::abrir() {
    fechar();
    QLista.abrir();
    for (Tabela* t : {&formula_, &produto_, &componente_, &cliente_, &resptec_, &matizador_})
        t->abrir();
}

void DadosRelFormula::fechar() {
    QLista.fechar();
    for (Tabela* t :
         {&formula_, &componentes_, &produto_, &componente_, &cliente_, &resptec_, &matizador_})
        t->fechar();
}

QList<FormulaListada> DadosRelFormula::lista() {
    QList<FormulaListada> linhas;
    for (QLista.primeiro(); !QLista.eof(); QLista.proximo())
        linhas << FormulaListada{QLista.campo("FILIAL").inteiro(), QLista.campo("FORMULA").texto()};
    return linhas;
}

bool DadosRelFormula::protegida(const FormulaListada& f) {
    return formula_.localizarChave({f.filial, f.formula}) && formula_.campo("Senha").logico();
}

void DadosRelFormula::cabecalho() {
    const QString data = DataTexto(formula_.campo("DATACAD").data());
    const int resp = formula_.campo("CodResp").inteiro();
    const int matiz = formula_.campo("CodMatizador").inteiro();
    const int cliente = formula_.campo("Cod_Clifor").inteiro();
    const QString nomeCliente =
        cliente_.localizarChave({formula_.campo("Filial").inteiro(), cliente})
            ? cliente_.campo("NOME").texto()
            : QString();

    LimparPagina();
    EscreverTexto(1, 1, Moldura);
    EscreverTexto(2, 1, "| FORMULA");
    EscreverTexto(2, 40, "Data:");
    EscreverTexto(2, 69, data);
    EscreverTexto(2, 80, "|");
    EscreverTexto(3, 1, "|");
    EscreverTexto(3, 2, Igual);
    EscreverTexto(3, 80, "|");
    EscreverTexto(4, 1, "| Formula...: " + formula_.campo("Formula").texto());
    EscreverTexto(4, 60,
                  "Resp.: " + (resp != 0 && resptec_.localizarChave({resp})
                                   ? resptec_.campo("Nome").texto()
                                   : QString()));
    EscreverTexto(4, 80, "|");
    EscreverTexto(5, 1, "| Dt.Formula: " + data);
    EscreverTexto(5, 60, "Cor..: " + formula_.campo("COR").texto());
    EscreverTexto(5, 80, "|");
    EscreverTexto(6, 1, "| Cliente...: " + Formatar("%6.6d", {cliente}) + " - " + nomeCliente);
    EscreverTexto(6, 80, "|");
    EscreverTexto(7, 1,
                  "| Produto...: " + Formatar("%6.6d", {produto_.campo("Cod_Reduz").inteiro()}) +
                      " - " + produto_.campo("NOME1").texto());
    EscreverTexto(7, 80, "|");
    EscreverTexto(
        8, 1,
        "| Gr/Classe.: " + Formatar("%2.2d", {numeroDe(produto_.campo("Nivel2").texto())}) + " / " +
            produto_.campo("Classe").texto());
    EscreverTexto(8, 60,
                  "Matiz: " + (matiz != 0 && matizador_.localizarChave({matiz})
                                   ? matizador_.campo("Nome").texto()
                                   : QString()));
    EscreverTexto(8, 80, "|");
    EscreverTexto(9, 1, "|" + Igual + "|");
    EscreverTexto(10, 1, "|");
    EscreverTexto(10, 2, "GR.");
    EscreverTexto(10, 5, "ITEM");
    EscreverTexto(10, 17, "QUANT");
    EscreverTexto(10, 23, "UN.");
    EscreverTexto(10, 28, "DESCRICAO DOS PRODUTOS");
    EscreverTexto(10, 76, "PERC");
    EscreverTexto(10, 80, "|");
    EscreverTexto(11, 1, Moldura);
}

bool DadosRelFormula::imprimir(const FormulaListada& f) {
    if (!formula_.localizarChave({f.filial, f.formula}))
        return false;
    if (!produto_.localizarChave({f.filial, formula_.campo("Cod_Reduz").inteiro()})) {
        MostrarMensagem("Produto nao cadastrado");
        return false;
    }
    cabecalho();
    // The line a component or observation piece goes on: a line that
    // would fall on the total or past the page starts a next page.
    int linha = PrimeiraLinhaItens - 1;
    auto proxima = [this](int l) {
        if (l != LinhaTotal && l <= UltimaLinha)
            return l;
        ImprimirPagina();
        cabecalho();
        return PrimeiraLinhaItens;
    };

    double total = 0;
    componentes_.fechar();
    componentes_.definirFaixa({f.filial, f.formula}, {f.filial, f.formula});
    componentes_.abrir();
    for (; !componentes_.eof(); componentes_.proximo()) {
        const int codigo = componentes_.campo("Componente").inteiro();
        if (!componente_.localizarChave({f.filial, codigo})) {
            MostrarMensagem("Componente nao cadastrado");
            continue;
        }
        const double quantidade = componentes_.campo("QUANTIDADE").numero();
        linha = proxima(linha + 1);
        EscreverTexto(linha, 2, Formatar("%2.2d", {numeroDe(componente_.campo("Nivel2").texto())}));
        EscreverTexto(linha, 5, Formatar("%5.5d", {codigo}));
        EscreverTexto(linha, 12, Formatar("%9.6n", {quantidade}));
        EscreverTexto(linha, 23, componente_.campo("UNID_PAD").texto());
        EscreverTexto(linha, 28, componente_.campo("NOME1").texto().left(45));
        EscreverTexto(linha, 74, Formatar("%6.2n", {componentes_.campo("Percentual").numero()}));
        total += quantidade;
    }
    componentes_.fechar();

    linha = proxima(linha + 3);
    EscreverTexto(linha, 1, "Observ. Da Formula:");
    for (const QString& pedaco : pedacosObservacao(formula_.campo("Observacao").texto())) {
        linha = proxima(linha + 1);
        EscreverTexto(linha, 1, pedaco);
    }
    EscreverTexto(LinhaTotal, 2, "PESO TOTAL: " + Formatar("%9.3n", {total}));
    ImprimirPagina();
    return true;
}
