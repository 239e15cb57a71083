#include "testsupport.h"

#include "datenbank.h"

#include <QDateTime>
#include <QLocale>
#include <QSqlQuery>

class TestScoring : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void schwelle_data();
    void schwelle();
    void stifte_data();
    void stifte();
    void summen_data();
    void summen();
    void fehlendeAntworten_data();
    void fehlendeAntworten();
    void patientendaten_data();
    void patientendaten();
    void nachDemLoeschen();
    void alter_data();
    void alter();

private:
    void sql(const QString& statement);
    void schwellenLauf(int nase, const QVector<int>& wendepunkte);
    void stiftLauf(TestArt art, int nase, int richtige);
    void diskriminationsLauf(int nase, int gruene);

    std::unique_ptr<Datenbank> db;
    QMap<QString, QString> schema;
};

void TestScoring::initTestCase()
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    db = std::make_unique<Datenbank>(nullptr);
    QSqlQuery query(QSqlDatabase::database(QStringLiteral("memdb"), false));
    QVERIFY(query.exec("SELECT name, sql FROM sqlite_master WHERE type = 'table' AND name != 'sqlite_sequence'"));
    while (query.next())
        schema.insert(query.value(0).toString(), query.value(1).toString());
    QCOMPARE(schema.size(), 7);
}

// Each case starts with empty tables and one patient; tables a case dropped come back.
void TestScoring::init()
{
    for (auto it = schema.cbegin(); it != schema.cend(); ++it) {
        sql(QString(it.value()).replace("CREATE TABLE", "CREATE TABLE IF NOT EXISTS"));
        sql(QStringLiteral("DELETE FROM `%1`").arg(it.key()));
    }
    db->PatientSpeichern("Jörg", "Müller", "01.02.1980", "männlich", "Meier", "JM-0815", "Hauptstraße 1, Görlitz",
        "0351 123", "Nichtraucher", "keine");
    db->UntersucherSpeichern("Erika", "Mustermann", "HNO-Praxis");
}

void TestScoring::sql(const QString& statement)
{
    QSqlQuery query(QSqlDatabase::database(QStringLiteral("memdb"), false));
    QVERIFY2(query.exec(statement), qPrintable(statement));
}

// Per reversal a recognised row that turns the staircase and an unrecognised one of the same number.
void TestScoring::schwellenLauf(int nase, const QVector<int>& wendepunkte)
{
    db->TestLaden(Schwellentest);
    db->TestStartSpeichern("Schwellentest", nase, 0);
    QVector<WendePunkte> lauf { { 16, false, 0 } };
    for (int i = 0; i < wendepunkte.size(); ++i)
        lauf << WendePunkte { wendepunkte.at(i), true, i + 1 } << WendePunkte { wendepunkte.at(i) + 1, false, i + 1 };
    db->WendepunkteSpeichern(lauf);
}

void TestScoring::stiftLauf(TestArt art, int nase, int richtige)
{
    db->TestLaden(art);
    db->TestStartSpeichern("Identifikationstest blau", nase, 1);
    for (int nr = 1; nr <= db->Stiftreihenfolge().size(); ++nr)
        db->TestStiftSpeichern(nr, 2, nr <= richtige ? 2 : 4, { "Rose", "Zimt", "Käse", "Fisch" });
}

void TestScoring::diskriminationsLauf(int nase, int gruene)
{
    db->TestLaden(Diskriminationstest);
    db->TestStartSpeichern("Diskriminationstest", nase, 0);
    QByteArray auswahl;
    for (int i = 0; i < 16; ++i)
        auswahl.append(char(i < gruene ? 1 : i % 2 ? 0 : 2));
    db->DiskriminationSpeicher(auswahl);
}

void TestScoring::schwelle_data()
{
    QTest::addColumn<QVector<int>>("wendepunkte");
    QTest::addColumn<double>("punktsumme");

    QTest::newRow("seven reversals: mean of the last four") << QVector<int> { 8, 9, 7, 8, 6, 7, 6 } << 6.75;
    QTest::newRow("only three reversals") << QVector<int> { 8, 9, 7 } << 0.0;
    QTest::newRow("eight reversals still divided by four") << QVector<int> { 8, 9, 7, 8, 6, 7, 6, 5 } << 8.0;
}

