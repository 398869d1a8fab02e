#include "JanelaSenhaRoteirizada.h"

bool JanelaSenhaRoteirizada::executar(const QString& legenda, bool pedeUsuario) {
    mostradas_.append({legenda, pedeUsuario});
    atual_ = Resposta();
    if (respostas_.empty())
        return false;
    atual_ = respostas_.front();
    respostas_.pop_front();
    // The panel's fields are empty when the panel is hidden.
    if (!pedeUsuario)
        atual_.usuario = atual_.senhaUsuario = QString();
    return atual_.ok;
}
