// One Paradox table (.DB, with its memo file .MB) of a legacy company
// directory, read through pxlib and never written: the files are opened
// read-only, so a directory on a read-only share or a CD imports alike.
//
// Alpha and memo texts are decoded from the code page the table's header
// names (850, 1252, 437 ...; a header without one is read as CP850, the
// code page of the Brazilian DOS installations) into Unicode. A byte the
// code page does not define becomes U+FFFD and is reported with the row.
// Dates, times, timestamps, logical, short, long, number, money, BCD and
// auto-increment values keep their values; a blank field reads as an
// invalid QVariant. Binary fields (BLOb, OLE, graphic, bytes) read as
// their bytes.
//
// Rows are read in file order, numbered from 0; reading them in ascending
// order costs the same for the first row and the millionth.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

// Paradox field types, with the numbers the file format (and pxlib) uses.
enum class TipoParadox : char {
    Alpha = 0x01,
    Data = 0x02,
    Short = 0x03,
    Long = 0x04,
    Moeda = 0x05,
    Numero = 0x06,
    Logico = 0x09,
    Memo = 0x0C,
    Blob = 0x0D,
    MemoFormatado = 0x0E,
    Ole = 0x0F,
    Grafico = 0x10,
    Hora = 0x14,
    DataHora = 0x15,
    AutoInc = 0x16,
    Bcd = 0x17,
    Bytes = 0x18,
};

// "Alpha", "Memo", "Money" ...: the type as legacy manuals name it.
QString NomeTipoParadox(TipoParadox tipo);
// True for the types whose values are bytes, not text or numbers.
bool TipoParadoxBinario(TipoParadox tipo);

struct CampoParadox {
    QString nome;
    TipoParadox tipo = TipoParadox::Alpha;
    int tamanho = 0; // bytes in the record (alpha: characters)
};

// A text value that had a byte its code page does not define.
struct AvisoTexto {
    int campo;
    QString texto; // "byte 0x81 sem correspondência em CP1252, gravado como �"
};

class TabelaParadox {
public:
    TabelaParadox();
    ~TabelaParadox();
    TabelaParadox(const TabelaParadox&) = delete;
    TabelaParadox& operator=(const TabelaParadox&) = delete;

    // Opens `arquivo` (host path of the .DB) and, when the table has memo
    // or blob fields, its .MB beside it (name matched without regard to
    // case). False with a Portuguese reason in `erro`.
    bool abrir(const QString& arquivo, QString& erro);
    void fechar();

    int linhas() const;
    // The code page of the header; 0 when the header names none.
    int codigoPagina() const;
    // "CP850"; "CP850 (não indicada)" when the header names none.
    QString descricaoCodigoPagina() const;
    const std::vector<CampoParadox>& campos() const { return campos_; }

    // Reads row `linha` (0-based) into `valores`, one per field. False with
    // a Portuguese reason when the row cannot be read.
    bool ler(int linha, std::vector<QVariant>& valores, std::vector<AvisoTexto>& avisos,
             QString& erro);

private:
    struct Dados;
    std::unique_ptr<Dados> d;
    std::vector<CampoParadox> campos_;
};
