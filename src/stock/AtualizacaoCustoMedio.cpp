#include "AtualizacaoCustoMedio.h"

#include "CalculaCustoMedio.h"
#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

#include <vector>

std::optional<MesFechado> FechamentoPorInstalacao(int fatModNf) {
    static const struct {
        int fatModNf;
        const char* anoMes;
        const char* mensagem;
    } fechamentos[] = {
        {131, "200712", "Periodo Sem Acesso"}, {160, "200801", "Periodo Sem Acesso"},
        {176, "200703", "Periodo Sem Acesso"}, {121, "200412", "Periodo Sem Acesso"},
        {126, "200406", "Periodo Sem Acesso"}, {112, "200312", "Periodo Sem Acesso"},
        {177, "200312", "Periodo Sem Acesso"}, {51, "200402", "Periodo Sem Acesso"},
        {73, "200011", "Periodo sem acesso"},  {83, "200011", "Periodo sem acesso"},
        {221, "200011", "Periodo sem acesso"}, {304, "200011", "Periodo sem acesso"},
        {62, "200104", "Periodo sem acesso"},  {74, "200211", "Periodo sem acesso"},
    };
    for (const auto& f : fechamentos)
        if (f.fatModNf == fatModNf)
            return MesFechado{f.anoMes, f.mensagem};
    return std::nullopt;
}

bool AtualizarCustoMedioPorClassificacao(const QString& mesAno, const QString& classInicial,
                                         const QString& classFinal, const CursoresCustoMedio& c,
                                         const AndamentoCustoMedio& andamento) {
    Tabela& produtos = c.produtos;
    if (!TrocarIndice(produtos, "Classificacao"))
        return false;
    const int filial = Sess().Filial;
    const int larguras[] = {2, 3, 4, 3, 6, 6};
    QVariantList inicio = {filial};
    for (int n = 0, pos = 0; n < 6; pos += larguras[n++])
        inicio << classInicial.mid(pos, larguras[n]);
    try {
        // The range is read before any product is written: each write
        // makes the cursor read ahead again.
        struct Produto {
            int codigo;
            QString andamento;
        };
        std::vector<Produto> lista;
        for (produtos.localizarProximo(inicio); !produtos.eof(); produtos.proximo()) {
            if (produtos.campo("Filial").inteiro() != filial)
                break;
            QStringList niveis;
            for (int n = 1; n <= 6; ++n)
                niveis << produtos.campo("Nivel" + QString::number(n)).texto();
            if (niveis.join(QString()) > classFinal)
                break;
            const int codigo = produtos.campo("Cod_Reduz").inteiro();
            lista.push_back({codigo, "Andamento: " + niveis.mid(0, 5).join('/') + "/" +
                                         QString::number(codigo)});
        }
        for (const Produto& p : lista) {
            if (andamento.andamento)
                andamento.andamento(p.andamento);
            if (!produtos.localizar({"Filial", "Cod_Reduz"}, {filial, p.codigo}) ||
                !EditarRegistro(produtos))
                continue;
            const ResultadoCustoMedio r =
                CalculaCustoMedio(mesAno, p.codigo, p.codigo, c, andamento.produto);
            // A month the installation does not recompute leaves it locked.
            produtos.cancelar();
            if (!r.concluido)
                return false;
        }
    } catch (const ErroBanco& e) {
        produtos.cancelar();
        MostrarErro(e.texto());
        return false;
    }
    return true;
}
