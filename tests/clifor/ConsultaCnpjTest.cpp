// The CNPJ lookup against fake revenue pages served on 127.0.0.1: the query
// form filled and submitted, the receipt read into the boxes (a caption on
// the last line fills nothing), "Marcar no Cliente" copying cleaned values,
// an 11-digit document opening nothing, an alphanumeric CNPJ going through.
#include "CliforTeste.h"

#include "clifor/ConsultaCnpj.h"
#include "clifor/TFoCadastroCliFor.h"
#include "clifor/TfoConsultaCnpj.h"
#include "services/JanelaModal.h"
#include "services/Navegador.h"

#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

const char* const Formulario =
    "<html><body><form name=\"frmConsulta\" method=\"post\" action=\"valida.asp\">"
    "<input type=\"hidden\" name=\"origem\" value=\"comprovante\">"
    "<input type=\"text\" name=\"cnpj\" maxlength=\"18\">"
    "<input type=\"submit\" name=\"submit1\" value=\"Consultar\">"
    "<input type=\"reset\" name=\"limpar\" value=\"Limpar\">"
    "</form></body></html>";

// Latin-1 as the service serves it; the special status caption ends the page.
const QByteArray Comprovante =
    QString("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
            "charset=iso-8859-1\"></head><body><table>"
            "<tr><td><font>NÚMERO DE INSCRIÇÃO</font><br><b>12.ABC.345/01DE-35</b></td>"
            "<td><font>NOME EMPRESARIAL</font><br><b> TINTAS ALFA &amp; CIA LTDA </b></td></tr>"
            "<tr><td><font>LOGRADOURO</font><br><b>R JOSE PAULINO</b></td>"
            "<td><font>NÚMERO</font><br><b>1.250 A</b></td>"
            "<td><font>COMPLEMENTO</font><br><b>SALA 3</b></td></tr>"
            "<tr><td><font>CEP</font><br><b>13.013-001</b></td>"
            "<td><font>BAIRRO/DISTRITO</font><br><b>CENTRO</b></td>"
            "<td><font>MUNICÍPIO</font><br><b>CAMPINAS</b></td>"
            "<td><font>UF</font><br><b>SP</b></td></tr>"
            "<tr><td><font>SITUAÇÃO CADASTRAL</font><br><b>ATIVA</b></td></tr>"
            "<tr><td><font>SITUAÇÃO ESPECIAL</font></td></tr></table></body></html>")
        .toLatin1();

// Answers the query page, the form's post (with a 303 to the receipt) and
// the receipt; keeps each request line and posted body.
class ServidorFalso : public QTcpServer {
public:
    QStringList pedidos;

    ServidorFalso() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, s, [this, s] { ler(s); });
        });
    }
    QString endereco() const {
        return QString("http://127.0.0.1:%1/cnpjreva/Cnpjreva_Solicitacao2.asp").arg(serverPort());
    }

private:
    void ler(QTcpSocket* s) {
        QByteArray& dados = buffers_[s];
        dados += s->readAll();
        const int fim = dados.indexOf("\r\n\r\n");
        if (fim < 0)
            return;
        int tamanho = 0;
        for (const QByteArray& l : dados.left(fim).split('\n'))
            if (l.toLower().startsWith("content-length:"))
                tamanho = l.mid(15).trimmed().toInt();
        if (dados.size() < fim + 4 + tamanho)
            return;
        const QByteArray linha = dados.left(dados.indexOf("\r\n"));
        const QByteArray corpo = dados.mid(fim + 4, tamanho);
        buffers_.remove(s);
        pedidos << QString::fromLatin1(linha + (corpo.isEmpty() ? "" : " " + corpo));
        QByteArray resposta;
        if (linha.contains("Cnpjreva_Solicitacao2.asp"))
            resposta = responder("200 OK", "text/html", Formulario);
        else if (linha.startsWith("POST") && linha.contains("valida.asp"))
            resposta = "HTTP/1.1 303 See Other\r\nLocation: Cnpjreva_Comprovante.asp\r\n"
                       "Content-Length: 0\r\nConnection: close\r\n\r\n";
        else if (linha.contains("Cnpjreva_Comprovante.asp"))
            resposta = responder("200 OK", "text/html", Comprovante);
        else
            resposta = responder("404 Not Found", "text/html", "");
        s->write(resposta);
        s->disconnectFromHost();
    }
    static QByteArray responder(const char* estado, const char* tipo, const QByteArray& corpo) {
        return QByteArray("HTTP/1.1 ") + estado + "\r\nContent-Type: " + tipo +
               "\r\nContent-Length: " + QByteArray::number(corpo.size()) +
               "\r\nConnection: close\r\n\r\n" + corpo;
    }
    QHash<QTcpSocket*, QByteArray> buffers_;
};

class ConsultaCnpjTeste : public CliforTeste {
protected:
    void SetUp() override {
        CliforTeste::SetUp();
        DefinirEnderecoConsultaCnpj(servidor.endereco());
        for (int i = 0; i < 9; ++i)
            alvos << new QLineEdit(&painel);
    }
    void TearDown() override {
        InstalarExibirModal(nullptr);
        CliforTeste::TearDown();
    }

