// The company selection window: timer, group question, password, alias
// switch, Os_Exec, and the messages of a missing catalogue or directory.
#include "CatalogoTeste.h"

#include "app/TDMFilial.h"
#include "app/TMenuFilial.h"
#include "app/TfoMenuEmpresa.h"
#include "services/LayoutGrade.h"
#include "session/Sessao.h"
#include "store/Caminhos.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSettings>
#include <QTableView>

namespace {
const QList<FilialTeste> UmaFilial = {{1, "Central", "C:\\COBOL", false, 0}};

QString descricaoCatalogo(const QString& hostCatalogo) {
    return TDMFilial::CaminhoCatalogo + "\n(" + hostCatalogo + ")";
}
} // namespace

class TfoMenuEmpresaTest : public CatalogoTeste {};

TEST_F(TfoMenuEmpresaTest, UmaEmpresaAbreAFilialSemMostrarAGradeQuandoOTemporizadorDispara) {
    criarCatalogo({{1, "Tintas Um", "EMPRESA1", "", "1", 0}});
    criarEmpresa("C:\\EMPRESA1", UmaFilial);
    iniciar();

    EXPECT_EQ(empresa->x(), -1000);
    EXPECT_TRUE(empresa->temporizador().isActive());
    EXPECT_TRUE(empresa->temporizador().isSingleShot());
    EXPECT_EQ(empresa->temporizador().interval(), 2000);
    EXPECT_FALSE(filial->isVisible());

    empresa->aoTemporizador();
    EXPECT_FALSE(empresa->temporizador().isActive());
    EXPECT_FALSE(empresa->isVisible());
    EXPECT_TRUE(filial->isVisible());
    EXPECT_EQ(filial->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(Sess().EmpresaDisponivel);
    EXPECT_EQ(Sess().NumEmpresas, 1);
    EXPECT_EQ(Sess().Grupo, 0);
    EXPECT_EQ(Sess().DirEmpresa, "C:\\EMPRESA1");
    EXPECT_EQ(Sess().CaminhoAlias, "C:\\EMPRESA1");
    EXPECT_TRUE(dialogos->mostrados().isEmpty());

    // A later run of the timer with fewer than two companies ends the program.
    empresa->aoTemporizador();
    EXPECT_EQ(fechamentos, 1);
}

TEST_F(TfoMenuEmpresaTest, RespostaDoGrupoEhUmDigitoSo) {
    struct Caso {
        QString resposta;
        bool cancela;
        QStringList mensagens;
        bool gradeNaTela;
        bool filialAberta;
        int grupo;
    };
    const Caso casos[] = {
        {"5", false, {"Codigo"}, true, false, 0},
        {"7", false, {"Codigo"}, false, true, 7},
        {"12", false, {"Codigo", "Grupo não cadastrado", "Acesso negado"}, false, false, 0},
        {"1 or 1=1", false, {"Codigo", "Grupo não cadastrado", "Acesso negado"}, false, false, 0},
        {"5abc", false, {"Codigo", "Grupo não cadastrado", "Acesso negado"}, false, false, 0},
        {"95", false, {"Codigo", "Grupo não cadastrado", "Acesso negado"}, false, false, 0},
        {"A", false, {"Codigo", "Grupo não cadastrado", "Acesso negado"}, false, false, 0},
        {"", true, {"Codigo", "Grupo não cadastrado", "Acesso negado"}, false, false, 0},
    };
    criarCatalogo({{1, "Cinco A", "EMPRESA1", "", "5", 1},
                   {2, "Cinco B", "EMPRESA1", "", "5", 2},
                   {3, "Sete", "EMPRESA1", "", "7", 3},
                   {4, "Doze", "EMPRESA1", "", "12", 4}});
    criarEmpresa("C:\\EMPRESA1", UmaFilial);
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.resposta.toStdString());
        Sessao::Reiniciar();
        dialogos->limpar();
        fechamentos = 0;
        if (c.cancela)
            dialogos->cancelarEntrada();
        else
            dialogos->digitar(c.resposta);
        iniciarEDisparar();
        EXPECT_EQ(dialogos->textos(), c.mensagens);
        EXPECT_EQ(dialogos->mostrados().first().titulo, "Grupo");
        EXPECT_TRUE(dialogos->mostrados().first().entrada);
        EXPECT_EQ(empresa->x() == 162, c.gradeNaTela);
        EXPECT_EQ(filial->isVisible(), c.filialAberta);
        EXPECT_EQ(fechamentos, c.mensagens.size() == 3 ? 1 : 0);
        if (c.filialAberta) {
            EXPECT_EQ(Sess().Grupo, c.grupo);
        }
        if (c.gradeNaTela) {
            EXPECT_EQ(Sess().NumEmpresas, 2);
            EXPECT_EQ(empresa->findChild<QTableView*>("Empresa")->model()->rowCount(), 2);
        }
        modulos.reset();
        SessaoBanco::padrao().definirAlias("Orvalo", {"PATH=C:\\EMPRESA1"});
    }
}

