// The customer-data capture through a fake TecDataSoft program that copies
// a prepared reply to TEC.RET: every message, the request written, an "OK"
// without items, and which date goes to the registration for a person and
// for a company.
#include "CliforTeste.h"

#include "clifor/CapturaTecDataSoft.h"
#include "clifor/TFoCadastroCliFor.h"
#include "clifor/TfoIntegraTecDataSoft.h"
#include "services/JanelaModal.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class CapturaTecDataSoft : public CliforTeste {
protected:
    void SetUp() override {
        CliforTeste::SetUp();
        pasta = host("C:\\TEC");
        QDir().mkpath(pasta);
        QFile script(pasta + "/tec.sh");
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\ncp TEC.ENV pedido.txt\n"
                     "[ -f resposta.txt ] && cp resposta.txt TEC.RET\nexit 0\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Sess().CaminhoTecDataSoft = "C:\\TEC\\tec.sh";
        linha("Uf", {{"SgUf", "SP"}, {"CoUf", "35"}});
        linha("MUNIC", {{"CoMunicipio", "3509502"}, {"NoMunicipio", "CAMPINAS"}});
        for (int i = 0; i < TfoIntegraTecDataSoft::QuantosAlvos; ++i)
            alvos << new QLineEdit(&painel);
    }
    void TearDown() override {
        InstalarExibirModal(nullptr);
        CliforTeste::TearDown();
    }

    void resposta(const QByteArray& texto) {
        QFile f(pasta + "/resposta.txt");
        f.open(QIODevice::WriteOnly);
        f.write(texto);
    }
    QString pedido() const {
        QFile f(pasta + "/pedido.txt");
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : "<nenhum>";
    }
    // Opens the capture on `documento`, queries by it (or by `nome`), and
    // applies when the query enabled "Aplicar Dados".
    bool capturar(const QString& documento, const QString& nome = QString()) {
        InstalarExibirModal([this, nome](QDialog& d) {
            auto& j = static_cast<TfoIntegraTecDataSoft&>(d);
            if (!nome.isEmpty()) {
                j.findChild<QRadioButton*>("Nome (Razão Social)")->setChecked(true);
                j.findChild<QLineEdit*>("Nome")->setText(nome);
            }
            j.consultar();
            aplicar = j.findChild<QPushButton*>("Aplicar Dados")->isEnabled();
            razao = j.caixa("Razão Social :")->text();
            if (aplicar)
                j.aplicarDados();
            return j.result();
        });
        TfoIntegraTecDataSoft janela;
        return janela.abrir(documento, alvos);
    }
    QStringList textosAlvos() const {
        QStringList t;
        for (QLineEdit* e : alvos)
            t << e->text();
        return t;
    }

    QString pasta;
    QWidget painel;
    QList<QLineEdit*> alvos;
    bool aplicar = false;
    QString razao;
};

TEST_F(CapturaTecDataSoft, CadaFalhaComSuaMensagemENadaNoCadastro) {
    const struct {
        const char* caminho;
        const char* documento;
        const char* nome;
        QByteArray resposta; // empty: the program writes none
        const char* mensagem;
    } casos[] = {
        {"", "11222333000181", "", "",
         "Para integração com TecDataSoft, favor configurar o caminho do aplicativo!!!"},
        {"C:\\TEC\\sumiu.exe", "11222333000181", "", "",
         "Aplicativo TecDataSoft não encontrado em \n\nC:\\TEC\\sumiu.exe"},
        {"C:\\TEC\\tec.sh", "", "", "",
         "Para consultar por cnpj ou cpf, favor preencher o campo!!!"},
        {"C:\\TEC\\tec.sh", "", " ", "",
         "Para consultar por Nome (Razao Social), favor preencher o campo!!!"},
        {"C:\\TEC\\tec.sh", "11222333000181", "", "",
         "Arquivo de retorno do TecDataSoft não encontrado... Tente novamente!!!"},
        {"C:\\TEC\\tec.sh", "11222333000181", "",
         "00-00 = ERRO\r\n00-01 = CNPJ NAO ENCONTRADO\n00-02 = TENTE OUTRO\r\n",
         "Erro na tentativa de buscar dados do cliente : CNPJ NAO ENCONTRADO\n\nTENTE "
         "OUTRO\n\n"},
    };
    for (const auto& c : casos) {
        dialogos->limpar();
        Sess().CaminhoTecDataSoft = c.caminho;
        QFile::remove(pasta + "/resposta.txt");
        if (!c.resposta.isEmpty())
            resposta(c.resposta);
        EXPECT_FALSE(capturar(c.documento, c.nome)) << c.mensagem;
        EXPECT_EQ(mensagens(), c.mensagem);
        EXPECT_FALSE(aplicar) << c.mensagem;
    }
    EXPECT_EQ(textosAlvos(), QStringList(TfoIntegraTecDataSoft::QuantosAlvos));
}

