// The branch window and the main menu it opens: the session's branch
// fields, the menu's entries, and the way back and out.
#include "CatalogoTeste.h"

#include "app/TMenuFilial.h"
#include "app/TMenuPcp.h"
#include "app/TfoMenuEmpresa.h"
#include "formulas/TfoBaixaEstoqueMatPrima.h"
#include "formulas/TfoFichaSeguranca.h"
#include "formulas/TfoRelRotuloFormula.h"
#include "importacao/TfoImportaDados.h"
#include "products/TFoCadProduto.h"
#include "services/ConfigImpressao.h"
#include "services/JanelaModal.h"
#include "session/DemoAcesso.h"
#include "session/JanelaSenhaRoteirizada.h"
#include "session/Sessao.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

class TMenuFilialTest : public CatalogoTeste {
protected:
    void SetUp() override {
        CatalogoTeste::SetUp();
        criarCatalogo({{1, "Tintas", "EMPRESA1", "", "", 1}});
        criarEmpresa("C:\\EMPRESA1", {{1, "Fábrica", "C:\\COBOL\\F01", false, 0},
                                      {27, "Loja Centro", "\\\\tsclient\\C\\COBOL", true, 102}});
        iniciarEDisparar();
        lista = filial->findChild<QListWidget*>("NOME");
    }

    QListWidget* lista = nullptr;
};

TEST_F(TMenuFilialTest, OkPreencheAFilialDaSessaoEAbreOMenu) {
    ASSERT_EQ(lista->count(), 2);
    EXPECT_EQ(lista->item(0)->text(), "Fábrica");
    EXPECT_EQ(lista->currentRow(), 0);
    CfgImpressao().CodigoPasso = CaractereCompactado;
    CfgImpressao().Modo = 'G';

    lista->setCurrentRow(1);
    filial->findChild<QPushButton*>("OK")->click();

    const DadosSessao& s = Sess();
    EXPECT_EQ(s.Filial, 27);
    EXPECT_EQ(s.FilialTexto, "27");
    EXPECT_EQ(s.NomeFilial, "Loja Centro");
    EXPECT_EQ(s.DirCobol, "\\\\tsclient\\C\\COBOL");
    EXPECT_TRUE(s.TermServ);
    EXPECT_EQ(s.FatModNf, 102);
    EXPECT_EQ(s.Modulo, "PCP");
    EXPECT_EQ(CfgImpressao().CodigoPasso, "");
    EXPECT_EQ(CfgImpressao().Modo, 'T');

    EXPECT_FALSE(filial->isVisible());
    EXPECT_FALSE(lista->isEnabled());
    TMenuPcp* menu = filial->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(menu->isModal());
    EXPECT_EQ(menu->windowTitle(), "Planejamento e Controle da Produção");
    EXPECT_EQ(menu->pos(), QPoint(0, 0));
    EXPECT_EQ(menu->size(), QSize(800, 55));
    EXPECT_EQ(menu->findChild<QLabel*>("Empresa")->text(), "Empresa: TINTAS");
    EXPECT_EQ(menu->findChild<QLabel*>("Filial")->text(), "Filial: 27 - Loja Centro");
}

TEST_F(TMenuFilialTest, FecharOMenuVoltaAFilialComAListaDesabilitadaEDizPorque) {
    auto* aviso = filial->findChild<QLabel*>("Aviso");
    EXPECT_TRUE(aviso->isHidden());
    filial->ok();
    QPointer<TMenuPcp> menu = filial->menu();
    menu->acao("Cadastros", "Sair")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(menu.isNull());
    EXPECT_EQ(filial->menu(), nullptr);
    EXPECT_TRUE(filial->isVisible());
    EXPECT_FALSE(lista->isEnabled());
    EXPECT_FALSE(aviso->isHidden());
    EXPECT_EQ(aviso->text(), "Filial em uso: Fábrica. Para trabalhar em outra filial, saia do "
                             "programa e entre novamente.");
    EXPECT_EQ(encerramentos, 0);

    // OK again opens a new menu for the same branch.
    filial->ok();
    ASSERT_NE(filial->menu(), nullptr);
    EXPECT_TRUE(filial->menu()->isVisible());
    EXPECT_EQ(Sess().Filial, 1);
}

