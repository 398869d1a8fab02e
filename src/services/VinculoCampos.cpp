#include "VinculoCampos.h"

#include "Botao.h"
#include "ConjuntoDados.h"
#include "ErroBanco.h"
#include "FormatoNumero.h"
#include "LeituraDigitada.h"
#include "session/Dialogos.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <algorithm>

namespace {
// Characters a line box of the type takes; 32767 is Qt's "no limit".
int tamanhoCaixa(TipoCampo tipo, int tamanho) {
    switch (tipo) {
    case TipoCampo::Texto:
        return tamanho > 0 ? tamanho : 32767;
    case TipoCampo::Data:
        return 10;
    case TipoCampo::Short:
        return 6;
    case TipoCampo::Long:
    case TipoCampo::AutoInc:
        return 11;
    default:
        return 32767;
    }
}

QString textoNumero(double v) {
    const QLocale br(QLocale::Portuguese, QLocale::Brazil);
    return br.toString(v, 'g', 15).remove(br.groupSeparator());
}
} // namespace

void AparenciaSomenteLeitura(QWidget* caixa, bool sim) {
    caixa->setFocusPolicy(sim ? Qt::NoFocus : Qt::StrongFocus);
    QPalette p = QApplication::palette(caixa);
    if (sim)
        p.setColor(QPalette::Base, p.color(QPalette::Window));
    caixa->setPalette(p);
}

VinculoCampos::VinculoCampos(ConjuntoDados& ds, QObject* pai) : QObject(pai), ds_(ds) {}

bool VinculoCampos::editando() const {
    return ds_.estado() == EstadoDados::Editando || ds_.estado() == EstadoDados::Inserindo;
}

const VinculoCampos::Ligacao* VinculoCampos::ligacao(const QObject* caixa) const {
    for (const Ligacao& l : ligacoes_)
        if (l.caixa == caixa)
            return &l;
    return nullptr;
}

bool VinculoCampos::editavel(const Ligacao& l) const {
    const auto* e = qobject_cast<const QLineEdit*>(l.caixa);
    return e && editando() && !e->isReadOnly() && e->isEnabled() &&
           std::find(fixos_.begin(), fixos_.end(), l.caixa) == fixos_.end();
}

void VinculoCampos::escrever(const Ligacao& l, const QVariant& valor) {
    if (mostrando_ || !editando())
        return;
    try {
        ds_.campo(l.campo).definir(valor);
    } catch (const ErroBanco&) {
        // Refused values are reported by validar(); the box keeps its text.
    }
}

void VinculoCampos::ligar(QLineEdit* caixa, const QString& campo, const QString& mascara) {
    ligacoes_.push_back({caixa, campo, mascara});
    const Ligacao l = ligacoes_.back();
    caixa->installEventFilter(this);
    connect(caixa, &QLineEdit::textChanged, this, [this, l](const QString& texto) {
        if (mostrando_ || !editando())
            return;
        // Only a whole value reaches the row; a half-typed one waits.
        const LeituraDigitada r = LerDigitado(ds_.campo(l.campo).tipo(), texto, l.campo);
        if (r.ok)
            escrever(l, r.valor);
    });
}

void VinculoCampos::ligar(QCheckBox* caixa, const QString& campo) {
    ligacoes_.push_back({caixa, campo, {}});
    const Ligacao l = ligacoes_.back();
    connect(caixa, &QCheckBox::toggled, this, [this, l](bool v) { escrever(l, v); });
}

void VinculoCampos::ligar(QPlainTextEdit* caixa, const QString& campo) {
    ligacoes_.push_back({caixa, campo, {}});
    const Ligacao l = ligacoes_.back();
    connect(caixa, &QPlainTextEdit::textChanged, this,
            [this, l, caixa] { escrever(l, caixa->toPlainText()); });
}

void VinculoCampos::ligar(QComboBox* caixa, const QString& campo) {
    ligacoes_.push_back({caixa, campo, {}});
    const Ligacao l = ligacoes_.back();
    connect(caixa, &QComboBox::currentIndexChanged, this, [this, l, caixa](int i) {
        if (i >= 0 && caixa->itemData(i).isValid())
            escrever(l, caixa->itemData(i));
    });
    connect(caixa, &QComboBox::currentTextChanged, this, [this, l, caixa](const QString& t) {
        if (caixa->isEditable())
            escrever(l, t);
    });
}

void VinculoCampos::somenteLeitura(QWidget* caixa) {
    fixos_.push_back(caixa);
}

