#include "FichaMedidas.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

void desenharFolha(QPainter& p, const QRect& area, const QString& titulo, const FichaMedidas& f,
                   const CamposFicha& campos, const QList<QString>& valores,
                   const QString& observacao) {
    const int linha = area.height() / 40;
    QFont fonte("Sans Serif");
    fonte.setPixelSize(linha * 9 / 10);
    fonte.setBold(true);
    p.setFont(fonte);
    int y = area.top();
    p.drawText(QRect(area.left(), y, area.width(), linha * 2), Qt::AlignCenter, titulo);
    y += linha * 2;
    fonte.setBold(false);
    fonte.setPixelSize(linha * 7 / 10);
    p.setFont(fonte);
    const QString cabecalho[] = {"Cliente: " + f.cliente,
                                 "Data: " + f.data + "    Número: " + f.numero,
                                 "Feira: " + f.feira + "    Cores: " + f.cores};
    for (const QString& c : cabecalho) {
        p.drawText(QRect(area.left(), y, area.width(), linha), Qt::AlignVCenter, c);
        y += linha;
    }
    y += linha / 2;
    // One bordered row per measure: caption on the left, value on the right.
    const int meio = area.left() + area.width() * 2 / 3;
    for (int i = 0; i < campos.size(); ++i) {
        const QRect r(area.left(), y, area.width(), linha);
        p.drawRect(r);
        p.drawLine(meio, r.top(), meio, r.bottom());
        p.drawText(r.adjusted(linha / 3, 0, 0, 0)
                       .intersected(QRect(r.left(), r.top(), meio - r.left(), r.height())),
                   Qt::AlignVCenter, campos[i].first);
        p.drawText(QRect(meio + linha / 3, r.top(), r.right() - meio - linha / 3, r.height()),
                   Qt::AlignVCenter, valores.value(i));
        y += linha;
    }
    y += linha / 2;
    p.drawText(QRect(area.left(), y, area.width(), area.bottom() - y),
               Qt::TextWordWrap | Qt::AlignTop, "Observações: " + observacao);
}

} // namespace

const CamposFicha& CamposJaqueta() {
    static const CamposFicha c = {
        {"Modelo", "Jqt_Modelo"},
        {"Ombro a ombro", "Jqt_OmbroaOmbro"},
        {"Altura costa", "Jqt_AlturaCosta"},
        {"Altura cotovelo 1", "Jqt_AlturaCotovelo1"},
        {"Altura cotovelo 2", "Jqt_AlturaCotovelo2"},
        {"Altura cotovelo 3", "Jqt_AlturaCotovelo3"},
        {"Ombro", "Jqt_Ombro"},
        {"Ombro h. seio", "Jqt_OmbroHSeio"},
        {"Comprimento manga", "Jqt_ComprimentoManga"},
        {"Peito", "Jqt_Peito"},
        {"Barriga", "Jqt_Barriga"},
        {"Cintura", "Jqt_Cintura"},
        {"Cava", "Jqt_ACava"},
        {"Bíceps", "Jqt_Biceps"},
        {"Pescoço", "Jqt_Pescoco"},
        {"Antebraço", "Jqt_AnteBraco"},
        {"Punho", "Jqt_Punho"},
        {"Gola strech", "Jqt_GolaStrech"},
    };
    return c;
}

const CamposFicha& CamposCalca() {
    static const CamposFicha c = {
        {"Modelo", "Calca_Modelo"},
        {"Cintura", "Calca_Cintura"},
        {"Quadril", "Calca_Quadril"},
        {"Comprimento total", "Calca_ComprimetoTotal"},
        {"Entre perna", "Calca_EntrePerna"},
        {"Altura joelho", "Calca_AlturaJoelho"},
        {"Altura joelho 2", "Calca_AlturaJoelho2"},
        {"Circunferência coxa", "Calca_CircCoxa"},
        {"Ac. joelho", "Calca_AcJoe"},
        {"Largura panturrilha", "Calca_LarguraPanturrilha"},
    };
    return c;
}

int DesenharFichasMedidas(const FichaMedidas& f, QPagedPaintDevice& destino) {
    QPainter p;
    if (!p.begin(&destino))
        return 0;
    const QRect area = destino.pageLayout().paintRectPixels(destino.logicalDpiX());
    const QRect folha(0, 0, area.width(), area.height());
    desenharFolha(p, folha, "MEDIDAS DA JAQUETA", f, CamposJaqueta(), f.jaqueta,
                  f.observacaoJaqueta);
    destino.newPage();
    desenharFolha(p, folha, "MEDIDAS DA CALÇA", f, CamposCalca(), f.calca, f.observacaoCalca);
    p.end();
    return 2;
}
