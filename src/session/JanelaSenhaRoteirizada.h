// JanelaSenha for tests: each showing takes the next queued answer (OK
// with the typed texts, or Cancelar) and records its caption and whether
// the user panel was visible. With no answer queued the window is
// cancelled.
#pragma once

#include "JanelaSenha.h"

#include <QList>
#include <deque>

struct JanelaSenhaMostrada {
    QString legenda;
    bool pedeUsuario = false;
};

class JanelaSenhaRoteirizada : public JanelaSenha {
public:
    JanelaSenhaRoteirizada() { JanelaSenha::instalar(this); }
    ~JanelaSenhaRoteirizada() override { JanelaSenha::instalar(nullptr); }

    void confirmar(const QString& senha, const QString& usuario = QString(),
                   const QString& senhaUsuario = QString()) {
        respostas_.push_back({true, senha, usuario, senhaUsuario});
    }
    void cancelar() { respostas_.push_back({false, {}, {}, {}}); }

    bool executar(const QString& legenda, bool pedeUsuario) override;
    QString senha() const override { return atual_.senha; }
    QString usuario() const override { return atual_.usuario; }
    QString senhaUsuario() const override { return atual_.senhaUsuario; }

    const QList<JanelaSenhaMostrada>& mostradas() const { return mostradas_; }

private:
    struct Resposta {
        bool ok = false;
        QString senha, usuario, senhaUsuario;
    };
    std::deque<Resposta> respostas_;
    Resposta atual_;
    QList<JanelaSenhaMostrada> mostradas_;
};
