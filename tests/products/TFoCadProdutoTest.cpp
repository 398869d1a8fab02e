// The product register window, offscreen: access code 23 on opening, the
// pages and buttons of each mode, a clone that stays in inclusion until
// its reference is unique, filters with the operator's text, the fiscal
// region and size prompts, the import duty window's single message and
// the supplier remarks made on opening.
#include "ProdutoTeste.h"

#include "products/TDMCadProduto.h"
#include "products/TFoCadImpostoImportacaoPorOrigem.h"
#include "products/TFoCadProduto.h"
#include "products/TfoRecebeObsFornProd.h"
#include "services/JanelaModal.h"
#include "session/JanelaSenhaRoteirizada.h"
#include "stock/TFoFichadeEstoque.h"
#include "stock/TfoConsFichaEstoque2.h"
#include "stock/TfoConsultaMovProduto.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace {

class JanelaProduto : public ProdutoTeste {
protected:
    void SetUp() override {
        ProdutoTeste::SetUp();
        parametro("PermiteExcluirProdutos", true);
        produto(1001, "DIOXIDO DE TITANIO", 1,
                {{"REFERENCIA", "DT-01"},
                 {"QTD_FIS", 50.0},
                 {"QTD_EMP1", 5.0},
                 {"QTD_PED", 2.0},
                 {"LISTA1", 30.0}});
        produto(1002, "OXIDO DE FERRO", 1, {{"REFERENCIA", "O'BRIEN"}});
        produto(1003, "AZUL INATIVO", 1, {{"SITUACAO", "0"}});
        janela = std::make_unique<TFoCadProduto>();
        janela->ligarJanelas(&imposto, &obsForn);
    }
    void TearDown() override {
        InstalarExibirModal(nullptr);
        janela.reset();
        ProdutoTeste::TearDown();
    }
    void abrir(int fatModNf = 0) {
        Sess().FatModNf = fatModNf;
        ASSERT_TRUE(janela->abrir());
    }
    template <class T> T* controle(const QString& nome) { return janela->findChild<T*>(nome); }
    std::string linhasLista() {
        const QAbstractItemModel* m = controle<QTableView>("GradeLista")->model();
        QStringList l;
        for (int r = 0; r < m->rowCount(); ++r)
            l << m->data(m->index(r, 0)).toString() + " " + m->data(m->index(r, 1)).toString();
        return l.join(", ").toStdString();
    }
    // Visible pages, the current one marked, and the enabled buttons under them.
    std::string estado() {
        QStringList paginas;
        QTabWidget* p = janela->paginas();
        for (int i = 0; i < p->count(); ++i)
            if (p->isTabVisible(i))
                paginas << (i == p->currentIndex() ? "*" : "") + p->tabText(i);
        QStringList botoes;
        for (const char* b : {"  Incluir", "Alterar", "Consultar", "Excluir", "Gravar", "Cancelar",
                              "Imp Importação", "Preços"})
            if (janela->findChild<QPushButton*>(b, Qt::FindDirectChildrenOnly)->isEnabled())
                botoes << QString(b).trimmed();
        if (controle<QPushButton>("$")->isEnabled())
            botoes << "$";
        if (controle<QTableView>("GradeLista")->isEnabled())
            botoes << "[lista]";
        return (paginas.join(',') + " | " + botoes.join(',')).toStdString();
    }

    TFoCadImpostoImportacaoPorOrigem imposto;
    TfoRecebeObsFornProd obsForn;
    std::unique_ptr<TFoCadProduto> janela;
};

TEST_F(JanelaProduto, AbrirPedeOCodigo23ERegistraOAcesso) {
    JanelaSenhaRoteirizada senhas;
    linha("Acesso", {{"Codigo", 23}, {"Conteudo", "s23"}});
    senhas.cancelar();
    janela->show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(logs(), QStringList());

    senhas.confirmar("S23");
    janela->show();
    EXPECT_TRUE(janela->isVisible());
    EXPECT_EQ(logs(), QStringList{"A Acesso Cad Produto "});
    EXPECT_EQ(senhas.mostradas().size(), 2);
    EXPECT_EQ(linhasLista(), "1001 DIOXIDO DE TITANIO, 1002 OXIDO DE FERRO");
    janela->close();
}

