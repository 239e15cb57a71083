#include "testsupport.h"

#include "datenbank.h"

#include <QDirIterator>
#include <QImage>
#include <QLocale>
#include <QTemporaryDir>

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void testListe_data();
    void testListe();
    void werte_data();
    void werte();
    void testLadenNullAendertNichts();
    void stiftdaten_data();
    void stiftdaten();
    void perzentile_data();
    void perzentile();
    void fremdeSprache();
    void kaputteDatei_data();
    void kaputteDatei();
    void jedesBildIstEingebettet();

private:
    QString schreibe(const QByteArray& inhalt);

    std::unique_ptr<Datenbank> db;
    QTemporaryDir tmp;
};

void TestCatalogue::initTestCase()
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    db = std::make_unique<Datenbank>(nullptr);
}

void TestCatalogue::cleanup()
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
}

void TestCatalogue::testListe_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("namen");

    QTest::newRow("German") << "de_DE"
                            << QStringList { "Diskriminationstest", "Extended Test", "Identifikationstest blau",
                                   "Schwellentest", "Screening 12" };
    QTest::newRow("English") << "en_US"
                             << QStringList { "Discrimination test", "Extended test", "Identification test blue",
                                    "Threshold test", "Screening 12" };
    QTest::newRow("French falls back to English") << "fr_FR"
                                                  << QStringList { "Discrimination test", "Extended test",
                                                         "Identification test blue", "Threshold test", "Screening 12" };
}

void TestCatalogue::testListe()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, namen);

    QLocale::setDefault(QLocale(locale));
    db->TestsLaden();
    QCOMPARE(db->ListeDerTest(), namen);
    QCOMPARE(db->getTestArten(), QByteArray("\x04\x05\x02\x03\x01", 5));
    // The listing leaves the last file current, not a chosen test.
    QCOMPARE(db->getTestArt(), Screening12);
}

void TestCatalogue::werte_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("art");
    QTest::addColumn<double>("normwert");
    QTest::addColumn<double>("anosmie");
    QTest::addColumn<double>("supersmellers");
    QTest::addColumn<double>("maxwert");
    QTest::addColumn<int>("stifte");

    for (const char* locale : { "de_DE", "en_US" }) {
        const QString l = QString::fromLatin1(locale);
        QTest::addRow("%s screening", locale) << l << int(Screening12) << 10.0 << 0.0 << 0.0 << 0.0 << 12;
        QTest::addRow("%s identification", locale)
            << l << int(Identifikationstest_blau) << 11.0 << 8.0 << 0.0 << 0.0 << 16;
        QTest::addRow("%s threshold", locale) << l << int(Schwellentest) << 6.5 << 1.0 << 0.0 << 0.0 << 0;
        QTest::addRow("%s discrimination", locale) << l << int(Diskriminationstest) << 10.0 << 0.0 << 0.0 << 0.0 << 0;
        QTest::addRow("%s extended", locale) << l << int(ExtendedTest) << 30.75 << 16.0 << 41.5 << 48.0 << 16;
    }
}

void TestCatalogue::werte()
{
    QFETCH(QString, locale);
    QFETCH(int, art);
    QFETCH(double, normwert);
    QFETCH(double, anosmie);
    QFETCH(double, supersmellers);
    QFETCH(double, maxwert);
    QFETCH(int, stifte);

    QLocale::setDefault(QLocale(locale));
    db->TestLaden(static_cast<TestArt>(art));
    QCOMPARE(int(db->getTestArt()), art);
    QCOMPARE(db->getNormwert(), normwert);
    QCOMPARE(db->getAnosmie(), anosmie);
    QCOMPARE(db->getSupersmellers(), supersmellers);
    QCOMPARE(db->getMaxwert(), maxwert);
    // Pens are numbered from 1 in document order.
    QByteArray reihenfolge;
    for (int i = 1; i <= stifte; ++i)
        reihenfolge.append(char(i));
    QCOMPARE(db->Stiftreihenfolge(), reihenfolge);
}

void TestCatalogue::testLadenNullAendertNichts()
{
    db->TestLaden(Schwellentest);
    db->TestLaden(TestLadenAlle);
    db->TestLaden(static_cast<TestArt>(9));
    QCOMPARE(db->getTestArt(), Schwellentest);
    QCOMPARE(db->getNormwert(), 6.5);
}

