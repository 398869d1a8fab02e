// The summary safety sheet of a product made by formulas: the products of
// the branch that some formula makes, the formulas of one of them, and the
// one-page sheet of a formula (commercial name, composition by generic
// name and share, first aid, fire, storage and fire-fighting texts) laid
// out on Letter paper for the preview, the printer or a PDF file.
//
// It is the system's own summary sheet, not a full safety data sheet.
#pragma once

#include "Consulta.h"
#include "Tabela.h"

#include <QList>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QTextDocument;

struct ComponenteFicha {
    QString nome; // the component product's generic name (NOME3)
    double percentual = 0;
};

struct ConteudoFicha {
    QString nomeComercial;   // NOME1
    bool inflamavel = false; // the product has a UN code (Cod_Onu)
    QList<ComponenteFicha> componentes;
};

class DadosFichaSeguranca {
public:
    explicit DadosFichaSeguranca(SessaoBanco* sessao = nullptr);

    // The branch's products named by at least one of its formulas, in code
    // or name order. Throws ErroBanco.
    void abrirProdutos(int filial, bool porNome);
    bool porNome() const { return porNome_; }
    // The formulas of one product of the branch. Throws ErroBanco.
    void abrirFormulas(int filial, int produto);
    // The sheet of the product's formula, components in OrdComp order.
    // Throws ErroBanco.
    ConteudoFicha conteudo(int filial, int produto, const QString& formula);
    void fechar();

    Consulta QProdutos; // FILIAL, COD_REDUZ, NOME1, COD_ONU
    Consulta QFormulas; // every field of FORMULA

private:
    bool porNome_ = false;
    Tabela produto_;
    Tabela componentes_;
};

// Letter paper, portrait, 15 mm margins.
void PrepararPaginaFicha(QPagedPaintDevice& destino);
// The sheet laid out for `destino`'s page (prepared as above).
std::unique_ptr<QTextDocument> MontarFichaSeguranca(const ConteudoFicha& ficha,
                                                    QPagedPaintDevice& destino);
// Draws the sheet on `destino` (prepared as above), page by page. False
// when the device cannot be painted on.
bool DesenharFichaSeguranca(const ConteudoFicha& ficha, QPagedPaintDevice& destino);
// Writes the sheet to `arquivo` (a host path) as PDF. False when the file
// cannot be written.
bool GravarFichaPdf(const ConteudoFicha& ficha, const QString& arquivo);
