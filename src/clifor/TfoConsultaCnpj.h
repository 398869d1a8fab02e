// The CNPJ lookup window ("Consulta CNPJ"): the CNPJ box, "Acessar" that
// goes to the query page, a "Carregando ..." panel while a page loads, the
// receipt's values in read-only boxes captioned as on the receipt, and,
// when the caller asks, "Marcar no Cliente".
//
// On the query page (address containing "Cnpjreva_Solicitacao2.asp") the
// form's "cnpj" element gets the CNPJ and "submit1" is clicked; on the
// receipt ("Cnpjreva_Comprovante.asp") the boxes are filled from its text.
// Modal; tests drive it through InstalarExibirModal.
#pragma once

#include <QDialog>
#include <QList>
#include <memory>

class Navegador;
class QLabel;
class QLineEdit;
class QPushButton;

class TfoConsultaCnpj : public QDialog {
public:
    explicit TfoConsultaCnpj(QWidget* parent = nullptr);
    ~TfoConsultaCnpj() override;

    // Puts `documento` in the CNPJ box, goes to the query page and shows
    // the window until it is closed.
    void abrir(const QString& documento, bool marcar, const QList<QLineEdit*>& alvos);

    void acessar();
    void marcarNoCliente();
    Navegador& navegador() { return *navegador_; }

private:
    void paginaCarregada(const QUrl& endereco);

    std::unique_ptr<Navegador> navegador_;
    QList<QLineEdit*> alvos_;
    QLineEdit* cnpj_;
    QList<QLineEdit*> caixas_;
    QLabel* carregando_;
    QPushButton* marcar_;
};
