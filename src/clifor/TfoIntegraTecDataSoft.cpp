#include "TfoIntegraTecDataSoft.h"

#include "CapturaTecDataSoft.h"
#include "DocumentoClifor.h"
#include "services/Botao.h"
#include "services/CodigoMunicipio.h"
#include "services/ExecutarEAguardar.h"
#include "services/JanelaModal.h"
#include "session/Dialogos.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "store/Caminhos.h"
#include "store/ErroBanco.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// The reply boxes: caption and the item key that fills it ("" for the
// municipality code, looked up afterwards).
const std::pair<const char*, const char*> Caixas[] = {
    {"Cnpj / Cpf", "03-00"},    {"Razão Social :", "03-01"},
    {"Fantasia", "03-02"},      {"Endereço", "03-03"},
    {"Bairro", "03-04"},        {"Cidade", "03-05"},
    {"Cep", "03-06"},           {"UF", "03-07"},
    {"Fone", "03-08"},          {"Celular", "03-09"},
    {"E-mail", "03-10"},        {"Inscrição Estadual", "03-11"},
    {"Data Abertura", "03-12"}, {"Contato", "03-13"},
    {"Cpf Contato", "03-14"},   {"Data Nascimento", "03-15"},
    {"Cód. Município", ""},
};
} // namespace

