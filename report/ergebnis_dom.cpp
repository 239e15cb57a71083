// Template loading and the small edits of template documents by element id.
#include "ergebnis.h"

#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>

namespace
{

const QString vorlagenOrdner = QStringLiteral(":/svg/Vorlagen/");

// Colours and shows or hides one element by editing its style as plain text, so that "fill-opacity:"
// and "stroke-opacity:" declarations switch along with "opacity:".
void stilAendern(QDomElement element, const QString& Farbe, bool aus)
{
    QString stil = element.attribute(QStringLiteral("style"));
    if (stil.isEmpty())
        return;
    const QString neu = QStringLiteral("fill:#") + Farbe;
    stil.replace(QStringLiteral("fill:#000000"), neu, Qt::CaseInsensitive);
    stil.replace(QStringLiteral("fill:#FFFFFF"), neu, Qt::CaseInsensitive);
    const QString von = aus ? QStringLiteral("opacity:1") : QStringLiteral("opacity:0");
    const QString nach = aus ? QStringLiteral("opacity:0") : QStringLiteral("opacity:1");
    if (stil.contains(von))
        stil.replace(von, nach);
    else
        stil += QLatin1Char(';') + nach;
    element.setAttribute(QStringLiteral("style"), stil);
}

// The walk of traverseXML_FarbeSetzen: every descendant whose id matches the pattern or equals `Marker`.
void farbeWandern(const QDomNode& node, const QString& Marker, const QRegularExpression& ausdruck, bool muster,
    const QString& Farbe, bool aus)
{
    for (QDomNode kind = node.firstChild(); !kind.isNull(); kind = kind.nextSibling()) {
        if (kind.isElement()) {
            QDomElement element = kind.toElement();
            const QString id = element.attribute(QStringLiteral("id"));
            if (muster && ausdruck.match(id).hasMatch())
                stilAendern(element, Farbe, aus);
            if (id == Marker)
                stilAendern(element, Farbe, aus);
        }
        farbeWandern(kind, Marker, ausdruck, muster, Farbe, aus);
    }
}

// The first text target `ID` below or at `element`, in document order; a null string when there is none.
QString textVon(const QDomElement& element, const QString& ID)
{
    if (element.attribute(QStringLiteral("id")) == ID) {
        QDomNode kind = element;
        while (kind.isElement())
            kind = kind.firstChild();
        if (kind.isText())
            return kind.nodeValue();
    }
    for (QDomElement k = element.firstChildElement(); !k.isNull(); k = k.nextSiblingElement()) {
        const QString text = textVon(k, ID);
        if (!text.isNull())
            return text;
    }
    return QString();
}

// `text` without the characters XML cannot carry, which would leave the section unreadable to the renderer: control
// characters other than tab and line breaks (pasted from other programs; a vertical tab or form feed, a word
// processor's line or page break, becomes a blank), unpaired surrogates and the non-characters U+FFFE and U+FFFF.
QString xmlText(const QString& text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar zeichen = text.at(i);
        const ushort wert = zeichen.unicode();
        if (zeichen.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ergebnis += zeichen;
            ergebnis += text.at(++i);
        } else if (wert == '\v' || wert == '\f') {
            ergebnis += QLatin1Char(' ');
        } else if ((wert >= 0x20 || wert == '\t' || wert == '\n' || wert == '\r') && !zeichen.isSurrogate()
            && wert != 0xFFFE && wert != 0xFFFF) {
            ergebnis += zeichen;
        }
    }
    return ergebnis;
}

} // namespace

QString Ergebnis::VorlagenPfad(const QString& name)
{
    QString stamm = name;
    stamm.replace(QLatin1Char(' '), QLatin1Char('_'));
    const QString eigene = vorlagenOrdner + stamm + QLatin1Char('_') + QLocale().name() + QStringLiteral(".svg");
    if (QFile::exists(eigene))
        return eigene;
    const QString englische = vorlagenOrdner + stamm + QStringLiteral("_en_US.svg");
    return QFile::exists(englische) ? englische : QString();
}

