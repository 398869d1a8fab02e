#include "RotuloAmostra.h"

#include "Dialogos.h"
#include "FormatosRegionais.h"
#include "RelatorioTexto.h"
#include "Relogio.h"

#include <QDate>
#include <QRegularExpression>

bool DataRotuloValida(const QString& data) {
    static const QRegularExpression padrao(
        QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{2})$"));
    const QRegularExpressionMatch m = padrao.match(data.trimmed());
    // A two-digit year is of this century, so 29/02/00 is a real date.
    if (m.hasMatch() &&
        QDate::isValid(2000 + m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt()))
        return true;
    MostrarErro(QStringLiteral("Data Invalida:") + data);
    return false;
}

void ImprimirRotuloAmostra(const DadosRotulo& r) {
    IniciarRelatorio();
    LimparPagina();
    EscreverTexto(1, 1, QString(QChar(27)) + "0");
    EscreverTexto(3, 14,
                  r.descricaoInformada ? r.descricao.trimmed()
                                       : r.nomeProduto.trimmed() + "-" + r.formula);
    EscreverTexto(4, 11, r.descricaoInformada ? r.corInformada : r.cor);
    EscreverTexto(7, 11, r.liquido.trimmed());
    EscreverTexto(7, 21, r.bruto.trimmed());
    EscreverTexto(7, 29, r.data.trimmed());
    EscreverTexto(7, 39, "6 MESES");
    if (Confirmar("Emitir etiqueta")) {
        EscreverTexto(22, 11,
                      r.descricaoInformada
                          ? r.descricao.trimmed()
                          : r.nomeProduto.trimmed() + "-" + r.cor + "-" + r.formula);
        EscreverTexto(24, 11, r.nomeCliente.left(25) + DataTexto(Relogio::atual().hoje()));
    }
    EscreverTexto(28, 11, " ");
    ImprimirPagina();
    FinalizarRelatorio();
}

DadosRotuloFormula::DadosRotuloFormula(SessaoBanco* sessao)
    : TFormula("Formula", sessao), produto_("ESTPROMA", sessao), cliente_("CLIFOR", sessao) {}

void DadosRotuloFormula::abrir(int filial) {
    fechar();
    filial_ = filial;
    TFormula.definirFaixa({filial}, {filial});
    TFormula.abrir();
    produto_.abrir();
    cliente_.abrir();
}

void DadosRotuloFormula::fechar() {
    TFormula.fechar();
    produto_.fechar();
    cliente_.fechar();
}

QString DadosRotuloFormula::nomeProduto() {
    if (TFormula.vazio())
        return QString();
    const int codigo = TFormula.campo("Cod_Reduz").inteiro();
    return codigo != 0 && produto_.localizarChave({filial_, codigo})
               ? produto_.campo("NOME1").texto()
               : QString();
}

QString DadosRotuloFormula::nomeCliente() {
    if (TFormula.vazio())
        return QString();
    const int codigo = TFormula.campo("Cod_Clifor").inteiro();
    return codigo != 0 && cliente_.localizarChave({filial_, codigo})
               ? cliente_.campo("NOME").texto()
               : QString();
}

DadosRotulo DadosRotuloFormula::rotulo() {
    DadosRotulo r;
    if (TFormula.vazio())
        return r;
    r.formula = TFormula.campo("Formula").texto();
    r.nomeProduto = nomeProduto();
    r.cor = TFormula.campo("COR").texto();
    r.nomeCliente = nomeCliente();
    return r;
}
