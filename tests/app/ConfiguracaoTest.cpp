// The installation's configuration file and the command line.
#include "app/Configuracao.h"
#include "AuxiliaresTeste.h"
#include "session/Sessao.h"
#include "store/Caminhos.h"
#include "store/SessaoBanco.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class ConfiguracaoTest : public ::testing::Test {
protected:
    QString escrever(const QByteArray& texto) {
        const QString arquivo = pasta.filePath("pcp.ini");
        QFile f(arquivo);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(texto);
        return arquivo;
    }
    void TearDown() override { Caminhos::atual().limpar(); }

    QTemporaryDir tmp;
    QDir pasta{tmp.path()};
    Configuracao c;
    QString erro;
};
} // namespace

TEST_F(ConfiguracaoTest, LeTodasAsSecoes) {
    const QString arquivo = escrever("[Alias]\n"
                                     "Orvalo=PATH=D:/DADOS/EMPRESA1\n"
                                     "[Unidades]\n"
                                     "d=/srv/dados\n"
                                     "tsclient=remoto\n"
                                     "[Programa]\n"
                                     "Pasta=C:/Arquivos de programas/Orvalo\n"
                                     "[Permissoes]\n"
                                     "UsaPermissoes=sim\n"
                                     "AliasPermissoes=Outro\n"
                                     "[Impressoras]\n"
                                     "Compartilhadas=//servidor/epson=EPSON_LOCAL, "
                                     "//SERVIDOR/HP=hp\n");
    ASSERT_TRUE(c.ler(arquivo, erro)) << erro.toStdString();
    EXPECT_EQ(c.parametrosAlias, QStringList{"PATH=D:\\DADOS\\EMPRESA1"});
    EXPECT_EQ(c.unidades.value("D:"), "/srv/dados");
    EXPECT_EQ(c.unidades.value("\\\\tsclient"), pasta.filePath("remoto"));
    EXPECT_EQ(c.unidades.value("C:"), pasta.filePath("C"));
    EXPECT_TRUE(c.usaPermissoes);
    EXPECT_EQ(c.aliasPermissoes, "Outro");
    EXPECT_EQ(c.impressorasCompartilhadas,
              (QMap<QString, QString>{{"\\\\SERVIDOR\\EPSON", "EPSON_LOCAL"},
                                      {"\\\\SERVIDOR\\HP", "hp"}}));

    Sessao::Reiniciar();
    c.aplicar();
    EXPECT_EQ(SessaoBanco::padrao().parametrosAlias("Orvalo"), c.parametrosAlias);
    EXPECT_EQ(Caminhos::atual().resolver("\\\\tsclient\\C\\x"), pasta.filePath("remoto/C/x"));
    EXPECT_EQ(c.pastaProgramaHost(), pasta.filePath("C/Arquivos de programas/Orvalo"));
    EXPECT_TRUE(Sess().UsaPermissoes);
    EXPECT_EQ(Sess().AliasPermissoes, "Outro");
}

TEST_F(ConfiguracaoTest, ArquivoVazioUsaOsPadroes) {
    ASSERT_TRUE(c.ler(escrever(""), erro)) << erro.toStdString();
    EXPECT_EQ(c.parametrosAlias, QStringList{"PATH=C:\\EMPRESA1"});
    EXPECT_EQ(c.unidades.value("C:"), pasta.filePath("C"));
    EXPECT_EQ(c.pastaProgramaHost(), QDir::cleanPath(pasta.absolutePath()));
    EXPECT_FALSE(c.usaPermissoes);
    EXPECT_EQ(c.aliasPermissoes, "Orvalo");
}

