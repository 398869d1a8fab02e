// Every message box, confirmation and input prompt the operator sees goes
// through this interface. The program installs the Qt implementation at
// start-up; tests install DialogosRoteirizados (DialogosRoteirizados.h),
// which answers from a queue and records every text shown.
#pragma once

#include <QString>

enum class TipoMensagem { Informacao, Aviso, Erro, Confirmacao };

// Buttons offered by a message box; the answer is one of them.
enum class Botoes { Ok, OkCancelar, SimNao, SimNaoCancelar };
enum class Resposta { Ok, Cancelar, Sim, Nao };

class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Shows `texto` and returns the button pressed.
    virtual Resposta mensagem(TipoMensagem tipo, const QString& titulo, const QString& texto,
                              Botoes botoes) = 0;
    // Input box: returns false when the operator cancels; `valor` holds the
    // default on entry and the typed text on return.
    virtual bool entrada(const QString& titulo, const QString& prompt, QString& valor,
                         bool mascarada = false) = 0;

    // The implementation in force (process-wide). While a store transaction
    // is open (TransacaoBanco) messages are held and shown when it ends, and
    // a question throws std::logic_error: nothing modal may keep other
    // stations waiting on the database.
    static Dialogos& atual();
    static void instalar(Dialogos* d); // does not take ownership
};

// Conveniences with the legacy defaults: information/error with OK.
void MostrarMensagem(const QString& texto);                              // information, OK
void MostrarErro(const QString& texto);                                  // error, OK
void MostrarAviso(const QString& texto);                                 // warning, OK
bool Confirmar(const QString& texto, const QString& titulo = QString()); // Yes/No -> Yes