    // Shows the window until the receipt loaded (or 10 s passed), then
    // runs `depois` on it.
    void conduzir(std::function<void(TfoConsultaCnpj&)> depois) {
        InstalarExibirModal([this, depois](QDialog& d) {
            ++janelas;
            auto& janela = static_cast<TfoConsultaCnpj&>(d);
            QEventLoop espera;
            auto original = janela.navegador().aoCarregar;
            janela.navegador().aoCarregar = [&](const QUrl& url) {
                original(url);
                if (url.toString().contains("Cnpjreva_Comprovante.asp"))
                    espera.quit();
            };
            QTimer::singleShot(10000, &espera, &QEventLoop::quit);
            espera.exec();
            depois(janela);
            return int(QDialog::Accepted);
        });
    }
    static QString caixa(TfoConsultaCnpj& j, const QString& rotulo) {
        QLineEdit* e = j.findChild<QLineEdit*>(rotulo);
        return e ? e->text() : "<sem caixa>";
    }
    QStringList textosAlvos() const {
        QStringList t;
        for (QLineEdit* e : alvos)
            t << e->text();
        return t;
    }

    ServidorFalso servidor;
    QWidget painel;
    QList<QLineEdit*> alvos;
    int janelas = 0;
};

TEST_F(ConsultaCnpjTeste, ComprovantePreencheEMarcaValoresLimpos) {
    QStringList lidos;
    conduzir([&lidos](TfoConsultaCnpj& j) {
        for (const QString& r : RotulosComprovanteCnpj())
            lidos << caixa(j, r);
        EXPECT_FALSE(j.findChild<QLabel*>("Carregando")->isVisible());
        j.marcarNoCliente();
    });
    ConsultaCnpj("12ABC34501DE35", true, alvos);
    EXPECT_EQ(janelas, 1);
    EXPECT_EQ(servidor.pedidos,
              (QStringList{"GET /cnpjreva/Cnpjreva_Solicitacao2.asp HTTP/1.1",
                           "POST /cnpjreva/valida.asp HTTP/1.1 "
                           "origem=comprovante&cnpj=12ABC34501DE35&submit1=Consultar",
                           "GET /cnpjreva/Cnpjreva_Comprovante.asp HTTP/1.1"}));
    EXPECT_EQ(lidos, (QStringList{"TINTAS ALFA & CIA LTDA", "12.ABC.345/01DE-35", "R JOSE PAULINO",
                                  "1.250 A", "SALA 3", "13.013-001", "CENTRO", "CAMPINAS", "SP",
                                  "ATIVA", "", "", "", "", "", ""}));
    EXPECT_EQ(textosAlvos(),
              (QStringList{"12ABC34501DE35", "TINTAS ALFA & CIA LTDA", "R JOSE PAULINO", "1250",
                           "SALA 3", "CENTRO", "13013001", "CAMPINAS", "SP"}));
}

TEST_F(ConsultaCnpjTeste, SoDocumentoDeQuatorzeCaracteresAbreAConsulta) {
    conduzir([](TfoConsultaCnpj&) {});
    for (const char* documento : {"52998224725", "1122233300018", "112223330001810", ""})
        ConsultaCnpj(documento, true, alvos);
    EXPECT_EQ(janelas, 0);
    EXPECT_TRUE(servidor.pedidos.isEmpty());
}

TEST_F(ConsultaCnpjTeste, SemMarcarNadaVaiParaOCliente) {
    conduzir([](TfoConsultaCnpj& j) {
        EXPECT_FALSE(j.findChild<QPushButton*>("Marcar no Cliente")->isVisibleTo(&j));
        EXPECT_EQ(caixa(j, "UF"), "SP");
    });
    ConsultaCnpj("11222333000181", false, alvos);
    EXPECT_EQ(textosAlvos(), QStringList(9));
}

TEST_F(ConsultaCnpjTeste, MarcarNoClienteEmAlteracaoPreencheAParte) {
    Sess().FatModNf = 19; // no access code for the window
    parte(1, "NOME ANTIGO", {{"CGC", "12ABC34501DE35"}, {"ENDERECO", "RUA VELHA"}});
    TFoCadastroCliFor janela;
    ASSERT_TRUE(janela.abrir());
    janela.alterar();
    ASSERT_EQ(janela.modo(), "A");
    conduzir([](TfoConsultaCnpj& j) { j.marcarNoCliente(); });
    janela.consultarCnpj();
    const auto campo = [&janela](const char* c) { return janela.dm().TClifor.campo(c).texto(); };
    EXPECT_EQ((QStringList{campo("CGC"), campo("NOME"), campo("ENDERECO"), campo("NUMERO"),
                           campo("COD_CEPEND"), campo("CIDADE")}),
              (QStringList{"12ABC34501DE35", "TINTAS ALFA & CIA LTDA", "R JOSE PAULINO", "1250",
                           "13013001", "CAMPINAS"}));
}

TEST_F(ConsultaCnpjTeste, RotuloNaUltimaLinhaNaoPreencheNada) {
    const QStringList v = LerComprovanteCnpj("  UF \nSP\nCEP\n 13.013-001 \nUF\nRJ\nMUNICÍPIO");
    EXPECT_EQ(v[8], "RJ");
    EXPECT_EQ(v[5], "13.013-001");
    EXPECT_EQ(v[7], "");
}

} // namespace