TEST_F(ConfiguracaoTest, ErrosDaConfiguracao) {
    const QString nome = QDir::toNativeSeparators(pasta.filePath("pcp.ini"));
    struct Caso {
        QByteArray texto;
        QString mensagem;
    };
    const Caso casos[] = {
        {"[Alias\nOrvalo=x\n",
         "O arquivo de configuração " + nome +
             " está mal formado: cada seção deve estar entre colchetes, como [Alias], e cada "
             "linha deve ter a forma chave=valor."},
        // A single backslash is an ini escape and is lost on reading.
        {"[Alias]\nOrvalo=PATH=C:\\EMPRESA1\n",
         "O alias Orvalo de " + nome +
             " é inválido (PATH=C:MPRESA1): uma linha deve ser PATH= seguida de um "
             "caminho com letra de unidade, como PATH=C:/EMPRESA1 (no arquivo, escreva / ou "
             "\\\\ no lugar de \\)."},
        {"[Unidades]\nCD=/tmp\n", "Unidade desconhecida \"CD\" na seção [Unidades] de " + nome +
                                      ": use uma letra de unidade (como C) ou tsclient."},
        {"[Unidades]\nE=\n",
         "A unidade E da seção [Unidades] de " + nome + " não indica nenhuma pasta."},
        {"[Permissoes]\nUsaPermissoes=talvez\n",
         "Valor inválido para UsaPermissoes em " + nome + ": \"talvez\" (use true ou false)."},
        {"[Impressoras]\nCompartilhadas=EPSON\n",
         "Item inválido em [Impressoras] Compartilhadas de " + nome +
             ": \"EPSON\" (use //SERVIDOR/IMPRESSORA=FILA)."},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.texto.toStdString());
        erro.clear();
        EXPECT_FALSE(c.ler(escrever(caso.texto), erro));
        EXPECT_EQ(erro.toStdString(), caso.mensagem.toStdString());
    }
    EXPECT_FALSE(c.ler(pasta.filePath("nada.ini"), erro));
    EXPECT_EQ(erro, "Arquivo de configuração não encontrado: " +
                        QDir::toNativeSeparators(pasta.filePath("nada.ini")));
    EXPECT_FALSE(c.ler(pasta.path(), erro));
    EXPECT_EQ(erro, "Não foi possível ler o arquivo de configuração " +
                        QDir::toNativeSeparators(pasta.path()) +
                        ": verifique se é um arquivo e se há permissão de leitura.");
}

TEST_F(ConfiguracaoTest, GravarELerDevolvemAMesmaConfiguracao) {
    c.arquivo = pasta.filePath("sub/pcp.ini");
    c.parametrosAlias = {"PATH=C:\\MATRIZ"};
    c.unidades = {{"C:", "/srv/c"}, {"\\\\tsclient", "/srv/ts"}};
    c.pastaPrograma = "C:\\Arquivos de programas\\Orvalo";
    c.usaPermissoes = true;
    c.impressorasCompartilhadas = {{"\\\\SRV\\EPSON", "epson"}};
    ASSERT_TRUE(c.gravar(erro)) << erro.toStdString();

    Configuracao lida;
    ASSERT_TRUE(lida.ler(c.arquivo, erro)) << erro.toStdString();
    EXPECT_EQ(lida.parametrosAlias, c.parametrosAlias);
    EXPECT_EQ(lida.unidades, c.unidades);
    EXPECT_EQ(lida.pastaPrograma, "C:/Arquivos de programas/Orvalo");
    EXPECT_TRUE(lida.usaPermissoes);
    EXPECT_EQ(lida.impressorasCompartilhadas, c.impressorasCompartilhadas);
}

TEST(LinhaComandoTest, SeparaAsOpcoesDosArgumentosDoPrograma) {
    qputenv("PCP_CONFIG", "/etc/pcp-env.ini");
    LinhaComando l = LerLinhaComando({"Os_Exec", "--config", "/tmp/x.ini", "3"});
    EXPECT_EQ(l.argumentos, (QStringList{"Os_Exec", "3"}));
    EXPECT_EQ(l.arquivoConfiguracao, "/tmp/x.ini");
    EXPECT_EQ(l.erro, "");

    l = LerLinhaComando({"--criar-demo", "/tmp/demo"});
    EXPECT_EQ(l.pastaDemonstracao, "/tmp/demo");
    EXPECT_EQ(l.arquivoConfiguracao, "/etc/pcp-env.ini");

    qunsetenv("PCP_CONFIG");
    l = LerLinhaComando({});
    EXPECT_EQ(l.arquivoConfiguracao, QDir::homePath() + "/.config/PCP/pcp.ini");

    l = LerLinhaComando({"--config"});
    EXPECT_EQ(l.erro, "A opção --config precisa de um caminho.");

    l = LerLinhaComando({"--importar-paradox", "/legado/EMPRESA4", "C:\\EMPRESA4", "--substituir"});
    EXPECT_EQ(l.importarOrigem, "/legado/EMPRESA4");
    EXPECT_EQ(l.importarDestino, "C:\\EMPRESA4");
    EXPECT_TRUE(l.substituir);
    EXPECT_EQ(l.erro, "");
    EXPECT_EQ(LerLinhaComando({"--importar-paradox", "/legado"}).erro,
              "A opção --importar-paradox precisa da pasta de origem e do destino.");
    EXPECT_EQ(LerLinhaComando({"--substituir"}).erro,
              "A opção --substituir só vale com --importar-paradox.");
}
