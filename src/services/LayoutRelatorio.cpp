#include "LayoutRelatorio.h"

#include "LayoutGrade.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTableView>

QString ArquivoLayoutRelatorio(const QString& nome) {
    const QString pasta = QDir(PastaPrograma()).filePath("RelCfg");
    QDir().mkpath(pasta);
    return QDir(pasta).filePath(nome + ".cfg");
}

void PrepararLayoutRelatorio(const QTableView& grade, const QString& arquivo) {
    if (!ColunasConferem(grade, arquivo))
        GravarColunasGrade(grade, arquivo);
}

void SalvarLayoutRelatorio(const QTableView& grade, const QString& arquivo) {
    GravarColunasGrade(grade, arquivo);
}

void CarregarLayoutRelatorio(QTableView& grade, const QString& arquivo) {
    AplicarColunasGrade(grade, arquivo);
}

void ApagarLayoutRelatorio(const QString& arquivo) {
    QFile::remove(arquivo);
}

QList<ColunaRelatorio> ColunasRelatorio(const QTableView& grade) {
    QList<ColunaRelatorio> colunas;
    const QAbstractItemModel* modelo = grade.model();
    if (!modelo)
        return colunas;
    const QHeaderView* cab = grade.horizontalHeader();
    int posicao = 1;
    for (int v = 0; v < cab->count(); ++v) {
        const int logica = cab->logicalIndex(v);
        if (cab->isSectionHidden(logica))
            continue;
        const int largura = cab->sectionSize(logica);
        colunas.append(
            {logica, modelo->headerData(logica, Qt::Horizontal).toString(), largura, posicao});
        posicao += largura / 6;
    }
    return colunas;
}