void TestCatalogue::stiftdaten_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("art");
    QTest::addColumn<uint>("stift");
    QTest::addColumn<QStringList>("namen");
    QTest::addColumn<QStringList>("bilder");
    QTest::addColumn<int>("richtig");

    QTest::newRow("English pen 6 with other pictures")
        << "en_US" << int(Identifikationstest_blau) << 6u << QStringList { "peach", "melon", "lemon", "orange" }
        << QStringList { "pfirsich", "melone", "zitrone", "orange" } << 3;
    QTest::newRow("German pen with umlauts") << "de_DE" << int(Identifikationstest_blau) << 9u
                                             << QStringList { "Zwiebel", "Sauerkraut", "Knoblauch", "Möhre" }
                                             << QStringList { "zwiebel", "sauerkraut", "knoblauch", "möhre" } << 3;
    QTest::newRow("screening last pen") << "de_DE" << int(Screening12) << 12u
                                        << QStringList { "Brot", "Käse", "Fisch", "Schinken" }
                                        << QStringList { "brot", "käse", "fisch", "schinken" } << 3;
    QTest::newRow("pen the definition lacks")
        << "de_DE" << int(Screening12) << 13u << QStringList() << QStringList() << -7;
    QTest::newRow("threshold has no pens")
        << "de_DE" << int(Schwellentest) << 1u << QStringList() << QStringList() << -7;
}

void TestCatalogue::stiftdaten()
{
    QFETCH(QString, locale);
    QFETCH(int, art);
    QFETCH(uint, stift);
    QFETCH(QStringList, namen);
    QFETCH(QStringList, bilder);
    QFETCH(int, richtig);

    QLocale::setDefault(QLocale(locale));
    db->TestLaden(static_cast<TestArt>(art));
    QStringList n, b;
    int r = -7; // untouched when the pen is missing
    QCOMPARE(db->Stiftdaten(stift, &n, &b, &r), !namen.isEmpty());
    QCOMPARE(n, namen);
    QCOMPARE(b, bilder);
    QCOMPARE(r, richtig);
}

void TestCatalogue::perzentile_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("prozent");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("alter");
    QTest::addColumn<QList<double>>("werte");

    const QStringList vierBaender { "5-15", "16-35", "36-55", ">55" };
    QTest::newRow("threshold 50") << "de_DE" << int(Schwellentest) << 50 << "50" << vierBaender
                                  << QList<double> { 6.75, 9.0, 8.75, 7.5 };
    const QStringList neunBaender { "5-10", "11-20", "21-30", "31-40", "41-50", "51-60", "61-70", "71-80", ">81" };
    QTest::newRow("screening 10") << "de_DE" << int(Screening12) << 10 << "10" << neunBaender
                                  << QList<double> { 7.5, 8, 9, 9, 9, 6, 5, 4, 5 };
    QTest::newRow("German extended 90") << "de_DE" << int(ExtendedTest) << 90 << "90" << neunBaender
                                        << QList<double> { 30.63, 39.25, 41.5, 40.5, 39.5, 38.5, 36.5, 34.9, 32.8 };
    QTest::newRow("English extended 50") << "en_US" << int(ExtendedTest) << 50 << "50" << neunBaender
                                         << QList<double> { 25.0, 34.0, 35.75, 35.5, 34.75, 33, 31.63, 28.5, 25.75 };
    QTest::newRow("no table for 25") << "de_DE" << int(Schwellentest) << 25 << "unverändert" << QStringList()
                                     << QList<double>();
}

void TestCatalogue::perzentile()
{
    QFETCH(QString, locale);
    QFETCH(int, art);
    QFETCH(int, prozent);
    QFETCH(QString, name);
    QFETCH(QStringList, alter);
    QFETCH(QList<double>, werte);

    QLocale::setDefault(QLocale(locale));
    db->TestLaden(static_cast<TestArt>(art));
    QString n = QStringLiteral("unverändert");
    QStringList a;
    QList<double> w;
    QVERIFY(db->Perzentile(prozent, &n, &a, &w));
    QCOMPARE(n, name);
    QCOMPARE(a, alter);
    QCOMPARE(w, werte);
}

void TestCatalogue::fremdeSprache()
{
    QLocale::setDefault(QLocale(QStringLiteral("fr_FR")));
    db->TestLaden(Schwellentest);
    // No French file: the current definition is left cleared, not the English one.
    QCOMPARE(db->getTestArt(), TestLadenAlle);
    QCOMPARE(db->getNormwert(), 0.0);
    QVERIFY(db->Stiftreihenfolge().isEmpty());
}

