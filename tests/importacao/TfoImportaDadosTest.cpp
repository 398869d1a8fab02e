// The import window: what it asks before importing, what it shows after,
// and the system log line of the run.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"
#include "ParadoxTeste.h"

#include "importacao/TfoImportaDados.h"
#include "services/ModeloLinhas.h"
#include "session/GravarLogSistema.h"
#include "session/Sessao.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace {
QString grade(const TfoImportaDados& janela, const char* nome) {
    const auto* g = janela.findChild<QTableView*>(nome);
    const auto* m = static_cast<const ModeloLinhas*>(g->model());
    QStringList linhas;
    for (int i = 0; i < m->rowCount(); ++i) {
        QStringList colunas;
        for (int j = 0; j < m->columnCount(); ++j)
            colunas << m->texto(i, j);
        linhas << colunas.join('|');
    }
    return linhas.join('\n');
}
} // namespace

TEST_F(InstalacaoTeste, ImportacaoPelaJanelaConfirmaMostraOResultadoEGravaOLog) {
    RegistrarTabelaTeste();
    const QString origem = raiz.path() + "/legado";
    QDir().mkpath(origem);
    {
        EscritorParadox px(origem + "/AAA.DB",
                           {{"Codigo", TipoParadox::Long, 4}, {"Nome", TipoParadox::Alpha, 40}},
                           850);
        px.adicionar({1, "Fábrica"});
        px.adicionar({1, "Repetida"});
        px.adicionar({2, "Um nome longo demais para o campo"});
    }
    Sess().Filial = 1;
    Sess().Usuario = "ADMIN";
    TfoImportaDados janela;
    janela.carregarDestinos();
    auto* destino = janela.findChild<QComboBox*>("Destino");
    ASSERT_EQ(destino->itemText(0), "Empresa atual (C:\\EMPRESA1)");
    EXPECT_EQ(destino->itemText(destino->count() - 1),
              "Catálogo de empresas (C:\\Arquivos de programas\\Orvalo)");

    janela.importar();
    janela.findChild<QLineEdit*>("Origem")->setText(origem);
    dialogos->responder(Resposta::Nao);
    janela.importar();
    EXPECT_EQ(grade(janela, "Tabelas"), "AAA.DB|3|CP850|AAA vazia|");
    EXPECT_EQ(TextoTabela("AAA"), "");

    janela.importar();
    EXPECT_EQ(grade(janela, "Tabelas"),
              "AAA.DB|3|CP850|AAA vazia|Importada: 1 de 3 linhas (2 recusadas)");
    EXPECT_EQ(grade(janela, "Ocorrencias"),
              "AAA.DB|2|Codigo|1|Key violation.\n"
              "AAA.DB|3|Nome|Um nome longo demais para o campo|texto com 33 caracteres; o campo "
              "guarda texto de até 20 caracteres");
    const QString relatorio = host("C:\\EMPRESA1") + "/Importacao_20261206_100000.txt";
    EXPECT_EQ(janela.findChild<QLabel*>("Relatorio")->text(), "Relatório: " + relatorio);
    const QString pergunta = "Importar 1 tabela de\n" + origem +
                             "\npara C:\\EMPRESA1?\n\nAs tabelas de destino que já têm linhas "
                             "serão mantidas.";
    EXPECT_EQ(dialogos->textos(),
              (QStringList{"Informe a pasta de origem das tabelas Paradox.", pergunta, pergunta,
                           "Importação concluída.\nTabelas importadas: 1; não importadas: 0; "
                           "linhas recusadas: 2.\n\nRelatório gravado em\n" +
                               relatorio}));

    Tabela log(NomeLogSistema(QDate(2026, 12, 6)));
    log.abrir();
    EXPECT_EQ(log.campo("Janela").texto(), "TfoImportaDados");
    EXPECT_EQ(log.campo("Acao").texto(), "I");
    EXPECT_EQ(log.campo("Usuario").texto(), "ADMIN");
    EXPECT_EQ(log.campo("Log").texto(), "Importação de " + origem +
                                            " para C:\\EMPRESA1: Tabelas importadas: 1; não "
                                            "importadas: 0; linhas recusadas: 2.");

    dialogos->limpar();
    janela.findChild<QCheckBox*>("Substituir")->setChecked(true);
    janela.importar();
    EXPECT_EQ(grade(janela, "Tabelas"),
              "AAA.DB|3|CP850|AAA tem 1 linha|Importada: 1 de 3 linhas (2 recusadas)");
    EXPECT_TRUE(dialogos->textos()[0].endsWith("serão substituídas."));
}
