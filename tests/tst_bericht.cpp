#include "testsupport.h"

#include "beispieluntersuchung.h"
#include "datenbank.h"
#include "ergebnis.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <csignal>
#include <sys/resource.h>

using Baustein = int (*)(QByteArray*, QVector<TestErgebnis>);
Q_DECLARE_METATYPE(Baustein)

namespace
{

void idsSammeln(const QDomElement& e, QHash<QString, QDomElement>& ids)
{
    ids.insert(e.attribute(QStringLiteral("id")), e);
    for (QDomElement kind = e.firstChildElement(); !kind.isNull(); kind = kind.nextSiblingElement())
        idsSammeln(kind, ids);
}

QVector<TestErgebnis> lauf(TestArt art, int nase, const QVector<TestErgebnisStift>& stifte,
    const QVector<TestErgebnisSchwelleAuswahl>& schritte = {})
{
    return { TestErgebnis { art, nase, false, 0, 0, 0, 0, 0, stifte, {}, schritte, {}, {} } };
}

// In the run's private home, which isolateEnvironment() makes HOME.
const QString dokumente = testsupport::homePath() + QStringLiteral("/Documents");

} // namespace

class BerichtTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Datenbank> db;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        db = std::make_unique<Datenbank>(nullptr);
    }

    // Each expectation: "ID =text" or "ID " and a part of its style ("opacity:1" shown, "opacity:0" hidden).
    void abschnitt_data()
    {
        QTest::addColumn<Baustein>("baustein");
        QTest::addColumn<QVector<TestErgebnis>>("ergebnisse");
        QTest::addColumn<QStringList>("erwartet");

        QTest::newRow("screening, left, pen 2 right")
            << &Ergebnis::ErgebnisEintragenScreening
            << lauf(Screening12, 0, { { 2, { "Orange", "Brombeere", "Erdbeere" }, 3, 3 } })
            << QStringList { "Stift2.1 =Orange", "Stift2.3 fill:#00FF00", "LStift2.3 opacity:1", "LStift2.1 opacity:0",
                   "RStift2.3 opacity:0", "LPunkt2 =1", "LPunkt2 fill:#0000FF", "LPunkt1 =0", "RPunkt2 =–",
                   "BPunkt12 =–" };
        QTest::newRow("identification, both sides right; side 3 marks nothing")
            << &Ergebnis::ErgebnisEintragenIdentifikation
            << lauf(Identifikationstest_blau, 2, { { 16, { "a", "b" }, 2, 2 } })
                + lauf(Identifikationstest_blau, 3, { { 1, { "a" }, 1, 1 } })
            << QStringList { "BStift16.2 opacity:1", "BStift16.1 opacity:0", "BPunkt16 =1", "BPunkt16 fill:#008080",
                   "Stift1.1 =–", "BStift1.1 opacity:0" };
        QTest::newRow("discrimination, right triplet 5 green, left triplet 1 red")
            << &Ergebnis::ErgebnisEintragenDiskrimination
            << lauf(Diskriminationstest, 1, { { 5, {}, 1, 1 } }) + lauf(Diskriminationstest, 0, { { 1, {}, 1, 0 } })
            << QStringList { "RStift5.2 opacity:1", "RStift5.1 opacity:0", "RPunkt5 =1", "RPunkt5 fill:#FF0000",
                   "LStift1.1 opacity:1", "LStift1.2 opacity:0", "LPunkt1 =0", "RPunkt16 =0", "BPunkt16 =–" };
        QTest::newRow("threshold, repeated triplet and a reversal; the right side starts afresh")
            << &Ergebnis::ErgebnisEintragenSchwelle
            << lauf(Schwellentest, 0, {}, { { 0, 6, true }, { 0, 6, true }, { 1, 7, false } })
                + lauf(Schwellentest, 1, {}, { { 0, 14, false }, { 1, 12, true } })
            << QStringList { "W6_1L =XX", "W6_1L opacity:1", "W7_1L =-", "W7_1L opacity:1", "W7_2L opacity:0",
                   "W12_3L opacity:0", "W14_1R =-", "W12_1R =X", "W12_1R opacity:1", "W6_1R opacity:0" };
    }

    void abschnitt()
    {
        QFETCH(Baustein, baustein);
        QFETCH(QVector<TestErgebnis>, ergebnisse);
        QFETCH(QStringList, erwartet);

        QByteArray svg;
        QCOMPARE(baustein(&svg, ergebnisse), 1);
        QDomDocument doc;
        QVERIFY(doc.setContent(svg));
        QHash<QString, QDomElement> ids;
        idsSammeln(doc.documentElement(), ids);
        for (const QString& erwartung : erwartet) {
            const QDomElement e = ids.value(erwartung.section(QLatin1Char(' '), 0, 0));
            const QString was = erwartung.section(QLatin1Char(' '), 1);
            const QString stil = e.attribute(QStringLiteral("style"));
            const bool ok = was.startsWith(QLatin1Char('=')) ? e.text() == was.mid(1) : stil.contains(was);
            QVERIFY2(!e.isNull() && ok, qPrintable(erwartung + QStringLiteral(": ") + e.text() + " / " + stil));
        }
    }

    // Header and chart take the same calendar age; the English extended test has the German bands.
    void alter_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("geburt");
        QTest::addColumn<QString>("kopf");
        QTest::addColumn<int>("band"); // of the nine, from 0

        const QDate heute = QDate::currentDate();
        QTest::newRow("13, German") << "de_DE" << heute.addYears(-13).addDays(-40) << "13 Jahre" << 1;
        QTest::newRow("13, English") << "en_US" << heute.addYears(-13).addDays(-40) << "13 years" << 1;
        QTest::newRow("11th birthday today") << "de_DE" << heute.addYears(-11) << "11 Jahre" << 1;
        QTest::newRow("10, birthday tomorrow") << "de_DE" << heute.addYears(-11).addDays(1) << "10 Jahre" << 0;
    }

    void alter()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, geburt);
        QFETCH(QString, kopf);
        QFETCH(int, band);

        QLocale::setDefault(QLocale(locale));
        QTranslator englisch;
        if (locale == QLatin1String("en_US"))
            QVERIFY(englisch.load(":/sprachen/DE_EN.qm") && QCoreApplication::installTranslator(&englisch));
        testsupport::personenSpeichern(*db, geburt.toString("dd.MM.yyyy"));
        testsupport::testStarten(*db, ExtendedTest);
        const Ergebnis bericht(nullptr, nullptr, db.get());
        QCoreApplication::removeTranslator(&englisch);
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));

        QVERIFY2(bericht.svgdaten.contains(kopf.toUtf8()), qPrintable(kopf));
        // The patient's point, 3 wide, on the grid line of its band: 12.5 apart for the nine bands.
        const QString punkt = QStringLiteral("fill=\"#800000\"[^>]*>\\s*<rect x=\"%1\"").arg(3.5 + band * 12.5);
        QVERIFY2(QString::fromUtf8(bericht.svgdatenPerzentile).contains(QRegularExpression(punkt)), qPrintable(punkt));
    }

    // An examination without results still gives a report: one empty page and an empty picture.
    void ohneErgebnisse()
    {
        db->PatientLoeschen(-1);
        db->TestLoeschen(-1);
        QLabel label;
        const Ergebnis bericht(nullptr, &label, db.get());
        QVERIFY(bericht.svgdaten.isEmpty() && bericht.svgdatenPerzentile.isEmpty());
        QVERIFY(testsupport::ausgabe("pdfinfo", { dokumente + "/PdfFile.pdf" })
                    .contains(QRegularExpression("Pages: +1\\n")));
    }

    // A failure is never silent, never replaces or cuts short a report, leaves no draft and offers another folder;
    // a second report for the same code goes beside the first. Each row has its own documents folder.
    void pdf_data()
    {
        QTest::addColumn<QString>("vorher"); // in Documents: "datei" an earlier report; Documents "blockiert" by a file
        QTest::addColumn<bool>("voll"); // the disk fills up while the PDF is written
        QTest::addColumn<QString>("antwort"); // to the failure message; empty: none comes
        QTest::addColumn<QString>("gespeichert"); // below HOME; empty: not saved
        QTest::addColumn<QStringList>("dateien"); // in Documents afterwards

        QTest::newRow("documents folder missing: created") << "" << false << ""
                                                           << "Documents/JM-0815.pdf" << QStringList { "JM-0815.pdf" };
        QTest::newRow("second report beside the first")
            << "datei" << false << ""
            << "Documents/JM-0815 (2).pdf" << QStringList { "JM-0815 (2).pdf", "JM-0815.pdf" };
        QTest::newRow("disk full") << "datei" << true << "OK"
                                   << "" << QStringList { "JM-0815.pdf" };
        QTest::newRow("folder blocked, another one chosen") << "blockiert" << false << "Anderen Ordner wählen…"
                                                            << "anders/JM-0815.pdf" << QStringList();
    }

    void pdf()
    {
        QFETCH(QString, vorher);
        QFETCH(bool, voll);
        QFETCH(QString, antwort);
        QFETCH(QString, gespeichert);
        QFETCH(QStringList, dateien);

        const QString anders = testsupport::homePath() + QStringLiteral("/anders");
        const QByteArray alt("frühere Fassung");
        QFile::remove(dokumente);
        QVERIFY(QDir(dokumente).removeRecursively() && QDir(anders).removeRecursively() && QDir().mkpath(anders));
        QVERIFY(vorher != QLatin1String("datei") || QDir().mkpath(dokumente));
        QFile datei(dokumente + (vorher == QLatin1String("blockiert") ? QString() : QStringLiteral("/JM-0815.pdf")));
        QVERIFY(vorher.isEmpty() || (datei.open(QIODevice::WriteOnly) && datei.write(alt) == alt.size()));
        datei.close();

        beispiel::untersuchungSpeichern(*db);
        const QString versucht = Ergebnis::PdfDateiname(dokumente, QStringLiteral("JM-0815"));
        const auto box = testsupport::answerNextMessageBoxSeen(antwort);
        const auto dialog = testsupport::answerNextFolderDialog(anders);
        rlimit grenze {};
        getrlimit(RLIMIT_FSIZE, &grenze);
        const rlimit knapp { 2048, grenze.rlim_max };
        QVERIFY(!voll || (signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &knapp) == 0));
        QLabel label;
        const Ergebnis bericht(nullptr, &label, db.get());
        QVERIFY(setrlimit(RLIMIT_FSIZE, &grenze) == 0);

        // The examiner sees the report in any case, and where it is.
        QCOMPARE(label.pixmap(Qt::ReturnByValue).width(), 1015);
        QCOMPARE(bericht.pdfPfad(), gespeichert.isEmpty() ? QString() : testsupport::homePath() + '/' + gespeichert);
        QCOMPARE(QDir(dokumente).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), dateien);
        QCOMPARE(box->beantwortet, !antwort.isEmpty());
        QCOMPARE(*dialog, antwort.startsWith(QStringLiteral("Anderen")));
        QVERIFY(antwort.isEmpty()
            || (box->fingergerecht
                && box->text.remove(QChar(0x200B))
                    == QStringLiteral("Der Bericht konnte nicht als PDF gespeichert werden:\n") + versucht));
        QVERIFY(vorher != QLatin1String("datei") || (datei.open(QIODevice::ReadOnly) && datei.readAll() == alt));
        QVERIFY(gespeichert.isEmpty() || QFileInfo(bericht.pdfPfad()).size() > 10000);
    }

    // The PDF as printed: real text, its title, the legend only with decongestion, long entries cut inside their
    // fields, nothing near the paper's edge, and attached the results with every number the header prints.
    void inhalt_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("einzeln"); // a discrimination test on the right only, with long entries
        QTest::addColumn<QStringList>("texte"); // the PDF's title first, then texts of its pages
        QTest::addColumn<bool>("legende"); // the decongestion legend

        QTest::newRow("extended, German")
            << "de_DE" << false
            << QStringList { "Riechtest – Befundbericht – JM-0815", "Jörg Müller", "*14.03.1961", "Gewürznelke",
                   "Normosmie", "61-70", "* mit Abschwellung" }
            << true;
        QTest::newRow("extended, English")
            << "en_US" << false << QStringList { "Smell test report – JM-0815", "* after decongestion" } << true;
        QTest::newRow("right only, English, control characters pasted into the entries")
            << "en_US" << true
            << QStringList { "Smell test report – E-7", "Hohenzollern… Examiner: Erika Mustermann",
                   "Comment: erste Zeile zweite Zeile… Test" }
            << false;
    }

    void inhalt()
    {
        QFETCH(QString, locale);
        QFETCH(bool, einzeln);
        QFETCH(QStringList, texte);
        QFETCH(bool, legende);

        QFile::remove(dokumente); // left blocked by the last row above
        QLocale::setDefault(QLocale(locale));
        if (einzeln) {
            testsupport::personenSpeichern(*db, "01.02.1950", "E-7", "Maximiliane\x01 Theodora Wilhelmine",
                "von Hohenzollern-Sigmaringen-Auerbach", "erste\vZeile\nzweite Zeile\ndritte Zeile");
            testsupport::diskriminationsLauf(*db, 1, 16);
        } else {
            beispiel::untersuchungSpeichern(*db);
        }
        const Ergebnis bericht(nullptr, nullptr, db.get());
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        const QString pdf = bericht.pdfPfad();
        const QString info = testsupport::ausgabe("pdfinfo", { pdf });
        QVERIFY2(info.contains("Title:           " + texte.takeFirst() + "\n") && info.contains("(A4)")
                && info.contains(QRegularExpression("Creator: +Duftlotse \\d+\\.\\d+\\n"))
                && info.contains(QRegularExpression(einzeln ? "Pages: +1\\n" : "Pages: +2\\n")),
            qPrintable(info));
        const QString text = testsupport::pdfText(pdf);
        for (const QString& gesucht : qAsConst(texte))
            QVERIFY2(text.contains(gesucht), qPrintable(gesucht + " in " + text));
        QCOMPARE(text.contains("decongestion") || text.contains("Abschwellung"), legende);
        QVERIFY(!text.contains("dritte") && QFileInfo(pdf).size() < 300 * 1024);

        // Nothing within 5 mm (14 pixels at 72 dpi) of the edge of any page.
        QTemporaryDir bilder;
        testsupport::ausgabe("pdftoppm", { "-r", "72", "-gray", "-png", pdf, bilder.path() + "/s" });
        for (const QString& seite : QDir(bilder.path()).entryList({ "*.png" })) {
            const QImage bild(bilder.filePath(seite));
            const QRect innen = bild.rect().adjusted(14, 14, -14, -14);
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    QVERIFY2(innen.contains(x, y) || qGray(bild.pixel(x, y)) > 250,
                        qPrintable(QStringLiteral("%1 at %2, %3").arg(seite).arg(x).arg(y)));
        }

        const QString json = bilder.filePath("ergebnis.json");
        QVERIFY(testsupport::ausgabe("pdfdetach", { "-list", pdf }).contains("1: ergebnis.json"));
        testsupport::ausgabe("pdfdetach", { "-save", "1", "-o", json, pdf });
        QFile datei(json);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QJsonObject befund = QJsonDocument::fromJson(datei.readAll()).object();
        QDomDocument kopf;
        // Read as strictly as the SVG renderer reads.
        QXmlStreamReader leser(bericht.svgdaten);
        QVERIFY(kopf.setContent(&leser, false));
        const auto gedruckt = [&](const QString& id, const QJsonValue& wert) {
            const QString zahl = !wert.isDouble() ? QStringLiteral("–") : QString::number(wert.toDouble(), 'f', 2);
            QVERIFY2(Ergebnis::TextVon(kopf, id) == zahl, qPrintable(id + ": " + zahl));
        };
        QCOMPARE(befund.value("language").toString() + befund.value("patient")["code"].toString(),
            locale.left(2) + (einzeln ? "E-7" : "JM-0815"));
        const QJsonArray tests = befund.value("tests").toArray();
        QCOMPARE(tests.size(), einzeln ? 1 : 3);
        for (const QJsonValue& test : tests) {
            const QString name = QStringList { "", "Screening", "Identifikation", "Schwelle", "Diskrimination" }.value(
                test["kind"].toInt());
            QCOMPARE(test["name"].toString(), Ergebnis::TextVon(kopf, "Test" + name));
            SCHRITT(gedruckt("MaxErgebnis" + name, test["best"]));
            SCHRITT(gedruckt("RefErgebnis" + name, test["reference"]));
            for (const char* seite : { "left", "right", "bilateral" })
                SCHRITT(gedruckt(
                    QChar(seite[0]).toUpper() + QStringLiteral("Ergebnis") + name, test["sides"][seite]["score"]));
        }
        const QJsonObject urteil = befund.value("verdict").toObject();
        SCHRITT(gedruckt("MaxErgebnisSumme", urteil["score"]));
        SCHRITT(gedruckt("RefErgebnisSumme", urteil["cutoff"]));
        QVERIFY(text.contains(urteil["text"].toString()));
    }
};

DUFTLOTSE_TEST_MAIN(BerichtTest)
#include "tst_bericht.moc"
