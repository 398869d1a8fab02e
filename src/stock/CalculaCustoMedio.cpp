#include "CalculaCustoMedio.h"

#include "ExecutarEmTransacao.h"
#include "Meses.h"
#include "SaldoCustoMedio.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/Consulta.h"
#include "store/ErroBanco.h"
#include "store/Tabela.h"

#include <QDate>
#include <QElapsedTimer>
#include <climits>
#include <optional>
#include <vector>

namespace {

int Coluna(const ConjuntoDados& t, const char* nome) {
    const int i = t.indiceCampo(QLatin1String(nome));
    if (i < 0)
        throw ErroBanco(t.nomeTabela() + ": Field '" + QLatin1String(nome) + "' not found");
    return i;
}

Dinheiro Valor(ConjuntoDados& t, int coluna) {
    return Dinheiro::deNumero(t.campo(coluna).numero());
}

// Adds the time until it goes out of scope to one of the measures.
class Cronometro {
public:
    Cronometro(TemposCustoMedio* tempos, qint64 TemposCustoMedio::*campo)
        : destino_(tempos ? &(tempos->*campo) : nullptr) {
        if (destino_)
            relogio_.start();
    }
    ~Cronometro() {
        if (destino_)
            *destino_ += relogio_.nsecsElapsed();
    }
    Cronometro(const Cronometro&) = delete;
    Cronometro& operator=(const Cronometro&) = delete;

private:
    qint64* destino_;
    QElapsedTimer relogio_;
};

struct LinhaSaldo {
    Marcador marcador;
    QString tamanho;
    int deposito = 0;
    FechamentoSaldo gravado;
};

// An item with what its header says of it.
struct LinhaItem {
    Marcador marcador;
    QString tamanho;
    int deposito = 0;
    int numNota = 0, tipoNota = 0, codClifor = 0;
    QDate entrada;
    bool temCabecalho = false;
    QString complemento; // the header's COMPLNATOP
    int param = 0;       // Param_Hist of its history code; 0 when there is none
    double quantidade = 0, quantidade2 = 0, custoInformado = 0, vlrCusto = 0, vlrMedio = 0;
};

// Every item of a product and month in movement order (the order of the
// index AnoMes), with its header and history class joined, in one read.
const QStringList SqlItens = {
    "Select I.rowid, I.TAMANHO, I.Cod_Deposi, I.Num_Nota, I.Tipo_Nota, I.Cod_Clifor,",
    "       I.DT_ENTRADA, I.QUANTIDADE, I.Quantidade2, I.CUSTO_INF, I.VLR_CUSTO, I.VLR_MEDIO,",
    "       N.Num_Nota, N.COMPLNATOP, H.Param_Hist",
    "From NOTAI I",
    "Left Join NOTAS N On N.Filial = I.Filial and N.Num_Nota = I.Num_Nota",
    "     and N.Tipo_Nota = I.Tipo_Nota and N.Cod_Clifor = I.Cod_Clifor",
    "     and N.DT_ENTRADA = I.DT_ENTRADA",
    "Left Join HISTEST H On H.Est_Hist = N.Est_Hist",
    "Where I.Filial = :Filial and I.ANO_MES = :AnoMes and I.Cod_Reduz = :Produto",
    "Order By I.TAMANHO, I.Cod_Deposi, I.DT_ENTRADA, I.Num_Nota, I.Tipo_Nota, I.Cod_Clifor,",
    "         I.Num_Item",
};

// One run over a month: the cursors and their columns.
class Execucao {
public:
    Execucao(const CursoresCustoMedio& c, const QString& anoMes,
             const std::function<void(int)>& produtoAtual)
        : c_(c), filial_(Sess().Filial), fatModNf_(Sess().FatModNf), mes_(anoMes),
          anterior_(MesAnterior(anoMes)), produtoAtual_(produtoAtual), itens_(&c.notai.sessao()) {
        sFilial_ = Coluna(c.saldos, "Filial");
        sMes_ = Coluna(c.saldos, "Ano_Mes");
        sProduto_ = Coluna(c.saldos, "Cod_Reduz");
        sTamanho_ = Coluna(c.saldos, "Tamanho");
        sDeposito_ = Coluna(c.saldos, "Cod_Deposi");
        sMedio_ = Coluna(c.saldos, "Medio");
        sFisico_ = Coluna(c.saldos, "Fisico");
        sFisico2_ = Coluna(c.saldos, "Fisico2");
        iVlrCusto_ = Coluna(c.notai, "VLR_CUSTO");
        iVlrMedio_ = Coluna(c.notai, "VLR_MEDIO");
        pFilial_ = Coluna(c.produtos, "Filial");
        pProduto_ = Coluna(c.produtos, "Cod_Reduz");
        pUltimoCusto_ = Coluna(c.produtos, "ULTIMOCUST");
        pCustoMedio_ = Coluna(c.produtos, "CustoMedio");
        itens_.setNomeBanco(c.notai.nomeBanco());
        itens_.setSql(SqlItens);
    }

