// The raw-material write-off: every sales note (type 1) of the current
// branch entered in a period under the sales history code gets one
// write-off note (type 3, same number and date, the given supplier and
// history code) whose items are the components of the formulas its items
// name, each with the sold quantity times the component's percentage.
//
// Each sales note is one transaction: the earlier write-off of that note
// is looked up and deleted with everything hanging from it, and the new
// header and items written, all or nothing. A run killed or failing half
// way leaves every note with its old write-off or its new one, never a
// mix, and a rerun converges; two stations running the same period never
// leave two write-offs of one note. A failure (a row locked by another
// station, the store's refusal) shows its message once that note is rolled
// back and stops the run; the notes before it stay done. Each formula and
// product name is read once per run.
#pragma once

#include "store/Consulta.h"
#include "store/Tabela.h"

#include <QDate>
#include <QHash>
#include <functional>
#include <map>
#include <optional>
#include <vector>

struct ParametrosBaixa {
    QDate dataInicial;
    QDate dataFinal;
    int historicoVenda = 0;
    int historicoBaixa = 0;
    int fornecedor = 0;
};

struct ResultadoBaixa {
    bool concluido = false;
    int notasLidas = 0;    // sales notes the query found
    int notasBaixadas = 0; // write-off notes written
    int itensGravados = 0;
};

class BaixaMateriaPrima {
public:
    explicit BaixaMateriaPrima(SessaoBanco* sessao = nullptr);

    // Opens the note, formula, component and product cursors (the window
    // does so when shown); executar() opens what is closed. Throws ErroBanco.
    void abrir();
    void fechar();

    // REQUIRES: the three codes not 0 (the window checks them). The branch
    // is Sess().Filial, today the clock's. `andamento` is told each sales
    // note's position (1 to the number found) before the note is done.
    // A formula that is not registered shows "Formula: " + formula +
    // "  na nota " + number + " não cadastrada" after the note's commit and
    // its item is skipped.
    ResultadoBaixa executar(const ParametrosBaixa& p,
                            const std::function<void(int posicao, int total)>& andamento = {});

    Tabela TNotas;
    Tabela TNotai;
    Tabela TFormula;
    Tabela TFormulai; // components of the current formula, by OrdComp
    Tabela TEstproma;
    Consulta QNotas; // the sales notes of the period
    Consulta QItens; // the items of one sales note

private:
    struct NotaVenda;
    struct Componente {
        int produto;
        double percentual;
    };
    void baixarNota(const ParametrosBaixa& p, const NotaVenda& venda, const QDate& hoje,
                    QStringList& faltantes, int& itens);
    // The formula's components in OrdComp order; nullptr when the formula
    // is not registered.
    const std::vector<Componente>* componentes(const QString& formula);
    QString nomeProduto(int codigo);

    std::map<QString, std::optional<std::vector<Componente>>> formulas_;
    QHash<int, QString> nomes_;
};
