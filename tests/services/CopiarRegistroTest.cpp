// Copy of a row to another company: insert, overwrite only after Yes, the
// target chosen once, keys bound by type (NULL, dates, quotes, composite
// keys), and every refusal leaving the target as it was.
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "services/CopiarRegistroParaEmpresa.h"
#include "services/JanelaModal.h"
#include "services/LayoutGrade.h"
#include "services/TFoSelecaoMultipla.h"
#include "session/Sessao.h"

#include <QTableView>

namespace {
class CopiarRegistro : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        criarDiretorio("C:\\PROG");
        DefinirPastaPrograma(host("C:\\PROG"));
        criarDiretorio("C:\\Arquivos de programas\\Orvalo");
        criarDiretorio("C:\\EMPRESA2");
        Tabela catalogo(CaminhoCatalogoEmpresas);
        catalogo.criarTabela();
        catalogo.abrir();
        const std::pair<int, const char*> empresas[] = {
            {1, "EMPRESA1"}, {2, "EMPRESA2"}, {3, "SUMIDA"}};
        for (const auto& [codigo, diretorio] : empresas) {
            catalogo.incluir();
            catalogo.campo("Codigo").definir(codigo);
            catalogo.campo("Nome").definir(QString("Empresa ") + diretorio);
            catalogo.campo("Diretorio").definir(diretorio);
            catalogo.gravar();
        }
        Sess().DirEmpresa = "C:\\EMPRESA1";
        escolher("2");
    }
    void TearDown() override {
        InstalarExibirModal(nullptr);
        DefinirPastaPrograma(QString());
        InstalacaoTeste::TearDown();
    }

    // The company lookup picks the catalogue row `codigo` ("" = none) and
    // confirms, counting how often it is shown.
    void escolher(const QString& codigo) {
        InstalarExibirModal([this, codigo](QDialog& d) {
            ++perguntas;
            auto& janela = static_cast<TFoSelecaoMultipla&>(d);
            janela.limpar();
            auto* grade = d.findChild<QTableView*>("Registros");
            for (int i = 0; i < grade->model()->rowCount(); ++i)
                if (grade->model()->index(i, 0).data().toString() == codigo) {
                    grade->setCurrentIndex(grade->model()->index(i, 0));
                    janela.adicionar();
                }
            janela.confirmar();
            return d.result();
        });
    }

    int perguntas = 0;
};

const char* const Existe = "O registro ja existe na base de destino. Deseja atualizar?";
} // namespace

TEST_F(CopiarRegistro, InsereOuAtualizaSoComSimEEmpresaLembrada) {
    ExecutarSql({"INSERT INTO MOEDA VALUES (2, 'EURO', 'EUR'), (3, 'REAL', 'R$')",
                 "INSERT INTO \"C:\\EMPRESA2\\MOEDA.DB\" VALUES (3, 'REAL ANTIGO', 'R$')"});
    CopiarRegistroParaEmpresa("Cod_Moeda", "2", "MOEDA.DB", false);
    EXPECT_EQ(TextoTabela("C:\\EMPRESA2\\MOEDA.DB"), "2|EURO|EUR\n3|REAL ANTIGO|R$");
    EXPECT_EQ(Sess().EmpresaDestino, "2");

    dialogos->responder(Resposta::Nao);
    CopiarRegistroParaEmpresa("Cod_Moeda", "3", "MOEDA.DB", false);
    EXPECT_EQ(TextoTabela("C:\\EMPRESA2\\MOEDA.DB"), "2|EURO|EUR\n3|REAL ANTIGO|R$");
    dialogos->responder(Resposta::Sim);
    CopiarRegistroParaEmpresa("Cod_Moeda", "3", "MOEDA.DB", false);
    EXPECT_EQ(TextoTabela("C:\\EMPRESA2\\MOEDA.DB"), "2|EURO|EUR\n3|REAL|R$");
    EXPECT_EQ(dialogos->textos(), (QStringList{Existe, Existe}));
    EXPECT_EQ(perguntas, 1);

    // Forced: asked again, and the new choice is remembered.
    escolher("1");
    dialogos->responder(Resposta::Nao);
    CopiarRegistroParaEmpresa("Cod_Moeda", "3", "MOEDA.DB", true);
    EXPECT_EQ(perguntas, 2);
    EXPECT_EQ(Sess().EmpresaDestino, "1");
}

TEST_F(CopiarRegistro, ChavesLigadasPorTipoNuloDataAspasComposta) {
    ExecutarSql({"INSERT INTO VALORES VALUES (1, '2026-03-01', 5.1), (1, '2026-03-15', 5.2), "
                 "(1, NULL, 4.9)",
                 "INSERT INTO \"C:\\EMPRESA2\\VALORES.DB\" VALUES (1, '2026-03-01', 1), "
                 "(1, '2026-03-15', 1), (1, NULL, 1)",
                 "INSERT INTO ParametrosEmpresa VALUES (1, 'D''AGUA', 1, 'novo'), "
                 "(1, 'DAGUA', 0, 'outro')"});
    for (int i = 0; i < 3; ++i)
        dialogos->responder(Resposta::Sim);
    CopiarRegistroParaEmpresa("Cod_Moeda|DATA", "1|15/03/2026", "VALORES.DB", false);
    CopiarRegistroParaEmpresa("Cod_Moeda|DATA", "1|", "VALORES.DB", false);
    CopiarRegistroParaEmpresa("Filial|NomeParametro", "1|D'AGUA", "ParametrosEmpresa", false);
    EXPECT_EQ(TextoTabela("C:\\EMPRESA2\\VALORES.DB"), "1||4.9\n1|01/03/2026|1\n1|15/03/2026|5.2");
    EXPECT_EQ(TextoTabela("C:\\EMPRESA2\\ParametrosEmpresa.DB"), "1|D'AGUA|True|novo");
    EXPECT_EQ(dialogos->textos(), (QStringList{Existe, Existe}));
}

TEST_F(CopiarRegistro, FalhasNaoMexemNoDestino) {
    ExecutarSql({"INSERT INTO MOEDA VALUES (2, 'EURO', 'EUR')",
                 "INSERT INTO \"C:\\EMPRESA2\\MOEDA.DB\" VALUES (9, 'LIBRA', 'GBP')"});
    const struct {
        const char* lembrada;
        const char* escolhida;
        const char* chave;
        QString mensagem;
    } casos[] = {
        {"", "", "2", "Você deve selecionar ao menos um registro !"},
        {"9", "", "2", "Erro ao selecionar empresa de destino!!!"},
        {"2", "", "7", "Registro não encontrado na empresa de origem!"},
        {"2", "", "x", "Registro não encontrado na empresa de origem!"},
        {"3", "", "2", "Directory does not exist: C:\\SUMIDA"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mensagem.toStdString());
        Sess().EmpresaDestino = c.lembrada;
        escolher(c.escolhida);
        dialogos->limpar();
        CopiarRegistroParaEmpresa("Cod_Moeda", c.chave, "MOEDA.DB", false);
        EXPECT_EQ(dialogos->textos(), QStringList{c.mensagem});
        EXPECT_EQ(TextoTabela("C:\\EMPRESA2\\MOEDA.DB"), "9|LIBRA|GBP");
    }
}
