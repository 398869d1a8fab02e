// The customer-data capture ("Orvalo - Captura Dados de Cliente a partir do
// TecDataSoft :"): looks a party up by CPF/CNPJ ("Cnpj / Cpf") or by name
// ("Nome (Razão Social)") through the TecDataSoft program, shows the reply,
// and "Aplicar Dados" writes it into the registration's boxes; "Limpar
// Dados" empties the boxes, "Fechar" closes.
//
// Modal; tests drive it through InstalarExibirModal.
#pragma once

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;
class QRadioButton;

class TfoIntegraTecDataSoft : public QDialog {
public:
    // The registration's boxes the reply goes to, in this order.
    enum Alvo {
        Documento,
        RazaoSocial,
        InscricaoEstadual,
        Fantasia,
        Endereco,
        Bairro,
        Cidade,
        Cep,
        Uf,
        Fone1,
        Fone2,
        Email,
        Contato,
        CodigoMunicipio,
        Nascimento,
        Abertura,
        QuantosAlvos
    };

    explicit TfoIntegraTecDataSoft(QWidget* parent = nullptr);

    // Shows the window with `documento` pre-filled (an alteration's), the
    // query by document chosen and "Aplicar Dados" off; true when the data
    // were applied.
    bool abrir(const QString& documento, const QList<QLineEdit*>& alvos);

    void consultar();
    void aplicarDados();
    void limparDados();
    // The reply box captioned `rotulo`.
    QLineEdit* caixa(const QString& rotulo) const;

private:
    QList<QLineEdit*> alvos_;
    // The document asked for, or the one a name lookup found.
    QString documentoConsultado_;
    QRadioButton* porDocumento_;
    QLineEdit* documento_;
    QLineEdit* nome_;
    QList<QLineEdit*> caixas_;
    QPushButton* aplicar_;
};
