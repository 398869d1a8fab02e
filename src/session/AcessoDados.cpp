#include "AcessoDados.h"

#include "Dialogos.h"
#include "ErroBanco.h"
#include "Tabela.h"

bool EditarRegistro(ConjuntoDados& ds) {
    for (;;) {
        try {
            ds.editar();
            return true;
        } catch (const ErroRegistroBloqueado&) {
            const Resposta r = Dialogos::atual().mensagem(
                TipoMensagem::Aviso, "Registro bloqueado",
                "Existe outro usuário alterando este registro", Botoes::OkCancelar);
            if (r != Resposta::Ok)
                return false;
        } catch (const ErroBanco& e) {
            MostrarErro(e.texto());
            return false;
        }
    }
}

bool GravarRegistro(ConjuntoDados& ds) {
    try {
        ds.gravar();
        ds.descarregar();
        ds.salvarEmDisco();
        return true;
    } catch (const ErroBanco& e) {
        if (e.texto() == TextoViolacaoChave)
            MostrarMensagem("Registro ja existe - " + e.texto() + "\r" +
                            "Tabela : " + ds.nomeTabela());
        else
            MostrarErro(e.texto());
        return false;
    }
}

bool TrocarIndice(Tabela& tabela, const QString& indice) {
    if (tabela.indice() == indice && tabela.ativo())
        return true;
    int falhas = 0;
    for (;;) {
        try {
            tabela.fechar();
            tabela.setIndice(indice);
            tabela.abrir();
            return true;
        } catch (const ErroBanco&) {
            if (++falhas < 3)
                continue;
            const Resposta r = Dialogos::atual().mensagem(TipoMensagem::Erro, QString(),
                                                          "Impossivel mudar chave:" + indice +
                                                              " do arquivo:" + tabela.nomeTabela() +
                                                              ",tentar novamente",
                                                          Botoes::SimNao);
            if (r == Resposta::Sim) {
                falhas = 0;
                continue;
            }
            MostrarErro("Sair do programa e entrar novamente");
            return false;
        }
    }
}

QString SomenteDigitos(const QString& texto) {
    QString r;
    for (QChar c : texto)
        if (c >= '0' && c <= '9')
            r += c;
    return r;
}
