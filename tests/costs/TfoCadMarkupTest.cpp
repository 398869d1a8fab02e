// The markup register: numbering per branch, the dates from the clock,
// the log texts written only after what they tell happened, the
// searches by code and by description (typed text taken as a value), and
// the buttons, panel and keys of each mode.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "costs/TfoCadMarkup.h"
#include "session/GravarLogSistema.h"
#include "session/Sessao.h"
#include "store/InjecaoFalhas.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {
class CadastroMarkup : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        Sess().Usuario = "ADMIN";
        janela = std::make_unique<TfoCadMarkup>();
    }
    void TearDown() override {
        janela.reset();
        InstalacaoTeste::TearDown();
    }
    void markup(int filial, int codigo, const QString& descricao) {
        ExecutarSql({QString("INSERT INTO Markup (Filial, Codigo_Markup, Descricao) "
                             "VALUES (%1, %2, '%3')")
                         .arg(filial)
                         .arg(codigo)
                         .arg(QString(descricao).replace("'", "''"))});
    }
    void hoje(int dia, int mes) { relogio->definir(QDateTime(QDate(2026, mes, dia), QTime(9, 0))); }
    QLineEdit* caixa(const QString& nome) { return janela->findChild<QLineEdit*>(nome); }
    // Typed as an operator does, so the box's own signals fire.
    void digitar(const QString& nome, const QString& texto) {
        QLineEdit* e = caixa(nome);
        for (const QChar c : texto) {
            QKeyEvent k(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(e, &k);
        }
    }
    QString atual() { return janela->dm().TMarkup.campo("Codigo_Markup").texto(); }
    // Action and text of the month's log rows.
    static QStringList logs(int mes) {
        const QString nome = NomeLogSistema(QDate(2026, mes, 1));
        if (!SessaoBanco::padrao().existeTabela("Orvalo", nome))
            return {};
        Tabela t(nome);
        t.abrir();
        QStringList l;
        for (; !t.eof(); t.proximo())
            l << t.campo("Janela").texto() + " " + t.campo("Acao").texto() + " " +
                     t.campo("Log").texto();
        return l;
    }
    std::unique_ptr<TfoCadMarkup> janela;
};

TEST_F(CadastroMarkup, NumeraPorFilialDataDoRelogioELogAposGravar) {
    markup(2, 7, "OUTRA FILIAL");
    ASSERT_TRUE(janela->abrir());
    hoje(10, 3);
    janela->incluir();
    EXPECT_EQ(caixa("Codigo_Markup")->text(), "1");
    digitar("Descricao", "resinas");
    caixa("MargemLucro")->setText("35,5");
    janela->gravar();
    hoje(12, 3);
    janela->editar();
    caixa("Frete")->setText("2");
    janela->gravar();
    janela->incluir();
    EXPECT_EQ(caixa("Codigo_Markup")->text(), "2");
    janela->cancelar();

    EXPECT_EQ(TextoTabela("Markup"), "1|1|RESINAS|||||||||||||2||35.5|10/03/2026|12/03/2026|1\n"
                                     "2|7|OUTRA FILIAL||||||||||||||||||");
    EXPECT_EQ(logs(3),
              (QStringList{"foCadMarkup I Inclusão de Markup  |Codigo 1 |Descrição RESINAS",
                           "foCadMarkup E Edição de Markup  |Codigo 1 |Descrição RESINAS"}));
    EXPECT_TRUE(dialogos->textos().isEmpty());
}

TEST_F(CadastroMarkup, CodigoRepetidoMostraOErroDoBancoENaoLoga) {
    markup(1, 1, "RESINAS");
    markup(1, 2, "BASES");
    ASSERT_TRUE(janela->abrir());
    janela->incluir();
    caixa("Codigo_Markup")->setText("2");
    janela->gravar();
    EXPECT_EQ(dialogos->textos(),
              QStringList{"Registro ja existe - Key violation.\rTabela : Markup"});
    EXPECT_EQ(janela->dm().TMarkup.estado(), EstadoDados::Inserindo);
    EXPECT_TRUE(janela->findChild<QPushButton*>("Gravar")->isVisibleTo(janela.get()));
    EXPECT_TRUE(logs(12).isEmpty());

    // A missing code is refused before the store is asked.
    dialogos->limpar();
    caixa("Codigo_Markup")->clear();
    janela->gravar();
    EXPECT_EQ(dialogos->textos(), QStringList{"Codigo invalido"});
    EXPECT_TRUE(logs(12).isEmpty());
}

