#include "FichaEstoque.h"

#include "CalculaCustoMedio.h"
#include "Meses.h"
#include "services/DataValida.h"
#include "services/Dinheiro.h"
#include "services/FormatoNumero.h"
#include "services/ProcessamentoData.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

#include <QDate>
#include <algorithm>
#include <cmath>

namespace {

// Items of the month in the order of the index AnoMes, with what their
// header, history code and party say of them.
const QStringList SqlItens = {
    "Select I.TAMANHO, I.Cod_Deposi, I.Num_Nota, I.Tipo_Nota, I.Cod_Clifor, I.DT_ENTRADA,",
    "       I.QUANTIDADE, I.Quantidade2, I.VLR_MEDIO, I.BT_ICMS, I.BI_ICMS, I.BO_ICMS,",
    "       N.Num_Nota as NotaCabecalho, N.Est_Hist as Historico, H.Param_Hist as Classe,",
    "       C.NOME as NomeClifor",
    "From NOTAI I",
    "Left Join NOTAS N On N.Filial = I.Filial and N.Num_Nota = I.Num_Nota",
    "     and N.Tipo_Nota = I.Tipo_Nota and N.Cod_Clifor = I.Cod_Clifor",
    "     and N.DT_ENTRADA = I.DT_ENTRADA",
    "Left Join HISTEST H On H.Est_Hist = N.Est_Hist",
    "Left Join CLIFOR C On C.Filial = I.Filial and C.Cod_Clifor = I.Cod_Clifor",
    "Where I.Filial = :Filial and I.ANO_MES = :AnoMes and I.Cod_Reduz = :Produto",
    "Order By I.TAMANHO, I.Cod_Deposi, I.DT_ENTRADA, I.Num_Nota, I.Tipo_Nota, I.Cod_Clifor,",
    "         I.Num_Item",
};

const QStringList SqlSaldosAnteriores = {
    "Select Tamanho, Cod_Deposi, Fisico, Fisico2, Medio From SLDPR",
    "Where Filial = :Filial and Ano_Mes = :AnoMes and Cod_Reduz = :Produto",
};

const QStringList SqlPedidos = {
    "Select I.QUANTIDADE, I.QT_ENTREGE, I.QT_CANCELA, S.Tipo From PDCPI I",
    "Left Join PDCPS S On S.Filial = I.Filial and S.SISTEMA = I.SISTEMA",
    "     and S.Num_PdCp = I.Num_Pdcp and S.Cod_Clifor = I.Cod_Clifor",
    "Where I.Filial = :Filial and I.SISTEMA = :Sistema and I.Cod_Reduz = :Produto",
};

QString F(const char* formato, double valor) {
    return Formatar(QLatin1String(formato), {valor});
}

// The rows the filters of the card keep.
class Filtro {
public:
    explicit Filtro(const FiltroFicha& f) : f_(f) {
        if (f.porCor) {
            tamanho_ = f.tamanho == QLatin1String("TODOS") ? QString() : f.tamanho;
            return;
        }
        tamanho_ = f.tamanho.trimmed();
        primeiro_ = f.depositoInicial.trimmed().toInt();
        ultimo_ = std::max(primeiro_, f.depositoFinal.trimmed().toInt());
    }
    bool aceita(const QString& tamanho, int deposito) const {
        if (!tamanho_.isEmpty() && tamanho != tamanho_)
            return false;
        if (f_.porCor)
            return f_.cor == 0 || deposito == f_.cor;
        return primeiro_ == 0 || ultimo_ == 0 || (deposito >= primeiro_ && deposito <= ultimo_);
    }

private:
    const FiltroFicha& f_;
    QString tamanho_;
    int primeiro_ = 0, ultimo_ = 0;
};

bool MesFechado(const FiltroFicha& f, const QDate& dia) {
    const int fat = Sess().FatModNf;
    if (f.porCor)
        return fat == 51 && dia < QDate(2004, 1, 1);
    return ((fat == 112 || fat == 177) && dia < QDate(2004, 1, 1)) ||
           (fat == 160 && dia < QDate(2008, 1, 1));
}

void PainelPrecos(FichaEstoque& ficha, Tabela& produto) {
    auto lista = [&](int n) { return produto.campo("LISTA" + QString::number(n)).numero(); };
    switch (Sess().FatModNf) {
    case 8:
        ficha.precos[0] = F("%10.2n", lista(1));
        break;
    case 10:
    case 126: {
        const char* letras[] = {"C", "B", "A", "a", "Q"};
        for (int n = 0; n < 5; ++n)
            ficha.precos[n] = QLatin1String(letras[n]) + F("%10.4f", lista(n + 2));
        break;
    }
    case 113: {
        const double custo = produto.campo("ULTIMOCUST").numero();
        ficha.precos[0] = F("%10.4f", custo);
        ficha.precos[1] = F("%10.4f", lista(1));
        if (custo != 0 && lista(1) != 0)
            ficha.precos[2] = F("%10.4f", custo / lista(1));
        ficha.rotulosPrecos = {"Pr.Custo", "% Aumento", "Pr.vda", QString(), QString()};
        break;
    }
    case 191:
        for (int n = 0; n < 4; ++n)
            ficha.precos[n] = F("%10.2f", lista(n + 1));
        break;
    default:
        break;
    }
}

} // namespace

