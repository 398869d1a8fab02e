// The clothing measure sheets of a party's measure row: the jacket sheet
// and the trouser sheet, one page each, drawn with QPainter on a printer
// or a PDF file.
#pragma once

#include <QList>
#include <QString>
#include <utility>

class QPagedPaintDevice;

// Caption and column of each measure of a sheet, in the sheet's order.
using CamposFicha = QList<std::pair<QString, QString>>;
const CamposFicha& CamposJaqueta();
const CamposFicha& CamposCalca();

struct FichaMedidas {
    QString cliente; // code and name
    QString data;    // of the measures
    QString numero;
    QString feira, cores, observacaoJaqueta, observacaoCalca;
    QList<QString> jaqueta; // values in CamposJaqueta() order
    QList<QString> calca;   // values in CamposCalca() order
};

// Draws both sheets on `destino` (a new page for the trousers); returns the
// number of pages drawn, 0 when the device could not be painted on.
int DesenharFichasMedidas(const FichaMedidas& ficha, QPagedPaintDevice& destino);