void TestScoring::schwelle()
{
    QFETCH(QVector<int>, wendepunkte);
    QFETCH(double, punktsumme);

    schwellenLauf(2, wendepunkte);
    const TestErgebnisse e = db->TestErgebnisDaten(0);

    QCOMPARE(e.testergebnis.size(), 1);
    const TestErgebnis& t = e.testergebnis.first();
    QCOMPARE(t.testArt, Schwellentest);
    QCOMPARE(t.nase, 2);
    QCOMPARE(t.punktsumme, punktsumme);
    QCOMPARE(t.normwert, 6.5);
    QCOMPARE(t.Schwellen.size(), wendepunkte.size());
    QCOMPARE(t.Schwellen.last().SchwelleNr, wendepunkte.size());
    QCOMPARE(t.Schwellen.last().Wert, wendepunkte.last());
    // The staircase keeps the order in which it was written, also among the rows of one reversal.
    QCOMPARE(t.SchwellenAuswahl.size(), 1 + 2 * wendepunkte.size());
    for (int i = 0; i < wendepunkte.size(); ++i) {
        const TestErgebnisSchwelleAuswahl& erkannt = t.SchwellenAuswahl.at(1 + 2 * i);
        const TestErgebnisSchwelleAuswahl& verfehlt = t.SchwellenAuswahl.at(2 + 2 * i);
        QCOMPARE(erkannt.SchwelleNr, i + 1);
        QCOMPARE(erkannt.Triplet, wendepunkte.at(i));
        QVERIFY(erkannt.erkannt && !verfehlt.erkannt);
        QCOMPARE(verfehlt.Triplet, wendepunkte.at(i) + 1);
    }
    QCOMPARE(e.maxSchwelle, punktsumme);
    QCOMPARE(e.riecht_schlecht, punktsumme < 6.5);
}

void TestScoring::stifte_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("treffer");
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<double>("normwert");

    QTest::newRow("screening, 9 of 12") << int(Screening12) << 9 << 12 << 10.0;
    QTest::newRow("identification, all 16") << int(Identifikationstest_blau) << 16 << 16 << 11.0;
    QTest::newRow("identification, none") << int(Identifikationstest_blau) << 0 << 16 << 11.0;
    QTest::newRow("discrimination, 11 green picks") << int(Diskriminationstest) << 11 << 16 << 10.0;
}

void TestScoring::stifte()
{
    QFETCH(int, art);
    QFETCH(int, treffer);
    QFETCH(int, anzahl);
    QFETCH(double, normwert);

    const qint64 vorher = QDateTime::currentSecsSinceEpoch();
    if (art == Diskriminationstest)
        diskriminationsLauf(0, treffer);
    else
        stiftLauf(static_cast<TestArt>(art), 0, treffer);
    const TestErgebnisse e = db->TestErgebnisDaten(0);

    QCOMPARE(e.testergebnis.size(), 1);
    const TestErgebnis& t = e.testergebnis.first();
    QCOMPARE(int(t.testArt), art);
    QCOMPARE(t.punktsumme, double(treffer));
    QCOMPARE(t.abschwellung, art != Diskriminationstest);
    QVERIFY(t.timestamp.toSecsSinceEpoch() >= vorher && t.timestamp.timeSpec() == Qt::LocalTime);
    QCOMPARE(t.Stifte.size(), anzahl);
    const TestErgebnisStift& letzter = t.Stifte.last();
    QCOMPARE(letzter.StiftNr, anzahl);
    QCOMPARE(letzter.richtig, art == Diskriminationstest ? 1 : 2);
    const QStringList namen { "Rose", "Zimt", "Käse", "Fisch" };
    QCOMPARE(letzter.Namen, art == Diskriminationstest ? QStringList() : namen);
    // Each kind has its own best score.
    const QVector<double> beste { e.maxScreening, e.maxIdentifikation, e.maxSchwelle, e.maxDiskrimination };
    for (int k = Screening12; k <= Diskriminationstest; ++k)
        QCOMPARE(beste.at(k - 1), k == art ? double(treffer) : 0.0);
    QCOMPARE(t.normwert, normwert);
    QCOMPARE(e.normwertSumme, normwert);
    QCOMPARE(e.riecht_schlecht, treffer < normwert);
}

