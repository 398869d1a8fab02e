// The program's browser (Navegador.h) over QNetworkAccessManager: GET and
// form submission (GET or POST, urlencoded), redirections followed, the
// page decoded by its declared charset and turned into text by
// QTextDocument. A page that fails to load is an empty page at the address
// asked; it is still announced as loaded.
#pragma once

#include "Navegador.h"

#include <QList>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

class NavegadorHttp : public Navegador {
public:
    NavegadorHttp();
    ~NavegadorHttp() override;

    void navegar(const QUrl& endereco) override;
    QUrl endereco() const override { return endereco_; }
    QStringList elementos() const override;
    bool definirElemento(const QString& nome, const QString& valor) override;
    bool clicarElemento(const QString& nome) override;
    QString texto() const override { return texto_; }

    // The page's HTML, as decoded.
    const QString& html() const { return html_; }

private:
    struct Elemento {
        QString nome, tipo, valor;
        bool marcado = false;
    };
    struct Formulario {
        QUrl acao;
        bool post = false;
        QList<Elemento> elementos;
    };

    void cancelar();
    void carregar(QNetworkReply* resposta);
    void mostrar(const QUrl& endereco, const QByteArray& conteudo, const QByteArray& tipo);
    void enviar(const Formulario& f, const Elemento* botao);
    Elemento* achar(const QString& nome, Formulario** formulario = nullptr);

    std::unique_ptr<QNetworkAccessManager> rede_;
    QNetworkReply* pendente_ = nullptr;
    QUrl endereco_;
    QString html_;
    QString texto_;
    QList<Formulario> formularios_;
};
