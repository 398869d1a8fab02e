#include "PesquisaSelecao.h"

#include "session/Dialogos.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"

namespace {
const char* const SelectProdutos =
    "SELECT Cod_Reduz as Codigo, Nome1 as Descricao,Unid_Pad, Marca, Referencia, Filial, "
    "Situacao, RefFornec, NOME2, LOCALIZA  FROM \"ESTPROMA.DB\" Estproma";
const char* const SelectClifor =
    " SELECT Cod_Clifor as Codigo, Nome as Descricao, FANTASIA, CIDADE, BAIRRO, ENDERECO, "
    "COMPLEMENTO, CGC, TELEFONE1, E_Mail, Observacao, Observa2  FROM \"Clifor.DB\" Clifor";

bool ehProdutos(const QString& select) {
    const QString s = select.toUpper();
    return s.contains("ESTPROMA") && !s.contains("ESTPROMANCM");
}

QList<ColunaSelecao> colunasExtras(const QString& select) {
    const QString s = select.toUpper();
    QList<ColunaSelecao> extras;
    auto comNomes = [&extras](const QStringList& campos) {
        for (const QString& c : campos)
            extras.append({c, c});
    };
    if (ehProdutos(select))
        comNomes({"Unid_Pad", "Marca", "Referencia", "RefFornec", "NOME2", "LOCALIZA"});
    else if (s.contains("CLIFOR"))
        comNomes({"FANTASIA", "CIDADE", "BAIRRO", "ENDERECO", "COMPLEMENTO", "CGC", "TELEFONE1",
                  "E_Mail", "Observacao", "Observa2"});
    else if (s.contains("CARIMBO"))
        extras = {{"CAR_DESC1", "Linha 1"}, {"CAR_DESC2", "Linha 2"}, {"CAR_DESC3", "Linha 3"}};
    else if (s.contains("CONTASREFERENCIAL"))
        extras = {{"DtInicioValidade", "Inicio Validade"},
                  {"DtFimValidade", "Fim Validade"},
                  {"Tipo", "Tipo"}};
    return extras;
}

bool tipoInteiro(TipoCampo t) {
    return t == TipoCampo::Short || t == TipoCampo::Long || t == TipoCampo::AutoInc;
}
} // namespace

QString SelectPadrao(const QString& select) {
    if (ehProdutos(select))
        return SelectProdutos;
    if (select.toUpper().contains("CLIFOR"))
        return SelectClifor;
    return select;
}

PesquisaSelecao::PesquisaSelecao(const QString& banco, const QString& select,
                                 const QString& condicao, const QString& ordem,
                                 const QString& colunaCodigo, const QString& colunaDescricao,
                                 const QString& colunaResultado, SessaoBanco* sessao)
    : sessao_(sessao), banco_(banco), select_(SelectPadrao(select)), condicao_(condicao),
      ordem_(ordem), colunaCodigo_(colunaCodigo), colunaDescricao_(colunaDescricao),
      colunaResultado_(colunaResultado) {
    colunas_ = {{"Codigo", "Codigo"}, {"Descricao", "Descricao"}};
    colunas_ += colunasExtras(select_);
}

QString PesquisaSelecao::expressao(const QString& titulo) const {
    if (titulo == "Codigo")
        return colunaCodigo_;
    if (titulo == "Descricao")
        return colunaDescricao_;
    for (const ColunaSelecao& c : colunas_)
        if (c.titulo == titulo)
            return c.campo;
    return QString();
}

bool PesquisaSelecao::colunaInteira(const QString& titulo) const {
    for (const ColunaSelecao& c : colunas_)
        if (c.titulo == titulo)
            return tipoInteiro(tipos_.value(c.campo.toUpper(), TipoCampo::Texto));
    return false;
}

void PesquisaSelecao::ordenarPor(const QString& titulo) {
    ordem_ = "Order by " + expressao(titulo);
}

bool PesquisaSelecao::pesquisar(const QString& titulo, const QString& valor, bool iniciando) {
    QStringList sql{select_};
    const bool temCondicao = !condicao_.trimmed().isEmpty();
    if (temCondicao)
        sql << condicao_;
    const QString coluna = expressao(titulo);
    QVariant parametro;
    if (!valor.isEmpty() && !coluna.isEmpty()) {
        const QString juncao = temCondicao ? " and " : " Where ";
        if (colunaInteira(titulo)) {
            bool ok = false;
            const qlonglong n = valor.trimmed().toLongLong(&ok);
            if (!ok) {
                MostrarErro("Valor inválido para a pesquisa!");
                return false;
            }
            sql << juncao + coluna + " = :ValorPesquisa";
            parametro = n;
        } else {
            sql << juncao + "UPPER(" + coluna + ") like (:ValorPesquisa)";
            parametro = QString(iniciando ? "" : "%") + valor.toUpper() + "%";
        }
    }
    if (!ordem_.trimmed().isEmpty())
        sql << ordem_;

    Consulta q(sessao_);
    q.setNomeBanco(banco_);
    q.setSql(sql);
    if (parametro.isValid())
        q.definirParametro("ValorPesquisa", parametro);
    QList<QStringList> linhas;
    QStringList resultados;
    QHash<QString, TipoCampo> tipos;
    try {
        q.abrir();
        for (int i = 0; i < q.quantidadeCampos(); ++i)
            tipos.insert(q.campo(i).nome().toUpper(), q.campo(i).tipo());
        std::vector<int> indices;
        for (const ColunaSelecao& c : colunas_)
            indices.push_back(q.indiceCampo(c.campo));
        const int resultado = q.indiceCampo(colunaResultado_);
        if (resultado < 0)
            throw ErroBanco("Field '" + colunaResultado_ + "' not found");
        for (q.primeiro(); !q.eof(); q.proximo()) {
            QStringList textos;
            for (int i : indices)
                textos << (i >= 0 ? q.campo(i).texto() : QString());
            linhas << textos;
            resultados << q.campo(resultado).texto();
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    linhas_ = linhas;
    resultados_ = resultados;
    tipos_ = tipos;
    sql_ = sql;
    return true;
}
