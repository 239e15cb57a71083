#include "testsupport.h"

#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

// The report fills its templates by element id only, so these tests read the embedded
// templates the way it does: through the DOM, with whitespace-only text nodes dropped.
class TestVorlagen : public QObject
{
    Q_OBJECT

private slots:
    void ids_data();
    void ids();
    void aufbau_data();
    void aufbau();
    void schwelleOhneFremdeZellIds_data();
    void schwelleOhneFremdeZellIds();
    void rahmen_data();
    void rahmen();
};

namespace
{

const QString vorlagen = QStringLiteral(":/svg/Vorlagen/");
const QStringList seiten { "L", "R", "B" };
const QStringList alleVorlagen { "Kopf", "Screening_12", "Identifikationstest_blau", "Schwellentest",
    "Diskriminationstest", "Perzentile" };
const QStringList locales { "de_DE", "en_US" };

// A null document when the template is missing or does not parse.
QDomDocument laden(const QString& name)
{
    QDomDocument doc;
    QFile file(vorlagen + name);
    if (file.open(QIODevice::ReadOnly))
        doc.setContent(&file);
    return doc;
}

void sammleIds(const QDomElement& e, QMultiHash<QString, QDomElement>& ids)
{
    if (e.hasAttribute(QStringLiteral("id")))
        ids.insert(e.attribute(QStringLiteral("id")), e);
    for (QDomElement c = e.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
        sammleIds(c, ids);
}

QMultiHash<QString, QDomElement> elementeNachId(const QDomDocument& doc)
{
    QMultiHash<QString, QDomElement> ids;
    sammleIds(doc.documentElement(), ids);
    return ids;
}

QList<QDomElement> texte(const QDomDocument& doc)
{
    QList<QDomElement> liste;
    const QDomNodeList alle = doc.elementsByTagName(QStringLiteral("text"));
    for (int i = 0; i < alle.size(); ++i)
        liste << alle.at(i).toElement();
    return liste;
}

// Where the report writes a text: the end of the chain of first children.
QDomNode textKnoten(QDomNode n)
{
    while (n.isElement())
        n = n.firstChild();
    return n;
}

QStringList stiftIds(const QString& vorsatz, int stifte, int auswahl)
{
    QStringList ids;
    for (int n = 1; n <= stifte; ++n)
        for (int k = 1; k <= auswahl; ++k)
            ids << QStringLiteral("%1Stift%2.%3").arg(vorsatz).arg(n).arg(k);
    return ids;
}

QStringList seitenIds(const QString& muster, int anzahl)
{
    QStringList ids;
    for (const QString& s : seiten)
        for (int n = 1; n <= anzahl; ++n)
            ids << muster.arg(s).arg(n);
    return ids;
}

QStringList zellIds()
{
    QStringList ids;
    for (const QString& s : seiten)
        for (int t = 1; t <= 16; ++t)
            for (int c = 1; c <= 7; ++c)
                ids << QStringLiteral("W%1_%2%3").arg(t).arg(c).arg(s);
    return ids;
}

// One row per locale of each named template, in the column "datei".
void vorlagenZeilen(const QStringList& namen)
{
    QTest::addColumn<QString>("datei");
    for (const QString& name : namen)
        for (const QString& locale : locales)
            QTest::newRow(qPrintable(name + " " + locale)) << name + "_" + locale + ".svg";
}

} // namespace

void TestVorlagen::ids_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QStringList>("textIds");
    QTest::addColumn<QStringList>("markerIds");
    QTest::addColumn<QStringList>("fehlend");
    // The report turns black texts green or into the side's colour and only switches the
    // answer dots on, so dots must carry their own colour and texts must be black.
    QTest::addColumn<bool>("gefaerbt");

