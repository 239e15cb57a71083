// Button, icon and kit pictures of the user interface that are raster images.
#include "malen.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

namespace
{

void weicherSchatten(QPainter& p, QPointF mitte, qreal r)
{
    QRadialGradient schatten(mitte, r);
    schatten.setColorAt(0.8, QColor(0, 0, 0, 70));
    schatten.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(schatten);
    p.drawEllipse(mitte, r, r);
}

// A round glossy button; `farbe` carries the meaning (green: go, red: not yet).
QImage startknopf(const QColor& farbe, int deckkraftPfeil)
{
    QImage bild = leinwand(200, 200, true);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF m(100, 97);
    weicherSchatten(p, m + QPointF(0, 5), 96);
    QRadialGradient verlauf(m - QPointF(25, 30), 120);
    verlauf.setColorAt(0, farbe.lighter(140));
    verlauf.setColorAt(0.6, farbe);
    verlauf.setColorAt(1, farbe.darker(150));
    p.setPen(QPen(QColor(255, 255, 255, 220), 5));
    p.setBrush(verlauf);
    p.drawEllipse(m, 86, 86);
    QLinearGradient glanz(0, 15, 0, 95);
    glanz.setColorAt(0, QColor(255, 255, 255, 120));
    glanz.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glanz);
    p.drawEllipse(QRectF(40, 18, 120, 70));
    QPolygonF dreieck;
    dreieck << QPointF(80, 58) << QPointF(80, 136) << QPointF(144, 97);
    p.setPen(QPen(QColor(255, 255, 255, deckkraftPfeil), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, deckkraftPfeil));
    p.drawPolygon(dreieck);
    return bild;
}

QImage hakenKreis()
{
    QImage bild = leinwand(128, 128, true);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF m(64, 62);
    weicherSchatten(p, m + QPointF(0, 3), 62);
    QRadialGradient gruen(m - QPointF(15, 18), 80);
    gruen.setColorAt(0, QColor(110, 205, 120));
    gruen.setColorAt(1, QColor(30, 130, 60));
    p.setPen(QPen(Qt::white, 4));
    p.setBrush(gruen);
    p.drawEllipse(m, 55, 55);
    QPainterPath haken(QPointF(36, 64));
    haken.lineTo(56, 84);
    haken.lineTo(92, 44);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(haken);
    return bild;
}

// A capped odour pen giving off scent, as used in the kit.
QImage riechstiftGross()
{
    QImage bild = leinwand(256, 256, true);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // scent spreads from the felt tip towards the upper right
    p.setBrush(Qt::NoBrush);
    const QPointF spitze(186, 72);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 26 + i * 17;
        p.setPen(QPen(QColor(244, 150, 90, 240 - i * 50), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(spitze.x() - r, spitze.y() - r, 2 * r, 2 * r), 8 * 16, 74 * 16);
    }
    p.translate(110, 150);
    p.rotate(-45);
    QLinearGradient weiss(0, -24, 0, 24);
    weiss.setColorAt(0, QColor(255, 255, 255));
    weiss.setColorAt(0.6, QColor(226, 230, 236));
    weiss.setColorAt(1, QColor(180, 186, 196));
    p.setPen(QPen(QColor(120, 128, 140), 2.5));
    p.setBrush(weiss);
    p.drawRoundedRect(QRectF(-100, -22, 160, 44), 10, 10);
    // the cap is posted on the end, coloured like a kit cap
    QLinearGradient blau(0, -26, 0, 26);
    blau.setColorAt(0, QColor(90, 140, 220));
    blau.setColorAt(1, QColor(30, 70, 150));
    p.setPen(QPen(QColor(25, 55, 120), 2.5));
    p.setBrush(blau);
    p.drawRoundedRect(QRectF(-122, -26, 62, 52), 12, 12);
    p.drawRect(QRectF(-66, -26, 8, 52));
    // label band
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 177, 131));
    p.drawRect(QRectF(-30, -21, 26, 42));
    p.setBrush(QColor(50, 80, 142));
    p.drawRect(QRectF(2, -21, 6, 42));
    // cone and felt tip
    QPolygonF kegel;
    kegel << QPointF(60, -20) << QPointF(86, -10) << QPointF(86, 10) << QPointF(60, 20);
    p.setPen(QPen(QColor(120, 128, 140), 2.5));
    p.setBrush(weiss);
    p.drawPolygon(kegel);
    p.setBrush(QColor(236, 222, 190));
    p.drawRoundedRect(QRectF(84, -8, 26, 16), 7, 7);
    return bild;
}

// The window's symbol: 128 px are more than any title or task bar shows, and a quarter of the
// pixels that the program decodes at every start.
QImage riechstift()
{
    return riechstiftGross().scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage flagge()
{
    QImage bild(160, 120, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QPainterPath blase;
    blase.addRoundedRect(QRectF(8, 8, 144, 84), 18, 18);
    QPolygonF zipfel;
    zipfel << QPointF(34, 88) << QPointF(30, 114) << QPointF(62, 88);
    blase.addPolygon(zipfel);
    blase = blase.simplified();
    p.save();
    p.setClipPath(blase);
    p.fillRect(QRectF(0, 0, 80, 120), QColor(50, 80, 142));
    p.fillRect(QRectF(80, 0, 80, 120), QColor(244, 177, 131));
    p.restore();
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(QPointF(80, 8), QPointF(80, 92));
    QFont schrift(QStringLiteral("Noto Sans"));
    schrift.setBold(true);
    schrift.setPixelSize(36);
    p.setFont(schrift);
    p.setPen(Qt::white);
    p.drawText(QRectF(8, 8, 72, 84), Qt::AlignCenter, QStringLiteral("DE"));
    p.setPen(QColor(50, 80, 142));
    p.drawText(QRectF(80, 8, 72, 84), Qt::AlignCenter, QStringLiteral("EN"));
    return bild;
}

} // namespace

QVector<Knopfbild> knopfbilder()
{
    return {
        { QStringLiteral("png/startknopp.png"), [] { return startknopf(QColor(46, 170, 70), 255); } },
        { QStringLiteral("png/startknopprot.png"), [] { return startknopf(QColor(205, 80, 75), 150); } },
        { QStringLiteral("png/HakenClose.png"), hakenKreis },
        { QStringLiteral("png/kelvaro.png"), riechstift },
        { QStringLiteral("jpeg/flagge.jpeg"), flagge },
    };
}

QStringList svgDateien()
{
    return { QStringLiteral("HakenGruen.svg"), QStringLiteral("HakenTransparent.svg"),
        QStringLiteral("schnueffelt.svg"), QStringLiteral("Pfeil.svg"), QStringLiteral("zahnrad.svg"),
        QStringLiteral("info.svg"), QStringLiteral("fragezeichen.svg"), QStringLiteral("produktlogo.svg"),
        QStringLiteral("herstellerlogo.svg") };
}