int FichaEstoque::paginas() const {
    return std::max<int>(1, (int(linhas.size()) + LinhasPorPagina - 1) / LinhasPorPagina);
}

FichaEstoque CalcularFichaEstoque(const FiltroFicha& f, SessaoBanco* sessao) {
    FichaEstoque ficha;
    const QString mesAno = QString(f.mesAno).remove('/');
    const QString textoDia = "01/" + mesAno.left(2) + "/" + mesAno.mid(2, 4);
    if (!DataValida(textoDia))
        return ficha;
    const QDate dia = LerData(textoDia);
    if (MesFechado(f, dia)) {
        MostrarMensagem("Periodo Sem Acesso");
        return ficha;
    }
    const QString anoMes = AnoMesDeMesAno(mesAno);
    const int filial = Sess().Filial;
    const Filtro filtro(f);
    try {
        Tabela notai("NOTAI", sessao), produtos("ESTPROMA", sessao), saldos("SLDPR", sessao);
        if (ValidarDataProcessamento("ESTOQUE", dia))
            ficha.recalculada =
                CalculaCustoMedio(mesAno, f.produto, f.produto, {notai, produtos, saldos})
                    .concluido;
        if (!f.porCor) {
            produtos.abrir();
            if (produtos.localizarChave({filial, f.produto}))
                PainelPrecos(ficha, produtos);
        }

        Consulta q(sessao);
        q.setSql(SqlSaldosAnteriores);
        q.definirParametro("Filial", filial);
        q.definirParametro("AnoMes", MesAnterior(anoMes));
        q.definirParametro("Produto", f.produto);
        Dinheiro va, qa;
        const bool segunda = f.quant2 && !f.porCor;
        for (q.abrir(); !q.eof(); q.proximo()) {
            if (!filtro.aceita(q.campo("Tamanho").texto(), q.campo("Cod_Deposi").inteiro()))
                continue;
            qa += Dinheiro::deNumero(q.campo(segunda ? "Fisico2" : "Fisico").numero());
            va += Dinheiro::deNumero(q.campo("Medio").numero());
        }
        double custo = !va.ehZero() && !qa.ehZero() ? va.numero() / qa.numero() : va.numero();
        ficha.valorAnterior = F("%12.4f", va.numero());
        ficha.quantidadeAnterior = F("%12.4f", qa.numero());

        Dinheiro saldo = qa;
        q.setSql(SqlItens);
        q.definirParametro("Filial", filial);
        q.definirParametro("AnoMes", anoMes);
        q.definirParametro("Produto", f.produto);
        for (q.abrir(); !q.eof(); q.proximo()) {
            if (!filtro.aceita(q.campo("TAMANHO").texto(), q.campo("Cod_Deposi").inteiro()))
                continue;
            LinhaFicha linha;
            const int numNota = q.campo("Num_Nota").inteiro();
            const int codClifor = q.campo("Cod_Clifor").inteiro();
            const QDate entrada = q.campo("DT_ENTRADA").data();
            const bool temCabecalho = !q.campo("NotaCabecalho").ehNulo();
            if (!temCabecalho)
                linha.mensagens << "Nota nao cadastrada: " + QString::number(numNota) + "-" +
                                       q.campo("Tipo_Nota").texto() + " " +
                                       QString::number(codClifor) + " " +
                                       entrada.toString("dd/MM/yyyy")
                                << "Saldo incorreto";
            const double quantidade = q.campo("QUANTIDADE").numero();
            const Dinheiro movimento =
                Dinheiro::deNumero(segunda ? q.campo("Quantidade2").numero() : quantidade);
            const double medio = q.campo("VLR_MEDIO").numero();
            const QString nome = q.campo("NomeClifor").texto();
            linha.dia = Formatar("%2.2d", {entrada.day()});
            linha.nota = QString::number(numNota);
            linha.cliente = f.porCor ? nome : QString::number(codClifor) + " " + nome;
            linha.hst = temCabecalho ? q.campo("Historico").texto() : QString();
            linha.quantidade = F("%12.4f", movimento.numero());
            linha.custoMedio = F("%12.4f", medio);
            if (!f.porCor) {
                const Dinheiro total = Dinheiro::deNumero(q.campo("BT_ICMS").numero()) +
                                       Dinheiro::deNumero(q.campo("BI_ICMS").numero()) +
                                       Dinheiro::deNumero(q.campo("BO_ICMS").numero());
                const double unitario =
                    quantidade == 0 ? 0
                                    : std::round(total.numero() / quantidade * 10000.0) / 10000.0;
                linha.precoUnitario = F("%12.2f", unitario);
            }
            const int classe = q.campo("Classe").inteiro();
            if (classe < 50)
                saldo += movimento;
            else if (classe > 50)
                saldo -= movimento;
            linha.saldoFisico = F("%12.4f", saldo.numero());
            // Items the average cost leaves alone (classes 49 and 50, or
            // no header) carry no unit cost: they must not zero the closing.
            if (temCabecalho && classe != 49 && classe != 50)
                custo = medio;
            ficha.linhas.push_back(std::move(linha));
        }
        q.fechar();
        ficha.valorFinal = F("%12.4f", saldo.numero() * custo);
        ficha.quantidadeFinal = F("%12.4f", saldo.numero());
        if (!f.porCor) {
            const QString pedidos = Sess().FatModNf == 10 ? "RES" : QString();
            ficha.vales = F("%12.4f", SaldoPedidosAbertos("0", f.produto, "VAL", sessao));
            ficha.pedidos = F("%12.4f", SaldoPedidosAbertos("0", f.produto, pedidos, sessao));
            ficha.compras = F("%12.4f", SaldoPedidosAbertos("1", f.produto, QString(), sessao));
        }
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return FichaEstoque();
    }
    ficha.calculada = true;
    return ficha;
}

