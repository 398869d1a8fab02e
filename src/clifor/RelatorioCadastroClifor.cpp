#include "RelatorioCadastroClifor.h"

#include "services/ConfigImpressao.h"
#include "services/FormatoNumero.h"
#include "services/RelatorioTexto.h"
#include "session/FormatosRegionais.h"
#include "store/Consulta.h"

namespace {

void cabecalho(const QString& sistema) {
    ConfigImpressao& cfg = CfgImpressao();
    Cabecalho("RELATORIO DE " + QString(sistema == "1" ? "FORNECEDORES" : "CLIENTES"), QString());
    const auto linha = [&cfg](std::initializer_list<std::pair<int, const char*>> textos) {
        ++cfg.Linha;
        for (const auto& [coluna, texto] : textos)
            EscreverTexto(cfg.Linha, coluna, texto);
    };
    linha({{1, "CODIGO"},
           {8, "NOME"},
           {49, "ENDERECO"},
           {90, "CIDADE"},
           {111, "CEP"},
           {121, "UF"},
           {124, "DAT.CAD."}});
    linha({{8, "FANTASIA"},
           {49, "ENDERECO COBRANCA"},
           {90, "CIDADE COBRANCA"},
           {111, "CEP COBR."},
           {122, "UF"},
           {125, "COD.CONC"}});
    linha({{8, "CGC"},
           {26, "INSCRICAO EST."},
           {41, "CX.POST"},
           {49, "ENDERECO ENTREGA"},
           {90, "CIDADE ENTREGA"},
           {111, "CEP ENTR."},
           {122, "UF"}});
    linha({{8, "ICM"},
           {14, "TELE"},
           {29, "FAX"},
           {44, "TELEFONE-1"},
           {59, "TELEFONE-2"},
           {73, "ULT.COMPR."},
           {91, "VALOR COMPR."},
           {112, "COMPRA MAIOR"}});
    linha({{8, "COMIS"},
           {14, "VEND.1"},
           {21, "VEND.2"},
           {28, "REGIAO"},
           {35, "BANCO"},
           {44, "CONTATO"},
           {65, "OBSERVACOES"}});
    ++cfg.Linha;
    EscreverTexto(cfg.Linha, 1, Repetir("-", cfg.Largura));
}

// Street and number as one text; a number of 0 is no number.
QString comNumero(ConjuntoDados& q, const char* rua, const char* numero) {
    const int n = q.campo(numero).inteiro();
    const QString r = q.campo(rua).texto();
    return n == 0 ? r : r + ", " + QString::number(n);
}

// Each value is cut where the next column begins.
void escrever(int linha, int coluna, const QString& texto, int largura) {
    EscreverTexto(linha, coluna, texto.left(largura));
}

void imprimirParte(ConjuntoDados& q) {
    ConfigImpressao& cfg = CfgImpressao();
    const auto texto = [&q](const char* campo) { return q.campo(campo).texto(); };
    int l = cfg.Linha;
    EscreverTexto(l, 1, Formatar("%6.6d", {q.campo("Cod_Clifor").inteiro()}));
    escrever(l, 8, texto("NOME"), 40);
    escrever(l, 49, comNumero(q, "ENDERECO", "NUMERO"), 39);
    escrever(l, 89, texto("CIDADE"), 21);
    escrever(l, 111, texto("COD_CEPEND"), 8);
    escrever(l, 120, texto("ESTADO"), 2);
    escrever(l, 123, DataTexto(q.campo("DATA_CAD").data()), 10);
    ++l;
    escrever(l, 8, texto("FANTASIA"), 40);
    escrever(l, 49, comNumero(q, "END_COB", "NUM_COB"), 40);
    escrever(l, 90, texto("CID_COB"), 20);
    escrever(l, 111, texto("COD_CEPCOB"), 8);
    escrever(l, 122, texto("EST_COB"), 2);
    ++l;
    escrever(l, 8, texto("CGC"), 18);
    escrever(l, 27, texto("INSC_EST"), 21);
    escrever(l, 49, texto("END_ENT"), 40);
    escrever(l, 90, texto("CID_ENT"), 20);
    escrever(l, 111, texto("COD_CEPENT"), 8);
    escrever(l, 122, texto("EST_ENT"), 2);
    ++l;
    escrever(l, 28, texto("FAX"), 15);
    escrever(l, 43, texto("DDDFone1") + texto("TELEFONE1"), 15);
    escrever(l, 58, texto("DDDFone2") + texto("TELEFONE2"), 15);
    // The date runs into the value's first, blank, column.
    EscreverTexto(l, 82, Formatar("%14.2n", {q.campo("VALOR_ULTC").numero()}));
    EscreverTexto(l, 73, DataTexto(q.campo("DATA_ULTC").data()));
    EscreverTexto(l, 103, Formatar("%14.2n", {q.campo("MAIOR_COM").numero()}));
    ++l;
    EscreverTexto(l, 13, Formatar("%6.6d", {q.campo("Cod_Vend1").inteiro()}));
    escrever(l, 43, texto("NOM_CONTAT"), 21);
    escrever(l, 64, texto("OBSERVACAO"), 69);
    cfg.Linha = l;
}

} // namespace

int ImprimirCadastroClifor(const FiltroCadastroClifor& f, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select * From Clifor", " Where Filial = :Filial", "   and Sistema = :Sistema"});
    q.definirParametro("Filial", f.filial);
    q.definirParametro("Sistema", f.sistema);
    if (f.alfabetica) {
        if (!f.nomeInicial.isEmpty()) {
            q.adicionarLinha("   and Upper(Nome) >= :NomeIni");
            q.definirParametro("NomeIni", f.nomeInicial.toUpper());
        }
        if (!f.nomeFinal.isEmpty()) {
            q.adicionarLinha("   and Upper(Nome) <= :NomeFim");
            q.definirParametro("NomeFim", f.nomeFinal.toUpper());
        }
        q.adicionarLinha(" Order By Upper(Nome), Cod_Clifor");
    } else {
        q.adicionarLinha("   and Cod_Clifor >= :CodIni and Cod_Clifor <= :CodFim");
        q.definirParametro("CodIni", f.codigoInicial.isEmpty() ? 0 : f.codigoInicial.toInt());
        q.definirParametro("CodFim", f.codigoFinal.isEmpty() ? 999999 : f.codigoFinal.toInt());
        q.adicionarLinha(" Order By Cod_Clifor");
    }
    q.abrir();

    ConfigImpressao& cfg = CfgImpressao();
    int impressas = 0;
    IniciarRelatorio();
    cfg.Linha = cfg.LinhasPorPagina;
    for (; !q.eof(); q.proximo()) {
        if (!f.inativos && !q.campo("Ativo").ehNulo() && !q.campo("Ativo").logico())
            continue;
        if (++cfg.Linha > cfg.LinhasPorPagina - 4) {
            cabecalho(f.sistema);
            ++cfg.Linha;
        }
        imprimirParte(q);
        ++impressas;
    }
    if (impressas == 0)
        cabecalho(f.sistema);
    ImprimirPagina();
    FinalizarRelatorio();
    return impressas;
}
