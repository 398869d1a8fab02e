// Dialogos for tests: answers come from a queue, and every text shown is
// recorded with its kind and caption so tests assert the exact Portuguese.
// A message with no queued answer gets OK / Yes; an input with none is
// cancelled.
#pragma once

#include "Dialogos.h"

#include <QList>
#include <QStringList>
#include <deque>

struct DialogoMostrado {
    TipoMensagem tipo;
    QString titulo;
    QString texto;
    Botoes botoes;
    bool entrada = false;
};

class DialogosRoteirizados : public Dialogos {
public:
    DialogosRoteirizados() { Dialogos::instalar(this); }
    ~DialogosRoteirizados() override { Dialogos::instalar(nullptr); }

    void responder(Resposta r) { respostas_.push_back(r); }
    void digitar(const QString& texto) { entradas_.push_back({true, texto}); }
    void cancelarEntrada() { entradas_.push_back({false, QString()}); }

    Resposta mensagem(TipoMensagem tipo, const QString& titulo, const QString& texto,
                      Botoes botoes) override;
    bool entrada(const QString& titulo, const QString& prompt, QString& valor,
                 bool mascarada) override;

    const QList<DialogoMostrado>& mostrados() const { return mostrados_; }
    QStringList textos() const;
    void limpar() { mostrados_.clear(); }

private:
    std::deque<Resposta> respostas_;
    std::deque<std::pair<bool, QString>> entradas_;
    QList<DialogoMostrado> mostrados_;
};
