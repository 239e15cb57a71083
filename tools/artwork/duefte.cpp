// The 70 odour pictures. Where a colour emoji shows the odour unmistakably it is used;
// the rest are drawn here from simple shaded shapes, in the same light style.
#include "malen.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

namespace
{

QColor mische(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor streuen(QRandomGenerator& z, const QColor& farbe, int prozent)
{
    const int f = 100 + int(z.bounded(2 * prozent + 1)) - prozent;
    return f >= 100 ? farbe.lighter(f) : farbe.darker(10000 / f);
}

// A closed, smooth, slightly irregular outline around `mitte`.
QPainterPath klumpen(QRandomGenerator& z, QPointF mitte, qreal rx, qreal ry, int ecken, qreal unruhe)
{
    QVector<QPointF> punkte;
    for (int i = 0; i < ecken; ++i) {
        const qreal w = 2 * M_PI * i / ecken;
        const qreal f = 1.0 - unruhe / 2 + unruhe * z.generateDouble();
        punkte << mitte + QPointF(std::cos(w) * rx * f, std::sin(w) * ry * f);
    }
    QPainterPath weg((punkte.last() + punkte.first()) / 2);
    for (int i = 0; i < ecken; ++i)
        weg.quadTo(punkte[i], (punkte[i] + punkte[(i + 1) % ecken]) / 2);
    weg.closeSubpath();
    return weg;
}

// A leaf pointing along `winkel` (0 = up), with its midrib and a few side veins.
void blatt(QPainter& p, QPointF basis, qreal winkel, qreal laenge, qreal breite, const QColor& farbe)
{
    p.save();
    p.translate(basis);
    p.rotate(winkel);
    QPainterPath weg(QPointF(0, 0));
    weg.cubicTo(breite * 0.65, -laenge * 0.15, breite * 0.6, -laenge * 0.75, 0, -laenge);
    weg.cubicTo(-breite * 0.6, -laenge * 0.75, -breite * 0.65, -laenge * 0.15, 0, 0);
    QLinearGradient verlauf(-breite / 2, 0, breite / 2, 0);
    verlauf.setColorAt(0, farbe.lighter(125));
    verlauf.setColorAt(1, farbe.darker(125));
    p.setPen(QPen(farbe.darker(170), 1.5));
    p.setBrush(verlauf);
    p.drawPath(weg);
    p.setPen(QPen(farbe.darker(150), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -laenge * 0.03), QPointF(0, -laenge * 0.92));
    for (int i = 1; i <= 4; ++i) {
        const qreal y = -laenge * (0.12 + 0.17 * i);
        const qreal w = breite * 0.36 * std::sin(M_PI * (0.15 + 0.17 * i));
        p.drawLine(QPointF(0, y), QPointF(w, y - laenge * 0.09));
        p.drawLine(QPointF(0, y), QPointF(-w, y - laenge * 0.09));
    }
    p.restore();
}

void stiel(QPainter& p, const QPainterPath& weg, const QColor& farbe, qreal breite)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(weg);
    p.restore();
}

// ---- fruit and berries ------------------------------------------------------------------

// Raspberry and blackberry: an egg-shaped heap of drupelets under a green calyx.
void sammelfrucht(QPainter& p, const QColor& farbe, qreal spitz, qreal glanz, quint32 saat)
{
    QRandomGenerator z(saat);
    blatt(p, QPointF(150, 95), -62, 115, 62, QColor(70, 135, 55));
    blatt(p, QPointF(150, 95), 58, 100, 56, QColor(80, 145, 60));
    const qreal oben = 92, hoehe = 178, breite = 172;
    const qreal r = 15.5;
    for (qreal y = oben + r; y < oben + hoehe - r * 0.4; y += r * 1.45) {
        const qreal u = (y - oben) / hoehe;
        const qreal halb = breite / 2 * std::sqrt(qMax<qreal>(0.0, 1 - std::pow(2 * u - 1, 2))) * (1 - spitz * u)
            + (u < 0.5 ? breite * 0.12 * (0.5 - u) : 0);
        const bool versetzt = int((y - oben) / (r * 1.45)) % 2;
        for (qreal x = -halb + (versetzt ? r * 0.9 : 0); x <= halb; x += r * 1.8) {
            const QPointF m(150 + x + z.bounded(3.0) - 1.5, y + z.bounded(3.0) - 1.5);
            kugel(p, m, r * (0.92 + 0.16 * z.generateDouble()), streuen(z, farbe, 12), glanz);
        }
    }
    // calyx and stalk on top
    p.save();
    p.translate(150, oben + 4);
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.rotate(-80 + i * 32);
        QPainterPath zipfel(QPointF(-7, 0));
        zipfel.quadTo(-4, -26, 0, -34);
        zipfel.quadTo(4, -26, 7, 0);
        p.setPen(QPen(QColor(45, 100, 35), 1.5));
        p.setBrush(QColor(90, 160, 70));
        p.drawPath(zipfel);
        p.restore();
    }
    p.restore();
    QPainterPath stengel(QPointF(150, oben));
    stengel.quadTo(155, oben - 30, 172, oben - 58);
    stiel(p, stengel, QColor(85, 125, 55), 7);
}

void brombeere(QPainter& p)
{
    sammelfrucht(p, QColor(48, 22, 58), 0.12, 0.8, 11);
}
void himbeere(QPainter& p)
{
    sammelfrucht(p, QColor(222, 45, 80), 0.3, 0.35, 12);
}

