#include "testsupport.h"

#include "beispieluntersuchung.h"
#include "datenbank.h"
#include "ergebnis.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

namespace
{

QDomElement elementMitId(const QDomElement& eltern, const QString& id)
{
    for (QDomElement e = eltern.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.attribute(QStringLiteral("id")) == id)
            return e;
        const QDomElement tiefer = elementMitId(e, id);
        if (!tiefer.isNull())
            return tiefer;
    }
    return QDomElement();
}

// Checks one expectation on a produced section: "ID sichtbar", "ID versteckt", "ID =text" or "ID fill:#RRGGBB".
QString pruefen(const QByteArray& svg, const QString& erwartung)
{
    QDomDocument doc;
    doc.setContent(svg);
    const QString id = erwartung.section(QLatin1Char(' '), 0, 0);
    const QString was = erwartung.section(QLatin1Char(' '), 1);
    const QDomElement e = elementMitId(doc.documentElement(), id);
    if (e.isNull())
        return id + QStringLiteral(" fehlt");
    const QString stil = e.attribute(QStringLiteral("style"));
    const bool versteckt = stil.contains(QLatin1String("opacity:0"));
    bool ok = false;
    if (was == QLatin1String("sichtbar"))
        ok = !versteckt;
    else if (was == QLatin1String("versteckt"))
        ok = versteckt;
    else if (was.startsWith(QLatin1Char('=')))
        ok = e.text() == was.mid(1);
    else
        ok = stil.contains(was);
    return ok ? QString() : erwartung + QStringLiteral(": ") + e.text() + QStringLiteral(" / ") + stil;
}

TestErgebnis stiftLauf(TestArt art, int nase, int nr, int richtig, int auswahl, const QStringList& namen = {})
{
    TestErgebnis t;
    t.testArt = art;
    t.nase = nase;
    t.Stifte = { TestErgebnisStift { nr, namen, richtig, auswahl } };
    return t;
}

TestErgebnis schwellenLauf(int nase, const QVector<TestErgebnisSchwelleAuswahl>& schritte)
{
    TestErgebnis t;
    t.testArt = Schwellentest;
    t.nase = nase;
    t.SchwellenAuswahl = schritte;
    return t;
}

// The report folder comes from HOME; each case gets its own, put back afterwards.
struct EigenesZuhause {
    QTemporaryDir ordner;
    const QByteArray vorher = qgetenv("HOME");
    EigenesZuhause()
    {
        qputenv("HOME", QFile::encodeName(ordner.path()));
    }
    ~EigenesZuhause()
    {
        qputenv("HOME", vorher);
    }
    QString dokumente() const
    {
        return ordner.path() + QStringLiteral("/Documents");
    }
};

const QStringList namen { "Orange", "Brombeere", "Erdbeere", "Ananas" };

} // namespace

class BerichtTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Datenbank> db;

    void neuerPatient(const QString& geburtsdatum)
    {
        db->PatientSpeichern("Anna", "Berg", geburtsdatum, "weiblich", "", "AB-1", "", "", "", "");
        db->UntersucherSpeichern("Erika", "Mustermann", "");
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        db = std::make_unique<Datenbank>(nullptr);
    }

    void abschnitt_data()
    {
        QTest::addColumn<QVector<TestErgebnis>>("ergebnisse");
        QTest::addColumn<QStringList>("erwartet");

        QTest::newRow("screening, left, pen 2 right")
            << QVector<TestErgebnis> { stiftLauf(Screening12, 0, 2, 3, 3, namen) }
            << QStringList { "Stift2.1 =Orange", "Stift2.3 =Erdbeere", "Stift2.3 fill:#00FF00", "Stift2.1 fill:#000000",
                   "LStift2.3 sichtbar", "LStift2.1 versteckt", "LStift2.2 versteckt", "LStift2.4 versteckt",
                   "LPunkt2 =1", "LPunkt2 fill:#0000FF", "RPunkt2 =0", "BPunkt2 =0" };
        QTest::newRow("screening, the same pen answered 1 on the right")
            << QVector<TestErgebnis> { stiftLauf(Screening12, 1, 2, 3, 1, namen) }
            << QStringList { "RStift2.1 sichtbar", "RStift2.3 versteckt", "Stift2.3 fill:#00FF00", "RPunkt2 =0" };
        QTest::newRow("identification, no answer")
            << QVector<TestErgebnis> { stiftLauf(Identifikationstest_blau, 2, 16, 2, 0, namen) }
            << QStringList { "BStift16.1 versteckt", "BStift16.2 versteckt", "BPunkt16 =0", "Stift16.2 fill:#00FF00" };
        QTest::newRow("identification, both sides right")
            << QVector<TestErgebnis> { stiftLauf(Identifikationstest_blau, 2, 16, 2, 2, namen) }
            << QStringList { "BStift16.2 sichtbar", "BPunkt16 =1", "BPunkt16 fill:#008080" };
        QTest::newRow("identification, side 3 marks nothing")
            << QVector<TestErgebnis> { stiftLauf(Identifikationstest_blau, 3, 1, 1, 1, namen) }
            << QStringList { "Stift1.1 =–", "LStift1.1 versteckt", "RStift1.1 versteckt", "BStift1.1 versteckt" };
        QTest::newRow("discrimination, right, triplet 5 green")
            << QVector<TestErgebnis> { stiftLauf(Diskriminationstest, 1, 5, 1, 1) }
            << QStringList { "RStift5.2 sichtbar", "RStift5.1 versteckt", "RPunkt5 =1", "RPunkt5 fill:#FF0000" };
        QTest::newRow("discrimination, left, triplet 1 red")
            << QVector<TestErgebnis> { stiftLauf(Diskriminationstest, 0, 1, 1, 0) }
            << QStringList { "LStift1.1 sichtbar", "LStift1.2 versteckt", "LPunkt1 =0" };
        QTest::newRow("threshold, repeated triplet and a reversal")
            << QVector<TestErgebnis> { schwellenLauf(0, { { 0, 6, true }, { 0, 6, true }, { 1, 7, false } }) }
            << QStringList { "W6_1L =XX", "W6_1L sichtbar", "W7_1L =-", "W7_1L sichtbar", "W7_2L versteckt",
                   "W12_3L versteckt", "W6_1R versteckt" };
        QTest::newRow("threshold, left and right start afresh") << QVector<TestErgebnis> {
            schwellenLauf(0, { { 0, 16, false }, { 0, 14, true } }),
            schwellenLauf(1, { { 0, 14, false }, { 1, 12, true } })
        } << QStringList { "W16_1L =-", "W14_1L =X", "W14_1R =-", "W12_1R =X", "W12_1R sichtbar", "W16_1R versteckt" };
    }

    void abschnitt()
    {
        QFETCH(QVector<TestErgebnis>, ergebnisse);
        QFETCH(QStringList, erwartet);

        QByteArray svg;
        int gebaut = 0;
        switch (ergebnisse.first().testArt) {
        case Screening12:
            gebaut = Ergebnis::ErgebnisEintragenScreening(&svg, ergebnisse);
            break;
        case Identifikationstest_blau:
            gebaut = Ergebnis::ErgebnisEintragenIdentifikation(&svg, ergebnisse);
            break;
        case Schwellentest:
            gebaut = Ergebnis::ErgebnisEintragenSchwelle(&svg, ergebnisse);
            break;
        default:
            gebaut = Ergebnis::ErgebnisEintragenDiskrimination(&svg, ergebnisse);
        }
        QCOMPARE(gebaut, 1);
        QStringList fehler;
        for (const QString& e : erwartet)
            fehler << pruefen(svg, e);
        fehler.removeAll(QString());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    }

    void bericht_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QStringList>("abschnitte"); // the non-empty arrays
        QTest::addColumn<int>("seiten");

        QTest::newRow("extended test, every part on three sides")
            << "extended" << QStringList { "Kopf", "Schwelle", "Diskrimination", "Identifikation", "Perzentile" } << 2;
        QTest::newRow("two threshold runs: the chart on a new page")
            << "schwelle" << QStringList { "Kopf", "Schwelle", "Perzentile" } << 2;
        QTest::newRow("no results: one empty page") << "leer" << QStringList() << 1;
    }

    void bericht()
    {
        QFETCH(QString, art);
        QFETCH(QStringList, abschnitte);
        QFETCH(int, seiten);

        if (art == QLatin1String("extended")) {
            beispiel::untersuchungSpeichern(*db);
        } else {
            neuerPatient(QStringLiteral("01.02.1990"));
            for (int nase = 0; nase < 2 && art == QLatin1String("schwelle"); ++nase) {
                db->TestLaden(Schwellentest);
                db->TestStartSpeichern("Schwellentest", nase, 0);
                db->WendepunkteSpeichern({ { 16, false, 0 }, { 14, true, 0 }, { 14, true, 1 } });
            }
        }
        const QString code = db->Patientendaten(0).value("Personencode");
        QLabel label;
        const Ergebnis bericht(nullptr, &label, db.get());

        const QMap<QString, QByteArray> felder { { "Kopf", bericht.svgdaten },
            { "Screening", bericht.svgdatenScreening }, { "Schwelle", bericht.svgdatenSchwelle },
            { "Diskrimination", bericht.svgdatenDiskrimination }, { "Identifikation", bericht.svgdatenIdentifikation },
            { "Perzentile", bericht.svgdatenPerzentile } };
        for (auto it = felder.cbegin(); it != felder.cend(); ++it)
            QVERIFY2(it.value().isEmpty() != abschnitte.contains(it.key()), qPrintable(it.key()));
        QCOMPARE(label.pixmap(Qt::ReturnByValue).isNull(), abschnitte.isEmpty());

        const QString pdf = QDir::homePath() + QStringLiteral("/Documents/") + code + QStringLiteral(".pdf");
        QVERIFY(QFile::exists(pdf));
        const QString info = testsupport::ausgabe("pdfinfo", { pdf });
        QVERIFY2(info.contains("(A4)"), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(seiten))), qPrintable(info));
        if (art != QLatin1String("extended"))
            return;

        // Real text of templates and chart, and a small file.
        const QString text = testsupport::pdfText(pdf);
        for (const char* gesucht :
            { "Jörg Müller", "*14.03.1961", "38.50", "30.75", "Punktwert: 38.5 (Grenzwert: 30.75) - Normalbefund",
                "Identifikationstest", "Gewürznelke", "Normosmie", "Ergebnis", "61-70", "Perzentile" })
            QVERIFY2(text.contains(QString::fromUtf8(gesucht)), gesucht);
        QVERIFY2(QFileInfo(pdf).size() < 300 * 1024, qPrintable(QString::number(QFileInfo(pdf).size())));
        QCOMPARE(label.size(), label.pixmap(Qt::ReturnByValue).size());
        QCOMPARE(label.width(), 1015);
    }

    // Header and chart take the same calendar age; the English extended test has the German bands.
    void alter_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("jahre");
        QTest::addColumn<int>("tage"); // days after the birthday
        QTest::addColumn<QString>("kopf");
        QTest::addColumn<int>("band");

        QTest::newRow("13, German") << "de_DE" << 13 << 40 << "13 Jahre" << 1;
        QTest::newRow("13, English") << "en_US" << 13 << 40 << "13 years" << 1;
        QTest::newRow("11th birthday today") << "de_DE" << 11 << 0 << "11 Jahre" << 1;
        QTest::newRow("10, the day before the birthday") << "de_DE" << 11 << -1 << "10 Jahre" << 0;
    }

    void alter()
    {
        QFETCH(QString, locale);
        QFETCH(int, jahre);
        QFETCH(int, tage);
        QFETCH(QString, kopf);
        QFETCH(int, band);

        QLocale::setDefault(QLocale(locale));
        QTranslator englisch;
        if (locale == QLatin1String("en_US")) {
            QVERIFY(englisch.load(QStringLiteral(":/sprachen/DE_EN.qm")));
            QCoreApplication::installTranslator(&englisch);
        }
        neuerPatient(QDate::currentDate().addYears(-jahre).addDays(-tage).toString("dd.MM.yyyy"));
        db->TestLaden(ExtendedTest);
        db->TestStartSpeichern("Extended Test", 2, 0);
        const Ergebnis bericht(nullptr, nullptr, db.get());
        QCoreApplication::removeTranslator(&englisch);
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));

        QVERIFY2(bericht.svgdaten.contains(kopf.toUtf8()), qPrintable(kopf));
        QDomDocument chart;
        QVERIFY(chart.setContent(bericht.svgdatenPerzentile));
        const QDomNodeList rechtecke = chart.elementsByTagName("rect");
        double x = -1;
        for (int i = 0; i < rechtecke.size(); ++i) {
            const QDomElement r = rechtecke.at(i).toElement();
            if (r.parentNode().toElement().attribute("fill") == QLatin1String("#800000"))
                x = r.attribute("x").toDouble() + r.attribute("width").toDouble() / 2;
        }
        QCOMPARE(x, 5 + band * 12.5);
    }

    void pdfFehler_data()
    {
        QTest::addColumn<QString>("vorher"); // what stands at the report's place, in Documents
        QTest::addColumn<int>("codelaenge"); // 0: "JM-0815"
        QTest::addColumn<bool>("gespeichert");

        QTest::newRow("documents folder missing: created") << "" << 0 << true;
        QTest::newRow("earlier report replaced") << "datei" << 0 << true;
        QTest::newRow("documents folder blocked by a file") << "blockiert" << 0 << false;
        QTest::newRow("report's place taken by a folder") << "ordner" << 0 << false;
        // 246 characters + ".pdf" fit a file name; a temporary name beside it does not.
        QTest::newRow("earlier report kept when nothing fits beside it") << "datei" << 246 << false;
    }

    void pdfFehler()
    {
        QFETCH(QString, vorher);
        QFETCH(int, codelaenge);
        QFETCH(bool, gespeichert);

        const EigenesZuhause zuhause;
        const QString code = codelaenge ? QString(codelaenge, QLatin1Char('x')) : QStringLiteral("JM-0815");
        const QString pdf = zuhause.dokumente() + QLatin1Char('/') + code + QStringLiteral(".pdf");
        const QByteArray alt("frühere Fassung");
        if (vorher == QLatin1String("blockiert")) {
            QFile datei(zuhause.dokumente());
            QVERIFY(datei.open(QIODevice::WriteOnly));
        } else if (vorher == QLatin1String("ordner")) {
            QVERIFY(QDir().mkpath(pdf));
        } else if (vorher == QLatin1String("datei")) {
            QVERIFY(QDir().mkpath(zuhause.dokumente()));
            QFile datei(pdf);
            QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(alt) == alt.size());
        }
        QStringList davor = QDir(zuhause.dokumente()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        beispiel::untersuchungSpeichern(*db, code);
        const auto box = gespeichert ? nullptr : testsupport::answerNextMessageBoxSeen("OK");
        QLabel label;
        const Ergebnis bericht(nullptr, &label, db.get());

        // The examiner sees the report in any case, and a failure is never silent.
        QVERIFY(!label.pixmap(Qt::ReturnByValue).isNull());
        if (!gespeichert) {
            QVERIFY(box->beantwortet);
            QVERIFY(box->fingergerecht);
            QCOMPARE(box->text, QStringLiteral("Der Bericht konnte nicht als PDF gespeichert werden:\n") + pdf);
        }
        QFile ergebnis(pdf);
        if (vorher == QLatin1String("datei") || gespeichert) {
            QVERIFY(ergebnis.open(QIODevice::ReadOnly));
            const QByteArray inhalt = ergebnis.readAll();
            QCOMPARE(inhalt.startsWith("%PDF"), gespeichert);
            QCOMPARE(inhalt == alt, !gespeichert);
        }
        // Nothing is left beside it.
        if (gespeichert && !davor.contains(code + ".pdf"))
            davor << code + ".pdf";
        QCOMPARE(QDir(zuhause.dokumente()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), davor);
    }
};

DUFTLOTSE_TEST_MAIN(BerichtTest)
#include "tst_bericht.moc"
