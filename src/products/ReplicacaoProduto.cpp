#include "ReplicacaoProduto.h"

#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/Consulta.h"
#include "store/DefTabela.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"
#include "store/TransacaoBanco.h"

namespace {
QString Caminho(const QString& diretorio, const QString& tabela) {
    return "\"" + diretorio + "\\" + tabela + ".DB\"";
}

// Runs the statements on the company's database in one transaction; false
// after the message naming the statement that failed. The tables are made
// to exist first: a table another connection creates once the
// transaction has read is not seen by it.
bool Executar(const EmpresaReplicacao& e, const QStringList& tabelas,
              const std::vector<QStringList>& instrucoes, const QVariantMap& parametros,
              const LegendaReplicacao& legenda, int apagar, SessaoBanco* sessao) {
    QString falhou, erro;
    try {
        for (const QString& t : tabelas)
            for (const QString& dir : {Sess().DirEmpresa, e.diretorio})
                Tabela(dir + "\\" + t + ".DB", sessao).criarTabela();
        TransacaoBanco tr(e.diretorio, sessao);
        for (size_t i = 0; i < instrucoes.size(); ++i) {
            if (legenda)
                legenda((int(i) < apagar ? "Cadastro de produtos atualizando lojas: "
                                         : "Cadastro de produtos gravando lojas: ") +
                        e.codigo);
            falhou = instrucoes[i].join('\n');
            Consulta q(sessao);
            q.setNomeBanco(e.diretorio);
            q.setSql(instrucoes[i]);
            for (auto it = parametros.begin(); it != parametros.end(); ++it)
                q.definirParametro(it.key(), it.value());
            q.executar();
        }
        falhou.clear();
        tr.confirmar();
        return true;
    } catch (const ErroBanco& ex) {
        erro = ex.texto();
    }
    MostrarErro("Erro ao regravar produto nas demais bases!\n\nSql :\n" + falhou + "\n\nErro :\n" +
                erro);
    return false;
}

template <class Montar> int ParaCadaEmpresa(const LegendaReplicacao& legenda, Montar montar) {
    int falhas = 0;
    const std::vector<EmpresaReplicacao> empresas = EmpresasReplicacao();
    for (const EmpresaReplicacao& e : empresas)
        if (!montar(e))
            ++falhas;
    if (legenda && !empresas.empty())
        legenda("Cadastro de produtos");
    return falhas;
}
} // namespace

QString ColunasDefinicao(const QString& tabela) {
    const DefTabela* def = CatalogoTabelas::buscar(tabela);
    if (!def)
        throw ErroBanco("Table not defined: " + tabela);
    QStringList nomes;
    for (const DefCampo& c : def->campos)
        nomes << c.nome;
    return nomes.join(", ");
}

std::vector<EmpresaReplicacao> EmpresasReplicacao() {
    const DadosSessao& s = Sess();
    std::vector<EmpresaReplicacao> r;
    if (!s.ProdutoUnico)
        return r;
    const QString atual = QString::asprintf("%2.2d", s.Loja);
    for (const EntradaEmpresa& e : s.Empresas)
        if (!e.Codigo.isEmpty() && e.Codigo != atual)
            r.push_back({e.Codigo, s.DirEmpresa.left(3) + e.Diretorio});
    return r;
}

int ReplicarProduto(int codigo, bool alteracao, const LegendaReplicacao& legenda,
                    SessaoBanco* sessao) {
    const QString propria = Sess().DirEmpresa;
    const QString condicao = "   AND COD_REDUZ = " + QString::number(codigo);
    const QVariantMap parametros{{"P-FIL", Sess().Filial}};
    return ParaCadaEmpresa(legenda, [&](const EmpresaReplicacao& e) {
        std::vector<QStringList> instrucoes;
        const QStringList tabelas{"ESTPROMA", "TAMANHO", "ALIQBASE"};
        if (alteracao)
            for (const QString& t : tabelas)
                instrucoes.push_back(
                    {"DELETE FROM " + Caminho(e.diretorio, t), " WHERE FILIAL = :P-FIL", condicao});
        const int apagar = int(instrucoes.size());
        for (const QString& t : tabelas) {
            const QString colunas = ColunasDefinicao(t);
            instrucoes.push_back({"INSERT INTO " + Caminho(e.diretorio, t) + " (" + colunas + ")",
                                  "SELECT " + colunas, "  FROM " + Caminho(propria, t),
                                  " WHERE FILIAL = :P-FIL", condicao});
        }
        return Executar(e, tabelas, instrucoes, parametros, legenda, apagar, sessao);
    });
}

int ReplicarTamanhoCatalogo(int codigo, const LegendaReplicacao& legenda, SessaoBanco* sessao) {
    const QString propria = Sess().DirEmpresa;
    const QString colunas = ColunasDefinicao("TAMANHOS");
    const QVariantMap parametros{{"P-COD", codigo}};
    return ParaCadaEmpresa(legenda, [&](const EmpresaReplicacao& e) {
        const std::vector<QStringList> instrucoes{
            {"DELETE FROM " + Caminho(e.diretorio, "TAMANHOS"), " WHERE CODIGO = :P-COD"},
            {"INSERT INTO " + Caminho(e.diretorio, "TAMANHOS") + " (" + colunas + ")",
             "SELECT " + colunas, "  FROM " + Caminho(propria, "TAMANHOS"),
             " WHERE CODIGO = :P-COD"}};
        return Executar(e, {"TAMANHOS"}, instrucoes, parametros, legenda, 1, sessao);
    });
}
