#include "ScriptsAtualizacao.h"

#include "session/Relogio.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"
#include "store/TransacaoBanco.h"

#include <algorithm>

namespace {
ScriptSql Script(int numero, const char* data, const char* descricao, const char* sql) {
    ScriptSql s;
    s.CodScript = numero;
    s.DataCadScript = QDate::fromString(QString::fromLatin1(data), "dd/MM/yyyy");
    s.DescScriptRes = QString::fromUtf8(descricao);
    s.SqlScript = QString::fromUtf8(sql);
    return s;
}
} // namespace

const QList<ScriptSql>& ScriptsEmbutidos() {
    static const QList<ScriptSql> scripts{
        Script(1, "20/05/2010", "Acerto Tipo Doc CC para lançamento contabil = SIM",
               "Update Tipod_cc.DB set LancaContabil = 'S'"),
        Script(2, "20/05/2010", "Acerto Tipo Doc CC 4 para lançamento contabil = NÃO",
               "Update Tipod_cc.DB set LancaContabil = 'N' where TDoc_Cod = 4"),
        Script(3, "31/05/2010", "Tornar todos os Usu como ativo = S",
               "Update usuarios.DB set ativo = 'S'"),
        Script(4, "05/07/2010", "Marcar Cfop 5102, 5101, 6102,6101 com soma icms simples",
               "Update Natuoper.DB set ICMS_SIMPLES = 'S' Where Cod_NatOpe in "
               "(5101,5102,6101,6102)"),
        Script(5, "29/09/2010", "Marcar Cfop 6124,6902,6923,6925,6933 com Tributação de Icms",
               "Update Natuoper.DB set ICMS = 'T' Where Cod_NatOpe in "
               "(6124,6902,6923,6925,6933)"),
        Script(6, "11/10/2010", "Marcar FaturCFG.CreCob = S",
               "Update faturcfg.DB set CreCob = 'S'"),
        Script(7, "18/10/2010", "Acertar Trib Issqn nas cfops 5124,6124,5933,6933",
               "Update Natuoper.DB set Issqn = 'T' Where Cod_NatOpe in (5124,6124,5933,6933)"),
        Script(8, "10/10/2011", "Inserir registro 200 na tabela de modelos de nota fiscal",
               "insert into ModelosNotasFiscais (Codigo,Descricao) values "
               "('200','Nota fiscal servico municipal')"),
        Script(9, "10/10/2011", "Inserir registro 201 na tabela de modelos de nota fiscal",
               "insert into ModelosNotasFiscais (Codigo,Descricao) values "
               "('201','Nota fiscal servico municipal - eletrônica')"),
        Script(10, "12/12/2011", "Inserir registro 301 na tabela de modelos de nota fiscal",
               "insert into ModelosNotasFiscais (Codigo,Descricao,CodigoTabSpedPisCofins) values "
               "('301','Outras Receitas Bloco F100 não vinc. a doc fiscal','F100')"),
    };
    return scripts;
}

ListaScripts::ListaScripts(SessaoBanco* sessao) : sessao_(sessao) {}

void ListaScripts::montar() {
    linhas_.clear();
    Tabela t("ScriptsSql", sessao_);
    t.abrir();
    QList<ScriptSql> linhas;
    for (ScriptSql s : ScriptsEmbutidos()) {
        if (t.localizarChave({s.CodScript})) {
            if (!t.campo("DataTentativa").ehNulo())
                s.DataTentativa = t.campo("DataTentativa").data();
            s.SqlRetorno = t.campo("SqlRetorno").texto();
            s.Status = t.campo("Status").texto();
        }
        linhas << s;
    }
    linhas_ = linhas;
}

int ListaScripts::aplicados() const {
    return int(std::count_if(linhas_.begin(), linhas_.end(),
                             [](const ScriptSql& s) { return s.Status == "Ok"; }));
}

int ListaScripts::pendentes() const {
    return int(std::count_if(linhas_.begin(), linhas_.end(),
                             [](const ScriptSql& s) { return s.Status.isEmpty(); }));
}

void ListaScripts::gravarLinha(const ScriptSql& s) {
    Tabela t("ScriptsSql", sessao_);
    t.abrir();
    if (t.localizarChave({s.CodScript})) {
        t.editar();
    } else {
        t.incluir();
        t.campo("CodScript").definir(s.CodScript);
    }
    t.campo("DescScriptRes").definir(s.DescScriptRes);
    t.campo("DataCadScript").definir(s.DataCadScript);
    t.campo("DataTentativa")
        .definir(s.DataTentativa.isValid() ? QVariant(s.DataTentativa) : QVariant());
    t.campo("Status").definir(s.Status);
    t.campo("SqlScript").definir(s.SqlScript);
    t.campo("SqlRetorno").definir(s.SqlRetorno);
    try {
        t.gravar();
    } catch (const ErroBanco&) {
        t.cancelar();
        throw;
    }
}

bool ListaScripts::rodar(int i) {
    if (i < 0 || i >= linhas_.size() || linhas_[i].Status == "Ok")
        return false;
    ScriptSql& s = linhas_[i];
    try {
        TransacaoBanco transacao("Orvalo", sessao_);
        Consulta q(sessao_);
        q.setSql({s.SqlScript});
        q.executar();
        ScriptSql aplicado = s;
        aplicado.Status = "Ok";
        aplicado.DataTentativa = Relogio::atual().hoje();
        aplicado.SqlRetorno.clear();
        gravarLinha(aplicado);
        transacao.confirmar();
        s = aplicado;
        return true;
    } catch (const ErroBanco& e) {
        s.Status = "Er";
        s.SqlRetorno = e.texto();
    }
    try {
        gravarLinha(s);
    } catch (const ErroBanco& e) {
        // The store refuses even the outcome: the list keeps both texts.
        s.SqlRetorno += "\n" + e.texto();
    }
    return false;
}

void ListaScripts::rodarTodos(const std::function<void(int)>& progresso) {
    for (int i = 0; i < linhas_.size(); ++i) {
        rodar(i);
        if (progresso)
            progresso(i + 1);
    }
}

void ListaScripts::marcarOk(int i) {
    if (i < 0 || i >= linhas_.size())
        return;
    ScriptSql s = linhas_[i];
    s.Status = s.Status == "Ok" ? QString() : QStringLiteral("Ok");
    gravarLinha(s);
    linhas_[i] = s;
}
