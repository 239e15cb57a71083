#include "testsupport.h"

#include "ergebnis.h"
#include "svgseite.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

Q_DECLARE_METATYPE(PerzentilDaten)

namespace
{

const QString svgKopf = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"50\" "
                                       "viewBox=\"0 0 200 100\">");

QDomDocument dokument(const QString& inhalt)
{
    QDomDocument doc;
    doc.setContent(svgKopf + inhalt + QStringLiteral("</svg>"));
    return doc;
}

// Style of every element with an id, in document order, "-" for none.
QStringList stile(const QDomElement& eltern)
{
    QStringList liste;
    for (QDomElement e = eltern.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.hasAttribute(QStringLiteral("id")))
            liste << e.attribute(QStringLiteral("style"), QStringLiteral("-"));
        liste << stile(e);
    }
    return liste;
}

// Bounding box of the dark pixels of a 200 x 100 picture of `svg` drawn through SvgSeite.
QRect dunkleFlaeche(const QString& inhalt)
{
    const SvgSeite seite((svgKopf + inhalt + QStringLiteral("</svg>")).toUtf8());
    QImage bild(200, 100, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    seite.zeichnen(p, QRectF(0, 0, 200, 100));
    p.end();
    QRect flaeche;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qGray(bild.pixel(x, y)) < 128)
                flaeche |= QRect(x, y, 1, 1);
    return flaeche;
}

// What the percentile chart drew, read back from its SVG.
struct Diagramm {
    QVector<QPair<QString, QString>> texte; // text and fill colour
    QVector<QPair<QString, QRectF>> flaechen; // fill colour and rectangle, in drawing order
    QVector<QPair<QString, QLineF>> linien; // stroke colour and line

    QRectF flaeche(const QString& farbe) const
    {
        for (const auto& f : flaechen)
            if (f.first == farbe)
                return f.second;
        return QRectF();
    }
    bool hat(const QString& text, const QString& farbe = QString()) const
    {
        for (const auto& t : texte)
            if (t.first == text && (farbe.isEmpty() || t.second == farbe))
                return true;
        return false;
    }
};

Diagramm lesen(const QByteArray& svg)
{
    Diagramm d;
    QDomDocument doc;
    doc.setContent(svg);
    const QDomNodeList gruppen = doc.elementsByTagName(QStringLiteral("g"));
    for (int i = 0; i < gruppen.size(); ++i) {
        const QDomElement g = gruppen.at(i).toElement();
        for (QDomElement e = g.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            auto zahl = [&e](const char* name) { return e.attribute(QLatin1String(name)).toDouble(); };
            if (e.tagName() == QLatin1String("rect")) {
                d.flaechen.append({ g.attribute(QStringLiteral("fill")),
                    QRectF(zahl("x"), zahl("y"), zahl("width"), zahl("height")) });
            } else if (e.tagName() == QLatin1String("text")) {
                d.texte.append({ e.text(), e.attribute(QStringLiteral("fill")) });
            } else if (e.tagName() == QLatin1String("polyline")) {
                const QStringList p
                    = e.attribute(QStringLiteral("points")).split(QRegularExpression("[ ,]"), Qt::SkipEmptyParts);
                d.linien.append({ g.attribute(QStringLiteral("stroke")),
                    QLineF(
                        p.value(0).toDouble(), p.value(1).toDouble(), p.value(2).toDouble(), p.value(3).toDouble()) });
            }
        }
    }
    return d;
}

const QStringList vierBaender { "5-15", "16-35", "36-55", ">55" };
const QStringList neunBaender { "5-10", "11-20", "21-30", "31-40", "41-50", "51-60", "61-70", "71-80", ">81" };

PerzentilDaten diagramm(double normal, int gesamt, double anosmie, double supersmeller, const QStringList& baender,
    const QList<double>& zehnte, int jahre, double ergebnis)
{
    PerzentilDaten d;
    d.normal = normal;
    d.Gesamtmessungen = gesamt;
    d.anosmie = anosmie;
    d.supersmeller = supersmeller;
    d.kurven[0] = { "10", baender, zehnte };
    d.Jahre = jahre;
    d.ergebnis = ergebnis;
    return d;
}

