#include "testsupport.h"

#include "beispieluntersuchung.h"
#include "datenbank.h"
#include "ergebnis.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

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
                   "RStift2.3 opacity:0", "LPunkt2 =1", "LPunkt2 fill:#0000FF", "RPunkt2 =0" };
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
                   "LStift1.1 opacity:1", "LStift1.2 opacity:0", "LPunkt1 =0" };
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
        db->PatientSpeichern("Anna", "Berg", geburt.toString("dd.MM.yyyy"), "weiblich", "", "AB-1", "", "", "", "");
        db->TestLaden(ExtendedTest);
        db->TestStartSpeichern("Extended Test", 2, 0);
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

    // A failure is never silent, keeps an earlier report and leaves nothing behind; each row has its own folder.
    void pdf_data()
    {
        QTest::addColumn<QString>("vorher"); // what stands at the report's place, in Documents
        QTest::addColumn<bool>("gespeichert");
        QTest::addColumn<QString>("code");

        QTest::newRow("documents folder missing: created") << "" << true << "JM-0815";
        QTest::newRow("documents folder blocked by a file") << "blockiert" << false << "JM-0815";
        QTest::newRow("earlier report replaced") << "datei" << true << "JM-0815";
        // 246 characters + ".pdf" fit a file name; a temporary name beside it does not.
        QTest::newRow("earlier report kept when nothing fits beside it") << "datei" << false << QString(246, 'x');
    }

    void pdf()
    {
        QFETCH(QString, vorher);
        QFETCH(bool, gespeichert);
        QFETCH(QString, code);

        const QString pdf = dokumente + QLatin1Char('/') + code + QStringLiteral(".pdf");
        const QByteArray alt("frühere Fassung");
        QFile::remove(dokumente);
        QVERIFY(QDir(dokumente).removeRecursively() && (vorher != QLatin1String("datei") || QDir().mkpath(dokumente)));
        QFile datei(vorher == QLatin1String("blockiert") ? dokumente : pdf);
        QVERIFY(vorher.isEmpty() || (datei.open(QIODevice::WriteOnly) && datei.write(alt) == alt.size()));
        datei.close();

        beispiel::untersuchungSpeichern(*db, code);
        const auto box = gespeichert ? nullptr : testsupport::answerNextMessageBoxSeen("OK");
        QLabel label;
        const Ergebnis bericht(nullptr, &label, db.get());

        // The examiner sees the report in any case.
        QCOMPARE(label.pixmap(Qt::ReturnByValue).width(), 1015);
        QCOMPARE(QDir(dokumente).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            vorher == QLatin1String("blockiert") ? QStringList() : QStringList { code + QStringLiteral(".pdf") });
        if (!gespeichert) {
            QVERIFY(box->beantwortet && box->fingergerecht);
            QCOMPARE(box->text, QStringLiteral("Der Bericht konnte nicht als PDF gespeichert werden:\n") + pdf);
            QVERIFY(vorher != QLatin1String("datei") || (datei.open(QIODevice::ReadOnly) && datei.readAll() == alt));
            return;
        }
        // Every section with real text, the chart on a second page, in a small file.
        const QString info = testsupport::ausgabe("pdfinfo", { pdf });
        QVERIFY2(info.contains("(A4)") && info.contains(QRegularExpression("Pages:\\s+2\\n")), qPrintable(info));
        const QString text = testsupport::pdfText(pdf);
        for (const char* gesucht :
            { "Jörg Müller", "*14.03.1961", "38.50", "Punktwert: 38.5 (Grenzwert: 30.75) - Normalbefund",
                "Schwellentest", "Diskriminationstest", "Gewürznelke", "Normosmie", "61-70" })
            QVERIFY2(text.contains(QString::fromUtf8(gesucht)), gesucht);
        QVERIFY2(QFileInfo(pdf).size() < 300 * 1024, qPrintable(QString::number(QFileInfo(pdf).size())));
    }
};

DUFTLOTSE_TEST_MAIN(BerichtTest)
#include "tst_bericht.moc"
