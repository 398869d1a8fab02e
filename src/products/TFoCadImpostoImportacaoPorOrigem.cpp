#include "TFoCadImpostoImportacaoPorOrigem.h"

#include "services/Botao.h"
#include "services/FormatoNumero.h"
#include "services/Grade.h"
#include "services/LembrancaJanela.h"
#include "services/ModeloLinhas.h"
#include "services/TeclaEnter.h"
#include "services/VinculoCampos.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFoCadImpostoImportacaoPorOrigem::TFoCadImpostoImportacaoPorOrigem(QWidget* parent)
    : QWidget(parent) {
    setObjectName("TFoCadImpostoImportacaoPorOrigem");
    setWindowTitle("Orvalo - Imposto de Importação Por Origem (País) :");
    resize(760, 460);

    produto_ = new QLabel(this);
    produto_->setObjectName("Produto");
    modelo_ = new ModeloLinhas(
        {"Filial", "Cod_Reduz", "CodPais", "Operacao", "% Imp Importação", "Nome Pais"}, this);
    modelo_->alinharDireita({0, 1, 4});
    grade_ = NovaGrade(modelo_, "GradeImposto", this);
    connect(grade_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFoCadImpostoImportacaoPorOrigem::seguirGrade);

    dados_ = new QGroupBox("Dados do Imposto de Acordo com o País e Tipo de Operação:", this);
    dados_->setObjectName("Dados");
    auto* form = new QFormLayout(dados_);
    vinculo_ = new VinculoCampos(dm_.TImposto, this);
    auto linha = [&](const QString& rotulo, const QString& campo) {
        auto* e = new QLineEdit(dados_);
        e->setObjectName(campo);
        vinculo_->ligar(e, campo);
        form->addRow(rotulo, e);
        return e;
    };
    codPais_ = linha("Codigo do Pais", "CodPais");
    nomePais_ = new QLineEdit(dados_);
    nomePais_->setObjectName("Nome Pais");
    nomePais_->setReadOnly(true);
    AparenciaSomenteLeitura(nomePais_, true);
    form->addRow("Nome do Pais", nomePais_);
    linha("Operação", "Operacao");
    linha("% Imp Importação", "PercImpImportacao");
    connect(codPais_, &QLineEdit::textChanged, this,
            &TFoCadImpostoImportacaoPorOrigem::mostrarPais);

    auto* botoes = new QHBoxLayout;
    incluir_ = NovoBotao("Incluir", this, botoes);
    alterar_ = NovoBotao("Alterar", this, botoes);
    gravar_ = NovoBotao("Gravar", this, botoes);
    cancelar_ = NovoBotao("Cancelar", this, botoes);
    excluir_ = NovoBotao("Excluir", this, botoes);
    botoes->addStretch();
    QPushButton* sair = NovoBotao("Sair", this, botoes);
    connect(incluir_, &QPushButton::clicked, this, &TFoCadImpostoImportacaoPorOrigem::incluir);
    connect(alterar_, &QPushButton::clicked, this, &TFoCadImpostoImportacaoPorOrigem::alterar);
    connect(gravar_, &QPushButton::clicked, this, &TFoCadImpostoImportacaoPorOrigem::gravar);
    connect(cancelar_, &QPushButton::clicked, this, &TFoCadImpostoImportacaoPorOrigem::cancelar);
    connect(excluir_, &QPushButton::clicked, this, &TFoCadImpostoImportacaoPorOrigem::excluir);
    connect(sair, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(produto_);
    layout->addWidget(grade_, 1);
    layout->addWidget(dados_);
    layout->addLayout(botoes);
    AvancarComEnter(this);
    LembrarJanela(this);
    editando(false);
}

bool TFoCadImpostoImportacaoPorOrigem::abrirProduto(int filial, int codigo, const QString& nome,
                                                    const QString& referencia) {
    try {
        dm_.abrir(filial, codigo);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    produto_->setText("Produto: " + QString::number(codigo) + " - " + nome +
                      (referencia.isEmpty() ? QString() : "   Referência: " + referencia));
    atualizarGrade();
    editando(false);
    return true;
}

void TFoCadImpostoImportacaoPorOrigem::atualizarGrade() {
    Tabela& t = dm_.TImposto;
    QList<QStringList> linhas;
    QVariantList chaves;
    if (t.ativo()) {
        const Marcador atual = t.marcador();
        for (t.primeiro(); !t.eof(); t.proximo()) {
            const Campo perc = t.campo("PercImpImportacao");
            linhas << QStringList{t.campo("Filial").texto(),
                                  t.campo("Cod_Reduz").texto(),
                                  t.campo("CodPais").texto(),
                                  t.campo("Operacao").texto(),
                                  perc.ehNulo() ? QString()
                                                : FormatarNumero("##0.00", perc.numero()),
                                  dm_.nomePais(t.campo("CodPais").texto())};
            chaves << t.marcador().rowid;
        }
        if (atual.valido)
            t.irPara(atual);
        else
            t.primeiro();
    }
    modelo_->definir(linhas, chaves);
    const int linha = t.ativo() ? modelo_->linhaDe(t.marcador().rowid) : -1;
    if (linha >= 0)
        grade_->setCurrentIndex(modelo_->index(linha, 0));
    vinculo_->mostrar();
    mostrarPais();
}

void TFoCadImpostoImportacaoPorOrigem::seguirGrade() {
    const QVariant chave = modelo_->chave(grade_->currentIndex().row());
    if (!chave.isValid() || dm_.TImposto.estado() != EstadoDados::Navegando)
        return;
    dm_.TImposto.irPara({chave.toLongLong(), true});
    vinculo_->mostrar();
    mostrarPais();
}

void TFoCadImpostoImportacaoPorOrigem::mostrarPais() {
    nomePais_->setText(dm_.nomePais(codPais_->text()));
}

void TFoCadImpostoImportacaoPorOrigem::editando(bool sim) {
    const bool temLinha = dm_.TImposto.ativo() && !dm_.TImposto.vazio();
    grade_->setEnabled(!sim);
    incluir_->setEnabled(!sim && dm_.TImposto.ativo());
    alterar_->setEnabled(!sim && temLinha);
    excluir_->setEnabled(!sim && temLinha);
    gravar_->setEnabled(sim);
    cancelar_->setEnabled(sim);
    dados_->setEnabled(sim);
    vinculo_->mostrar();
    mostrarPais();
}

void TFoCadImpostoImportacaoPorOrigem::incluir() {
    if (!dm_.Incluir())
        return;
    editando(true);
    codPais_->setFocus();
}

void TFoCadImpostoImportacaoPorOrigem::alterar() {
    if (!dm_.Alterar())
        return;
    editando(true);
    codPais_->setFocus();
}

void TFoCadImpostoImportacaoPorOrigem::gravar() {
    if (!vinculo_->validar())
        return;
    if (!dm_.Gravar()) {
        codPais_->setFocus();
        return;
    }
    atualizarGrade();
    editando(false);
}

void TFoCadImpostoImportacaoPorOrigem::cancelar() {
    dm_.Cancelar();
    atualizarGrade();
    editando(false);
}

void TFoCadImpostoImportacaoPorOrigem::excluir() {
    if (dm_.Excluir())
        atualizarGrade();
    editando(false);
}

void TFoCadImpostoImportacaoPorOrigem::closeEvent(QCloseEvent* evento) {
    dm_.Cancelar();
    editando(false);
    QWidget::closeEvent(evento);
}
