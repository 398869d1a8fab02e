#include "TFormSenha.h"

#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit* campoSenha(const QString& nome, QWidget* pai) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(nome);
    e->setEchoMode(QLineEdit::Password);
    // The legacy mask character, not the platform's bullet.
    e->setStyleSheet("QLineEdit { lineedit-password-character: 42; }");
    return e;
}

QPushButton* botao(const QString& texto, QWidget* pai) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(texto);
    return b;
}
} // namespace

TFormSenha::TFormSenha(QWidget* parent) : QDialog(parent) {
    setObjectName("FormSenha");
    edSenha_ = campoSenha("Senha", this);

    painelUsuario_ = new QWidget(this);
    painelUsuario_->setObjectName("PainelUsuario");
    edUsuario_ = new QLineEdit(painelUsuario_);
    edUsuario_->setObjectName("Usuário");
    edUsuario_->setMaxLength(6);
    edSenhaUsuario_ = campoSenha("Senha", painelUsuario_);
    edSenhaUsuario_->setMaxLength(8);
    auto* formPainel = new QFormLayout(painelUsuario_);
    formPainel->setContentsMargins(0, 0, 0, 0);
    formPainel->addRow("Usuário", edUsuario_);
    formPainel->addRow("Senha", edSenhaUsuario_);

    QPushButton* ok = botao("OK", this);
    QPushButton* cancelar = botao("Cancelar", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow("Senha", edSenha_);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(ok);
    botoes->addWidget(cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(painelUsuario_);
    layout->addLayout(botoes);
}

void TFormSenha::preparar(const QString& legenda, bool pedeUsuario) {
    setWindowTitle(legenda);
    painelUsuario_->setVisible(pedeUsuario);
    edSenha_->clear();
    edUsuario_->clear();
    edSenhaUsuario_->clear();
    edSenha_->setFocus();
    // Wide enough for the caption, which names the code asked: the window
    // manager draws it in a bolder font beside its buttons.
    QFont negrito = font();
    negrito.setBold(true);
    setMinimumWidth(QFontMetrics(negrito).horizontalAdvance(legenda) + 140);
    adjustSize();
}

bool TFormSenha::executar(const QString& legenda, bool pedeUsuario) {
    preparar(legenda, pedeUsuario);
    return exec() == QDialog::Accepted;
}

QString TFormSenha::senha() const {
    return edSenha_->text();
}
QString TFormSenha::usuario() const {
    return edUsuario_->text();
}
QString TFormSenha::senhaUsuario() const {
    return edSenhaUsuario_->text();
}

void TFormSenha::keyPressEvent(QKeyEvent* evento) {
    // A line edit passes Enter on to the window; without this the default
    // button would confirm from every field.
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        QWidget* foco = focusWidget();
        if (foco == edSenha_) {
            if (painelUsuario_->isHidden())
                accept();
            else
                edUsuario_->setFocus();
            return;
        }
        if (foco == edUsuario_ || foco == edSenhaUsuario_) {
            focusNextChild();
            return;
        }
    }
    QDialog::keyPressEvent(evento);
}
