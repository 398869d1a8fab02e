#include "GravacaoClifor.h"

#include "services/Arredondamento.h"
#include "store/Consulta.h"
#include "store/Tabela.h"
#include "store/TransacaoBanco.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
bool Vazio(ConjuntoDados& p, const char* campo) {
    const Campo c = p.campo(campo);
    if (c.ehNulo())
        return true;
    if (c.tipo() == TipoCampo::Texto)
        return c.texto().trimmed().isEmpty();
    return c.numero() == 0;
}

using Exigencia = std::pair<const char*, const char*>; // field, message

const Exigencia Documento{"CGC", "CPF/CNPJ em branco!"};
const Exigencia Cep{"COD_CEPEND", "CEP em branco!"};
const Exigencia Inscricao{"INSC_EST", "Inscrição Estadual em branco!"};

bool Em(int valor, std::initializer_list<int> lista) {
    return std::find(lista.begin(), lista.end(), valor) != lista.end();
}

// The item's previous value as the record keeps it.
QString Anterior(const QString& valor) {
    return valor.isEmpty() ? QStringLiteral("Vazio") : valor;
}
} // namespace

QString VerificarCamposClifor(ConjuntoDados& p, int fat, const FaixasCodigo& faixas) {
    if (Vazio(p, "NOME"))
        return "O campo nome deve ser preenchido!";
    if (Vazio(p, "Cod_Pais"))
        return "Código País em branco.";
    std::vector<Exigencia> exigidos;
    if (fat == 51) {
        if (Arredondar(2, p.campo("LIMITCRED").numero()) > 1000.0)
            return "Limite de crédito não pode ser maior que R$ 1.000,00";
        exigidos.push_back({"ESTADO", "UF em branco!"});
        const FaixaCodigo& diversos = faixas[5];
        const int codigo = p.campo("Cod_Clifor").inteiro();
        if (codigo < diversos.de || codigo > diversos.ate) {
            exigidos.push_back(Documento);
            exigidos.push_back(Cep);
        }
    } else if (Em(fat, {73, 83, 221, 304})) {
        exigidos = {Inscricao, {"Cod_Regiao", "Região em branco!"}};
    } else if (Em(fat, {8, 128})) {
        exigidos = {{"CGC", "CNPJ em branco!"}, Inscricao};
    } else if (fat == 82) {
        exigidos = {Documento, Cep};
    } else if (fat == 163) {
        exigidos = {
            Documento, Cep, {"TELEFONE1", "Fone1 em branco!"}, {"TELEFONE2", "Fone2 em branco!"}};
    } else if (fat == 152) {
        exigidos = {{"CodEnquadra", "Enquadramento em branco"}};
    }
    for (const auto& [campo, mensagem] : exigidos)
        if (Vazio(p, campo))
            return QString::fromUtf8(mensagem);
    return QString();
}

QString SistemaDoCodigo(int codigo, const FaixasCodigo& faixas) {
    return codigo <= faixas[0].ate ? "0" : "1";
}

QString TextoLogGravacaoClifor(ConjuntoDados& p, bool alteracao) {
    return QString(alteracao ? "Edição de Cliente | " : "Inclusão Cliente | ") +
           p.campo("Cod_Clifor").texto() + " |" + p.campo("NOME").texto() + " Cgc " +
           p.campo("CGC").texto();
}

QString TextoLogExclusaoClifor(int codigo, const QString& documento, const QString& motivo) {
    return "Exclusão de Cliente |" + QString::number(codigo) + " |Cgc " + documento +
           "|Motivo:" + motivo;
}

QString TextoLogConceito(const QString& anterior, const QString& novo, int codigo) {
    return "Conceito anterior: " + anterior + "|Alterado para: " + novo +
           "|Cliente: " + QString::number(codigo);
}

QString MensagemConceitoMantido(const QString& conceito) {
    return "Atenção : como você não digitou a senha para alterar conceito, este permanece "
           "igual a :\n\n" +
           conceito;
}

