// The print settings every text or graphic report reads: filled by the print
// options window (TfoTipoImpr) and the copies window, and by the report
// itself for the page shape and counters. Process-wide, window thread only.
#pragma once

#include <QChar>
#include <QString>

struct ConfigImpressao {
    QString CodigoPasso;    // character 15 (compressed), 18 (normal) or empty
    QChar Modo = 'T';       // 'T' text, 'G' graphic
    QChar Destino = 'I';    // 'I' print, 'V' preview, 'T' client-drive file, 'P' PDF file
    QChar Orientacao = 'R'; // 'R' portrait, 'P' landscape (graphic only)
    int LinhasPorPagina = 66;
    QString NomeImpressora;
    QString Porta; // device, queue or file the text goes to
    int Copias = 1;
    int LinhasUsadas = 66; // lines a page emits
    int Largura = 80;      // columns a page emits
    int Linha = 0;         // current line, kept by the report
    int Pagina = 0;
    int PaginaInicial = 0; // when not 0, the next header's page number
    bool RotuloFolha = false;
    QString Complemento; // appended to every header's subtitle

    static ConfigImpressao& atual();
};

inline ConfigImpressao& CfgImpressao() {
    return ConfigImpressao::atual();
}

// Text mode without pitch code: what choosing a branch leaves behind.
void ReiniciarConfigImpressao();

inline const QString CaractereCompactado = QString(QChar(15));
inline const QString CaractereNormal = QString(QChar(18));