TfoIntegraTecDataSoft::TfoIntegraTecDataSoft(QWidget* parent) : QDialog(parent) {
    setObjectName("TfoIntegraTecDataSoft");
    setWindowTitle("Orvalo - Captura Dados de Cliente a partir do TecDataSoft :");
    setMinimumWidth(620);

    auto* consulta = new QGroupBox("Consulta", this);
    porDocumento_ = new QRadioButton("Cnpj / Cpf", consulta);
    porDocumento_->setObjectName("Cnpj / Cpf");
    auto* porNome = new QRadioButton("Nome (Razão Social)", consulta);
    porNome->setObjectName("Nome (Razão Social)");
    documento_ = new QLineEdit(consulta);
    documento_->setObjectName("Documento");
    documento_->setMaxLength(18);
    nome_ = new QLineEdit(consulta);
    nome_->setObjectName("Nome");
    nome_->setMaxLength(60);
    auto* gc = new QGridLayout(consulta);
    gc->addWidget(porDocumento_, 0, 0);
    gc->addWidget(documento_, 0, 1);
    gc->addWidget(porNome, 1, 0);
    gc->addWidget(nome_, 1, 1);
    QPushButton* consultar = NovoBotao("Consultar", consulta);
    gc->addWidget(consultar, 0, 2, 2, 1);
    gc->setColumnStretch(1, 1);

    auto* dados = new QGroupBox("Dados do Cliente", this);
    auto* fd = new QFormLayout(dados);
    for (const auto& [rotulo, chave] : Caixas) {
        auto* e = new QLineEdit(dados);
        e->setObjectName(QString::fromUtf8(rotulo));
        e->setReadOnly(true);
        fd->addRow(QString::fromUtf8(rotulo), e);
        caixas_ << e;
    }

    auto* botoes = new QHBoxLayout;
    aplicar_ = NovoBotao("Aplicar Dados", this, botoes);
    QPushButton* limpar = NovoBotao("Limpar Dados", this, botoes);
    botoes->addStretch();
    QPushButton* fechar = NovoBotao("Fechar", this, botoes);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(consulta);
    layout->addWidget(dados);
    layout->addLayout(botoes);

    connect(consultar, &QPushButton::clicked, this, &TfoIntegraTecDataSoft::consultar);
    connect(aplicar_, &QPushButton::clicked, this, &TfoIntegraTecDataSoft::aplicarDados);
    connect(limpar, &QPushButton::clicked, this, &TfoIntegraTecDataSoft::limparDados);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* TfoIntegraTecDataSoft::caixa(const QString& rotulo) const {
    return findChild<QLineEdit*>(rotulo);
}

bool TfoIntegraTecDataSoft::abrir(const QString& documento, const QList<QLineEdit*>& alvos) {
    alvos_ = alvos;
    limparDados();
    documento_->setText(documento);
    porDocumento_->setChecked(true);
    documento_->setFocus();
    return ExibirModal(*this) == QDialog::Accepted;
}

void TfoIntegraTecDataSoft::limparDados() {
    for (QLineEdit* e : caixas_)
        e->clear();
    documento_->clear();
    nome_->clear();
    documentoConsultado_.clear();
    aplicar_->setEnabled(false);
}

void TfoIntegraTecDataSoft::consultar() {
    const QString programa = Sess().CaminhoTecDataSoft.trimmed();
    if (programa.isEmpty()) {
        MostrarMensagem("Para integração com TecDataSoft, favor configurar o caminho do "
                        "aplicativo!!!");
        return;
    }
    const QString host = Caminhos::atual().resolver(programa);
    if (!QFileInfo(host).isFile()) {
        MostrarErro("Aplicativo TecDataSoft não encontrado em \n\n" + programa);
        return;
    }
    const QDir pasta = QFileInfo(host).absoluteDir();
    const QString envio = pasta.filePath("TEC.ENV");
    const QString retorno = pasta.filePath("TEC.RET");
    QFile::remove(envio);
    QFile::remove(retorno);

    const bool porDocumento = porDocumento_->isChecked();
    const QString valor =
        porDocumento ? LimparDocumento(documento_->text()) : nome_->text().trimmed().toUpper();
    if (valor.isEmpty()) {
        MostrarMensagem(porDocumento
                            ? "Para consultar por cnpj ou cpf, favor preencher o campo!!!"
                            : "Para consultar por Nome (Razao Social), favor preencher o campo!!!");
        (porDocumento ? documento_ : nome_)->setFocus();
        return;
    }
    if (!GravarArquivoTec(envio, PedidoTecDataSoft(porDocumento, valor))) {
        MostrarErro("Não foi possível gravar " + QDir::toNativeSeparators(envio));
        return;
    }
    ExecutarEAguardar(programa, QString(), 1);
    // The program may still be closing its reply.
    Relogio::atual().esperar(300);
    if (!QFile::exists(retorno)) {
        MostrarErro("Arquivo de retorno do TecDataSoft não encontrado... Tente novamente!!!");
        return;
    }
    const RespostaTecDataSoft r = LerRespostaTecDataSoft(retorno);
    if (r.status != "OK") {
        QString texto = "Erro na tentativa de buscar dados do cliente : ";
        for (const QString& e : r.erros)
            texto += e + "\n\n";
        MostrarErro(texto);
        return;
    }
    for (int i = 0; i < caixas_.size(); ++i) {
        const QString chave = QString::fromLatin1(Caixas[i].second);
        if (chave.isEmpty())
            continue;
        if (r.itens.contains(chave))
            caixas_[i]->setText(chave == "03-06" ? QString(r.itens[chave]).remove('.').remove('-')
                                                 : r.itens[chave]);
    }
    documentoConsultado_ = porDocumento ? valor : LimparDocumento(caixa("Cnpj / Cpf")->text());
    try {
        caixa("Cód. Município")
            ->setText(::CodigoMunicipio(caixa("UF")->text(), caixa("Cidade")->text()));
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
    aplicar_->setEnabled(true);
}

void TfoIntegraTecDataSoft::aplicarDados() {
    if (!Confirmar("Confirma que deseja utilizar estes dados no cliente selecionado ?"))
        return;
    const auto texto = [this](const char* rotulo) {
        return caixa(QString::fromUtf8(rotulo))->text();
    };
    const QString& documento = documentoConsultado_;
    const QString valores[QuantosAlvos] = {
        documento,
        texto("Razão Social :"),
        texto("Inscrição Estadual"),
        texto("Fantasia"),
        texto("Endereço"),
        texto("Bairro"),
        texto("Cidade"),
        texto("Cep"),
        texto("UF"),
        texto("Fone"),
        texto("Celular"),
        texto("E-mail"),
        texto("Contato"),
        texto("Cód. Município"),
        documento.size() == 11 ? DataTecDataSoft(texto("Data Nascimento")) : QString(),
        documento.size() == 14 ? DataTecDataSoft(texto("Data Abertura")) : QString()};
    for (int i = 0; i < QuantosAlvos && i < alvos_.size(); ++i) {
        // What the reply left empty (a document lookup's document, dates
        // that do not fit the document) keeps the registration's value.
        if (valores[i].isEmpty())
            continue;
        if (alvos_[i])
            alvos_[i]->setText(valores[i]);
    }
    MostrarMensagem("Dados inseridos no cadastro de clientes...");
    accept();
}