TEST_F(TfoMenuEmpresaTest, TodasNoMesmoGrupoNaoPerguntamOGrupoEAGradeSeguePeloLogin) {
    criarCatalogo({{1, "Alfa", "EMPRESA1", "", "1", 1},
                   {2, "Beta", "EMPRESA2", "", "1", 2},
                   {3, "Gama", "EMPRESA1", "", "1", 3}});
    criarEmpresa("C:\\EMPRESA1", UmaFilial);
    criarEmpresa("C:\\EMPRESA2", UmaFilial);
    QSettings(host("C:\\PROG") + "/Login.ini", QSettings::IniFormat)
        .setValue("BaseDadosUltLogin/Base", "Beta");
    iniciarEDisparar();

    EXPECT_TRUE(dialogos->mostrados().isEmpty());
    EXPECT_EQ(empresa->x(), 162);
    auto* grade = empresa->findChild<QTableView*>("Empresa");
    EXPECT_EQ(grade->currentIndex().row(), 1);
    EXPECT_EQ(grade->model()->index(1, 0).data().toString(), "002");

    empresa->ok();
    EXPECT_EQ(Sess().DirEmpresa, "C:\\EMPRESA2");
    EXPECT_TRUE(filial->isVisible());
}

TEST_F(TfoMenuEmpresaTest, DiretorioTomaARaizDaUnidadeDoAlias) {
    Caminhos::atual().mapear("D:", raiz.path() + "/D");
    criarDiretorio("D:\\DADOS");
    SessaoBanco::padrao().definirAlias("Orvalo", {"PATH=D:\\DADOS"});
    criarCatalogo({{1, "Dados", "EMPRESA1", "", "", 1}});
    criarEmpresa("D:\\EMPRESA1", UmaFilial);
    iniciarEDisparar();

    EXPECT_EQ(Sess().DirEmpresa, "D:\\EMPRESA1");
    EXPECT_EQ(Sess().CaminhoAlias, "D:\\EMPRESA1");
    EXPECT_EQ(SessaoBanco::padrao().parametrosAlias("Orvalo"), QStringList{"PATH=D:\\EMPRESA1"});
    EXPECT_FALSE(Sess().Matriz);
    // The branch list comes from the company's own tables.
    EXPECT_EQ(filial->findChild<QListWidget*>("NOME")->item(0)->text(), "Central");
}

TEST_F(TfoMenuEmpresaTest, SenhaDaEmpresa) {
    criarCatalogo({{1, "Com Senha", "MATRIZ", "Ab1", "", 1}});
    criarEmpresa("C:\\MATRIZ", UmaFilial);

    senhaDigitada = "ab1";
    iniciarEDisparar();
    EXPECT_EQ(senhasPedidas, 1);
    EXPECT_EQ(dialogos->textos(), QStringList{"Senha invalida"});
    EXPECT_EQ(fechamentos, 1);
    EXPECT_FALSE(filial->isVisible());

    modulos.reset();
    dialogos->limpar();
    senhaDigitada = "Ab1";
    iniciarEDisparar();
    EXPECT_TRUE(dialogos->mostrados().isEmpty());
    EXPECT_TRUE(filial->isVisible());
    EXPECT_TRUE(Sess().Matriz);
}

