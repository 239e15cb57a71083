#include "testsupport.h"

#include "ergebnis.h"
#include "svgseite.h"

#include <QDir>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(PerzentilDaten)

namespace
{

QByteArray svg(const QString& inhalt)
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 200 100\">" + inhalt.toUtf8() + "</svg>";
}

// Every element below `e`, in document order.
QList<QDomElement> elemente(const QDomElement& e)
{
    QList<QDomElement> liste;
    for (QDomElement kind = e.firstChildElement(); !kind.isNull(); kind = kind.nextSiblingElement())
        liste << kind << elemente(kind);
    return liste;
}

// By default the shipped threshold test: scale 16, norm 6.5, anosmia limit 1, four bands.
PerzentilDaten diagramm(int jahre, const QStringList& baender = { "5-15", "16-35", "36-55", ">55" }, int skala = 16,
    double normal = 6.5, double anosmie = 1, double supersmeller = 0)
{
    return { normal, skala, anosmie, supersmeller, { { "10", baender, { 4.3, 6.5, 5.5, 2.75 } } }, jahre, skala / 2.0 };
}

} // namespace

class ErgebnisTest : public QObject
{
    Q_OBJECT

private slots:
    void stilAendern_data()
    {
        QTest::addColumn<QString>("inhalt");
        QTest::addColumn<QString>("aufruf"); // FarbeSetzen's marker, colour and "an" or "aus"; empty: MarkerAus
        QTest::addColumn<QStringList>("erwartet");

        QTest::newRow("all off: black tick through its fill-opacity, blue marker kept, legend an exact id")
            << "<g><path id=\"hakenLinksSchwelle\" style=\"fill:#000000;fill-opacity:1\"/></g><circle "
               "id=\"LStift2.3\" style=\"fill:#0000ff\"/><circle id=\"RStift1.1\"/><text "
               "id=\"textAbschwellungLegende\" style=\"opacity:1\"/><text id=\"textAbschwellungLegende2\" "
               "style=\"opacity:1\"/>"
            << ""
            << QStringList { "fill:#000000;fill-opacity:0", "fill:#0000ff;opacity:0", "-", "opacity:0", "opacity:1" };
        QTest::newRow("tick shown again")
            << "<path id=\"hakenLinksSchwelle\" style=\"fill:#000000;fill-opacity:0\"/>"
            << "hakenLinksSchwelle 000000 an" << QStringList { "fill:#000000;fill-opacity:1" };
        QTest::newRow("white turns green regardless of case")
            << "<text id=\"Stift1.1\" style=\"fill:#ffffff\"/>"
            << "Stift1.1 00FF00 an" << QStringList { "fill:#00FF00;opacity:1" };
        QTest::newRow("pattern searched anywhere in the id; rows 10 to 16 need their own")
            << "<rect id=\"W3_1L\" style=\"fill:#000000\"/><rect id=\"W12_3R\" style=\"fill:#000\"/>"
               "<rect id=\"aW5_7B\" style=\"fill:#000000\"/>"
            << "W[0-9]_[0-9]* 000000 aus"
            << QStringList { "fill:#000000;opacity:0", "fill:#000", "fill:#000000;opacity:0" };
        QTest::newRow("exact id, not a prefix")
            << "<rect id=\"LPunkt1\" style=\"fill:#000000\"/><rect id=\"LPunkt12\" style=\"fill:#000000\"/>"
            << "LPunkt1 0000FF an" << QStringList { "fill:#0000FF;opacity:1", "fill:#000000" };
    }

    void stilAendern()
    {
        QFETCH(QString, inhalt);
        QFETCH(QString, aufruf);
        QFETCH(QStringList, erwartet);

        // A document passed by value is the caller's document.
        QDomDocument doc;
        QVERIFY(doc.setContent(svg(inhalt)));
        const QStringList a = aufruf.split(QLatin1Char(' '));
        if (aufruf.isEmpty())
            Ergebnis::MarkerAus(doc);
        else
            Ergebnis::FarbeSetzen(doc, a[0], a[1], a[2] == QLatin1String("aus"));
        QStringList stile; // of every element with an id, "-" for none
        for (const QDomElement& e : elemente(doc.documentElement()))
            if (e.hasAttribute(QStringLiteral("id")))
                stile << e.attribute(QStringLiteral("style"), QStringLiteral("-"));
        QCOMPARE(stile, erwartet);
    }

