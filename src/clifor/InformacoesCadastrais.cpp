#include "InformacoesCadastrais.h"

#include "services/SaldoLimiteCredito.h"
#include "store/Consulta.h"
#include "store/Tabela.h"

#include <cmath>

namespace {

QString contagem(qint64 dias, int titulos) {
    const qint64 media = titulos ? qint64(std::llround(double(dias) / titulos)) : 0;
    return QString("%1 dia(s) - %2 título(s)").arg(media).arg(titulos);
}

// The first or last sales note of the period in the given order.
Compra compra(int filial, int cliente, const QDate& de, const QDate& ate,
              const QList<int>& historicos, const char* ordem, bool ultima, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"SELECT NUM_NOTA, VLR_NOTA, DT_ENTRADA", "  FROM NOTAS", " WHERE FILIAL = :P-FIL",
              "   AND COD_CLIFOR = :P-CLI", "   AND NAT_OPER > 499",
              "   AND (DT_ENTRADA BETWEEN :P-DT1 AND :P-DT2)"});
    q.definirParametro("P-FIL", filial);
    q.definirParametro("P-CLI", cliente);
    q.definirParametro("P-DT1", de);
    q.definirParametro("P-DT2", ate);
    if (!historicos.isEmpty()) {
        QStringList marcas;
        for (int i = 0; i < historicos.size(); ++i) {
            marcas << ":P-H" + QString::number(i);
            q.definirParametro("P-H" + QString::number(i), historicos[i]);
        }
        q.adicionarLinha("   and Est_Hist in (" + marcas.join(", ") + ")");
    }
    q.adicionarLinha(ordem);
    q.abrir();
    Compra c;
    if (q.vazio())
        return c;
    if (ultima)
        q.ultimo();
    c.nota = q.campo("NUM_NOTA").inteiro();
    c.valor = Dinheiro::deNumero(q.campo("VLR_NOTA").numero());
    c.data = q.campo("DT_ENTRADA").data();
    return c;
}

} // namespace

QList<QStringList> ClientesInfCadastrais(int filial, const QString& sistema, bool porNome,
                                         SessaoBanco* sessao) {
    Consulta q(sessao);
    // Bound values, and the code column the register really has.
    q.setSql({"SELECT FILIAL, COD_CLIFOR, NOME, TELEFONE1 FROM CLIFOR WHERE SISTEMA = :SISTEMA",
              " AND FILIAL = :FILIAL", porNome ? " ORDER BY NOME" : " ORDER BY COD_CLIFOR"});
    q.definirParametro("SISTEMA", sistema);
    q.definirParametro("FILIAL", filial);
    q.abrir();
    QList<QStringList> linhas;
    for (; !q.eof(); q.proximo())
        linhas << QStringList{q.campo(0).texto(), q.campo(1).texto(), q.campo(2).texto(),
                              q.campo(3).texto()};
    return linhas;
}

ResumoTitulos ResumirTitulos(int filial, int cliente, const QDate& hoje, SessaoBanco* sessao) {
    Tabela t("Duplicat", sessao);
    t.definirFaixa({filial, "0", cliente}, {filial, "0", cliente});
    t.abrir();
    int antecipados = 0, pontuais = 0, atrasados = 0, abertos = 0, titulos = 0, aVista = 0;
    qint64 diasAntes = 0, diasAtraso = 0, diasVencidos = 0;
    ResumoTitulos r;
    for (; !t.eof(); t.proximo()) {
        ++titulos;
        const QDate entrada = t.campo("DATA_ENT").data();
        const QDate vencimento = t.campo("Data_Ven").data();
        const QDate pagamento = t.campo("DATA_PAG").data();
        if (vencimento.isValid() && vencimento == entrada)
            ++aVista;
        if (!pagamento.isValid()) {
            ++abertos;
            if (vencimento.isValid() && vencimento < hoje)
                diasVencidos += vencimento.daysTo(hoje);
            continue;
        }
        if (!r.ultimoPagamento.isValid() || pagamento >= r.ultimoPagamento) {
            r.ultimoPagamento = pagamento;
            r.valorUltimoPagamento = Dinheiro::deNumero(t.campo("Valor").numero());
        }
        if (!vencimento.isValid() || pagamento == vencimento) {
            ++pontuais;
        } else if (pagamento < vencimento) {
            ++antecipados;
            diasAntes += pagamento.daysTo(vencimento);
        } else {
            ++atrasados;
            diasAtraso += vencimento.daysTo(pagamento);
        }
    }
    r.antecipados = contagem(diasAntes, antecipados);
    r.pontuais = contagem(0, pontuais);
    r.atrasados = contagem(diasAtraso, atrasados);
    r.abertos = contagem(diasVencidos, abertos);
    if (titulos > 0 && aVista == titulos)
        r.comportamento = "A VISTA";
    else if (atrasados == 0)
        r.comportamento = "Pontual";
    else
        r.comportamento =
            QString("%1 dias de atraso").arg(std::llround(double(diasAtraso) / atrasados));
    return r;
}

bool LerInfCadastrais(int filial, int cliente, const QDate& de, const QDate& ate,
                      const QList<int>& historicos, const QDate& hoje, InfCadastrais& info,
                      SessaoBanco* sessao) {
    Tabela c("CLIFOR", sessao);
    c.abrir();
    if (!c.localizarChave({filial, cliente}))
        return false;
    info = InfCadastrais();
    const auto texto = [&c](const char* campo) { return c.campo(campo).texto(); };
    info.nome = texto("NOME");
    info.fantasia = texto("FANTASIA");
    info.documento = texto("CGC");
    info.clienteDesde = c.campo("DATA_CAD").data();
    info.conceito = texto("Cod_Conc");
    info.fone = (texto("DDDFone1") + " " + texto("TELEFONE1")).trimmed();
    info.email = texto("E_Mail");
    info.observacao = (texto("OBSERVACAO") + " " + texto("Observa2")).trimmed();
    info.limite = Dinheiro::deNumero(c.campo("LIMITCRED").numero());
    Tabela conceito("Conceito", sessao);
    conceito.abrir();
    if (!c.campo("Cod_Conc").ehNulo() && conceito.localizarChave({c.campo("Cod_Conc").inteiro()}))
        info.descricaoConceito = conceito.campo("DESC_CONC").texto();
    Tabela vencto("Vencto", sessao);
    vencto.abrir();
    if (!c.campo("Vct_Codigo").ehNulo() && vencto.localizarChave({c.campo("Vct_Codigo").inteiro()}))
        info.condicao = vencto.campo("Descricao").texto();

    info.saldoLimite = info.limite - SaldoLimiteCredito(cliente, 0, sessao);
    info.primeira =
        compra(filial, cliente, de, ate, historicos, "   order by dt_entrada", false, sessao);
    info.ultima =
        compra(filial, cliente, de, ate, historicos, "   order by dt_entrada", true, sessao);
    info.maior = compra(filial, cliente, de, ate, historicos, " ORDER BY VLR_NOTA", true, sessao);
    info.titulos = ResumirTitulos(filial, cliente, hoje, sessao);
    return true;
}