TEST_F(TfoMenuEmpresaTest, SemSenhaNaoAbreAJanelaDeSenha) {
    criarCatalogo({{1, "Livre", "EMPRESA1", "", "", 1}});
    criarEmpresa("C:\\EMPRESA1", UmaFilial);
    iniciarEDisparar();
    EXPECT_EQ(senhasPedidas, 0);
    EXPECT_TRUE(filial->isVisible());
}

TEST_F(TfoMenuEmpresaTest, OsExecEscolheAEmpresaSemAGrade) {
    criarCatalogo({{1, "Um", "EMPRESA1", "", "A", 1},
                   {2, "Dois", "EMPRESA2", "", "B", 2},
                   {3, "Tres", "EMPRESA1", "", "C", 3}});
    criarEmpresa("C:\\EMPRESA2", UmaFilial);
    iniciar({"Os_Exec", " 2 "});

    EXPECT_FALSE(empresa->temporizador().isActive());
    EXPECT_TRUE(dialogos->mostrados().isEmpty()); // no group question
    EXPECT_EQ(Sess().DirEmpresa, "C:\\EMPRESA2");
    EXPECT_EQ(Sess().NomeEmpresa, "DOIS");
    // With an argument the company window stays (off screen), not hidden.
    EXPECT_EQ(empresa->x(), -1000);
    EXPECT_TRUE(empresa->isVisible());
    EXPECT_TRUE(filial->isVisible());
}

TEST_F(TfoMenuEmpresaTest, OsExecComEmpresaInexistenteEncerra) {
    criarCatalogo({{1, "Um", "EMPRESA1", "", "", 1}});
    iniciar({"Os_Exec", "9"});
    EXPECT_EQ(dialogos->textos(), QStringList{"Empresa não cadastrada: 9"});
    EXPECT_EQ(fechamentos, 1);
    EXPECT_FALSE(filial->isVisible());
}

TEST_F(TfoMenuEmpresaTest, OkRegistraAsEmpresasNaSessao) {
    QList<EmpresaTeste> empresas = {{1, "Matriz Sul", "MATRIZ", "", "", 0},
                                    {2, "Sem Loja", "EMPRESA2", "", "", QVariant()}};
    for (int i = 3; i <= 52; ++i)
        empresas.append({i, QString("Loja %1").arg(i), "EMPRESA1", "", "", i + 100});
    criarCatalogo(empresas);
    criarEmpresa("C:\\MATRIZ", UmaFilial);
    iniciar({"Os_Exec", "1"});

    const DadosSessao& s = Sess();
    EXPECT_EQ(s.Loja, 0);
    EXPECT_EQ(s.NomeEmpresa, "MATRIZ SUL");
    EXPECT_EQ(s.DirLojaZero, "MATRIZ");
    EXPECT_EQ(s.NumEmpresas, 52);
    EXPECT_EQ(s.Empresas[0].Codigo, "00");
    // An empty LOJA was filled with the company code by the upgrade.
    EXPECT_EQ(s.Empresas[1].Codigo, "02");
    EXPECT_EQ(s.Empresas[1].Diretorio, "EMPRESA2");
    EXPECT_EQ(s.Empresas[1].Nome, "Sem Loja");
    EXPECT_EQ(s.Empresas[49].Codigo, "150");
    EXPECT_EQ(s.Empresas[49].Nome, "Loja 50");
}

