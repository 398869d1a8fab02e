#include "Demonstracao.h"

#include "TDMFilial.h"
#include "clifor/DemoClifor.h"
#include "costs/DemoCustos.h"
#include "costs/DemoMarkup.h"
#include "formulas/DemoFormulas.h"
#include "formulas/DemoProducao.h"
#include "importacao/DemoImportacao.h"
#include "products/DemoProdutos.h"
#include "services/DemoScripts.h"
#include "session/DemoAcesso.h"
#include "session/Relogio.h"
#include "stock/DemoConsultasEstoque.h"
#include "stock/DemoEstoque.h"
#include "store/Caminhos.h"
#include "store/DefTabela.h"
#include "store/ErroBanco.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <initializer_list>
#include <utility>

namespace {
using Valores = std::initializer_list<std::pair<const char*, QVariant>>;

void inserir(Tabela& t, Valores valores) {
    t.incluir();
    for (const auto& [campo, valor] : valores)
        t.campo(campo).definir(valor);
    t.gravar();
}

struct CadastroEmpresa {
    EmpresaDemo empresa;
    QString diretorio; // relative to the drive root, as the catalogue keeps it
    QString senha;
    QString grupo;
    int loja;
};

const QString PastaProgramaDemo = "C:\\Arquivos de programas\\Orvalo";

QList<CadastroEmpresa> empresasDemo() {
    return {
        {{1, "Tintas Aurora Matriz", "C:\\MATRIZ"}, "MATRIZ", "", "1", 0},
        {{2, "Tintas Aurora Sul", "C:\\EMPRESA2"}, "EMPRESA2", "1234", "1", 2},
        {{3, "Vernizes Serra Azul", "C:\\EMPRESA3"}, "EMPRESA3", "", "2", 3},
    };
}

// Each subsystem's rows for one company, one line per subsystem.
const PovoadorDemo Povoadores[] = {
    CriarDemoFiliais,
    [](const EmpresaDemo& e) { CriarDemoAcesso(e.diretorio); },
    [](const EmpresaDemo& e) { CriarDemoScripts(e.diretorio); },
    [](const EmpresaDemo& e) {
        for (int f : e.filiais)
            CriarDemoProdutos(e.diretorio, f);
    },
    [](const EmpresaDemo& e) {
        for (int f : e.filiais)
            CriarDemoClifor(e.diretorio, f);
    },
    [](const EmpresaDemo& e) {
        for (int f : e.filiais)
            CriarDemoFormulas(e.diretorio, f);
    },
    [](const EmpresaDemo& e) {
        for (int f : e.filiais) {
            CriarDemoCustos(e.diretorio, f);
            CriarDemoMarkup(e.diretorio, f);
        }
    },
    [](const EmpresaDemo& e) {
        for (int f : e.filiais) {
            CriarDemoEstoque(e.diretorio, f);
            CriarDemoConsultasEstoque(e.diretorio, f);
        }
    },
    [](const EmpresaDemo& e) {
        for (int f : e.filiais)
            CriarDemoProducao(e.diretorio, f);
    },
};

void criarCatalogo() {
    Tabela catalogo(TDMFilial::CaminhoCatalogo);
    catalogo.criarTabela();
    catalogo.abrir();
    for (const CadastroEmpresa& c : empresasDemo())
        inserir(catalogo, {{"Codigo", c.empresa.codigo},
                           {"Nome", c.empresa.nome},
                           {"Diretorio", c.diretorio},
                           {"PWD", c.senha},
                           {"Grupo", c.grupo},
                           {"LOJA", c.loja},
                           {"MULTIEMPRESAS", false},
                           {"CLIENTEUNICO", c.grupo == "1"},
                           {"PRODUTOUNICO", c.grupo == "1"}});
}

void criarPastas(const QString& pasta, const QStringList& armazenadas) {
    for (const QString& a : armazenadas)
        if (!QDir().mkpath(Caminhos::atual().resolver(a)))
            throw ErroBanco("não foi possível criar a pasta " + a + " em " + pasta);
}
} // namespace

