#include "GravacaoProduto.h"

#include "services/FormatoNumero.h"
#include "session/Parametros.h"
#include "session/Relogio.h"
#include "session/Sessao.h"
#include "store/Consulta.h"
#include "store/Tabela.h"

#include <map>

namespace {
bool UsaUnidadePC(int fatModNf) {
    for (int f : {51, 112, 132, 142, 148, 167, 177, 182, 201, 277})
        if (f == fatModNf)
            return true;
    return false;
}

QString Nivel(int n) {
    return "Nivel" + QString::number(n);
}
} // namespace

void PreencherPadroesProduto(ConjuntoDados& p, int codigo, const UltimosValoresProduto& ultimos) {
    const DadosSessao& s = Sess();
    p.campo("Filial").definir(s.Filial);
    p.campo("Cod_Reduz").definir(codigo);
    p.campo("GRADE").definir("0");
    p.campo("CONVERSAO").definir(1.0);
    p.campo("SITUACAO").definir("1");
    p.campo("SIT_TRIBUT").definir("0");
    p.campo("Nivel5").definir("000001");
    p.campo("TRANSF_ICM").definir(100.0);
    p.campo("ProdutoControlado").definir(false);
    p.campo("DataCadastro").definir(Relogio::atual().hoje());
    if (UsaUnidadePC(s.FatModNf))
        p.campo("UNID_PAD").definir("PC");
    if (s.FatModNf == 75 || !ultimos.definidos)
        return;
    for (int n = 1; n <= 5; ++n)
        p.campo(Nivel(n)).definir(ultimos.niveis[size_t(n - 1)]);
    p.campo("MARCA").definir(ultimos.marca);
    p.campo("NOME1").definir(ultimos.nome1);
    if (LerParametroLogico("Orvalo", s.FilialTexto, "CopiaClassFiscCadNovoProduto"))
        p.campo("CLAS_FISC").definir(ultimos.clasFisc);
}

UltimosValoresProduto UltimosValoresDe(ConjuntoDados& p) {
    UltimosValoresProduto u;
    u.definidos = true;
    for (int n = 1; n <= 5; ++n)
        u.niveis[size_t(n - 1)] = p.campo(Nivel(n)).texto();
    u.marca = p.campo("MARCA").texto();
    u.nome1 = p.campo("NOME1").texto();
    u.clasFisc = p.campo("CLAS_FISC").texto();
    return u;
}

QString VerificarCamposProduto(ConjuntoDados& p) {
    const std::pair<const char*, const char*> obrigatorios[] = {
        {"UNID_PAD", "Campo unidade padrão do produto deve ser preenchido!"},
        {"CONVERSAO", "Campo Conversão deve ser preenchido! Caso não exista conversão preencha "
                      "com 1"},
        {"SIT_TRIBUT", "Campo origem do produto deve ser preenchido!"},
        {"TipoItemSped", "Campo tipo do produto deve ser preenchido!"},
        {"NOME1", "Campo nome do produto deve ser preenchido!"},
    };
    for (const auto& [campo, mensagem] : obrigatorios) {
        const Campo c = p.campo(campo);
        if (c.ehNulo() || c.texto().trimmed().isEmpty())
            return QString::fromUtf8(mensagem);
    }
    return QString();
}

bool ReferenciaDuplicada(int filial, int codigo, const QString& referencia, SessaoBanco* sessao) {
    if (referencia.trimmed().isEmpty())
        return false;
    Consulta q(sessao);
    q.setSql({"SELECT COD_REDUZ FROM ESTPROMA", " WHERE FILIAL = :P-FIL",
              "   AND REFERENCIA = :P-REF", "   AND COD_REDUZ <> :P-COD"});
    q.definirParametro("P-FIL", filial);
    q.definirParametro("P-REF", referencia);
    q.definirParametro("P-COD", codigo);
    q.abrir();
    return !q.vazio();
}

std::vector<SaldoDeposito> SaldosPorDeposito(int filial, int codigo, const QDate& hoje,
                                             SessaoBanco* sessao) {
    const QDate anterior = QDate(hoje.year(), hoje.month(), 1).addMonths(-1);
    std::map<int, Dinheiro> saldos;

    Consulta q(sessao);
    q.setSql({"SELECT COD_DEPOSI, FISICO FROM SLDPR", " WHERE FILIAL = :P-FIL",
              "   AND ANO_MES = :P-MES", "   AND COD_REDUZ = :P-COD"});
    q.definirParametro("P-FIL", filial);
    q.definirParametro("P-MES", Formatar("%4.4d%2.2d", {anterior.year(), anterior.month()}));
    q.definirParametro("P-COD", codigo);
    for (q.abrir(); !q.eof(); q.proximo())
        saldos[q.campo(0).inteiro()] += Dinheiro::deNumero(q.campo(1).numero());

    Consulta itens(sessao);
    itens.setSql({"SELECT COD_DEPOSI, PARAMETRO, QUANTIDADE FROM NOTAI", " WHERE FILIAL = :P-FIL",
                  "   AND ANO_MES = :P-MES", "   AND COD_REDUZ = :P-COD"});
    itens.definirParametro("P-FIL", filial);
    itens.definirParametro("P-MES", Formatar("%4.4d%2.2d", {hoje.year(), hoje.month()}));
    itens.definirParametro("P-COD", codigo);
    for (itens.abrir(); !itens.eof(); itens.proximo()) {
        const int parametro = itens.campo(1).inteiro();
        const Dinheiro q = Dinheiro::deNumero(itens.campo(2).numero());
        Dinheiro& saldo = saldos[itens.campo(0).inteiro()];
        if (parametro < 50)
            saldo += q;
        else if (parametro > 50)
            saldo -= q;
    }

    std::vector<SaldoDeposito> r;
    for (const auto& [deposito, saldo] : saldos)
        r.push_back({deposito, saldo});
    return r;
}

QString MensagemSaldoDesativacao(const std::vector<SaldoDeposito>& saldos) {
    Dinheiro total;
    QStringList linhas{"Produto com saldo não pode ser desativato"};
    for (const SaldoDeposito& s : saldos) {
        total += s.saldo;
        if (!s.saldo.ehZero())
            linhas << "Saldo no deposito: " + QString::number(s.deposito) + " = " +
                          s.saldo.formatar("###,##0.0000");
    }
    return total.ehZero() ? QString() : linhas.join('\n');
}

QString TextoLogGravacao(ConjuntoDados& p, bool alteracao) {
    return QString(alteracao ? "Edição de Produto  |" : "Inclusão Produto  |") +
           p.campo("Cod_Reduz").texto() + "|" + p.campo("NOME1").texto() + " |Class Fisc " +
           p.campo("CLAS_FISC").texto() + " |Producao: " + p.campo("Producao").texto();
}

void RegistrarAlteracaoDescricao(int filial, int codigo, const QString& descricaoAnterior,
                                 const QDate& hoje, SessaoBanco* sessao) {
    Tabela t("Sped_AlteraProduto", sessao);
    t.abrir();
    if (t.localizarChave({filial, codigo, hoje})) {
        t.editar();
    } else {
        t.incluir();
        t.campo("Filial").definir(filial);
        t.campo("Cod_Reduz").definir(codigo);
        t.campo("DataAlteracao").definir(hoje);
    }
    t.campo("Descricao").definir(descricaoAnterior);
    t.gravar();
}