TEST_F(TfoMenuEmpresaTest, CadastroDeEmpresasAusenteAvisaESegueComOAliasConfigurado) {
    criarEmpresa("C:\\EMPRESA1", UmaFilial);
    iniciar();
    EXPECT_EQ(dialogos->textos(), QStringList{"Cadastro de empresas não encontrado: " +
                                              descricaoCatalogo(host(TDMFilial::CaminhoCatalogo))});
    EXPECT_FALSE(Sess().EmpresaDisponivel);
    EXPECT_EQ(Sess().NumEmpresas, 0);

    empresa->aoTemporizador();
    EXPECT_TRUE(filial->isVisible());
    EXPECT_EQ(Sess().CaminhoAlias, "C:\\EMPRESA1");
    EXPECT_EQ(Sess().DirEmpresa, "");
}

TEST_F(TfoMenuEmpresaTest, CadastroVazioSegueComOAliasConfigurado) {
    criarCatalogo({});
    criarEmpresa("C:\\EMPRESA1", UmaFilial);
    iniciarEDisparar();
    EXPECT_TRUE(dialogos->textos().isEmpty());
    EXPECT_TRUE(Sess().EmpresaDisponivel);
    EXPECT_EQ(Sess().NumEmpresas, 0);
    EXPECT_TRUE(filial->isVisible());
    EXPECT_EQ(Sess().CaminhoAlias, "C:\\EMPRESA1");
    EXPECT_EQ(Sess().DirEmpresa, "");
}

TEST_F(TfoMenuEmpresaTest, CadastroIlegivelAvisaSemTravar) {
    criarDiretorio("C:\\Arquivos de programas\\Orvalo");
    QFile lixo(host("C:\\Arquivos de programas\\Orvalo") + "/PCP.sqlite");
    ASSERT_TRUE(lixo.open(QIODevice::WriteOnly));
    lixo.write(QByteArray(4096, 'x'));
    lixo.close();
    criarEmpresa("C:\\EMPRESA1", UmaFilial);
    iniciar();
    ASSERT_EQ(dialogos->textos().size(), 1);
    EXPECT_TRUE(dialogos->textos()[0].startsWith(
        "Não foi possível abrir o cadastro de empresas " +
        descricaoCatalogo(host(TDMFilial::CaminhoCatalogo)) + ":\n"));
    EXPECT_FALSE(Sess().EmpresaDisponivel);
}

TEST_F(TfoMenuEmpresaTest, DiretorioDaEmpresaAusenteAvisaEEncerra) {
    criarCatalogo({{1, "Sumida", "EMPRESA9", "", "", 1}});
    iniciarEDisparar();
    EXPECT_EQ(dialogos->textos(),
              QStringList{"Diretório da empresa não encontrado: C:\\EMPRESA9\n(" +
                          host("C:\\EMPRESA9") + ")"});
    EXPECT_EQ(fechamentos, 1);
    EXPECT_FALSE(filial->isVisible());
    EXPECT_EQ(SessaoBanco::padrao().parametrosAlias("Orvalo"), QStringList{"PATH=C:\\EMPRESA1"});
}

TEST_F(TfoMenuEmpresaTest, InicioAtualizaOCadastroERemoveArquivosTemporarios) {
    criarCatalogo(
        {{7, "Antiga", "EMPRESA1", "", "", QVariant()}, {8, "Nova", "EMPRESA1", "", "", 3}});
    const QString prog = host("C:\\PROG");
    for (const char* nome :
         {"PDOXUSRS.LCK", "x.lck", "_qsq123.db", "_QSQ9.tmp", "manter.txt", "qsq.db"})
        QFile(prog + "/" + nome).open(QIODevice::WriteOnly);
    iniciar();

    EXPECT_EQ(QDir(prog).entryList(QDir::Files), (QStringList{"manter.txt", "qsq.db"}));
    Tabela t(TDMFilial::CaminhoCatalogo);
    t.abrir();
    QStringList lojas;
    for (t.primeiro(); !t.eof(); t.proximo())
        lojas << t.campo("Codigo").texto() + "=" + t.campo("LOJA").texto();
    EXPECT_EQ(lojas, (QStringList{"7=7", "8=3"}));
}