// The shipped threshold test: scale 16, norm 6.5, anosmia limit 1, four bands.
PerzentilDaten schwellentest(int jahre)
{
    PerzentilDaten d = diagramm(6.5, 16, 1, 0, vierBaender, { 4.3, 6.5, 5.5, 2.75 }, jahre, 8);
    d.kurven[1] = { "50", vierBaender, { 6.75, 9.0, 8.75, 7.5 } };
    d.kurven[2] = { "90", vierBaender, { 12, 13.75, 13.6, 12.6 } };
    return d;
}

} // namespace

class ErgebnisTest : public QObject
{
    Q_OBJECT

private slots:
    void stilAendern_data()
    {
        QTest::addColumn<QString>("inhalt");
        QTest::addColumn<QString>("marker"); // empty: MarkerAus
        QTest::addColumn<QString>("farbe");
        QTest::addColumn<bool>("aus");
        QTest::addColumn<QStringList>("erwartet");

        const QString tick = QStringLiteral("<g><path id=\"hakenLinksSchwelle\" style=\"%1\"/></g>");
        QTest::newRow("black tick hidden through its fill-opacity")
            << tick.arg("fill:#000000;fill-opacity:1") << ""
            << "" << true << QStringList { "fill:#000000;fill-opacity:0" };
        QTest::newRow("and shown again") << tick.arg("fill:#000000;fill-opacity:0") << "hakenLinksSchwelle"
                                         << "000000" << false << QStringList { "fill:#000000;fill-opacity:1" };
        QTest::newRow("blue marker keeps its colour")
            << QStringLiteral("<circle id=\"LStift2.3\" style=\"fill:#0000ff\"/>") << ""
            << "" << true << QStringList { "fill:#0000ff;opacity:0" };
        QTest::newRow("white turns green regardless of case")
            << QStringLiteral("<text id=\"Stift1.1\" style=\"fill:#ffffff\"/>") << "Stift1.1"
            << "00FF00" << false << QStringList { "fill:#00FF00;opacity:1" };
        QTest::newRow("no style, nothing to change") << QStringLiteral("<circle id=\"RStift1.1\"/>") << ""
                                                     << "" << true << QStringList { "-" };
        QTest::newRow("pattern searched anywhere in the id; rows 10 to 16 need their own")
            << QStringLiteral("<rect id=\"W3_1L\" style=\"fill:#000000\"/><rect id=\"W12_3R\" style=\"fill:#000\"/>"
                              "<rect id=\"aW5_7B\" style=\"fill:#000000\"/>")
            << "W[0-9]_[0-9]*"
            << "000000" << true << QStringList { "fill:#000000;opacity:0", "fill:#000", "fill:#000000;opacity:0" };
        QTest::newRow("exact id, not a prefix")
            << QStringLiteral("<rect id=\"LPunkt1\" style=\"fill:#000000\"/><rect id=\"LPunkt12\" "
                              "style=\"fill:#000000\"/>")
            << "LPunkt1"
            << "0000FF" << false << QStringList { "fill:#0000FF;opacity:1", "fill:#000000" };
        QTest::newRow("legend without star is an exact id")
            << QStringLiteral("<text id=\"textAbschwellungLegende\" style=\"fill:#000000;opacity:1\"/>"
                              "<text id=\"textAbschwellungLegende2\" style=\"fill:#000000;opacity:1\"/>")
            << ""
            << "" << true << QStringList { "fill:#000000;opacity:0", "fill:#000000;opacity:1" };
    }

