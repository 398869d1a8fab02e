#include "GravarLogSistema.h"

#include "Dialogos.h"
#include "ErroBanco.h"
#include "Relogio.h"
#include "Sessao.h"
#include "SessaoBanco.h"
#include "Tabela.h"
#include "tabelas/Tabelas.h"

#include <QHash>

namespace {
const QString NomeTipos = "LogSys_Tipos.db";

// Existence is asked of the company directory; tables are made and opened
// through the alias, which start-up points at that same directory.
bool existeNaEmpresa(SessaoBanco& sessao, const QString& tabela) {
    const QString dir = Sess().DirEmpresa;
    Tabela t(dir.isEmpty() ? tabela : dir + "\\" + tabela, &sessao);
    return t.existe();
}

void criarSeFaltar(SessaoBanco& sessao, const QString& tabela, const DefTabela& def) {
    if (!existeNaEmpresa(sessao, tabela))
        Tabela(tabela, &sessao).criarTabela(def);
}

void incluirTipoSeFaltar(Tabela& tipos, const QString& tipo, const QString& campo) {
    // Looked up on Campo alone, whatever the Tipo.
    if (tipos.localizar({"Campo"}, {campo}))
        return;
    tipos.incluir();
    tipos.campo("Tipo").definir(tipo);
    tipos.campo("Campo").definir(campo);
    tipos.gravar();
}
} // namespace

QString NomeAcaoLog(const QString& acao) {
    static const QHash<QString, QString> nomes = {
        {"L", "Login"},   {"A", "Acesso"},  {"C", "Consulta"},        {"E", "Editar"},
        {"X", "Excluir"}, {"I", "Inserir"}, {"S", "Autentica Senha"},
    };
    return nomes.value(acao);
}

QString NomeLogSistema(const QDate& data) {
    return "LogSys_" + data.toString("MM") + "_" + data.toString("yyyy") + ".db";
}

void GravarLogSistema(int filial, const QString& janela, const QString& acao,
                      const QString& usuario, const QString& tabela, const QString& log,
                      SessaoBanco* sessao) {
    SessaoBanco& s = sessao ? *sessao : SessaoBanco::padrao();
    Relogio& relogio = Relogio::atual();
    relogio.esperar(500);
    const QString nomeAcao = NomeAcaoLog(acao);
    const QString quem = usuario.isEmpty() ? QString("Nenhum") : usuario;
    const QDateTime agora = relogio.agora();
    const QString nomeMes = NomeLogSistema(agora.date());
    try {
        criarSeFaltar(s, NomeTipos, DefLogSysTipos());
        criarSeFaltar(s, nomeMes, DefLogSistema(NomeTabelaNormalizado(nomeMes)));

        Tabela mes(nomeMes, &s);
        mes.abrir();
        mes.incluir();
        mes.campo("Filial").definir(filial);
        mes.campo("Data").definir(agora.date());
        mes.campo("Hora").definir(agora.time());
        mes.campo("Janela").definir(janela);
        mes.campo("Acao").definir(acao);
        mes.campo("Usuario").definir(quem);
        mes.campo("Tabela").definir(tabela);
        mes.campo("Log").definir(log);
        mes.gravar();
        mes.fechar();

        Tabela tipos(NomeTipos, &s);
        tipos.abrir();
        incluirTipoSeFaltar(tipos, "J", janela);
        incluirTipoSeFaltar(tipos, "A", nomeAcao);
        incluirTipoSeFaltar(tipos, "T", tabela);
        relogio.esperar(100);
    } catch (const ErroBanco& e) {
        MostrarErro("Erro ao gravar log de sistema : \r\n" + e.texto() + "\r\n");
    }
}