void schwarzeJohannisbeere(QPainter& p)
{
    blatt(p, QPointF(96, 88), -95, 88, 70, QColor(70, 135, 50));
    blatt(p, QPointF(96, 88), -40, 100, 78, QColor(78, 145, 55));
    blatt(p, QPointF(96, 88), 10, 86, 70, QColor(65, 128, 48));
    QPainterPath rispe(QPointF(88, 86));
    rispe.cubicTo(150, 90, 200, 150, 215, 262);
    stiel(p, rispe, QColor(105, 95, 50), 5);
    const qreal lagen[][2]
        = { { 0.18, 1 }, { 0.3, -1 }, { 0.42, 1 }, { 0.54, -1 }, { 0.66, 1 }, { 0.78, -1 }, { 0.9, 1 }, { 1.0, 0 } };
    for (const auto& l : lagen) {
        const QPointF an = rispe.pointAtPercent(l[0]);
        const QPointF beere = an + QPointF(l[1] * 24, 22);
        p.setPen(QPen(QColor(105, 95, 50), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(an, beere);
        kugel(p, beere, 21, QColor(34, 24, 42), 0.8);
        p.setPen(QPen(QColor(95, 70, 45), 2));
        p.drawLine(beere + QPointF(-4, 18), beere + QPointF(4, 18));
        p.drawLine(beere + QPointF(0, 14), beere + QPointF(0, 21));
    }
}

void pflaume(QPainter& p)
{
    const auto frucht = [&p](QPointF mitte, qreal winkel) {
        p.save();
        p.translate(mitte);
        p.rotate(winkel);
        ellipsenKugel(p, QRectF(-56, -68, 112, 136), QColor(72, 52, 128), 0.0);
        QRadialGradient reif(QPointF(-15, -20), 70);
        reif.setColorAt(0, QColor(200, 200, 235, 90));
        reif.setColorAt(1, QColor(200, 200, 235, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(reif);
        p.drawEllipse(QRectF(-56, -68, 112, 136));
        QPainterPath naht(QPointF(6, -64));
        naht.cubicTo(26, -20, 24, 30, 8, 64);
        stiel(p, naht, QColor(45, 30, 80), 2.5);
        QPainterPath stengel(QPointF(4, -64));
        stengel.quadTo(2, -82, 12, -96);
        stiel(p, stengel, QColor(110, 80, 45), 5);
        p.restore();
    };
    frucht(QPointF(198, 168), 12);
    frucht(QPointF(110, 180), -10);
    blatt(p, QPointF(120, 104), 48, 110, 50, QColor(85, 145, 60));
}

void grapefruit(QPainter& p)
{
    kugel(p, QPointF(192, 118), 86, QColor(250, 196, 110), 0.3);
    const QPointF m(118, 185);
    const qreal r = 92;
    p.setPen(QPen(QColor(205, 115, 45), 2));
    p.setBrush(QColor(243, 152, 70));
    p.drawEllipse(m, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 238, 218));
    p.drawEllipse(m, r * 0.9, r * 0.9);
    const int segmente = 12;
    for (int i = 0; i < segmente; ++i) {
        const qreal a = 360.0 * i / segmente + 3.2, b = 360.0 / segmente - 6.4;
        QPainterPath keil;
        keil.moveTo(m);
        keil.arcTo(QRectF(m.x() - r * 0.83, m.y() - r * 0.83, r * 1.66, r * 1.66), a, b);
        keil.closeSubpath();
        QPainterPath kern;
        kern.addEllipse(m, r * 0.13, r * 0.13);
        QRadialGradient fleisch(m, r * 0.85);
        fleisch.setColorAt(0, QColor(250, 150, 150));
        fleisch.setColorAt(1, QColor(226, 70, 85));
        p.setBrush(fleisch);
        p.drawPath(keil.subtracted(kern));
    }
    p.setPen(QPen(QColor(255, 235, 230, 150), 1.5));
    for (int i = 0; i < 36; ++i) {
        const qreal w = qDegreesToRadians(10.0 * i + 5);
        p.drawLine(m + QPointF(std::cos(w), -std::sin(w)) * r * 0.3, m + QPointF(std::cos(w), -std::sin(w)) * r * 0.75);
    }
}

// ---- spices ------------------------------------------------------------------------------

void anis(QPainter& p)
{
    const auto stern = [&p](QPointF mitte, qreal mass, qreal drehung) {
        p.save();
        p.translate(mitte);
        p.scale(mass, mass);
        p.rotate(drehung);
        const QColor schale(140, 70, 40);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.rotate(i * 45);
            QPainterPath huelse(QPointF(0, -10));
            huelse.cubicTo(-32, -42, -20, -106, 0, -118);
            huelse.cubicTo(20, -106, 32, -42, 0, -10);
            QLinearGradient verlauf(-24, 0, 24, 0);
            verlauf.setColorAt(0, schale.darker(135));
            verlauf.setColorAt(0.45, schale.lighter(118));
            verlauf.setColorAt(1, schale.darker(160));
            p.setPen(QPen(schale.darker(230), 2));
            p.setBrush(verlauf);
            p.drawPath(huelse);
            p.setPen(QPen(QColor(60, 28, 15), 3));
            p.drawLine(QPointF(0, -30), QPointF(0, -108));
            ellipsenKugel(p, QRectF(-8, -86, 16, 30), QColor(205, 145, 80), 0.8);
            p.restore();
        }
        kugel(p, QPointF(0, 0), 16, QColor(105, 52, 28), 0.3);
        p.restore();
    };
    stern(QPointF(150, 150), 1.05, 10);
}

void gewuerznelke(QPainter& p)
{
    const auto nelke = [&p](QPointF mitte, qreal winkel, qreal laenge) {
        p.save();
        p.translate(mitte);
        p.rotate(winkel);
        p.translate(0, (laenge + 38) / 2);
        const QColor braun(98, 46, 26);
        QPainterPath stengel(QPointF(-5, 0));
        stengel.quadTo(-7, -laenge * 0.5, -10, -laenge);
        stengel.lineTo(10, -laenge);
        stengel.quadTo(7, -laenge * 0.5, 5, 0);
        stengel.quadTo(0, 5, -5, 0);
        QLinearGradient verlauf(-10, 0, 10, 0);
        verlauf.setColorAt(0, braun.darker(150));
        verlauf.setColorAt(0.4, braun.lighter(135));
        verlauf.setColorAt(1, braun.darker(180));
        p.setPen(QPen(braun.darker(230), 1.5));
        p.setBrush(verlauf);
        p.drawPath(stengel);
        // four pointed sepals cup the round bud
        for (int s = -1; s <= 1; s += 2) {
            for (qreal breit : { 26.0, 14.0 }) {
                QPainterPath zipfel(QPointF(0, -laenge + 8));
                zipfel.quadTo(s * breit * 1.05, -laenge - 2, s * breit, -laenge - 22);
                zipfel.quadTo(s * breit * 0.45, -laenge - 10, 0, -laenge - 4);
                p.setBrush(braun.lighter(breit > 20 ? 105 : 125));
                p.drawPath(zipfel);
            }
        }
        kugel(p, QPointF(0, -laenge - 22), 16, QColor(138, 78, 44), 0.4);
        p.restore();
    };
    nelke(QPointF(88, 112), -28, 100);
    nelke(QPointF(170, 96), 18, 104);
    nelke(QPointF(226, 170), 62, 96);
    nelke(QPointF(112, 214), -100, 100);
    nelke(QPointF(186, 236), 104, 92);
    nelke(QPointF(150, 160), -8, 96);
}

void zimt(QPainter& p)
{
    const auto stange = [&p](QPointF a, QPointF b, qreal d) {
        const QLineF linie(a, b);
        p.save();
        p.translate(a);
        p.rotate(-linie.angle());
        const qreal l = linie.length();
        QLinearGradient quer(0, -d / 2, 0, d / 2);
        quer.setColorAt(0, QColor(112, 56, 28));
        quer.setColorAt(0.3, QColor(196, 116, 62));
        quer.setColorAt(0.7, QColor(150, 80, 40));
        quer.setColorAt(1, QColor(92, 44, 22));
        p.setPen(QPen(QColor(80, 38, 18), 1.5));
        p.setBrush(quer);
        p.drawRoundedRect(QRectF(0, -d / 2, l, d), d * 0.2, d * 0.2);
        p.setPen(QPen(QColor(90, 42, 20, 130), 1.4));
        for (qreal y : { -0.28, -0.05, 0.18, 0.34 })
            p.drawLine(QPointF(d * 0.4, y * d), QPointF(l - d * 0.5, y * d + 1));
        // the cut end shows the rolled-up bark
        p.setPen(QPen(QColor(95, 45, 20), 2));
        p.setBrush(QColor(178, 104, 56));
        p.drawEllipse(QRectF(l - d * 0.28, -d / 2, d * 0.56, d));
        QPainterPath rolle;
        for (int i = 0; i <= 60; ++i) {
            const qreal w = i * 0.21, r = 0.45 - i * 0.0062;
            const QPointF q(l + std::cos(w) * d * 0.26 * r / 0.45, std::sin(w) * d * r);
            i ? rolle.lineTo(q) : rolle.moveTo(q);
        }
        p.setBrush(Qt::NoBrush);
        p.drawPath(rolle);
        p.restore();
    };
    stange(QPointF(42, 130), QPointF(236, 62), 36);
    stange(QPointF(52, 178), QPointF(252, 118), 38);
    stange(QPointF(48, 232), QPointF(246, 176), 36);
    // a string holds the bundle
    p.setPen(QPen(QColor(225, 205, 160), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128, 88), QPointF(150, 230));
    p.setPen(QPen(QColor(185, 160, 110), 2));
    p.drawLine(QPointF(128, 88), QPointF(150, 230));
}

void muskat(QPainter& p)
{
    QRandomGenerator z(31);
    const auto nuss = [&p, &z](QPointF mitte, qreal winkel) {
        p.save();
        p.translate(mitte);
        p.rotate(winkel);
        const QRectF oval(-48, -60, 96, 120);
        ellipsenKugel(p, oval, QColor(156, 108, 70), 0.0);
        QPainterPath rand;
        rand.addEllipse(oval.adjusted(3, 3, -3, -3));
        p.setClipPath(rand, Qt::IntersectClip);
        p.setPen(QPen(QColor(110, 70, 40, 150), 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 22; ++i) {
            const qreal x = -50 + z.bounded(100.0), y = -60 + z.bounded(120.0);
            QPainterPath ader(QPointF(x, y));
            ader.cubicTo(
                x + z.bounded(40.0) - 20, y + 20, x + z.bounded(40.0) - 20, y + 40, x + z.bounded(30.0) - 15, y + 55);
            p.drawPath(ader);
        }
        p.restore();
    };
    nuss(QPointF(92, 118), -22);
    nuss(QPointF(205, 112), 18);
    // a halved nut shows the marbled inside
    p.save();
    p.translate(150, 214);
    p.rotate(-6);
    const QRectF schnitt(-64, -46, 128, 92);
    p.setPen(QPen(QColor(118, 72, 42), 7));
    p.setBrush(QColor(238, 218, 184));
    p.drawEllipse(schnitt);
    QPainterPath innen;
    innen.addEllipse(schnitt.adjusted(5, 5, -5, -5));
    p.setClipPath(innen, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 34; ++i) {
        const QPointF m(z.bounded(120.0) - 60, z.bounded(84.0) - 42);
        p.setBrush(mische(QColor(160, 96, 52), QColor(120, 68, 36), z.generateDouble()));
        p.drawPath(klumpen(z, m, 5 + z.bounded(9.0), 3 + z.bounded(6.0), 7, 0.8));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(140, 84, 46), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 18; ++i) {
        const QPointF a(z.bounded(120.0) - 60, z.bounded(84.0) - 42);
        QPainterPath ader(a);
        ader.cubicTo(a + QPointF(z.bounded(40.0) - 20, z.bounded(30.0) - 15),
            a + QPointF(z.bounded(40.0) - 20, z.bounded(30.0) - 15),
            a + QPointF(z.bounded(50.0) - 25, z.bounded(36.0) - 18));
        p.drawPath(ader);
    }
    p.restore();
}

void pfeffer(QPainter& p)
{
    // pepper mill
    const QColor holz(150, 92, 48);
    QLinearGradient maserung(60, 0, 130, 0);
    maserung.setColorAt(0, holz.darker(170));
    maserung.setColorAt(0.4, holz.lighter(130));
    maserung.setColorAt(1, holz.darker(180));
    QPainterPath muehle(QPointF(66, 268));
    muehle.lineTo(124, 268);
    muehle.cubicTo(128, 220, 108, 200, 110, 160);
    muehle.cubicTo(112, 130, 122, 120, 120, 104);
    muehle.lineTo(70, 104);
    muehle.cubicTo(68, 120, 78, 130, 80, 160);
    muehle.cubicTo(82, 200, 62, 220, 66, 268);
    p.setPen(QPen(holz.darker(230), 2));
    p.setBrush(maserung);
    p.drawPath(muehle);
    p.drawRoundedRect(QRectF(62, 70, 66, 38), 14, 14);
    kugel(p, QPointF(95, 58), 14, holz, 0.4);
    p.setPen(QPen(holz.darker(200), 2));
    p.drawLine(QPointF(68, 250), QPointF(122, 250));
    p.drawLine(QPointF(72, 112), QPointF(118, 112));
    // a mound of corns beside it
    QRandomGenerator z(41);
    QVector<QPointF> koerner;
    for (int reihe = 0; reihe < 7; ++reihe) {
        const qreal y = 268 - reihe * 15;
        const qreal halb = 78 - reihe * 11;
        for (qreal x = 205 - halb; x <= 205 + halb; x += 19)
            koerner << QPointF(x + z.bounded(8.0) - 4, y + z.bounded(6.0) - 3);
    }
    for (const QPointF& k : koerner) {
        kugel(p, k, 10 + z.bounded(2.5), streuen(z, QColor(52, 42, 36), 20), 0.45);
        p.setPen(QPen(QColor(20, 15, 12, 150), 1.2));
        p.drawArc(QRectF(k.x() - 6, k.y() - 4, 10, 8), 200 * 16, 120 * 16);
    }
    for (QPointF k : { QPointF(150, 276), QPointF(238, 150), QPointF(270, 210) })
        kugel(p, k, 10, QColor(48, 38, 32), 0.45);
}

void vanille(QPainter& p)
{
    emoji(p, QStringLiteral("🍦"), QRectF(24, 22, 104, 104));
    // three glossy pods side by side, bent a little
    for (int i = 0; i < 3; ++i) {
        const QPointF v = QPointF(1, 1) * (i - 1) * 26;
        const QPointF a = QPointF(46, 250) + v, b = QPointF(250, 70) + v;
        const QPointF biegung = (a + b) / 2 + QPointF(18, 18);
        const QLineF achse(a, b);
        const QPointF quer = QPointF(-achse.dy(), achse.dx()) / achse.length();
        QPainterPath schote(a);
        schote.cubicTo(biegung + quer * 11 - (b - a) * 0.2, biegung + quer * 11 + (b - a) * 0.2, b);
        schote.cubicTo(biegung - quer * 11 + (b - a) * 0.2, biegung - quer * 11 - (b - a) * 0.2, a);
        QLinearGradient glanz(biegung + quer * 12, biegung - quer * 12);
        glanz.setColorAt(0, QColor(120, 80, 55));
        glanz.setColorAt(0.35, QColor(70, 40, 28));
        glanz.setColorAt(1, QColor(35, 20, 14));
        p.setPen(QPen(QColor(28, 16, 10), 1.5));
        p.setBrush(glanz);
        p.drawPath(schote);
        QPainterPath mitte(a + (b - a) * 0.06);
        mitte.quadTo(biegung + quer * 2, b - (b - a) * 0.06);
        p.setPen(QPen(QColor(150, 110, 80, 130), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mitte.translated(quer * 4));
    }
    // the pale vanilla orchid
    p.save();
    p.translate(212, 212);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.rotate(i * 72 + 10);
        QPainterPath blume(QPointF(0, 0));
        blume.cubicTo(20, -22, 15, -58, 0, -64);
        blume.cubicTo(-15, -58, -20, -22, 0, 0);
        p.setPen(QPen(QColor(190, 180, 110), 1.5));
        p.setBrush(QColor(248, 243, 190));
        p.drawPath(blume);
        p.restore();
    }
    kugel(p, QPointF(0, 0), 20, QColor(245, 200, 80), 0.4);
    p.restore();
}

void mandeln(QPainter& p)
{
    QRandomGenerator z(53);
    const auto mandel = [&p, &z](QPointF mitte, qreal winkel) {
        p.save();
        p.translate(mitte);
        p.rotate(winkel);
        const qreal l = 112, b = 66;
        QPainterPath form(QPointF(0, -l / 2));
        form.cubicTo(b * 0.55, -l * 0.32, b * 0.62, l * 0.34, 0, l / 2);
        form.cubicTo(-b * 0.62, l * 0.34, -b * 0.55, -l * 0.32, 0, -l / 2);
        QRadialGradient verlauf(QPointF(-b * 0.15, 0), b * 0.7);
        verlauf.setColorAt(0, QColor(214, 158, 108));
        verlauf.setColorAt(0.6, QColor(180, 116, 70));
        verlauf.setColorAt(1, QColor(126, 74, 40));
        p.setPen(QPen(QColor(110, 62, 30), 1.8));
        p.setBrush(verlauf);
        p.drawPath(form);
        p.setClipPath(form, Qt::IntersectClip);
        p.setPen(QPen(QColor(115, 64, 32, 120), 1.6));
        for (int i = -3; i <= 3; ++i) {
            QPainterPath rille(QPointF(i * 2, -l / 2 + 6));
            rille.cubicTo(i * b * 0.1 + z.bounded(4.0), -l * 0.2, i * b * 0.11, l * 0.2, i * 3, l / 2 - 4);
            p.drawPath(rille);
        }
        p.restore();
    };
    mandel(QPointF(92, 104), -30);
    mandel(QPointF(196, 96), 38);
    mandel(QPointF(150, 150), 4);
    mandel(QPointF(86, 214), -74);
    mandel(QPointF(208, 212), 66);
}

void walnuss(QPainter& p)
{
    QRandomGenerator z(61);
    // whole nut: a pointed oval whose deep grooves run roughly from pole to pole
    const QPointF m(112, 120);
    const qreal rx = 80, ry = 88;
    QPainterPath schale(m + QPointF(0, -ry - 8));
    schale.cubicTo(m + QPointF(rx * 0.75, -ry), m + QPointF(rx * 1.05, -ry * 0.35), m + QPointF(rx, ry * 0.1));
    schale.cubicTo(m + QPointF(rx * 0.95, ry * 0.75), m + QPointF(rx * 0.45, ry), m + QPointF(0, ry));
    schale.cubicTo(m + QPointF(-rx * 0.45, ry), m + QPointF(-rx * 0.95, ry * 0.75), m + QPointF(-rx, ry * 0.1));
    schale.cubicTo(m + QPointF(-rx * 1.05, -ry * 0.35), m + QPointF(-rx * 0.75, -ry), m + QPointF(0, -ry - 8));
    QRadialGradient holz(m - QPointF(26, 34), ry * 1.4);
    holz.setColorAt(0, QColor(232, 200, 150));
    holz.setColorAt(0.55, QColor(196, 152, 98));
    holz.setColorAt(1, QColor(130, 90, 50));
    p.setPen(QPen(QColor(110, 74, 40), 2));
    p.setBrush(holz);
    p.drawPath(schale);
    p.save();
    p.setClipPath(schale, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    for (int i = -5; i <= 5; ++i) {
        if (i == 0)
            continue;
        const qreal b = i / 5.5;
        QPainterPath rille(m + QPointF(b * rx * 0.3, -ry));
        for (int k = 1; k <= 12; ++k) {
            const qreal t = k / 12.0, y = -ry + 2 * ry * t;
            const qreal breite = std::sqrt(qMax<qreal>(0.0, 1 - std::pow(y / ry, 2)));
            rille.lineTo(m + QPointF(b * rx * breite + z.bounded(10.0) - 5, y));
        }
        p.setPen(QPen(QColor(120, 82, 45, 200), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(rille);
        p.setPen(QPen(QColor(240, 215, 170, 140), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(rille.translated(-3, -1));
    }
    p.setPen(QPen(QColor(120, 82, 45, 170), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 30; ++i) {
        const QPointF a = m + QPointF(z.bounded(2 * rx) - rx, z.bounded(2 * ry) - ry);
        p.drawLine(a, a + QPointF(z.bounded(22.0) - 11, z.bounded(8.0) - 4));
    }
    p.restore();
    p.setPen(QPen(QColor(105, 70, 38), 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath naht(m + QPointF(0, -ry - 6));
    naht.cubicTo(m + QPointF(6, -ry / 3), m + QPointF(-6, ry / 3), m + QPointF(0, ry - 2));
    p.drawPath(naht);
    // a shelled kernel: two wrinkled halves around the central cleft
    const QPointF k(205, 210);
    for (int s = -1; s <= 1; s += 2) {
        for (int h = -1; h <= 1; h += 2) {
            const QPainterPath lappen = klumpen(z, k + QPointF(s * 26, h * 26), 30, 30, 12, 0.3);
            QRadialGradient kern(k + QPointF(s * 20 - 10, h * 26 - 12), 44);
            kern.setColorAt(0, QColor(240, 214, 162));
            kern.setColorAt(1, QColor(186, 138, 80));
            p.setPen(QPen(QColor(140, 96, 52), 2));
            p.setBrush(kern);
            p.drawPath(lappen);
            p.setPen(QPen(QColor(160, 112, 62), 2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            for (int i = 0; i < 3; ++i) {
                const QPointF a = k + QPointF(s * (14 + i * 11), h * 26 - 14 + z.bounded(10.0));
                QPainterPath falte(a);
                falte.cubicTo(a + QPointF(6, 8), a + QPointF(-6, 14), a + QPointF(2, 24));
                p.drawPath(falte);
            }
        }
    }
}

void rosinen(QPainter& p)
{
    emoji(p, QStringLiteral("🍇"), QRectF(186, 26, 88, 88));
    QRandomGenerator z(71);
    for (int reihe = 0; reihe < 5; ++reihe) {
        const qreal y = 258 - reihe * 28;
        const qreal halb = 112 - reihe * 20;
        for (qreal x = 150 - halb + z.bounded(12.0); x <= 150 + halb; x += 30 + z.bounded(12.0)) {
            const QPointF m(x + z.bounded(16.0) - 8, y + z.bounded(14.0) - 7);
            const QPainterPath form = klumpen(z, m, 20 + z.bounded(4.0), 15 + z.bounded(4.0), 9, 0.35);
            const QColor farbe = streuen(z, QColor(88, 44, 40), 18);
            QRadialGradient verlauf(m - QPointF(6, 6), 24);
            verlauf.setColorAt(0, farbe.lighter(170));
            verlauf.setColorAt(0.5, farbe);
            verlauf.setColorAt(1, farbe.darker(180));
            p.setPen(QPen(farbe.darker(250), 1.5));
            p.setBrush(verlauf);
            p.drawPath(form);
            p.setBrush(Qt::NoBrush);
            for (int i = 0; i < 4; ++i) {
                const QPointF a = m + QPointF(z.bounded(22.0) - 14, z.bounded(16.0) - 9);
                const qreal w = z.bounded(360.0);
                p.setPen(QPen(farbe.darker(210), 2, Qt::SolidLine, Qt::RoundCap));
                p.drawArc(QRectF(a.x(), a.y(), 14, 9), int(w * 16), 110 * 16);
                p.setPen(QPen(farbe.lighter(200), 1.2, Qt::SolidLine, Qt::RoundCap));
                p.drawArc(QRectF(a.x() - 1, a.y() - 2, 14, 9), int(w * 16), 110 * 16);
            }
        }
    }
}

// ---- herbs and flowers -------------------------------------------------------------------

void kamille(QPainter& p)
{
    const QColor gruen(95, 150, 70);
    const auto bluete = [&p](QPointF mitte, qreal r) {
        for (int i = 0; i < 20; ++i) {
            p.save();
            p.translate(mitte);
            p.rotate(i * 18);
            p.setPen(QPen(QColor(200, 200, 195), 1));
            p.setBrush(QColor(255, 255, 252));
            p.drawEllipse(QRectF(-r * 0.15, -r, r * 0.3, r * 0.72));
            p.restore();
        }
        kugel(p, mitte, r * 0.38, QColor(246, 190, 30), 0.35);
    };
    struct Bluete {
        QPointF mitte;
        qreal r;
    };
    const Bluete bl[] = { { { 96, 100 }, 56 }, { { 204, 86 }, 48 }, { { 170, 196 }, 52 } };
    for (const Bluete& b : bl) {
        QPainterPath s(QPointF(150, 300));
        s.quadTo(150, b.mitte.y() + 60, b.mitte.x(), b.mitte.y());
        stiel(p, s, gruen, 4);
        for (int i = 1; i <= 3; ++i) {
            const QPointF an = s.pointAtPercent(0.25 * i);
            p.setPen(QPen(gruen, 2, Qt::SolidLine, Qt::RoundCap));
            for (int k = -1; k <= 1; k += 2) {
                p.drawLine(an, an + QPointF(k * 22, -14));
                p.drawLine(an + QPointF(k * 11, -7), an + QPointF(k * 16, -20));
            }
        }
    }
    for (const Bluete& b : bl)
        bluete(b.mitte, b.r);
}

void lavendel(QPainter& p)
{
    const QPointF band(150, 232);
    const QPointF spitzen[]
        = { { 62, 70 }, { 98, 46 }, { 136, 34 }, { 170, 38 }, { 206, 50 }, { 240, 76 }, { 118, 70 }, { 190, 72 } };
    for (const QPointF& spitze : spitzen) {
        const QPointF fuss = band + QPointF((spitze.x() - 150) * 0.08, 62);
        p.setPen(QPen(QColor(105, 135, 95), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(fuss, band);
        p.drawLine(band, spitze);
        const QLineF achse(band, spitze);
        for (int i = 0; i < 9; ++i) {
            const qreal t = 1.0 - i * 0.055;
            const QPointF an = achse.pointAt(t);
            const qreal gross = 6 + i * 0.7;
            for (int s = -1; s <= 1; s += 2) {
                p.save();
                p.translate(an);
                p.rotate(-achse.angle() + 90 + s * 35);
                p.setPen(QPen(QColor(90, 60, 140), 1));
                p.setBrush(i % 2 ? QColor(150, 118, 205) : QColor(125, 95, 185));
                p.drawEllipse(QRectF(-gross / 2, -gross * 1.6, gross, gross * 1.6));
                p.restore();
            }
        }
    }
    // a ribbon ties the bunch
    p.setPen(QPen(QColor(150, 110, 190), 2));
    p.setBrush(QColor(196, 170, 228));
    for (int s = -1; s <= 1; s += 2) {
        QPainterPath schlaufe(band);
        schlaufe.cubicTo(band + QPointF(s * 50, -34), band + QPointF(s * 60, 18), band);
        p.drawPath(schlaufe);
        QPainterPath ende(band);
        ende.lineTo(band + QPointF(s * 30, 48));
        ende.lineTo(band + QPointF(s * 18, 52));
        ende.closeSubpath();
        p.drawPath(ende);
    }
    p.drawEllipse(band, 9, 9);
}

void schnittlauch(QPainter& p)
{
    QRandomGenerator z(83);
    for (int i = 0; i < 22; ++i) {
        const qreal v = i * 5.2 - 55;
        const QPointF a(78 + v * 0.7 + z.bounded(6.0), 282 + v * 0.5);
        const QPointF b(232 + v * 0.9 + z.bounded(10.0), 44 + v * 0.75 + z.bounded(14.0));
        const QColor farbe = streuen(z, QColor(64, 142, 58), 15);
        p.setPen(QPen(farbe.darker(140), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(QPen(farbe.lighter(125), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a + QPointF(-1, -1.5), b + QPointF(-1, -1.5));
    }
    // the blossom that tells chives from grass
    for (int i = 0; i < 40; ++i) {
        const qreal w = z.bounded(2 * M_PI), r = z.bounded(22.0);
        kugel(p, QPointF(236, 46) + QPointF(std::cos(w) * r, std::sin(w) * r), 5, QColor(196, 120, 200), 0.3);
    }
    p.setPen(QPen(QColor(236, 205, 150), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(122, 128), QPointF(170, 196));
    p.setPen(QPen(QColor(196, 160, 100), 2));
    p.drawLine(QPointF(122, 128), QPointF(170, 196));
    for (int i = 0; i < 16; ++i) {
        const QPointF m(50 + z.bounded(70.0), 150 + z.bounded(50.0) - (i % 2) * 60 - 30);
        p.setPen(QPen(QColor(70, 150, 62), 3.5));
        p.setBrush(QColor(205, 235, 190));
        p.drawEllipse(m, 6, 5);
    }
}

void gras(QPainter& p)
{
    QRandomGenerator z(97);
    struct Halm {
        qreal x, hoehe, neigung, breite;
        QColor farbe;
    };
    QVector<Halm> halme;
    for (int i = 0; i < 70; ++i)
        halme.append({ 20 + z.bounded(260.0), 90 + z.bounded(160.0), z.bounded(90.0) - 45, 8 + z.bounded(9.0),
            mische(QColor(58, 128, 40), QColor(150, 200, 70), z.generateDouble()) });
    std::sort(halme.begin(), halme.end(), [](const Halm& a, const Halm& b) { return a.hoehe > b.hoehe; });
    for (const Halm& h : halme) {
        const qreal boden = 300;
        const QPointF spitze(h.x + h.neigung, boden - h.hoehe);
        QPainterPath halm(QPointF(h.x - h.breite / 2, boden));
        halm.quadTo(h.x - h.breite * 0.3 + h.neigung * 0.1, boden - h.hoehe * 0.6, spitze.x(), spitze.y());
        halm.quadTo(h.x + h.breite * 0.3 + h.neigung * 0.1, boden - h.hoehe * 0.6, h.x + h.breite / 2, boden);
        halm.closeSubpath();
        p.setPen(QPen(h.farbe.darker(140), 1));
        p.setBrush(h.farbe);
        p.drawPath(halm);
    }
}

void eukalyptus(QPainter& p)
{
    QPainterPath zweig(QPointF(46, 272));
    zweig.cubicTo(100, 200, 130, 120, 226, 34);
    stiel(p, zweig, QColor(140, 90, 80), 5);
    const QColor silber(122, 160, 152);
    for (int i = 0; i < 6; ++i) {
        const qreal t = 0.12 + i * 0.16;
        const QPointF an = zweig.pointAtPercent(t);
        const qreal winkel = 90 - zweig.angleAtPercent(t);
        const qreal gross = 62 - i * 5;
        for (int s = -1; s <= 1; s += 2) {
            const qreal w = winkel + s * 70;
            p.save();
            p.translate(an);
            p.rotate(w);
            QRadialGradient verlauf(QPointF(-6, -gross * 0.6), gross * 0.7);
            verlauf.setColorAt(0, silber.lighter(135));
            verlauf.setColorAt(1, silber.darker(120));
            p.setPen(QPen(silber.darker(160), 1.5));
            p.setBrush(verlauf);
            p.drawEllipse(QRectF(-gross * 0.42, -gross, gross * 0.84, gross * 0.9));
            p.setPen(QPen(silber.darker(135), 1.2));
            p.drawLine(QPointF(0, -gross * 0.1), QPointF(0, -gross * 0.85));
            p.restore();
        }
    }
    emoji(p, QStringLiteral("🐨"), QRectF(190, 186, 86, 86));
}

// ---- household and other ----------------------------------------------------------------

void gummi(QPainter& p)
{
    const QPointF m(150, 150);
    const qreal aussen = 116, innen = 60;
    QPainterPath ring;
    ring.addEllipse(m, aussen, aussen);
    QPainterPath loch;
    loch.addEllipse(m, innen, innen);
    QRadialGradient reifen(m, aussen);
    reifen.setColorAt(innen / aussen, QColor(25, 25, 28));
    reifen.setColorAt(0.75, QColor(58, 58, 62));
    reifen.setColorAt(1.0, QColor(30, 30, 33));
    p.setPen(Qt::NoPen);
    p.setBrush(reifen);
    p.drawPath(ring.subtracted(loch));
    // tread blocks around the rim
    for (int i = 0; i < 30; ++i) {
        p.save();
        p.translate(m);
        p.rotate(i * 12);
        p.setBrush(QColor(72, 72, 78));
        p.drawRoundedRect(QRectF(-8, -aussen + 3, 16, 20), 3, 3);
        p.restore();
    }
    p.setPen(QPen(QColor(140, 140, 150, 110), 7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(m.x() - 86, m.y() - 86, 172, 172), 100 * 16, 70 * 16);
    // steel rim
    QRadialGradient felge(m - QPointF(15, 15), innen * 1.2);
    felge.setColorAt(0, QColor(235, 238, 242));
    felge.setColorAt(1, QColor(140, 145, 152));
    p.setPen(QPen(QColor(100, 104, 110), 2));
    p.setBrush(felge);
    p.drawEllipse(m, innen, innen);
    p.setBrush(QColor(165, 170, 176));
    p.drawEllipse(m, 22, 22);
    for (int i = 0; i < 5; ++i) {
        const qreal w = qDegreesToRadians(-90.0 + i * 72);
        kugel(p, m + QPointF(std::cos(w), std::sin(w)) * 38, 6, QColor(90, 94, 100), 0.5);
    }
}

void gummibaerchen(QPainter& p)
{
    const auto baer = [&p](QPointF mitte, qreal mass, qreal winkel, const QColor& farbe) {
        p.save();
        p.translate(mitte);
        p.rotate(winkel);
        p.scale(mass, mass);
        QPainterPath form;
        form.addEllipse(QPointF(0, -32), 25, 23);
        form.addEllipse(QPointF(-19, -52), 9, 9);
        form.addEllipse(QPointF(19, -52), 9, 9);
        form.addEllipse(QPointF(0, 14), 28, 32);
        p.save();
        for (int s = -1; s <= 1; s += 2) {
            QTransform arm;
            arm.translate(s * 26, -2);
            arm.rotate(s * 35);
            QPainterPath a;
            a.addEllipse(QPointF(0, 0), 9, 16);
            form.addPath(arm.map(a));
            form.addEllipse(QPointF(s * 17, 42), 13, 11);
        }
        p.restore();
        form = form.simplified();
        QColor satt = farbe;
        satt.setAlpha(238);
        QRadialGradient verlauf(QPointF(-12, -30), 80);
        verlauf.setColorAt(0, farbe.lighter(145));
        verlauf.setColorAt(0.45, satt);
        verlauf.setColorAt(1, farbe.darker(140));
        p.setPen(QPen(farbe.darker(160), 2));
        p.setBrush(verlauf);
        p.drawPath(form);
        p.setPen(Qt::NoPen);
        p.setBrush(farbe.darker(135));
        p.drawEllipse(QPointF(-9, -37), 3, 3.5);
        p.drawEllipse(QPointF(9, -37), 3, 3.5);
        p.setBrush(farbe.lighter(115));
        p.drawEllipse(QPointF(0, -24), 9, 7);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QRectF(-16, -48, 10, 7));
        p.drawEllipse(QRectF(-18, -6, 8, 16));
        p.restore();
    };
    baer(QPointF(78, 104), 1.0, -12, QColor(225, 40, 45));
    baer(QPointF(152, 96), 1.0, 4, QColor(250, 200, 35));
    baer(QPointF(226, 106), 1.0, 14, QColor(70, 175, 60));
    baer(QPointF(110, 210), 1.08, 8, QColor(252, 135, 25));
    baer(QPointF(198, 212), 1.08, -10, QColor(238, 232, 214));
}

void klebstoff(QPainter& p)
{
    QPointF spitze;
    p.save();
    p.translate(138, 150);
    p.rotate(-32);
    QPainterPath koerper(QPointF(-112, -44));
    koerper.lineTo(40, -36);
    koerper.quadTo(64, -34, 68, -18);
    koerper.lineTo(68, 18);
    koerper.quadTo(64, 34, 40, 36);
    koerper.lineTo(-112, 44);
    koerper.closeSubpath();
    QLinearGradient metall(0, -44, 0, 44);
    metall.setColorAt(0, QColor(250, 250, 246));
    metall.setColorAt(0.5, QColor(206, 208, 204));
    metall.setColorAt(1, QColor(238, 238, 234));
    p.setPen(QPen(QColor(130, 130, 128), 2));
    p.setBrush(metall);
    p.drawPath(koerper);
    p.save();
    p.setClipPath(koerper, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 196, 30));
    p.drawRect(QRectF(-80, -50, 92, 100));
    p.setBrush(QColor(35, 95, 190));
    p.drawRect(QRectF(-58, -50, 46, 100));
    p.restore();
    p.setPen(QPen(QColor(130, 130, 128), 2));
    p.setBrush(QColor(215, 215, 212));
    p.drawRect(QRectF(-126, -46, 16, 92));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(-124 + i * 2.4, -44), QPointF(-124 + i * 2.4, 44));
    p.setBrush(QColor(185, 185, 182));
    p.drawRect(QRectF(68, -15, 16, 30));
    QPainterPath duese(QPointF(84, -10));
    duese.lineTo(124, -4);
    duese.lineTo(124, 4);
    duese.lineTo(84, 10);
    duese.closeSubpath();
    p.setBrush(QColor(240, 240, 236));
    p.drawPath(duese);
    spitze = p.transform().map(QPointF(127, 0));
    p.restore();
    // a clear drop hangs from the nozzle
    QPainterPath tropfen(spitze);
    tropfen.cubicTo(spitze + QPointF(16, 18), spitze + QPointF(14, 40), spitze + QPointF(2, 40));
    tropfen.cubicTo(spitze + QPointF(-12, 40), spitze + QPointF(-10, 18), spitze);
    p.setPen(QPen(QColor(150, 160, 170), 2));
    p.setBrush(QColor(236, 244, 250, 235));
    p.drawPath(tropfen);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(spitze + QPointF(-2, 26), 3, 5);
    // the cap lies aside
    p.save();
    p.translate(92, 236);
    p.rotate(-18);
    QLinearGradient rot(0, -16, 0, 16);
    rot.setColorAt(0, QColor(240, 90, 80));
    rot.setColorAt(1, QColor(170, 30, 30));
    p.setPen(QPen(QColor(130, 25, 25), 2));
    p.setBrush(rot);
    p.drawRoundedRect(QRectF(-30, -17, 60, 34), 6, 6);
    p.setPen(QPen(QColor(140, 30, 30), 1.5));
    for (int i = 0; i < 8; ++i)
        p.drawLine(QPointF(-22 + i * 6, -14), QPointF(-22 + i * 6, 14));
    p.restore();
}

void terpentin(QPainter& p)
{
    QLinearGradient blech(52, 0, 182, 0);
    blech.setColorAt(0, QColor(140, 145, 152));
    blech.setColorAt(0.35, QColor(232, 234, 238));
    blech.setColorAt(1, QColor(128, 132, 140));
    p.setPen(QPen(QColor(95, 100, 108), 2));
    p.setBrush(blech);
    p.drawRect(QRectF(52, 88, 130, 176));
    p.drawEllipse(QRectF(52, 252, 130, 24));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(53, 250, 128, 14));
    p.setPen(QPen(QColor(95, 100, 108), 2));
    p.setBrush(QColor(205, 208, 214));
    p.drawEllipse(QRectF(52, 76, 130, 24));
    p.setBrush(blech);
    p.drawRect(QRectF(136, 52, 28, 32));
    p.setBrush(QColor(170, 40, 40));
    p.drawRoundedRect(QRectF(132, 40, 36, 18), 4, 4);
    // label with a pine tree: turpentine is distilled from pine resin
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 95, 70));
    p.drawRect(QRectF(52, 140, 130, 82));
    p.setBrush(QColor(250, 250, 245));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 154 + i * 17, b = 14 + i * 8;
        QPolygonF stufe;
        stufe << QPointF(117, y - 4) << QPointF(117 + b, y + 20) << QPointF(117 - b, y + 20);
        p.drawPolygon(stufe);
    }
    p.drawRect(QRectF(113, 212, 8, 8));
    emoji(p, QStringLiteral("🖌️"), QRectF(150, 80, 136, 190));
}

void cola(QPainter& p)
{
    QRandomGenerator z(113);
    QPolygonF glas;
    glas << QPointF(86, 58) << QPointF(214, 58) << QPointF(196, 268) << QPointF(104, 268);
    QPolygonF inhalt;
    inhalt << QPointF(93, 100) << QPointF(207, 100) << QPointF(191, 261) << QPointF(109, 261);
    QLinearGradient braun(0, 100, 0, 261);
    braun.setColorAt(0, QColor(110, 52, 20));
    braun.setColorAt(1, QColor(40, 16, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(braun);
    p.drawPolygon(inhalt);
    p.setBrush(QColor(255, 255, 255, 150));
    for (int i = 0; i < 40; ++i) {
        const qreal y = 108 + z.bounded(148.0);
        const qreal halb = 57 - (y - 100) * 0.1;
        p.drawEllipse(
            QPointF(150 - halb + 6 + z.bounded(2 * halb - 12), y), 2.0 + z.bounded(2.0), 2.0 + z.bounded(2.0));
    }
    for (const QPointF& eis : { QPointF(128, 110), QPointF(172, 118) }) {
        p.save();
        p.translate(eis);
        p.rotate(eis.x() > 150 ? 18 : -12);
        p.setPen(QPen(QColor(255, 255, 255, 200), 2));
        p.setBrush(QColor(215, 232, 245, 150));
        p.drawRoundedRect(QRectF(-22, -22, 44, 44), 8, 8);
        p.restore();
    }
    p.setBrush(QColor(200, 150, 110, 220));
    p.drawRect(QRectF(94, 98, 112, 7));
    // straw
    p.setPen(QPen(QColor(60, 150, 200), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(186, 30), QPointF(160, 240));
    p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(183, 34), QPointF(176, 90));
    // glass in front
    QLinearGradient schimmer(86, 0, 214, 0);
    schimmer.setColorAt(0, QColor(255, 255, 255, 110));
    schimmer.setColorAt(0.2, QColor(255, 255, 255, 20));
    schimmer.setColorAt(1, QColor(255, 255, 255, 60));
    p.setPen(QPen(QColor(150, 170, 185), 3));
    p.setBrush(schimmer);
    p.drawPolygon(glas);
    p.setPen(QPen(QColor(255, 255, 255, 180), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(100, 80), QPointF(114, 240));
    // a lemon slice on the rim
    p.save();
    p.translate(90, 62);
    p.setPen(QPen(QColor(220, 180, 20), 3));
    p.setBrush(QColor(255, 240, 150));
    p.drawChord(QRectF(-34, -34, 68, 68), 0, 180 * 16);
    p.setPen(QPen(QColor(255, 255, 235), 2));
    for (int i = 1; i < 6; ++i) {
        const qreal w = qDegreesToRadians(30.0 * i);
        p.drawLine(QPointF(0, 0), QPointF(std::cos(w) * 28, -std::sin(w) * 28));
    }
    p.restore();
}

void salami(QPainter& p)
{
    QRandomGenerator z(127);
    // the sausage behind
    p.save();
    p.translate(150, 96);
    p.rotate(-16);
    QLinearGradient pelle(0, -38, 0, 38);
    pelle.setColorAt(0, QColor(185, 70, 62));
    pelle.setColorAt(0.35, QColor(150, 44, 44));
    pelle.setColorAt(1, QColor(90, 22, 26));
    p.setPen(QPen(QColor(80, 20, 22), 2));
    p.setBrush(pelle);
    p.drawRoundedRect(QRectF(-130, -38, 230, 76), 36, 36);
    p.setPen(QPen(QColor(245, 240, 228, 200), 2));
    QPainterPath netz;
    netz.addRoundedRect(QRectF(-130, -38, 230, 76), 36, 36);
    p.setClipPath(netz, Qt::IntersectClip);
    for (int i = -10; i < 14; ++i) {
        p.drawLine(QPointF(i * 18 - 40, -40), QPointF(i * 18, 40));
        p.drawLine(QPointF(i * 18, -40), QPointF(i * 18 - 40, 40));
    }
    p.restore();
    const auto scheibe = [&p, &z](QPointF m, qreal r) {
        p.setPen(QPen(QColor(110, 26, 30), 4));
        QRadialGradient fleisch(m, r);
        fleisch.setColorAt(0, QColor(205, 70, 72));
        fleisch.setColorAt(1, QColor(165, 40, 45));
        p.setBrush(fleisch);
        p.drawEllipse(m, r, r);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 26; ++i) {
            const qreal w = z.bounded(2 * M_PI), a = std::sqrt(z.generateDouble()) * (r - 9);
            p.setBrush(i % 4 ? QColor(248, 232, 226) : QColor(120, 25, 30));
            p.drawEllipse(m + QPointF(std::cos(w) * a, std::sin(w) * a), 2.5 + z.bounded(3.0), 2.5 + z.bounded(2.5));
        }
    };
    scheibe(QPointF(230, 196), 50);
    scheibe(QPointF(88, 206), 54);
    scheibe(QPointF(160, 222), 56);
}

void sauerkraut(QPainter& p)
{
    emoji(p, QStringLiteral("🥬"), QRectF(196, 22, 82, 82));
    QRandomGenerator z(131);
    QPainterPath haufen;
    haufen.moveTo(48, 182);
    haufen.cubicTo(56, 90, 244, 90, 252, 182);
    haufen.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 210, 140));
    p.drawPath(haufen);
    p.save();
    p.setClipPath(haufen, Qt::IntersectClip);
    for (int i = 0; i < 140; ++i) {
        const QPointF a(48 + z.bounded(204.0), 96 + z.bounded(90.0));
        QPainterPath faden(a);
        faden.cubicTo(a + QPointF(z.bounded(30.0) - 15, -12), a + QPointF(z.bounded(40.0) - 20, 12),
            a + QPointF(z.bounded(50.0) - 25, z.bounded(20.0) - 10));
        const QColor farbe = mische(QColor(200, 186, 100), QColor(250, 244, 200), z.generateDouble());
        p.setPen(QPen(farbe, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(faden);
    }
    p.restore();
    QPainterPath schuessel(QPointF(36, 178));
    schuessel.quadTo(150, 212, 264, 178);
    schuessel.cubicTo(258, 250, 210, 282, 150, 282);
    schuessel.cubicTo(90, 282, 42, 250, 36, 178);
    QLinearGradient keramik(36, 0, 264, 0);
    keramik.setColorAt(0, QColor(190, 200, 215));
    keramik.setColorAt(0.35, QColor(250, 252, 255));
    keramik.setColorAt(1, QColor(175, 185, 200));
    p.setPen(QPen(QColor(120, 130, 150), 2));
    p.setBrush(keramik);
    p.drawPath(schuessel);
    p.setPen(QPen(QColor(50, 90, 170), 5));
    p.setBrush(Qt::NoBrush);
    QPainterPath zier(QPointF(48, 214));
    zier.quadTo(150, 246, 252, 214);
    p.drawPath(zier);
}

void senf(QPainter& p)
{
    // a jar of mustard, and a sausage that wants some
    QLinearGradient gelb(58, 0, 182, 0);
    gelb.setColorAt(0, QColor(196, 140, 10));
    gelb.setColorAt(0.35, QColor(246, 196, 40));
    gelb.setColorAt(1, QColor(186, 130, 8));
    p.setPen(QPen(QColor(150, 110, 20), 2));
    p.setBrush(gelb);
    p.drawRoundedRect(QRectF(58, 102, 124, 164), 20, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(70, 112, 14, 140), 7, 7);
    p.setPen(QPen(QColor(120, 120, 125), 2));
    QLinearGradient deckel(0, 72, 0, 108);
    deckel.setColorAt(0, QColor(236, 236, 240));
    deckel.setColorAt(1, QColor(160, 160, 168));
    p.setBrush(deckel);
    p.drawRoundedRect(QRectF(52, 72, 136, 36), 8, 8);
    p.setPen(QPen(QColor(150, 110, 20), 2));
    p.setBrush(QColor(252, 248, 232));
    p.drawRoundedRect(QRectF(76, 150, 88, 70), 8, 8);
    for (int i = 0; i < 5; ++i)
        kugel(p, QPointF(96 + i * 12, 186 + (i % 2) * 8), 5, QColor(225, 175, 40), 0.4);
    emoji(p, QStringLiteral("🌭"), QRectF(150, 156, 130, 120));
}

void rauch(QPainter& p)
{
    const struct {
        qreal x, y, r;
    } wolken[] = { { 112, 56, 42 }, { 180, 50, 44 }, { 150, 76, 46 }, { 120, 112, 40 }, { 172, 122, 38 },
        { 140, 152, 34 }, { 160, 180, 26 }, { 146, 204, 20 } };
    for (const auto& w : wolken) {
        QRadialGradient grau(QPointF(w.x - w.r * 0.3, w.y - w.r * 0.35), w.r * 1.3);
        grau.setColorAt(0, QColor(215, 215, 220, 240));
        grau.setColorAt(0.6, QColor(160, 160, 168, 220));
        grau.setColorAt(1, QColor(110, 110, 118, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(grau);
        p.drawEllipse(QPointF(w.x, w.y), w.r, w.r);
    }
    emoji(p, QStringLiteral("🔥"), QRectF(96, 192, 108, 92));
}

void kerzenrauch(QPainter& p)
{
    emoji(p, QStringLiteral("🕯️"), QRectF(80, 120, 140, 158));
    rauchfahne(p, QPointF(150, 124), 104, 70, 3);
}

void geraeuchertes(QPainter& p)
{
    emoji(p, QStringLiteral("🥓"), QRectF(34, 140, 232, 130));
    rauchfahne(p, QPointF(110, 150), 120, 60, 2);
    rauchfahne(p, QPointF(190, 160), 130, 60, 2);
}

void pilze(QPainter& p)
{
    const auto pilz = [&p](QPointF fuss, qreal mass, const QColor& hut) {
        p.save();
        p.translate(fuss);
        p.scale(mass, mass);
        QPainterPath stamm(QPointF(-24, 0));
        stamm.quadTo(-28, -40, -18, -74);
        stamm.lineTo(18, -74);
        stamm.quadTo(28, -40, 24, 0);
        stamm.quadTo(0, 8, -24, 0);
        QLinearGradient creme(-26, 0, 26, 0);
        creme.setColorAt(0, QColor(215, 205, 185));
        creme.setColorAt(0.4, QColor(250, 246, 236));
        creme.setColorAt(1, QColor(200, 188, 165));
        p.setPen(QPen(QColor(160, 145, 120), 1.5));
        p.setBrush(creme);
        p.drawPath(stamm);
        p.setBrush(QColor(175, 140, 110));
        p.drawEllipse(QRectF(-58, -88, 116, 24));
        QPainterPath kappe(QPointF(-64, -78));
        kappe.cubicTo(-66, -156, 66, -156, 64, -78);
        kappe.quadTo(0, -90, -64, -78);
        QRadialGradient verlauf(QPointF(-20, -130), 90);
        verlauf.setColorAt(0, hut.lighter(140));
        verlauf.setColorAt(0.6, hut);
        verlauf.setColorAt(1, hut.darker(150));
        p.setPen(QPen(hut.darker(190), 2));
        p.setBrush(verlauf);
        p.drawPath(kappe);
        p.restore();
    };
    pilz(QPointF(196, 262), 0.95, QColor(205, 175, 138));
    pilz(QPointF(112, 268), 1.2, QColor(150, 96, 52));
    p.setPen(QPen(QColor(90, 150, 60), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal x = 40 + i * 20;
        p.drawLine(QPointF(x, 290), QPointF(x + (i % 3 - 1) * 8, 262 - (i % 2) * 10));
    }
}

void kaugummi(QPainter& p)
{
    emoji(p, QStringLiteral("😗"), QRectF(18, 62, 176, 176));
    const QPointF blase(190, 196);
    QRadialGradient rosa(blase - QPointF(24, 26), 90);
    rosa.setColorAt(0, QColor(255, 200, 225, 240));
    rosa.setColorAt(0.6, QColor(246, 130, 180, 240));
    rosa.setColorAt(1, QColor(220, 80, 140, 240));
    p.setPen(QPen(QColor(200, 70, 130), 2));
    p.setBrush(rosa);
    p.drawEllipse(blase, 74, 74);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QRectF(blase.x() - 46, blase.y() - 52, 30, 20));
}

void lakritz(QPainter& p)
{
    QPainterPath spirale;
    const QPointF m(140, 140);
    for (int i = 0; i <= 300; ++i) {
        const qreal w = i * 0.07;
        const qreal r = 16 + w * 3.9;
        const QPointF q = m + QPointF(std::cos(w) * r, std::sin(w) * r);
        i ? spirale.lineTo(q) : spirale.moveTo(q);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(22, 18, 20), 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(spirale);
    p.setPen(QPen(QColor(110, 100, 108, 170), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.translate(-4, -5);
    p.drawPath(spirale);
    p.translate(4, 5);
    kugel(p, m, 16, QColor(235, 70, 150), 0.5);
    for (const QPointF& d : { QPointF(-6, -4), QPointF(5, 3), QPointF(-2, 7), QPointF(6, -7) })
        kugel(p, m + d, 2.5, QColor(255, 255, 255), 0);
    // a twisted stick
    p.save();
    p.translate(214, 246);
    p.rotate(-30);
    p.setPen(QPen(QColor(10, 8, 9), 2));
    p.setBrush(QColor(30, 25, 28));
    p.drawRoundedRect(QRectF(-80, -14, 160, 28), 12, 12);
    p.setPen(QPen(QColor(110, 100, 108, 180), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i)
        p.drawLine(QPointF(-70 + i * 17, -9), QPointF(-60 + i * 17, 9));
    p.restore();
}

void karamell(QPainter& p)
{
    emoji(p, QStringLiteral("🍮"), QRectF(44, 26, 212, 168));
    for (const QPointF& m : { QPointF(96, 232), QPointF(198, 236) }) {
        p.save();
        p.translate(m);
        p.rotate(m.x() > 150 ? 12 : -10);
        QLinearGradient gold(-30, -30, 30, 30);
        gold.setColorAt(0, QColor(232, 170, 80));
        gold.setColorAt(0.5, QColor(196, 120, 40));
        gold.setColorAt(1, QColor(140, 78, 22));
        p.setPen(QPen(QColor(120, 64, 18), 2));
        p.setBrush(gold);
        p.drawRoundedRect(QRectF(-34, -28, 68, 56), 12, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 210, 150));
        p.drawRoundedRect(QRectF(-24, -20, 26, 10), 5, 5);
        p.restore();
    }
}

void rum(QPainter& p)
{
    // the bottle behind the glass
    QPainterPath flasche(QPointF(168, 268));
    flasche.lineTo(168, 120);
    flasche.quadTo(168, 92, 194, 84);
    flasche.lineTo(194, 40);
    flasche.lineTo(218, 40);
    flasche.lineTo(218, 84);
    flasche.quadTo(246, 92, 246, 120);
    flasche.lineTo(246, 268);
    flasche.closeSubpath();
    QLinearGradient bernstein(168, 0, 246, 0);
    bernstein.setColorAt(0, QColor(90, 40, 10));
    bernstein.setColorAt(0.35, QColor(170, 90, 30));
    bernstein.setColorAt(1, QColor(70, 30, 8));
    p.setPen(QPen(QColor(50, 22, 6), 2));
    p.setBrush(bernstein);
    p.drawPath(flasche);
    p.setBrush(QColor(190, 150, 100));
    p.drawRect(QRectF(192, 26, 28, 18));
    p.setBrush(QColor(245, 232, 200));
    p.drawRect(QRectF(174, 156, 66, 56));
    p.setPen(QPen(QColor(140, 60, 20), 3));
    p.drawLine(QPointF(184, 176), QPointF(230, 176));
    p.drawLine(QPointF(184, 192), QPointF(222, 192));
    emoji(p, QStringLiteral("🥃"), QRectF(26, 126, 160, 150));
}

void pickle(QPainter& p)
{
    emoji(p, QStringLiteral("🫙"), QRectF(40, 30, 170, 240));
    p.save();
    p.setOpacity(0.9);
    emoji(p, QStringLiteral("🥒"), QRectF(60, 100, 130, 150));
    p.restore();
    emoji(p, QStringLiteral("🥒"), QRectF(150, 150, 126, 126));
}

void menthol(QPainter& p)
{
    emoji(p, QStringLiteral("❄️"), QRectF(28, 28, 180, 180));
    emoji(p, QStringLiteral("🧊"), QRectF(150, 150, 124, 124));
}

// Emoji alone, filling the card with a little margin.
Duftbild nur(const QString& name, const QString& folge)
{
    return { name, [folge](QPainter& p) { emoji(p, folge, QRectF(40, 40, 220, 220)); }, QColor(255, 255, 255), true };
}

} // namespace

QVector<Duftbild> duftbilder()
{
    const QColor kuehl(232, 244, 252);
    return {
        nur(QStringLiteral("ananas"), QStringLiteral("🍍")),
        { QStringLiteral("anis"), anis },
        nur(QStringLiteral("apfel"), QStringLiteral("🍎")),
        nur(QStringLiteral("banane"), QStringLiteral("🍌")),
        nur(QStringLiteral("birne"), QStringLiteral("🍐")),
        { QStringLiteral("brombeere"), brombeere },
        nur(QStringLiteral("brot"), QStringLiteral("🍞")),
        { QStringLiteral("coca_cola"), cola },
        nur(QStringLiteral("erdbeere"), QStringLiteral("🍓")),
        nur(QStringLiteral("erdnuss"), QStringLiteral("🥜")),
        { QStringLiteral("eukalyptus"), eukalyptus },
        nur(QStringLiteral("fichte"), QStringLiteral("🌲")),
        nur(QStringLiteral("fisch"), QStringLiteral("🐟")),
        nur(QStringLiteral("flieder"), QStringLiteral("🪻")),
        { QStringLiteral("geräuchertes"), geraeuchertes },
        { QStringLiteral("gewürznelke"), gewuerznelke },
        { QStringLiteral("grapefruit"), grapefruit },
        { QStringLiteral("gras"), gras },
        { QStringLiteral("gummi"), gummi },
        { QStringLiteral("gummibärchen"), gummibaerchen },
        { QStringLiteral("himbeere"), himbeere },
        nur(QStringLiteral("honig"), QStringLiteral("🍯")),
        nur(QStringLiteral("ingwer"), QStringLiteral("🫚")),
        nur(QStringLiteral("kaffee"), QStringLiteral("☕")),
        { QStringLiteral("kamille"), kamille },
        { QStringLiteral("karamell"), karamell },
        { QStringLiteral("kaugummi"), kaugummi },
        nur(QStringLiteral("kekse"), QStringLiteral("🍪")),
        { QStringLiteral("kerzenrauch"), kerzenrauch },
        nur(QStringLiteral("kirsche"), QStringLiteral("🍒")),
        { QStringLiteral("klebstoff"), klebstoff },
        nur(QStringLiteral("knoblauch"), QStringLiteral("🧄")),
        nur(QStringLiteral("kokos"), QStringLiteral("🥥")),
        nur(QStringLiteral("käse"), QStringLiteral("🧀")),
        { QStringLiteral("lakritz"), lakritz },
        { QStringLiteral("lavendel"), lavendel },
        { QStringLiteral("mandeln"), mandeln },
        nur(QStringLiteral("melone"), QStringLiteral("🍈")),
        { QStringLiteral("menthol"), menthol, kuehl, true },
        { QStringLiteral("muskat"), muskat },
        nur(QStringLiteral("möhre"), QStringLiteral("🥕")),
        nur(QStringLiteral("orange"), QStringLiteral("🍊")),
        nur(QStringLiteral("paprika"), QStringLiteral("🫑")),
        { QStringLiteral("pfeffer"), pfeffer },
        nur(QStringLiteral("pfefferminz"), QStringLiteral("🌿")),
        nur(QStringLiteral("pfirsich"), QStringLiteral("🍑")),
        { QStringLiteral("pflaume"), pflaume },
        { QStringLiteral("pickle"), pickle, QColor(255, 255, 255), true },
        { QStringLiteral("pilze"), pilze },
        { QStringLiteral("rauch"), rauch },
        nur(QStringLiteral("rose"), QStringLiteral("🌹")),
        { QStringLiteral("rosinen"), rosinen },
        { QStringLiteral("rum"), rum },
        { QStringLiteral("salami"), salami },
        { QStringLiteral("sauerkraut"), sauerkraut },
        nur(QStringLiteral("schinken"), QStringLiteral("🍖")),
        { QStringLiteral("schnittlauch"), schnittlauch },
        nur(QStringLiteral("schokolade"), QStringLiteral("🍫")),
        nur(QStringLiteral("schuhleder"), QStringLiteral("👞")),
        { QStringLiteral("schwarze_johannisbeere"), schwarzeJohannisbeere },
        { QStringLiteral("senf"), senf },
        { QStringLiteral("terpentin"), terpentin },
        { QStringLiteral("vanille"), vanille },
        { QStringLiteral("walnuss"), walnuss },
        nur(QStringLiteral("wein"), QStringLiteral("🍷")),
        nur(QStringLiteral("weintrauben"), QStringLiteral("🍇")),
        nur(QStringLiteral("zigarette"), QStringLiteral("🚬")),
        { QStringLiteral("zimt"), zimt },
        nur(QStringLiteral("zitrone"), QStringLiteral("🍋")),
        nur(QStringLiteral("zwiebel"), QStringLiteral("🧅")),
    };
}