TEST_F(TMenuFilialTest, SairPerguntaAntesDeEncerrar) {
    dialogos->responder(Resposta::Nao);
    filial->findChild<QPushButton*>("Sair")->click();
    EXPECT_TRUE(filial->isVisible());
    EXPECT_EQ(encerramentos, 0);

    filial->close();
    EXPECT_FALSE(filial->isVisible());
    EXPECT_EQ(encerramentos, 1);
    ASSERT_EQ(dialogos->mostrados().size(), 2);
    for (const DialogoMostrado& d : dialogos->mostrados()) {
        EXPECT_EQ(d.texto, "Deseja encerrar do programa?");
        EXPECT_EQ(d.tipo, TipoMensagem::Confirmacao);
        EXPECT_EQ(d.botoes, Botoes::SimNao);
    }
}

TEST_F(TMenuFilialTest, OMenuTemTodasAsEntradasNaOrdem) {
    filial->ok();
    QStringList linhas;
    for (QAction* m : filial->menu()->menuBar()->actions()) {
        linhas << m->text();
        for (QAction* a : m->menu()->actions())
            linhas << "  " + a->text() + (a->isEnabled() ? "" : " (desabilitada)");
    }
    EXPECT_EQ(linhas.join('\n').toStdString(), "Cadastros\n"
                                               "  Clientes / Fornecedores\n"
                                               "  Embalagens\n"
                                               "  Fatores\n"
                                               "  Formulas\n"
                                               "  Moedas\n"
                                               "  Produtos\n"
                                               "  Responsável\n"
                                               "  Valores\n"
                                               "  Matizadores\n"
                                               "  Parametrização\n"
                                               "  Sair\n"
                                               "Movimento\n"
                                               "  Ordem de Serviço\n"
                                               "Consulta\n"
                                               "  Custos\n"
                                               "  Formulas\n"
                                               "Relatorios\n"
                                               "  Amostras para cias\n"
                                               "  Formulas\n"
                                               "  Rótulos de Amostra\n"
                                               "  Etiquetas\n"
                                               "  Ficha de Segurança\n"
                                               "Utilitarios\n"
                                               "  Grava Custo na Lista 6\n"
                                               "  Baixa Estoque Materia Prima\n"
                                               "  Substitui Componentes Fórmulas\n"
                                               "  Corrige Custo Formula\n"
                                               "  Exportar Fórmulas para Planilha\n"
                                               "  Importar Fórmulas de Planilha\n"
                                               "  Importar dados de outro sistema\n"
                                               "  Atualização do Custo Medio\n"
                                               "  Scripts de Atualização da Base de Dados");
}

TEST_F(TMenuFilialTest, ImportacaoPedeOCodigo230AntesDeAbrir) {
    CriarDemoAcesso("Orvalo");
    filial->ok();
    JanelaSenhaRoteirizada senha;
    senha.cancelar();
    filial->menu()->acao("Utilitarios", "Importar dados de outro sistema")->trigger();
    ASSERT_EQ(senha.mostradas().size(), 1);
    EXPECT_EQ(senha.mostradas()[0].legenda, "Entre com a senha 230");
    EXPECT_TRUE(senha.mostradas()[0].pedeUsuario);
    EXPECT_EQ(modulos->obter<TfoImportaDados>(), nullptr);

    senha.confirmar("PCP", "ADMIN", "admin");
    filial->menu()->acao("Utilitarios", "Importar dados de outro sistema")->trigger();
    TfoImportaDados* janela = modulos->obter<TfoImportaDados>();
    ASSERT_NE(janela, nullptr);
    EXPECT_TRUE(janela->isVisible());
    janela->close();
}

TEST_F(TMenuFilialTest, ScriptsPedemOCodigo250EARecusaNaoAbreNada) {
    CriarDemoAcesso("Orvalo");
    filial->ok();
    QStringList abertas;
    InstalarExibirModal([&](QDialog& janela) {
        abertas << janela.windowTitle();
        return int(QDialog::Rejected);
    });
    JanelaSenhaRoteirizada senha;
    senha.cancelar();
    senha.confirmar("errada", "ADMIN", "admin");
    senha.confirmar("PCP", "ADMIN", "admin");
    QAction* entrada =
        filial->menu()->acao("Utilitarios", "Scripts de Atualização da Base de Dados");
    for (int vez = 0; vez < 3; ++vez)
        entrada->trigger();
    InstalarExibirModal(nullptr);
    ASSERT_EQ(senha.mostradas().size(), 3);
    EXPECT_EQ(senha.mostradas()[0].legenda, "Entre com a senha 250");
    EXPECT_TRUE(senha.mostradas()[0].pedeUsuario);
    EXPECT_EQ(abertas, QStringList{"Orvalo - Script's de atualização da base de dados :"});
}

