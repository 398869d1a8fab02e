#include "PainelDetalhe.h"

#include "services/Botao.h"
#include "services/Grade.h"
#include "services/ModeloLinhas.h"
#include "services/VinculoCampos.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

PainelDetalhe::PainelDetalhe(Tabela& tabela, const QString& nome, const QStringList& colunas,
                             std::function<QStringList()> linha, QWidget* pai)
    : QWidget(pai), tabela_(tabela), linha_(std::move(linha)) {
    setObjectName(nome);
    modelo_ = new ModeloLinhas(colunas, this);
    grade_ = NovaGrade(modelo_, "Grade" + nome, this);
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PainelDetalhe::seguirGrade);
    painel_ = new QWidget(this);
    painel_->setObjectName("Painel" + nome);
    vinculo_ = new VinculoCampos(tabela_, this);

    auto* botoes = new QHBoxLayout;
    for (const char* texto : {"Incluir", "Alterar", "Excluir", "Gravar", "Cancelar"})
        botoes_ << NovoBotao(texto, this, botoes);
    botoes->addStretch();
    connect(botoes_[0], &QPushButton::clicked, this, &PainelDetalhe::incluir);
    connect(botoes_[1], &QPushButton::clicked, this, &PainelDetalhe::alterar);
    connect(botoes_[2], &QPushButton::clicked, this, &PainelDetalhe::excluir);
    connect(botoes_[3], &QPushButton::clicked, this, &PainelDetalhe::gravar);
    connect(botoes_[4], &QPushButton::clicked, this, &PainelDetalhe::cancelar);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grade_, 1);
    layout->addWidget(painel_);
    layout->addLayout(botoes);
    habilitar();
}

void PainelDetalhe::definirAcoes(Acoes acoes, QWidget* primeiraCaixa) {
    acoes_ = std::move(acoes);
    primeira_ = primeiraCaixa;
}

bool PainelDetalhe::editando() const {
    return tabela_.estado() == EstadoDados::Editando || tabela_.estado() == EstadoDados::Inserindo;
}

void PainelDetalhe::liberar(bool sim) {
    livre_ = sim;
    habilitar();
}

void PainelDetalhe::habilitar() {
    const bool emEdicao = editando();
    const bool temLinha = tabela_.ativo() && !tabela_.vazio() && !emEdicao;
    botoes_[0]->setEnabled(livre_ && !emEdicao);
    botoes_[1]->setEnabled(livre_ && temLinha);
    botoes_[2]->setEnabled(livre_ && temLinha);
    botoes_[3]->setEnabled(emEdicao);
    botoes_[4]->setEnabled(emEdicao);
    grade_->setEnabled(!emEdicao);
}

void PainelDetalhe::atualizar() {
    QList<QStringList> linhas;
    QVariantList chaves;
    if (tabela_.ativo() && !editando()) {
        const Marcador atual = tabela_.marcador();
        for (tabela_.primeiro(); !tabela_.eof(); tabela_.proximo()) {
            linhas << linha_();
            chaves << tabela_.marcador().rowid;
        }
        try {
            atual.valido ? tabela_.irPara(atual) : tabela_.primeiro();
        } catch (const ErroBanco&) {
            tabela_.primeiro();
        }
        modelo_->definir(linhas, chaves);
        const int i = tabela_.vazio() ? -1 : modelo_->linhaDe(tabela_.marcador().rowid);
        if (i >= 0) {
            const QSignalBlocker bloqueio(grade_->selectionModel());
            grade_->setCurrentIndex(modelo_->index(i, 0));
        }
    }
    vinculo_->mostrar();
    habilitar();
}

void PainelDetalhe::seguirGrade() {
    const QVariant chave = modelo_->chave(grade_->currentIndex().row());
    if (!chave.isValid() || editando())
        return;
    try {
        tabela_.irPara({chave.toLongLong(), true});
    } catch (const ErroBanco&) {
        atualizar();
        return;
    }
    vinculo_->mostrar();
    habilitar();
}

void PainelDetalhe::terminar(bool ok) {
    if (!ok)
        return;
    atualizar();
    if (aoMudar)
        aoMudar();
}

void PainelDetalhe::incluir() {
    if (!acoes_.incluir || !acoes_.incluir())
        return;
    vinculo_->mostrar();
    habilitar();
    if (primeira_)
        primeira_->setFocus();
}

void PainelDetalhe::alterar() {
    if (!acoes_.alterar || !acoes_.alterar())
        return;
    vinculo_->mostrar();
    habilitar();
    if (primeira_)
        primeira_->setFocus();
}

void PainelDetalhe::gravar() {
    if (!vinculo_->validar() || !acoes_.gravar)
        return;
    terminar(acoes_.gravar());
}

void PainelDetalhe::cancelar() {
    if (acoes_.cancelar)
        acoes_.cancelar();
    terminar(true);
}

void PainelDetalhe::excluir() {
    terminar(acoes_.excluir && acoes_.excluir());
}