    // Every element of the id gets the text at the end of its chain of first children; the rest stays.
    void textSetzen()
    {
        QDomDocument doc;
        QVERIFY(doc.setContent(svg("<g><text id=\"Name\"><tspan>a</tspan><tspan>b</tspan></text></g>"
                                   "<g><text id=\"Name\"><tspan>c</tspan></text></g><text id=\"Namen\"><tspan>d</tspan>"
                                   "</text><g id=\"Name\"><rect/><text><tspan>e</tspan></text></g>")));
        Ergebnis::TextSetzen(doc, QStringLiteral("Name"), QStringLiteral("Jörg Müller"));
        QCOMPARE(doc.documentElement().text(),
            QStringLiteral("Jörg Müller"
                           "b"
                           "Jörg Müller"
                           "d"
                           "e"));
    }

    // The verdict's alternatives; a text without both markers in order stays as it is.
    void alternativText()
    {
        const QString urteil = QStringLiteral("Punktwert: %1 - %?1V.a. pathologischen Befund%?2Normalbefund");
        QCOMPARE(Ergebnis::AlternativText(urteil, true), QStringLiteral("Punktwert: %1 - V.a. pathologischen Befund"));
        QCOMPARE(Ergebnis::AlternativText(urteil, false), QStringLiteral("Punktwert: %1 - Normalbefund"));
        QCOMPARE(Ergebnis::AlternativText("%?1a%?2b", true), QStringLiteral("%?1a%?2b"));
        QCOMPARE(Ergebnis::AlternativText("x %?2a%?1b", false), QStringLiteral("x %?2a%?1b"));
    }

    // The report goes home when there is no documents folder, and a section ending past 14 printer units sends the
    // next one to a new page.
    void ablage()
    {
        QCOMPARE(Ergebnis::Berichtsordner({ "/a/Documents", "/b" }), QStringLiteral("/a/Documents"));
        QCOMPARE(Ergebnis::Berichtsordner({ "" }), QDir::homePath());
        QCOMPARE(Ergebnis::Berichtsordner({}), QDir::homePath());
        QVERIFY(!Ergebnis::neueSeite(14));
        QVERIFY(Ergebnis::neueSeite(14.01));
    }

    // File names are never hidden, never a subfolder, never too long for a draft beside them, and never those of
    // another report.
    void dateiname_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");

