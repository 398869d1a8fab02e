#include "AutorizarAcesso.h"

#include "AcessoDados.h"
#include "Dialogos.h"
#include "ErroBanco.h"
#include "JanelaSenha.h"
#include "Relogio.h"
#include "Sessao.h"
#include "Tabela.h"
#include "tabelas/Tabelas.h"

namespace {
struct LimparContextoLog {
    ~LimparContextoLog() {
        Sess().LogOperacao.clear();
        Sess().LogTabela.clear();
        Sess().LogRegistro.clear();
    }
};

// Opens the month's access log, creating it first when missing.
void abrirLogDoMes(Tabela& log) {
    if (!log.existe())
        log.criarTabela(DefLogAcesso(log.nomeTabela()));
    log.abrir();
}

bool verificarUsuario(Tabela& usuarios, JanelaSenha& janela) {
    if (!usuarios.localizarChave({janela.usuario()})) {
        MostrarMensagem("Usuário não cadastrado!");
        return false;
    }
    if (usuarios.campo("Senha").texto().toUpper() != janela.senhaUsuario().toUpper()) {
        MostrarMensagem("A senha do usuário é inválida!");
        return false;
    }
    return true;
}

bool autorizar(int codigo) {
    Tabela acesso("Acesso");
    acesso.abrir();
    if (!acesso.localizarChave({codigo}))
        return true;
    const QString conteudo = acesso.campo("Conteudo").texto().trimmed();
    if (conteudo.isEmpty())
        return true;
    const QString infUsuario = acesso.campo("Inf_Usuario").texto();

    // Preparing the window.
    Tabela log("Log" + Relogio::atual().hoje().toString("yyMM"));
    Tabela usuarios("Usuarios");
    usuarios.abrir();
    if (Sess().FatModNf == 164)
        MostrarMensagem(infUsuario);
    const bool pedeUsuario = infUsuario.toUpper() == "S";
    if (pedeUsuario)
        abrirLogDoMes(log);

    JanelaSenha& janela = JanelaSenha::atual();
    if (!janela.executar("Entre com a senha " + QString::number(codigo), pedeUsuario))
        return false;
    if (conteudo.toUpper() != janela.senha().trimmed().toUpper()) {
        MostrarErro("Senha invalida");
        return false;
    }
    if (!pedeUsuario)
        return true;
    if (!verificarUsuario(usuarios, janela))
        return false;

    Sess().Usuario = usuarios.campo("Codigo").texto();
    Sess().Nivel = usuarios.campo("Nivel").texto();
    log.incluir();
    log.campo("DataHora").definir(Relogio::atual().agora());
    log.campo("Tabela").definir(Sess().LogTabela);
    log.campo("Acesso").definir(acesso.campo("Descricao").texto());
    log.campo("Registro").definir(Sess().LogRegistro);
    log.campo("Operacao").definir(Sess().LogOperacao);
    log.campo("Usuario").definir(Sess().Usuario);
    return GravarRegistro(log);
}
} // namespace

bool AutorizarAcesso(int codigo) {
    LimparContextoLog limpar;
    try {
        return autorizar(codigo);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
}
