#include "SaldoLimiteCredito.h"

#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

#include <QDate>

namespace {

// The total and the lines of the unknown histories met on the way.
Dinheiro Somar(int filial, int cliente, int notaExcluida, QString& desconhecidos,
               SessaoBanco* sessao) {
    Tabela clifor("Clifor", sessao);
    clifor.abrir();
    const QDate inicio =
        clifor.localizarChave({filial, cliente}) ? clifor.campo("DtIniLimAt").data() : QDate();

    Tabela historicos("Histcc", sessao);
    historicos.abrir();
    Tabela titulos("Duplicat", sessao);
    titulos.abrir();
    Tabela baixas("BAIXADPL", sessao);
    baixas.setMestre(&titulos, "Filial;SISTEMA;Cod_Clifor;DUPLICATA;DATA_ENT");
    baixas.abrir();

    Dinheiro total;
    titulos.localizarProximo({filial, "0", cliente});
    for (; !titulos.eof(); titulos.proximo()) {
        if (titulos.campo("Filial").inteiro() != filial ||
            titulos.campo("Sistema").texto() != "0" ||
            titulos.campo("Cod_Clifor").inteiro() != cliente)
            break;
        const QDate vencimento = titulos.campo("Data_Ven").data();
        if (inicio.isValid() && !(inicio < vencimento))
            continue;
        Dinheiro aberto = Dinheiro::deNumero(titulos.campo("Valor").numero());
        for (baixas.primeiro(); !baixas.eof(); baixas.proximo()) {
            const int historico = baixas.campo("Cod_Histo").inteiro();
            if (!historicos.localizarChave({historico})) {
                desconhecidos += "\rDuplicata : " + titulos.campo("DUPLICATA").texto() +
                                 " *** Histórico : " + QString::number(historico);
                aberto = Dinheiro();
            } else if (historicos.campo("Tipo_Histo").texto() == "1") {
                aberto -= Dinheiro::deNumero(baixas.campo("Valor").numero());
            }
        }
        // A title without an invoice is never the one left out.
        if (notaExcluida != 0 && titulos.campo("Nota").inteiro() == notaExcluida)
            continue;
        total += aberto;
    }
    return total;
}

} // namespace

Dinheiro SaldoLimiteCredito(int cliente, int notaExcluida, SessaoBanco* sessao) {
    QString desconhecidos;
    Dinheiro total;
    try {
        total = Somar(Sess().Filial, cliente, notaExcluida, desconhecidos, sessao);
    } catch (const ErroBanco& e) {
        MostrarErro("Erro ao ler saldo limite crédito cliente\\fornecedor!\r\r" + e.texto());
        return Dinheiro();
    }
    if (!desconhecidos.isEmpty())
        MostrarErro("Historico baixa duplicata não cadastrado:\r" + desconhecidos);
    return total;
}
