#include "TDMMovPed.h"

#include "ExclusaoNotas.h"
#include "ExecutarEmTransacao.h"
#include "Meses.h"
#include "services/FormatoNumero.h"
#include "session/Parametros.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <algorithm>

namespace {
const char* const TextoIpiSuspenso =
    "SAIDA COM SUSPENSAO DE IPI, LEI 10.637 ART. 29 DE 30/12/2002.";
const char* const CamposObservacao = "Filial;Cod_Clifor;Num_Nota;DT_ENTRADA";

bool Entre(int valor, std::initializer_list<int> lista) {
    return std::find(lista.begin(), lista.end(), valor) != lista.end();
}
} // namespace

TDMMovPed::TDMMovPed(SessaoBanco* sessao)
    : TPdcps("PDCPS", sessao), TPdcpi("PDCPI", sessao), TNotas("NOTAS", sessao),
      TNotai("NOTAI", sessao), TObserfat("Obserfat", sessao), TObserfatCompl("Obserfat", sessao),
      TEstproma("ESTPROMA", sessao), TClifor("CLIFOR", sessao), sessao_(sessao),
      linhas_("Obserfat", sessao) {
    TPdcpi.setMestre(&TPdcps, "Filial;SISTEMA;Num_PdCp;Cod_Clifor");
    TNotai.setMestre(&TNotas, "Filial;Num_Nota;Tipo_Nota;Cod_Clifor;DT_ENTRADA");
    TObserfat.setMestre(&TNotas, CamposObservacao);
    TObserfat.setFiltro("Seq_Obs < 1000");
    TObserfatCompl.setMestre(&TNotas, CamposObservacao);
    TObserfatCompl.setFiltro("Seq_Obs > 1000");
    linhas_.setFiltro("Seq_Obs < 1000");
}

TDMMovPed::~TDMMovPed() {
    for (Tabela* t : {&TPdcpi, &TNotai, &TObserfat, &TObserfatCompl})
        t->setMestre(nullptr, QString());
}

void TDMMovPed::abrir() {
    fechar();
    const int filial = Sess().Filial;
    for (Tabela* t : {&TPdcps, &TNotas, &TEstproma, &TClifor})
        t->definirFaixa({filial}, {filial});
    for (Tabela* t :
         {&TPdcps, &TPdcpi, &TNotas, &TNotai, &TObserfat, &TObserfatCompl, &TEstproma, &TClifor})
        t->abrir();
}

void TDMMovPed::fechar() {
    for (Tabela* t : {&TPdcpi, &TPdcps, &TNotai, &TObserfat, &TObserfatCompl, &TNotas, &TEstproma,
                      &TClifor, &linhas_})
        t->fechar();
}

