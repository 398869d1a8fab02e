#include "TMenuFilial.h"

#include "Modulos.h"
#include "TDMFilial.h"
#include "TMenuPcp.h"
#include "TfoMenuEmpresa.h"
#include "services/Botao.h"
#include "services/ConfigImpressao.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TMenuFilial::TMenuFilial(Modulos& modulos, QWidget* parent)
    : QWidget(parent), modulos_(modulos), dm_(*modulos.obter<TDMFilial>()) {
    setObjectName("TMenuFilial");
    setWindowTitle("Menu Empresa");
    resize(360, 260);
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());

    lista_ = new QListWidget(this);
    lista_->setObjectName("NOME");
    aviso_ = new QLabel(this);
    aviso_->setObjectName("Aviso");
    aviso_->setWordWrap(true);
    aviso_->hide();
    auto* btOk = NovoBotao("OK", this);
    auto* btSair = NovoBotao("Sair", this);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btOk);
    botoes->addWidget(btSair);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lista_);
    layout->addWidget(aviso_);
    layout->addLayout(botoes);

    connect(btOk, &QPushButton::clicked, this, &TMenuFilial::ok);
    connect(btSair, &QPushButton::clicked, this, &QWidget::close);
    connect(lista_, &QListWidget::itemDoubleClicked, this, &TMenuFilial::ok);
}

TMenuPcp* TMenuFilial::menu() const {
    return menu_;
}

void TMenuFilial::abrir() {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void TMenuFilial::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (evento->spontaneous())
        return;
    try {
        dm_.abrirTabelasFilial();
        if (lista_->selectedItems().isEmpty()) {
            lista_->clear();
            lista_->addItems(dm_.nomesFiliais());
            if (lista_->count() == 0)
                MostrarAviso("Nenhuma filial cadastrada em " + Sess().CaminhoAlias);
            else
                lista_->setCurrentRow(0);
        }
    } catch (const ErroBanco& e) {
        MostrarErro("Não foi possível abrir as tabelas da empresa em " + Sess().CaminhoAlias +
                    ":\n" + e.texto());
    }
}

void TMenuFilial::ok() {
    const QListWidgetItem* item = lista_->currentItem();
    if (!item)
        return;
    try {
        if (!dm_.selecionarFilial(item->text()))
            return;
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return;
    }
    lista_->setEnabled(false);
    // Windows and data modules keep the branch they opened with.
    aviso_->setText("Filial em uso: " + Sess().NomeFilial +
                    ". Para trabalhar em outra filial, saia do programa e entre novamente.");
    aviso_->show();
    ReiniciarConfigImpressao();
    hide();
    if (!menu_) {
        menu_ = new TMenuPcp(modulos_);
        connect(menu_, &TMenuPcp::fechado, this, &TMenuFilial::aoFecharMenu);
    }
    menu_->move(0, 0);
    // 55 high holds the menu bar; the status bar below it needs its own.
    menu_->resize(800, std::max(55, menu_->sizeHint().height()));
    menu_->show();
}

void TMenuFilial::aoFecharMenu() {
    // The menu releases itself; the next OK creates a new one.
    menu_ = nullptr;
    if (!modulos_.encerrando)
        abrir();
}

void TMenuFilial::closeEvent(QCloseEvent* evento) {
    if (modulos_.encerrando) {
        evento->accept();
        return;
    }
    if (!Confirmar("Deseja encerrar do programa?")) {
        evento->ignore();
        return;
    }
    modulos_.encerrando = true;
    Modulos::fecharJanelas({modulos_.obter<TfoMenuEmpresa>(), this});
    dm_.fecharTabelasFilial();
    evento->accept();
    emit encerrar();
}

void TMenuFilial::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)
        ok();
    else
        QWidget::keyPressEvent(evento);
}
