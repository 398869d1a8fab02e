#include "CadastrosCustos.h"

#include "services/DataValida.h"
#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

int CodigoMoeda(const QString& texto) {
    bool ok = false;
    const int codigo = texto.trimmed().toInt(&ok);
    return ok && codigo >= 1 && codigo <= 32767 ? codigo : 0;
}

bool IncluirMoeda(Tabela& moedas, const QString& codigoDigitado) {
    const int codigo = CodigoMoeda(codigoDigitado);
    if (codigo == 0) {
        MostrarErro("Codigo invalido");
        return false;
    }
    Tabela existente("MOEDA", &moedas.sessao());
    existente.setNomeBanco(moedas.nomeBanco());
    try {
        existente.abrir();
        if (existente.localizarChave({codigo})) {
            MostrarMensagem("Codigo ja existe");
            return false;
        }
        moedas.incluir();
        moedas.campo("Cod_Moeda").definir(codigo);
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    if (!GravarRegistro(moedas)) {
        moedas.cancelar();
        return false;
    }
    return true;
}

bool GravarValor(Tabela& valores, const QString& dataDigitada) {
    const Campo moeda = valores.campo("Cod_Moeda");
    bool existe = false;
    if (!moeda.ehNulo()) {
        Tabela moedas("MOEDA", &valores.sessao());
        moedas.setNomeBanco(valores.nomeBanco());
        try {
            moedas.abrir();
            existe = moedas.localizarChave({moeda.inteiro()});
        } catch (const ErroBanco& e) {
            MostrarErro(e.texto());
            return false;
        }
    }
    if (!existe) {
        MostrarErro("Moeda invalida");
        return false;
    }
    if (!DataValida(dataDigitada))
        return false;
    try {
        valores.campo("DATA").definir(QDate::fromString(dataDigitada.trimmed(), "d/M/yyyy"));
        valores.gravar();
    } catch (const ErroBanco& e) {
        if (e.texto() == TextoViolacaoChave)
            MostrarMensagem("Data ja existe");
        else
            MostrarErro(e.texto());
        valores.cancelar();
    }
    return true;
}

bool EditarFatores(Tabela& fatores, int filial) {
    try {
        if (!fatores.localizarChave({filial})) {
            fatores.incluir();
            fatores.campo("Filial").definir(filial);
            if (!GravarRegistro(fatores)) {
                fatores.cancelar();
                return false;
            }
        }
    } catch (const ErroBanco& e) {
        fatores.cancelar();
        MostrarErro(e.texto());
        return false;
    }
    return EditarRegistro(fatores);
}
