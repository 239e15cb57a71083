#include "svgseite.h"

#include <QDomDocument>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cmath>

namespace
{

// Fonts get pixel sizes (point sizes would round to 0 pixels on a 2 dpi printer), and pixel sizes are whole
// numbers; drawing at this many times the size and scaling back keeps fractional sizes exact.
constexpr double feinheit = 64;

// Presentation properties a text inherits from its ancestors; opacity multiplies down the tree.
struct Stil {
    QString fill = QStringLiteral("#000000");
    double fillOpacity = 1;
    double opacity = 1;
    QString family;
    double groesse = 16;
    QString weight;
    QString fontStyle;
    QString anchor;
    bool sichtbar = true;
    bool angezeigt = true;
};

double zahl(QString text, double sonst)
{
    text = text.trimmed();
    const bool prozent = text.endsWith(QLatin1Char('%'));
    if (prozent)
        text.chop(1);
    bool ok = false;
    const double wert = text.toDouble(&ok);
    if (!ok)
        return sonst;
    return prozent ? wert / 100 : wert;
}

double ersteZahl(const QString& liste, double sonst)
{
    static const QRegularExpression trenner(QStringLiteral("[\\s,]+"));
    const QStringList teile = liste.trimmed().split(trenner, Qt::SkipEmptyParts);
    return teile.isEmpty() ? sonst : zahl(teile.first(), sonst);
}

// A font size in user units; pixels and unitless numbers are user units.
double schriftgroesse(QString wert, double geerbt)
{
    static const QRegularExpression einheit(QStringLiteral("^\\s*([-+0-9.eE]+)\\s*(px|pt|mm|em|%)?\\s*$"));
    const QRegularExpressionMatch m = einheit.match(wert);
    if (!m.hasMatch())
        return geerbt;
    bool ok = false;
    const double n = m.captured(1).toDouble(&ok);
    if (!ok)
        return geerbt;
    const QString e = m.captured(2);
    if (e == QLatin1String("pt"))
        return n * 1.25;
    if (e == QLatin1String("mm"))
        return n * 90 / 25.4;
    if (e == QLatin1String("em"))
        return n * geerbt;
    if (e == QLatin1String("%"))
        return n * geerbt / 100;
    return n;
}

void anwenden(Stil& s, const QString& name, const QString& roh)
{
    const QString wert = roh.trimmed();
    if (wert.isEmpty() || wert == QLatin1String("inherit"))
        return;
    if (name == QLatin1String("fill"))
        s.fill = wert;
    else if (name == QLatin1String("fill-opacity"))
        s.fillOpacity = zahl(wert, 1);
    else if (name == QLatin1String("opacity"))
        s.opacity *= zahl(wert, 1);
    else if (name == QLatin1String("font-family"))
        s.family = wert.section(QLatin1Char(','), 0, 0).remove(QLatin1Char('\'')).remove(QLatin1Char('"')).trimmed();
    else if (name == QLatin1String("font-size"))
        s.groesse = schriftgroesse(wert, s.groesse);
    else if (name == QLatin1String("font-weight"))
        s.weight = wert;
    else if (name == QLatin1String("font-style"))
        s.fontStyle = wert;
    else if (name == QLatin1String("text-anchor"))
        s.anchor = wert;
    else if (name == QLatin1String("visibility"))
        s.sichtbar = wert == QLatin1String("visible");
    else if (name == QLatin1String("display"))
        s.angezeigt = s.angezeigt && wert != QLatin1String("none");
}

// Presentation attributes first, then the style attribute, whose declarations win.
Stil stilVon(const QDomElement& e, Stil s)
{
    static const char* const namen[] = { "fill", "fill-opacity", "opacity", "font-family", "font-size", "font-weight",
        "font-style", "text-anchor", "visibility", "display" };
    for (const char* name : namen) {
        const QString n = QLatin1String(name);
        if (e.hasAttribute(n))
            anwenden(s, n, e.attribute(n));
    }
    const QStringList deklarationen = e.attribute(QStringLiteral("style")).split(QLatin1Char(';'));
    for (const QString& d : deklarationen) {
        const int doppelpunkt = d.indexOf(QLatin1Char(':'));
        if (doppelpunkt > 0)
            anwenden(s, d.left(doppelpunkt).trimmed(), d.mid(doppelpunkt + 1));
    }
    return s;
}

QTransform transformVon(const QString& attribut)
{
    static const QRegularExpression teil(QStringLiteral("(\\w+)\\s*\\(([^)]*)\\)"));
    static const QRegularExpression trenner(QStringLiteral("[\\s,]+"));
    QTransform gesamt;
    auto it = teil.globalMatch(attribut);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString art = m.captured(1);
        QVector<double> a;
        for (const QString& n : m.captured(2).trimmed().split(trenner, Qt::SkipEmptyParts))
            a << zahl(n, 0);
        QTransform t;
        if (art == QLatin1String("matrix") && a.size() == 6) {
            t = QTransform(a[0], a[1], a[2], a[3], a[4], a[5]);
        } else if (art == QLatin1String("translate") && !a.isEmpty()) {
            t = QTransform::fromTranslate(a[0], a.value(1, 0));
        } else if (art == QLatin1String("scale") && !a.isEmpty()) {
            t = QTransform::fromScale(a[0], a.value(1, a[0]));
        } else if (art == QLatin1String("rotate") && !a.isEmpty()) {
            t.translate(a.value(1, 0), a.value(2, 0));
            t.rotate(a[0]);
            t.translate(-a.value(1, 0), -a.value(2, 0));
        } else if (art == QLatin1String("skewX") && !a.isEmpty()) {
            t = QTransform(1, 0, std::tan(qDegreesToRadians(a[0])), 1, 0, 0);
        } else if (art == QLatin1String("skewY") && !a.isEmpty()) {
            t = QTransform(1, std::tan(qDegreesToRadians(a[0])), 0, 1, 0, 0);
        }
        // The rightmost transform of the list acts first.
        gesamt = t * gesamt;
    }
    return gesamt;
}

