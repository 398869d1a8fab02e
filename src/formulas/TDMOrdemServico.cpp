#include "TDMOrdemServico.h"

#include "FormatoNumero.h"
#include "ModeloLinhas.h"
#include "Sessao.h"
#include "stock/ExclusaoNotas.h"
#include "stock/ExecutarEmTransacao.h"

TDMOrdemServico::TDMOrdemServico(SessaoBanco* sessao)
    : TOS("OS", sessao), TOsi("Osi", sessao), TAplica("Aplica", sessao), TClifor("CLIFOR", sessao),
      TEstproma("ESTPROMA", sessao), QOS(sessao), QProdutos(sessao), sessao_(sessao) {
    TOsi.setMestre(&TOS, "Filial;NumOrdServ");
    TAplica.setIndice("DESCRICAO DA APLICACAO");
    QProdutos.setSql(
        {"Select Cod_Reduz, Nome1", "From Estproma", "Where Filial = :CodFil", "Order By Nome1"});
}

void TDMOrdemServico::abrir() {
    fechar();
    filial_ = Sess().Filial;
    TOS.definirFaixa({filial_}, {filial_});
    TOS.abrir();
}

void TDMOrdemServico::fechar() {
    fecharCadastros();
    QOS.fechar();
    TOS.fechar();
}

void TDMOrdemServico::lerLista(ModeloLinhas& modelo) {
    // The branch is a number of the session, never operator text.
    QOS.setSql({"SELECT A.*, B.NOME1", "  FROM OS A, ESTPROMA B",
                " WHERE A.FILIAL = " + QString::number(filial_), "   AND B.FILIAL = A.FILIAL",
                "   AND B.COD_REDUZ = A.COD_REDUZ",
                Sess().FatModNf == 95 ? "ORDER BY NUMORDSERV" : "ORDER BY PEDIDO, ITEM"});
    QOS.abrir();
    QList<QStringList> linhas;
    QVariantList chaves;
    for (; !QOS.eof(); QOS.proximo()) {
        linhas << QStringList{QOS.campo("NumOrdServ").texto(), QOS.campo("Pedido").texto(),
                              QOS.campo("Item").texto(),       QOS.campo("Cod_Clifor").texto(),
                              QOS.campo("Cod_Reduz").texto(),  QOS.campo("NOME1").texto(),
                              QOS.campo("Num_Progr").texto(),  QOS.campo("DT_PRODUCA").texto()};
        chaves << QVariant(
            QVariantList{QOS.campo("NumOrdServ").inteiro(), QOS.campo("Item").inteiro()});
    }
    QOS.fechar();
    modelo.definir(linhas, chaves);
}

bool TDMOrdemServico::localizarOrdem(int numOrdServ, int item) {
    return TOS.localizarChave({filial_, numOrdServ, item});
}

void TDMOrdemServico::abrirCadastros() {
    for (Tabela* t : {&TClifor, &TEstproma, &TAplica, &TOsi})
        if (!t->ativo())
            t->abrir();
    QProdutos.fechar();
    QProdutos.definirParametro("CodFil", filial_);
    QProdutos.abrir();
}

void TDMOrdemServico::fecharCadastros() {
    for (ConjuntoDados* ds :
         std::initializer_list<ConjuntoDados*>{&TOsi, &TClifor, &TAplica, &TEstproma, &QProdutos})
        ds->fechar();
}

bool TDMOrdemServico::ExcluirOrdem() {
    return ExecutarEmTransacao(TOS, {&TOS}, [this] {
        ExigirLinha(TOS);
        ExcluirLinhas(TOS, "Osi", {TOS.campo("Filial").valor(), TOS.campo("NumOrdServ").valor()});
        TOS.excluir();
    });
}

bool TDMOrdemServico::existeComponente(int ordComp) {
    Tabela t("Osi", sessao_);
    t.setNomeBanco(TOS.nomeBanco());
    t.abrir();
    return t.localizarChave(
        {TOS.campo("Filial").valor(), TOS.campo("NumOrdServ").valor(), ordComp});
}

void TDMOrdemServico::incluirComponente(int ordComp) {
    const QVariant numero = TOS.campo("NumOrdServ").valor();
    TOsi.incluir();
    TOsi.campo("Filial").definir(filial_);
    TOsi.campo("NumOrdServ").definir(numero);
    TOsi.campo("OrdComp").definir(ordComp);
}

bool TDMOrdemServico::ExcluirComponente() {
    return ExecutarEmTransacao(TOsi, {&TOsi}, [this] {
        ExigirLinha(TOsi);
        TOsi.excluir();
    });
}

void TDMOrdemServico::lerComponentes(ModeloLinhas& modelo) {
    QList<QStringList> linhas;
    QVariantList chaves;
    if (TOsi.ativo()) {
        const Marcador atual = TOsi.marcador();
        for (TOsi.primeiro(); !TOsi.eof(); TOsi.proximo()) {
            const Campo q = TOsi.campo("QUANTIDADE");
            const int aplicacao = TOsi.campo("APLICACAO").inteiro();
            const QString descricao =
                aplicacao != 0 && TAplica.localizar({"Cod_Aplica"}, {aplicacao})
                    ? TAplica.campo("DESC_APLIC").texto()
                    : QString();
            linhas << QStringList{TOsi.campo("OrdComp").texto(),
                                  TOsi.campo("Componente").texto(),
                                  q.ehNulo() ? QString()
                                             : FormatarNumero("###,##0.0000", q.numero()),
                                  descricao,
                                  TOsi.campo("UTILIZACAO").texto(),
                                  TOsi.campo("OBSERV").texto()};
            chaves << TOsi.marcador().rowid;
        }
        if (atual.valido)
            TOsi.irPara(atual);
        else
            TOsi.primeiro();
    }
    modelo.definir(linhas, chaves);
}

QString TDMOrdemServico::nomeCliente(int codigo) {
    return codigo != 0 && TClifor.ativo() && TClifor.localizarChave({filial_, codigo})
               ? TClifor.campo("NOME").texto()
               : QString();
}

QString TDMOrdemServico::nomeProduto(int codigo) {
    return codigo != 0 && TEstproma.ativo() && TEstproma.localizarChave({filial_, codigo})
               ? TEstproma.campo("NOME1").texto()
               : QString();
}
