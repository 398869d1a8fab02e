#include "DialogosQt.h"

#include "Legenda.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace {
// A message with no caption takes the one the legacy dialogs showed: the
// application title for plain messages, the kind of box otherwise.
QString legenda(TipoMensagem tipo, const QString& titulo) {
    if (!titulo.isEmpty())
        return titulo;
    switch (tipo) {
    case TipoMensagem::Informacao:
        return QApplication::applicationDisplayName();
    case TipoMensagem::Aviso:
        return "Aviso";
    case TipoMensagem::Erro:
        return "Erro";
    case TipoMensagem::Confirmacao:
        return "Confirmação";
    }
    return QString();
}

// The window a box stands over: the active one, unless it lies off screen
// (the company window waits off screen), when the box is centred instead.
QWidget* pai() {
    QWidget* ativa = QApplication::activeWindow();
    if (!ativa)
        return nullptr;
    const QScreen* tela = QGuiApplication::screenAt(ativa->frameGeometry().center());
    return tela && tela->availableGeometry().contains(ativa->frameGeometry()) ? ativa : nullptr;
}

QMessageBox::Icon icone(TipoMensagem tipo) {
    switch (tipo) {
    case TipoMensagem::Informacao:
        return QMessageBox::Information;
    case TipoMensagem::Aviso:
        return QMessageBox::Warning;
    case TipoMensagem::Erro:
        return QMessageBox::Critical;
    case TipoMensagem::Confirmacao:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Resposta DialogosQt::mensagem(TipoMensagem tipo, const QString& titulo, const QString& texto,
                              Botoes botoes) {
    QMessageBox caixa(icone(tipo), legenda(tipo, titulo), texto, QMessageBox::NoButton, pai());
    LarguraDaLegenda(&caixa);
    struct Botao {
        Resposta resposta;
        const char* texto;
        QMessageBox::ButtonRole papel;
    };
    std::vector<Botao> lista;
    switch (botoes) {
    case Botoes::Ok:
        lista = {{Resposta::Ok, "OK", QMessageBox::AcceptRole}};
        break;
    case Botoes::OkCancelar:
        lista = {{Resposta::Ok, "OK", QMessageBox::AcceptRole},
                 {Resposta::Cancelar, "Cancelar", QMessageBox::RejectRole}};
        break;
    case Botoes::SimNao:
        lista = {{Resposta::Sim, "Sim", QMessageBox::YesRole},
                 {Resposta::Nao, "Não", QMessageBox::NoRole}};
        break;
    case Botoes::SimNaoCancelar:
        lista = {{Resposta::Sim, "Sim", QMessageBox::YesRole},
                 {Resposta::Nao, "Não", QMessageBox::NoRole},
                 {Resposta::Cancelar, "Cancelar", QMessageBox::RejectRole}};
        break;
    }
    std::vector<QPushButton*> criados;
    for (const Botao& b : lista) {
        QPushButton* p = caixa.addButton(QString::fromUtf8(b.texto), b.papel);
        p->setObjectName(QString::fromUtf8(b.texto));
        criados.push_back(p);
    }
    caixa.setDefaultButton(criados.front());
    // Esc answers the last button: Cancelar, or Não for a plain question.
    caixa.setEscapeButton(criados.back());
    caixa.exec();
    for (size_t i = 0; i < criados.size(); ++i)
        if (caixa.clickedButton() == criados[i])
            return lista[i].resposta;
    return lista.back().resposta;
}

bool DialogosQt::entrada(const QString& titulo, const QString& prompt, QString& valor,
                         bool mascarada) {
    QInputDialog caixa(pai());
    caixa.setInputMode(QInputDialog::TextInput);
    caixa.setWindowTitle(titulo);
    caixa.setLabelText(prompt);
    caixa.setTextValue(valor);
    caixa.setTextEchoMode(mascarada ? QLineEdit::Password : QLineEdit::Normal);
    caixa.setOkButtonText("OK");
    caixa.setCancelButtonText("Cancelar");
    LarguraDaLegenda(&caixa);
    if (caixa.exec() != QDialog::Accepted)
        return false;
    valor = caixa.textValue();
    return true;
}
