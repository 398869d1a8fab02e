// The formula registration window: the save checks in their order and
// messages, cancelling a new formula, the access codes of change and
// deletion, the FatModNf variants, the component editor's enabling and
// Enter keys, the list orders and search, and the customer chooser.
#include "JanelaFormulaTeste.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {
// The texts of a grid's rows, cells joined by "|".
QString linhasGrade(QTableView* grade) {
    const QAbstractItemModel* m = grade->model();
    QStringList linhas;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList celulas;
        for (int c = 0; c < m->columnCount(); ++c)
            celulas << m->data(m->index(r, c)).toString();
        linhas << celulas.join('|');
    }
    return linhas.join('\n');
}

void enter(QWidget* w) {
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

TEST_F(JanelaFormulaTeste, GravarVerificaNaOrdemEMantemAFormulaAberta) {
    struct Caso {
        int fatModNf;
        int componentes;
        QString totalItens;
        int cliente, produto, resp;
        QString mensagem; // "" = saved
    } casos[] = {
        {0, 2, "3", 1, 9001, 1, "Total de itens não fecha"},
        {0, 3, "3", 0, 0, 0, "Resp.Técnico em branco"},
        {102, 0, "", 0, 0, 0, "Cliente em branco"},
        {102, 0, "", 1, 0, 0, "Produto em branco"},
        {102, 0, "", 1, 9001, 0, "Resp.Técnico em branco"},
        {102, 1, "1", 1, 9001, 2, ""},
        {0, 3, "3", 0, 0, 1, ""},
    };
    for (const Caso& c : casos) {
        abrirJanela(c.fatModNf);
        janela->incluir();
        for (int i = 0; i < c.componentes; ++i)
            componente(1001, "1");
        digitar("TotalItens", c.totalItens);
        if (c.cliente)
            escolher("Cod_Clifor", c.cliente);
        if (c.produto)
            escolher("Descr.", c.produto);
        if (c.resp)
            escolher("CodResp", c.resp);
        dialogos->limpar();
        janela->gravar();
        const QString numero = dm->TFormula.campo("Formula").texto();
        if (c.mensagem.isEmpty()) {
            EXPECT_TRUE(dialogos->textos().isEmpty()) << numero.toStdString();
            EXPECT_TRUE(janela->naPaginaLista());
            EXPECT_EQ(dm->TFormula.estado(), EstadoDados::Navegando);
            Tabela f("Formula");
            f.abrir();
            ASSERT_TRUE(f.localizarChave({1, numero}));
            EXPECT_EQ(f.campo("Cod_Clifor").inteiro(), c.cliente);
            EXPECT_EQ(f.campo("Cod_Reduz").inteiro(), c.produto);
            EXPECT_EQ(f.campo("CodResp").inteiro(), c.resp);
            EXPECT_EQ(f.campo("QtdTotal").numero(), c.componentes);
        } else {
            EXPECT_EQ(dialogos->textos(), QStringList{c.mensagem}) << numero.toStdString();
            EXPECT_FALSE(janela->naPaginaLista());
            EXPECT_EQ(janela->modo(), "I");
            EXPECT_EQ(dm->TFormula.estado(), EstadoDados::Editando);
            janela->cancelar();
        }
    }
}

TEST_F(JanelaFormulaTeste, CancelarFormulaNovaApagaTudoEDevolveONumero) {
    formula("7", false, 1, 1);
    abrirJanela();
    janela->incluir();
    EXPECT_EQ(controle<QLineEdit>("Formula")->text(), "42");
    componente(1001, "2");
    componente(1002, "1");
    EXPECT_EQ(linhasGrade(controle<QTableView>("GradeComponentes")),
              "1|001|1001|2,0000|KG|DIOXIDO DE TITANIO|66,6667\n"
              "2|001|1002|1,0000|KG|OXIDO VERMELHO|33,3333");
    janela->cancelar();
    EXPECT_TRUE(janela->naPaginaLista());
    EXPECT_EQ(ultima(), 41);
    EXPECT_EQ(TextoTabela("Formulai"), "1|7|1|1001|1|");
    EXPECT_EQ(linhasGrade(controle<QTableView>("GradeLista")), "7|||||1|ZELIA TINTAS|ANA");
}

TEST_F(JanelaFormulaTeste, AlterarFormulaProtegidaPedeOCodigo107) {
    formula("10", true, 1, 0);
    formula("11", false, 1, 0);
    abrirJanela();
    struct Caso {
        QString formula;
        bool confirma;
        bool abre;
        int janelas;
    } casos[] = {
        {"10", false, false, 1},
        {"10", true, true, 2},
        {"11", false, true, 2},
    };
    for (const Caso& c : casos) {
        janela->pesquisar(c.formula);
        if (c.confirma)
            senhas->confirmar("S107");
        janela->alterar();
        EXPECT_EQ(!janela->naPaginaLista(), c.abre) << c.formula.toStdString();
        EXPECT_EQ(senhas->mostradas().size(), c.janelas);
        if (c.abre) {
            EXPECT_EQ(janela->modo(), "A");
            EXPECT_EQ(controle<QLineEdit>("Formula")->text(), c.formula);
            janela->cancelar();
        }
    }
    EXPECT_EQ(senhas->mostradas().first().legenda, "Entre com a senha 107");
    EXPECT_EQ(TextoTabela("Formula").count('\n'), 1);
}

TEST_F(JanelaFormulaTeste, ExcluirPedeOCodigo119EConfirmacao) {
    formula("10", false, 1, 2);
    abrirJanela();
    senhas->cancelar();
    janela->excluir();
    senhas->confirmar("s119");
    dialogos->responder(Resposta::Nao);
    janela->excluir();
    EXPECT_EQ(TextoTabela("Formulai").count('\n'), 1);
    senhas->confirmar("s119");
    dialogos->responder(Resposta::Sim);
    janela->excluir();
    EXPECT_EQ(dialogos->textos(),
              (QStringList{"Confirma exclusao do registro", "Confirma exclusao do registro"}));
    EXPECT_EQ(senhas->mostradas().size(), 3);
    EXPECT_EQ(TextoTabela("Formula"), "");
    EXPECT_EQ(TextoTabela("Formulai"), "");
    EXPECT_EQ(linhasGrade(controle<QTableView>("GradeLista")), "");
}

TEST_F(JanelaFormulaTeste, Instalacao162CriaOGrupoSoNaPrimeiraGravacao) {
    abrirJanela(162);
    EXPECT_EQ(controle<QLabel>("Cor")->text(), "Composto");
    janela->incluir();
    digitar("COR", "AZUL");
    escolher("CodResp", 1);
    janela->gravar();
    EXPECT_EQ(TextoTabela("ESTNIV3"), "1|0042|AZUL");
    janela->alterar();
    EXPECT_EQ(controle<QComboBox>("CodResp")->currentText(), "ANA");
    digitar("COR", "AZUL ESCURO");
    janela->gravar();
    EXPECT_TRUE(janela->naPaginaLista());
    EXPECT_EQ(TextoTabela("ESTNIV3"), "1|0042|AZUL");
    EXPECT_TRUE(dialogos->textos().isEmpty());

    abrirJanela(0);
    EXPECT_EQ(controle<QLabel>("Cor")->text(), "Cor");
}

TEST_F(JanelaFormulaTeste, EditorDeComponenteTravaOResto) {
    abrirJanela();
    janela->incluir();
    auto habilitados = [&] {
        QString r;
        for (const char* nome :
             {"GradeComponentes", "BotoesComponente/Incluir", "BotoesComponente/Alterar",
              "BotoesComponente/Excluir", "BotoesFormula/Gravar", "BotoesFormula/Cancelar",
              "Editor/Gravar", "Editor/Cancelar", "Editor/QUANTIDADE"}) {
            const QStringList partes = QString(nome).split('/');
            QWidget* w = partes.size() == 1 ? controle<QWidget>(partes[0])
                                            : controle<QWidget>(partes[1], partes[0]);
            r += w->isEnabledTo(janela.get()) ? '1' : '0';
        }
        return r;
    };
    EXPECT_EQ(habilitados(), "111111000");
    janela->incluirComponente();
    EXPECT_EQ(habilitados(), "000000111");
    janela->cancelarComponente();
    EXPECT_EQ(habilitados(), "111111000");
    EXPECT_EQ(TextoTabela("Formulai"), "");
    componente(1001, "3");
    janela->alterarComponente();
    EXPECT_EQ(habilitados(), "000000111");
    digitar("QUANTIDADE", "1,5");
    enter(controle<QLineEdit>("QUANTIDADE"));
    EXPECT_EQ(habilitados(), "111111000");
    EXPECT_EQ(TextoTabela("Formulai"), "1|42|1|1001|1.5|100");
    enter(controle<QPushButton>("Incluir", "BotoesComponente"));
    EXPECT_EQ(habilitados(), "000000111");
    EXPECT_EQ(dm->TFormulai.campo("OrdComp").inteiro(), 2);
}

TEST_F(JanelaFormulaTeste, OrdensEPesquisaDaLista) {
    formula("5", false, 2, 0);
    formula("30", false, 1, 0);
    linha("Formula", {{"Filial", 2}, {"Formula", "1"}});
    abrirJanela();
    auto* grade = controle<QTableView>("GradeLista");
    EXPECT_EQ(linhasGrade(grade), "30|||||1|ZELIA TINTAS|ANA\n5|||||2|ANTONIO|ANA");
    janela->trocarOrdem(1);
    EXPECT_EQ(linhasGrade(grade), "30|||||1|ZELIA TINTAS|ANA\n5|||||2|ANTONIO|ANA");
    janela->pesquisar("2");
    EXPECT_EQ(grade->currentIndex().row(), 1);
    EXPECT_EQ(dm->TFormula.campo("Formula").texto(), "5");
    janela->pesquisar("x");
    EXPECT_EQ(dialogos->textos(), QStringList{"'x' is not a valid integer value"});
    EXPECT_EQ(dm->TFormula.campo("Formula").texto(), "5");
    janela->trocarOrdem(0);
    janela->pesquisar("4");
    EXPECT_EQ(dm->TFormula.campo("Formula").texto(), "5");
}

TEST_F(JanelaFormulaTeste, ListasDeEscolhaDeClienteEProduto) {
    abrirJanela();
    auto* cliente = controle<QComboBox>("Cod_Clifor");
    auto conteudo = [&] {
        const QAbstractItemModel* m = cliente->model();
        QStringList r;
        for (int c = 0; c < m->columnCount(); ++c)
            r << m->headerData(c, Qt::Horizontal).toString();
        QStringList linhas{r.join(';')};
        for (int l = 0; l < m->rowCount(); ++l) {
            QStringList cel;
            for (int c = 0; c < m->columnCount(); ++c)
                cel << m->data(m->index(l, c)).toString();
            linhas << cel.join(';');
        }
        return linhas.join(' ') + " / " + cliente->itemText(0);
    };
    auto* produto = controle<QComboBox>("Descr.");
    EXPECT_EQ(produto->count(), 2); // the raw material of Situacao "2" is left out
    EXPECT_EQ(produto->findText("OXIDO VERMELHO"), -1);
    EXPECT_EQ(controle<QComboBox>("OrdemClientes")->currentText(), "Nome");
    EXPECT_EQ(conteudo(), "Nome;Fantasia;Cod_Clifor ANTONIO;MURO;2 ZELIA TINTAS;AZUL;1 / ANTONIO");
    janela->trocarOrdemClientes(0);
    EXPECT_EQ(conteudo(),
              "Cod_Clifor;Nome;Fantasia 1;ZELIA TINTAS;AZUL 2;ANTONIO;MURO / ZELIA TINTAS");
    janela->trocarOrdemClientes(2);
    EXPECT_EQ(conteudo(),
              "Fantasia;Cod_Clifor;Nome AZUL;1;ZELIA TINTAS MURO;2;ANTONIO / ZELIA TINTAS");
}

TEST_F(JanelaFormulaTeste, ComponenteGravadoFicaNaGradeENoEditor) {
    formula("10", false, 1, 5);
    abrirJanela();
    janela->pesquisar("10");
    janela->alterar();
    auto* grade = controle<QTableView>("GradeComponentes");
    grade->setCurrentIndex(grade->model()->index(2, 0));
    janela->alterarComponente();
    escolher("Componente", 1002);
    digitar("QUANTIDADE", "4");
    janela->gravarComponente();
    EXPECT_EQ(grade->currentIndex().row(), 2);
    EXPECT_EQ(dm->TFormulai.campo("OrdComp").inteiro(), 3);
    EXPECT_EQ(controle<QLineEdit>("QUANTIDADE")->text(), "4");
    EXPECT_EQ(controle<QComboBox>("Componente")->currentText(), "OXIDO VERMELHO");
    // Moving along the grid moves the editor with it.
    grade->setCurrentIndex(grade->model()->index(1, 0));
    EXPECT_EQ(controle<QLineEdit>("QUANTIDADE")->text(), "1");
    EXPECT_EQ(controle<QComboBox>("Componente")->currentText(), "DIOXIDO DE TITANIO");
    janela->cancelar();
}

TEST_F(JanelaFormulaTeste, TotaisGravadosAcompanhamOsComponentesMesmoAoCancelar) {
    formula("10", false, 1, 2);
    abrirJanela();
    auto totais = [] {
        Tabela f("Formula");
        f.abrir();
        f.localizarChave({1, "10"});
        return f.campo("QtdTotal").texto() + "/" + f.campo("TotalItens").texto();
    };
    janela->pesquisar("10");
    janela->alterar();
    componente(1002, "3");
    EXPECT_EQ(totais(), "5/3");
    // The operator's Tot.Itens is still the check on saving.
    janela->gravar();
    EXPECT_EQ(dialogos->textos(), QStringList{"Total de itens não fecha"});
    janela->cancelar();
    EXPECT_EQ(totais(), "5/3");

    janela->alterar();
    auto* grade = controle<QTableView>("GradeComponentes");
    grade->setCurrentIndex(grade->model()->index(0, 0));
    dialogos->responder(Resposta::Sim);
    janela->excluirComponente();
    janela->cancelar();
    EXPECT_EQ(totais(), "4/2");
    EXPECT_EQ(TextoTabela("Formulai"), "1|10|2|1001|1|25\n1|10|3|1002|3|75");
}
