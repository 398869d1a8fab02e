// The formula consultation's data: the three choosers (products by name,
// customers by trade name, tinting machines by name) and the query of the
// branch's formulas registered in a period, narrowed by the filters the
// operator left on. Every value the operator chose or typed is bound as a
// parameter; the SQL text depends only on which filters are on.
#pragma once

#include "Consulta.h"
#include "Tabela.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

struct FiltroConsultaFormulas {
    enum class Clientes { Todos, Um, Companias };

    int filial = 0;
    QDate inicio, fim;
    std::optional<int> produto; // nothing: "Todos"
    Clientes clientes = Clientes::Todos;
    int cliente = 0;               // with Clientes::Um
    QString cor;                   // "" : any colour
    QString formula;               // "" : any number
    std::optional<QString> origem; // the stored value: "CLIENTE" or "REPRESENTA"
    std::optional<int> matizador;
};

// The query lines, in the order the filters are added.
QStringList SqlConsultaFormulas(const FiltroConsultaFormulas& filtro);

class DadosConsFormula {
public:
    explicit DadosConsFormula(SessaoBanco* sessao = nullptr);

    // Runs the three choosers for `filial`. Throws ErroBanco.
    void abrirEscolhas(int filial);
    // Runs the consultation. Throws ErroBanco.
    void consultar(const FiltroConsultaFormulas& filtro);
    void fechar();

    Consulta QProdutos; // Cod_Reduz, Nome1 by Nome1
    Consulta QClientes; // Cod_Clifor, Fantasia by Fantasia
    Tabela TMatizador;  // by Nome
    Consulta QFormulas; // the result
};
