// A branch ready for the product register: branch 1 of company
// C:\EMPRESA1 selected, its history codes (1 entry, 50 nothing, 60 exit),
// and helpers that write rows and read the month's system log.
#pragma once

#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "session/Sessao.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QList>
#include <utility>

using CamposLinha = QList<std::pair<QString, QVariant>>;

class ProdutoTeste : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        DadosSessao& s = Sess();
        s.Filial = 1;
        s.FilialTexto = "1";
        s.DirEmpresa = "C:\\EMPRESA1";
        linha("Filial", {{"Filial", 1}, {"NOME", "FABRICA"}});
        for (int p : {1, 50, 60})
            linha("HISTEST", {{"Est_Hist", p}, {"Param_Hist", p}});
    }

    static void linha(const QString& tabela, const CamposLinha& campos,
                      const QString& banco = "Orvalo") {
        Tabela t(tabela);
        t.setNomeBanco(banco);
        t.abrir();
        t.incluir();
        for (const auto& [nome, valor] : campos)
            t.campo(nome).definir(valor);
        t.gravar();
    }

    // A product that passes every save check.
    static void produto(int codigo, const QString& nome, int filial = 1,
                        const CamposLinha& extra = {}, const QString& banco = "Orvalo") {
        CamposLinha campos{{"Filial", filial},     {"Cod_Reduz", codigo}, {"NOME1", nome},
                           {"UNID_PAD", "KG"},     {"CONVERSAO", 1.0},    {"SIT_TRIBUT", "0"},
                           {"TipoItemSped", "01"}, {"SITUACAO", "1"}};
        campos += extra;
        linha("ESTPROMA", campos, banco);
    }

    static void parametro(const QString& nome, bool valor) {
        linha("ParametrosEmpresa",
              {{"Filial", 1}, {"NomeParametro", nome}, {"ValorBoolean", valor}});
    }

    // The messages shown (prompts left out), joined by "/".
    std::string mensagens() const {
        QStringList l;
        for (const DialogoMostrado& d : dialogos->mostrados())
            if (!d.entrada)
                l << d.texto;
        return l.join('/').toStdString();
    }

    // The "Log" column of this month's system log rows, in order.
    static QStringList logs() {
        if (!SessaoBanco::padrao().existeTabela("Orvalo", "LogSys_12_2026.db"))
            return {};
        Tabela t("LogSys_12_2026.db");
        t.abrir();
        QStringList l;
        for (; !t.eof(); t.proximo())
            l << t.campo("Acao").texto() + " " + t.campo("Log").texto();
        return l;
    }
};
