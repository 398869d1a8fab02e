#include "ExportacaoPlanilha.h"

#include "EscolhaArquivo.h"
#include "Planilha.h"
#include "session/Dialogos.h"
#include "session/Relogio.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableView>

QList<QStringList> LinhasDaGrade(QTableView& grade) {
    QAbstractItemModel* m = grade.model();
    if (!m)
        return {};
    while (m->canFetchMore(QModelIndex()))
        m->fetchMore(QModelIndex());
    const QHeaderView* cab = grade.horizontalHeader();
    QList<int> colunas;
    for (int v = 0; v < cab->count(); ++v) {
        const int c = cab->logicalIndex(v);
        if (!cab->isSectionHidden(c) && !grade.isColumnHidden(c))
            colunas << c;
    }
    QList<QStringList> linhas;
    QStringList titulos;
    for (int c : colunas)
        titulos << m->headerData(c, Qt::Horizontal).toString();
    linhas << titulos;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList linha;
        for (int c : colunas) {
            const QModelIndex i = m->index(r, c);
            const QString texto = m->data(i).toString();
            const bool direita = m->data(i, Qt::TextAlignmentRole).toInt() & Qt::AlignRight;
            linha << (direita ? NumeroSemMilhar(texto) : texto);
        }
        linhas << linha;
    }
    return linhas;
}

bool ExportarGradeParaPlanilha(QTableView& grade) {
    QString titulo = grade.window()->windowTitle();
    if (titulo.isEmpty())
        titulo = grade.objectName();
    QString arquivo = EscolherArquivoGravar(
        "Exportar para planilha", NomeArquivoProposto(titulo, Relogio::atual().hoje(), "csv"),
        "Planilha CSV (*.csv)");
    if (arquivo.isEmpty())
        return false;
    if (QFileInfo(arquivo).suffix().isEmpty())
        arquivo += ".csv";
    QString erro;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool gravou = GravarCsv(arquivo, LinhasDaGrade(grade), erro);
    QApplication::restoreOverrideCursor();
    const QString nome = QDir::toNativeSeparators(arquivo);
    if (!gravou) {
        MostrarErro("Não foi possível gravar o arquivo " + nome + ": " + erro);
        return false;
    }
    if (Confirmar("A planilha foi gravada em " + nome + ".\nDeseja abri-la agora?") &&
        !AbrirNoDesktop(arquivo))
        MostrarMensagem("Não há programa para abrir " + nome + ".");
    return true;
}
