// The register reports on paper: the complete register (five lines a
// party, page breaks, suppliers' title, ranges, inactive parties left out
// without gaps) and the clients by city (city and state lines, picked
// cities bound as values, the rating only for its installations), each
// page compared whole with its expected file.
#include "CliforTeste.h"

#include "clifor/TFoRelCadCliFor.h"
#include "clifor/TfoRelClientesPorCidade.h"
#include "services/ConfigImpressao.h"
#include "services/JanelaModal.h"
#include "services/RelatorioTexto.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

class RelatoriosClifor : public CliforTeste {
protected:
    void SetUp() override {
        CliforTeste::SetUp();
        Sess().Modulo = "PCP";
        Sess().NomeFilial = "FABRICA";
        CfgImpressao() = ConfigImpressao();
        CfgImpressao().Destino = 'V';
        CfgImpressao().LinhasPorPagina = 24;
        InstalarExibirModal([](QDialog& d) { return d.result(); });
        InstalarVisualizacao([this](const QString& arquivo, int) { previa = arquivo; });
        parte(1, "TINTAS BOA COR LTDA",
              {{"FANTASIA", "BOA COR"},
               {"ENDERECO", "RUA DAS FLORES"},
               {"NUMERO", 120},
               {"CIDADE", "CAMPINAS"},
               {"ESTADO", "SP"},
               {"COD_CEPEND", "13015001"},
               {"BAIRRO", "CENTRO"},
               {"DATA_CAD", QDate(2020, 5, 4)},
               {"END_COB", "AV BRASIL"},
               {"NUM_COB", 9},
               {"CID_COB", "CAMPINAS"},
               {"EST_COB", "SP"},
               {"COD_CEPCOB", "13020000"},
               {"CGC", CnpjA},
               {"INSC_EST", "244123456119"},
               {"END_ENT", "RUA DO DEPOSITO"},
               {"CID_ENT", "SUMARE"},
               {"EST_ENT", "SP"},
               {"COD_CEPENT", "13170000"},
               {"FAX", "32310000"},
               {"DDDFone1", "19"},
               {"TELEFONE1", "32311234"},
               {"DDDFone2", "19"},
               {"TELEFONE2", "991234567"},
               {"DATA_ULTC", QDate(2026, 11, 20)},
               {"VALOR_ULTC", 1234.5},
               {"MAIOR_COM", 98765.43},
               {"Cod_Vend1", 5001},
               {"NOM_CONTAT", "MARCIA"},
               {"OBSERVACAO", "ENTREGAR PELA MANHA"},
               {"Cod_Conc", 2}});
        parte(2, "ANTIGO CLIENTE", {{"CIDADE", "CAMPINAS"}, {"ESTADO", "SP"}, {"Ativo", false}});
        parte(3, "CASA DAS CORES", {{"CIDADE", "PAU D'ARCO"}, {"ESTADO", "PA"}, {"Cod_Conc", 1}});
        parte(4, "SEM CIDADE", {{"ESTADO", "MG"}});
        parte(5, "ZULU TINTAS", {{"CIDADE", "BELO HORIZONTE"}, {"ESTADO", "MG"}});
        parte(5101, "FORNECEDOR QUIMICO", {{"CIDADE", "SANTOS"}, {"ESTADO", "SP"}});
        linha("Conceito", {{"Cod_Conc", 1}, {"DESC_CONC", "BOM"}, {"MSG_TELA", "LIBERADO"}});
        linha("Conceito", {{"Cod_Conc", 2}, {"DESC_CONC", "OTIMO"}, {"MSG_TELA", "VIP"}});
    }
    void TearDown() override {
        InstalarVisualizacao(nullptr);
        InstalarExibirModal(nullptr);
        CliforTeste::TearDown();
    }