TEST_F(CadastroMarkup, ExclusaoSoLogaDepoisQueALinhaSaiu) {
    markup(1, 4, "ATACADO");
    ASSERT_TRUE(janela->abrir());
    dialogos->responder(Resposta::Nao);
    janela->excluir();
    // The store refuses the deletion: nothing logged, the row stays.
    dialogos->responder(Resposta::Sim);
    InjecaoFalhas::falharNaEscrita(1);
    janela->excluir();
    InjecaoFalhas::falharNaEscrita(0);
    EXPECT_EQ(TextoTabela("Markup"), "1|4|ATACADO||||||||||||||||||");
    EXPECT_TRUE(logs(12).isEmpty());

    dialogos->responder(Resposta::Sim);
    janela->excluir();
    EXPECT_EQ(TextoTabela("Markup"), "");
    EXPECT_EQ(logs(12),
              QStringList{"foCadMarkup X Exclusão de Markup  |Codigo 4 |Descrição ATACADO"});
    EXPECT_EQ(dialogos->textos(),
              (QStringList{"Tem certeza que deseja remover o registro de markup deste produto?",
                           "Tem certeza que deseja remover o registro de markup deste produto?",
                           "disk I/O error",
                           "Tem certeza que deseja remover o registro de markup deste produto?"}));
}

TEST_F(CadastroMarkup, LocalizaPorCodigoExatoOuInicioDaDescricao) {
    markup(1, 1, "RESINAS");
    markup(1, 12, "D'AGUA 10%");
    markup(1, 123, "BASE 100% ACRILICA");
    markup(2, 5, "REVENDA");
    ASSERT_TRUE(janela->abrir());
    struct Caso {
        const char* codigo;
        const char* descricao;
        const char* fica; // code of the row the list is on afterwards
        const char* mensagem;
    };
    const Caso casos[] = {
        {"", "res", "1", ""},
        {"123", "", "123", ""},
        {"", "d'agua 10", "12", ""},
        {"12", "", "12", ""},
        {"", "%", "12", ""},          // not a wildcard
        {"", "base 100%", "123", ""}, // the sign as text
        {"1234", "", "123", ""},      // no such code: no move
        {"5", "", "123", ""},         // another branch's
        {"abc", "", "123", "Codigo invalido"},
        {"", "revenda", "123", ""},
    };
    for (const Caso& c : casos) {
        dialogos->limpar();
        caixa("Codigo")->setText(c.codigo);
        caixa("Descrição")->setText(c.descricao);
        janela->localizar();
        EXPECT_EQ(atual(), c.fica) << c.codigo << c.descricao;
        EXPECT_EQ(dialogos->textos().join('/'), c.mensagem) << c.codigo << c.descricao;
        const QTableView* lista = janela->findChild<QTableView*>("GradeMarkup");
        EXPECT_EQ(lista->model()->index(lista->currentIndex().row(), 1).data().toString(), c.fica);
    }

    // Typing in one box clears the other.
    caixa("Codigo")->setText("12");
    digitar("Descrição", "r");
    EXPECT_EQ(caixa("Codigo")->text(), "");
    digitar("Codigo", "1");
    EXPECT_EQ(caixa("Descrição")->text(), "");
}

TEST_F(CadastroMarkup, BotoesPainelETeclasDeCadaModo) {
    ASSERT_TRUE(janela->abrir());
    auto estado = [&] {
        QStringList l;
        for (const char* b : {"Incluir", "Editar", "Excluir", "Gravar", "Cancelar"}) {
            const QPushButton* p = janela->findChild<QPushButton*>(b);
            if (p->isVisibleTo(janela.get()))
                l << QString(b) + (p->isEnabled() ? "" : "(x)");
        }
        if (janela->findChild<QGroupBox*>("Dados")->isEnabled())
            l << "[dados]";
        if (janela->findChild<QTableView*>("GradeMarkup")->isEnabled())
            l << "[lista]";
        return l.join(',').toStdString();
    };
    EXPECT_EQ(estado(), "Incluir,Editar(x),Excluir(x),[lista]");
    janela->incluir();
    EXPECT_EQ(estado(), "Gravar,Cancelar,[dados]");
    for (const char* travada :
         {"IcmsEntrada", "Subst_Trib", "Pis", "Cofins", "IcmsDebito", "Comissoes"})
        EXPECT_TRUE(caixa(travada)->isReadOnly()) << travada;
    for (const char* livre :
         {"Codigo_Markup", "Descricao", "Per_Desconto5", "Ipi", "Dif_Icms", "Frete", "MargemLucro"})
        EXPECT_FALSE(caixa(livre)->isReadOnly()) << livre;
    caixa("Descricao")->setText("varejo");
    janela->gravar();
    EXPECT_EQ(estado(), "Incluir,Editar,Excluir,[lista]");
    janela->editar();
    EXPECT_EQ(estado(), "Gravar,Cancelar,[dados]");
    janela->cancelar();
    EXPECT_EQ(estado(), "Incluir,Editar,Excluir,[lista]");

    // Enter in the list walks the columns and comes back to the first.
    QTableView* lista = janela->findChild<QTableView*>("GradeMarkup");
    QList<int> colunas;
    for (int i = 0; i < 6; ++i) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(lista, &enter);
        colunas << lista->currentIndex().column();
    }
    EXPECT_EQ(colunas, (QList<int>{1, 2, 3, 4, 5, 0}));
}
} // namespace