bool Ergebnis::VorlageLaden(const QString& name, QDomDocument* doc)
{
    QFile datei(VorlagenPfad(name));
    if (datei.fileName().isEmpty() || !datei.open(QIODevice::ReadOnly)) {
        qDebug() << "Ergebnis::VorlageLaden" << name << "keine Vorlage";
        return false;
    }
    QString meldung;
    int zeile = 0;
    if (!doc->setContent(&datei, false, &meldung, &zeile)) {
        qDebug() << "Ergebnis::VorlageLaden" << datei.fileName() << meldung << zeile;
        return false;
    }
    return true;
}

void Ergebnis::MarkerAus(QDomDocument doc)
{
    for (const char* muster : { "hakenLinks*", "hakenRechts*", "hakenBilateral*", "LAbschwellung*", "RAbschwellung*",
             "BAbschwellung*", "textAbschwellungLegende", "LStift*", "RStift*", "BStift*" })
        FarbeSetzen(doc, QLatin1String(muster), QStringLiteral("000000"), true);
}

void Ergebnis::FarbeSetzen(QDomDocument doc, const QString& Marker, const QString& Farbe, bool aus)
{
    const QDomNodeList wurzeln = doc.elementsByTagName(QStringLiteral("svg"));
    for (int i = 0; i < wurzeln.size(); ++i) {
        QDomNode wurzel = wurzeln.at(i);
        traverseXML_FarbeSetzen(wurzel, Marker, Farbe, aus);
    }
}

void Ergebnis::traverseXML_FarbeSetzen(QDomNode& node, const QString& Marker, const QString& Farbe, bool aus)
{
    // A pattern is compiled once per walk, not once per element.
    const bool muster = Marker.contains(QLatin1Char('*'));
    farbeWandern(node, Marker, muster ? QRegularExpression(Marker) : QRegularExpression(), muster, Farbe, aus);
}

void Ergebnis::TextSetzen(QDomDocument doc, const QString& ID, const QString& Text)
{
    const QString text = xmlText(Text);
    const QDomNodeList wurzeln = doc.elementsByTagName(QStringLiteral("svg"));
    for (int i = 0; i < wurzeln.size(); ++i) {
        QDomNode wurzel = wurzeln.at(i);
        traverseXML_TextSetzen(wurzel, ID, text);
    }
}

void Ergebnis::traverseXML_TextSetzen(QDomNode& node, const QString& ID, const QString& Text)
{
    QDomNode zeiger = node.firstChild();
    while (!zeiger.isNull()) {
        if (zeiger.isElement() && zeiger.toElement().attribute(QStringLiteral("id")) == ID) {
            // The walk goes on inside the matched element, among the siblings of the text it filled.
            while (zeiger.isElement())
                zeiger = zeiger.firstChild();
            if (zeiger.isNull())
                return;
            if (zeiger.isText())
                zeiger.setNodeValue(Text);
        }
        traverseXML_TextSetzen(zeiger, ID, Text);
        zeiger = zeiger.nextSibling();
    }
}

QString Ergebnis::TextVon(const QDomDocument& doc, const QString& ID)
{
    return textVon(doc.documentElement(), ID);
}

QString Ergebnis::AlternativText(QString erg, bool alt)
{
    const QString marke1 = QStringLiteral("%?1");
    const int p1 = erg.indexOf(marke1);
    const int p2 = erg.indexOf(QStringLiteral("%?2"));
    if (p1 <= 0 || p2 <= p1)
        return erg;
    const QString alternative1 = erg.mid(p1 + marke1.size(), p2 - p1 - marke1.size());
    const QString alternative2 = erg.mid(p2 + 3);
    return erg.left(p1) + (alt ? alternative1 : alternative2);
}
