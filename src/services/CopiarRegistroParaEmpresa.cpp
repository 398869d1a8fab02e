#include "CopiarRegistroParaEmpresa.h"

#include "TFoSelecaoMultipla.h"
#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

#include <QLocale>
#include <optional>

namespace {
struct Chave {
    QStringList campos;
    QVariantList valores;
};

// The typed value of a key text for a field; nothing when the text cannot
// be a value of the field, so no row can match it.
std::optional<QVariant> valorChave(TipoCampo tipo, const QString& texto) {
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return QVariant();
    bool ok = true;
    QVariant v;
    switch (tipo) {
    case TipoCampo::Short:
    case TipoCampo::Long:
        v = t.toLongLong(&ok);
        break;
    case TipoCampo::Number:
    case TipoCampo::Money:
        v = t.toDouble(&ok);
        if (!ok)
            v = QLocale(QLocale::Portuguese, QLocale::Brazil).toDouble(t, &ok);
        break;
    case TipoCampo::Data: {
        const QDate d = QDate::fromString(t, "d/M/yyyy");
        ok = d.isValid();
        v = d;
        break;
    }
    case TipoCampo::Texto:
    case TipoCampo::Memo:
        v = texto;
        break;
    default:
        v = t;
    }
    if (!ok)
        return std::nullopt;
    return v;
}

// The key conditions over the fields of `tabela`; false when a value can
// match no row.
bool montarChave(Tabela& tabela, const QString& camposChave, const QString& valoresChave,
                 Chave& chave) {
    const QStringList campos = camposChave.split('|');
    const QStringList valores = valoresChave.split('|');
    for (int i = 0; i < campos.size(); ++i) {
        const Campo campo = tabela.campo(campos[i].trimmed());
        if (campo.tipo() == TipoCampo::AutoInc)
            continue;
        const std::optional<QVariant> v = valorChave(campo.tipo(), valores.value(i));
        if (!v)
            return false;
        chave.campos << campo.nome();
        chave.valores << *v;
    }
    return true;
}

// The target company's directory, or "" after the message that stops.
QString diretorioDestino(bool perguntar) {
    DadosSessao& s = Sess();
    if (s.EmpresaDestino.isEmpty() || perguntar) {
        QString escolha = s.EmpresaDestino;
        if (AbrirSelecaoMultipla(
                PastaCatalogoEmpresas,
                " SELECT Codigo as Codigo, Nome as Descricao FROM \"Empresa.DB\" Empresa ", "", "",
                "Codigo", "Nome", "Codigo", "", escolha, 1))
            s.EmpresaDestino = escolha;
        else
            escolha.clear();
        if (escolha.isEmpty()) {
            MostrarMensagem("Você deve selecionar ao menos um registro !");
            return QString();
        }
    }
    Consulta empresa;
    empresa.setNomeBanco(PastaCatalogoEmpresas);
    empresa.setSql({" Select *from empresa.db", " Where codigo = :Codigo"});
    bool numero = false;
    empresa.definirParametro("Codigo", s.EmpresaDestino.trimmed().toInt(&numero));
    empresa.abrir();
    if (!numero || empresa.vazio()) {
        MostrarErro("Erro ao selecionar empresa de destino!!!");
        return QString();
    }
    return s.DirEmpresa.left(3) + empresa.campo("Diretorio").texto();
}

void copiarCampos(Tabela& origem, Tabela& destino) {
    for (int i = 0; i < destino.quantidadeCampos(); ++i) {
        Campo campo = destino.campo(i);
        const int daOrigem = origem.indiceCampo(campo.nome());
        if (campo.tipo() != TipoCampo::AutoInc && daOrigem >= 0)
            campo.definir(origem.campo(daOrigem).valor());
    }
}
} // namespace

void CopiarRegistroParaEmpresa(const QString& camposChave, const QString& valoresChave,
                               const QString& tabela, bool perguntarEmpresa) {
    try {
        const QString diretorio = diretorioDestino(perguntarEmpresa);
        if (diretorio.isEmpty())
            return;

        Tabela origem(tabela);
        origem.setNomeBanco("Orvalo");
        origem.abrir();
        Chave chave;
        if (!montarChave(origem, camposChave, valoresChave, chave) ||
            !origem.localizar(chave.campos, chave.valores)) {
            MostrarErro("Registro não encontrado na empresa de origem!");
            return;
        }

        Tabela destino(tabela);
        destino.setNomeBanco(diretorio);
        destino.abrir();
        if (destino.localizar(chave.campos, chave.valores)) {
            if (!Confirmar("O registro ja existe na base de destino. Deseja atualizar?") ||
                !EditarRegistro(destino))
                return;
        } else {
            destino.incluir();
        }
        copiarCampos(origem, destino);
        if (!GravarRegistro(destino))
            destino.cancelar();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
    }
}