TEST_F(JanelaProduto, PaginasEBotoesDeCadaModo) {
    abrir();
    const std::string lista = "*Lista,Observações,Preços,Entradas | "
                              "Incluir,Alterar,Consultar,Excluir,Imp Importação,Preços,$,[lista]";
    const std::string detalhes = "Lista,*Principal,Secundário,Estatísticos,Lista de Preço,"
                                 "Região Fiscal,Tamanho,Observações,Preços,Entradas | ";
    EXPECT_EQ(estado(), lista);
    dialogos->digitar("2000");
    janela->incluir();
    EXPECT_EQ(janela->modo(), "I");
    EXPECT_EQ(estado(), detalhes + "Gravar,Cancelar,Imp Importação,Preços,$");
    EXPECT_EQ(controle<QLineEdit>("Cod_Reduz")->text(), "2000");
    janela->cancelar();
    EXPECT_EQ(estado(), lista);

    janela->alterar();
    EXPECT_EQ(janela->modo(), "A");
    EXPECT_EQ(estado(), detalhes + "Gravar,Cancelar,Imp Importação,Preços,$");
    EXPECT_EQ(controle<QLineEdit>("QTD_FIS")->text(), "50,0000");
    EXPECT_FALSE(controle<QLineEdit>("NOME1")->isReadOnly());
    janela->cancelar();

    janela->consultar();
    EXPECT_EQ(janela->modo(), "");
    EXPECT_EQ(estado(), detalhes + "Cancelar,Imp Importação,Preços,$");
    EXPECT_TRUE(controle<QLineEdit>("NOME1")->isReadOnly());
    // The menu's rule brings the list back.
    janela->mostrarLista();
    EXPECT_EQ(estado(), lista);

    // Without the branch parameter there is no "Excluir".
    ExecutarSql({"UPDATE ParametrosEmpresa SET ValorBoolean = False"});
    abrir();
    EXPECT_TRUE(janela->findChild<QPushButton*>("Excluir", Qt::FindDirectChildrenOnly)->isHidden());
}

TEST_F(JanelaProduto, CloneFicaEmInclusaoAteAReferenciaSerUnica) {
    abrir();
    dialogos->responder(Resposta::Sim);
    janela->clonar();
    EXPECT_EQ(mensagens(), "Tem certeza que deseja clonar o registro selecionado?/"
                           "Registro clonado com sucesso! Clique em GRAVAR na próxima tela para "
                           "concluir!");
    EXPECT_EQ(janela->modo(), "I");
    EXPECT_EQ(controle<QLineEdit>("Cod_Reduz")->text(), "1004");
    EXPECT_EQ(controle<QLineEdit>("NOME1")->text(), "DIOXIDO DE TITANIO");
    EXPECT_EQ(controle<QLineEdit>("QTD_FIS")->text(), "0,0000");

    dialogos->limpar();
    janela->gravar();
    EXPECT_EQ(mensagens(), "Referencia ja cadastrada");
    EXPECT_EQ(janela->modo(), "I");
    controle<QLineEdit>("REFERENCIA")->setText("DT-02");
    janela->gravar();
    EXPECT_EQ(janela->modo(), "");
    EXPECT_EQ(estado().substr(0, 7), "*Lista,");
    Tabela t("ESTPROMA");
    t.abrir();
    ASSERT_TRUE(t.localizarChave({1, 1004}));
    QStringList v;
    for (const char* c : {"REFERENCIA", "QTD_FIS", "QTD_EMP1", "QTD_PED", "LISTA1", "Nivel6"})
        v << t.campo(c).texto();
    EXPECT_EQ(v.join('|').toStdString(), "DT-02|0|0|0|30|001004");
}

