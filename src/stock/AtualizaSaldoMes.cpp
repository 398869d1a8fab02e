#include "AtualizaSaldoMes.h"

#include "ExecutarEmTransacao.h"
#include "Meses.h"
#include "TDMAS.h"
#include "services/Dinheiro.h"
#include "services/FormatoNumero.h"
#include "session/AcessoDados.h"
#include "session/Dialogos.h"
#include "session/Sessao.h"
#include "store/ErroBanco.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <memory>

namespace {

// The small window that shows which item is being read.
std::unique_ptr<QWidget> AbrirAndamento(bool mostrar) {
    const int fat = Sess().FatModNf;
    if (!mostrar || fat == 135 || fat == 144 || fat == 167 || !qobject_cast<QApplication*>(qApp))
        return nullptr;
    auto janela = std::make_unique<QWidget>(nullptr, Qt::Dialog);
    janela->setObjectName("Andamento");
    janela->setWindowTitle("Andamento...");
    janela->setFixedSize(300, 32);
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        janela->move(tela->availableGeometry().center() - janela->rect().center());
    janela->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return janela;
}

bool localizarSaldo(Tabela& saldos, const QString& anoMes, int produto, const QString& tamanho,
                    int deposito) {
    return saldos.localizar({"Filial", "Ano_Mes", "Cod_Reduz", "Tamanho", "Cod_Deposi"},
                            {Sess().Filial, anoMes, produto, tamanho, deposito});
}

} // namespace

bool AtualizaSaldoMes(TDMAS& dm, Tabela& saldos, Tabela& produtos, const QString& anoMes,
                      int produto, const QString& tamanho, int deposito, bool copiarParaProduto,
                      bool mostrarAndamento) {
    const std::unique_ptr<QWidget> andamento = AbrirAndamento(mostrarAndamento);
    const int filial = Sess().Filial;
    const int fat = Sess().FatModNf;
    try {
        dm.abrir();
        if (!saldos.ativo())
            saldos.abrir();
        if (!produtos.ativo())
            produtos.abrir();
    } catch (const ErroBanco& e) {
        MostrarErro(e.texto());
        return false;
    }
    // Asks when it fails, so never inside the transaction.
    if (copiarParaProduto && !TrocarIndice(produtos, QString()))
        return false;

    Dinheiro saldo, saldo2;
    const bool ok = ExecutarEmTransacao(saldos, {&saldos, &produtos}, [&] {
        if (!localizarSaldo(saldos, anoMes, produto, tamanho, deposito)) {
            saldos.incluir();
            saldos.campo("Filial").definir(filial);
            saldos.campo("Ano_Mes").definir(anoMes);
            saldos.campo("Cod_Reduz").definir(produto);
            saldos.campo("Tamanho").definir(tamanho);
            saldos.campo("Cod_Deposi").definir(deposito);
            saldos.campo("Fisico").definir(0);
            saldos.campo("Financeiro").definir(0);
            saldos.campo("Dolar").definir(0);
            saldos.gravar();
        }
        if (localizarSaldo(saldos, MesAnterior(anoMes), produto, tamanho, deposito)) {
            saldo = Dinheiro::deNumero(saldos.campo("Fisico").numero());
            saldo2 = Dinheiro::deNumero(saldos.campo("Fisico2").numero());
        }

        Tabela& itens = dm.TNotai;
        itens.localizarProximo({filial, anoMes, produto, tamanho, deposito});
        for (; !itens.eof(); itens.proximo()) {
            if (itens.campo("Filial").inteiro() != filial ||
                itens.campo("ANO_MES").texto() != anoMes ||
                itens.campo("Cod_Reduz").inteiro() != produto ||
                itens.campo("TAMANHO").texto() != tamanho ||
                itens.campo("Cod_Deposi").inteiro() != deposito)
                break;
            if (andamento) {
                andamento->setWindowTitle(
                    itens.campo("DT_ENTRADA").texto() + " " + itens.campo("Num_Nota").texto() +
                    "-" + itens.campo("Tipo_Nota").texto() + "/" + itens.campo("Num_Item").texto() +
                    " " + itens.campo("Cod_Clifor").texto());
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            }
            if (!dm.temCabecalho())
                continue;
            if (fat == 131 &&
                itens.campo("DT_ENTRADA").data().toString("yyyyMMdd") < QLatin1String("20031231"))
                continue;
            if (fat == 144) {
                const QString complemento = dm.TNotas.campo("COMPLNATOP").texto();
                if (complemento != "O" && complemento != "D")
                    continue;
            }
            const int p = dm.paramHist();
            const Dinheiro q = Dinheiro::deNumero(itens.campo("QUANTIDADE").numero());
            const Dinheiro q2 = Dinheiro::deNumero(itens.campo("Quantidade2").numero());
            if (p < 50) {
                saldo += q;
                saldo2 += q2;
            } else if (p > 50) {
                saldo -= q;
                saldo2 -= q2;
            }
        }

        if (!localizarSaldo(saldos, anoMes, produto, tamanho, deposito))
            throw ErroBanco("Record/Key deleted.");
        saldos.editar();
        saldos.campo("Fisico").definir(saldo.numero());
        saldos.campo("Fisico2").definir(saldo2.numero());
        saldos.gravar();

        if (copiarParaProduto && produtos.localizarChave({filial, produto})) {
            produtos.editar();
            produtos.campo("QTD_FIS").definir(saldo.numero());
            produtos.gravar();
        }
    });
    if (ok && (fat == 73 || fat == 83 || fat == 221 || fat == 304) && saldo < Dinheiro())
        MostrarMensagem("Produto sem saldo: " + Formatar("%12.2f", {saldo.numero()}));
    return ok;
}
