#include "malen.h"

#include <QFont>
#include <QHash>
#include <QRadialGradient>
#include <QtGlobal>

#include <cmath>

namespace
{

QSet<QString> g_emoji;

// Renders the glyph large on a transparent image and crops it to its visible pixels,
// so that every emoji can be placed by its real outline rather than its font box.
QImage emojiGlyphe(const QString& folge)
{
    static QHash<QString, QImage> ablage;
    const auto gefunden = ablage.constFind(folge);
    if (gefunden != ablage.constEnd())
        return *gefunden;

    QImage bild(420, 420, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    {
        QPainter p(&bild);
        QFont schrift(QStringLiteral("Noto Color Emoji"));
        schrift.setPixelSize(260);
        p.setFont(schrift);
        p.drawText(bild.rect(), Qt::AlignCenter, folge);
    }
    int links = bild.width(), oben = bild.height(), rechts = -1, unten = -1, sichtbar = 0;
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            if (qAlpha(zeile[x]) > 8) {
                ++sichtbar;
                links = qMin(links, x);
                rechts = qMax(rechts, x);
                oben = qMin(oben, y);
                unten = qMax(unten, y);
            }
        }
    }
    // A missing glyph leaves the image empty or shows a small box; both are far below this.
    if (sichtbar < 4000)
        qFatal(
            "emoji %s did not render (%d pixels); is fonts-noto-color-emoji installed?", qPrintable(folge), sichtbar);
    const QImage zuschnitt = bild.copy(links, oben, rechts - links + 1, unten - oben + 1);
    ablage.insert(folge, zuschnitt);
    return zuschnitt;
}

} // namespace

QSet<QString> verwendeteEmoji(bool zuruecksetzen)
{
    const QSet<QString> bisher = g_emoji;
    if (zuruecksetzen)
        g_emoji.clear();
    return bisher;
}

QImage leinwand(int breite, int hoehe, bool transparent)
{
    QImage bild(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
    bild.fill(transparent ? QColor(Qt::transparent) : QColor(Qt::white));
    return bild;
}

QPainterPath karte()
{
    QPainterPath weg;
    weg.addRoundedRect(QRectF(6, 6, Kante - 12, Kante - 12), 28, 28);
    return weg;
}

void hintergrund(QPainter& p, const QColor& flaeche)
{
    // The surround matches the window background so the card reads as a soft tile.
    p.fillRect(QRect(0, 0, Kante, Kante), QColor(247, 247, 247));
    p.fillPath(karte(), flaeche);
}

void rahmen(QPainter& p)
{
    p.save();
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(214, 208, 199), 4));
    p.drawPath(karte());
    p.restore();
}

void emoji(QPainter& p, const QString& folge, const QRectF& ziel)
{
    const QImage glyphe = emojiGlyphe(folge);
    g_emoji.insert(folge);
    QSizeF groesse = glyphe.size();
    groesse.scale(ziel.size(), Qt::KeepAspectRatio);
    const QRectF lage(ziel.center().x() - groesse.width() / 2, ziel.center().y() - groesse.height() / 2,
        groesse.width(), groesse.height());
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(lage, glyphe);
    p.restore();
}

void kugel(QPainter& p, QPointF mitte, qreal radius, const QColor& farbe, qreal glanz)
{
    ellipsenKugel(p, QRectF(mitte.x() - radius, mitte.y() - radius, 2 * radius, 2 * radius), farbe, glanz);
}

void ellipsenKugel(QPainter& p, const QRectF& r, const QColor& farbe, qreal glanz)
{
    const qreal radius = qMax(r.width(), r.height()) / 2;
    QRadialGradient verlauf(r.center(), radius * 1.05, r.center() - QPointF(r.width() * 0.22, r.height() * 0.25));
    verlauf.setColorAt(0.0, farbe.lighter(150));
    verlauf.setColorAt(0.55, farbe);
    verlauf.setColorAt(1.0, farbe.darker(190));
    p.save();
    p.setPen(QPen(farbe.darker(230), qMax<qreal>(1.0, radius / 18)));
    p.setBrush(verlauf);
    p.drawEllipse(r);
    if (glanz > 0) {
        QColor licht(255, 255, 255, int(200 * glanz));
        p.setPen(Qt::NoPen);
        p.setBrush(licht);
        p.drawEllipse(
            QRectF(r.left() + r.width() * 0.24, r.top() + r.height() * 0.18, r.width() * 0.2, r.height() * 0.14));
    }
    p.restore();
}

void rauchfahne(QPainter& p, QPointF fuss, qreal hoehe, qreal breite, int straenge)
{
    p.save();
    for (int s = 0; s < straenge; ++s) {
        const qreal versatz = (s - (straenge - 1) / 2.0) * breite / qMax(1, straenge);
        const qreal phase = s * 1.9;
        QPainterPath weg(fuss + QPointF(versatz * 0.3, 0));
        const int schritte = 40;
        for (int i = 1; i <= schritte; ++i) {
            const qreal t = qreal(i) / schritte;
            const qreal x = fuss.x() + versatz * (0.3 + t) + std::sin(t * 7.0 + phase) * breite * 0.35 * t;
            weg.lineTo(x, fuss.y() - t * hoehe);
        }
        QLinearGradient blass(fuss, fuss - QPointF(0, hoehe));
        blass.setColorAt(0.0, QColor(110, 110, 115, 210));
        blass.setColorAt(1.0, QColor(150, 150, 155, 0));
        p.setPen(QPen(QBrush(blass), 7 - s % 2 * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(weg);
    }
    p.restore();
}

QString svgZahl(qreal wert)
{
    return QString::number(qRound(wert * 10) / 10.0);
}
