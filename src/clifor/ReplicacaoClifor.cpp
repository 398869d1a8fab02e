#include "ReplicacaoClifor.h"

#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"
#include "store/TransacaoBanco.h"

namespace {
const QStringList Tabelas{"CLIFOR", "CLIFOR2"};

QString Caminho(const QString& diretorio, const QString& tabela) {
    return "\"" + diretorio + "\\" + tabela + ".DB\"";
}

// The statements of one company in one transaction; false after the
// message naming the statement that failed.
bool Replicar(const EmpresaReplicacao& e, int codigo, const LegendaReplicacao& legenda,
              SessaoBanco* sessao) {
    const QString propria = Sess().DirEmpresa;
    const QString condicao = "   AND COD_CLIFOR = " + QString::number(codigo);
    std::vector<QStringList> instrucoes;
    for (const QString& t : Tabelas)
        instrucoes.push_back(
            {"DELETE FROM " + Caminho(e.diretorio, t), " WHERE FILIAL = :P-FIL", condicao});
    for (const QString& t : Tabelas) {
        const QString colunas = ColunasDefinicao(t);
        instrucoes.push_back({"INSERT INTO " + Caminho(e.diretorio, t) + " (" + colunas + ")",
                              "SELECT " + colunas, "  FROM " + Caminho(propria, t),
                              " WHERE FILIAL = :P-FIL", condicao});
    }
    QString falhou, erro;
    try {
        // A table another connection creates once the transaction has read
        // is not seen by it: both companies' tables exist first.
        for (const QString& t : Tabelas)
            for (const QString& dir : {propria, e.diretorio})
                Tabela(dir + "\\" + t + ".DB", sessao).criarTabela();
        if (legenda)
            legenda("Cadastro de Clientes gravando lojas: " + e.codigo);
        TransacaoBanco tr(e.diretorio, sessao);
        for (const QStringList& instrucao : instrucoes) {
            falhou = instrucao.join('\n');
            Consulta q(sessao);
            q.setNomeBanco(e.diretorio);
            q.setSql(instrucao);
            q.definirParametro("P-FIL", Sess().Filial);
            q.executar();
        }
        falhou.clear();
        tr.confirmar();
        return true;
    } catch (const ErroBanco& ex) {
        erro = ex.texto();
    }
    MostrarErro("Erro ao regravar cliente nas demais bases!\n\nSql :\n" + falhou + "\n\nErro :\n" +
                erro);
    return false;
}
} // namespace

std::vector<EmpresaReplicacao> EmpresasReplicacaoClifor() {
    const DadosSessao& s = Sess();
    std::vector<EmpresaReplicacao> r;
    if (!s.ClienteUnico)
        return r;
    const QString atual = QString::asprintf("%2.2d", s.Loja);
    for (const EntradaEmpresa& e : s.Empresas)
        if (!e.Codigo.isEmpty() && e.Codigo != atual)
            r.push_back({e.Codigo, s.DirEmpresa.left(3) + e.Diretorio});
    return r;
}

int ReplicarClifor(int codigo, const LegendaReplicacao& legenda, SessaoBanco* sessao) {
    int falhas = 0;
    const std::vector<EmpresaReplicacao> empresas = EmpresasReplicacaoClifor();
    for (const EmpresaReplicacao& e : empresas)
        if (!Replicar(e, codigo, legenda, sessao))
            ++falhas;
    if (legenda && !empresas.empty())
        legenda("Cadastro de Clientes");
    return falhas;
}
