#include "ConsultarCadastroEstadual.h"

#include "session/Dialogos.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
std::function<bool(const QUrl&)>& Abridor() {
    static std::function<bool(const QUrl&)> abrir;
    return abrir;
}
} // namespace

void InstalarAbridorEndereco(std::function<bool(const QUrl&)> abrir) {
    Abridor() = std::move(abrir);
}

bool ConsultarCadastroEstadual(const QString& uf, SessaoBanco* sessao) {
    QString endereco;
    try {
        Consulta q(sessao);
        q.setSql({"Select Endereco from ConsultaCadEstadual where SgUf = :UF"});
        q.definirParametro("UF", uf.trimmed().toUpper());
        q.abrir();
        if (!q.vazio())
            endereco = q.campo(0).texto().trimmed();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    if (endereco.isEmpty())
        return false;
    const QUrl url(endereco);
    const bool aberta = Abridor() ? Abridor()(url) : QDesktopServices::openUrl(url);
    if (!aberta)
        MostrarErro("Não foi possível abrir a página " + endereco + " no navegador.");
    return aberta;
}
