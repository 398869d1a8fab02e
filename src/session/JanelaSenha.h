// The access password window as the access check sees it: shown modally
// with a caption, with or without the user panel, its three fields empty
// and the cursor in the access password. The program uses TFormSenha;
// tests install JanelaSenhaRoteirizada so no modal loop ever runs.
#pragma once

#include <QString>

class JanelaSenha {
public:
    virtual ~JanelaSenha() = default;

    // Shows the window modally; true when the operator pressed "OK", false
    // on "Cancelar". The typed texts are read afterwards.
    virtual bool executar(const QString& legenda, bool pedeUsuario) = 0;
    virtual QString senha() const = 0;
    virtual QString usuario() const = 0;
    virtual QString senhaUsuario() const = 0;

    // The installed window, else the program's TFormSenha, created on
    // first use. REQUIRES (for the latter): a QApplication exists.
    static JanelaSenha& atual();
    static void instalar(JanelaSenha* janela); // does not take ownership
};