    void stilAendern()
    {
        QFETCH(QString, inhalt);
        QFETCH(QString, marker);
        QFETCH(QString, farbe);
        QFETCH(bool, aus);
        QFETCH(QStringList, erwartet);

        // A document passed by value is the caller's document.
        const QDomDocument doc = dokument(inhalt);
        if (marker.isEmpty())
            Ergebnis::MarkerAus(doc);
        else
            Ergebnis::FarbeSetzen(doc, marker, farbe, aus);
        QCOMPARE(stile(doc.documentElement()), erwartet);
        QVERIFY(!doc.documentElement().hasAttribute(QStringLiteral("style")));
    }

    void textSetzen_data()
    {
        QTest::addColumn<QString>("inhalt");
        QTest::addColumn<QString>("erwartet"); // the document's text, "|" between text nodes

        QTest::newRow("text with tspan") << "<text id=\"Name\"><tspan>#Name#</tspan></text>"
                                         << "Jörg Müller";
        QTest::newRow("same id under different parents")
            << "<g><text id=\"Name\"><tspan>a</tspan></text></g><g><text id=\"Name\"><tspan>b</tspan></text></g>"
            << "Jörg Müller|Jörg Müller";
        QTest::newRow("same id twice in one parent: the first only")
            << "<text id=\"Name\"><tspan>a</tspan></text><text id=\"Name\"><tspan>b</tspan></text>"
            << "Jörg Müller|b";
        QTest::newRow("further text of the element stays")
            << "<text id=\"Name\"><tspan>a</tspan><tspan>b</tspan></text>"
            << "Jörg Müller|b";
        QTest::newRow("other id") << "<text id=\"Namen\"><tspan>a</tspan></text>"
                                  << "a";
        QTest::newRow("no text at the end of the chain") << "<g id=\"Name\"><rect/><text><tspan>a</tspan></text></g>"
                                                         << "a";
    }

    void textSetzen()
    {
        QFETCH(QString, inhalt);
        QFETCH(QString, erwartet);

        const QDomDocument doc = dokument(inhalt);
        Ergebnis::TextSetzen(doc, QStringLiteral("Name"), QStringLiteral("Jörg Müller"));
        QStringList texte;
        const QDomNodeList tspans = doc.elementsByTagName(QStringLiteral("tspan"));
        for (int i = 0; i < tspans.size(); ++i)
            texte << tspans.at(i).toElement().text();
        QCOMPARE(texte.join(QLatin1Char('|')), erwartet);
    }

    void alternativText_data()
    {
        QTest::addColumn<QString>("erg");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<QString>("erwartet");

        const QString urteil = QStringLiteral("Punktwert: %1 - %?1V.a. pathologischen Befund%?2Normalbefund");
        QTest::newRow("first alternative") << urteil << true << "Punktwert: %1 - V.a. pathologischen Befund";
        QTest::newRow("second alternative") << urteil << false << "Punktwert: %1 - Normalbefund";
        QTest::newRow("%?1 at position 0") << "%?1a%?2b" << true << "%?1a%?2b";
        QTest::newRow("%?2 missing") << "x %?1a" << true << "x %?1a";
        QTest::newRow("%?2 before %?1") << "x %?2a%?1b" << false << "x %?2a%?1b";
    }

    void alternativText()
    {
        QFETCH(QString, erg);
        QFETCH(bool, alt);
        QFETCH(QString, erwartet);
        QCOMPARE(Ergebnis::AlternativText(erg, alt), erwartet);
    }

    void pdfDateiname_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("datei");

