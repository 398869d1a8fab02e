#include "EscritorParadox.h"

#include "store/DefTabela.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <stdexcept>

extern "C" {
#include <paradox.h>
}

namespace {
void ignorarAviso(pxdoc_t*, int tipo, const char* mensagem, void* erro) {
    if (tipo != PX_Warning)
        *static_cast<std::string*>(erro) = mensagem;
}
} // namespace

struct EscritorParadox::Dados {
    pxdoc_t* doc = nullptr;
    std::vector<CampoParadox> campos;
    iconv_t conversor = iconv_t(-1);
    std::string erro;

    QByteArray codificar(const QString& texto) {
        QByteArray entrada = texto.toUtf8();
        QByteArray saida(entrada.size() + 1, 0);
        char* de = entrada.data();
        size_t resta = size_t(entrada.size());
        char* para = saida.data();
        size_t livre = size_t(saida.size());
        iconv(conversor, nullptr, nullptr, nullptr, nullptr);
        if (iconv(conversor, &de, &resta, &para, &livre) == size_t(-1))
            throw std::runtime_error("texto sem representação na página de código: " +
                                     texto.toStdString());
        saida.truncate(qsizetype(para - saida.data()));
        return saida;
    }
};

EscritorParadox::EscritorParadox(const QString& arquivo, const std::vector<CampoParadox>& campos,
                                 int codigoPagina)
    : d(std::make_unique<Dados>()) {
    d->campos = campos;
    d->doc = PX_new3(ignorarAviso, nullptr, nullptr, nullptr, &d->erro);
    // pxlib keeps and frees the field list.
    auto* lista = static_cast<pxfield_t*>(
        d->doc->malloc(d->doc, campos.size() * sizeof(pxfield_t), "campos"));
    bool temMemo = false;
    for (size_t i = 0; i < campos.size(); ++i) {
        lista[i].px_fname = PX_strdup(d->doc, campos[i].nome.toLatin1().constData());
        lista[i].px_ftype = char(campos[i].tipo);
        lista[i].px_flen = campos[i].tamanho;
        lista[i].px_fdc = 0;
        temMemo = temMemo || campos[i].tipo == TipoParadox::Memo;
    }
    const QByteArray nome = QFile::encodeName(arquivo);
    if (PX_create_file(d->doc, lista, int(campos.size()), nome.constData(), pxfFileTypNonIndexDB) <
            0 ||
        PX_set_value(d->doc, "codepage", float(codigoPagina)) < 0)
        throw std::runtime_error("não foi possível criar " + nome.toStdString() + ": " + d->erro);
    if (temMemo) {
        const QFileInfo info(arquivo);
        const QByteArray mb =
            QFile::encodeName(info.dir().filePath(info.completeBaseName() + ".MB"));
        if (PX_set_blob_file(d->doc, mb.constData()) < 0)
            throw std::runtime_error("não foi possível criar " + mb.toStdString() + ": " + d->erro);
    }
    d->conversor = iconv_open(("CP" + std::to_string(codigoPagina)).c_str(), "UTF-8");
    if (d->conversor == iconv_t(-1))
        throw std::runtime_error("página de código desconhecida: " + std::to_string(codigoPagina));
}

EscritorParadox::~EscritorParadox() {
    fechar();
}

void EscritorParadox::fechar() {
    if (!d->doc)
        return;
    PX_close(d->doc);
    PX_delete(d->doc);
    d->doc = nullptr;
    iconv_close(d->conversor);
}

