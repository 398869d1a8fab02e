// The one clock of the program: "now", "today" and waits. Tests install a
// manual clock and set the date; waits then advance it without sleeping.
#pragma once

#include <QDate>
#include <QDateTime>

class Relogio {
public:
    virtual ~Relogio() = default;
    virtual QDateTime agora() = 0;
    virtual void esperar(int milissegundos) = 0;

    QDate hoje() { return agora().date(); }

    static Relogio& atual();
    static void instalar(Relogio* r); // nullptr restores the system clock
};

// A clock that stands still until told to move; `esperar` advances it.
class RelogioManual : public Relogio {
public:
    explicit RelogioManual(QDateTime inicio) : agora_(inicio) {}
    QDateTime agora() override { return agora_; }
    void esperar(int ms) override {
        agora_ = agora_.addMSecs(ms);
        esperado_ += ms;
    }
    void definir(QDateTime t) { agora_ = t; }
    qint64 totalEsperado() const { return esperado_; }

private:
    QDateTime agora_;
    qint64 esperado_ = 0;
};
