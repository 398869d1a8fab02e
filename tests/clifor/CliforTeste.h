// A branch ready for the party register: branch 1 of company C:\EMPRESA1
// selected, the code ranges of the demo (clients 1-4999, last 3; sellers
// 5000-5099; suppliers 5100-6999; banks 7000-7099; carriers 7100-7999;
// others 8000-8499; diverse creditors 8500-8999), Brazil among the
// countries, and helpers that write rows and read the messages and the
// month's system log.
#pragma once

#include "AuxiliaresTeste.h"
#include "InstalacaoTeste.h"

#include "clifor/DemoClifor.h"
#include "session/Sessao.h"
#include "store/SessaoBanco.h"
#include "store/Tabela.h"

#include <QList>
#include <utility>

using CamposLinha = QList<std::pair<QString, QVariant>>;

class CliforTeste : public InstalacaoTeste {
protected:
    void SetUp() override {
        InstalacaoTeste::SetUp();
        DadosSessao& s = Sess();
        s.Filial = 1;
        s.FilialTexto = "1";
        s.DirEmpresa = "C:\\EMPRESA1";
        linha("Filial", {{"Filial", 1}, {"NOME", "FABRICA"}});
        linha("LIMITCOD", {{"Filial", 1},
                           {"Cod_IniCli", 1},
                           {"Cod_FimCli", 4999},
                           {"UltCod_Cli", 3},
                           {"Cod_IniVen", 5000},
                           {"Cod_FimVen", 5099},
                           {"Cod_IniFor", 5100},
                           {"Cod_FimFor", 6999},
                           {"Cod_IniBan", 7000},
                           {"Cod_FimBan", 7099},
                           {"Cod_IniTra", 7100},
                           {"Cod_FimTra", 7999},
                           {"Cod_IniOut", 8000},
                           {"Cod_FimOut", 8499},
                           {"Cod_IniDiv", 8500},
                           {"Cod_FimDiv", 8999}});
        linha("PAISES", {{"CODIGO", "1058"}, {"NOME", "BRASIL"}});
        linha("ParametrosEmpresa",
              {{"Filial", 1}, {"NomeParametro", "CodPaisPadraoCadClifor"}, {"ValorStr", "1058"}});
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

    // A party that passes every save check of installation 0.
    static void parte(int codigo, const QString& nome, const CamposLinha& extra = {},
                      const QString& banco = "Orvalo") {
        CamposLinha campos{{"Filial", 1},
                           {"Cod_Clifor", codigo},
                           {"NOME", nome},
                           {"Tipo", codigo < 5000   ? 1
                                    : codigo < 5100 ? 2
                                                    : 3},
                           {"Sistema", codigo < 5000 ? "0" : "1"},
                           {"Cod_Pais", "1058"},
                           {"Ativo", true}};
        campos += extra;
        linha("CLIFOR", campos, banco);
    }

    static void parametro(const QString& nome, bool valor) {
        linha("ParametrosEmpresa",
              {{"Filial", 1}, {"NomeParametro", nome}, {"ValorBoolean", valor}});
    }

    static QString campo(int codigo, const QString& nome, const QString& banco = "Orvalo") {
        Tabela t("CLIFOR");
        t.setNomeBanco(banco);
        t.abrir();
        return t.localizarChave({1, codigo}) ? t.campo(nome).texto() : "ausente";
    }

    // The messages shown (prompts left out), joined by "/".
    std::string mensagens() const {
        QStringList l;
        for (const DialogoMostrado& d : dialogos->mostrados())
            if (!d.entrada)
                l << d.texto;
        return l.join('/').toStdString();
    }

    // Action, table and text of this month's system log rows, in order.
    static QStringList logs() {
        if (!SessaoBanco::padrao().existeTabela("Orvalo", "LogSys_12_2026.db"))
            return {};
        Tabela t("LogSys_12_2026.db");
        t.abrir();
        QStringList l;
        for (; !t.eof(); t.proximo())
            l << t.campo("Acao").texto() + " " +
                     (t.campo("Tabela").texto().isEmpty() ? "" : t.campo("Tabela").texto() + " ") +
                     t.campo("Log").texto();
        return l;
    }

    static const inline QString CnpjA = CompletarCNPJ("112223330001");
    static const inline QString CnpjB = CompletarCNPJ("445556660001");
    static const inline QString Cpf = CompletarCPF("529982247");
};
