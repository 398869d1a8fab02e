// A branch ready for the formula registration window: counter at 41, one
// technician, two customers (and one above the formula customers' codes),
// a finished product, two raw materials and access codes 107 and 119 with
// passwords; the window opened on branch 1.
#pragma once

#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "TDMFormula.h"
#include "TfoCadFormula.h"
#include "session/JanelaSenhaRoteirizada.h"
#include "session/Sessao.h"

#include <QComboBox>
#include <QLineEdit>
#include <memory>

class JanelaFormulaTeste : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        Sess().Filial = 1;
        senhas = std::make_unique<JanelaSenhaRoteirizada>();
        linha("Pcpcfg", {{"Filial", 1}, {"UltimaFormula", 41}});
        linha("Resptec", {{"Codigo", 1}, {"Nome", "ANA"}});
        linha("Resptec", {{"Codigo", 2}, {"Nome", "BETO"}});
        linha("CLIFOR",
              {{"Filial", 1}, {"Cod_Clifor", 1}, {"NOME", "ZELIA TINTAS"}, {"FANTASIA", "AZUL"}});
        linha("CLIFOR",
              {{"Filial", 1}, {"Cod_Clifor", 2}, {"NOME", "ANTONIO"}, {"FANTASIA", "MURO"}});
        linha("CLIFOR", {{"Filial", 1}, {"Cod_Clifor", 950001}, {"NOME", "BALCAO"}});
        produto(9001, "TINTA ACRILICA", "101", "1");
        produto(1001, "DIOXIDO DE TITANIO", "001", "1");
        produto(1002, "OXIDO VERMELHO", "001", "2");
        linha("Acesso", {{"Codigo", 107}, {"Conteudo", "s107"}});
        linha("Acesso", {{"Codigo", 119}, {"Conteudo", "s119"}});
    }
    void TearDown() override {
        janela.reset();
        dm.reset();
        senhas.reset();
        InstalacaoTeste::TearDown();
    }

    void abrirJanela(int fatModNf = 0) {
        Sess().FatModNf = fatModNf;
        dm = std::make_unique<TDMFormula>();
        janela = std::make_unique<TfoCadFormula>(*dm);
        ASSERT_TRUE(janela->abrir());
    }

    void linha(const QString& tabela, const QList<std::pair<QString, QVariant>>& campos) {
        Tabela t(tabela);
        t.abrir();
        t.incluir();
        for (const auto& [nome, valor] : campos)
            t.campo(nome).definir(valor);
        t.gravar();
    }
    void produto(int codigo, const QString& nome, const QString& grupo, const QString& situacao) {
        linha("ESTPROMA", {{"Filial", 1},
                           {"Cod_Reduz", codigo},
                           {"NOME1", nome},
                           {"Nivel2", grupo},
                           {"UNID_PAD", "KG"},
                           {"SITUACAO", situacao}});
    }
    // A stored formula with `componentes` rows of quantity 1.
    void formula(const QString& numero, bool senha, int cliente, int componentes) {
        linha("Formula", {{"Filial", 1},
                          {"Formula", numero},
                          {"Cod_Clifor", cliente},
                          {"CodResp", 1},
                          {"Senha", senha},
                          {"TotalItens", componentes}});
        for (int i = 1; i <= componentes; ++i)
            linha("Formulai", {{"Filial", 1},
                               {"Formula", numero},
                               {"OrdComp", i},
                               {"Componente", 1001},
                               {"QUANTIDADE", 1.0}});
    }

    template <class T> T* controle(const QString& nome, const QString& dentroDe = QString()) {
        QObject* pai = janela.get();
        if (!dentroDe.isEmpty())
            pai = janela->findChild<QWidget*>(dentroDe);
        return pai ? pai->findChild<T*>(nome) : nullptr;
    }
    void escolher(const QString& combo, int codigo) {
        auto* c = controle<QComboBox>(combo);
        c->setCurrentIndex(c->findData(codigo));
    }
    void digitar(const QString& campo, const QString& texto) {
        controle<QLineEdit>(campo)->setText(texto);
    }
    void componente(int produto, const QString& quantidade) {
        janela->incluirComponente();
        escolher("Componente", produto);
        digitar("QUANTIDADE", quantidade);
        janela->gravarComponente();
    }
    int ultima() {
        Tabela t("Pcpcfg");
        t.abrir();
        t.localizarChave({1});
        return t.campo("UltimaFormula").inteiro();
    }

    std::unique_ptr<JanelaSenhaRoteirizada> senhas;
    std::unique_ptr<TDMFormula> dm;
    std::unique_ptr<TfoCadFormula> janela;
};