void VinculoCampos::mostrar() {
    mostrando_ = true;
    const bool ativo = ds_.ativo();
    const bool temLinha = ativo && !ds_.vazio();
    const bool livre = editando();
    for (const Ligacao& l : ligacoes_) {
        const bool fixo = std::find(fixos_.begin(), fixos_.end(), l.caixa) != fixos_.end();
        const bool leitura = fixo || !livre;
        QVariant v;
        QString texto;
        TipoCampo tipo = TipoCampo::Texto;
        int tamanho = 0;
        if (ativo) {
            const Campo c = ds_.campo(l.campo);
            tipo = c.tipo();
            tamanho = c.tamanho();
            if (temLinha) {
                v = c.valor();
                texto = c.texto();
                if (!l.mascara.isEmpty() && v.isValid())
                    texto = FormatarNumero(l.mascara, c.numero());
                else if ((tipo == TipoCampo::Number || tipo == TipoCampo::Money) && v.isValid())
                    texto = textoNumero(c.numero());
            }
        }
        if (auto* e = qobject_cast<QLineEdit*>(l.caixa)) {
            if (ativo) {
                e->setMaxLength(tamanhoCaixa(tipo, tamanho));
                e->setAlignment((TipoDigitadoNumerico(tipo) ? Qt::AlignRight : Qt::AlignLeft) |
                                Qt::AlignVCenter);
            }
            e->setText(texto);
            e->setReadOnly(leitura);
            AparenciaSomenteLeitura(e, leitura);
        } else if (auto* e = qobject_cast<QCheckBox*>(l.caixa)) {
            e->setChecked(v.toBool());
            e->setEnabled(!leitura);
        } else if (auto* e = qobject_cast<QPlainTextEdit*>(l.caixa)) {
            e->setPlainText(texto);
            e->setReadOnly(leitura);
            AparenciaSomenteLeitura(e, leitura);
        } else if (auto* e = qobject_cast<QComboBox*>(l.caixa)) {
            if (e->isEditable()) {
                if (ativo && tipo == TipoCampo::Texto && tamanho > 0)
                    e->lineEdit()->setMaxLength(tamanho);
                e->setCurrentText(texto);
            } else {
                e->setCurrentIndex(v.isValid() ? e->findData(v) : -1);
            }
            e->setEnabled(!leitura);
        }
    }
    mostrando_ = false;
}

bool VinculoCampos::validarCaixa(const Ligacao& l) {
    auto* e = qobject_cast<QLineEdit*>(l.caixa);
    const LeituraDigitada r = LerDigitado(ds_.campo(l.campo).tipo(), e->text(), l.campo);
    QString mensagem = r.mensagem;
    if (r.ok) {
        try {
            ds_.campo(l.campo).definir(r.valor);
            return true;
        } catch (const ErroBanco& erro) {
            mensagem = erro.texto();
        }
    }
    validando_ = true;
    MostrarErro(mensagem);
    validando_ = false;
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
    return false;
}

bool VinculoCampos::validar() {
    for (const Ligacao& l : ligacoes_)
        if (editavel(l) && !validarCaixa(l))
            return false;
    return true;
}

void VinculoCampos::validarAoSair(QWidget* caixa) {
    const Ligacao* l = ligacao(caixa);
    if (!l || validando_ || !editavel(*l) || caixa->hasFocus() || !caixa->isVisible())
        return;
    // The operator backed out meanwhile (a "Cancelar" got the focus).
    if (BotaoDesiste(QApplication::focusWidget()))
        return;
    validarCaixa(*l);
}

bool VinculoCampos::eventFilter(QObject* objeto, QEvent* evento) {
    const Ligacao* l = ligacao(objeto);
    if (!l || !editavel(*l))
        return false;
    if (evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        const TipoCampo tipo = ds_.campo(l->campo).tipo();
        // "." and the keypad's decimal key (which types "." on most
        // layouts) are the decimal comma in a number box.
        if ((tipo == TipoCampo::Number || tipo == TipoCampo::Money) && tecla->text() == ".") {
            static_cast<QLineEdit*>(l->caixa)->insert(",");
            return true;
        }
    } else if (evento->type() == QEvent::FocusOut) {
        const Qt::FocusReason razao = static_cast<QFocusEvent*>(evento)->reason();
        if (validando_ || razao == Qt::ActiveWindowFocusReason || razao == Qt::PopupFocusReason ||
            razao == Qt::MenuBarFocusReason || BotaoDesiste(QApplication::focusWidget()))
            return false;
        // Checked once the focus change is over: a message box inside the
        // focus change would leave the clicked button half pressed.
        QPointer<QWidget> caixa = l->caixa;
        QMetaObject::invokeMethod(
            this,
            [this, caixa] {
                if (caixa)
                    validarAoSair(caixa);
            },
            Qt::QueuedConnection);
    }
    return false;
}
