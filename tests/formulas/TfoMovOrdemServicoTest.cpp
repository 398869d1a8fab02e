// The service-order window: the list and its search per installation, the
// programme saved before the list is read, deleting an order with the
// component list its number shares, and the component editor's prompts,
// checks and saves.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "TDMOrdemServico.h"
#include "TfoMovOrdemServico.h"
#include "session/Sessao.h"
#include "store/SessaoBanco.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <memory>

namespace {
class OrdemServico : public InstalacaoTeste {
protected:
    // Order 12 has items 1 and 2 of customer order 3101 and shares its two
    // components; 9 and 31 have one item each; 40 names a product that is
    // not registered.
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        ExecutarSql(
            {"Insert Into Estproma (Filial, Cod_Reduz, Nome1) Values (1, 9001, 'TINTA ACRILICA'), "
             "(1, 9002, 'ESMALTE'), (1, 1001, 'DIOXIDO'), (1, 1002, 'OXIDO VERMELHO')",
             "Insert Into Clifor (Filial, Cod_Clifor, Nome) Values (1, 7, 'TINTAS BOA COR')",
             "Insert Into Aplica (Cod_Aplica, Desc_Aplic) Values (1, 'PRE-MISTURA'), "
             "(2, 'ACERTO DE COR')",
             "Insert Into OS (Filial, NumOrdServ, Item, Pedido, Cod_Clifor, Cod_Reduz, Num_Progr, "
             "DT_PRODUCA) Values (1, 12, 1, 3101, 7, 9001, 501, '2026-12-10'), "
             "(1, 12, 2, 3101, 7, 9002, 501, '2026-12-10'), "
             "(1, 9, 1, 3150, 7, 9002, NULL, '2026-12-10'), "
             "(1, 31, 1, 2800, 7, 9001, NULL, '2026-12-10'), "
             "(1, 40, 1, 1000, 7, 5555, NULL, '2026-12-10')",
             "Insert Into Osi (Filial, NumOrdServ, OrdComp, Componente, QUANTIDADE, APLICACAO) "
             "Values (1, 12, 1, 1001, 50, 1), (1, 12, 2, 1002, 0.5, 1), (1, 31, 1, 1001, 10, 1)"});
    }
    void TearDown() override {
        janela.reset();
        dm.reset();
        InstalacaoTeste::TearDown();
    }

    void abrir(int fatModNf = 0) {
        Sess().FatModNf = fatModNf;
        dm = std::make_unique<TDMOrdemServico>();
        janela = std::make_unique<TfoMovOrdemServico>(*dm);
        ASSERT_TRUE(janela->abrir());
    }
    QString grade(const QString& nome) {
        const QAbstractItemModel* m = janela->findChild<QTableView*>(nome)->model();
        QStringList linhas;
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList celulas;
            for (int c = 0; c < m->columnCount(); ++c)
                celulas << m->data(m->index(r, c)).toString();
            linhas << celulas.join('|');
        }
        return linhas.join('\n');
    }
    int linhaAtual() { return janela->findChild<QTableView*>("GradeLista")->currentIndex().row(); }
    void selecionar(int linha) {
        auto* g = janela->findChild<QTableView*>("GradeLista");
        g->setCurrentIndex(g->model()->index(linha, 0));
    }
    QStringList paginas() {
        auto* t = janela->findChild<QTabWidget*>();
        QStringList r;
        for (int i = 0; i < t->count(); ++i)
            if (t->isTabVisible(i))
                r << t->tabText(i);
        return r;
    }

    std::unique_ptr<TDMOrdemServico> dm;
    std::unique_ptr<TfoMovOrdemServico> janela;
};
} // namespace