TEST_F(JanelaProduto, FiltrosEPesquisaComOTextoDoOperador) {
    abrir();
    controle<QLineEdit>("Referencia")->setText("O'BRIEN");
    janela->filtrar();
    EXPECT_EQ(linhasLista(), "1002 OXIDO DE FERRO");
    controle<QLineEdit>("Referencia")->clear();
    controle<QComboBox>("Situacao")->setCurrentIndex(FiltroProdutos::Inativos);
    janela->filtrar();
    EXPECT_EQ(linhasLista(), "1003 AZUL INATIVO");
    janela->semFiltro();
    EXPECT_EQ(linhasLista(), "1003 AZUL INATIVO, 1001 DIOXIDO DE TITANIO, 1002 OXIDO DE FERRO");
    janela->trocarOrdem(0);
    janela->pesquisar("1002");
    EXPECT_EQ(janela->dm().codigoAtual(), 1002);
    dialogos->limpar();
    janela->pesquisar("10x");
    EXPECT_EQ(mensagens(), "'10x' is not a valid integer value");

    // "Pesquisa Avançada": the names holding the text, a quote included.
    InstalarExibirModal([](QDialog& d) {
        QTableView* g = d.findChild<QTableView*>("Grade");
        const QAbstractItemModel* m = g->model();
        EXPECT_EQ(m->rowCount(), 1);
        EXPECT_EQ(m->data(m->index(0, 2)).toString().toStdString(), "AZUL INATIVO");
        return int(QDialog::Accepted);
    });
    controle<QLineEdit>("Pesquisa")->setText("UL IN");
    janela->pesquisaAvancada();
    EXPECT_EQ(janela->dm().codigoAtual(), 1003);
    controle<QLineEdit>("Pesquisa")->setText("'; DROP TABLE ESTPROMA; --");
    InstalarExibirModal([](QDialog& d) {
        EXPECT_EQ(d.findChild<QTableView*>("Grade")->model()->rowCount(), 0);
        return int(QDialog::Rejected);
    });
    janela->pesquisaAvancada();
    EXPECT_EQ(TextoTabela("ESTPROMA").count('\n'), 2);
}

TEST_F(JanelaProduto, RegiaoFiscalETamanhoRecusamCodigosInvalidos) {
    abrir();
    janela->alterar();
    const struct {
        bool regiao;
        QString resposta, mensagem;
    } casos[] = {
        {true, "AB", "Codigo de Região Fiscal Invalida"},
        {true, "", "Codigo de Região Fiscal Invalida"},
        {true, "A", ""},
        {true, "A", "Regiao fiscal ja existe"},
        {false, "12345", "Tamanho Invalido"},
        {false, "GL", ""},
        {false, "GL", "Tamanho ja existe"},
    };
    for (const auto& c : casos) {
        dialogos->limpar();
        dialogos->digitar(c.resposta);
        if (c.regiao) {
            janela->incluirRegiao();
            if (c.mensagem.isEmpty()) {
                controle<QLineEdit>("ALIQUOTA")->setText("18");
                janela->gravarRegiao();
            }
        } else {
            janela->incluirTamanho();
            if (c.mensagem.isEmpty())
                janela->gravarTamanho();
        }
        EXPECT_EQ(mensagens(), c.mensagem.toStdString()) << c.resposta.toStdString();
    }
    EXPECT_EQ(TextoTabela("ALIQBASE").toStdString(), "1|1001|A|18|||||||");
    dialogos->responder(Resposta::Sim);
    janela->limparCarimbo();
    janela->gravar();
    Tabela t("ESTPROMA");
    t.abrir();
    ASSERT_TRUE(t.localizarChave({1, 1001}));
    EXPECT_EQ(t.campo("GRADE").texto(), "1");
}

TEST_F(JanelaProduto, ImpostoDeImportacaoJuntaAsFaltasNumaMensagem) {
    linha("PAISES", {{"CODIGO", "1600"}, {"NOME", "CHINA"}});
    abrir();
    janela->impostoImportacao();
    EXPECT_TRUE(imposto.isVisible());
    EXPECT_EQ(imposto.windowTitle(), "Orvalo - Imposto de Importação Por Origem (País) :");
    imposto.incluir();
    imposto.gravar();
    imposto.findChild<QLineEdit*>("CodPais")->setText("9999");
    imposto.findChild<QLineEdit*>("PercImpImportacao")->setText("12,6");
    imposto.gravar();
    EXPECT_EQ(mensagens(),
              "Erros encontrados impedem a gravação do registro : \n\n\n Codigo do Pais em branco"
              " Nome do Pais em branco\n Aliquota em branco\n\n\nFavor conferir e tentar novamente/"
              "Erros encontrados impedem a gravação do registro : \n\n Nome do Pais em branco\n"
              "\n\nFavor conferir e tentar novamente");
    imposto.findChild<QLineEdit*>("CodPais")->setText("1600");
    imposto.gravar();
    imposto.alterar();
    imposto.gravar();
    dialogos->responder(Resposta::Sim);
    imposto.excluir();
    EXPECT_EQ(logs(), (QStringList{"A Acesso Cad Produto ",
                                   "I Inclusão de Aliquota de Imp de Importação  |Pais 1600",
                                   "E Alteração de Aliquota de Imp de Importação  |Pais 1600",
                                   "X Exclusão de Aliquota de Imp de Importação  |Pais 1600"}));
    EXPECT_EQ(TextoTabela("ALIQBASE_Importacao").toStdString(), "");
    imposto.close();
}