QColor farbeVon(const Stil& s)
{
    QColor farbe;
    static const QRegularExpression rgb(QStringLiteral("^rgb\\(\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)\\s*\\)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = rgb.match(s.fill);
    if (m.hasMatch())
        farbe.setRgb(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    else if (s.fill == QLatin1String("currentColor"))
        farbe = Qt::black;
    else if (s.fill != QLatin1String("none"))
        farbe = QColor(s.fill);
    if (farbe.isValid())
        farbe.setAlphaF(qBound(0.0, s.fillOpacity * s.opacity, 1.0));
    return farbe;
}

QFont schriftVon(const Stil& s)
{
    QFont schrift(s.family.isEmpty() ? QStringLiteral("Noto Sans") : s.family);
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setHintingPreference(QFont::PreferNoHinting);
    // Ligatures would reach the PDF as single glyphs ("fi"), and a search for the plain letters would miss them.
    schrift.setStyleStrategy(QFont::PreferNoShaping);
    // CSS weights 100 to 900 on Qt's scale.
    static const int gewichte[] = { QFont::Thin, QFont::ExtraLight, QFont::Light, QFont::Normal, QFont::Medium,
        QFont::DemiBold, QFont::Bold, QFont::ExtraBold, QFont::Black };
    int css = 400;
    if (s.weight == QLatin1String("bold") || s.weight == QLatin1String("bolder"))
        css = 700;
    else if (s.weight == QLatin1String("lighter"))
        css = 300;
    else if (!s.weight.isEmpty() && s.weight != QLatin1String("normal"))
        css = qBound(100, s.weight.toInt() / 100 * 100, 900);
    schrift.setWeight(gewichte[css / 100 - 1]);
    schrift.setItalic(s.fontStyle == QLatin1String("italic") || s.fontStyle == QLatin1String("oblique"));
    return schrift;
}

QFont feineSchrift(const SvgSeite::Text& t)
{
    QFont schrift = t.schrift;
    schrift.setPixelSize(qMax(1, qRound(t.groesse * feinheit)));
    return schrift;
}

double breite(const SvgSeite::Text& t)
{
    return QFontMetricsF(feineSchrift(t)).horizontalAdvance(t.text) / feinheit;
}

bool sichtbar(const Stil& s)
{
    return s.angezeigt && s.sichtbar && s.opacity > 0 && s.fillOpacity > 0 && farbeVon(s).isValid();
}

// Collects the runs of one text element: its own character data and its tspans, each at its position or,
// without one, where the run before it ended.
void textSammeln(const QDomElement& text, const Stil& stil, const QTransform& matrix, QVector<SvgSeite::Text>& texte)
{
    const bool bewahren = text.attribute(QStringLiteral("xml:space")) == QLatin1String("preserve");
    QPointF stelle(
        ersteZahl(text.attribute(QStringLiteral("x")), 0), ersteZahl(text.attribute(QStringLiteral("y")), 0));
    for (QDomNode n = text.firstChild(); !n.isNull(); n = n.nextSibling()) {
        Stil s = stil;
        QString inhalt;
        if (n.isText()) {
            inhalt = n.nodeValue();
        } else if (n.isElement() && n.toElement().tagName() == QLatin1String("tspan")) {
            const QDomElement tspan = n.toElement();
            s = stilVon(tspan, stil);
            stelle.setX(ersteZahl(tspan.attribute(QStringLiteral("x")), stelle.x()));
            stelle.setY(ersteZahl(tspan.attribute(QStringLiteral("y")), stelle.y()));
            inhalt = tspan.text();
        } else {
            continue;
        }
        if (bewahren)
            inhalt.replace(QRegularExpression(QStringLiteral("[\\n\\r\\t]")), QStringLiteral(" "));
        else
            inhalt = inhalt.simplified();
        if (inhalt.isEmpty() || !sichtbar(s))
            continue;
        SvgSeite::Text t;
        t.text = inhalt;
        t.matrix = matrix;
        t.schrift = schriftVon(s);
        t.groesse = s.groesse;
        t.farbe = farbeVon(s);
        t.anker = s.anchor == QLatin1String("middle") ? Qt::AlignHCenter
            : s.anchor == QLatin1String("end")        ? Qt::AlignRight
                                                      : Qt::AlignLeft;
        const double w = breite(t);
        const double links = stelle.x() - (t.anker == Qt::AlignHCenter ? w / 2 : t.anker == Qt::AlignRight ? w : 0);
        t.position = stelle;
        texte.append(t);
        stelle.setX(links + w);
    }
}

bool ohneZeichnung(const QString& tag)
{
    static const QStringList namen { QStringLiteral("defs"), QStringLiteral("clipPath"), QStringLiteral("mask"),
        QStringLiteral("pattern"), QStringLiteral("symbol"), QStringLiteral("marker"), QStringLiteral("title"),
        QStringLiteral("desc"), QStringLiteral("metadata"), QStringLiteral("style"), QStringLiteral("script") };
    return namen.contains(tag);
}

// Walks the drawn part of the document, collecting the visible texts and every text element to take out.
void wandern(const QDomElement& element, const Stil& geerbt, const QTransform& eltern, QVector<SvgSeite::Text>& texte,
    QVector<QDomElement>& entfernen)
{
    for (QDomElement kind = element.firstChildElement(); !kind.isNull(); kind = kind.nextSiblingElement()) {
        if (ohneZeichnung(kind.tagName()))
            continue;
        const Stil stil = stilVon(kind, geerbt);
        const QTransform matrix = transformVon(kind.attribute(QStringLiteral("transform"))) * eltern;
        if (kind.tagName() == QLatin1String("text")) {
            textSammeln(kind, stil, matrix, texte);
            entfernen.append(kind);
        } else {
            wandern(kind, stil, matrix, texte, entfernen);
        }
    }
}

// The style an element has from its ancestors and itself.
Stil stilAn(const QDomElement& element)
{
    QVector<QDomElement> kette;
    for (QDomNode n = element; n.isElement(); n = n.parentNode())
        kette.prepend(n.toElement());
    Stil s;
    for (const QDomElement& e : qAsConst(kette))
        s = stilVon(e, s);
    return s;
}

void felderSammeln(const QDomElement& element, QVector<QDomElement>& felder)
{
    if (element.hasAttribute(QStringLiteral("data-breite")))
        felder.append(element);
    for (QDomElement kind = element.firstChildElement(); !kind.isNull(); kind = kind.nextSiblingElement())
        felderSammeln(kind, felder);
}

} // namespace

void SvgSeite::FelderEinpassen(QDomDocument& doc)
{
    QVector<QDomElement> felder;
    felderSammeln(doc.documentElement(), felder);
    for (QDomElement& feld : felder) {
        QDomNode text = feld;
        while (text.isElement())
            text = text.firstChild();
        if (!text.isText())
            continue;
        const Stil stil = stilAn(feld);
        Text muster;
        muster.schrift = schriftVon(stil);
        muster.groesse = stil.groesse;
        const QFontMetricsF masse(feineSchrift(muster));
        const double breite = feld.attribute(QStringLiteral("data-breite")).toDouble() * feinheit;
        const int erlaubt = qMax(1, feld.attribute(QStringLiteral("data-zeilen")).toInt());

        static const QRegularExpression umbruch(QStringLiteral("\\r\\n|\\r|\\n"));
        QStringList zeilen = text.nodeValue().split(umbruch);
        if (erlaubt == 1)
            zeilen = QStringList { zeilen.join(QLatin1Char(' ')) };
        while (zeilen.size() > 1 && zeilen.last().trimmed().isEmpty())
            zeilen.removeLast();
        const bool mehr = zeilen.size() > erlaubt;
        zeilen = zeilen.mid(0, erlaubt);
        if (mehr)
            zeilen.last() = zeilen.last().simplified() + QStringLiteral("…");
        for (QString& zeile : zeilen)
            zeile = masse.elidedText(zeile.simplified(), Qt::ElideRight, breite);
        text.setNodeValue(zeilen.first());

        const QDomElement erste = feld.firstChildElement(QStringLiteral("tspan"));
        const double y
            = ersteZahl(erste.attribute(QStringLiteral("y")), ersteZahl(feld.attribute(QStringLiteral("y")), 0));
        for (int i = 1; i < zeilen.size() && !erste.isNull(); ++i) {
            QDomElement weitere = erste.cloneNode(false).toElement();
            weitere.setAttribute(QStringLiteral("y"), y + i * masse.lineSpacing() / feinheit);
            weitere.appendChild(doc.createTextNode(zeilen.at(i)));
            feld.appendChild(weitere);
        }
    }
}

SvgSeite::SvgSeite(const QByteArray& svg)
{
    QDomDocument doc;
    if (svg.isEmpty() || !doc.setContent(svg)) {
        renderer = std::make_unique<QSvgRenderer>();
        return;
    }
    const QDomElement wurzel = doc.documentElement();
    QVector<QDomElement> entfernen;
    wandern(wurzel, stilVon(wurzel, Stil()), transformVon(wurzel.attribute(QStringLiteral("transform"))), m_texte,
        entfernen);
    for (QDomElement& e : entfernen)
        e.parentNode().removeChild(e);
    renderer = std::make_unique<QSvgRenderer>(doc.toByteArray(-1));
    viewBox = renderer->viewBoxF();
}

SvgSeite::~SvgSeite() = default;

bool SvgSeite::isValid() const
{
    return renderer->isValid();
}

QSize SvgSeite::defaultSize() const
{
    return isValid() ? renderer->defaultSize() : QSize();
}

const QVector<SvgSeite::Text>& SvgSeite::texte() const
{
    return m_texte;
}

void SvgSeite::zeichnen(QPainter& painter, const QRectF& ziel) const
{
    if (!isValid())
        return;
    renderer->render(&painter, ziel);
    const QRectF quelle = viewBox.isEmpty() ? QRectF(QPointF(0, 0), QSizeF(defaultSize())) : viewBox;
    if (m_texte.isEmpty() || quelle.isEmpty())
        return;
    // The same mapping of the view box onto the target as the renderer uses: stretched to fill it.
    const double sx = ziel.width() / quelle.width();
    const double sy = ziel.height() / quelle.height();
    const QTransform abbildung(sx, 0, 0, sy, ziel.x() - quelle.x() * sx, ziel.y() - quelle.y() * sy);

    painter.save();
    const QTransform basis = painter.worldTransform();
    const QTransform fein = QTransform::fromScale(1 / feinheit, 1 / feinheit);
    for (const Text& t : m_texte) {
        painter.setWorldTransform(fein * t.matrix * abbildung * basis);
        painter.setFont(feineSchrift(t));
        painter.setPen(t.farbe);
        const double w = breite(t);
        const double x = t.position.x() - (t.anker == Qt::AlignHCenter ? w / 2 : t.anker == Qt::AlignRight ? w : 0);
        painter.drawText(QPointF(x * feinheit, t.position.y() * feinheit), t.text);
    }
    painter.restore();
}
