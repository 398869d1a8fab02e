// The CNPJ lookup on the revenue service's public query page: the query
// page's form is filled and submitted, the registration receipt is read as
// text, and "Marcar no Cliente" copies name, document and address into the
// party's boxes.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QLineEdit;
class QWidget;

// The captions of the receipt, in the order of the lookup's boxes.
const QStringList& RotulosComprovanteCnpj();

// The value under each caption of RotulosComprovanteCnpj(): for each line
// whose trimmed text equals a caption, the next line trimmed. A caption on
// the last line gives nothing; a caption met twice keeps the last value.
QStringList LerComprovanteCnpj(const QString& texto);

// What "Marcar no Cliente" writes into the nine targets (document, name,
// street, number, complement, district, postal code, city, state) from the
// receipt's values: the document without ".", "-" and "/", upper-cased; the
// number reduced to its digits; the postal code without "." and "-".
QStringList ValoresMarcadosCnpj(const QStringList& comprovante);

// The query page's address: the setting [ConsultaCnpj] Endereco.
QString EnderecoConsultaCnpj();
void DefinirEnderecoConsultaCnpj(const QString& endereco);

// Nothing unless `documento` has exactly 14 characters; otherwise opens the
// lookup window on it (modal), with "Marcar no Cliente" when `marcar` is
// set, writing into `alvos` (nine boxes, in the order above; a null box is
// skipped). Returns when the window is closed.
void ConsultaCnpj(const QString& documento, bool marcar, const QList<QLineEdit*>& alvos,
                  QWidget* pai = nullptr);