void CriarDemoFiliais(const EmpresaDemo& e) {
    const QDate hoje = Relogio::atual().hoje();
    struct Filial {
        int numero;
        const char* nome;
        const char* dirCobol;
        bool termServ;
        int fatModNf;
    };
    const Filial filiais[] = {
        {1, "Fábrica", "C:\\COBOL\\F01", false, 0},
        {2, "Loja Centro", "C:\\COBOL\\F02", true, 102},
    };
    Tabela filial("Filial.DB");
    filial.setNomeBanco(e.diretorio);
    filial.abrir();
    for (const Filial& f : filiais) {
        // Vernizes Serra Azul's shop keeps its paint by colour and size.
        const int fatModNf = e.codigo == 3 && f.numero == 2 ? 132 : f.fatModNf;
        inserir(filial, {{"Filial", f.numero},
                         {"NOME", f.nome},
                         {"DIRCOBOL", f.dirCobol},
                         {"TermServ", f.termServ},
                         {"FATMODNF", fatModNf},
                         {"DATAPROCES", hoje}});
        for (const char* nome : {"Filial2", "PEDIDCFG"}) {
            Tabela t(nome);
            t.setNomeBanco(e.diretorio);
            t.abrir();
            inserir(t, {{"Filial", f.numero}});
        }
        for (const char* nome : {"Escricfg", "CRECFG", "CONTCFG"}) {
            Tabela t(nome);
            t.setNomeBanco(e.diretorio);
            t.abrir();
            inserir(t, {{"Filial", f.numero}, {"Data", hoje}});
        }
        Tabela estoque("Estoqcfg");
        estoque.setNomeBanco(e.diretorio);
        estoque.abrir();
        inserir(estoque, {{"Filial", f.numero},
                          {"CRECOB", "S"},
                          {"CONTABIL", "N"},
                          {"Data", hoje},
                          {"UltimaNota", 0},
                          {"Perc_MP135", 0.0}});
        Tabela fatur("FATURCFG");
        fatur.setNomeBanco(e.diretorio);
        fatur.abrir();
        inserir(fatur, {{"Filial", f.numero}, {"Data", hoje}, {"CreCob", "S"}});

        Tabela parametros("ParametrosEmpresa");
        parametros.setNomeBanco(e.diretorio);
        parametros.abrir();
        const std::pair<const char*, bool> logicos[] = {
            {"CAPSAutomaticoCadClifor", true},
            {"MostrarClientesAtivosCadCli", true},
            {"PermiteExcluirProdutos", f.numero == 1},
            {"CopiaClassFiscCadNovoProduto", true},
            {"PermiteCadProdMesmaRef", false},
            {"InserirAutomaticamenteTextoIpiSuspenso", false},
        };
        for (const auto& [nome, valor] : logicos)
            inserir(parametros,
                    {{"Filial", f.numero}, {"NomeParametro", nome}, {"ValorBoolean", valor}});
        const std::pair<const char*, const char*> textos[] = {
            {"DirImpTmp", "C:\\TEMP"},
            {"CodPaisPadraoCadClifor", "1058"},
        };
        for (const auto& [nome, valor] : textos)
            inserir(parametros,
                    {{"Filial", f.numero}, {"NomeParametro", nome}, {"ValorStr", valor}});
    }
    // Every table, also those no row is written to yet, so the company is
    // complete on disk.
    for (const QString& nome : CatalogoTabelas::nomesAutomaticos()) {
        Tabela t(nome);
        t.setNomeBanco(e.diretorio);
        t.criarTabela();
    }
}

Configuracao ConfiguracaoDemonstracao(const QString& pasta, const QString& arquivo) {
    Configuracao c;
    c.arquivo = arquivo;
    c.parametrosAlias = {"PATH=" + empresasDemo().first().empresa.diretorio};
    c.unidades.insert("C:", QDir(pasta).filePath("C"));
    c.unidades.insert("\\\\tsclient", QDir(pasta).filePath("tsclient"));
    c.pastaPrograma = PastaProgramaDemo;
    return c;
}

bool ExisteDemonstracao(const QString& pasta) {
    return QFileInfo::exists(QDir(pasta).filePath("C/Arquivos de programas/Orvalo/PCP.sqlite"));
}

bool CriarDemonstracao(const QString& pasta, const QString& arquivoConfiguracao, QString& erro) {
    const QDir dir(pasta);
    const QString nome = QDir::toNativeSeparators(pasta);
    if (dir.exists() && !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        erro = "A pasta " + nome +
               " já existe e não está vazia: escolha outra pasta para a "
               "instalação de demonstração.";
        return false;
    }
    const bool pastaCriada = !dir.exists();
    const Configuracao config = ConfiguracaoDemonstracao(pasta, arquivoConfiguracao);
    try {
        if (!QDir().mkpath(pasta))
            throw ErroBanco("não foi possível criar a pasta " + nome);
        SessaoBanco::padrao().fechar();
        SessaoBanco::padrao().abrir();
        config.aplicar();
        criarPastas(pasta, {PastaProgramaDemo, "C:\\TEMP", "C:\\COBOL\\F01", "C:\\COBOL\\F02",
                            "\\\\tsclient\\C"});
        criarCatalogo();
        for (const CadastroEmpresa& c : empresasDemo()) {
            criarPastas(pasta, {c.empresa.diretorio});
            for (PovoadorDemo povoar : Povoadores)
                povoar(c.empresa);
        }
        GravarPlanilhaFormulasDemo(dir.filePath("Formulas para importar.csv"));
        CriarDemoLegado(dir.filePath("legado"), empresasDemo().first().empresa.diretorio);
        QSettings login(Caminhos::atual().resolver(PastaProgramaDemo + "\\Login.ini"),
                        QSettings::IniFormat);
        login.setValue("BaseDadosUltLogin/Base", empresasDemo().first().empresa.nome);
        login.sync();
        SessaoBanco::padrao().fechar();
        SessaoBanco::padrao().abrir();
        QString falha;
        if (!config.gravar(falha))
            throw ErroBanco(falha);
    } catch (const ErroBanco& e) {
        SessaoBanco::padrao().fechar();
        SessaoBanco::padrao().abrir();
        // Nothing half-made stays: the folder was absent or empty.
        if (pastaCriada)
            QDir(pasta).removeRecursively();
        else
            for (const QString& f :
                 QDir(pasta).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
                QFileInfo(dir.filePath(f)).isDir() ? QDir(dir.filePath(f)).removeRecursively()
                                                   : QFile::remove(dir.filePath(f));
        erro = "Não foi possível criar a instalação de demonstração em " + nome + ": " + e.texto();
        return false;
    }
    return true;
}
