// The print options and copies windows: which printer and port a choice
// leads to, the terminal-server destination rule, and what each choice does
// to the other controls.
#include "services/TfoTipoImpr.h"
#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"
#include "services/ConfigImpressao.h"
#include "services/ImpressoraGrafica.h"
#include "services/ListaImpressoras.h"
#include "services/TfoQtdCopias.h"
#include "session/Sessao.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {

class TfoTipoImprTest : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        CfgImpressao() = ConfigImpressao();
        InstalarEscolhaImpressoraGrafica([this](QPrinter&) {
            ++dialogosImpressora;
            return true;
        });
        InstalarImpressorasInstaladas([] {
            return QStringList{"EPSON LX-300 on LPT1:", "HP_LaserJet on HP_LaserJet"};
        });
    }
    void TearDown() override {
        InstalarEscolhaImpressoraGrafica(nullptr);
        InstalarImpressorasInstaladas(nullptr);
        InstalacaoTeste::TearDown();
    }

    void escreverPrinters(const QByteArray& linhas) {
        QFile f(host("C:\\") + "/Printers.txt");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(linhas);
    }
    template <class T> T* controle(const QString& nome) {
        T* w = janela.findChild<T*>(nome);
        EXPECT_NE(w, nullptr) << nome.toStdString();
        return w;
    }
    QComboBox* impressora() { return controle<QComboBox>("Impressora"); }
    QString linhas() { return controle<QLineEdit>("Linhas por pagina")->text(); }
    // Picks an entry as the operator does and presses OK.
    void escolherEConfirmar(int indice) {
        janela.escolherImpressora(indice);
        janela.confirmar();
    }

    TfoTipoImpr janela;
    int dialogosImpressora = 0;
};

TEST_F(TfoTipoImprTest, ArquivoPrintersEhNomeEDispositivoAoMesmoTempo) {
    escreverPrinters("\\\\SERVER\\EPSON\r\nLPT2\r\n\r\n");
    janela.preparar();
    EXPECT_EQ(impressora()->count(), 4);
    EXPECT_EQ(impressora()->currentText(), "VISUALIZAR");
    EXPECT_EQ(linhas(), "066");

    escolherEConfirmar(0);
    const ConfigImpressao& cfg = CfgImpressao();
    EXPECT_EQ(cfg.NomeImpressora, "\\\\SERVER\\EPSON");
    EXPECT_EQ(cfg.Porta, "\\\\SERVER\\EPSON");
    EXPECT_EQ(cfg.Destino, 'I');
    EXPECT_EQ(cfg.Modo, 'T');
    EXPECT_EQ(cfg.CodigoPasso, CaractereNormal);
    EXPECT_EQ(cfg.LinhasPorPagina, 66);

    // Shown again, the window keeps the entry chosen last.
    janela.preparar();
    EXPECT_EQ(impressora()->currentText(), "\\\\SERVER\\EPSON");
    janela.confirmar();
    EXPECT_EQ(CfgImpressao().Porta, "\\\\SERVER\\EPSON");
}

