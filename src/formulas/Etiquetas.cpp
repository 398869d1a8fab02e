#include "Etiquetas.h"

#include "ConfigImpressao.h"
#include "FormatoNumero.h"
#include "RelatorioTexto.h"

QString CelulaEtiqueta(const QString& texto) {
    const QString margem(std::max(0, 9 - int(texto.size()) / 2), ' ');
    return Formatar("%-20.20s", {margem + texto + margem + "  "});
}

void ImprimirEtiquetas(const QString& linha1, const QString& linha2) {
    // Another report may have run since the window chose the printer.
    ConfigImpressao& cfg = CfgImpressao();
    cfg.Pagina = 1;
    cfg.LinhasUsadas = 37;
    cfg.Largura = 80;
    cfg.Linha = 99;
    const QString texto1 = CelulaEtiqueta(linha1).repeated(4);
    const QString texto2 = CelulaEtiqueta(linha2).repeated(4);
    IniciarRelatorio();
    LimparPagina();
    for (int linha : {7, 16, 26, 35}) {
        EscreverTexto(linha, 1, texto1);
        EscreverTexto(linha + 1, 1, texto2);
    }
    ImprimirPagina();
    FinalizarRelatorio();
}
