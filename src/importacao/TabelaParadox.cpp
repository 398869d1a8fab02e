#include "TabelaParadox.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTime>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iconv.h>

extern "C" {
#include <paradox.h>
}

static_assert(char(TipoParadox::Alpha) == pxfAlpha && char(TipoParadox::Memo) == pxfMemoBLOb &&
              char(TipoParadox::DataHora) == pxfTimestamp && char(TipoParadox::Bytes) == pxfBytes);

namespace {
// Paradox day 1 is 01/01/0001; pxlib converts serial day numbers counted
// from this offset.
constexpr long DeslocamentoSdn = 1721425;

QString nomeArquivo(const QString& caminho) {
    return QFileInfo(caminho).fileName();
}

// The file beside `arquivo` with extension `ext`, whatever its case.
QString arquivoIrmao(const QString& arquivo, const QString& ext) {
    const QFileInfo info(arquivo);
    const QString procurado = info.completeBaseName() + '.' + ext;
    const QStringList nomes = info.dir().entryList(QDir::Files);
    for (const QString& n : nomes)
        if (n.compare(procurado, Qt::CaseInsensitive) == 0)
            return info.dir().filePath(n);
    return QString();
}

bool todosZero(const char* p, int n) {
    for (int i = 0; i < n; ++i)
        if (p[i] != 0)
            return false;
    return true;
}

// The blob file is read through these, so pxlib's own opening of the .MB
// (which reads a block header into a smaller buffer and aborts the
// process) is never called.
size_t lerMb(pxblob_t*, pxstream_t* s, size_t n, void* destino) {
    return std::fread(destino, 1, n, s->s.fp);
}
int posicionarMb(pxblob_t*, pxstream_t* s, long deslocamento, int origem) {
    return std::fseek(s->s.fp, deslocamento, origem);
}
long posicaoMb(pxblob_t*, pxstream_t* s) {
    return std::ftell(s->s.fp);
}
} // namespace

QString NomeTipoParadox(TipoParadox tipo) {
    switch (tipo) {
    case TipoParadox::Alpha:
        return "Alpha";
    case TipoParadox::Data:
        return "Date";
    case TipoParadox::Short:
        return "Short";
    case TipoParadox::Long:
        return "Long";
    case TipoParadox::Moeda:
        return "Money";
    case TipoParadox::Numero:
        return "Number";
    case TipoParadox::Logico:
        return "Logical";
    case TipoParadox::Memo:
        return "Memo";
    case TipoParadox::Blob:
        return "BLOb";
    case TipoParadox::MemoFormatado:
        return "Formatted Memo";
    case TipoParadox::Ole:
        return "OLE";
    case TipoParadox::Grafico:
        return "Graphic";
    case TipoParadox::Hora:
        return "Time";
    case TipoParadox::DataHora:
        return "Timestamp";
    case TipoParadox::AutoInc:
        return "Autoincrement";
    case TipoParadox::Bcd:
        return "BCD";
    case TipoParadox::Bytes:
        return "Bytes";
    }
    return QString("tipo %1").arg(int(tipo));
}

bool TipoParadoxBinario(TipoParadox tipo) {
    return tipo == TipoParadox::Blob || tipo == TipoParadox::Ole || tipo == TipoParadox::Grafico ||
           tipo == TipoParadox::Bytes;
}

struct TabelaParadox::Dados {
    pxdoc_t* doc = nullptr;
    FILE* db = nullptr;
    FILE* mb = nullptr;
    pxstream_t fluxoMb{};
    mbhead_t cabecalhoMb{};
    iconv_t conversor = iconv_t(-1);
    int codigoPagina = 0;
    QString nomeCodigo; // "CP850"
    QString ultimoErro;
    std::vector<char> registro;
    // The block list pxlib built on opening, and where the last read was:
    // pxlib walks the list from its start for every row, so each read is
    // shown the list from the current block on.
    pxpindex_t* blocos = nullptr;
    int quantidadeBlocos = 0;
    int bloco = 0;
    int primeiraDoBloco = 0;

    QString texto(const char* bytes, size_t n, int campo, std::vector<AvisoTexto>& avisos);
};