    // The product of the balance row the cursor is on; none when the walk
    // has left the branch, the month or the range.
    std::optional<int> produtoDaLinha(int codFinal) {
        Tabela& s = c_.saldos;
        if (s.eof() || s.campo(sFilial_).inteiro() != filial_ || s.campo(sMes_).texto() != mes_)
            return std::nullopt;
        const int produto = s.campo(sProduto_).inteiro();
        return produto <= codFinal ? std::optional<int>(produto) : std::nullopt;
    }

    void produto(int produto);
    double valor() const { return valor_; }

private:
    std::vector<LinhaSaldo> linhasDoProduto(int produto);
    std::vector<LinhaItem> itensDoProduto(int produto);
    // False when the item does not count (installation rules, no header).
    bool conta(const LinhaItem& item);
    bool localizarProduto(int produto);
    // Writes the cost fields that changed (nullptr: kept).
    void gravarItem(const Marcador& marcador, const Dinheiro* custo, const Dinheiro* medio);

    const CursoresCustoMedio& c_;
    const int filial_;
    const int fatModNf_;
    const QString mes_, anterior_;
    const std::function<void(int)>& produtoAtual_;
    Consulta itens_;
    double valor_ = 0;
    int sFilial_, sMes_, sProduto_, sTamanho_, sDeposito_, sMedio_, sFisico_, sFisico2_;
    int iVlrCusto_, iVlrMedio_;
    int pFilial_, pProduto_, pUltimoCusto_, pCustoMedio_;
};

std::vector<LinhaSaldo> Execucao::linhasDoProduto(int produto) {
    const Cronometro cronometro(c_.tempos, &TemposCustoMedio::caminhada);
    std::vector<LinhaSaldo> linhas;
    Tabela& s = c_.saldos;
    for (s.localizarProximo({filial_, mes_, produto}); produtoDaLinha(INT_MAX) == produto;
         s.proximo())
        linhas.push_back({s.marcador(),
                          s.campo(sTamanho_).texto(),
                          s.campo(sDeposito_).inteiro(),
                          {Valor(s, sMedio_), Valor(s, sFisico_), Valor(s, sFisico2_)}});
    return linhas;
}

std::vector<LinhaItem> Execucao::itensDoProduto(int produto) {
    const Cronometro cronometro(c_.tempos, &TemposCustoMedio::caminhada);
    itens_.fechar();
    itens_.definirParametro("Filial", filial_);
    itens_.definirParametro("AnoMes", mes_);
    itens_.definirParametro("Produto", produto);
    itens_.abrir();
    std::vector<LinhaItem> itens;
    itens.reserve(size_t(itens_.contarRegistros()));
    for (; !itens_.eof(); itens_.proximo()) {
        LinhaItem i;
        i.marcador = {itens_.campo(0).inteiroLongo(), true};
        i.tamanho = itens_.campo(1).texto();
        i.deposito = itens_.campo(2).inteiro();
        i.numNota = itens_.campo(3).inteiro();
        i.tipoNota = itens_.campo(4).inteiro();
        i.codClifor = itens_.campo(5).inteiro();
        i.entrada = itens_.campo(6).data();
        i.quantidade = itens_.campo(7).numero();
        i.quantidade2 = itens_.campo(8).numero();
        i.custoInformado = itens_.campo(9).numero();
        i.vlrCusto = itens_.campo(10).numero();
        i.vlrMedio = itens_.campo(11).numero();
        i.temCabecalho = !itens_.campo(12).ehNulo();
        i.complemento = itens_.campo(13).texto();
        i.param = itens_.campo(14).inteiro();
        itens.push_back(i);
    }
    itens_.fechar();
    return itens;
}

bool Execucao::conta(const LinhaItem& item) {
    if (fatModNf_ == 101 && item.entrada.toString("yyyyMMdd") < QLatin1String("20020319"))
        return false;
    if (!item.temCabecalho) {
        MostrarMensagem("Nota nao cadastrada:" + QString::number(item.numNota) + "-" +
                        QString::number(item.tipoNota) + "-" + QString::number(item.codClifor) +
                        "-" + item.entrada.toString("dd/MM/yyyy"));
        return false;
    }
    return fatModNf_ != 144 || item.complemento == "O" || item.complemento == "D";
}

bool Execucao::localizarProduto(int produto) {
    const Cronometro cronometro(c_.tempos, &TemposCustoMedio::consultas);
    Tabela& p = c_.produtos;
    if (p.estado() == EstadoDados::Editando && p.campo(pFilial_).inteiro() == filial_ &&
        p.campo(pProduto_).inteiro() == produto)
        return true;
    if (!p.localizar({"Filial", "Cod_Reduz"}, {filial_, produto}))
        return false;
    p.editar();
    return true;
}

void Execucao::produto(int produto) {
    Tabela& p = c_.produtos;
    const bool temProduto = localizarProduto(produto);
    const Dinheiro custoOriginal = temProduto ? Valor(p, pCustoMedio_) : Dinheiro();
    const Dinheiro ultimoCusto = temProduto ? Valor(p, pUltimoCusto_) : Dinheiro();
    Dinheiro custoMedio = custoOriginal;

    const std::vector<LinhaSaldo> linhas = linhasDoProduto(produto);
    const std::vector<LinhaItem> itens =
        linhas.empty() ? std::vector<LinhaItem>() : itensDoProduto(produto);
    for (const LinhaSaldo& linha : linhas) {
        if (produtoAtual_)
            produtoAtual_(produto);
        SaldoCustoMedio saldo;
        saldo.ultimoCusto = ultimoCusto;
        saldo.custoMedio = custoMedio;
        {
            const Cronometro cronometro(c_.tempos, &TemposCustoMedio::consultas);
            Tabela& s = c_.saldos;
            if (s.localizarChave({filial_, anterior_, produto, linha.tamanho, linha.deposito})) {
                saldo.V = Valor(s, sMedio_);
                saldo.Q = Valor(s, sFisico_);
                saldo.Q2 = Valor(s, sFisico2_);
            }
        }
        for (const LinhaItem& linhaItem : itens) {
            if (linhaItem.tamanho != linha.tamanho || linhaItem.deposito != linha.deposito ||
                !conta(linhaItem))
                continue;
            ItemCustoMedio item;
            item.param = linhaItem.param;
            item.quantidade = Dinheiro::deNumero(linhaItem.quantidade);
            item.quantidadeTruncada = DezMilesimosTruncados(linhaItem.quantidade);
            item.quantidade2 = Dinheiro::deNumero(linhaItem.quantidade2);
            item.custoInformado = Dinheiro::deNumero(linhaItem.custoInformado);
            const Dinheiro custoAntes = Dinheiro::deNumero(linhaItem.vlrCusto);
            const Dinheiro medioAntes = Dinheiro::deNumero(linhaItem.vlrMedio);
            item.vlrCusto = custoAntes;
            item.vlrMedio = medioAntes;
            saldo.aplicar(item);
            if (item.vlrCusto != custoAntes || item.vlrMedio != medioAntes)
                gravarItem(linhaItem.marcador,
                           item.vlrCusto != custoAntes ? &item.vlrCusto : nullptr,
                           item.vlrMedio != medioAntes ? &item.vlrMedio : nullptr);
        }

        const FechamentoSaldo f = saldo.fechamento();
        valor_ = saldo.V.numero();
        if (f.medio != linha.gravado.medio || f.fisico != linha.gravado.fisico ||
            f.fisico2 != linha.gravado.fisico2) {
            const Cronometro cronometro(c_.tempos, &TemposCustoMedio::gravacoes);
            Tabela& s = c_.saldos;
            s.irPara(linha.marcador);
            s.editar();
            s.campo(sMedio_).definir(f.medio.numero());
            s.campo(sFisico_).definir(f.fisico.numero());
            s.campo(sFisico2_).definir(f.fisico2.numero());
            s.gravar();
        }
        if (linha.deposito == 1 && !f.medio.ehZero() && !f.fisico.ehZero())
            custoMedio = f.medio / f.fisico;
    }
    if (temProduto) {
        const Cronometro cronometro(c_.tempos, &TemposCustoMedio::gravacoes);
        if (custoMedio != custoOriginal)
            p.campo(pCustoMedio_).definir(custoMedio.numero());
        p.gravar();
    }
}

void Execucao::gravarItem(const Marcador& marcador, const Dinheiro* custo, const Dinheiro* medio) {
    const Cronometro cronometro(c_.tempos, &TemposCustoMedio::gravacoes);
    Tabela& t = c_.notai;
    t.irPara(marcador);
    t.editar();
    if (custo)
        t.campo(iVlrCusto_).definir(custo->numero());
    if (medio)
        t.campo(iVlrMedio_).definir(medio->numero());
    t.gravar();
    if (c_.tempos)
        ++c_.tempos->itensGravados;
}

} // namespace

