#include "LayoutRelatorio.h"

#include "LayoutGrade.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QSettings>
#include <QTableView>
#include <algorithm>
#include <vector>

namespace {
QString grupo(int logica) {
    return QString("Coluna%1").arg(logica);
}
} // namespace

QString ArquivoLayoutRelatorio(const QString& nome) {
    const QString pasta = QDir(PastaPrograma()).filePath("RelCfg");
    QDir().mkpath(pasta);
    return QDir(pasta).filePath(nome + ".cfg");
}

bool ExisteLayoutRelatorio(const QString& arquivo) {
    return QFile::exists(arquivo);
}

void SalvarLayoutRelatorio(const QTableView& grade, const QString& arquivo) {
    const QAbstractItemModel* modelo = grade.model();
    if (!modelo)
        return;
    QFile::remove(arquivo);
    QSettings ini(arquivo, QSettings::IniFormat);
    const QHeaderView* cab = grade.horizontalHeader();
    ini.setValue("Grade/Colunas", modelo->columnCount());
    for (int c = 0; c < modelo->columnCount(); ++c) {
        ini.beginGroup(grupo(c));
        const QVariant campo = modelo->headerData(c, Qt::Horizontal, Qt::UserRole);
        ini.setValue("Campo", campo.isValid() ? campo.toString() : QString::number(c));
        ini.setValue("Titulo", modelo->headerData(c, Qt::Horizontal).toString());
        ini.setValue("Largura", cab->sectionSize(c));
        ini.setValue("Posicao", cab->visualIndex(c));
        ini.setValue("Oculta", cab->isSectionHidden(c));
        ini.endGroup();
    }
    ini.sync();
}

void CarregarLayoutRelatorio(QTableView& grade, const QString& arquivo) {
    QAbstractItemModel* modelo = grade.model();
    if (!modelo || !QFile::exists(arquivo))
        return;
    QSettings ini(arquivo, QSettings::IniFormat);
    const int colunas = modelo->columnCount();
    if (ini.status() != QSettings::NoError || ini.value("Grade/Colunas").toInt() != colunas)
        return;
    QHeaderView* cab = grade.horizontalHeader();
    std::vector<std::pair<int, int>> posicoes;
    for (int c = 0; c < colunas; ++c) {
        ini.beginGroup(grupo(c));
        const int largura = ini.value("Largura", -1).toInt();
        if (largura > 0)
            cab->resizeSection(c, largura);
        cab->setSectionHidden(c, ini.value("Oculta", false).toBool());
        if (ini.contains("Titulo"))
            modelo->setHeaderData(c, Qt::Horizontal, ini.value("Titulo").toString());
        posicoes.push_back({ini.value("Posicao", c).toInt(), c});
        ini.endGroup();
    }
    // From the left, so a later move does not undo an earlier one.
    std::sort(posicoes.begin(), posicoes.end());
    for (const auto& [visual, logica] : posicoes)
        if (visual >= 0 && visual < colunas)
            cab->moveSection(cab->visualIndex(logica), visual);
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
