#include "TFormSplash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

TFormSplash::TFormSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("TFormSplash");
    setFixedSize(440, 280);
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
}

void TFormSplash::mostrar() {
    show();
    repaint();
    QCoreApplication::processEvents();
}

void TFormSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = width();
    const int h = height();

    QLinearGradient fundo(0, 0, 0, h);
    fundo.setColorAt(0, QColor(250, 247, 240));
    fundo.setColorAt(1, QColor(226, 221, 208));
    p.fillRect(rect(), fundo);

    // Top band.
    const int faixa = 64;
    p.fillRect(0, 0, w, faixa, QColor(28, 58, 94));
    QFont fonte("Liberation Sans", 30, QFont::Bold);
    p.setFont(fonte);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, w, faixa), Qt::AlignCenter, "PCP");

    // The picture: a fan of colour swatches and a drop of paint.
    const QColor cores[] = {QColor(196, 48, 43), QColor(232, 148, 38), QColor(240, 206, 64),
                            QColor(74, 150, 74), QColor(46, 104, 170), QColor(110, 62, 140)};
    const QPointF eixo(w / 2.0 - 40, h - 50);
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(eixo);
        p.rotate(-75 + i * 15);
        QPainterPath amostra;
        amostra.addRoundedRect(QRectF(-14, -150, 28, 150), 6, 6);
        p.fillPath(amostra, cores[i]);
        p.setPen(QPen(QColor(60, 60, 60, 90), 1));
        p.drawPath(amostra);
        p.restore();
    }
    p.setBrush(QColor(46, 104, 170));
    p.setPen(Qt::NoPen);
    QPainterPath gota;
    const QPointF topo(w - 90, faixa + 40);
    gota.moveTo(topo);
    gota.cubicTo(topo + QPointF(30, 50), topo + QPointF(40, 90), topo + QPointF(0, 100));
    gota.cubicTo(topo + QPointF(-40, 90), topo + QPointF(-30, 50), topo);
    p.drawPath(gota);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(topo + QPointF(-10, 70), 6, 10);

    // Bottom band.
    p.fillRect(0, h - 30, w, 30, QColor(28, 58, 94));
    p.setPen(Qt::white);
    p.setFont(QFont("Liberation Sans", 10));
    p.drawText(QRect(0, h - 30, w, 30), Qt::AlignCenter,
               "Planejamento e Controle da Produção — carregando...");
}