ResultadoCustoMedio CalculaCustoMedio(const QString& mesAno, int codInicial, int codFinal,
                                      const CursoresCustoMedio& c,
                                      const std::function<void(int)>& produtoAtual) {
    ResultadoCustoMedio r;
    const QString mes = AnoMesDeMesAno(mesAno);
    const int fat = Sess().FatModNf;
    // Months these installations never recompute: nothing to do.
    r.concluido = true;
    if (fat == 121 && mes <= QLatin1String("200412")) {
        MostrarMensagem("Periodo indisponível");
        return r;
    }
    if ((fat == 74 || fat == 131) && mes <= QLatin1String("200312"))
        return r;

    try {
        for (Tabela* t : {&c.notai, &c.produtos, &c.saldos})
            if (!t->ativo())
                t->abrir();
        Execucao execucao(c, mes, produtoAtual);
        c.saldos.localizarProximo({Sess().Filial, mes, codInicial});
        while (const std::optional<int> produto = execucao.produtoDaLinha(codFinal)) {
            QElapsedTimer total, trabalho;
            qint64 dentro = 0;
            total.start();
            const bool ok = ExecutarEmTransacao(c.saldos, {&c.notai, &c.saldos, &c.produtos}, [&] {
                trabalho.start();
                execucao.produto(*produto);
                dentro = trabalho.nsecsElapsed();
            });
            if (c.tempos) {
                c.tempos->confirmacoes += total.nsecsElapsed() - dentro;
                ++c.tempos->transacoes;
            }
            if (!ok) {
                r.concluido = false;
                break;
            }
            r.valor = execucao.valor();
            if (*produto == INT_MAX)
                break;
            c.saldos.localizarProximo({Sess().Filial, mes, *produto + 1});
        }
        // A product without balance rows in the month was locked for
        // nothing: its row is posted as it was.
        if (r.concluido && c.produtos.estado() == EstadoDados::Editando)
            c.produtos.gravar();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        r.concluido = false;
    }
    return r;
}