        QTest::newRow("blanks around, inside and a slash") << "  Mü ller/7 "
                                                           << "Mü_ller_7.pdf";
        QTest::newRow("empty") << ""
                               << "PdfFile.pdf";
        QTest::newRow("blanks only") << "   "
                                     << "PdfFile.pdf";
        QTest::newRow("allowed: letters, digits, - _ .") << "Ärzte-Nr_3.ß"
                                                         << "Ärzte-Nr_3.ß.pdf";
        for (const QChar zeichen : Ergebnis::notAllowedCharsNoSubDir)
            QTest::addRow("U+%04X", zeichen.unicode())
                << QStringLiteral("a") + zeichen + QStringLiteral("b") << "a_b.pdf";
    }

    void pdfDateiname()
    {
        QFETCH(QString, code);
        QFETCH(QString, datei);
        QCOMPARE(Ergebnis::notAllowedCharsNoSubDir.size(), 31);
        QCOMPARE(Ergebnis::PdfDateiname(QStringLiteral("/home/u/Dokumente"), code),
            QStringLiteral("/home/u/Dokumente/") + datei);
    }

    void berichtsordner()
    {
        QCOMPARE(Ergebnis::Berichtsordner({ "/a/Documents", "/b" }), QStringLiteral("/a/Documents"));
        QCOMPARE(Ergebnis::Berichtsordner({}), QDir::homePath());
        QCOMPARE(Ergebnis::Berichtsordner({ "" }), QDir::homePath());
    }

    void neueSeite()
    {
        QVERIFY(!Ergebnis::neueSeite(14));
        QVERIFY(Ergebnis::neueSeite(14.01));
    }

    void perzentilen_data()
    {
        QTest::addColumn<PerzentilDaten>("daten");
        QTest::addColumn<QRectF>("weiss");
        QTest::addColumn<QRectF>("dunkelgrau");
        QTest::addColumn<QRectF>("gelb");
        QTest::addColumn<QStringList>("wertbeschriftung");
        QTest::addColumn<QPointF>("punkt"); // null: none

        const QRectF keine;
        QTest::newRow("threshold, scale 16, four bands, aged 40")
            << schwellentest(40) << QRectF(5, 0, 100, 59) << QRectF(5, 93, 100, 6) << keine
            << QStringList { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15" }
            << QPointF(5 + 200 / 3.0, 50);
        QTest::newRow("aged exactly 55: 36-55") << schwellentest(55) << QRectF(5, 0, 100, 59) << QRectF(5, 93, 100, 6)
                                                << keine << QStringList() << QPointF(5 + 200 / 3.0, 50);
        QTest::newRow("aged 56: >55") << schwellentest(56) << QRectF(5, 0, 100, 59) << QRectF(5, 93, 100, 6) << keine
                                      << QStringList() << QPointF(105, 50);
        QTest::newRow("aged 4: no band") << schwellentest(4) << QRectF(5, 0, 100, 59) << QRectF(5, 93, 100, 6) << keine
                                         << QStringList() << QPointF();
        QTest::newRow("unknown age: no point") << schwellentest(-1) << QRectF(5, 0, 100, 59) << QRectF(5, 93, 100, 6)
                                               << keine << QStringList() << QPointF();
        PerzentilDaten dreiteilig = schwellentest(40);
        dreiteilig.kurven[0].alter = QStringList { "5-15", "20-30-40", "36-55", ">55" };
        QTest::newRow("band of three numbers ends the search")
            << dreiteilig << QRectF(5, 0, 100, 59) << QRectF(5, 93, 100, 6) << keine << QStringList() << QPointF();

        const PerzentilDaten screening = diagramm(10, 12, 0, 0, neunBaender, { 7.5, 8, 9, 9, 9, 6, 5, 4, 5 }, 80, 9);
        QTest::newRow("screening, scale 12, aged 80: 71-80")
            << screening << QRectF(5, 0, 100, 16) << keine << keine
            << QStringList { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12" } << QPointF(92.5, 25);

        const PerzentilDaten extended = diagramm(
            30.75, 48, 16, 41.5, neunBaender, { 19.4, 28.5, 30.75, 30.5, 28.15, 27.25, 24.88, 19.2, 13 }, 81, 24);
        QTest::newRow("extended, scale 48, aged 81: >81")
            << extended << QRectF(5, 0, 100, 35) << QRectF(5, 66, 100, 33) << QRectF(5, 0, 100, 100 - 41.5 * 100 / 48)
            << QStringList { "3", "6", "9", "12", "15", "18", "21", "24", "27", "30", "33", "36", "39", "42", "45",
                   "48" }
            << QPointF(105, 50);

        PerzentilDaten einBand = schwellentest(40);
        einBand.kurven[0].alter = QStringList { "5-99" };
        QTest::newRow("one band: zones only")
            << einBand << QRectF(5, 0, 100, 59) << QRectF(5, 93, 100, 6) << keine << QStringList() << QPointF();
    }

    void perzentilen()
    {
        QFETCH(PerzentilDaten, daten);
        QFETCH(QRectF, weiss);
        QFETCH(QRectF, dunkelgrau);
        QFETCH(QRectF, gelb);
        QFETCH(QStringList, wertbeschriftung);
        QFETCH(QPointF, punkt);

        const Diagramm d = lesen(Ergebnis::PerzentilenSvg(daten));
        // The generator writes coordinates with six significant digits.
        auto gleich = [](const QRectF& a, const QRectF& b) {
            return qAbs(a.left() - b.left()) + qAbs(a.top() - b.top()) + qAbs(a.right() - b.right())
                + qAbs(a.bottom() - b.bottom())
                < 0.001;
        };
        QCOMPARE(d.flaechen.first(), qMakePair(QStringLiteral("#c0c0c0"), QRectF(5, 0, 100, 100)));
        QVERIFY(gleich(d.flaeche("#ffffff"), weiss));
        QVERIFY(gleich(d.flaeche("#808080"), dunkelgrau));
        QVERIFY(gleich(d.flaeche("#ffff00"), gelb));
        QVERIFY(d.hat("Normosmie") && d.hat("Hyposmie"));
        QCOMPARE(d.hat("Anosmie"), !dunkelgrau.isNull());
        QCOMPARE(d.hat("Supersmeller"), !gelb.isNull());

        const bool mitGitter = daten.kurven[0].alter.size() >= 2;
        QCOMPARE(d.hat(daten.kurven[0].alter.last(), "#ff0000"), mitGitter);
        for (const QString& wert : wertbeschriftung)
            QVERIFY2(d.hat(wert, "#ff0000"), qPrintable(wert));
        if (!wertbeschriftung.isEmpty()) {
            QVERIFY(!d.hat("0"));
            QVERIFY(!d.hat(QString::number(wertbeschriftung.size() + 1)));
        }
        // Each curve is named at its end, in its own colour.
        QCOMPARE(d.hat("10", "#00ff00"), mitGitter);

        const QRectF punktflaeche = d.flaeche("#800000");
        QCOMPARE(punktflaeche.isNull(), punkt.isNull());
        QCOMPARE(d.hat("Ergebnis", "#800000"), !punkt.isNull());
        if (!punkt.isNull()) {
            QVERIFY(qAbs(punktflaeche.center().x() - punkt.x()) < 0.01);
            QVERIFY(qAbs(punktflaeche.center().y() - punkt.y()) < 0.01);
        }
    }

    // Grid lines of the four bands: step 3333, so 5, 38.33, 71.66 and 104.99.
    void altersgitter()
    {
        const Diagramm d = lesen(Ergebnis::PerzentilenSvg(schwellentest(40)));
        QVector<double> senkrecht;
        for (const auto& linie : d.linien)
            if (linie.first == QLatin1String("#ff0000") && linie.second.x1() == linie.second.x2())
                senkrecht << linie.second.x1();
        QCOMPARE(senkrecht, (QVector<double> { 5, 38.33, 71.66, 104.99 }));
    }

    void svgTexte_data()
    {
        QTest::addColumn<QString>("inhalt");
        QTest::addColumn<QStringList>("texte");

        QTest::newRow("template text") << "<text x=\"1\" y=\"2\" style=\"font-size:12px\"><tspan x=\"1\" "
                                          "y=\"2\">Name</tspan></text>"
                                       << QStringList { "Name" };
        QTest::newRow("hidden by opacity, fill-opacity, display, visibility")
            << "<text style=\"opacity:0\">a</text><text style=\"fill:#000;fill-opacity:0\">b</text>"
               "<g display=\"none\"><text>c</text></g><g style=\"visibility:hidden\"><text>d</text></g>"
               "<g style=\"fill-opacity:0\"><text>e</text></g><g opacity=\"0\"><g><text>f</text></g></g>"
               "<text fill=\"none\">g</text><text>h</text>"
            << QStringList { "h" };
        QTest::newRow("a marker shown again is drawn")
            << "<g style=\"fill-opacity:0\"><text style=\"fill:#000;fill-opacity:1\">*</text></g>"
            << QStringList { "*" };
        QTest::newRow("definitions are not drawn")
            << "<defs><text>x</text></defs><text>y</text>" << QStringList { "y" };
    }

    void svgTexte()
    {
        QFETCH(QString, inhalt);
        QFETCH(QStringList, texte);
        const SvgSeite seite((svgKopf + inhalt + QStringLiteral("</svg>")).toUtf8());
        QVERIFY(seite.isValid());
        QStringList gelesen;
        for (const SvgSeite::Text& t : seite.texte())
            gelesen << t.text;
        QCOMPARE(gelesen, texte);
    }

    // Attributes on a generator's group reach the text inside it.
    void geerbteAttribute()
    {
        const SvgSeite seite((svgKopf
            + "<g fill=\"#ff0000\" fill-opacity=\"0.5\" font-family=\"Noto Sans\" font-size=\"4\" font-weight=\"700\" "
              "transform=\"matrix(2,0,0,2,10,20)\"><text x=\"3\" y=\"4\" text-anchor=\"end\">10</text></g></svg>")
                                 .toUtf8());
        QCOMPARE(seite.texte().size(), 1);
        const SvgSeite::Text& t = seite.texte().first();
        QCOMPARE(t.matrix.map(t.position), QPointF(16, 28));
        QCOMPARE(t.groesse, 4.0);
        QCOMPARE(t.schrift.weight(), int(QFont::Bold));
        QCOMPARE(t.farbe.red(), 255);
        QVERIFY(qAbs(t.farbe.alphaF() - 0.5) < 0.01);
        QCOMPARE(t.anker, Qt::AlignRight);
        QCOMPARE(seite.defaultSize(), QSize(100, 50));
    }

    // Drawn at its anchor in the view box's mapping: the 200 x 100 view box fills a 200 x 100 picture.
    void gezeichneteTexte_data()
    {
        QTest::addColumn<QString>("inhalt");
        QTest::addColumn<int>("links");
        QTest::addColumn<int>("rechts");
        QTest::addColumn<bool>("hochkant");

        const QString text = QStringLiteral("<text x=\"100\" y=\"60\" style=\"font-size:20px;text-anchor:%1\">"
                                            "<tspan x=\"100\" y=\"60\">MMMM</tspan></text>");
        QTest::newRow("start") << text.arg("start") << 100 << 200 << false;
        QTest::newRow("middle") << text.arg("middle") << 50 << 150 << false;
        QTest::newRow("end") << text.arg("end") << 0 << 100 << false;
        QTest::newRow("rotated on the text itself")
            << "<text transform=\"rotate(-90)\" x=\"-90\" y=\"100\" style=\"font-size:20px\">MMMM</text>" << 80 << 105
            << true;
    }

    void gezeichneteTexte()
    {
        QFETCH(QString, inhalt);
        QFETCH(int, links);
        QFETCH(int, rechts);
        QFETCH(bool, hochkant);

        const QRect flaeche = dunkleFlaeche(inhalt);
        QVERIFY2(flaeche.left() >= links - 2 && flaeche.right() <= rechts + 2,
            qPrintable(QStringLiteral("%1..%2").arg(flaeche.left()).arg(flaeche.right())));
        QCOMPARE(flaeche.height() > flaeche.width(), hochkant);
        QVERIFY(qMax(flaeche.width(), flaeche.height()) > 50);
    }
};

DUFTLOTSE_TEST_MAIN(ErgebnisTest)
#include "tst_ergebnis.moc"
