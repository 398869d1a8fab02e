#include "ConsultaMovProduto.h"

#include "services/DataValida.h"
#include "services/Dinheiro.h"
#include "services/FormatoNumero.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/Consulta.h"

#include <QDate>
#include <QRegularExpression>

namespace {

const QStringList SqlBase = {
    " SELECT Notai.Filial, Notai.Num_Nota, Notai.Tipo_Nota, Notai.Cod_Clifor, Notai.DT_ENTRADA, "
    "Notai.Num_Item, ",
    " Notai.Cod_Reduz, Notai.DESCR_PROD, Notai.TAMANHO, Notai.QUANTIDADE, Notai.PRECO_UNIT, "
    "Notai.BT_ICMS, Notai.BI_ICMS,",
    " Notai.BO_ICMS, Notas.Est_Hist, Histest.DESCR_HIST, Notas.Dt_Emissao, Clifor.NOME , "
    "Estproma.REFERENCIA, Estproma.RefFornec, Estproma.MARCA",
    " FROM \"NOTAI.DB\" Notai",
    "   INNER JOIN \"NOTAS.DB\" Notas",
    "   ON  (Notas.Filial = Notai.Filial)",
    "   AND  (Notas.Num_Nota = Notai.Num_Nota) ",
    "   AND  (Notas.Tipo_Nota = Notai.Tipo_Nota) ",
    "   AND  (Notas.Cod_Clifor = Notai.Cod_Clifor)",
    "   AND  (Notas.DT_ENTRADA = Notai.DT_ENTRADA)",
    "   INNER JOIN \"clifor.DB\" Clifor",
    "   ON  (Clifor.Filial = Notai.Filial)",
    "   AND  (Clifor.Cod_Clifor = Notai.Cod_Clifor)",
    "   INNER JOIN \"ESTPROMA.DB\" Estproma ",
    "   ON  (Estproma.Filial = Notai.Filial) ",
    "   AND  (Estproma.Cod_Reduz = Notai.Cod_Reduz)  ",
    "   INNER JOIN \"HISTEST.DB\" Histest",
    "   ON  (Histest.Est_Hist = Notas.Est_Hist)",
};

bool Vazia(const QString& data) {
    return QString(data).remove('/').trimmed().isEmpty();
}

QString DataSql(const QString& data) {
    return "'" + LerData(data).toString("dd.MM.yyyy") + "'";
}

// The caption of each list box, in the order they are checked.
struct Lista {
    QString FiltroMovProduto::*texto;
    const char* legenda;
    const char* condicao;
    const char* fim;
};
const Lista Listas[] = {
    {&FiltroMovProduto::historicos, "Historicos", " AND  Notas.Est_Hist IN (", ")"},
    {&FiltroMovProduto::produtos, "Produto", " AND  Notai.Cod_Reduz IN (", ")   "},
    {&FiltroMovProduto::clientes, "Cliente", " AND  Notai.Cod_Clifor IN (", ")   "},
};

// How the sort column is named in the statement: qualified, since the
// header repeats the item's key fields.
QString Ordem(const QString& campo) {
    if (campo == QLatin1String("Calc_TOTALITEM"))
        // A blank value is no value: it must not blank the sum.
        return "COALESCE(Notai.BT_ICMS, 0) + COALESCE(Notai.BI_ICMS, 0) + "
               "COALESCE(Notai.BO_ICMS, 0)";
    static const struct {
        const char* campo;
        const char* tabela;
    } fora[] = {{"NOME", "Clifor"},         {"Est_Hist", "Notas"},     {"DESCR_HIST", "Histest"},
                {"REFERENCIA", "Estproma"}, {"RefFornec", "Estproma"}, {"MARCA", "Estproma"}};
    for (const ColunaMovProduto& c : ColunasMovProduto()) {
        if (campo.compare(QLatin1String(c.campo), Qt::CaseInsensitive) != 0)
            continue;
        QString tabela = "Notai";
        for (const auto& f : fora)
            if (qstrcmp(f.campo, c.campo) == 0)
                tabela = QLatin1String(f.tabela);
        return tabela + "." + QLatin1String(c.campo);
    }
    return "Notai.DT_ENTRADA";
}

} // namespace

const QList<ColunaMovProduto>& ColunasMovProduto() {
    static const QList<ColunaMovProduto> colunas = {
        {"Num_Nota", "Nota"},
        {"Tipo_Nota", "Tipo Nf"},
        {"Cod_Clifor", "Cliente"},
        {"NOME", "Nome"},
        {"DT_ENTRADA", "Data"},
        {"Cod_Reduz", "Produto"},
        {"DESCR_PROD", "Descrição"},
        {"TAMANHO", "Tamanho"},
        {"QUANTIDADE", "Qtd"},
        {"PRECO_UNIT", "Preco Unit"},
        {"Est_Hist", "Historico"},
        {"DESCR_HIST", "Desc. Historico"},
        {"Calc_TOTALITEM", "Total Item"},
        {"REFERENCIA", "Referência"},
        {"RefFornec", "Ref. Fornecedor"},
        {"MARCA", "Marca"},
    };
    return colunas;
}

