#include "RelatorioClientesPorCidade.h"

#include "services/ConfigImpressao.h"
#include "services/FormatoNumero.h"
#include "services/RelatorioTexto.h"
#include "session/FormatosRegionais.h"
#include "store/Consulta.h"
#include "store/Tabela.h"

namespace {

void cabecalho(bool conceito) {
    ConfigImpressao& cfg = CfgImpressao();
    Cabecalho("RELATORIO DE CLIENTES POR CIDADE: ", QString());
    ++cfg.Linha;
    EscreverTexto(cfg.Linha, 5, "CODIGO");
    EscreverTexto(cfg.Linha, 12, "NOME");
    EscreverTexto(cfg.Linha, 53, "TELEFONE");
    EscreverTexto(cfg.Linha, 74, "CONTATO");
    EscreverTexto(cfg.Linha, 91, "ENDERECO");
    ++cfg.Linha;
    EscreverTexto(cfg.Linha, 53, "BAIRRO");
    EscreverTexto(cfg.Linha, 74, "CGC");
    EscreverTexto(cfg.Linha, 91, "INS.ESTADUAL");
    if (conceito)
        EscreverTexto(cfg.Linha, 109, "CONC");
    EscreverTexto(cfg.Linha, 126, "ULT.COMPRA");
    ++cfg.Linha;
    EscreverTexto(cfg.Linha, 1, Repetir("-", cfg.Largura));
}

// Moves to the first of the next `linhas` lines, starting a page when that
// line is past the page length minus 4 or the last would leave the page, so
// a city's heading never stays apart from its first party.
void avancar(bool conceito, int linhas) {
    ConfigImpressao& cfg = CfgImpressao();
    ++cfg.Linha;
    if (cfg.Linha > cfg.LinhasPorPagina - 4 || cfg.Linha + linhas - 1 > cfg.LinhasPorPagina) {
        cabecalho(conceito);
        ++cfg.Linha;
    }
}

void escrever(int linha, int coluna, const QString& texto, int largura) {
    EscreverTexto(linha, coluna, texto.left(largura));
}

} // namespace

QStringList CidadesClifor(SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"SELECT CIDADE FROM \"CLIFOR.DB\" Clifor GROUP BY CIDADE ORDER BY CIDADE"});
    q.abrir();
    QStringList cidades;
    for (; !q.eof(); q.proximo())
        if (!q.campo(0).ehNulo())
            cidades << q.campo(0).texto();
    return cidades;
}

int ImprimirClientesPorCidade(const FiltroClientesPorCidade& f, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select *From Clifor  Where Filial = :CodFil and Cod_Clifor >= :CodIni and "
              "Cod_Clifor <= :CodFim"});
    q.definirParametro("CodFil", f.filial);
    q.definirParametro("CodIni", f.codigoInicial.isEmpty() ? 0 : f.codigoInicial.toInt());
    q.definirParametro("CodFim", f.codigoFinal.isEmpty() ? 999999 : f.codigoFinal.toInt());
    const auto limite = [&q](const QString& valor, const char* condicao, const char* nome) {
        if (valor.isEmpty())
            return;
        q.adicionarLinha(condicao);
        q.definirParametro(nome, valor);
    };
    limite(f.cidadeInicial, " and Cidade >= :CidIni", "CidIni");
    limite(f.cidadeFinal, " and Cidade <= :CidFim", "CidFim");
    limite(f.nomeInicial, " and Nome >= :NomeIni", "NomeIni");
    limite(f.nomeFinal, " and Nome <= :NomeFIm", "NomeFIm");
    if (!f.cidades.isEmpty()) {
        QStringList marcas;
        for (int i = 0; i < f.cidades.size(); ++i) {
            marcas << ":Cid" + QString::number(i);
            q.definirParametro("Cid" + QString::number(i), f.cidades[i]);
        }
        q.adicionarLinha(" AND CIDADE IN(" + marcas.join(", ") + ")");
    }
    q.adicionarLinha(f.separarEstados ? "Order By Estado, Cidade, Nome"
                                      : "Order By Cidade, Estado, Nome");
    q.abrir();

    const bool conceito = f.fatModNf == 132 || f.fatModNf == 277;
    Tabela conceitos("Conceito", sessao);
    if (conceito)
        conceitos.abrir();

    ConfigImpressao& cfg = CfgImpressao();
    IniciarRelatorio();
    cfg.Linha = cfg.LinhasPorPagina;
    int impressas = 0;
    bool primeira = true;
    QString estado, cidade;
    for (; !q.eof(); q.proximo()) {
        if (!f.inativos && !q.campo("Ativo").ehNulo() && !q.campo("Ativo").logico())
            continue;
        const auto texto = [&q](const char* campo) { return q.campo(campo).texto(); };
        const bool novoEstado = f.separarEstados && (primeira || texto("ESTADO") != estado);
        const bool novaCidade = novoEstado || primeira || texto("CIDADE") != cidade;
        avancar(conceito, 2 + int(novoEstado) + int(novaCidade));
        if (novoEstado) {
            estado = texto("ESTADO");
            EscreverTexto(cfg.Linha++, 1, "ESTADO: " + estado);
        }
        if (novaCidade) {
            cidade = texto("CIDADE");
            EscreverTexto(cfg.Linha++, 1, "CIDADE: " + cidade);
        }
        primeira = false;
        const int l = cfg.Linha;
        EscreverTexto(l, 5, Formatar("%6.6d", {q.campo("Cod_Clifor").inteiro()}));
        escrever(l, 12, texto("NOME"), 40);
        escrever(l, 53, texto("DDDFone1") + texto("TELEFONE1"), 20);
        escrever(l, 74, texto("NOM_CONTAT"), 16);
        const int numero = q.campo("NUMERO").inteiro();
        escrever(l, 91, texto("ENDERECO") + (numero ? ", " + QString::number(numero) : ""), 42);
        ++cfg.Linha;
        const int l2 = cfg.Linha;
        escrever(l2, 53, texto("BAIRRO"), 20);
        escrever(l2, 74, texto("CGC"), 16);
        escrever(l2, 91, texto("INSC_EST"), 17);
        if (conceito && conceitos.localizarChave({q.campo("Cod_Conc").inteiro()}))
            escrever(l2, 109, conceitos.campo("MSG_TELA").texto(), 16);
        escrever(l2, 126, DataTexto(q.campo("DATA_ULTC").data()), 10);
        ++impressas;
    }
    if (impressas == 0)
        cabecalho(conceito);
    ImprimirPagina();
    FinalizarRelatorio();
    return impressas;
}
