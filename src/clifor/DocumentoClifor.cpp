#include "DocumentoClifor.h"

#include "services/DigitosVerificadores.h"
#include "session/Dialogos.h"
#include "store/Consulta.h"

#include <algorithm>

QString LimparDocumento(const QString& texto) {
    QString d;
    for (QChar c : texto)
        if (c != '.' && c != '/' && c != '-' && !c.isSpace())
            d += c;
    return d.toUpper();
}

bool DocumentoValido(const QString& documento) {
    if (documento.isEmpty())
        return true;
    // A document with a letter is an alphanumeric CNPJ, never a CPF.
    const bool digitos = std::all_of(documento.begin(), documento.end(),
                                     [](QChar c) { return c >= '0' && c <= '9'; });
    const bool cpf = digitos && documento.size() <= 11;
    if (cpf ? ValidarCPF(documento, false) : ValidarCGC(documento, false))
        return true;
    // The check digits stop silently at a character outside the base; the
    // operator still needs to hear why the document is refused.
    Dialogos::atual().mensagem(TipoMensagem::Erro, "Atenção",
                               cpf ? "CPF Invalido" : "C.G.C. Invalido", Botoes::Ok);
    return false;
}

int ParteComDocumento(int filial, int tipo, const QString& documento, int codigo,
                      SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select Filial, Tipo, Cod_Clifor, Cgc", "From Clifor", "Where Filial = :Param1",
              "  and Tipo   = :Param2", "  and Cgc    = :Param3", "  and Cod_Clifor <> :param4"});
    q.definirParametro("Param1", filial);
    q.definirParametro("Param2", tipo);
    q.definirParametro("Param3", documento);
    q.definirParametro("param4", codigo);
    q.abrir();
    return q.vazio() ? 0 : q.campo("Cod_Clifor").inteiro();
}
