// The printers the print options window offers: the lines of
// "C:\Printers.txt" when that file exists (each line both the name shown
// and the device written to), else the installed printers, each entry
// written as its name, " on " and its port.
#pragma once

#include <QStringList>
#include <functional>

struct ListaImpressoras {
    QStringList nomes;
    QStringList portas; // parallel to nomes
};

ListaImpressoras LerListaImpressoras();

// The port of an installed-printer entry: the 50 characters after " on ",
// every ":" removed ("EPSON on LPT1:" -> "LPT1").
QString PortaDaEntrada(const QString& entrada);

// The installed printers as entries; by default the CUPS queues, each
// written as its queue name, " on " and the queue name again (the queue is
// where raw text goes). Tests replace it (nullptr restores the default).
void InstalarImpressorasInstaladas(std::function<QStringList()> listar);

// The names of the print queues of this computer (the ports of the
// installed-printer entries).
QStringList FilasInstaladas();
