#include "CodigoMunicipio.h"

#include "store/Consulta.h"

QString CodigoMunicipio(const QString& uf, const QString& cidade, SessaoBanco* sessao) {
    Consulta estado(sessao);
    estado.setSql({"Select SgUf, CoUf FROM Uf where SgUf = :UF"});
    estado.definirParametro("UF", uf.toUpper());
    estado.abrir();
    if (estado.vazio())
        return QString();
    Consulta municipio(sessao);
    municipio.setSql({"Select CoMunicipio from Munic", " where CoMunicipio like :INICIO",
                      "   and NoMunicipio = :NOME"});
    municipio.definirParametro("INICIO", estado.campo("CoUf").texto() + "%");
    municipio.definirParametro("NOME", cidade.toUpper());
    municipio.abrir();
    return municipio.vazio() ? QString() : municipio.campo(0).texto();
}