TEST_F(TMenuFilialTest, BaixaDeMateriaPrimaSoAbreComOCodigo101) {
    Tabela acesso("Acesso");
    acesso.abrir();
    acesso.incluir();
    acesso.campo("Codigo").definir(101);
    acesso.campo("Conteudo").definir("s101");
    acesso.gravar();
    JanelaSenhaRoteirizada senhas;
    senhas.cancelar();
    senhas.confirmar("errada");
    senhas.confirmar("S101");
    filial->ok();
    auto* baixa = modulos->obter<TfoBaixaEstoqueMatPrima>();
    ASSERT_NE(baixa, nullptr);
    QAction* entrada = filial->menu()->acao("Utilitarios", "Baixa Estoque Materia Prima");
    for (bool abre : {false, false, true}) {
        entrada->trigger();
        EXPECT_EQ(baixa->isVisible(), abre);
    }
    EXPECT_EQ(senhas.mostradas().size(), 3);
    EXPECT_EQ(dialogos->textos(), QStringList{"Senha invalida"});
    baixa->close();
}

TEST_F(TMenuFilialTest, FichaDeSegurancaCriadaNoPrimeiroUso) {
    filial->ok();
    EXPECT_NE(modulos->obter<TfoRelRotuloFormula>(), nullptr);
    EXPECT_EQ(modulos->obter<TfoFichaSeguranca>(), nullptr);
    filial->menu()->acao("Relatorios", "Ficha de Segurança")->trigger();
    TfoFichaSeguranca* ficha = modulos->obter<TfoFichaSeguranca>();
    ASSERT_NE(ficha, nullptr);
    EXPECT_TRUE(ficha->isVisible());
    ficha->close();
}

TEST_F(TMenuFilialTest, ProdutosAbreNaListaComAsPaginasDeDetalheEscondidas) {
    Tabela produtos("ESTPROMA");
    produtos.abrir();
    produtos.incluir();
    produtos.campo("Filial").definir(1);
    produtos.campo("Cod_Reduz").definir(1001);
    produtos.campo("NOME1").definir("TINTA");
    produtos.campo("SITUACAO").definir("1");
    produtos.gravar();
    filial->ok();
    auto* janela = modulos->obter<TFoCadProduto>();
    ASSERT_NE(janela, nullptr);
    auto visiveis = [janela] {
        QStringList l;
        for (int i = 0; i < janela->paginas()->count(); ++i)
            if (janela->paginas()->isTabVisible(i))
                l << janela->paginas()->tabText(i);
        return (janela->paginas()->tabText(janela->paginas()->currentIndex()) + ": " + l.join(','))
            .toStdString();
    };
    QAction* produtosMenu = filial->menu()->acao("Cadastros", "Produtos");
    produtosMenu->trigger();
    EXPECT_TRUE(janela->isVisible());
    EXPECT_EQ(visiveis(), "Lista: Lista,Observações,Preços,Entradas");
    janela->consultar();
    EXPECT_EQ(visiveis(), "Principal: Lista,Principal,Secundário,Estatísticos,Lista de Preço,"
                          "Região Fiscal,Tamanho,Observações,Preços,Entradas");
    produtosMenu->trigger();
    EXPECT_EQ(visiveis(), "Lista: Lista,Observações,Preços,Entradas");
    janela->close();
}

TEST_F(TMenuFilialTest, FecharAJanelaDaEmpresaFechaAsOutrasSemVoltarAFilial) {
    filial->ok();
    QPointer<TMenuPcp> menu = filial->menu();
    empresa->close();
    EXPECT_EQ(fechamentos, 1);
    EXPECT_FALSE(menu && menu->isVisible());
    EXPECT_FALSE(filial->isVisible());
}
