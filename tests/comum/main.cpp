#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>

// Window tests need an application object; it lives for the whole run.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // The server run of the store tests needs a server; only where
    // PostgreSQL cannot be installed does it end here, saying why.
    if (qEnvironmentVariableIsSet("PCP_TESTE_EXIGE_SERVIDOR") &&
        qEnvironmentVariableIsEmpty("PCP_TESTE_SERVIDOR")) {
        std::printf("Testes do banco em servidor não executados: nenhum servidor PostgreSQL de "
                    "teste (PCP_TESTE_SERVIDOR vazio; scripts/testar.sh inicia um).\n");
        return 0;
    }
    return RUN_ALL_TESTS();
}