void EscritorParadox::adicionar(const std::vector<QVariant>& valores) {
    pxdoc_t* doc = d->doc;
    // The record is put together here and appended: pxlib's insertion
    // looks for a free slot from the first block on, for every row.
    std::vector<char> registro(size_t(PX_get_recordsize(doc)), 0);
    char* p = registro.data();
    for (size_t i = 0; i < d->campos.size(); p += d->campos[i].tamanho, ++i) {
        const CampoParadox& c = d->campos[i];
        const QVariant& x = i < valores.size() ? valores[i] : QVariant();
        if (!x.isValid() || x.isNull())
            continue;
        switch (c.tipo) {
        case TipoParadox::Alpha:
        case TipoParadox::Memo:
        case TipoParadox::MemoFormatado:
        case TipoParadox::Bytes: {
            QByteArray bytes =
                x.typeId() == QMetaType::QByteArray ? x.toByteArray() : d->codificar(x.toString());
            if (c.tipo == TipoParadox::Alpha && bytes.size() > c.tamanho)
                throw std::runtime_error("texto maior que o campo " + c.nome.toStdString());
            if (c.tipo == TipoParadox::Alpha)
                PX_put_data_alpha(doc, p, c.tamanho, bytes.data());
            else if (c.tipo == TipoParadox::Bytes)
                PX_put_data_bytes(doc, p, c.tamanho, bytes.data());
            else if (PX_put_data_blob(doc, p, c.tamanho, bytes.data(), int(bytes.size())) < 0)
                throw std::runtime_error("não foi possível gravar o memo: " + d->erro);
            break;
        }
        case TipoParadox::Data: {
            const QDate dt = x.toDate();
            pxval_t* v = PX_make_date(doc, dt.year(), dt.month(), dt.day());
            PX_put_data_long(doc, p, c.tamanho, int(v->value.lval));
            doc->free(doc, v);
            break;
        }
        case TipoParadox::Hora: {
            const QTime t = x.toTime();
            pxval_t* v = PX_make_time(doc, t.hour(), t.minute(), t.second());
            PX_put_data_long(doc, p, c.tamanho, int(v->value.lval + t.msec()));
            doc->free(doc, v);
            break;
        }
        case TipoParadox::DataHora: {
            const QDateTime dt = x.toDateTime();
            const QDate dia = dt.date();
            const QTime t = dt.time();
            pxval_t* v = PX_make_timestamp(doc, dia.year(), dia.month(), dia.day(), t.hour(),
                                           t.minute(), t.second());
            PX_put_data_double(doc, p, c.tamanho, v->value.dval + t.msec());
            doc->free(doc, v);
            break;
        }
        case TipoParadox::Moeda:
        case TipoParadox::Numero:
            PX_put_data_double(doc, p, c.tamanho, x.toDouble());
            break;
        case TipoParadox::Logico:
            PX_put_data_byte(doc, p, c.tamanho, x.toBool() ? 1 : 0);
            break;
        case TipoParadox::Short:
            PX_put_data_short(doc, p, c.tamanho, short(x.toInt()));
            break;
        case TipoParadox::Long:
        case TipoParadox::AutoInc:
            PX_put_data_long(doc, p, c.tamanho, x.toInt());
            break;
        default:
            throw std::runtime_error("tipo de campo não gravado: " + c.nome.toStdString());
        }
    }
    if (PX_put_record(doc, registro.data()) < 0)
        throw std::runtime_error("não foi possível gravar a linha: " + d->erro);
}

std::vector<CampoParadox> CamposParadoxDe(const DefTabela& def) {
    std::vector<CampoParadox> r;
    for (const DefCampo& c : def.campos) {
        switch (c.tipo) {
        case TipoCampo::Short:
            r.push_back({c.nome, TipoParadox::Short, 2});
            break;
        case TipoCampo::Long:
            r.push_back({c.nome, TipoParadox::Long, 4});
            break;
        case TipoCampo::AutoInc:
            r.push_back({c.nome, TipoParadox::AutoInc, 4});
            break;
        case TipoCampo::Number:
            r.push_back({c.nome, TipoParadox::Numero, 8});
            break;
        case TipoCampo::Money:
            r.push_back({c.nome, TipoParadox::Moeda, 8});
            break;
        case TipoCampo::Texto:
            r.push_back(
                {c.nome, TipoParadox::Alpha, c.tamanho > 0 ? std::min(c.tamanho, 255) : 255});
            break;
        case TipoCampo::Data:
            r.push_back({c.nome, TipoParadox::Data, 4});
            break;
        case TipoCampo::Hora:
            r.push_back({c.nome, TipoParadox::Hora, 4});
            break;
        case TipoCampo::DataHora:
            r.push_back({c.nome, TipoParadox::DataHora, 8});
            break;
        case TipoCampo::Logico:
            r.push_back({c.nome, TipoParadox::Logico, 1});
            break;
        case TipoCampo::Memo:
            r.push_back({c.nome, TipoParadox::Memo, 30});
            break;
        }
    }
    return r;
}
