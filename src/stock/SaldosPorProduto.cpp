#include "SaldosPorProduto.h"

#include "Meses.h"
#include "session/Sessao.h"
#include "session/TemPermissao.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace {

QString Tabela(const QString& diretorio, const char* nome) {
    return diretorio.isEmpty() ? QString::fromLatin1(nome)
                               : "\"" + diretorio + QLatin1String(nome) + ".DB\"";
}

class Montagem {
public:
    Montagem(SaldosPorProduto& r, const QStringList& tamanhos, const QMap<int, QString>& cores)
        : r_(r), tamanhos_(tamanhos), cores_(cores) {}

    // The column of a size: -1 when the product has sizes but not this one
    // or it is beyond the tenth.
    int coluna(const QString& tamanho) const {
        if (tamanhos_.isEmpty())
            return 0;
        const int k = tamanhos_.indexOf(tamanho);
        return k < TamanhosSaldos ? k : -1;
    }

    LinhaSaldosProduto& linha(int cor, int loja) {
        const QString rotulo =
            cores_.contains(cor) ? cores_[cor] + " (" + QString::number(cor) + ")" : QString();
        const auto chave = std::make_pair(rotulo, loja);
        if (const auto it = indice_.find(chave); it != indice_.end())
            return r_.linhas[it->second];
        indice_[chave] = r_.linhas.size();
        r_.linhas.push_back({rotulo, loja, {}, {}});
        return r_.linhas.back();
    }

    void loja(const QString& diretorio, int numero, int filial, const QString& anoMes, int produto,
              SessaoBanco* sessao) {
        Consulta q(sessao);
        q.setSql({"SELECT * FROM " + Tabela(diretorio, "SLDPR") + " WHERE FILIAL = :P-FILIAL" +
                  " AND ANO_MES = :P-ANOMES" + " AND COD_REDUZ = :P-CODIGO" +
                  " ORDER BY COD_DEPOSI, TAMANHO"});
        q.definirParametro("P-FILIAL", filial);
        q.definirParametro("P-ANOMES", anoMes);
        q.definirParametro("P-CODIGO", produto);
        for (q.abrir(); !q.eof(); q.proximo()) {
            LinhaSaldosProduto& l = linha(q.campo("Cod_Deposi").inteiro(), numero);
            const int k = coluna(q.campo("Tamanho").texto());
            if (k >= 0)
                l.tamanhos[k] = q.campo("Fisico").numero();
        }
        q.setSql({"SELECT SUM(A.QUANTIDADE) TOTCOND, A.COD_DEPOSI, A.TAMANHO FROM " +
                      Tabela(diretorio, "NOTAI") + " A, " + Tabela(diretorio, "NOTAS") + " B",
                  " WHERE A.FILIAL = :P-FIL", " AND B.FILIAL = A.FILIAL",
                  " AND B.NUM_NOTA = A.NUM_NOTA", " AND B.TIPO_NOTA = A.TIPO_NOTA",
                  " AND B.COD_CLIFOR = A.COD_CLIFOR", " AND B.DT_ENTRADA = A.DT_ENTRADA",
                  " AND (B.EST_HIST = 54 OR B.EST_HIST = 55)", " AND A.COD_REDUZ = :P-PROD",
                  " AND (A.COD_VENDA = :P-VDA OR A.COD_VENDA IS NULL)",
                  " GROUP BY A.COD_DEPOSI, A.TAMANHO"});
        q.definirParametro("P-FIL", filial);
        q.definirParametro("P-PROD", produto);
        q.definirParametro("P-VDA", QString());
        for (q.abrir(); !q.eof(); q.proximo()) {
            const double total = q.campo("TOTCOND").numero();
            if (total == 0)
                continue;
            LinhaSaldosProduto& l = linha(q.campo("COD_DEPOSI").inteiro(), numero);
            const int k = coluna(q.campo("TAMANHO").texto());
            if (k >= 0)
                l.condicionais[k] = total;
        }
    }

private:
    SaldosPorProduto& r_;
    const QStringList& tamanhos_;
    const QMap<int, QString>& cores_;
    std::map<std::pair<QString, int>, size_t> indice_;
};

} // namespace

