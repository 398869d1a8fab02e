#include "ProdutoDerivados.h"

#include "Arredondamento.h"
#include "Tabela.h"

ProdutoDerivados::ProdutoDerivados(ConjuntoDados& produto) : produto_(produto) {}

ProdutoDerivados::~ProdutoDerivados() = default;

QString ProdutoDerivados::Classi() const {
    QString classi;
    for (int n = 1; n <= 5; ++n)
        classi += produto_.campo("Nivel" + QString::number(n)).texto();
    return classi;
}

double ProdutoDerivados::SaldoFisico() const {
    // Quantities are kept with four decimals; the difference of two doubles
    // would otherwise show binary noise.
    return Arredondar(4, produto_.campo("QTD_FIS").numero() - produto_.campo("QTD_EMP1").numero());
}

QString ProdutoDerivados::NomeNivel3() {
    const QString nivel3 = produto_.campo("Nivel3").texto();
    if (nivel3.isEmpty())
        return QString();
    if (!niveis3_) {
        niveis3_ = std::make_unique<Tabela>("ESTNIV3", &produto_.sessao());
        niveis3_->setNomeBanco(produto_.nomeBanco());
        niveis3_->abrir();
    }
    if (!niveis3_->localizarChave({produto_.campo("Filial").inteiro(), nivel3}))
        return QString();
    return niveis3_->campo("DESCRIC3").texto();
}
