#include "testsupport.h"

#include "datenbank.h"

#include <QDirIterator>
#include <QImage>
#include <QLocale>
#include <QTemporaryDir>

class TestCatalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<Datenbank> db;
    QTemporaryDir tmp;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        db = std::make_unique<Datenbank>(nullptr);
    }

    void cleanup()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    }

    void testListe_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("namen");

        const QStringList englisch { "Discrimination test", "Extended test", "Identification test (blue)",
            "Threshold test", "Screening 12" };
        QTest::newRow("German") << "de_DE"
                                << QStringList { "Diskriminationstest", "Extended Test", "Identifikationstest blau",
                                       "Schwellentest", "Screening 12" };
        QTest::newRow("English") << "en_US" << englisch;
        QTest::newRow("French lists the English tests") << "fr_FR" << englisch;
    }

    void testListe()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, namen);

        QLocale::setDefault(QLocale(locale));
        db->TestsLaden();
        QCOMPARE(db->ListeDerTest(), namen);
        QCOMPARE(db->getTestArten(), QByteArray("\x04\x05\x02\x03\x01", 5));
        // Loading one test has no fallback: without a file of its own the locale gets a cleared definition.
        db->TestLaden(Schwellentest);
        QCOMPARE(db->getTestArt(), locale == "fr_FR" ? TestLadenAlle : Schwellentest);
    }

    void laden_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("art");
        QTest::addColumn<QList<double>>("werte"); // norm, anosmia, supersmellers, maximum
        QTest::addColumn<QByteArray>("stifte");

        const auto datei = [this](const char* name, const QByteArray& inhalt) {
            QFile f(tmp.filePath(name));
            return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size() ? f.fileName() : QString();
        };
        QByteArray sechzehn;
        for (char i = 1; i <= 16; ++i)
            sechzehn.append(i);
        QTest::newRow("German extended: pens numbered from 1 in document order")
            << ":/xml/ExtendedTest_de_DE.xml"
            << "Extended Test" << int(ExtendedTest) << QList<double> { 30.75, 16, 41.5, 48 } << sechzehn;
        const QList<double> leer { 0, 0, 0, 0 };
        QTest::newRow("unparsable") << datei("k.xml", "<Test ID=\"x\" TestArt=\"1\"><Stift Nr=\"1\">") << "Fehler" << 0
                                    << leer << QByteArray();
        QTest::newRow("wrong root") << datei("p.xml",
            "<Probe ID=\"p\" TestArt=\"2\"><Normwert>5</Normwert><Stift Nr=\"1\"><D/><D/><D/><D/></Stift></Probe>")
                                    << "Fehler" << 0 << leer << QByteArray();
        QTest::newRow("no name") << datei("n.xml", "<Test ID=\" \" TestArt=\"1\"><Stift Nr=\"1\"/></Test>") << "Fehler"
                                 << 0 << leer << QByteArray();
        QTest::newRow("unknown kind") << datei("a.xml", "<Test ID=\"x\" TestArt=\"7\"><Stift Nr=\"1\"/></Test>")
                                      << "Fehler" << 0 << leer << QByteArray();
        QTest::newRow("numbers that are none count 0") << datei("z.xml",
            "<Test ID=\"Z\" TestArt=\"3\"><Normwert>inf</Normwert><Anosmie> 4 </Anosmie>"
            "<Supersmellers>nan</Supersmellers><Maxwert>1e999</Maxwert></Test>")
                                                       << "Z" << 3 << QList<double> { 0, 4, 0, 0 } << QByteArray();
    }

    // Whatever the file holds, the definition loaded before is cleared, and a broken one leaves nothing to ask
    // about; kind 0 has no file and loads nothing.
    void laden()
    {
        QFETCH(QString, datei);
        QFETCH(QString, name);
        QFETCH(int, art);
        QFETCH(QList<double>, werte);
        QFETCH(QByteArray, stifte);

        db->TestLaden(ExtendedTest);
        QCOMPARE(db->XMLTestladen(datei), name);
        db->TestLaden(TestLadenAlle);
        QCOMPARE(int(db->getTestArt()), art);
        QCOMPARE(
            (QList<double> { db->getNormwert(), db->getAnosmie(), db->getSupersmellers(), db->getMaxwert() }), werte);
        QCOMPARE(db->Stiftreihenfolge(), stifte);
        QStringList namen, bilder;
        int richtig = 0;
        QCOMPARE(db->Stiftdaten(1, &namen, &bilder, &richtig), !stifte.isEmpty());
    }

    // The English pictures keep their German names.
    void stiftdaten()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        db->TestLaden(Identifikationstest_blau);
        QStringList namen, bilder;
        int richtig = -7;
        QVERIFY(!db->Stiftdaten(17, &namen, &bilder, &richtig));
        QVERIFY(namen.isEmpty() && bilder.isEmpty() && richtig == -7);
        QVERIFY(db->Stiftdaten(6, &namen, &bilder, &richtig));
        QCOMPARE(namen, (QStringList { "Peach", "Melon", "Lemon", "Orange" }));
        QCOMPARE(bilder, (QStringList { "pfirsich", "melone", "zitrone", "orange" }));
        QCOMPARE(richtig, 3);
    }

    // There is no table for 25 %. The English age bands begin at 5-10 like the German ones.
    void perzentile()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        db->TestLaden(ExtendedTest);
        QString name = QStringLiteral("unverändert");
        QStringList alter;
        QList<double> werte;
        QVERIFY(db->Perzentile(25, &name, &alter, &werte));
        QVERIFY(name == QStringLiteral("unverändert") && alter.isEmpty() && werte.isEmpty());
        QVERIFY(db->Perzentile(50, &name, &alter, &werte));
        QCOMPARE(name, QStringLiteral("50"));
        QCOMPARE(alter, (QStringList { "5-10", "11-20", "21-30", "31-40", "41-50", "51-60", "61-70", "71-80", ">81" }));
        QCOMPARE(werte, (QList<double> { 25.0, 34.0, 35.75, 35.5, 34.75, 33, 31.63, 28.5, 25.75 }));
    }

    // Every pen of every embedded definition has four choices, a correct one and its pictures.
    void jedesBildIstEingebettet()
    {
        int bilder = 0;
        QDirIterator it(QStringLiteral(":/xml"), { QStringLiteral("*.xml") }, QDir::Files);
        while (it.hasNext()) {
            const QString datei = it.next();
            db->XMLTestladen(datei);
            for (char stift : db->Stiftreihenfolge()) {
                QStringList namen, pfade;
                int richtig = 0;
                QVERIFY2(db->Stiftdaten(uchar(stift), &namen, &pfade, &richtig), qPrintable(datei));
                QVERIFY(richtig >= 1 && richtig <= 4);
                for (const QString& bild : qAsConst(pfade)) {
                    QVERIFY2(!QImage(":/jpeg/Bilder/" + bild + ".jpeg").isNull(), qPrintable(datei + ": " + bild));
                    ++bilder;
                }
            }
        }
        QCOMPARE(bilder, 2 * 4 * (12 + 2 * 16));
    }
};

DUFTLOTSE_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