    QString impresso() const {
        QFile f(previa);
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : "<sem prévia>";
    }
    static QString esperado(const QString& nome) {
        QFile f(QFileInfo(QStringLiteral(__FILE__)).dir().filePath("esperado/" + nome));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : "<ausente>";
    }
    // The party codes printed after `margem`, in order.
    QStringList codigos(const QString& margem) const {
        QStringList c;
        for (const QString& l : impresso().split("\r\n"))
            if (QRegularExpression("^" + margem + "\\d{6} ").match(l).hasMatch())
                c << l.mid(margem.size(), 6);
        return c;
    }
    template <class T> static T* controle(QWidget& w, const QString& nome) {
        T* c = w.findChild<T*>(nome);
        EXPECT_NE(c, nullptr) << nome.toStdString();
        return c;
    }

    QString previa;
};

TEST_F(RelatoriosClifor, CadastroCincoLinhasPorParteQuebraESemInativos) {
    TFoRelCadCliFor janela;
    janela.ok();
    EXPECT_EQ(dialogos->textos(), QStringList{"Confirma Emissao"});
    EXPECT_EQ(impresso(), esperado("cadastro_clientes.imp"));

    // By name, "c" to "tz": the inactive "ANTIGO CLIENTE" is out of range,
    // and in range once the lower bound is "a" and inactive ones print.
    CfgImpressao().LinhasPorPagina = 66;
    controle<QRadioButton>(janela, "Alfabetica")->setChecked(true);
    controle<QLineEdit>(janela, "Nome inicial")->setText("c");
    controle<QLineEdit>(janela, "Nome Final")->setText("tz");
    janela.ok();
    EXPECT_EQ(codigos(""), (QStringList{"000003", "000004", "000001"}));
    controle<QLineEdit>(janela, "Nome inicial")->setText("a");
    janela.ok();
    EXPECT_EQ(codigos(""), (QStringList{"000003", "000004", "000001"}));
    controle<QCheckBox>(janela, "Imprimir inativos")->setChecked(true);
    janela.ok();
    EXPECT_EQ(codigos(""), (QStringList{"000002", "000003", "000004", "000001"}));
}

TEST_F(RelatoriosClifor, CadastroDeFornecedoresComFaixaDeCodigos) {
    TFoRelCadCliFor janela;
    janela.definirSistema("1");
    controle<QLineEdit>(janela, "Codigo inicial")->setText("5000");
    janela.ok();
    EXPECT_EQ(impresso(), esperado("cadastro_fornecedores.imp"));
    controle<QLineEdit>(janela, "Codigo final")->setText("5100");
    janela.ok();
    EXPECT_EQ(codigos(""), QStringList{});
}

TEST_F(RelatoriosClifor, ClientesPorCidadeComEstadosECidadesEscolhidas) {
    TfoRelClientesPorCidade janela;
    janela.carregarCidades();
    QListWidget* cidades = controle<QListWidget>(janela, "Cidades");
    EXPECT_EQ(cidades->count(), 4); // BELO HORIZONTE, CAMPINAS, PAU D'ARCO, SANTOS
    controle<QCheckBox>(janela, "Separar Clientes por Estado")->setChecked(true);
    janela.ok();
    EXPECT_EQ(impresso(), esperado("clientes_por_cidade_estados.imp"));

    // Installation 132 shows the rating; picked cities keep their quote.
    Sess().FatModNf = 132;
    controle<QCheckBox>(janela, "Separar Clientes por Estado")->setChecked(false);
    cidades->item(1)->setSelected(true);
    cidades->item(2)->setSelected(true);
    janela.incluirCidades(false);
    EXPECT_EQ(controle<QListWidget>(janela, "Filtro")->count(), 2);
    janela.ok();
    EXPECT_EQ(impresso(), esperado("clientes_por_cidade_conceito.imp"));

    janela.retirarCidades(true);
    EXPECT_EQ(cidades->count(), 4);
    controle<QLineEdit>(janela, "Nome inicial")->setText("d");
    controle<QLineEdit>(janela, "Cidade final")->setText("c");
    janela.ok();
    EXPECT_EQ(codigos("    "), QStringList{"000005"});
}

} // namespace
