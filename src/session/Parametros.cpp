#include "Parametros.h"

#include "Consulta.h"
#include "Dialogos.h"
#include "ErroBanco.h"

namespace {
QString citado(const QString& s) {
    QString t = s;
    return '\'' + t.replace('\'', "''") + '\'';
}

QVariant ler(const QString& banco, const QString& filial, const QString& nome, const char* coluna,
             SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setNomeBanco(banco);
    q.setSql({SqlParametro(filial, nome)});
    q.abrir();
    if (q.vazio())
        return QVariant();
    return q.campo(coluna).valor();
}
} // namespace

QString SqlParametro(const QString& filial, const QString& nome) {
    if (filial == "-ZERO-")
        return "Select *from ParametrosEmpresa where NomeParametro=" + citado(nome);
    // The branch goes in unquoted: it is a number; anything else is refused
    // rather than pasted into the statement.
    bool ok = false;
    filial.trimmed().toLongLong(&ok);
    if (!ok)
        throw ErroBanco("Invalid branch: " + filial);
    return "Select *from ParametrosEmpresa where filial=" + filial.trimmed() +
           " and NomeParametro=" + citado(nome);
}

bool LerParametroLogico(const QString& banco, const QString& filial, const QString& nome,
                        SessaoBanco* sessao) {
    try {
        return ler(banco, filial, nome, "ValorBoolean", sessao).toBool();
    } catch (const ErroBanco&) {
        return false;
    }
}

QString LerParametroTexto(const QString& banco, const QString& filial, const QString& nome,
                          SessaoBanco* sessao) {
    try {
        return ler(banco, filial, nome, "ValorStr", sessao).toString();
    } catch (const ErroBanco& e) {
        MostrarErro("Erro na leitura de parametro : " + e.texto());
        return QString();
    }
}
