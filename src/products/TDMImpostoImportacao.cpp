#include "TDMImpostoImportacao.h"

#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "session/GravarLogSistema.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

namespace {
const char* const Janela = "FoCadImpostoImportacaoPorOrigem";

bool Editando(const ConjuntoDados& ds) {
    return ds.estado() == EstadoDados::Editando || ds.estado() == EstadoDados::Inserindo;
}

void Log(const QString& acao, const QString& texto) {
    GravarLogSistema(Sess().Filial, Janela, acao, Sess().Usuario, QString(), texto);
}
} // namespace

TDMImpostoImportacao::TDMImpostoImportacao(SessaoBanco* sessao)
    : TImposto("ALIQBASE_Importacao", sessao), sessao_(sessao), paises_("PAISES", sessao) {}

void TDMImpostoImportacao::abrir(int filial, int codigo) {
    fechar();
    filial_ = filial;
    codigo_ = codigo;
    TImposto.definirFaixa({filial, codigo}, {filial, codigo});
    TImposto.abrir();
    paises_.abrir();
}

void TDMImpostoImportacao::fechar() {
    TImposto.fechar();
    paises_.fechar();
}

QString TDMImpostoImportacao::nomePais(const QString& codigo) {
    if (codigo.trimmed().isEmpty() || !paises_.ativo())
        return QString();
    return paises_.localizarChave({codigo}) ? paises_.campo("NOME").texto() : QString();
}

bool TDMImpostoImportacao::Incluir() {
    if (!TImposto.ativo() || Editando(TImposto))
        return false;
    TImposto.incluir();
    TImposto.campo("Filial").definir(filial_);
    TImposto.campo("Cod_Reduz").definir(codigo_);
    TImposto.campo("Operacao").definir("I");
    return true;
}

bool TDMImpostoImportacao::Alterar() {
    return TImposto.ativo() && !TImposto.vazio() && !Editando(TImposto) && EditarRegistro(TImposto);
}

QString TDMImpostoImportacao::Faltas() {
    QString faltas;
    const QString pais = TImposto.campo("CodPais").texto();
    if (pais.trimmed().isEmpty())
        faltas += "\n Codigo do Pais em branco";
    if (nomePais(pais).isEmpty())
        faltas += " Nome do Pais em branco\n";
    if (TImposto.campo("PercImpImportacao").ehNulo())
        faltas += " Aliquota em branco\n";
    return faltas;
}

bool TDMImpostoImportacao::Gravar() {
    if (!Editando(TImposto))
        return false;
    const QString faltas = Faltas();
    if (!faltas.isEmpty()) {
        MostrarErro("Erros encontrados impedem a gravação do registro : \n\n" + faltas +
                    "\n\nFavor conferir e tentar novamente");
        return false;
    }
    const bool inclusao = TImposto.estado() == EstadoDados::Inserindo;
    const QString pais = TImposto.campo("CodPais").texto();
    if (!GravarRegistro(TImposto))
        return false;
    Log(inclusao ? "I" : "E", QString(inclusao ? "Inclusão" : "Alteração") +
                                  " de Aliquota de Imp de Importação  |Pais " + pais);
    return true;
}

void TDMImpostoImportacao::Cancelar() {
    if (Editando(TImposto))
        TImposto.cancelar();
}

bool TDMImpostoImportacao::Excluir() {
    if (!TImposto.ativo() || TImposto.vazio() || Editando(TImposto) ||
        !Confirmar("Confirma exclusao do registro"))
        return false;
    const QString pais = TImposto.campo("CodPais").texto();
    try {
        TImposto.excluir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    Log("X", "Exclusão de Aliquota de Imp de Importação  |Pais " + pais);
    return true;
}
