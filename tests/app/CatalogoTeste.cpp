#include "CatalogoTeste.h"

#include "app/Inicializacao.h"
#include "app/TDMFilial.h"
#include "app/TMenuFilial.h"
#include "app/TfoMenuEmpresa.h"
#include "services/LayoutGrade.h"
#include "session/Sessao.h"
#include "store/Tabela.h"

void CatalogoTeste::SetUp() {
    InstalacaoTeste::SetUp();
    criarDiretorio("C:\\PROG");
    DefinirPastaPrograma(host("C:\\PROG"));
}

void CatalogoTeste::TearDown() {
    modulos.reset();
    DefinirPastaPrograma(QString());
    InstalacaoTeste::TearDown();
}

void CatalogoTeste::criarCatalogo(const QList<EmpresaTeste>& empresas) {
    criarDiretorio("C:\\Arquivos de programas\\Orvalo");
    Tabela t(TDMFilial::CaminhoCatalogo);
    t.criarTabela();
    t.abrir();
    for (const EmpresaTeste& e : empresas) {
        t.incluir();
        t.campo("Codigo").definir(e.codigo);
        t.campo("Nome").definir(e.nome);
        t.campo("Diretorio").definir(e.diretorio);
        t.campo("PWD").definir(e.pwd);
        t.campo("Grupo").definir(e.grupo);
        t.campo("LOJA").definir(e.loja);
        t.gravar();
    }
}

void CatalogoTeste::criarEmpresa(const QString& diretorio, const QList<FilialTeste>& filiais) {
    criarDiretorio(diretorio);
    Tabela t("Filial.DB");
    t.setNomeBanco(diretorio);
    t.abrir();
    for (const FilialTeste& f : filiais) {
        t.incluir();
        t.campo("Filial").definir(f.filial);
        t.campo("NOME").definir(f.nome);
        t.campo("DIRCOBOL").definir(f.dirCobol);
        t.campo("TermServ").definir(f.termServ);
        t.campo("FATMODNF").definir(f.fatModNf);
        t.gravar();
    }
}

void CatalogoTeste::iniciar(const QStringList& argumentos) {
    modulos = std::make_unique<Modulos>();
    CriarModulos(*modulos);
    empresa = modulos->obter<TfoMenuEmpresa>();
    filial = modulos->obter<TMenuFilial>();
    empresa->definirArgumentos(argumentos);
    empresa->definirJanelaSenha([this] {
        ++senhasPedidas;
        Sess().SenhaEmpresaDigitada = senhaDigitada;
    });
    QObject::connect(empresa, &TfoMenuEmpresa::fechada, [this] { ++fechamentos; });
    QObject::connect(filial, &TMenuFilial::encerrar, [this] { ++encerramentos; });
    empresa->show();
}

void CatalogoTeste::iniciarEDisparar(const QStringList& argumentos) {
    iniciar(argumentos);
    empresa->aoTemporizador();
}