        QTest::newRow("all unsafe") << " Ärzte-Nr_3.ß,^@={}[]~!?:&*\"|#%<>$'();`/\\  x "
                                    << "Ärzte-Nr_3.ß" + QString(29, QLatin1Char('_')) + "x";
        QTest::newRow("blanks") << "   "
                                << "PdfFile";
        QTest::newRow("control characters, a NUL among them") << QStringLiteral("A\x01"
                                                                                "B\0C\x7f")
                                                              << "A_B_C_";
        QTest::newRow("leading dots") << "../x"
                                      << "_x";
        QTest::newRow("dots only") << "..."
                                   << "PdfFile";
        QTest::newRow("250 characters") << QString(250, 'x') << QString(120, 'x');
        QTest::newRow("two-byte letters at the cut")
            << "a" + QString(70, QChar(0xE4)) << "a" + QString(59, QChar(0xE4));
        QTest::newRow("four-byte sign at the cut") << QString(118, 'x') + "😀x" << QString(118, 'x');
    }

    void dateiname()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);

        QTemporaryDir ordner;
        const QString stamm = ordner.path() + QLatin1Char('/') + name;
        QCOMPARE(Ergebnis::PdfDateiname(ordner.path(), code), stamm + ".pdf");
        for (const QString& vorhanden : { stamm + ".pdf", stamm + " (2).pdf" })
            QVERIFY(QFile(vorhanden).open(QIODevice::WriteOnly));
        QCOMPARE(Ergebnis::PdfDateiname(ordner.path(), code), stamm + " (3).pdf");
    }

    void perzentilen_data()
    {
        QTest::addColumn<PerzentilDaten>("daten");
        QTest::addColumn<QStringList>("zonen"); // white, dark grey, yellow as "x y width height"; empty: none
        QTest::addColumn<QString>("werte"); // the score labels; none: no grid
        QTest::addColumn<QString>("punkt"); // the patient's point, 3 wide; empty: none

        const QStringList zonen16 { "5 0 100 59.375", "5 93 100 6", "" };
        const QString bis15 = QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15");
        QTest::newRow("scale 16, aged 40") << diagramm(40) << zonen16 << bis15 << "70.1667 48.5 3 3";
        QTest::newRow("aged exactly 55: 36-55") << diagramm(55) << zonen16 << bis15 << "70.1667 48.5 3 3";
        QTest::newRow("aged 56: >55") << diagramm(56) << zonen16 << bis15 << "103.5 48.5 3 3";
        QTest::newRow("unknown age: no point") << diagramm(-1) << zonen16 << bis15 << "";
        QTest::newRow("one band: zones only") << diagramm(40, { "5-99" }) << zonen16 << ""
                                              << "";

        QTest::newRow("scale 48 labelled in threes, supersmellers, aged 81: >81")
            << diagramm(81, { "5-10", "11-20", "21-30", "31-40", ">81" }, 48, 30.75, 16, 41.5)
            << QStringList { "5 0 100 35.9375", "5 66 100 33", "5 0 100 13.5417" }
            << "3 6 9 12 15 18 21 24 27 30 33 36 39 42 45 48"
            << "103.5 48.5 3 3";
    }

    void perzentilen()
    {
        QFETCH(PerzentilDaten, daten);
        QFETCH(QStringList, zonen);
        QFETCH(QString, werte);
        QFETCH(QString, punkt);

        // What the chart drew: the first rectangle of each fill colour, texts with their colour, red numbers.
        QDomDocument doc;
        QVERIFY(doc.setContent(Ergebnis::PerzentilenSvg(daten)));
        QMap<QString, QString> flaechen;
        QStringList texte;
        QStringList zahlen;
        for (const QDomElement& e : elemente(doc.documentElement())) {
            const QString farbe = e.attribute("fill");
            bool ganzzahl = false;
            e.text().toInt(&ganzzahl);
            if (e.tagName() == QLatin1String("rect")
                && !flaechen.contains(e.parentNode().toElement().attribute("fill")))
                flaechen[e.parentNode().toElement().attribute("fill")]
                    = QStringList { e.attribute("x"), e.attribute("y"), e.attribute("width"), e.attribute("height") }
                          .join(' ');
            if (e.tagName() == QLatin1String("text"))
                texte << e.text() + " " + farbe;
            if (e.tagName() == QLatin1String("text") && ganzzahl && farbe == QLatin1String("#ff0000"))
                zahlen << e.text();
        }
        QCOMPARE(flaechen.value("#c0c0c0"), QStringLiteral("5 0 100 100"));
        QCOMPARE(
            (QStringList { flaechen.value("#ffffff"), flaechen.value("#808080"), flaechen.value("#ffff00") }), zonen);
        QVERIFY(texte.contains("Normosmie #000000") && texte.contains("Anosmie #000000"));
        QCOMPARE(texte.contains("Supersmeller #000000"), !zonen[2].isEmpty());
        // Score labels from 1 up, more than 5 units apart; each band labelled, each curve named in its colour.
        QCOMPARE(zahlen.join(' '), werte);
        QCOMPARE(texte.contains(daten.kurven[0].alter.last() + " #ff0000"), !werte.isEmpty());
        QCOMPARE(texte.contains("10 #00ff00"), !werte.isEmpty());
        QCOMPARE(flaechen.value("#800000"), punkt);
        QCOMPARE(texte.contains("Ergebnis #800000"), !punkt.isEmpty());
    }

    // A score equal to the norm is normal on the chart as in the verdict; the point's label stays clear of the
    // score labels (right of x 105) and the age labels (below y 100) wherever the point is.
    void amNormwert_data()
    {
        QTest::addColumn<PerzentilDaten>("daten");

        const QStringList baender { "5-15", "16-35", "36-55", ">55" };
        QTest::newRow("screening 10 of 12, first band") << diagramm(10, baender, 12, 10, 1);
        QTest::newRow("identification 11 of 16, last band") << diagramm(60, baender, 16, 11, 6);
        QTest::newRow("threshold 6.5 of 16") << diagramm(40, baender, 16, 6.5, 1);
        QTest::newRow("discrimination 10 of 16") << diagramm(20, baender, 16, 10, 6);
        QTest::newRow("extended 30.75 of 48, last band") << diagramm(70, baender, 48, 30.75, 16);
        QTest::newRow("0 at the bottom, last band") << diagramm(60, baender, 16, 0, 0);
    }

    void amNormwert()
    {
        QFETCH(PerzentilDaten, daten);
        daten.ergebnis = daten.normal;

        QDomDocument doc;
        QVERIFY(doc.setContent(Ergebnis::PerzentilenSvg(daten)));
        QMap<QString, QRectF> flaechen; // the first rectangle of each fill colour, the label's box as "Ergebnis"
        QFont schrift(QStringLiteral("Noto Sans"));
        schrift.setPixelSize(4);
        const QFontMetricsF masse(schrift);
        for (const QDomElement& e : elemente(doc.documentElement())) {
            const QPointF p(e.attribute("x").toDouble(), e.attribute("y").toDouble());
            if (e.tagName() == QLatin1String("rect")
                && !flaechen.contains(e.parentNode().toElement().attribute("fill")))
                flaechen[e.parentNode().toElement().attribute("fill")]
                    = QRectF(p, QSizeF(e.attribute("width").toDouble(), e.attribute("height").toDouble()));
            if (e.text() == QLatin1String("Ergebnis"))
                flaechen["Ergebnis"]
                    = QRectF(p - QPointF(0, masse.ascent()), QSizeF(masse.horizontalAdvance(e.text()), masse.height()));
        }
        QVERIFY(flaechen.value("#800000").center().y() <= flaechen.value("#ffffff").bottom() + 1e-9);
        QVERIFY(QRectF(5, 0, 100, 100).contains(flaechen.value("Ergebnis")));
    }

    // Hidden texts are left out of the page, inherited attributes reach the text drawn.
    void svgTexte()
    {
        const SvgSeite seite(
            svg("<text style=\"opacity:0\">a</text><text style=\"fill:#000;fill-opacity:0\">b</text>"
                "<g display=\"none\"><text>c</text></g><g style=\"visibility:hidden\"><text>d</text></g>"
                "<g opacity=\"0\"><g><text>e</text></g></g><text fill=\"none\">f</text><defs><text>g</text></defs>"
                "<g style=\"fill-opacity:0\"><text style=\"fill:#000;fill-opacity:1\">*</text></g>"
                "<g fill=\"#ff0000\" fill-opacity=\"0.5\" font-size=\"4\" font-weight=\"700\" "
                "transform=\"matrix(2,0,0,2,10,20)\"><text x=\"3\" y=\"4\" text-anchor=\"end\">10</text></g>"));
        QStringList texte;
        for (const SvgSeite::Text& t : seite.texte())
            texte << t.text;
        QCOMPARE(texte, (QStringList { "*", "10" }));
        const SvgSeite::Text& t = seite.texte().last();
        QCOMPARE(t.matrix.map(t.position), QPointF(16, 28));
        QCOMPARE(t.groesse, 4.0);
        QCOMPARE(t.schrift.weight(), int(QFont::Bold));
        QCOMPARE(t.farbe.red(), 255);
        QVERIFY(qAbs(t.farbe.alphaF() - 0.5) < 0.01);
        QCOMPARE(t.anker, Qt::AlignRight);
    }
};

DUFTLOTSE_TEST_MAIN(ErgebnisTest)
#include "tst_ergebnis.moc"