TEST_F(JanelaProduto, ObservacoesDosFornecedoresNascemAoAbrir) {
    int exibicoes = 0;
    InstalarExibirModal([&exibicoes](QDialog& d) {
        ++exibicoes;
        d.findChild<QLineEdit*>("ObsForn2")->setText("ENTREGA EM 15 DIAS");
        return exibicoes == 1 ? int(QDialog::Rejected) : int(QDialog::Accepted);
    });
    abrir(0);
    janela->observacoesFornecedor();
    EXPECT_EQ(exibicoes, 0);
    abrir(95);
    janela->observacoesFornecedor();
    EXPECT_EQ(TextoTabela("ObsFornProd").toStdString(), "1|1001||||||");
    InstalarExibirModal([](QDialog& d) {
        d.findChild<QLineEdit*>("ObsForn2")->setText("ENTREGA EM 15 DIAS");
        d.findChild<QPushButton*>("Gravar")->click();
        return d.result();
    });
    janela->observacoesFornecedor();
    EXPECT_EQ(TextoTabela("ObsFornProd").toStdString(), "1|1001||ENTREGA EM 15 DIAS||||");
}

} // namespace

namespace {
TEST_F(JanelaProduto, CifraoAbreOMarkupSoComAPermissao) {
    abrir();
    QStringList abertas;
    InstalarExibirModal([&](QDialog& d) {
        abertas << d.windowTitle();
        return int(QDialog::Rejected);
    });
    DadosSessao& s = Sess();
    s.UsaPermissoes = true;
    s.Usuario = "OPER";
    s.Nivel = "OPE";
    dialogos->limpar();
    controle<QPushButton>("$")->click();
    EXPECT_TRUE(abertas.isEmpty());
    EXPECT_EQ(mensagens(),
              "O usuário OPER não possui permissão de acesso para esta função! \r\n\r\n"
              "Nome Permissão : \r\nNome Interno   : AcessoCadMarkup\r\n\r\n"
              "Entre em contato com o administrador de sistema para que atribua "
              "esta permissão ao seu grupo de usuários!");
    s.Usuario = "ADMIN";
    s.Nivel = "SUP";
    controle<QPushButton>("$")->click();
    EXPECT_EQ(abertas, QStringList{"Cadastro e Consulta de Markup :"});
}
} // namespace

namespace {

TEST_F(JanelaProduto, FichaDeEstoqueDaInstalacaoNoProdutoAtual) {
    TFoFichadeEstoque ficha;
    TfoConsFichaEstoque2 fichaPorCor;
    TfoConsultaMovProduto movimentos;
    janela->ligarConsultasEstoque(&ficha, &fichaPorCor, &movimentos, nullptr);
    for (const auto& [fatModNf, porCor] : {std::pair{0, false}, std::pair{132, true}}) {
        abrir(fatModNf);
        const int produto = janela->dm().codigoAtual();
        ASSERT_NE(produto, 0);
        controle<QMenu>("MenuLista")->findChild<QAction*>("Ficha de Estoque")->trigger();
        JanelaFichaEstoque& aberta = porCor ? static_cast<JanelaFichaEstoque&>(fichaPorCor) : ficha;
        EXPECT_TRUE(aberta.isVisible()) << fatModNf;
        EXPECT_EQ(aberta.produtoAtual(), produto);
        EXPECT_EQ(aberta.findChild<QLineEdit*>(porCor ? "Mês/Ano" : "Mes/Ano")->text(),
                  relogio->agora().date().toString("MM/yyyy"));
        ficha.close();
        fichaPorCor.close();
    }
    controle<QMenu>("MenuLista")
        ->findChild<QAction*>(QString::fromUtf8("Movimentação do Produto"))
        ->trigger();
    EXPECT_TRUE(movimentos.isVisible());
    EXPECT_EQ(movimentos.findChild<QLineEdit*>("Produto")->text(),
              QString::number(janela->dm().codigoAtual()));
}

} // namespace
