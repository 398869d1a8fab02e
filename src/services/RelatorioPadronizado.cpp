#include "RelatorioPadronizado.h"

#include "ConfigImpressao.h"
#include "JanelaModal.h"
#include "LayoutRelatorio.h"
#include "RelatorioTexto.h"
#include "TfoLayoutRelatorio.h"
#include "TfoTipoImpr.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// "Aguarde o procedimento...": shown while the rows are written.
class JanelaProgresso : public QDialog {
public:
    JanelaProgresso(const QString& titulo, int total) : barra_(new QProgressBar(this)) {
        setObjectName("Progresso");
        setWindowTitle("Aguarde o procedimento...");
        auto* rotulo = new QLabel("Gerando " + titulo + "...", this);
        barra_->setRange(0, std::max(total, 1));
        barra_->setValue(0);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(rotulo);
        layout->addWidget(barra_);
        show();
    }
    void avancar(int linha) {
        barra_->setValue(linha + 1);
        QApplication::processEvents();
    }

private:
    QProgressBar* barra_;
};

void carregarTudo(QAbstractItemModel& dados) {
    while (dados.canFetchMore(QModelIndex()))
        dados.fetchMore(QModelIndex());
}
} // namespace

void GerarRelatorioPadronizado(const QString& titulo, QAbstractItemModel& dados,
                               const QList<ColunaRelatorio>& colunas,
                               const std::function<void(int)>& avancar) {
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Pagina = 0;
    cfg.LinhasUsadas = cfg.LinhasPorPagina;
    cfg.Largura = cfg.Modo == 'G' && cfg.Orientacao == 'P' ? 160 : 100;
    cfg.Linha = 99;
    IniciarRelatorio();
    LimparPagina();
    carregarTudo(dados);
    for (int r = 0; r < dados.rowCount(); ++r) {
        if (avancar)
            avancar(r);
        ++cfg.Linha;
        if (cfg.Linha > cfg.LinhasPorPagina - 5) {
            Cabecalho(titulo, QString());
            ++cfg.Linha;
            for (const ColunaRelatorio& c : colunas)
                EscreverTexto(cfg.Linha, c.posicao, c.titulo.toUpper());
            cfg.Linha += 2;
        }
        for (const ColunaRelatorio& c : colunas)
            EscreverTexto(cfg.Linha, c.posicao, dados.data(dados.index(r, c.logica)).toString());
    }
    ImprimirPagina();
    FinalizarRelatorio();
}

void RelatorioPadronizado(const QString& titulo, QTableView& grade, const QString& nomeLayout) {
    QAbstractItemModel* dados = grade.model();
    if (!dados)
        return;
    const bool atualizava = grade.updatesEnabled();
    try {
        const QString arquivo = ArquivoLayoutRelatorio(nomeLayout);
        PrepararLayoutRelatorio(grade, arquivo);
        TfoLayoutRelatorio layout(dados, arquivo);
        ExibirModal(layout);
        const QList<ColunaRelatorio> colunas = ColunasRelatorio(layout.grade());

        ReiniciarConfigImpressao();
        EscolherImpressao();
        if (!Confirmar("Confirma Emissao"))
            return;
        carregarTudo(*dados);
        JanelaProgresso progresso(titulo, dados->rowCount());
        grade.setUpdatesEnabled(false);
        GerarRelatorioPadronizado(titulo, *dados, colunas,
                                  [&progresso](int linha) { progresso.avancar(linha); });
        grade.setUpdatesEnabled(atualizava);
    } catch (const ErroBanco& e) {
        AbandonarRelatorio();
        grade.setUpdatesEnabled(atualizava);
        MostrarErro("Erro ao gerar relatório padronizado :\r\r" + e.texto());
    } catch (const std::exception& e) {
        AbandonarRelatorio();
        grade.setUpdatesEnabled(atualizava);
        MostrarErro("Erro ao gerar relatório padronizado :\r\r" + QString::fromLocal8Bit(e.what()));
    }
}
