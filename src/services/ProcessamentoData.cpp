#include "ProcessamentoData.h"

#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

#include <QDate>

namespace {
struct FechamentoModulo {
    const char* modulo;
    const char* tabela;
    bool daFilial; // the row of the current branch, else the first row
    const char* mensagem;
};

const FechamentoModulo fechamentos[] = {
    {"ESTOQUE", "Estoqcfg", true, "Lançamento no estoque menor que a data de processamento"},
    {"FATURAMENTO", "FATURCFG", false,
     "Lançamento no faturamento menor que a data de processamento"},
    {"FINANCEIRO", "CRECFG", true, "Lançamento no financeiro menor que a data de processamento"},
    {"ESCRITA", "Escricfg", true, "Lançamento na escrita fiscal menor que a data de processamento"},
    {"CONTABILIDADE", "CONTCFG", false,
     "Lançamento na contabilidade menor que a data de processamento"},
};

QDate dataFechamento(const QString& tabela, const QString& campo, bool daFilial) {
    Tabela t(tabela);
    t.setNomeBanco("Orvalo");
    t.abrir();
    if (daFilial ? !t.localizarChave({Sess().Filial}) : (t.primeiro(), t.vazio()))
        return QDate();
    return t.campo(campo).data();
}
} // namespace

bool ValidarDataProcessamento(const QString& modulo, const QDate& data) {
    bool resultado = true;
    try {
        if (modulo != "CONTABILIDADE") {
            const QDate fechamento = dataFechamento("Filial", "DATAPROCES", true);
            if (fechamento.isValid() && fechamento > data) {
                resultado = false;
                MostrarMensagem("Lancamento menor que a data de processamento");
            }
        }
        for (const FechamentoModulo& f : fechamentos) {
            if (modulo != f.modulo)
                continue;
            const QDate fechamento = dataFechamento(f.tabela, "Data", f.daFilial);
            if (fechamento.isValid() && fechamento > data) {
                resultado = false;
                MostrarMensagem(f.mensagem);
            }
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    return resultado;
}
