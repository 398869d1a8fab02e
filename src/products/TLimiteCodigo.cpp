#include "TLimiteCodigo.h"

#include "FormatoNumero.h"
#include "Sessao.h"
#include "services/Botao.h"
#include "services/LembrancaJanela.h"
#include "services/VinculoCampos.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* titulo(const QString& texto, QWidget* pai) {
    auto* l = new QLabel(texto, pai);
    l->setObjectName(texto);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLineEdit* numero(const QString& campo, QWidget* pai) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(campo);
    e->setReadOnly(true);
    AparenciaSomenteLeitura(e, true);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return e;
}

const char* const prefixos[] = {"Cod_Ini", "Cod_Fim", "UltCod_"};

} // namespace

QStringList LegendasIntervalos(int fatModNf) {
    QStringList l = {"Clientes",        "Vendedores", "Fornecedores",
                     "Transportadoras", "Bancos",     "Credores Diversos"};
    switch (fatModNf) {
    case 51:
    case 142:
    case 167:
        l[5] = "Clientes à Vista";
        break;
    case 145:
    case 97:
        l[1] = "Vistoriadores";
        l[4] = "Seguradoras";
        l[5] = "Corretoras";
        break;
    case 132:
    case 277:
        l[4] = "Agências Publicidade";
        l[5] = "Clientes Atacado";
        break;
    default:
        break;
    }
    return l;
}

TLimiteCodigo::TLimiteCodigo(QWidget* parent) : QDialog(parent) {
    setObjectName("LimiteCodigo");
    setWindowTitle("Intervalo de Codigos");

    auto* grade = new QGridLayout;
    grade->addWidget(titulo("DE", this), 0, 1);
    grade->addWidget(titulo("A", this), 0, 2);
    grade->addWidget(titulo("ÚLTIMO", this), 0, 3);
    grupo_ = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        linhas_[size_t(i)] = new QRadioButton(this);
        grupo_->addButton(linhas_[size_t(i)], i);
        grade->addWidget(linhas_[size_t(i)], i + 1, 0);
        for (int c = 0; c < 3; ++c)
            grade->addWidget(numero(prefixos[c] + SufixoFaixa(i + 1), this), i + 1, c + 1);
    }
    connect(grupo_, &QButtonGroup::idClicked, this, &TLimiteCodigo::escolherLinha);

    edProximo_ = numero("PRÓXIMO", this);
    auto* colunaProximo = new QVBoxLayout;
    colunaProximo->addWidget(titulo("PRÓXIMO", this));
    colunaProximo->addWidget(edProximo_);
    colunaProximo->addStretch();

    auto* ok = NovoBotao("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* corpo = new QHBoxLayout;
    corpo->addLayout(grade);
    corpo->addLayout(colunaProximo);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(corpo);
    layout->addLayout(botoes);
    LembrarJanela(this);
}

void TLimiteCodigo::preparar(const FaixasCodigo& faixas) {
    faixas_ = faixas;
    const QStringList legendas = LegendasIntervalos(Sess().FatModNf);
    // An exclusive group keeps one button checked; lifting it lets the
    // window open with no row chosen.
    grupo_->setExclusive(false);
    for (int i = 0; i < 6; ++i) {
        QRadioButton* r = linhas_[size_t(i)];
        r->setChecked(false);
        r->setText(legendas[i]);
        r->setObjectName(legendas[i]);
        const FaixaCodigo& f = faixas[size_t(i)];
        const int valores[] = {f.de, f.ate, f.ultimo};
        for (int c = 0; c < 3; ++c)
            findChild<QLineEdit*>(prefixos[c] + SufixoFaixa(i + 1))
                ->setText(Formatar("%6d", {valores[c]}));
    }
    grupo_->setExclusive(true);
    edProximo_->clear();
}

QString TLimiteCodigo::executar(const FaixasCodigo& faixas) {
    preparar(faixas);
    exec();
    return proximo();
}

QString TLimiteCodigo::proximo() const {
    return edProximo_->text();
}

void TLimiteCodigo::escolherLinha(int linha) {
    if (linha < 0 || linha >= 6)
        return;
    linhas_[size_t(linha)]->setChecked(true);
    const int codigo = ProximoCodigo(faixas_[size_t(linha)]);
    // A used-up range proposes nothing rather than a code of another range.
    edProximo_->setText(codigo ? QString::number(codigo) : QString());
}
