// The two logos of the window's header. Their lettering is written as outlines of Noto Sans,
// so that they look the same wherever they are shown and cost the program no font lookup when
// it starts.
#include "malen.h"

#include <QFont>
#include <QFontInfo>

namespace
{

QString punkt(const QPainterPath::Element& e)
{
    return svgZahl(e.x) + QLatin1Char(' ') + svgZahl(e.y);
}

// `text` with its baseline starting at (x, y), as one SVG path.
QString schriftzug(const QString& text, qreal x, qreal y, int pixel, bool fett, const char* farbe)
{
    QFont schrift(QStringLiteral("Noto Sans"));
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    if (QFontInfo(schrift).family() != QLatin1String("Noto Sans"))
        qFatal("Noto Sans is missing; is fonts-noto-core installed?");
    QPainterPath pfad;
    pfad.addText(QPointF(x, y), schrift, text);
    QString d;
    for (int i = 0; i < pfad.elementCount(); ++i) {
        const QPainterPath::Element e = pfad.elementAt(i);
        if (e.isMoveTo()) {
            d += QLatin1Char('M') + punkt(e);
        } else if (e.isLineTo()) {
            d += QLatin1Char('L') + punkt(e);
        } else if (e.isCurveTo() && i + 2 < pfad.elementCount()) {
            d += QLatin1Char('C') + punkt(e) + QLatin1Char(' ') + punkt(pfad.elementAt(i + 1)) + QLatin1Char(' ')
                + punkt(pfad.elementAt(i + 2));
            i += 2;
        }
    }
    return QStringLiteral("  <path fill=\"%1\" d=\"%2\"/>\n").arg(QLatin1String(farbe), d);
}

QString kopf(const char* kommentar)
{
    return QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\"360\" "
        "height=\"100\" viewBox=\"0 0 360 100\">\n"
        "  <!-- %1; written by tools/make_artwork.sh -->\n")
        .arg(QLatin1String(kommentar));
}

} // namespace

QVector<QPair<QString, QString>> logos()
{
    const QString hersteller = kopf("our own mark: a nose outline meeting two scent waves in a ring")
        + QStringLiteral(
            "  <circle cx=\"50\" cy=\"50\" r=\"42\" fill=\"#ffffff\" stroke=\"#32508e\" stroke-width=\"5\"/>\n"
            "  <path d=\"M40 22 C42 36 36 50 28 62 C25 67 29 71 35 70 L44 69\" fill=\"none\" stroke=\"#32508e\" "
            "stroke-width=\"6\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"
            "  <g fill=\"none\" stroke=\"#f4b183\" stroke-width=\"5\" stroke-linecap=\"round\">\n"
            "    <path d=\"M76 44 C70 38 64 50 58 44\"/>\n"
            "    <path d=\"M78 60 C72 54 66 66 58 60\"/>\n"
            "  </g>\n")
        + schriftzug(QStringLiteral("Duftlotse"), 104, 48, 32, true, "#32508e")
        + schriftzug(QStringLiteral("Team"), 104, 80, 24, false, "#f08a4b") + QStringLiteral("</svg>\n");
    const QString produkt = kopf("an odour pen with scent rising from its tip, beside the name of the kit")
        + QStringLiteral(
            "  <g transform=\"translate(44 58) rotate(-45)\">\n"
            "    <rect x=\"-38\" y=\"-9\" width=\"58\" height=\"18\" rx=\"4\" ry=\"4\" fill=\"#ffffff\" "
            "stroke=\"#32508e\" stroke-width=\"2.5\"/>\n"
            "    <rect x=\"-46\" y=\"-11\" width=\"20\" height=\"22\" rx=\"4\" ry=\"4\" fill=\"#32508e\"/>\n"
            "    <rect x=\"-10\" y=\"-8\" width=\"9\" height=\"16\" fill=\"#f4b183\"/>\n"
            "    <path d=\"M20 -8 L31 -4 L31 4 L20 8 Z\" fill=\"#ffffff\" stroke=\"#32508e\" stroke-width=\"2.5\" "
            "stroke-linejoin=\"round\"/>\n"
            "    <rect x=\"30\" y=\"-3.5\" width=\"9\" height=\"7\" rx=\"3\" ry=\"3\" fill=\"#e6d6b0\" "
            "stroke=\"#32508e\" stroke-width=\"1.5\"/>\n"
            "  </g>\n"
            "  <g fill=\"none\" stroke=\"#f4b183\" stroke-width=\"4\" stroke-linecap=\"round\">\n"
            "    <path d=\"M70 30 C76 24 70 18 76 12\"/>\n"
            "    <path d=\"M80 38 C86 32 80 26 86 20\"/>\n"
            "  </g>\n")
        + schriftzug(QStringLiteral("Duftlotse"), 100, 66, 46, true, "#32508e") + QStringLiteral("</svg>\n");
    return { { QStringLiteral("herstellerlogo.svg"), hersteller }, { QStringLiteral("produktlogo.svg"), produkt } };
}
