// Writes a Paradox table (.DB, and .MB when it has memo fields) through
// pxlib, the way the legacy system left its company directories: the
// demonstration's legacy company, the import tests and the benchmark are
// made with it. Tables are written without a primary index, in the code
// page given, rows in the order added.
#pragma once

#include "TabelaParadox.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

struct DefTabela;

class EscritorParadox {
public:
    // Creates `arquivo` (host path of the .DB; an existing one is
    // replaced). For memo fields `tamanho` is the whole field, in-row part
    // plus the 10 bytes that point into the .MB. Throws std::runtime_error
    // when pxlib cannot create the files.
    EscritorParadox(const QString& arquivo, const std::vector<CampoParadox>& campos,
                    int codigoPagina);
    ~EscritorParadox(); // closes the files
    EscritorParadox(const EscritorParadox&) = delete;
    EscritorParadox& operator=(const EscritorParadox&) = delete;

    // One value per field; an invalid QVariant writes a blank. Texts given
    // as QString are encoded in the table's code page; a QByteArray is
    // written as it is (bytes of that code page). Dates, times and
    // date-times go as QDate, QTime, QDateTime; logical as bool.
    void adicionar(const std::vector<QVariant>& valores);
    void fechar();

private:
    struct Dados;
    std::unique_ptr<Dados> d;
};

// The Paradox fields of a table of this program, as the legacy system
// declared them: text n -> Alpha n, money -> Money, memo -> Memo with a
// 20-byte in-row part, and so on.
std::vector<CampoParadox> CamposParadoxDe(const DefTabela& def);
