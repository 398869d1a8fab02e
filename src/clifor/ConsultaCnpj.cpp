#include "ConsultaCnpj.h"

#include "DocumentoClifor.h"
#include "TfoConsultaCnpj.h"

#include <QLineEdit>

namespace {
// The receipt's captions, as the page writes them.
const char* const Rotulos[] = {"NOME EMPRESARIAL",
                               "NÚMERO DE INSCRIÇÃO",
                               "LOGRADOURO",
                               "NÚMERO",
                               "COMPLEMENTO",
                               "CEP",
                               "BAIRRO/DISTRITO",
                               "MUNICÍPIO",
                               "UF",
                               "SITUAÇÃO CADASTRAL",
                               "DATA DA SITUAÇÃO CADASTRAL",
                               "MOTIVO DE SITUAÇÃO CADASTRAL",
                               "SITUAÇÃO ESPECIAL",
                               "DATA DA SITUAÇÃO ESPECIAL",
                               "CÓDIGO E DESCRIÇÃO DA ATIVIDADE ECONÔMICA PRINCIPAL",
                               "CÓDIGO E DESCRIÇÃO DAS ATIVIDADES ECONÔMICAS SECUNDÁRIAS"};

enum { Nome, Documento, Rua, Numero, Complemento, Cep, Bairro, Municipio, Uf };

QString& enderecoConsulta() {
    static QString e = QStringLiteral(
        "https://solucoes.receita.fazenda.gov.br/Servicos/cnpjreva/Cnpjreva_Solicitacao2.asp");
    return e;
}
} // namespace

const QStringList& RotulosComprovanteCnpj() {
    static const QStringList r = [] {
        QStringList l;
        for (const char* t : Rotulos)
            l << QString::fromUtf8(t);
        return l;
    }();
    return r;
}

QStringList LerComprovanteCnpj(const QString& texto) {
    const QStringList& rotulos = RotulosComprovanteCnpj();
    QStringList valores(rotulos.size());
    const QStringList linhas = texto.split('\n');
    for (int i = 0; i + 1 < linhas.size(); ++i) {
        const int r = rotulos.indexOf(linhas[i].trimmed());
        if (r >= 0)
            valores[r] = linhas[i + 1].trimmed();
    }
    return valores;
}

QStringList ValoresMarcadosCnpj(const QStringList& c) {
    const auto semSinais = [](QString t, const QString& sinais) {
        for (QChar s : sinais)
            t.remove(s);
        return t;
    };
    QString numero;
    for (QChar ch : c.value(Numero))
        if (ch.isDigit())
            numero += ch;
    return {LimparDocumento(c.value(Documento)),
            c.value(Nome),
            c.value(Rua),
            numero,
            c.value(Complemento),
            c.value(Bairro),
            semSinais(c.value(Cep), ".-"),
            c.value(Municipio),
            c.value(Uf)};
}

QString EnderecoConsultaCnpj() {
    return enderecoConsulta();
}

void DefinirEnderecoConsultaCnpj(const QString& endereco) {
    if (!endereco.trimmed().isEmpty())
        enderecoConsulta() = endereco.trimmed();
}

void ConsultaCnpj(const QString& documento, bool marcar, const QList<QLineEdit*>& alvos,
                  QWidget* pai) {
    if (documento.size() != 14)
        return;
    TfoConsultaCnpj janela(pai);
    janela.abrir(documento, marcar, alvos);
}