bool TDMMovPed::GravarNota() {
    if (TNotas.estado() != EstadoDados::Editando && TNotas.estado() != EstadoDados::Inserindo)
        return true;
    const int fat = Sess().FatModNf;
    const bool textoIpi = Entre(fat, {21, 121}) ||
                          LerParametroLogico(TNotas.nomeBanco(), Sess().FilialTexto,
                                             "InserirAutomaticamenteTextoIpiSuspenso", sessao_);
    // The lines first, from the header's values: when anything fails the
    // header is still in edit, with what the operator typed.
    const bool ok = ExecutarEmTransacao(TNotas, {&linhas_}, [&] {
        linhas_.fechar();
        const QVariantList chave = {
            TNotas.campo("Filial").valor(), TNotas.campo("Cod_Clifor").valor(),
            TNotas.campo("Num_Nota").valor(), TNotas.campo("DT_ENTRADA").valor()};
        linhas_.setNomeBanco(TNotas.nomeBanco());
        linhas_.definirFaixa(chave, chave);
        linhas_.abrir();
        // The first line, in line order, holding `texto`.
        auto procurar = [this](const QString& texto) {
            for (linhas_.primeiro(); !linhas_.eof(); linhas_.proximo())
                if (linhas_.campo("OBSERFAT").texto().contains(texto))
                    return true;
            return false;
        };
        auto acrescentar = [&](const QString& texto) {
            linhas_.ultimo();
            const int seq = linhas_.vazio() ? 1 : linhas_.campo("Seq_Obs").inteiro() + 1;
            linhas_.incluir();
            const char* campos[] = {"Filial", "Cod_Clifor", "Num_Nota", "DT_ENTRADA"};
            for (int i = 0; i < 4; ++i)
                linhas_.campo(campos[i]).definir(chave[i]);
            linhas_.campo("Seq_Obs").definir(seq);
            linhas_.campo("OBSERFAT").definir(texto);
            linhas_.gravar();
        };
        auto acrescentarOuReescrever = [&](const QString& prefixo, const QString& texto) {
            if (!procurar(prefixo)) {
                acrescentar(texto);
                return;
            }
            const QString guardado = texto.left(linhas_.campo("OBSERFAT").tamanho());
            if (linhas_.campo("OBSERFAT").texto() == guardado)
                return;
            linhas_.editar();
            linhas_.campo("OBSERFAT").definir(texto);
            linhas_.gravar();
        };

        if (TNotas.campo("IpiSuspenso").logico() && textoIpi &&
            !procurar("SAIDA COM SUSPENSAO DE IPI"))
            acrescentar(TextoIpiSuspenso);
        const QString ordem = TNotas.campo("OC_DOCLIE").texto();
        if (!ordem.isEmpty() && ordem != "/" && Entre(fat, {21, 95, 102, 185, 280}))
            acrescentarOuReescrever("Ord.Compra: ", "Ord.Compra: " + ordem);
        if (!TNotas.campo("Cod_Clifor").ehNulo() && Entre(fat, {21, 121}))
            acrescentarOuReescrever("Cod Cliente: ",
                                    "Cod Cliente: " + TNotas.campo("Cod_Clifor").texto());
        try {
            TNotas.gravar();
        } catch (const ErroBanco& e) {
            if (e.texto() != TextoViolacaoChave)
                throw;
            throw ErroBanco("Registro ja existe - " + e.texto() + "\r" +
                            "Tabela : " + TNotas.nomeTabela());
        }
    });
    linhas_.fechar();
    return ok;
}

bool TDMMovPed::ExcluirNota() {
    return ExecutarEmTransacao(TNotas, {&TNotas}, [this] {
        ExigirLinha(TNotas);
        const QVariantList chave = ChaveNota(TNotas);
        ExcluirLinhas(TNotas, "NOTAS3", chave);
        ExcluirLinhas(TNotas, "NotasDataSoft", chave);
        TNotas.excluir();
    });
}

bool TDMMovPed::ExcluirItem() {
    return ExecutarEmTransacao(TNotai, {&TNotai}, [this] {
        ExigirLinha(TNotai);
        const QVariantList chave = ChaveItem(TNotai);
        ExcluirLinhas(TNotai, "NOTAI3", chave);
        ExcluirDetalhesItem(TNotai, chave);
        TNotai.excluir();
    });
}

Dinheiro TDMMovPed::Vlr_TotItem() {
    Dinheiro total;
    for (const char* campo : {"BT_ICMS", "BI_ICMS", "BO_ICMS", "VLR_IPI", "Vlr_IcmSub"})
        total += Dinheiro::deNumero(TNotai.campo(campo).numero());
    return total;
}

Dinheiro TDMMovPed::CalcTotalItem() {
    return Dinheiro::deNumero(TNotai.campo("PRECO_UNIT").numero()) *
           Dinheiro::deNumero(TNotai.campo("QUANTIDADE").numero());
}

Dinheiro TDMMovPed::SaldoMes() {
    Dinheiro saldo;
    if (!TEstproma.ativo() || TEstproma.vazio())
        return saldo;
    const QVariantList chave = {TEstproma.campo("Filial").valor(),
                                AnoMesDaData(Relogio::atual().hoje()),
                                TEstproma.campo("Cod_Reduz").valor()};
    Tabela saldos("SLDPR", sessao_);
    saldos.setNomeBanco(TEstproma.nomeBanco());
    saldos.definirFaixa(chave, chave);
    saldos.abrir();
    for (; !saldos.eof(); saldos.proximo())
        saldo += Dinheiro::deNumero(saldos.campo("Fisico").numero());
    return saldo;
}

QString TDMMovPed::SaldoMesTexto() {
    return SaldoMes().formatar("###,##0.00");
}