bool MostraTodasAsLojas() {
    const DadosSessao& s = Sess();
    const bool instalacao = s.FatModNf == 167 || s.FatModNf == 207 ||
                            (s.FatModNf == 51 && (s.Nivel == "ADM" || s.Nivel == "SUP"));
    if (!instalacao)
        return false;
    return !s.UsaPermissoes || TemPermissao(s.AliasPermissoes, s.FilialTexto, s.Usuario,
                                            "AcessoCnsSldProdTodasLjs", s.Nivel, false);
}

std::vector<LojaSaldos> OutrasLojas(SessaoBanco* sessao) {
    const DadosSessao& s = Sess();
    const QString raiz = s.DirEmpresa.left(3);
    std::vector<LojaSaldos> lojas;
    if (s.FatModNf == 51 || s.FatModNf == 167) {
        for (int n = 1; n <= 7; ++n)
            if (n != s.Loja && !(s.FatModNf == 167 && n == 5))
                lojas.push_back({n, "LOJA " + QString::number(n),
                                 raiz + "ORVALO\\LOJA" + QString::asprintf("%2.2d", n) + "\\"});
        return lojas;
    }
    Consulta q(sessao);
    q.setSql({"select *from \"" + QLatin1String(CaminhoCatalogoEmpresas) + "\""});
    for (q.abrir(); !q.eof(); q.proximo()) {
        const int loja = q.campo("LOJA").inteiro();
        if (loja != s.Loja)
            lojas.push_back(
                {loja, q.campo("Nome").texto(), raiz + q.campo("Diretorio").texto() + "\\"});
    }
    return lojas;
}

SaldosPorProduto ConsultarSaldosPorProduto(const QString& mesAno, int produto,
                                           const std::vector<LojaSaldos>& outras,
                                           const std::function<void(int)>& avancar,
                                           SessaoBanco* sessao) {
    const DadosSessao& s = Sess();
    SaldosPorProduto r;
    Consulta q(sessao);
    q.setSql({"SELECT DISTINCT TAMANHO FROM TAMANHO WHERE FILIAL = :P-FILIAL AND COD_REDUZ = "
              ":P-CODIGO"});
    q.definirParametro("P-FILIAL", s.Filial);
    q.definirParametro("P-CODIGO", produto);
    QStringList tamanhos;
    for (q.abrir(); !q.eof(); q.proximo())
        tamanhos << q.campo("TAMANHO").texto();
    r.titulos = tamanhos.isEmpty() ? QStringList{"Qtd"} : tamanhos.mid(0, TamanhosSaldos);
    while (r.titulos.size() < TamanhosSaldos)
        r.titulos << QString();

    QMap<int, QString> cores;
    q.setSql({"SELECT Codigo, Descricao FROM Cores"});
    for (q.abrir(); !q.eof(); q.proximo())
        cores[q.campo("Codigo").inteiro()] = q.campo("Descricao").texto();
    q.fechar();

    Montagem montagem(r, tamanhos, cores);
    const QString anoMes = AnoMesDeMesAno(mesAno);
    const int propria = s.FatModNf == 51 || s.FatModNf == 167 || s.FatModNf == 207 ? s.Loja : 1;
    montagem.loja(QString(), propria, s.Filial, anoMes, produto, sessao);
    int feitas = 0;
    for (const LojaSaldos& loja : outras) {
        r.lojas[loja.loja] = loja.nome;
        try {
            montagem.loja(loja.diretorio, loja.loja, s.Filial, anoMes, produto, sessao);
        } catch (const ErroBanco& e) {
            throw ErroBanco(loja.diretorio + ": " + e.texto());
        }
        if (avancar)
            avancar(++feitas);
    }
    // Shown in the order of the rows' key, colour then store.
    std::stable_sort(r.linhas.begin(), r.linhas.end(),
                     [](const LinhaSaldosProduto& a, const LinhaSaldosProduto& b) {
                         return std::tie(a.cor, a.loja) < std::tie(b.cor, b.loja);
                     });
    return r;
}