    QStringList kopfTexte { "Name", "Adresse", "TelefonEmail", "UName", "Bemerkung", "MaxErgebnisSumme",
        "RefErgebnisSumme", "Ergebnis", "Datum", "Untersuchungsnr" };
    QStringList kopfMarker;
    for (const QString& t : QStringList { "Screening", "Schwelle", "Diskrimination", "Identifikation" }) {
        kopfTexte << "MaxErgebnis" + t << "RefErgebnis" + t;
        kopfMarker << "hakenLinks" + t << "hakenRechts" + t << "hakenBilateral" + t;
        for (const QString& s : seiten) {
            kopfTexte << s + "Ergebnis" + t;
            kopfMarker << s + "Abschwellung" + t;
        }
    }
    QTest::newRow("Kopf German") << "Kopf_de_DE.svg" << kopfTexte + QStringList { "GeburtstagAlter", "Geschlecht" }
                                 << kopfMarker + QStringList { "textAbschwellungLegende" }
                                 << QStringList { "GeburtstagAlterGeschlecht" } << false;
    QTest::newRow("Kopf English: legend without id, age and sex in one line")
        << "Kopf_en_US.svg" << kopfTexte + QStringList { "GeburtstagAlterGeschlecht" } << kopfMarker
        << QStringList { "textAbschwellungLegende", "GeburtstagAlter", "Geschlecht" } << false;

    for (const QString& locale : locales) {
        QTest::addRow("Screening 12 %s", qPrintable(locale))
            << "Screening_12_" + locale + ".svg" << stiftIds("", 12, 4) + seitenIds(QStringLiteral("%1Punkt%2"), 12)
            << stiftIds("L", 12, 4) + stiftIds("R", 12, 4) + stiftIds("B", 12, 4) << QStringList() << true;
        QTest::addRow("Identifikation %s", qPrintable(locale))
            << "Identifikationstest_blau_" + locale + ".svg"
            << stiftIds("", 16, 4) + seitenIds(QStringLiteral("%1Punkt%2"), 16)
            << stiftIds("L", 16, 4) + stiftIds("R", 16, 4) + stiftIds("B", 16, 4) << QStringList() << true;
        QTest::addRow("Diskrimination %s", qPrintable(locale))
            << "Diskriminationstest_" + locale + ".svg" << seitenIds(QStringLiteral("%1Punkt%2"), 16)
            << stiftIds("L", 16, 3) + stiftIds("R", 16, 3) + stiftIds("B", 16, 3) << QStringList() << true;
        // The cells are written and hidden, so each is both a text target and a marker.
        QTest::addRow("Schwelle %s", qPrintable(locale))
            << "Schwellentest_" + locale + ".svg" << zellIds() << zellIds() << QStringList() << false;
    }
}

void TestVorlagen::ids()
{
    QFETCH(QString, datei);
    QFETCH(QStringList, textIds);
    QFETCH(QStringList, markerIds);
    QFETCH(QStringList, fehlend);
    QFETCH(bool, gefaerbt);

    const QDomDocument doc = laden(datei);
    QVERIFY(!doc.isNull());
    const auto ids = elementeNachId(doc);
    for (const QString& id : textIds) {
        QVERIFY2(ids.count(id) == 1, qPrintable(QStringLiteral("%1 found %2 times").arg(id).arg(ids.count(id))));
        const QDomNode text = textKnoten(ids.value(id));
        QVERIFY2(text.isText() && !text.nodeValue().trimmed().isEmpty(), qPrintable(id + " has no placeholder"));
        if (gefaerbt)
            QVERIFY2(ids.value(id).attribute("style").contains("fill:#000000"), qPrintable(id + " is not black"));
    }
    for (const QString& id : markerIds) {
        QVERIFY2(ids.count(id) == 1, qPrintable(QStringLiteral("%1 found %2 times").arg(id).arg(ids.count(id))));
        const QString style = ids.value(id).attribute("style");
        QVERIFY2(style.contains("opacity:1"), qPrintable(id + " cannot be hidden: " + style));
        if (gefaerbt)
            QVERIFY2(!style.contains("fill:#000000", Qt::CaseInsensitive)
                    && !style.contains("fill:#FFFFFF", Qt::CaseInsensitive),
                qPrintable(id + " would lose its colour: " + style));
    }
    for (const QString& id : fehlend)
        QVERIFY2(!ids.contains(id), qPrintable(id + " must not exist"));
}