std::optional<QList<int>> ListaDeCodigos(const QString& texto) {
    QList<int> codigos;
    if (texto.trimmed().isEmpty())
        return codigos;
    static const QRegularExpression numero("^\\s*(\\d{1,9})\\s*$");
    for (const QString& parte : texto.split(',')) {
        const QRegularExpressionMatch m = numero.match(parte);
        if (!m.hasMatch())
            return std::nullopt;
        codigos << m.captured(1).toInt();
    }
    return codigos;
}

QString ValidarFiltroMovProduto(const FiltroMovProduto& f) {
    for (const Lista& l : Listas)
        if (!ListaDeCodigos(f.*l.texto)) {
            MostrarMensagem("Lista de códigos inválida em " + QLatin1String(l.legenda) +
                            ": informe somente números separados por vírgula.");
            return QLatin1String(l.legenda);
        }
    if (!Vazia(f.dataInicial) && !DataValida(f.dataInicial))
        return "Dt Emissão Inicial";
    if (!Vazia(f.dataFinal) && !DataValida(f.dataFinal))
        return "Dt Emissão Final";
    return QString();
}

QStringList SqlMovProduto(const FiltroMovProduto& f) {
    QStringList sql = SqlBase;
    sql << " WHERE   Notai.Filial = " + QString::number(Sess().Filial);
    if (!Vazia(f.dataInicial) && !Vazia(f.dataFinal)) {
        sql << " AND  Notai.DT_ENTRADA >= " + DataSql(f.dataInicial);
        sql << " AND  Notai.DT_ENTRADA <= " + DataSql(f.dataFinal);
    }
    for (const Lista& l : Listas) {
        const QList<int> codigos = ListaDeCodigos(f.*l.texto).value_or(QList<int>());
        if (codigos.isEmpty())
            continue;
        QStringList textos;
        for (int c : codigos)
            textos << QString::number(c);
        sql << QLatin1String(l.condicao) + textos.join(',') + QLatin1String(l.fim);
    }
    if (!f.referencia.isEmpty())
        sql << " AND  Estproma.Referencia = :Referencia";
    if (!f.refFornecedor.isEmpty())
        sql << " AND  Estproma.RefFornec = :RefFornec";
    if (!f.marca.isEmpty())
        sql << " AND  Estproma.Marca = :Marca";
    // Rows equal in the sort column keep the documents' order.
    sql << " Order by " + Ordem(f.ordem) + ", Notai.DT_ENTRADA, Notai.Num_Nota, Notai.Num_Item";
    return sql;
}

ResultadoMovProduto ConsultarMovProduto(const FiltroMovProduto& f, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql(SqlMovProduto(f));
    if (!f.referencia.isEmpty())
        q.definirParametro("Referencia", f.referencia);
    if (!f.refFornecedor.isEmpty())
        q.definirParametro("RefFornec", f.refFornecedor);
    if (!f.marca.isEmpty())
        q.definirParametro("Marca", f.marca);
    ResultadoMovProduto r;
    Dinheiro quantidade, valor;
    for (q.abrir(); !q.eof(); q.proximo()) {
        const Dinheiro total = Dinheiro::deNumero(q.campo("BT_ICMS").numero()) +
                               Dinheiro::deNumero(q.campo("BI_ICMS").numero()) +
                               Dinheiro::deNumero(q.campo("BO_ICMS").numero());
        const Dinheiro qtd = Dinheiro::deNumero(q.campo("QUANTIDADE").numero());
        quantidade += qtd;
        valor += total;
        QStringList linha;
        for (const ColunaMovProduto& c : ColunasMovProduto()) {
            const QString campo = QLatin1String(c.campo);
            if (campo == QLatin1String("Calc_TOTALITEM"))
                linha << FormatarNumero("###,###,##0.00", total.numero());
            else if (campo == QLatin1String("QUANTIDADE"))
                linha << FormatarNumero("###,###,##0.0000", qtd.numero());
            else if (campo == QLatin1String("PRECO_UNIT"))
                linha << FormatarNumero("###,##0.0000", q.campo(campo).numero());
            else
                linha << q.campo(campo).texto();
        }
        r.linhas << linha;
    }
    r.quantidade = "Quantidade : " + Formatar("%.2f", {quantidade.numero()});
    r.valor = "Valor : R$ " + Formatar("%.2f", {valor.numero()});
    return r;
}
