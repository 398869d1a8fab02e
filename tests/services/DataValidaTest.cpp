// Dates typed by the operator: real calendar dates in day/month/four-digit
// year pass silently; anything else shows one error with the text given.
#include "services/DataValida.h"
#include "AuxiliaresTeste.h"
#include "session/Dialogos.h"

#include <gtest/gtest.h>

#include <QStringList>

// Readable failures: gtest otherwise prints QString as raw bytes.
namespace {

// Records every message instead of showing it; lives for the whole run.
class DialogosGravados : public Dialogos {
public:
    QStringList mostradas;
    Resposta mensagem(TipoMensagem tipo, const QString&, const QString& texto,
                      Botoes botoes) override {
        mostradas << QStringLiteral("%1|%2|%3").arg(int(tipo)).arg(texto).arg(int(botoes));
        return Resposta::Ok;
    }
    bool entrada(const QString&, const QString&, QString&, bool) override { return false; }
};

DialogosGravados dialogos;

TEST(DataValidaTest, DataRealNoFormatoDiaMesAnoPassaSemMensagem) {
    Dialogos::instalar(&dialogos);
    for (const char* data : {"05/03/2026", "29/02/2024", "31/12/1999", "01/01/0001", "5/3/2026",
                             " 05/03/2026 ", "29/02/2000"}) {
        dialogos.mostradas.clear();
        EXPECT_TRUE(DataValida(data)) << data;
        EXPECT_TRUE(dialogos.mostradas.isEmpty()) << data;
    }
}

TEST(DataValidaTest, DataImpossivelOuMalEscritaMostraOTextoDado) {
    Dialogos::instalar(&dialogos);
    for (const char* data : {"31/02/2026", "29/02/2025", "29/02/1900", "31/04/2026", "00/01/2026",
                             "01/13/2026", "01/00/2026", "01/01/0000", "05/03/26", "05-03-2026",
                             "2026-03-05", "05/03/2026x", "05/03", "  /  /    ", ""}) {
        dialogos.mostradas.clear();
        EXPECT_FALSE(DataValida(data)) << data;
        const QString esperado = QStringLiteral("%1|Data Invalida:%2|%3")
                                     .arg(int(TipoMensagem::Erro))
                                     .arg(data)
                                     .arg(int(Botoes::Ok));
        EXPECT_EQ(dialogos.mostradas, QStringList{esperado}) << data;
    }
}

} // namespace