TEST_F(OrdemServico, ListaEPesquisaPorInstalacao) {
    struct Caso {
        int fatModNf;
        QString rotulo;
        QString lista;
        QString pesquisa;
        int linha;
    } casos[] = {
        {0, "Pedido",
         "31|2800|1|7|9001|TINTA ACRILICA||10/12/2026\n"
         "12|3101|1|7|9001|TINTA ACRILICA|501|10/12/2026\n"
         "12|3101|2|7|9002|ESMALTE|501|10/12/2026\n"
         "9|3150|1|7|9002|ESMALTE||10/12/2026",
         "315", 3},
        {95, "O.Serv.",
         "9|3150|1|7|9002|ESMALTE||10/12/2026\n"
         "12|3101|1|7|9001|TINTA ACRILICA|501|10/12/2026\n"
         "12|3101|2|7|9002|ESMALTE|501|10/12/2026\n"
         "31|2800|1|7|9001|TINTA ACRILICA||10/12/2026",
         "3", 3},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.fatModNf);
        abrir(c.fatModNf);
        EXPECT_EQ(paginas(), QStringList{"Lista"});
        EXPECT_EQ(janela->findChild<QLabel*>("RotuloPesquisa")->text(), c.rotulo);
        EXPECT_EQ(grade("GradeLista"), c.lista);
        janela->pesquisar(c.pesquisa);
        EXPECT_EQ(linhaAtual(), c.linha);
        janela->pesquisar("12");
        EXPECT_EQ(linhaAtual(), c.fatModNf == 95 ? 1 : 3); // "12" begins no order number
        // Entering the search box clears it.
        auto* pesquisa = janela->findChild<QLineEdit*>("Pesquisa");
        pesquisa->setText("3");
        QFocusEvent entrada(QEvent::FocusIn);
        QApplication::sendEvent(pesquisa, &entrada);
        EXPECT_EQ(pesquisa->text(), "");
    }
}

TEST_F(OrdemServico, GravarGuardaOProgramaAntesDeLerALista) {
    abrir();
    selecionar(2);
    janela->alterar();
    EXPECT_EQ(paginas(), (QStringList{"Ordem de Serviço", "Componentes"}));
    EXPECT_EQ(janela->findChild<QLineEdit*>("NumOrdServ")->text(), "12");
    EXPECT_EQ(janela->findChild<QLabel*>("NomeCliente")->text(), "TINTAS BOA COR");
    EXPECT_EQ(grade("GradeComponentes"), "1|1001|50,0000|PRE-MISTURA||\n"
                                         "2|1002|0,5000|PRE-MISTURA||");
    janela->findChild<QLineEdit*>("Num_Progr")->setText("777");
    janela->gravar();
    EXPECT_EQ(paginas(), QStringList{"Lista"});
    EXPECT_EQ(grade("GradeLista").split('\n')[2], "12|3101|2|7|9002|ESMALTE|777|10/12/2026");
    EXPECT_EQ(linhaAtual(), 2);
    EXPECT_EQ(TextoTabela("OS").split('\n')[2], "1|12|2|3101|7|9002|777|10/12/2026");
}

TEST_F(OrdemServico, ExcluirUmItemLevaAListaDoNumeroESoAquelaLinhaTudoOuNada) {
    // A component held by another station: nothing goes.
    SessaoBanco outra;
    outra.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
    Tabela presa("Osi", &outra);
    presa.abrir();
    ASSERT_TRUE(presa.localizarChave({1, 12, 2}));
    presa.editar();
    abrir();
    const QString antes = TextoTabela("OS") + TextoTabela("Osi");
    selecionar(1); // order 12, item 1
    janela->excluir();
    EXPECT_EQ(TextoTabela("OS") + TextoTabela("Osi"), antes);
    presa.cancelar();

    dialogos->responder(Resposta::Nao);
    janela->excluir();
    EXPECT_EQ(TextoTabela("OS") + TextoTabela("Osi"), antes);
    janela->excluir();
    EXPECT_EQ(
        dialogos->textos(),
        (QStringList{"Confirma exclusao da OS", "Existe outro usuário alterando este registro",
                     "Confirma exclusao da OS", "Confirma exclusao da OS"}));
    EXPECT_EQ(TextoTabela("Osi"), "1|31|1|1001|10|1||");
    QStringList restantes;
    for (const QString& l : TextoTabela("OS").split('\n'))
        restantes << l.section('|', 1, 2);
    EXPECT_EQ(restantes, (QStringList{"9|1", "12|2", "31|1", "40|1"}));
    EXPECT_EQ(grade("GradeLista").count('\n'), 2);
}

