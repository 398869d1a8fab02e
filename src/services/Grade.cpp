#include "Grade.h"

#include "ExportacaoPlanilha.h"
#include "LayoutGrade.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <vector>

namespace {
const QString TextoExportar = QStringLiteral("Exportar para planilha…");

// Follows a grid made by NovaGrade: fits its columns until the operator
// (or a loaded layout) arranges them, and tells whether they changed.
class AjusteColunas : public QObject {
public:
    explicit AjusteColunas(QTableView* grade) : QObject(grade), grade_(grade) {
        setObjectName("AjusteColunas");
        QAbstractItemModel* m = grade->model();
        connect(m, &QAbstractItemModel::modelReset, this, &AjusteColunas::ajustarSeLivre);
        connect(m, &QAbstractItemModel::layoutChanged, this, &AjusteColunas::ajustarSeLivre);
        connect(m, &QAbstractItemModel::rowsInserted, this, &AjusteColunas::ajustarSeLivre);
        QHeaderView* cab = grade->horizontalHeader();
        connect(cab, &QHeaderView::sectionResized, this, &AjusteColunas::mudou);
        connect(cab, &QHeaderView::sectionMoved, this, &AjusteColunas::mudou);
        grade->viewport()->installEventFilter(this);
        ajustar();
    }

    // Each column as wide as its title and its widest text (measured on
    // the model: a grid on a page not laid out yet shows no rows), up to
    // `caracteres_` average characters; room the grid has to spare goes
    // to the columns that were cut, up to their text.
    void ajustar() {
        medir();
        distribuir();
    }
    void ajustarSeLivre() {
        if (!arranjada_)
            ajustar();
    }
    void mudou() {
        if (ajustando_)
            return;
        arranjada_ = true;
        modificada_ = true;
    }

    int caracteres_ = 34;
    bool arranjada_ = false;
    bool modificada_ = false;
    bool ajustando_ = false;

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Resize && !arranjada_)
            distribuir();
        return false;
    }

private:
    void medir() {
        const QAbstractItemModel* m = grade_->model();
        const QFontMetrics fm = grade_->fontMetrics();
        const int limite = fm.averageCharWidth() * 120;
        const int margem =
            2 * (grade_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grade_) + 1) +
            2;
        const int linhas = std::min(m->rowCount(), 1000);
        naturais_.assign(size_t(m->columnCount()), 0);
        for (int c = 0; c < m->columnCount(); ++c) {
            int largura = grade_->horizontalHeader()->sectionSizeHint(c);
            for (int r = 0; r < linhas && largura < limite; ++r)
                largura = std::max(
                    largura, fm.horizontalAdvance(m->data(m->index(r, c)).toString()) + margem);
            naturais_[size_t(c)] = std::min(largura, limite);
        }
    }

    void distribuir() {
        const int maxima = grade_->fontMetrics().averageCharWidth() * caracteres_;
        std::vector<int> larguras;
        int total = 0;
        for (int n : naturais_) {
            larguras.push_back(std::min(n, maxima));
            total += larguras.back();
        }
        int sobra = grade_->viewport()->width() - total;
        for (bool deu = true; sobra > 0 && deu;) {
            std::vector<size_t> cortadas;
            for (size_t c = 0; c < larguras.size(); ++c)
                if (larguras[c] < naturais_[c])
                    cortadas.push_back(c);
            deu = !cortadas.empty() && sobra >= int(cortadas.size());
            for (size_t c : cortadas) {
                if (!deu)
                    break;
                const int parte =
                    std::min(naturais_[c] - larguras[c], sobra / int(cortadas.size()));
                larguras[c] += parte;
                sobra -= parte;
            }
        }
        ajustando_ = true;
        for (size_t c = 0; c < larguras.size(); ++c)
            grade_->setColumnWidth(int(c), larguras[c]);
        ajustando_ = false;
    }

    QTableView* grade_;
    std::vector<int> naturais_;
};

AjusteColunas* ajuste(const QTableView& grade) {
    return grade.findChild<AjusteColunas*>("AjusteColunas", Qt::FindDirectChildrenOnly);
}
} // namespace

