#include "TfoLayoutRelatorio.h"
#include "Botao.h"

#include "Grade.h"
#include "LayoutRelatorio.h"
#include "LembrancaJanela.h"

#include <QAbstractItemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QPushButton* botao(const QString& texto, const QString& dica, QWidget* pai) {
    QPushButton* b = NovoBotao(texto, pai);
    b->setToolTip(dica);
    return b;
}
} // namespace

TfoLayoutRelatorio::TfoLayoutRelatorio(QAbstractItemModel* dados, const QString& arquivo,
                                       QWidget* pai)
    : QDialog(pai), grade_(new QTableView(this)), arquivo_(arquivo) {
    setObjectName("TfoLayoutRelatorio");
    auto* nota = new QLabel("Escolha as colunas presentes no relatório, e configure o "
                            "posicionamento e tamanho através do grid :",
                            this);
    nota->setObjectName("Nota");
    grade_->setObjectName("Grade");
    grade_->setModel(dados);
    PrepararGrade(grade_);
    grade_->setToolTip("Clique na seta (parte superior) para adicionar ou remover colunas; "
                       "Altere a ordem das colunas; Aumente ou diminua o tamanho das colunas;");
    QHeaderView* cab = grade_->horizontalHeader();
    cab->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cab, &QHeaderView::customContextMenuRequested, this,
            [this, cab](const QPoint& p) { mostrarMenuColunas(cab->mapToGlobal(p)); });
    CarregarLayoutRelatorio(*grade_, arquivo_);

    // The arrow the hint speaks of.
    auto* seta = new QToolButton(this);
    seta->setObjectName("Colunas");
    seta->setArrowType(Qt::DownArrow);
    seta->setToolTip("Colunas presentes no relatório");
    connect(seta, &QToolButton::clicked, this,
            [this, seta] { mostrarMenuColunas(seta->mapToGlobal(QPoint(0, seta->height()))); });

    QPushButton* confirmar = botao(
        "Confirmar", "Clique para salvar o layout do relatório e em seguida imprimir...", this);
    QPushButton* cancelar =
        botao("Cancelar",
              "Clique para sair sem salvar o layout do relatório e em seguida imprimir...", this);
    QPushButton* restaurar =
        botao("Restaurar",
              "Clique para sair sem salvar e restaurar o layout original do relatório e em "
              "seguida imprimir...",
              this);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(confirmar);
    botoes->addWidget(cancelar);
    botoes->addWidget(restaurar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nota);
    layout->addWidget(seta);
    layout->addWidget(grade_);
    layout->addLayout(botoes);
    connect(confirmar, &QPushButton::clicked, this, &TfoLayoutRelatorio::confirmar);
    connect(cancelar, &QPushButton::clicked, this, &TfoLayoutRelatorio::cancelar);
    connect(restaurar, &QPushButton::clicked, this, &TfoLayoutRelatorio::restaurar);
    resize(760, 420);
    LembrarJanela(this);
}

void TfoLayoutRelatorio::confirmar() {
    SalvarLayoutRelatorio(*grade_, arquivo_);
    accept();
}

void TfoLayoutRelatorio::cancelar() {
    accept();
}

void TfoLayoutRelatorio::restaurar() {
    ApagarLayoutRelatorio(arquivo_);
    accept();
}

void TfoLayoutRelatorio::mostrarMenuColunas(const QPoint& global) {
    QHeaderView* cab = grade_->horizontalHeader();
    const QAbstractItemModel* modelo = grade_->model();
    QMenu menu(this);
    for (int c = 0; c < modelo->columnCount(); ++c) {
        QAction* a = menu.addAction(modelo->headerData(c, Qt::Horizontal).toString());
        a->setCheckable(true);
        a->setChecked(!cab->isSectionHidden(c));
        connect(a, &QAction::toggled, cab, [cab, c](bool on) { cab->setSectionHidden(c, !on); });
    }
    menu.exec(global);
}