void TestScoring::summen_data()
{
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QVector<int>>("wendepunkte");
    QTest::addColumn<QVector<int>>("identifikation");
    QTest::addColumn<QList<int>>("arten");
    QTest::addColumn<double>("summe");
    QTest::addColumn<double>("normwertSumme");
    QTest::addColumn<bool>("riechtSchlecht");

    QTest::newRow("no tests") << false << QVector<int> {} << QVector<int> {} << QList<int> {} << 0.0 << 0.0 << false;
    QTest::newRow("identification, better side second")
        << false << QVector<int> {} << QVector<int> { 12, 14 } << QList<int> { 2, 2 } << 14.0 << 11.0 << false;
    QTest::newRow("identification, better side first")
        << false << QVector<int> {} << QVector<int> { 14, 12 } << QList<int> { 2, 2 } << 14.0 << 11.0 << false;
    QTest::newRow("extended, threshold 7.5")
        << true << QVector<int> { 10, 12, 9, 7, 8, 7, 8 } << QVector<int> { 13, 11 } << QList<int> { 5, 4, 4, 3, 2, 2 }
        << 32.5 << 30.75 << false;
    QTest::newRow("extended, threshold 5") << true << QVector<int> { 9, 11, 8, 5, 5, 5, 5 } << QVector<int> { 11, 13 }
                                           << QList<int> { 5, 4, 4, 3, 2, 2 } << 30.0 << 30.75 << true;
}

// The total adds the best side of each kind and is held against the highest norm among the runs.
void TestScoring::summen()
{
    QFETCH(bool, extended);
    QFETCH(QVector<int>, wendepunkte);
    QFETCH(QVector<int>, identifikation);
    QFETCH(QList<int>, arten);
    QFETCH(double, summe);
    QFETCH(double, normwertSumme);
    QFETCH(bool, riechtSchlecht);

    if (extended) {
        db->TestLaden(ExtendedTest);
        db->TestStartSpeichern("Extended Test", 2, 0);
        schwellenLauf(2, wendepunkte);
        diskriminationsLauf(0, 10);
        diskriminationsLauf(1, 12);
    }
    for (int nase = 0; nase < identifikation.size(); ++nase)
        stiftLauf(Identifikationstest_blau, nase, identifikation.at(nase));
    const TestErgebnisse e = db->TestErgebnisDaten(0);

    QList<int> gelesen;
    for (const TestErgebnis& t : e.testergebnis)
        gelesen << t.testArt;
    QCOMPARE(gelesen, arten);
    QCOMPARE(e.maxSumme, summe);
    QCOMPARE(e.normwertSumme, normwertSumme);
    QCOMPARE(e.riecht_schlecht, riechtSchlecht);
    if (extended) {
        const TestErgebnis& dach = e.testergebnis.first();
        QCOMPARE(dach.punktsumme, 0.0);
        QCOMPARE(dach.normwert, 30.75);
        QCOMPARE(dach.testname, QStringLiteral("Extended Test"));
        QCOMPARE(e.maxDiskrimination, 12.0);
        QCOMPARE(db->TestDaten(0).value("TestArt"), QStringLiteral("5"));
    }
}

void TestScoring::fehlendeAntworten_data()
{
    QTest::addColumn<QString>("tabelle");
    QTest::addColumn<double>("maxSchwelle");

    QTest::newRow("reversal table missing") << "TestSchwelle" << 0.0;
    // Without the staircase the score is already known and still counts as the best of its kind.
    QTest::newRow("staircase table missing") << "TestSchwelleAusgewaehlte" << 6.75;
}

// A run whose answers cannot be read is left out of the results; the other runs are still scored.
void TestScoring::fehlendeAntworten()
{
    QFETCH(QString, tabelle);
    QFETCH(double, maxSchwelle);

    schwellenLauf(0, { 8, 9, 7, 8, 6, 7, 6 });
    stiftLauf(Identifikationstest_blau, 0, 12);
    sql(QStringLiteral("DROP TABLE `%1`").arg(tabelle));
    const TestErgebnisse e = db->TestErgebnisDaten(0);

    QCOMPARE(e.testergebnis.size(), 1);
    QCOMPARE(e.testergebnis.first().testArt, Identifikationstest_blau);
    QCOMPARE(e.maxSchwelle, maxSchwelle);
    QCOMPARE(e.maxSumme, 12.0 + maxSchwelle);
}

