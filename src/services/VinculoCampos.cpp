#include "VinculoCampos.h"

#include "ConjuntoDados.h"
#include "ErroBanco.h"
#include "FormatoNumero.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <algorithm>

namespace {
// Typed text as a value of the field's type; an unreadable number or date
// is left out (invalid), so a half-typed value never reaches the row.
QVariant lerTexto(TipoCampo tipo, const QString& texto) {
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return QVariant();
    switch (tipo) {
    case TipoCampo::Short:
    case TipoCampo::Long:
    case TipoCampo::AutoInc: {
        bool ok = false;
        const int v = t.toInt(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case TipoCampo::Number:
    case TipoCampo::Money: {
        bool ok = false;
        const double v = QLocale(QLocale::Portuguese, QLocale::Brazil).toDouble(t, &ok);
        return ok ? QVariant(v) : QVariant();
    }
    case TipoCampo::Data: {
        const QDate d = QDate::fromString(t, "dd/MM/yyyy");
        return d.isValid() ? QVariant(d) : QVariant();
    }
    default:
        return texto;
    }
}
} // namespace

VinculoCampos::VinculoCampos(ConjuntoDados& ds, QObject* pai) : QObject(pai), ds_(ds) {}

bool VinculoCampos::editando() const {
    return ds_.estado() == EstadoDados::Editando || ds_.estado() == EstadoDados::Inserindo;
}

void VinculoCampos::escrever(const Ligacao& l, const QVariant& valor) {
    if (mostrando_ || !editando())
        return;
    try {
        ds_.campo(l.campo).definir(valor);
    } catch (const ErroBanco&) {
        // A value the field cannot hold is not stored; the box keeps it.
    }
}

void VinculoCampos::ligar(QLineEdit* caixa, const QString& campo, const QString& mascara) {
    ligacoes_.push_back({caixa, campo, mascara});
    const Ligacao l = ligacoes_.back();
    connect(caixa, &QLineEdit::textChanged, this, [this, l](const QString& texto) {
        if (mostrando_ || !editando())
            return;
        const TipoCampo tipo = ds_.campo(l.campo).tipo();
        const QVariant v = lerTexto(tipo, texto);
        if (v.isValid() || texto.trimmed().isEmpty())
            escrever(l, v);
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
    const bool temLinha = ds_.ativo() && !ds_.vazio();
    const bool livre = editando();
    for (const Ligacao& l : ligacoes_) {
        const bool fixo = std::find(fixos_.begin(), fixos_.end(), l.caixa) != fixos_.end();
        QVariant v;
        QString texto;
        if (temLinha) {
            const Campo c = ds_.campo(l.campo);
            v = c.valor();
            texto = c.texto();
            if (!l.mascara.isEmpty() && v.isValid())
                texto = FormatarNumero(l.mascara, c.numero());
            else if (c.tipo() == TipoCampo::Number && v.isValid())
                texto = QLocale(QLocale::Portuguese, QLocale::Brazil)
                            .toString(c.numero(), 'g', 15)
                            .remove(QLocale(QLocale::Portuguese, QLocale::Brazil).groupSeparator());
        }
        if (auto* e = qobject_cast<QLineEdit*>(l.caixa)) {
            e->setText(texto);
            e->setReadOnly(fixo || !livre);
        } else if (auto* e = qobject_cast<QCheckBox*>(l.caixa)) {
            e->setChecked(v.toBool());
            e->setEnabled(!fixo && livre);
        } else if (auto* e = qobject_cast<QPlainTextEdit*>(l.caixa)) {
            e->setPlainText(texto);
            e->setReadOnly(fixo || !livre);
        } else if (auto* e = qobject_cast<QComboBox*>(l.caixa)) {
            if (e->isEditable()) {
                e->setCurrentText(texto);
            } else {
                e->setCurrentIndex(v.isValid() ? e->findData(v) : -1);
            }
            e->setEnabled(!fixo && livre);
        }
    }
    mostrando_ = false;
}
