// The application's symbol for the desktop's menus: an odour pen giving off scent, on the
// blue of the window's header. Written as SVG; the 256 px picture is rendered from it.
#include "malen.h"

#include <QtMath>

namespace
{

// An arc of the scent around the pen's tip, from `von` to `bis` degrees (clockwise from the right).
QString bogen(QPointF mitte, qreal radius, qreal von, qreal bis)
{
    const auto punkt = [&](qreal grad) {
        return svgZahl(mitte.x() + radius * qCos(qDegreesToRadians(grad))) + QLatin1Char(' ')
            + svgZahl(mitte.y() + radius * qSin(qDegreesToRadians(grad)));
    };
    return QStringLiteral("    <path d=\"M%1 A%2 %2 0 0 1 %3\"/>\n").arg(punkt(von), svgZahl(radius), punkt(bis));
}

} // namespace

QString programmsymbol()
{
    // The pen lies on the diagonal; its felt tip ends at `spitze`.
    const QPointF mitte(112, 146);
    const qreal tipLaenge = 100;
    const QPointF spitze(mitte.x() + tipLaenge * M_SQRT1_2, mitte.y() - tipLaenge * M_SQRT1_2);
    QString wellen;
    for (const qreal radius : { 28, 48 })
        wellen += bogen(spitze, radius, -82, -8);
    return QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n"
        "  <!-- Duftlotse: an odour pen giving off scent; written by tools/make_artwork.sh -->\n"
        "  <defs>\n"
        "    <linearGradient id=\"grund\" x1=\"0\" y1=\"8\" x2=\"0\" y2=\"248\" gradientUnits=\"userSpaceOnUse\">\n"
        "      <stop offset=\"0\" stop-color=\"#4a70b8\"/>\n"
        "      <stop offset=\"1\" stop-color=\"#32508e\"/>\n"
        "    </linearGradient>\n"
        "  </defs>\n"
        "  <rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"48\" ry=\"48\" fill=\"url(#grund)\"/>\n"
        "  <g fill=\"none\" stroke=\"#f4b183\" stroke-width=\"11\" stroke-linecap=\"round\">\n"
        "%1"
        "  </g>\n"
        "  <g transform=\"translate(%2 %3) rotate(-45)\" stroke=\"#1f355f\" stroke-width=\"4\" "
        "stroke-linejoin=\"round\">\n"
        "    <rect x=\"-82\" y=\"-20\" width=\"134\" height=\"40\" rx=\"9\" ry=\"9\" fill=\"#ffffff\"/>\n"
        "    <rect x=\"-22\" y=\"-18\" width=\"22\" height=\"36\" fill=\"#f4b183\" stroke=\"none\"/>\n"
        "    <rect x=\"-102\" y=\"-24\" width=\"52\" height=\"48\" rx=\"11\" ry=\"11\" fill=\"#f08a4b\"/>\n"
        "    <path d=\"M52 -18 L78 -9 L78 9 L52 18 Z\" fill=\"#ffffff\"/>\n"
        "    <rect x=\"76\" y=\"-7\" width=\"%4\" height=\"14\" rx=\"6\" ry=\"6\" fill=\"#ecdcb4\" "
        "stroke-width=\"3\"/>\n"
        "  </g>\n"
        "</svg>\n")
        .arg(wellen, svgZahl(mitte.x()), svgZahl(mitte.y()), svgZahl(tipLaenge - 76));
}