double SaldoPedidosAbertos(const QString& sistema, int produto, const QString& tipo,
                           SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql(SqlPedidos);
    q.definirParametro("Filial", Sess().Filial);
    q.definirParametro("Sistema", sistema);
    q.definirParametro("Produto", produto);
    const bool porTipo = sistema == QLatin1String("0") && !tipo.isEmpty();
    Dinheiro total;
    for (q.abrir(); !q.eof(); q.proximo()) {
        if (porTipo && q.campo("Tipo").texto() != tipo)
            continue;
        const Dinheiro aberto = Dinheiro::deNumero(q.campo("QUANTIDADE").numero()) -
                                Dinheiro::deNumero(q.campo("QT_ENTREGE").numero()) -
                                Dinheiro::deNumero(q.campo("QT_CANCELA").numero());
        if (aberto > Dinheiro())
            total += aberto;
    }
    return total.numero();
}

std::vector<ProdutoFicha> ProdutosDaFilial(SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select Cod_Reduz, REFERENCIA, NOME1 From ESTPROMA Where Filial = :Filial",
              "Order By Cod_Reduz"});
    q.definirParametro("Filial", Sess().Filial);
    std::vector<ProdutoFicha> lista;
    for (q.abrir(); !q.eof(); q.proximo())
        lista.push_back({q.campo("Cod_Reduz").inteiro(), q.campo("REFERENCIA").texto(),
                         q.campo("NOME1").texto()});
    return lista;
}

QStringList TamanhosDoProduto(int produto, SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select TAMANHO From Tamanho Where Filial = :Filial and Cod_Reduz = :Produto",
              "Order By TAMANHO"});
    q.definirParametro("Filial", Sess().Filial);
    q.definirParametro("Produto", produto);
    QStringList tamanhos;
    for (q.abrir(); !q.eof(); q.proximo())
        tamanhos << q.campo("TAMANHO").texto();
    return tamanhos;
}

QStringList CoresDaFicha(SessaoBanco* sessao) {
    Consulta q(sessao);
    q.setSql({"Select Codigo, Descricao From Cores Order By Codigo"});
    QStringList cores{"000 - TODAS"};
    for (q.abrir(); !q.eof(); q.proximo())
        cores << Formatar("%3.3d", {q.campo("Codigo").inteiro()}) + " - " +
                     q.campo("Descricao").texto();
    return cores;
}