TEST_F(TfoTipoImprTest, ImpressorasInstaladasDaoPortaDepoisDeOn) {
    const struct {
        const char* entrada;
        const char* porta;
    } casos[] = {
        {"EPSON LX-300 on LPT1:", "LPT1"},
        {"HP on usb://HP/LaserJet", "usb//HP/LaserJet"},
        {"Fila on ", ""},
        {"Sem porta", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(PortaDaEntrada(c.entrada), c.porta) << c.entrada;
    EXPECT_EQ(PortaDaEntrada("X on " + QString(60, 'P')), QString(50, 'P'));

    janela.preparar();
    escolherEConfirmar(0);
    EXPECT_EQ(CfgImpressao().NomeImpressora, "EPSON LX-300 on LPT1:");
    EXPECT_EQ(CfgImpressao().Porta, "LPT1");
    escolherEConfirmar(3);
    EXPECT_EQ(CfgImpressao().NomeImpressora, "VISUALIZAR");
    EXPECT_EQ(CfgImpressao().Porta, "");
    EXPECT_EQ(CfgImpressao().Destino, 'V');
    // The PDF file sits between the printers and the preview.
    escolherEConfirmar(2);
    EXPECT_EQ(CfgImpressao().NomeImpressora, "Arquivo PDF");
    EXPECT_EQ(CfgImpressao().Porta, "");
    EXPECT_EQ(CfgImpressao().Destino, 'P');
}

// Through a terminal server a text report for a printer becomes a file on
// the client's drive; preview still previews; graphic output still prints.
TEST_F(TfoTipoImprTest, EstacaoComTerminalMandaTextoParaArquivoDoCliente) {
    Sess().TermServ = true;
    janela.preparar();
    EXPECT_FALSE(controle<QLabel>("Impressão via TS Habilitada")->isHidden());
    EXPECT_EQ(impressora()->currentIndex(), -1);

    escolherEConfirmar(1);
    EXPECT_EQ(CfgImpressao().Destino, 'T');
    escolherEConfirmar(2);
    EXPECT_EQ(CfgImpressao().Destino, 'P');
    escolherEConfirmar(3);
    EXPECT_EQ(CfgImpressao().Destino, 'V');
    janela.escolherImpressora(0);
    janela.escolherGrafico();
    janela.confirmar();
    EXPECT_EQ(CfgImpressao().Destino, 'I');

    janela.desligarTermServ();
    EXPECT_FALSE(Sess().TermServ);
    EXPECT_TRUE(controle<QLabel>("Impressão via TS Habilitada")->isHidden());
    janela.escolherTexto();
    escolherEConfirmar(1);
    EXPECT_EQ(CfgImpressao().Destino, 'I');
}

TEST_F(TfoTipoImprTest, EscolhasAjustamLinhasListaEOrientacao) {
    janela.preparar();
    auto* orientacao = controle<QGroupBox>("Orientacao");
    auto* campoLinhas = controle<QLineEdit>("Linhas por pagina");
    EXPECT_TRUE(orientacao->isHidden());

    const struct {
        void (TfoTipoImpr::*escolha)();
        const char* linhas;
        bool grafico;
        int dialogos;
    } passos[] = {
        {&TfoTipoImpr::escolherCompactada, "066", false, 0},
        {&TfoTipoImpr::escolherGrafico, "099", true, 1},
        {&TfoTipoImpr::escolherNormal, "066", true, 1},
        {&TfoTipoImpr::escolherPaisagem, "058", true, 1},
        {&TfoTipoImpr::escolherCompactada, "099", true, 1},
        {&TfoTipoImpr::entrarImpressora, "099", true, 2},
        {&TfoTipoImpr::escolherRetrato, "066", true, 2},
        {&TfoTipoImpr::escolherPaisagem, "058", true, 2},
        {&TfoTipoImpr::escolherTexto, "066", false, 2},
        {&TfoTipoImpr::entrarImpressora, "066", false, 2},
        {&TfoTipoImpr::escolherGrafico, "099", true, 3},
    };
    int n = 0;
    for (const auto& p : passos) {
        SCOPED_TRACE(n++);
        (janela.*p.escolha)();
        EXPECT_EQ(linhas(), p.linhas);
        EXPECT_EQ(orientacao->isHidden(), !p.grafico);
        EXPECT_EQ(campoLinhas->isReadOnly(), p.grafico);
        EXPECT_EQ(impressora()->isEnabled(), !p.grafico);
        EXPECT_EQ(dialogosImpressora, p.dialogos);
    }
    janela.confirmar();
    const ConfigImpressao& cfg = CfgImpressao();
    EXPECT_EQ(cfg.Modo, 'G');
    EXPECT_EQ(cfg.Orientacao, 'P');
    EXPECT_EQ(cfg.CodigoPasso, CaractereCompactado);
    EXPECT_EQ(cfg.LinhasPorPagina, 99);

    // Shown again in graphic mode: the settings come back, no dialog opens.
    janela.preparar();
    EXPECT_FALSE(orientacao->isHidden());
    EXPECT_TRUE(controle<QRadioButton>("Paisagem")->isChecked());
    EXPECT_EQ(dialogosImpressora, 3);
    // Choosing VISUALIZAR goes back to text.
    janela.escolherImpressora(impressora()->count() - 1);
    EXPECT_TRUE(controle<QRadioButton>("Texto")->isChecked());
    EXPECT_EQ(linhas(), "066");
    EXPECT_TRUE(orientacao->isHidden());
}

TEST_F(TfoTipoImprTest, ZeroLinhasViram66EMarca1TiraASelecao) {
    CfgImpressao().LinhasPorPagina = 0;
    janela.setTag(1);
    janela.preparar();
    EXPECT_EQ(linhas(), "066");
    EXPECT_EQ(impressora()->currentIndex(), -1);
}

TEST_F(TfoTipoImprTest, QuantidadeDeCopiasDeUmANoventaENove) {
    TfoQtdCopias copias;
    EXPECT_EQ(copias.windowTitle(), "Quantidade de Copias");
    auto* campo = copias.findChild<QSpinBox*>("Copias");
    ASSERT_NE(campo, nullptr);
    const struct { int digitado, gravado; } casos[] = {{1, 1}, {3, 3}, {0, 1}, {150, 99}};
    for (const auto& c : casos) {
        campo->setValue(c.digitado);
        copias.confirmar();
        EXPECT_EQ(CfgImpressao().Copias, c.gravado);
        EXPECT_EQ(copias.result(), QDialog::Accepted);
    }
}

} // namespace

namespace {
TEST_F(TfoTipoImprTest, LinhasDigitadasFicamEVazioERecusado) {
    janela.preparar();
    auto* campoLinhas = controle<QLineEdit>("Linhas por pagina");
    campoLinhas->setText("080");
    escolherEConfirmar(impressora()->count() - 1);
    EXPECT_EQ(linhas(), "080");
    EXPECT_EQ(CfgImpressao().LinhasPorPagina, 80);
    EXPECT_EQ(CfgImpressao().Destino, 'V');

    CfgImpressao().LinhasPorPagina = 50;
    campoLinhas->setText("");
    janela.setResult(QDialog::Rejected);
    janela.confirmar();
    EXPECT_EQ(dialogos->textos(), QStringList{"'' is not a valid integer value"});
    EXPECT_EQ(CfgImpressao().LinhasPorPagina, 50);
    EXPECT_EQ(janela.result(), QDialog::Rejected);
}
} // namespace