void TestScoring::patientendaten_data()
{
    QTest::addColumn<QString>("geburtsdatum");
    QTest::addColumn<QString>("alter");

    const QDate heute = QDate::currentDate();
    const QString format = QStringLiteral("dd.MM.yyyy");
    QTest::newRow("birthday today") << heute.addYears(-30).toString(format) << "30";
    QTest::newRow("birthday tomorrow") << heute.addYears(-30).addDays(1).toString(format) << "29";
    QTest::newRow("born tomorrow") << heute.addDays(1).toString(format) << "";
    QTest::newRow("31 February") << "31.02.1980"
                                 << "";
    QTest::newRow("other format") << "1980-02-01"
                                  << "";
}

void TestScoring::patientendaten()
{
    QFETCH(QString, geburtsdatum);
    QFETCH(QString, alter);

    db->PatientSpeichern("Jörg", "Müller", geburtsdatum, "männlich", "Meier", "JM-0815", "Hauptstraße 1, Görlitz",
        "0351 123", "Nichtraucher", "keine");
    QMap<QString, QString> erwartet { { "Name", "Jörg Müller" }, { "Geburtsdatum", geburtsdatum },
        { "Geschlecht", "männlich" }, { "Geburtsname", "Meier" }, { "Personencode", "JM-0815" },
        { "Adresse", "Hauptstraße 1, Görlitz" }, { "TelefonEmail", "0351 123" }, { "Rauchgewohnheit", "Nichtraucher" },
        { "Notiz", "keine" } };
    // No translator is installed here, so both age keys carry the German text.
    if (!alter.isEmpty()) {
        erwartet.insert("GeburtstagAlter", '*' + geburtsdatum + ", " + alter + " Jahre, ");
        erwartet.insert("GeburtstagAlterGeschlecht", '*' + geburtsdatum + ", " + alter + " Jahre, männlich");
    }
    QCOMPARE(db->Patientendaten(0), erwartet);
    QCOMPARE(db->Untersucherdaten(0),
        (QMap<QString, QString> { { "UName", "Erika Mustermann" }, { "Bemerkung", "HNO-Praxis" } }));
}

void TestScoring::nachDemLoeschen()
{
    stiftLauf(Screening12, 2, 9);
    db->PatientLoeschen(-1);
    QVERIFY(!db->TestLoeschen(-1));

    QVERIFY(db->Patientendaten(0).isEmpty());
    QVERIFY(db->TestErgebnisDaten(0).testergebnis.isEmpty());
    QVERIFY(db->TestDaten(0).isEmpty());
    // The examiner stays for the next patient.
    QCOMPARE(db->Untersucherdaten(0).value("UName"), QStringLiteral("Erika Mustermann"));
}

void TestScoring::alter_data()
{
    QTest::addColumn<QDate>("geburt");
    QTest::addColumn<QDate>("heute");
    QTest::addColumn<int>("jahre");

    QTest::newRow("29 Feb, on 28 Feb of a common year") << QDate(2000, 2, 29) << QDate(2025, 2, 28) << 24;
    QTest::newRow("29 Feb, on 1 Mar of a common year") << QDate(2000, 2, 29) << QDate(2025, 3, 1) << 25;
    QTest::newRow("birthday reached today") << QDate(2000, 3, 1) << QDate(2025, 3, 1) << 25;
    QTest::newRow("born after today") << QDate(2025, 3, 2) << QDate(2025, 3, 1) << -1;
    QTest::newRow("invalid birth date") << QDate() << QDate(2025, 3, 1) << -1;
}

void TestScoring::alter()
{
    QFETCH(QDate, geburt);
    QFETCH(QDate, heute);
    QFETCH(int, jahre);

    QCOMPARE(alterInJahren(geburt, heute), jahre);
}

DUFTLOTSE_TEST_MAIN(TestScoring)
#include "tst_scoring.moc"