TEST_F(OrdemServico, ComponentesPedemOrdemValidaENovaEFicamGravados) {
    abrir();
    selecionar(3); // order 9, no components
    janela->alterar();
    // Prompted as "Ordem do Componente" in "Incluir Novo"; 1 to 32767 only.
    for (const char* digitado : {"a", "0", "40000"}) {
        dialogos->limpar();
        dialogos->digitar(digitado);
        janela->incluirComponente();
        EXPECT_EQ(dialogos->textos(),
                  (QStringList{"Ordem do Componente", "Codigo do Componente invalido"}));
        EXPECT_EQ(dialogos->mostrados()[0].titulo, "Incluir Novo");
        EXPECT_EQ(dm->TOsi.estado(), EstadoDados::Navegando);
    }
    dialogos->digitar("3");
    janela->incluirComponente();
    EXPECT_FALSE(janela->findChild<QTableView*>("GradeComponentes")->isEnabled());
    EXPECT_FALSE(janela->findChild<QWidget*>("Ordem de Serviço")
                     ->findChild<QPushButton*>("Gravar")
                     ->isEnabled());
    auto* escolha = janela->findChild<QComboBox*>("Componente");
    escolha->setCurrentIndex(escolha->findData(1002));
    janela->findChild<QLineEdit*>("QUANTIDADE")->setText("2,5");
    auto* aplicacao = janela->findChild<QComboBox*>("APLICACAO");
    aplicacao->setCurrentIndex(aplicacao->findData(2));
    janela->findChild<QLineEdit*>("OBSERV")->setText("POR ULTIMO");
    janela->gravarComponente();
    EXPECT_EQ(grade("GradeComponentes"), "3|1002|2,5000|ACERTO DE COR||POR ULTIMO");

    dialogos->limpar();
    dialogos->digitar("3");
    janela->incluirComponente();
    EXPECT_EQ(dialogos->textos(), (QStringList{"Ordem do Componente", "Componente ja existe"}));

    // Cancelling the order keeps the component already saved; its
    // programme change is dropped.
    janela->findChild<QLineEdit*>("Num_Progr")->setText("900");
    janela->cancelar();
    EXPECT_EQ(TextoTabela("Osi").split('\n')[0], "1|9|3|1002|2.5|2||POR ULTIMO");
    EXPECT_EQ(TextoTabela("OS").split('\n')[0], "1|9|1|3150|7|9002||10/12/2026");

    // Deleting asks first.
    selecionar(3);
    janela->alterar();
    dialogos->limpar();
    dialogos->responder(Resposta::Nao);
    janela->excluirComponente();
    EXPECT_EQ(grade("GradeComponentes"), "3|1002|2,5000|ACERTO DE COR||POR ULTIMO");
    janela->excluirComponente();
    EXPECT_EQ(dialogos->textos(), (QStringList{"Confirma eliminação deste componente ?",
                                               "Confirma eliminação deste componente ?"}));
    EXPECT_EQ(grade("GradeComponentes"), "");
}

TEST_F(OrdemServico, FecharAJanelaDesisteDoQueEstaAberto) {
    abrir();
    janela->show();
    selecionar(0);
    janela->alterar();
    dialogos->digitar("2");
    janela->incluirComponente();
    janela->findChild<QLineEdit*>("Num_Progr")->setText("12345");
    janela->close();
    EXPECT_EQ(TextoTabela("Osi").count('\n'), 2);
    EXPECT_EQ(TextoTabela("OS").split('\n')[3], "1|31|1|2800|7|9001||10/12/2026");
    // Nothing stays locked: another station can change the order.
    SessaoBanco outra;
    outra.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
    Tabela os("OS", &outra);
    os.abrir();
    ASSERT_TRUE(os.localizarChave({1, 31, 1}));
    EXPECT_NO_THROW(os.editar());
}
