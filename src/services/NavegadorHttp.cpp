#include "NavegadorHttp.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocument>
#include <QUrlQuery>

#include <utility>

namespace {

// Attribute name -> value of one tag's attribute text, names lower-cased.
QHash<QString, QString> atributos(const QString& texto) {
    static const QRegularExpression re(
        R"re(([A-Za-z_:][-A-Za-z0-9_:.]*)(?:\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))?)re");
    QHash<QString, QString> a;
    for (auto it = re.globalMatch(texto); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString valor = m.captured(2);
        if (valor.isEmpty())
            valor = m.captured(3);
        if (valor.isEmpty())
            valor = m.captured(4);
        // Entities in values (&amp; in actions) as the page means them.
        if (valor.contains('&')) {
            QTextDocument d;
            d.setHtml(valor);
            valor = d.toPlainText();
        }
        a.insert(m.captured(1).toLower(), valor);
    }
    return a;
}

QString decodificar(const QByteArray& conteudo, const QByteArray& tipo) {
    static const QRegularExpression charset("charset\\s*=\\s*\"?([-A-Za-z0-9_]+)",
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = charset.match(QString::fromLatin1(tipo));
    if (m.hasMatch()) {
        QStringDecoder d(m.captured(1).toLatin1().constData());
        if (d.isValid())
            return d.decode(conteudo);
    }
    QStringDecoder d = QStringDecoder::decoderForHtml(conteudo);
    return d.isValid() ? QString(d.decode(conteudo)) : QString::fromLatin1(conteudo);
}

} // namespace

NavegadorHttp::NavegadorHttp() : rede_(std::make_unique<QNetworkAccessManager>()) {
    rede_->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    QObject::connect(rede_.get(), &QNetworkAccessManager::finished,
                     [this](QNetworkReply* r) { carregar(r); });
}

NavegadorHttp::~NavegadorHttp() {
    cancelar();
}

// The reply given up is told apart from the one awaited when it finishes.
void NavegadorHttp::cancelar() {
    QNetworkReply* r = std::exchange(pendente_, nullptr);
    if (r)
        r->abort();
}

void NavegadorHttp::navegar(const QUrl& endereco) {
    cancelar();
    if (aoIniciar)
        aoIniciar();
    pendente_ = rede_->get(QNetworkRequest(endereco));
}

void NavegadorHttp::carregar(QNetworkReply* resposta) {
    resposta->deleteLater();
    if (resposta != pendente_)
        return;
    pendente_ = nullptr;
    const QUrl endereco = resposta->url();
    if (resposta->error() != QNetworkReply::NoError) {
        mostrar(endereco, QByteArray(), QByteArray());
        return;
    }
    mostrar(endereco, resposta->readAll(),
            resposta->header(QNetworkRequest::ContentTypeHeader).toByteArray());
}

void NavegadorHttp::mostrar(const QUrl& endereco, const QByteArray& conteudo,
                            const QByteArray& tipo) {
    endereco_ = endereco;
    html_ = decodificar(conteudo, tipo);
    QTextDocument documento;
    documento.setHtml(html_);
    texto_ = documento.toPlainText();

    formularios_.clear();
    static const QRegularExpression form(R"(<form\b([^>]*)>(.*?)</form\s*>)",
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression elemento(R"(<(input|button|select|textarea)\b([^>]*)>)",
                                             QRegularExpression::CaseInsensitiveOption);
    for (auto it = form.globalMatch(html_); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const auto a = atributos(m.captured(1));
        Formulario f;
        f.acao = endereco_.resolved(QUrl(a.value("action")));
        f.post = a.value("method").compare("post", Qt::CaseInsensitive) == 0;
        for (auto e = elemento.globalMatch(m.captured(2)); e.hasNext();) {
            const QRegularExpressionMatch me = e.next();
            const auto ae = atributos(me.captured(2));
            const QString etiqueta = me.captured(1).toLower();
            Elemento el;
            el.nome = ae.value("name");
            el.tipo = etiqueta == "input"    ? ae.value("type", "text").toLower()
                      : etiqueta == "button" ? ae.value("type", "submit").toLower()
                                             : etiqueta;
            el.valor = ae.value("value");
            el.marcado = ae.contains("checked");
            if (!el.nome.isEmpty())
                f.elementos << el;
        }
        formularios_ << f;
    }
    if (aoCarregar)
        aoCarregar(endereco_);
}

QStringList NavegadorHttp::elementos() const {
    QStringList nomes;
    for (const Formulario& f : formularios_)
        for (const Elemento& e : f.elementos)
            nomes << e.nome;
    return nomes;
}

NavegadorHttp::Elemento* NavegadorHttp::achar(const QString& nome, Formulario** formulario) {
    for (Formulario& f : formularios_) {
        for (Elemento& e : f.elementos) {
            if (e.nome != nome)
                continue;
            if (formulario)
                *formulario = &f;
            return &e;
        }
    }
    return nullptr;
}

bool NavegadorHttp::definirElemento(const QString& nome, const QString& valor) {
    Elemento* e = achar(nome);
    if (!e)
        return false;
    e->valor = valor;
    return true;
}

bool NavegadorHttp::clicarElemento(const QString& nome) {
    Formulario* f = nullptr;
    Elemento* e = achar(nome, &f);
    if (!e)
        return false;
    if (e->tipo == "submit" || e->tipo == "image")
        enviar(*f, e);
    else if (e->tipo == "checkbox" || e->tipo == "radio")
        e->marcado = !e->marcado;
    return true;
}

void NavegadorHttp::enviar(const Formulario& f, const Elemento* botao) {
    QUrlQuery dados;
    for (const Elemento& e : f.elementos) {
        if (e.tipo == "submit" || e.tipo == "image" || e.tipo == "button" || e.tipo == "reset") {
            if (&e == botao)
                dados.addQueryItem(e.nome, e.valor);
            continue;
        }
        if ((e.tipo == "checkbox" || e.tipo == "radio") && !e.marcado)
            continue;
        dados.addQueryItem(e.nome, e.valor);
    }
    cancelar();
    if (aoIniciar)
        aoIniciar();
    if (f.post) {
        QNetworkRequest pedido(f.acao);
        pedido.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
        pendente_ = rede_->post(pedido, dados.query(QUrl::FullyEncoded).toUtf8());
    } else {
        QUrl destino = f.acao;
        destino.setQuery(dados);
        pendente_ = rede_->get(QNetworkRequest(destino));
    }
}