void TestVorlagen::aufbau_data()
{
    vorlagenZeilen(alleVorlagen);
}

// The report stacks the sections by their default size and draws every text itself from
// its x, y and style, so those must be where it looks for them.
void TestVorlagen::aufbau()
{
    QFETCH(QString, datei);

    const QDomDocument doc = laden(datei);
    QVERIFY(!doc.isNull());
    const QDomElement svg = doc.documentElement();
    QCOMPARE(svg.attribute("width"), QStringLiteral("286.48mm"));
    QVERIFY(svg.attribute("height").endsWith("mm"));
    const QStringList viewBox = svg.attribute("viewBox").split(' ');
    QCOMPARE(viewBox.size(), 4);
    // One user unit is one pixel of Qt's renderer, which reads mm at 90 px per inch.
    QVERIFY(qAbs(viewBox[2].toDouble() - 286.48 / 25.4 * 90) < 0.01);
    QVERIFY(qAbs(viewBox[3].toDouble() - svg.attribute("height").chopped(2).toDouble() / 25.4 * 90) < 0.01);

    QSvgRenderer renderer(vorlagen + datei);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), QSize(1015, int(viewBox[3].toDouble())));

    const QRegularExpression schrift(QStringLiteral("font-family:'Noto Sans';font-size:\\d+px;"));
    for (const QDomElement& text : texte(doc)) {
        const QDomElement tspan = text.firstChildElement();
        const QString wo = text.attribute("id", tspan.text());
        QVERIFY2(tspan.tagName() == "tspan" && tspan.nextSiblingElement().isNull(), qPrintable(wo));
        QVERIFY2(tspan.firstChildElement().isNull() && !tspan.hasAttribute("style"), qPrintable(wo));
        QCOMPARE(tspan.attribute("x"), text.attribute("x"));
        QVERIFY2(!tspan.text().trimmed().isEmpty(), qPrintable(wo));
        QVERIFY2(schrift.match(text.attribute("style")).hasMatch(), qPrintable(wo));
    }
}

void TestVorlagen::schwelleOhneFremdeZellIds_data()
{
    vorlagenZeilen({ "Schwellentest" });
}

// The report hides the grid with patterns searched anywhere in an id; any other id they
// match would be hidden with it.
void TestVorlagen::schwelleOhneFremdeZellIds()
{
    QFETCH(QString, datei);

    const QRegularExpression zeilen10bis16(QStringLiteral("W[0-9]._[0-9]*"));
    const QRegularExpression zeilen1bis9(QStringLiteral("W[0-9]_[0-9]*"));
    const QStringList zellen = zellIds();
    const QDomDocument doc = laden(datei);
    QVERIFY(!doc.isNull());
    const auto ids = elementeNachId(doc);
    for (const QString& id : ids.keys())
        if (zeilen10bis16.match(id).hasMatch() || zeilen1bis9.match(id).hasMatch())
            QVERIFY2(zellen.contains(id), qPrintable(id));
}

void TestVorlagen::rahmen_data()
{
    vorlagenZeilen({ "Perzentile" });
}

// The chart is drawn first, at twice its size 50 px right and 20 px down, and the frame
// over it: the frame must leave that area clear.
void TestVorlagen::rahmen()
{
    QFETCH(QString, datei);

    const QDomDocument doc = laden(datei);
    QVERIFY(!doc.isNull());
    QCOMPARE(doc.documentElement().attribute("height"), QStringLiteral("85.25mm"));
    QSvgRenderer renderer(vorlagen + datei);
    QImage bild(renderer.defaultSize(), QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter painter(&bild);
    renderer.render(&painter);
    painter.end();
    for (int y = 20; y < 300; ++y)
        for (int x = 50; x < 350; ++x)
            QVERIFY2(qAlpha(bild.pixel(x, y)) == 0, qPrintable(QStringLiteral("covered at %1, %2").arg(x).arg(y)));
}

DUFTLOTSE_TEST_MAIN(TestVorlagen)

#include "tst_vorlagen.moc"