QString TestCatalogue::schreibe(const QByteArray& inhalt)
{
    static int n = 0;
    const QString pfad = tmp.filePath(QStringLiteral("def%1.xml").arg(++n));
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(inhalt);
    return pfad;
}

void TestCatalogue::kaputteDatei_data()
{
    QTest::addColumn<QByteArray>("inhalt"); // empty: the file does not exist
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("art");
    QTest::addColumn<double>("normwert");
    QTest::addColumn<double>("maxwert");
    QTest::addColumn<QByteArray>("stifte");

    QTest::newRow("unreadable") << QByteArray() << "Fehler" << 0 << 0.0 << 0.0 << QByteArray();
    QTest::newRow("unparsable") << QByteArray("<Test ID=\"x\" TestArt=\"1\"><Stift Nr=\"1\">") << "Fehler" << 0 << 0.0
                                << 0.0 << QByteArray();
    QTest::newRow("wrong root") << QByteArray("<Probe ID=\"x\" TestArt=\"2\"><Normwert>5</Normwert></Probe>")
                                << "Fehler" << 0 << 0.0 << 0.0 << QByteArray();
    QTest::newRow("numbers with blanks") << QByteArray(
        "<Test ID=\"Mit Leerzeichen\" TestArt=\" 3 \"><Normwert>10 </Normwert>"
        "<Maxwert>\n 6.5 </Maxwert><Stift Nr=\" 2 \"/></Test>")
                                         << "Mit Leerzeichen" << 3 << 10.0 << 6.5 << QByteArray("\x02");
    QTest::newRow("without Maxwert, later value wins")
        << QByteArray("<Test ID=\"Ohne\" TestArt=\"1\"><Normwert>4</Normwert><Normwert>7.25</Normwert>"
                      "<!-- Kommentar --><Stift Nr=\"1\"/><Stift Nr=\"258\"/></Test>")
        << "Ohne" << 1 << 7.25 << 0.0 << QByteArray("\x01\x02", 2);
    QTest::newRow("unparsable number and kind")
        << QByteArray("<Test ID=\"Unsinn\" TestArt=\"drei\"><Normwert>zehn</Normwert></Test>") << "Unsinn" << 0 << 0.0
        << 0.0 << QByteArray();
}

void TestCatalogue::kaputteDatei()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, name);
    QFETCH(int, art);
    QFETCH(double, normwert);
    QFETCH(double, maxwert);
    QFETCH(QByteArray, stifte);

    db->TestLaden(ExtendedTest); // something to be cleared
    const QString pfad = inhalt.isEmpty() ? tmp.filePath(QStringLiteral("fehlt.xml")) : schreibe(inhalt);
    QCOMPARE(db->XMLTestladen(pfad), name);
    QCOMPARE(int(db->getTestArt()), art);
    QCOMPARE(db->getNormwert(), normwert);
    QCOMPARE(db->getMaxwert(), maxwert);
    QCOMPARE(db->getAnosmie(), 0.0);
    QCOMPARE(db->Stiftreihenfolge(), stifte);
}

void TestCatalogue::jedesBildIstEingebettet()
{
    int geprueft = 0;
    QDirIterator it(QStringLiteral(":/xml"), { QStringLiteral("*.xml") }, QDir::Files);
    while (it.hasNext()) {
        const QString datei = it.next();
        db->XMLTestladen(datei);
        const QByteArray stifte = db->Stiftreihenfolge();
        for (char stift : stifte) {
            QStringList namen, bilder;
            int richtig = 0;
            QVERIFY2(db->Stiftdaten(uchar(stift), &namen, &bilder, &richtig), qPrintable(datei));
            QVERIFY(richtig >= 1 && richtig <= 4);
            for (const QString& bild : qAsConst(bilder)) {
                const QString pfad = QStringLiteral(":/jpeg/Bilder/") + bild + QStringLiteral(".jpeg");
                QVERIFY2(!QImage(pfad).isNull(), qPrintable(datei + ": " + pfad));
                ++geprueft;
            }
        }
    }
    // Per locale 12 screening pens and 16 pens each in identification and extended, four pictures each.
    QCOMPARE(geprueft, 2 * 4 * (12 + 2 * 16));
}

DUFTLOTSE_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
