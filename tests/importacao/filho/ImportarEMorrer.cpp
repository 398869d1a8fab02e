// A station that dies in the middle of an import: it imports the folder
// ARGV[1] into C:\EMPRESA1 (drive C mapped to ARGV[2], on the tests' server
// when PCP_TESTE_SERVIDOR names one) and kills itself,
// as a power cut would, once the table ARGV[3] has ARGV[4] rows written.
#include "../ParadoxTeste.h"
#include "importacao/ImportacaoParadox.h"
#include "store/Caminhos.h"
#include "store/SessaoBanco.h"
#include "store/tabelas/Tabelas.h"

#include <QCoreApplication>
#include <csignal>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 5)
        return 2;
    RegistrarTodasTabelas();
    RegistrarTabelaTeste();
    Caminhos::atual().mapear("C:", QString::fromLocal8Bit(argv[2]));
    // The tests' server, when they run against one.
    QStringList alias{"PATH=C:\\EMPRESA1"};
    if (!qEnvironmentVariableIsEmpty("PCP_TESTE_SERVIDOR"))
        alias.prepend("SERVER NAME=" + qEnvironmentVariable("PCP_TESTE_SERVIDOR"));
    SessaoBanco::padrao().definirAlias("Orvalo", alias);
    const QString tabela = QString::fromLocal8Bit(argv[3]);
    const int linha = QString::fromLocal8Bit(argv[4]).toInt();
    ImportacaoParadox importacao(QString::fromLocal8Bit(argv[1]), "C:\\EMPRESA1");
    importacao.aoAvancar = [&](int, int, const QString& arquivo, int feitas, int) {
        if (arquivo == tabela && feitas >= linha)
            std::raise(SIGKILL);
    };
    QString erro;
    importacao.executar(erro);
    return 1; // not reached when the table is there
}
