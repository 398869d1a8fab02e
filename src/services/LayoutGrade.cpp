#include "LayoutGrade.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSettings>
#include <QTableView>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {
QString& pastaPrograma() {
    static QString pasta;
    return pasta;
}

QString arquivoIni(const QString& nome) {
    return QDir(PastaIni()).filePath(nome + ".ini");
}

QString grupoColuna(int logica) {
    return QString("Coluna%1").arg(logica);
}
} // namespace

void DefinirPastaPrograma(const QString& pastaHost) {
    pastaPrograma() = pastaHost;
}

QString PastaPrograma() {
    if (pastaPrograma().isEmpty())
        return QCoreApplication::applicationDirPath();
    return pastaPrograma();
}

QString PastaIni() {
    return QDir(PastaPrograma()).filePath("ini");
}

bool ColunasConferem(const QTableView& grade, const QString& arquivo) {
    const QAbstractItemModel* modelo = grade.model();
    if (!modelo || !QFile::exists(arquivo))
        return false;
    const QSettings ini(arquivo, QSettings::IniFormat);
    bool ok = false;
    const int gravadas = ini.value("Grade/Colunas").toInt(&ok);
    return ini.status() == QSettings::NoError && ok && gravadas == modelo->columnCount();
}

bool AplicarColunasGrade(QTableView& grade, const QString& arquivo) {
    if (!ColunasConferem(grade, arquivo))
        return false;
    QAbstractItemModel* modelo = grade.model();
    QSettings ini(arquivo, QSettings::IniFormat);
    const int colunas = modelo->columnCount();
    QHeaderView* cab = grade.horizontalHeader();
    std::vector<std::pair<int, int>> posicoes;
    for (int c = 0; c < colunas; ++c) {
        ini.beginGroup(grupoColuna(c));
        const int largura = ini.value("Largura", -1).toInt();
        if (largura > 0)
            cab->resizeSection(c, largura);
        cab->setSectionHidden(c, ini.value("Oculta", false).toBool());
        if (ini.contains("Titulo"))
            modelo->setHeaderData(c, Qt::Horizontal, ini.value("Titulo").toString());
        posicoes.push_back({ini.value("Posicao", c).toInt(), c});
        ini.endGroup();
    }
    // Visual positions are applied from the left so earlier moves are not
    // undone by later ones.
    std::sort(posicoes.begin(), posicoes.end());
    for (const auto& [visual, logica] : posicoes)
        if (visual >= 0 && visual < colunas)
            cab->moveSection(cab->visualIndex(logica), visual);
    return true;
}

void GravarColunasGrade(const QTableView& grade, const QString& arquivo) {
    const QAbstractItemModel* modelo = grade.model();
    if (!modelo)
        return;
    QFile::remove(arquivo);
    QSettings ini(arquivo, QSettings::IniFormat);
    const QHeaderView* cab = grade.horizontalHeader();
    ini.setValue("Grade/Colunas", modelo->columnCount());
    for (int c = 0; c < modelo->columnCount(); ++c) {
        ini.beginGroup(grupoColuna(c));
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

QString NomeLayoutGrade(const QTableView& grade) {
    const QWidget* janela = grade.window();
    if (janela == &grade || janela->objectName().isEmpty())
        return grade.objectName();
    return janela->objectName() + "." + grade.objectName();
}

bool CarregarLayoutGrade(QTableView& grade) {
    const QString arquivo = arquivoIni(NomeLayoutGrade(grade));
    if (!QFile::exists(arquivo))
        return false;
    if (AplicarColunasGrade(grade, arquivo))
        return true;
    // A file written for another number of columns belongs to an older
    // version of the window.
    QFile::remove(arquivo);
    return false;
}

void SalvarLayoutGrade(const QTableView& grade) {
    QDir().mkpath(PastaIni());
    GravarColunasGrade(grade, arquivoIni(NomeLayoutGrade(grade)));
}

void ApagarLayoutGrade(const QTableView& grade) {
    QFile::remove(arquivoIni(NomeLayoutGrade(grade)));
}

void RestaurarPosicaoJanela(QWidget& janela, const QString& nome) {
    QDir().mkpath(PastaIni());
    const QString arquivo = arquivoIni(nome);
    if (!QFile::exists(arquivo))
        return;
    QSettings ini(arquivo, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError || !ini.contains("Janela/Largura"))
        return;
    const QRect r(ini.value("Janela/X").toInt(), ini.value("Janela/Y").toInt(),
                  ini.value("Janela/Largura").toInt(), ini.value("Janela/Altura").toInt());
    if (r.width() <= 0 || r.height() <= 0)
        return;
    bool naTela = false;
    for (const QScreen* tela : QGuiApplication::screens())
        naTela = naTela || tela->availableGeometry().intersects(r);
    if (!naTela)
        return;
    janela.move(r.topLeft());
    janela.resize(r.size());
    if (ini.value("Janela/Maximizada", false).toBool())
        janela.setWindowState(janela.windowState() | Qt::WindowMaximized);
}

void SalvarPosicaoJanela(const QWidget& janela, const QString& nome) {
    QDir().mkpath(PastaIni());
    QSettings ini(arquivoIni(nome), QSettings::IniFormat);
    // A maximised window keeps its normal placement for the next restore.
    const bool maximizada = janela.isMaximized();
    const QPoint pos = maximizada ? janela.normalGeometry().topLeft() : janela.pos();
    const QSize tamanho = maximizada ? janela.normalGeometry().size() : janela.size();
    ini.setValue("Janela/X", pos.x());
    ini.setValue("Janela/Y", pos.y());
    ini.setValue("Janela/Largura", tamanho.width());
    ini.setValue("Janela/Altura", tamanho.height());
    ini.setValue("Janela/Maximizada", janela.isMaximized());
    ini.sync();
}