TEST_F(CapturaTecDataSoft, OkSemItensSoHabilitaAplicar) {
    resposta("00-00 = OK\r\n");
    EXPECT_TRUE(capturar("529.982.247-25"));
    EXPECT_TRUE(aplicar);
    EXPECT_EQ(pedido(), "00-00 = INF\r\n03-00 = 52998224725\r\n");
    EXPECT_EQ(relogio->totalEsperado(), 300);
    // Only the document asked for reaches the registration.
    QStringList esperados(TfoIntegraTecDataSoft::QuantosAlvos);
    esperados[TfoIntegraTecDataSoft::Documento] = "52998224725";
    EXPECT_EQ(textosAlvos(), esperados);
}

TEST_F(CapturaTecDataSoft, DataDeAberturaSoParaEmpresaENascimentoSoParaPessoa) {
    // Windows-1252: "Ã" is 0xC3 as in Latin-1, "–" is 0x96.
    const QByteArray itens = QString("00-00 = OK\n03-01 = TINTAS SÃO JOÃO LTDA\n"
                                     "03-02 = SAO JOAO\n03-03 = RUA DAS ACACIAS, 45\n"
                                     "03-04 = CENTRO\n03-05 = CAMPINAS\n03-06 = 13.015-001\n"
                                     "03-07 = SP\n03-08 = 1932320000\n03-09 = 19991110000\n"
                                     "03-10 = compras@saojoao.com.br\n03-11 = 244555666777\n"
                                     "03-12 = 15032010\n03-14 = 52998224725\n"
                                     "03-15 = 02021980\n")
                                 .toLatin1() +
                             "03-13 = JOANA \x96 COMPRAS\n";
    resposta(itens);
    EXPECT_TRUE(capturar("12.abc.345/01de-35"));
    EXPECT_EQ(razao, QString("TINTAS SÃO JOÃO LTDA"));
    EXPECT_EQ(textosAlvos(),
              (QStringList{"12ABC34501DE35", "TINTAS SÃO JOÃO LTDA", "244555666777", "SAO JOAO",
                           "RUA DAS ACACIAS, 45", "CENTRO", "CAMPINAS", "13015001", "SP",
                           "1932320000", "19991110000", "compras@saojoao.com.br", "JOANA – COMPRAS",
                           "3509502", "", "15/03/2010"}));
    EXPECT_EQ(dialogos->textos(),
              (QStringList{"Confirma que deseja utilizar estes dados no cliente selecionado ?",
                           "Dados inseridos no cadastro de clientes..."}));

    for (QLineEdit* e : alvos)
        e->clear();
    resposta(itens + "03-00 = 529.982.247-25\n");
    EXPECT_TRUE(capturar("", "são joão"));
    EXPECT_EQ(pedido(), QString("00-00 = INF\r\n03-01 = SÃO JOÃO\r\n"));
    EXPECT_EQ(textosAlvos()[TfoIntegraTecDataSoft::Documento], "52998224725");
    EXPECT_EQ(textosAlvos()[TfoIntegraTecDataSoft::Nascimento], "02/02/1980");
    EXPECT_EQ(textosAlvos()[TfoIntegraTecDataSoft::Abertura], "");
}

TEST_F(CapturaTecDataSoft, CadastroEmAlteracaoRecebeOsDados) {
    Sess().FatModNf = 19; // no access code for the window
    Sess().IntegraTecDataSoft = true;
    parte(1, "NOME ANTIGO", {{"CGC", CnpjA}, {"FANTASIA", "ANTIGA"}});
    resposta("00-00 = OK\n03-01 = NOME NOVO LTDA\n03-02 = NOVA\n03-12 = 15032010\n");
    TFoCadastroCliFor janela;
    ASSERT_TRUE(janela.abrir());
    InstalarExibirModal([](QDialog& d) {
        auto& j = static_cast<TfoIntegraTecDataSoft&>(d);
        j.consultar();
        j.aplicarDados();
        return j.result();
    });
    janela.capturarDados();
    EXPECT_EQ(janela.modo(), "A");
    EXPECT_EQ(pedido(), "00-00 = INF\r\n03-00 = " + CnpjA + "\r\n");
    EXPECT_EQ(janela.dm().TClifor.campo("NOME").texto(), "NOME NOVO LTDA");
    EXPECT_EQ(janela.dm().TClifor.campo("FANTASIA").texto(), "NOVA");
    EXPECT_EQ(janela.dm().TClifor.campo("DataAberturaEmp").texto(), "15/03/2010");
}

} // namespace
