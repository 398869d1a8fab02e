#include "TDMMarkup.h"

#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "session/GravarLogSistema.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"

namespace {
const char* const Janela = "foCadMarkup";

bool Editando(const ConjuntoDados& ds) {
    return ds.estado() == EstadoDados::Editando || ds.estado() == EstadoDados::Inserindo;
}
} // namespace

TDMMarkup::TDMMarkup(SessaoBanco* sessao) : TMarkup("Markup", sessao), sessao_(sessao) {}

void TDMMarkup::abrir(int filial) {
    fechar();
    filial_ = filial;
    TMarkup.definirFaixa({filial}, {filial});
    TMarkup.abrir();
}

void TDMMarkup::fechar() {
    TMarkup.fechar();
    modo_.clear();
}

int TDMMarkup::ProximoCodigo() {
    Consulta q(sessao_);
    q.setSql({"select max(Codigo_Markup) as cod from Markup.DB Where filial = :filial"});
    q.definirParametro("filial", filial_);
    q.abrir();
    return q.campo("cod").inteiro() + 1;
}

bool TDMMarkup::Incluir() {
    if (!TMarkup.ativo() || Editando(TMarkup))
        return false;
    try {
        const int codigo = ProximoCodigo();
        const QDate hoje = Relogio::atual().hoje();
        TMarkup.incluir();
        TMarkup.campo("Filial").definir(filial_);
        TMarkup.campo("Codigo_Markup").definir(codigo);
        TMarkup.campo("DtCadastro").definir(hoje);
        TMarkup.campo("DtManutencao").definir(hoje);
        TMarkup.campo("ModeloCalculo").definir(1);
    } catch (const ErroBanco& e) {
        if (Editando(TMarkup))
            TMarkup.cancelar();
        MostrarErro(e.texto());
        return false;
    }
    modo_ = "I";
    return true;
}

bool TDMMarkup::Editar() {
    if (!TMarkup.ativo() || TMarkup.vazio() || Editando(TMarkup) || !EditarRegistro(TMarkup))
        return false;
    TMarkup.campo("DtManutencao").definir(Relogio::atual().hoje());
    modo_ = "A";
    return true;
}

bool TDMMarkup::Gravar() {
    if (!Editando(TMarkup))
        return false;
    const Campo codigo = TMarkup.campo("Codigo_Markup");
    if (codigo.ehNulo() || codigo.inteiro() <= 0) {
        MostrarErro("Codigo invalido");
        return false;
    }
    const QString descricao = TMarkup.campo("Descricao").texto().toUpper();
    TMarkup.campo("Descricao").definir(descricao);
    const QString texto = " de Markup  |Codigo " + codigo.texto() + " |Descrição " + descricao;
    if (!GravarRegistro(TMarkup))
        return false;
    if (modo_ == "I")
        log("I", "Inclusão" + texto);
    else
        log("E", "Edição" + texto);
    modo_.clear();
    return true;
}

void TDMMarkup::Cancelar() {
    if (Editando(TMarkup))
        TMarkup.cancelar();
    modo_.clear();
}

bool TDMMarkup::Excluir() {
    if (!TMarkup.ativo() || TMarkup.vazio() || Editando(TMarkup) ||
        !Confirmar("Tem certeza que deseja remover o registro de markup deste produto?"))
        return false;
    const QString texto = "Exclusão de Markup  |Codigo " + TMarkup.campo("Codigo_Markup").texto() +
                          " |Descrição " + TMarkup.campo("Descricao").texto();
    try {
        TMarkup.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    // Only a deletion that happened is logged.
    log("X", texto);
    return true;
}

bool TDMMarkup::LocalizarCodigo(const QString& texto) {
    bool ok = false;
    const int codigo = texto.trimmed().toInt(&ok);
    if (!ok) {
        MostrarErro("Codigo invalido");
        return false;
    }
    if (!TMarkup.ativo() || Editando(TMarkup))
        return false;
    try {
        return TMarkup.localizarChave({filial_, codigo});
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
}

bool TDMMarkup::LocalizarDescricao(const QString& texto) {
    if (texto.isEmpty() || !TMarkup.ativo() || Editando(TMarkup))
        return false;
    try {
        return TMarkup.localizar({"Filial", "Descricao"}, {filial_, texto}, true, true);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
}

void TDMMarkup::log(const QString& acao, const QString& texto) {
    GravarLogSistema(Sess().Filial, Janela, acao, Sess().Usuario, QString(), texto, sessao_);
}