void PrepararGrade(QTableView* grade) {
    grade->setWordWrap(false);
    grade->setTextElideMode(Qt::ElideRight);
    QHeaderView* linhas = grade->verticalHeader();
    linhas->hide();
    linhas->setSectionResizeMode(QHeaderView::Fixed);
    linhas->setDefaultSectionSize(grade->fontMetrics().height() + 6);
    QHeaderView* cab = grade->horizontalHeader();
    cab->setSectionsMovable(true);
    cab->setSectionResizeMode(QHeaderView::Interactive);
    cab->setStretchLastSection(false);
    cab->setHighlightSections(false);
    cab->setTextElideMode(Qt::ElideRight);
}

QTableView* NovaGrade(QAbstractItemModel* modelo, const QString& nome, QWidget* pai) {
    auto* grade = new QTableView(pai);
    grade->setObjectName(nome);
    grade->setModel(modelo);
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade->setSelectionMode(QAbstractItemView::SingleSelection);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setTabKeyNavigation(false);
    PrepararGrade(grade);
    new AjusteColunas(grade);

    QHeaderView* cab = grade->horizontalHeader();
    cab->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        cab, &QHeaderView::customContextMenuRequested, grade, [grade](const QPoint& ponto) {
            QMenu menu(grade);
            QAction* restaurar = menu.addAction("Restaurar colunas");
            restaurar->setObjectName("Restaurar colunas");
            QAction* exportar = menu.addAction(TextoExportar);
            exportar->setObjectName(TextoExportar);
            QAction* escolhida = menu.exec(grade->horizontalHeader()->mapToGlobal(ponto));
            if (escolhida == restaurar)
                RestaurarColunas(*grade);
            else if (escolhida == exportar)
                ExportarGradeParaPlanilha(*grade);
        });
    OferecerExportacaoPlanilha(grade);
    return grade;
}

void OferecerExportacaoPlanilha(QTableView* grade) {
    grade->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grade, &QWidget::customContextMenuRequested, grade,
                     [grade](const QPoint& ponto) {
                         QMenu menu(grade);
                         QAction* exportar = menu.addAction(TextoExportar);
                         exportar->setObjectName(TextoExportar);
                         if (menu.exec(grade->viewport()->mapToGlobal(ponto)) == exportar)
                             ExportarGradeParaPlanilha(*grade);
                     });
}

void RestaurarColunas(QTableView& grade) {
    AjusteColunas* a = ajuste(grade);
    if (!a)
        return;
    ApagarLayoutGrade(grade);
    a->ajustando_ = true;
    QHeaderView* cab = grade.horizontalHeader();
    for (int c = 0; c < cab->count(); ++c) {
        cab->setSectionHidden(c, false);
        cab->moveSection(cab->visualIndex(c), c);
    }
    a->ajustando_ = false;
    a->arranjada_ = false;
    a->modificada_ = false;
    a->ajustar();
}

void LarguraMaximaColunas(QTableView* grade, int caracteres) {
    if (AjusteColunas* a = ajuste(*grade)) {
        a->caracteres_ = caracteres;
        a->ajustarSeLivre();
    }
}

void AlturaMinimaLinhas(QTableView* grade, int linhas) {
    const int bordas = 2 * grade->frameWidth();
    grade->setMinimumHeight(grade->horizontalHeader()->sizeHint().height() +
                            linhas * grade->verticalHeader()->defaultSectionSize() + bordas +
                            grade->horizontalScrollBar()->sizeHint().height());
}

bool CarregarColunasLembradas(QTableView& grade) {
    AjusteColunas* a = ajuste(grade);
    if (!a)
        return false;
    a->ajustando_ = true;
    const bool carregou = CarregarLayoutGrade(grade);
    a->ajustando_ = false;
    a->arranjada_ = a->arranjada_ || carregou;
    return carregou;
}

void SalvarColunasLembradas(QTableView& grade) {
    AjusteColunas* a = ajuste(grade);
    if (!a || !a->modificada_)
        return;
    SalvarLayoutGrade(grade);
    a->modificada_ = false;
}
