#include "testsupport.h"

#include "datenbank.h"

#include <QLocale>

class TestScoring : public QObject
{
    Q_OBJECT

    std::unique_ptr<Datenbank> db;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        db = std::make_unique<Datenbank>(nullptr);
    }

    // Results are read for the current patient, so a new one per case keeps earlier cases' rows out.
    void init()
    {
        testsupport::personenSpeichern(*db);
    }

    // `lauf` holds the reversals of a threshold run, otherwise the number of correct answers.
    void einzelnerLauf_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QVector<int>>("lauf");
        QTest::addColumn<double>("punktsumme");
        QTest::addColumn<int>("antworten");

        QTest::newRow("threshold, seven reversals: mean of the last four")
            << int(Schwellentest) << QVector<int> { 8, 9, 7, 8, 6, 7, 6 } << 6.75 << 7;
        QTest::newRow("threshold, only three reversals") << int(Schwellentest) << QVector<int> { 8, 9, 7 } << 0.0 << 3;
        QTest::newRow("threshold, eight reversals still divided by four")
            << int(Schwellentest) << QVector<int> { 8, 9, 7, 8, 6, 7, 6, 5 } << 8.0 << 8;
        QTest::newRow("screening, 9 of 12") << int(Screening12) << QVector<int> { 9 } << 9.0 << 12;
        QTest::newRow("discrimination, 11 green picks")
            << int(Diskriminationstest) << QVector<int> { 11 } << 11.0 << 16;
    }

    void einzelnerLauf()
    {
        QFETCH(int, art);
        QFETCH(QVector<int>, lauf);
        QFETCH(double, punktsumme);
        QFETCH(int, antworten);

        if (art == Schwellentest)
            testsupport::schwellenLauf(*db, 2, lauf);
        else if (art == Diskriminationstest)
            testsupport::diskriminationsLauf(*db, 0, lauf.first());
        else
            testsupport::stiftLauf(*db, static_cast<TestArt>(art), 0, lauf.first());
        const TestErgebnisse e = db->TestErgebnisDaten(0);
        QCOMPARE(e.testergebnis.size(), 1);
        const TestErgebnis& t = e.testergebnis.first();
        QCOMPARE(t.punktsumme, punktsumme);
        QCOMPARE(t.Stifte.size() + t.Schwellen.size(), antworten);
        QVERIFY(qAbs(t.timestamp.secsTo(QDateTime::currentDateTime())) < 60);
        // Each kind has its own best score.
        const QVector<double> beste { e.maxScreening, e.maxIdentifikation, e.maxSchwelle, e.maxDiskrimination };
        for (int k = Screening12; k <= Diskriminationstest; ++k)
            QCOMPARE(beste.at(k - 1), k == art ? punktsumme : 0.0);
        if (art != Schwellentest)
            return;
        // The staircase keeps the order in which it was written, also among the rows of one reversal.
        QCOMPARE(t.SchwellenAuswahl.size(), 1 + 2 * lauf.size());
        const TestErgebnisSchwelleAuswahl& erkannt = t.SchwellenAuswahl.at(t.SchwellenAuswahl.size() - 2);
        const TestErgebnisSchwelleAuswahl& verfehlt = t.SchwellenAuswahl.last();
        QVERIFY(erkannt.erkannt && erkannt.Triplet == lauf.last() && erkannt.SchwelleNr == lauf.size());
        QVERIFY(!verfehlt.erkannt && verfehlt.Triplet == lauf.last() + 1);
    }

    // An extended test: both sides of identification and discrimination, the sides in either order.
    void summen_data()
    {
        QTest::addColumn<QVector<int>>("wendepunkte");
        QTest::addColumn<QVector<int>>("identifikation");
        QTest::addColumn<double>("summe");
        QTest::addColumn<bool>("riechtSchlecht");

        QTest::newRow("threshold 7.5, better side first")
            << QVector<int> { 10, 12, 9, 7, 8, 7, 8 } << QVector<int> { 13, 11 } << 32.5 << false;
        QTest::newRow("threshold 5, better side last")
            << QVector<int> { 9, 11, 8, 5, 5, 5, 5 } << QVector<int> { 11, 13 } << 30.0 << true;
    }

    // The total adds the best side of each kind and is held against the norm of the extended test, whose
    // umbrella row is read first.
    void summen()
    {
        QFETCH(QVector<int>, wendepunkte);
        QFETCH(QVector<int>, identifikation);
        QFETCH(double, summe);
        QFETCH(bool, riechtSchlecht);

        testsupport::testStarten(*db, ExtendedTest);
        testsupport::schwellenLauf(*db, 2, wendepunkte);
        testsupport::diskriminationsLauf(*db, 0, 10);
        testsupport::diskriminationsLauf(*db, 1, 12);
        for (int nase = 0; nase < identifikation.size(); ++nase)
            testsupport::stiftLauf(*db, Identifikationstest_blau, nase, identifikation.at(nase));
        const TestErgebnisse e = db->TestErgebnisDaten(0);
        QList<int> gelesen;
        for (const TestErgebnis& t : e.testergebnis)
            gelesen << t.testArt;
        QCOMPARE(gelesen, (QList<int> { 5, 4, 4, 3, 2, 2 }));
        QCOMPARE(db->TestDaten(0).value("TestArt"), QStringLiteral("5"));
        QCOMPARE(e.maxSumme, summe);
        QCOMPARE(e.normwertSumme, 30.75);
        QCOMPARE(e.riecht_schlecht, riechtSchlecht);
    }

    void patientendaten_data()
    {
        QTest::addColumn<QString>("geburtsdatum");
        QTest::addColumn<QString>("alter");

        const QString format = QStringLiteral("dd.MM.yyyy");
        QTest::newRow("30th birthday today") << QDate::currentDate().addYears(-30).toString(format) << "30";
        QTest::newRow("born tomorrow: no age") << QDate::currentDate().addDays(1).toString(format) << "";
    }

    void patientendaten()
    {
        QFETCH(QString, geburtsdatum);
        QFETCH(QString, alter);

        testsupport::personenSpeichern(*db, geburtsdatum);
        QMap<QString, QString> erwartet { { "Name", "Jörg Müller" }, { "Vorname", "Jörg" }, { "Nachname", "Müller" },
            { "Geburtsdatum", geburtsdatum }, { "Geschlecht", "männlich" }, { "Geburtsname", "Meier" },
            { "Personencode", "JM-0815" }, { "Adresse", "Hauptstraße 1, Görlitz" }, { "TelefonEmail", "0351 123" },
            { "Rauchgewohnheit", "Nichtraucher" }, { "Notiz", "keine" } };
        // No translator is installed here, so both age keys carry the German text.
        if (!alter.isEmpty()) {
            erwartet.insert("GeburtstagAlter", '*' + geburtsdatum + ", " + alter + " Jahre, ");
            erwartet.insert("GeburtstagAlterGeschlecht", '*' + geburtsdatum + ", " + alter + " Jahre, männlich");
        }
        QCOMPARE(db->Patientendaten(0), erwartet);
        QCOMPARE(db->Untersucherdaten(0),
            (QMap<QString, QString> { { "UName", "Erika Mustermann" }, { "UVorname", "Erika" },
                { "UNachname", "Mustermann" }, { "Bemerkung", "HNO-Praxis" } }));
    }

    // Born on 29 February: in common years the birthday is reached on 1 March.
    void alterAmSchalttag()
    {
        QCOMPARE(alterInJahren(QDate(2000, 2, 29), QDate(2025, 2, 28)), 24);
        QCOMPARE(alterInJahren(QDate(2000, 2, 29), QDate(2025, 3, 1)), 25);
    }
};

DUFTLOTSE_TEST_MAIN(TestScoring)
#include "tst_scoring.moc"
