// Component substitution: the checks in their order with both codes looked
// up afresh, every matching row of every branch changed and nothing else,
// and a row held by another station leaving every formula as it was.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "TfoSubstComponentes.h"
#include "session/Sessao.h"
#include "store/SessaoBanco.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
class Substituicao : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        // 3001 is registered only in branch 2.
        for (const auto& [filial, codigo, nome] : {std::tuple{1, 1001, "DIOXIDO"},
                                                   {1, 1002, "OXIDO VERMELHO"},
                                                   {1, 1003, "OXIDO AMARELO"},
                                                   {2, 3001, "NEGRO DE FUMO"}})
            ExecutarSql({QString("Insert Into Estproma (Filial, Cod_Reduz, Nome1) Values (%1, "
                                 "%2, '%3')")
                             .arg(filial)
                             .arg(codigo)
                             .arg(nome)});
        // Formula 1 uses 1001 twice; 2 holds 1002 already; 3 of branch 2
        // uses 1001; 4 does not.
        ExecutarSql({"Insert Into Formula (Filial, Formula, QtdTotal) Values (1, '1', 4), "
                     "(1, '2', 3), (2, '3', 1), (1, '4', 1)",
                     "Insert Into Formulai (Filial, Formula, OrdComp, Componente, QUANTIDADE, "
                     "Percentual) Values (1, '1', 1, 1001, 1, 25), (1, '1', 2, 1003, 2, 50), "
                     "(1, '1', 3, 1001, 1, 25), (1, '2', 1, 1002, 1, 33.3333), "
                     "(1, '2', 2, 1001, 2, 66.6667), (2, '3', 1, 1001, 1, 100), "
                     "(1, '4', 1, 1003, 1, 100)"});
        janela = std::make_unique<TfoSubstComponentes>();
        janela->show();
        janela->activateWindow();
        QApplication::processEvents();
    }
    void TearDown() override {
        janela.reset();
        InstalacaoTeste::TearDown();
    }

    QLineEdit* caixa(const char* nome) { return janela->findChild<QLineEdit*>(nome); }
    // Types a code and leaves the box for `destino`, as Tab does.
    void digitar(const char* campo, const QString& texto, QWidget* destino = nullptr) {
        caixa(campo)->setText(texto);
        caixa(campo)->setFocus();
        (destino ? destino : janela->findChild<QPushButton*>("OK"))->setFocus();
    }

    std::unique_ptr<TfoSubstComponentes> janela;
};

const char* const FormulasAntes = "1|1|1|1001|1|25\n"
                                  "1|1|2|1003|2|50\n"
                                  "1|1|3|1001|1|25\n"
                                  "1|2|1|1002|1|33.3333\n"
                                  "1|2|2|1001|2|66.6667\n"
                                  "1|4|1|1003|1|100\n"
                                  "2|3|1|1001|1|100";
} // namespace

TEST_F(Substituicao, VerificaOsCodigosComoEstaoNoOk) {
    struct Caso {
        QString origem, destino;
        QString mensagem;
        const char* campo;
    } casos[] = {
        {"", "1002", "Componente Origem inválido!", "Valor1"},
        {"1001", "0", "Componente Destino inválido!", "Valor2"},
        {"7777", "1002", "Componente Origem não cadastrado!", "Valor1"},
        {"1001", "7777", "Componente Destino não cadastrado!", "Valor2"},
    };
    for (const Caso& c : casos) {
        caixa("Valor1")->setText(c.origem);
        caixa("Valor2")->setText(c.destino);
        dialogos->limpar();
        EXPECT_FALSE(janela->substituir());
        EXPECT_EQ(dialogos->textos(), QStringList{c.mensagem});
        EXPECT_EQ(janela->focusWidget(), caixa(c.campo));
    }
    // A registered code changed, without leaving the box, to one that is not.
    digitar("Valor2", "1002");
    EXPECT_EQ(caixa("NomeDestino")->text(), "OXIDO VERMELHO");
    caixa("Valor2")->setText("7778");
    dialogos->limpar();
    EXPECT_FALSE(janela->substituir());
    EXPECT_EQ(dialogos->textos(), QStringList{"Componente Destino não cadastrado!"});
    EXPECT_EQ(caixa("NomeDestino")->text(), "");
    EXPECT_EQ(TextoTabela("Formulai"), FormulasAntes);
}

TEST_F(Substituicao, TrocaEmTodasAsFormulasDeTodasAsFiliais) {
    // A product of another branch counts; leaving for "Cancelar" looks
    // nothing up.
    digitar("Valor2", "3001", janela->findChild<QPushButton*>("Cancelar"));
    EXPECT_EQ(caixa("NomeDestino")->text(), "");
    digitar("Valor1", "1001");
    digitar("Valor2", "3001");
    EXPECT_EQ(caixa("NomeOrigem")->text(), "DIOXIDO");
    EXPECT_EQ(caixa("NomeDestino")->text(), "NEGRO DE FUMO");
    dialogos->responder(Resposta::Nao);
    EXPECT_FALSE(janela->substituir());
    EXPECT_EQ(TextoTabela("Formulai"), FormulasAntes);

    digitar("Valor2", "1002");
    EXPECT_TRUE(janela->substituir());
    EXPECT_EQ(dialogos->textos().last(), "Confirma a substituição dos componentes?");
    EXPECT_EQ(TextoTabela("Formulai"), QString(FormulasAntes).replace("|1001|", "|1002|"));
    Tabela formulas("Formula");
    formulas.abrir();
    QStringList totais;
    for (; !formulas.eof(); formulas.proximo())
        totais << formulas.campo("Formula").texto() + "=" + formulas.campo("QtdTotal").texto();
    EXPECT_EQ(totais.join(' '), "1=4 2=3 4=1 3=1");
    // Ready for the next: names cleared, an empty scratch row, the first code.
    EXPECT_EQ(caixa("Valor1")->text(), "");
    EXPECT_EQ(caixa("Valor2")->text(), "");
    EXPECT_EQ(caixa("NomeOrigem")->text(), "");
    EXPECT_EQ(caixa("NomeDestino")->text(), "");
    EXPECT_EQ(janela->focusWidget(), caixa("Valor1"));
    EXPECT_EQ(TextoTabela("TMPVALORES"), "");
}

TEST_F(Substituicao, LinhaTravadaPorOutraEstacaoNaoMudaNada) {
    SessaoBanco outra;
    outra.definirAlias("Orvalo", LinhasAlias("C:\\EMPRESA1"));
    Tabela presa("Formulai", &outra);
    presa.abrir();
    ASSERT_TRUE(presa.localizarChave({2, "3", 1}));
    presa.editar();
    caixa("Valor1")->setText("1001");
    caixa("Valor2")->setText("1003");
    EXPECT_FALSE(janela->substituir());
    EXPECT_EQ(dialogos->textos(), (QStringList{"Confirma a substituição dos componentes?",
                                               "Existe outro usuário alterando este registro"}));
    EXPECT_EQ(TextoTabela("Formulai"), FormulasAntes);
    presa.cancelar();
    EXPECT_TRUE(janela->substituir());
    EXPECT_EQ(TextoTabela("Formulai"), QString(FormulasAntes).replace("|1001|", "|1003|"));
}