QString TabelaParadox::Dados::texto(const char* bytes, size_t n, int campo,
                                    std::vector<AvisoTexto>& avisos) {
    QByteArray saida;
    saida.resize(qsizetype(n * 4 + 4));
    char* entrada = const_cast<char*>(bytes);
    size_t resta = n;
    char* destino = saida.data();
    size_t livre = size_t(saida.size());
    iconv(conversor, nullptr, nullptr, nullptr, nullptr);
    while (resta > 0) {
        if (iconv(conversor, &entrada, &resta, &destino, &livre) != size_t(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        const QString hexa = QString::number(quint8(*entrada), 16).toUpper().rightJustified(2, '0');
        avisos.push_back({campo, "byte 0x" + hexa + " sem correspondência em " + nomeCodigo +
                                     ", gravado como �"});
        static const char substituto[] = "\xEF\xBF\xBD";
        for (char c : substituto)
            if (c != 0 && livre > 0) {
                *destino++ = c;
                --livre;
            }
        ++entrada;
        --resta;
    }
    saida.truncate(qsizetype(destino - saida.data()));
    return QString::fromUtf8(saida);
}

namespace {
// pxlib reports through this; the last error is kept for the message.
void tratarErro(pxdoc_t*, int tipo, const char* mensagem, void* ultimoErro) {
    if (tipo != PX_Warning && ultimoErro)
        *static_cast<QString*>(ultimoErro) = QString::fromLocal8Bit(mensagem);
}
} // namespace

TabelaParadox::TabelaParadox() : d(std::make_unique<Dados>()) {}

TabelaParadox::~TabelaParadox() {
    fechar();
}

void TabelaParadox::fechar() {
    if (d->doc) {
        d->doc->px_indexdata = d->blocos;
        d->doc->px_indexdatalen = d->quantidadeBlocos;
        if (d->doc->px_blob) {
            PX_delete_blob(d->doc->px_blob);
            d->doc->px_blob = nullptr;
        }
        PX_close(d->doc);
        PX_delete(d->doc);
        d->doc = nullptr;
    }
    if (d->db)
        std::fclose(d->db);
    if (d->mb)
        std::fclose(d->mb);
    d->db = d->mb = nullptr;
    if (d->conversor != iconv_t(-1))
        iconv_close(d->conversor);
    d->conversor = iconv_t(-1);
    d->blocos = nullptr;
    d->quantidadeBlocos = d->bloco = d->primeiraDoBloco = 0;
    campos_.clear();
}

bool TabelaParadox::abrir(const QString& arquivo, QString& erro) {
    fechar();
    const QString nome = nomeArquivo(arquivo);
    d->ultimoErro.clear();
    d->db = std::fopen(QFile::encodeName(arquivo).constData(), "rb");
    if (!d->db) {
        erro = "Não foi possível ler " + nome + ": " + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    d->doc = PX_new3(tratarErro, nullptr, nullptr, nullptr, &d->ultimoErro);
    if (!d->doc || PX_open_fp(d->doc, d->db) < 0) {
        erro = nome + " não é uma tabela Paradox legível.";
        fechar();
        return false;
    }
    const pxhead_t* cab = d->doc->px_head;
    if (cab->px_filetype != pxfFileTypIndexDB && cab->px_filetype != pxfFileTypNonIndexDB) {
        erro = nome + " não é uma tabela Paradox (é um arquivo de índice).";
        fechar();
        return false;
    }
    bool temBlob = false;
    for (int i = 0; i < PX_get_num_fields(d->doc); ++i) {
        const pxfield_t* f = PX_get_field(d->doc, i);
        CampoParadox c{QString::fromLatin1(f->px_fname), TipoParadox(f->px_ftype), f->px_flen};
        temBlob = temBlob || c.tipo == TipoParadox::Memo || c.tipo == TipoParadox::MemoFormatado ||
                  c.tipo == TipoParadox::Blob || c.tipo == TipoParadox::Ole ||
                  c.tipo == TipoParadox::Grafico;
        campos_.push_back(c);
    }
    d->codigoPagina = cab->px_doscodepage;
    d->nomeCodigo = "CP" + QString::number(d->codigoPagina > 0 ? d->codigoPagina : 850);
    d->conversor = iconv_open("UTF-8", d->nomeCodigo.toLatin1().constData());
    if (d->conversor == iconv_t(-1)) {
        erro = nome + ": página de código " + QString::number(d->codigoPagina) +
               " desconhecida; a tabela não foi lida.";
        fechar();
        return false;
    }
    if (temBlob) {
        const QString mb = arquivoIrmao(arquivo, "MB");
        d->mb = mb.isEmpty() ? nullptr : std::fopen(QFile::encodeName(mb).constData(), "rb");
        if (!d->mb) {
            erro = nome + " tem campos memo, mas o arquivo de memos " +
                   QFileInfo(arquivo).completeBaseName() + ".MB não foi encontrado ao lado dela.";
            fechar();
            return false;
        }
        pxblob_t* blob = PX_new_blob(d->doc);
        d->fluxoMb = pxstream_t{};
        d->fluxoMb.type = pxfIOFile;
        d->fluxoMb.mode = pxfFileRead;
        d->fluxoMb.close = px_false;
        d->fluxoMb.s.fp = d->mb;
        blob->mb_stream = &d->fluxoMb;
        blob->mb_head = &d->cabecalhoMb;
        blob->read = lerMb;
        blob->seek = posicionarMb;
        blob->tell = posicaoMb;
    }
    d->registro.assign(size_t(PX_get_recordsize(d->doc)), 0);
    d->blocos = static_cast<pxpindex_t*>(d->doc->px_indexdata);
    d->quantidadeBlocos = d->doc->px_indexdatalen;
    return true;
}

int TabelaParadox::linhas() const {
    return d->doc ? PX_get_num_records(d->doc) : 0;
}

int TabelaParadox::codigoPagina() const {
    return d->codigoPagina;
}

QString TabelaParadox::descricaoCodigoPagina() const {
    return d->codigoPagina > 0 ? d->nomeCodigo : d->nomeCodigo + " (não indicada)";
}

bool TabelaParadox::ler(int linha, std::vector<QVariant>& valores, std::vector<AvisoTexto>& avisos,
                        QString& erro) {
    valores.assign(campos_.size(), QVariant());
    avisos.clear();
    if (!d->doc || linha < 0 || linha >= linhas()) {
        erro = QString("A linha %1 não existe.").arg(linha + 1);
        return false;
    }
    if (d->blocos) {
        if (linha < d->primeiraDoBloco)
            d->bloco = d->primeiraDoBloco = 0;
        while (d->bloco + 1 < d->quantidadeBlocos &&
               linha >= d->primeiraDoBloco + d->blocos[d->bloco].numrecords) {
            d->primeiraDoBloco += d->blocos[d->bloco].numrecords;
            ++d->bloco;
        }
        d->doc->px_indexdata = d->blocos + d->bloco;
        d->doc->px_indexdatalen = d->quantidadeBlocos - d->bloco;
    }
    int excluida = 0;
    pxdatablockinfo_t info;
    d->ultimoErro.clear();
    const char* lido = PX_get_record2(d->doc, linha - (d->blocos ? d->primeiraDoBloco : 0),
                                      d->registro.data(), &excluida, &info);
    if (d->blocos) {
        d->doc->px_indexdata = d->blocos;
        d->doc->px_indexdatalen = d->quantidadeBlocos;
    }
    if (!lido) {
        erro = QString("A linha %1 não pôde ser lida (%2).").arg(linha + 1).arg(d->ultimoErro);
        return false;
    }

    pxdoc_t* doc = d->doc;
    int deslocamento = 0;
    for (size_t i = 0; i < campos_.size(); ++i) {
        const CampoParadox& c = campos_[i];
        char* p = d->registro.data() + deslocamento;
        deslocamento += c.tamanho;
        // Blank is all zero bytes, for every type (pxlib reads a blank
        // long-sized field as a value).
        if (todosZero(p, c.tamanho))
            continue;
        switch (c.tipo) {
        case TipoParadox::Alpha: {
            char* s = nullptr;
            if (PX_get_data_alpha(doc, p, c.tamanho, &s) > 0 && s) {
                const QString t = d->texto(s, std::strlen(s), int(i), avisos);
                doc->free(doc, s);
                if (!t.isEmpty())
                    valores[i] = t;
            }
            break;
        }
        case TipoParadox::Short: {
            short v = 0;
            if (PX_get_data_short(doc, p, c.tamanho, &v) > 0)
                valores[i] = int(v);
            break;
        }
        case TipoParadox::Long:
        case TipoParadox::AutoInc: {
            long v = 0;
            if (PX_get_data_long(doc, p, c.tamanho, &v) > 0)
                valores[i] = int(v);
            break;
        }
        case TipoParadox::Data: {
            long v = 0;
            if (PX_get_data_long(doc, p, c.tamanho, &v) > 0) {
                int a = 0, m = 0, dia = 0;
                PX_SdnToGregorian(v + DeslocamentoSdn, &a, &m, &dia);
                valores[i] = QDate(a, m, dia);
            }
            break;
        }
        case TipoParadox::Hora: {
            long v = 0;
            if (PX_get_data_long(doc, p, c.tamanho, &v) > 0)
                valores[i] = QTime::fromMSecsSinceStartOfDay(int(v));
            break;
        }
        case TipoParadox::DataHora: {
            double v = 0;
            if (PX_get_data_double(doc, p, c.tamanho, &v) > 0) {
                const qint64 ms = qint64(v);
                int a = 0, m = 0, dia = 0;
                PX_SdnToGregorian(long(ms / 86400000) + DeslocamentoSdn, &a, &m, &dia);
                // No zone: a time that daylight saving skips still is the time written.
                valores[i] = QDateTime(
                    QDate(a, m, dia), QTime::fromMSecsSinceStartOfDay(int(ms % 86400000)), Qt::UTC);
            }
            break;
        }
        case TipoParadox::Moeda:
        case TipoParadox::Numero: {
            double v = 0;
            if (PX_get_data_double(doc, p, c.tamanho, &v) > 0)
                valores[i] = v;
            break;
        }
        case TipoParadox::Logico: {
            char v = 0;
            if (PX_get_data_byte(doc, p, c.tamanho, &v) > 0)
                valores[i] = v != 0;
            break;
        }
        case TipoParadox::Bcd: {
            char* s = nullptr;
            if (PX_get_data_bcd(doc, reinterpret_cast<unsigned char*>(p), c.tamanho, &s) > 0 && s) {
                bool ok = false;
                const double v = QString::fromLatin1(s).trimmed().toDouble(&ok);
                doc->free(doc, s);
                if (ok)
                    valores[i] = v;
            }
            break;
        }
        case TipoParadox::Bytes: {
            char* s = nullptr;
            if (PX_get_data_bytes(doc, p, c.tamanho, &s) > 0 && s) {
                valores[i] = QByteArray(s, c.tamanho);
                doc->free(doc, s);
            }
            break;
        }
        case TipoParadox::Memo:
        case TipoParadox::MemoFormatado:
        case TipoParadox::Blob:
        case TipoParadox::Ole:
        case TipoParadox::Grafico: {
            char* s = nullptr;
            int mod = 0, tamanho = 0;
            d->ultimoErro.clear();
            const int r = c.tipo == TipoParadox::Grafico
                              ? PX_get_data_graphic(doc, p, c.tamanho, &mod, &tamanho, &s)
                              : PX_get_data_blob(doc, p, c.tamanho, &mod, &tamanho, &s);
            if (r < 0 || (r > 0 && !s && tamanho > 0)) {
                erro = QString("O memo do campo %1 da linha %2 não pôde ser lido do arquivo .MB "
                               "(%3).")
                           .arg(c.nome)
                           .arg(linha + 1)
                           .arg(d->ultimoErro);
                return false;
            }
            if (r > 0 && s) {
                if (TipoParadoxBinario(c.tipo)) {
                    valores[i] = QByteArray(s, tamanho);
                } else {
                    const QString t = d->texto(s, size_t(tamanho), int(i), avisos);
                    if (!t.isEmpty())
                        valores[i] = t;
                }
                doc->free(doc, s);
            }
            break;
        }
        }
    }
    return true;
}
