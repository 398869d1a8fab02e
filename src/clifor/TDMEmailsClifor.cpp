#include "TDMEmailsClifor.h"

#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "session/Relogio.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"

namespace {
bool Editando(const ConjuntoDados& ds) {
    return ds.estado() == EstadoDados::Editando || ds.estado() == EstadoDados::Inserindo;
}
} // namespace

TDMEmailsClifor::TDMEmailsClifor(SessaoBanco* sessao)
    : TEmails("Nfe_email_clientes", sessao), sessao_(sessao) {}

const QList<std::pair<QString, QString>>& TDMEmailsClifor::Tipos() {
    static const QList<std::pair<QString, QString>> tipos{{"0", "CLIENTE"},
                                                          {"1", "CONTADOR"},
                                                          {"2", "VENDEDOR"},
                                                          {"3", "COMPRADOR"},
                                                          {"4", "OUTROS"}};
    return tipos;
}

QString TDMEmailsClifor::TextoTipo(const QString& tipo) {
    for (const auto& [codigo, texto] : Tipos())
        if (codigo == tipo)
            return texto;
    return QString();
}

bool TDMEmailsClifor::abrir(int filial, int cliente) {
    try {
        if (Editando(TEmails))
            TEmails.cancelar();
        TEmails.fechar();
        filial_ = filial;
        cliente_ = cliente;
        TEmails.definirFaixa({filial, cliente}, {filial, cliente});
        TEmails.abrir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

bool TDMEmailsClifor::Incluir() {
    Tabela& t = TEmails;
    if (!t.ativo() || Editando(t))
        return false;
    try {
        t.ultimo();
        const int ordem = t.vazio() ? 1 : t.campo("Ordem").inteiro() + 1;
        t.incluir();
        t.campo("Filial").definir(filial_);
        t.campo("Cliente").definir(cliente_);
        t.campo("Ordem").definir(ordem);
    } catch (const ErroBanco& e) {
        if (Editando(t))
            t.cancelar();
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

bool TDMEmailsClifor::Alterar() {
    return TEmails.ativo() && !TEmails.vazio() && !Editando(TEmails) && EditarRegistro(TEmails);
}

bool TDMEmailsClifor::Gravar() {
    Tabela& t = TEmails;
    if (!Editando(t))
        return false;
    if (t.campo("Tipo").texto().trimmed().isEmpty()) {
        MostrarMensagem("Selecione o tipo de cadastro...");
        return false;
    }
    const QString email = t.campo("Email").texto().trimmed();
    try {
        t.campo("Dt_manutencao").definir(Relogio::atual().hoje());
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    if (!GravarRegistro(t))
        return false;
    copiarParaParte(email);
    return true;
}

// The party's own E_Mail holds 40 characters: a longer address stays only
// here rather than be cut there.
void TDMEmailsClifor::copiarParaParte(const QString& email) {
    if (email.isEmpty())
        return;
    try {
        Tabela parte("CLIFOR", sessao_);
        parte.abrir();
        if (!parte.localizarChave({filial_, cliente_}) || !parte.campo("E_Mail").ehNulo() ||
            email.size() > parte.campo("E_Mail").tamanho())
            return;
        if (!EditarRegistro(parte))
            return;
        parte.campo("E_Mail").definir(email);
        if (!GravarRegistro(parte)) {
            parte.cancelar();
            return;
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    MostrarMensagem("O email também foi adicionado ao cadastro do cliente!!!");
}

void TDMEmailsClifor::Cancelar() {
    if (Editando(TEmails))
        TEmails.cancelar();
}

bool TDMEmailsClifor::Excluir() {
    if (!TEmails.ativo() || TEmails.vazio() || Editando(TEmails) ||
        !Confirmar("Confirma exclusao do registro"))
        return false;
    try {
        TEmails.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return true;
}

QList<ItemEmail> TDMEmailsClifor::lerSelecao() {
    Consulta q(sessao_);
    q.setSql({"Select Ordem, Nome, Email, Tipo from Nfe_email_clientes",
              " where Filial = :P-FIL and Cliente = :P-CLI", " order by Ordem"});
    q.definirParametro("P-FIL", filial_);
    q.definirParametro("P-CLI", cliente_);
    QList<ItemEmail> itens;
    for (q.abrir(); !q.eof(); q.proximo())
        itens << ItemEmail{q.campo(0).inteiro(), q.campo(1).texto(), q.campo(2).texto(),
                           TextoTipo(q.campo(3).texto())};
    return itens;
}

QString TDMEmailsClifor::Marcados(const QList<ItemEmail>& itens) {
    QStringList emails;
    for (const ItemEmail& i : itens)
        if (i.selecionar)
            emails << i.email;
    return emails.join(';');
}