void RegistrarRenovacao(int filial, int codigo, const QDateTime& agora, const QString& usuario,
                        SessaoBanco* sessao) {
    Tabela t("RenovCli", sessao);
    t.abrir();
    t.incluir();
    t.campo("Filial").definir(filial);
    t.campo("Cod_Clifor").definir(codigo);
    t.campo("Data_Renov").definir(agora.date());
    t.campo("Hora_Renov").definir(agora.time());
    t.campo("Usuario").definir(usuario);
    t.gravar();
}

DadosFiscais LerDadosFiscais(ConjuntoDados& p) {
    DadosFiscais d;
    const QString documento = p.campo("CGC").texto();
    d.nome = p.campo("NOME").texto();
    (documento.size() == 14 ? d.cnpj : d.cpf) = documento;
    d.ie = p.campo("INSC_EST").texto();
    d.municipio = p.campo("CodMunicipio").texto();
    d.suframa = p.campo("InscSuframa").texto();
    d.endereco = p.campo("ENDERECO").texto();
    d.numero = p.campo("NUMERO").texto();
    d.complemento = p.campo("COMPLEMENTO").texto();
    d.bairro = p.campo("BAIRRO").texto();
    d.pais = p.campo("Cod_Pais").texto();
    return d;
}

bool RegistrarAlteracaoFiscal(int filial, int codigo, const DadosFiscais& antes,
                              const DadosFiscais& depois, const QDate& hoje, SessaoBanco* sessao) {
    const std::pair<const char*, QString DadosFiscais::*> itens[] = {
        {"Nome", &DadosFiscais::nome},
        {"Cnpj", &DadosFiscais::cnpj},
        {"Cpf", &DadosFiscais::cpf},
        {"Ie", &DadosFiscais::ie},
        {"CodMunic", &DadosFiscais::municipio},
        {"Suframa", &DadosFiscais::suframa},
        {"Endereco", &DadosFiscais::endereco},
        {"Numero", &DadosFiscais::numero},
        {"Complemento", &DadosFiscais::complemento},
        {"Bairro", &DadosFiscais::bairro},
        {"Cod_Pais", &DadosFiscais::pais},
    };
    std::vector<std::pair<const char*, QString>> mudados;
    for (const auto& [campo, membro] : itens)
        if (antes.*membro != depois.*membro)
            mudados.push_back({campo, Anterior(antes.*membro)});
    if (mudados.empty())
        return false;
    Tabela t("Sped_AlteraClifor", sessao);
    t.abrir();
    if (t.localizarChave({filial, codigo, hoje})) {
        t.editar();
    } else {
        t.incluir();
        t.campo("Filial").definir(filial);
        t.campo("Cod_Clifor").definir(codigo);
        t.campo("Dt_Altera").definir(hoje);
    }
    t.campo("AnoMes").definir(hoje.toString("yyyy_MM"));
    for (const auto& [campo, valor] : mudados)
        t.campo(campo).definir(valor);
    t.gravar();
    return true;
}

void SubstituirServicosEnquadramento(int filial, int codigo, int enquadramento,
                                     SessaoBanco* sessao) {
    TransacaoBanco tr(QStringLiteral("Orvalo"), sessao);
    Consulta apagar(sessao);
    apagar.setSql({"DELETE FROM SERVCLIE WHERE FILIAL = :P-FIL AND COD_CLIFOR = :P-COD"});
    apagar.definirParametro("P-FIL", filial);
    apagar.definirParametro("P-COD", codigo);
    apagar.executar();
    if (enquadramento) {
        Tabela servicos("SERVENQ", sessao);
        servicos.definirFaixa({enquadramento}, {enquadramento});
        servicos.abrir();
        Tabela cliente("SERVCLIE", sessao);
        cliente.abrir();
        for (; !servicos.eof(); servicos.proximo()) {
            cliente.incluir();
            cliente.campo("Filial").definir(filial);
            cliente.campo("Cod_Clifor").definir(codigo);
            cliente.campo("Cod_Serv").definir(servicos.campo("Cod_Serv").valor());
            cliente.campo("Quantidade").definir(servicos.campo("Quantidade").valor());
            cliente.gravar();
        }
    }
    tr.confirmar();
}
