// CNPJ and CPF check digits: accepted numbers, refused ones, and which
// refusals tell the operator.
#include "services/DigitosVerificadores.h"
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
    Resposta mensagem(TipoMensagem tipo, const QString& titulo, const QString& texto,
                      Botoes botoes) override {
        mostradas
            << QStringLiteral("%1|%2|%3|%4").arg(int(tipo)).arg(titulo, texto).arg(int(botoes));
        return Resposta::Ok;
    }
    bool entrada(const QString&, const QString&, QString&, bool) override { return false; }
};

DialogosGravados dialogos;

const QString AvisoCGC = QStringLiteral("%1|Atenção|C.G.C. Invalido|%2")
                             .arg(int(TipoMensagem::Erro))
                             .arg(int(Botoes::Ok));
const QString AvisoCPF =
    QStringLiteral("%1|Atenção|CPF Invalido|%2").arg(int(TipoMensagem::Erro)).arg(int(Botoes::Ok));

struct Caso {
    const char* numero;
    bool valido;
    bool avisa; // when refused with warn on
};

class DigitosVerificadoresTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dialogos::instalar(&dialogos);
        dialogos.mostradas.clear();
    }

    template <size_t N>
    void conferir(bool (*validar)(const QString&, bool), const Caso (&casos)[N],
                  const QString& aviso) {
        for (const Caso& c : casos) {
            dialogos.mostradas.clear();
            EXPECT_EQ(validar(c.numero, true), c.valido) << c.numero;
            EXPECT_EQ(dialogos.mostradas, c.avisa ? QStringList{aviso} : QStringList{}) << c.numero;
            dialogos.mostradas.clear();
            EXPECT_EQ(validar(c.numero, false), c.valido) << c.numero;
            EXPECT_TRUE(dialogos.mostradas.isEmpty()) << c.numero;
        }
    }
};

TEST_F(DigitosVerificadoresTest, CNPJSoDigitosComVerificadoresCertos) {
    const Caso casos[] = {
        {"11222333000181", true, false},
        {"60701190000104", true, false}, // first check digit from remainder 1
        {"33000167000101", true, false}, // first check digit from remainder 0
        {"00000000000000", true, false}, // repeated digits are not refused as such
        {"11111111111111", false, true},
        {"11222333000182", false, true},
        {"1122233300018", false, true},   // 13 digits
        {"112223330001810", false, true}, // 15 digits
        {"11222333000181 ", false, true},
        {"1122233300018X", false, true}, // non-digit after the twelfth: a wrong number
        {"11.222.333/0001-81", false, false},
        {" 11222333000181", false, false},
        {"11222333000", false, false},
        {"", false, false},
    };
    conferir(ValidarCGC, casos, AvisoCGC);
}

TEST_F(DigitosVerificadoresTest, CNPJAlfanumericoValeCodigoAsciiMenos48) {
    const Caso casos[] = {
        {"12ABC34501DE35", true, false},
        {"ZZZZZZZZZZZZ62", true, false},
        {"12ABC34501DE36", false, true},
        {"12ABC34501DE53", false, true},
        {"12ABC34501DEA5", false, true}, // check digits are never letters
        {"12ABC34501DE3Z", false, true},
        {"12abc34501de35", false, false}, // lower case is outside the base
        {"12ABC34501D-35", false, false},
        {"12ÁBC34501DE35", false, false},
    };
    conferir(ValidarCGC, casos, AvisoCGC);
    EXPECT_EQ(CompletarCNPJ("12ABC34501DE"), "12ABC34501DE35");
    EXPECT_EQ(CompletarCNPJ("112223330001"), "11222333000181");
    EXPECT_EQ(CompletarCPF("529982247"), "52998224725");
}

TEST_F(DigitosVerificadoresTest, CPFSoDigitosComVerificadoresCertos) {
    const Caso casos[] = {
        {"52998224725", true, false},  {"11144477735", true, false},
        {"90748337806", true, false}, // remainder 0 gives 0
        {"30401198006", true, false}, // remainder 1 gives 0
        {"11111111111", true, false},  {"00000000000", true, false},
        {"52998224726", false, true},  {"52998224724", false, true},
        {"529982247250", false, true}, {"529.982.247-25", false, false},
    };
    conferir(ValidarCPF, casos, AvisoCPF);
}

} // namespace
