#include "testsupport.h"

#include "datenbank.h"

#include <QDateTime>
#include <QLocale>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Every row of a statement as its columns joined by ':', so expectations read as "Nr:Wert".
QStringList zeilen(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(QStringLiteral("memdb"), false));
    QStringList ergebnis;
    if (!query.exec(sql))
        QTest::qFail(qPrintable(query.lastError().text() + QStringLiteral(": ") + sql), __FILE__, __LINE__);
    while (query.next()) {
        QStringList spalten;
        for (int i = 0; i < query.record().count(); ++i)
            spalten << query.value(i).toString();
        ergebnis << spalten.join(QLatin1Char(':'));
    }
    return ergebnis;
}

// Collects the debug lines written while it lives, even where the run's logging rules switch them off.
class DebugMitschnitt {
public:
    DebugMitschnitt()
    {
        s_zeilen.clear();
        vorher = QLoggingCategory::defaultCategory()->isDebugEnabled();
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, true);
        s_handler = qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
            if (typ == QtDebugMsg)
                s_zeilen << text;
            else
                s_handler(typ, kontext, text);
        });
    }
    ~DebugMitschnitt()
    {
        qInstallMessageHandler(s_handler);
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, vorher);
    }
    DebugMitschnitt(const DebugMitschnitt&) = delete;
    DebugMitschnitt& operator=(const DebugMitschnitt&) = delete;

    static QStringList mitPrefix(const QString& prefix)
    {
        QStringList treffer;
        for (const QString& z : qAsConst(s_zeilen))
            if (z.startsWith(prefix + ' '))
                treffer << z;
        return treffer;
    }

private:
    bool vorher = false;
    static inline QStringList s_zeilen;
    static inline QtMessageHandler s_handler = nullptr;
};

} // namespace

class TestStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void layout_data();
    void layout();
    void idsUndZweiteInstanz();
    void testStartNimmtGeladeneTestArt();
    void wendepunkte_data();
    void wendepunkte();
    void diskrimination_data();
    void diskrimination();
    void testStift_data();
    void testStift();
    void loeschen_data();
    void loeschen();
    void fehlendeTabelle_data();
    void fehlendeTabelle();

private:
    void patientUndUntersucher();

    std::unique_ptr<Datenbank> db;
    QMap<QString, QString> schema;
};

void TestStore::initTestCase()
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    db = std::make_unique<Datenbank>(nullptr);
    for (const QString& z :
        zeilen("SELECT name, sql FROM sqlite_master WHERE type = 'table' AND name != 'sqlite_sequence'"))
        schema.insert(z.section(':', 0, 0), z.section(':', 1));
}

// Each case starts from empty tables with fresh id counters; tables a case dropped come back.
void TestStore::init()
{
    for (auto it = schema.cbegin(); it != schema.cend(); ++it) {
        zeilen(QString(it.value()).replace("CREATE TABLE", "CREATE TABLE IF NOT EXISTS"));
        zeilen(QStringLiteral("DELETE FROM `%1`").arg(it.key()));
    }
    zeilen("DELETE FROM sqlite_sequence");
}

void TestStore::patientUndUntersucher()
{
    db->PatientSpeichern("Jörg", "Müller-Lüdenscheidt", "01.02.1980", "männlich", "Meier", "JM-0815",
        "Hauptstraße 1, Görlitz", "jm@example.org", "Nichtraucher", "Notiz: \"x\"; y");
    db->UntersucherSpeichern("Erika", "Mustermann", "HNO");
}

void TestStore::layout_data()
{
    QTest::addColumn<QString>("tabelle");
    QTest::addColumn<QString>("spalten");

    const QString id = QStringLiteral("ID INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT UNIQUE|");
    QTest::newRow("Untersucher") << "Untersucher" << id + "Vorname TEXT|Name TEXT|Bemerkung TEXT";
    QTest::newRow("TestStift") << "TestStift"
                               << id
            + "TestID INTEGER|StiftNr INTEGER|StiftDuft1 TEXT|StiftDuft2 TEXT|StiftDuft3 TEXT|"
              "StiftDuft4 TEXT|korrekt INTEGER|auswahl INTEGER";
    QTest::newRow("Test") << "Test"
                          << id
            + "TestArt INTEGER|TestName TEXT|Untersucher INTEGER|Patient INTEGER|Nase INTEGER|"
              "abschwellung INTEGER|Timestamp INTEGER";
    QTest::newRow("Patient") << "Patient"
                             << id
            + "Vorname TEXT|Name TEXT|Geburtsdatum TEXT|Geschlecht TEXT|Geburtsname TEXT|"
              "Personencode TEXT|Adresse TEXT|TelefonEmail TEXT|Rauchgewohnheit TEXT|Notiz TEXT";
    QTest::newRow("TestSchwelle") << "TestSchwelle" << id + "TestID INTEGER|SchwelleNr INTEGER|Wert Integer";
    QTest::newRow("TestSchwelleAusgewaehlte")
        << "TestSchwelleAusgewaehlte" << id + "TestID INTEGER|Nr INTEGER|Triplet INTEGER|erkannt integer";
    QTest::newRow("TestDiskrimination") << "TestDiskrimination" << id + "TestID INTEGER|Nr INTEGER|Wert Integer";
}

void TestStore::layout()
{
    QFETCH(QString, tabelle);
    QFETCH(QString, spalten);

    QCOMPARE(schema.size(), 7);
    // Each column is its backquoted name, a tab and the declared type.
    QStringList erwartet;
    for (const QString& spalte : spalten.split('|'))
        erwartet << '`' + spalte.section(' ', 0, 0) + "`\t" + spalte.section(' ', 1);
    QCOMPARE(schema.value(tabelle), QStringLiteral("CREATE TABLE `%1` (%2)").arg(tabelle, erwartet.join(", ")));
}

// Ids start at 1 and are not reused after deletions; a second store shares the tables instead of laying them out anew.
void TestStore::idsUndZweiteInstanz()
{
    for (const QString n : { "1", "2" }) {
        patientUndUntersucher();
        db->TestLaden(Schwellentest);
        db->TestStartSpeichern("Schwellentest", 0, 0);
        db->DiskriminationSpeicher(QByteArray(1, 1));
        QCOMPARE(zeilen("SELECT ID, Patient, Untersucher FROM Test"), QStringList { n + ':' + n + ':' + n });
        QCOMPARE(zeilen("SELECT TestID FROM TestDiskrimination").last(), n);
        QCOMPARE(zeilen("SELECT ID FROM Patient"), QStringList { n });
        db->PatientLoeschen(-1);
        QVERIFY(!db->TestLoeschen(-1));
    }

    patientUndUntersucher();
    const QStringList vorher = zeilen("SELECT * FROM sqlite_master");
    Datenbank zweite(nullptr);
    QCOMPARE(zeilen("SELECT * FROM sqlite_master"), vorher);
    QCOMPARE(zweite.Patientendaten(3).value("Name"), QStringLiteral("Jörg Müller-Lüdenscheidt"));
}

void TestStore::testStartNimmtGeladeneTestArt()
{
    patientUndUntersucher();
    db->TestLaden(ExtendedTest);
    db->TestLaden(Schwellentest);
    const qint64 vorher = QDateTime::currentSecsSinceEpoch();
    db->TestStartSpeichern("Extended Test", 1, 1);
    const qint64 nachher = QDateTime::currentSecsSinceEpoch();

    QCOMPARE(zeilen("SELECT TestArt, TestName, Nase, abschwellung FROM Test"), QStringList { "3:Extended Test:1:1" });
    const qint64 zeit = zeilen("SELECT Timestamp FROM Test").value(0).toLongLong();
    QVERIFY2(zeit >= vorher && zeit <= nachher, qPrintable(QString::number(zeit)));
}

void TestStore::wendepunkte_data()
{
    QTest::addColumn<QVector<WendePunkte>>("lauf");
    QTest::addColumn<QStringList>("wendepunkte");
    QTest::addColumn<QStringList>("treppe");

    QTest::newRow("completed run") << QVector<WendePunkte> { { 16, false, 0 }, { 14, false, 0 }, { 12, true, 1 },
        { 11, true, 1 }, { 13, false, 2 }, { 12, true, 3 }, { 11, true, 3 }, { 13, false, 4 }, { 12, true, 5 },
        { 13, false, 6 }, { 12, true, 7 } }
                                   << QStringList { "1:12", "2:13", "3:12", "4:13", "5:12", "6:13", "7:12" }
                                   << QStringList { "0:16:0", "0:14:0", "1:12:1", "1:11:1", "2:13:0", "3:12:1",
                                          "3:11:1", "4:13:0", "5:12:1", "6:13:0", "7:12:1" };
    QTest::newRow("aborted before the first reversal") << QVector<WendePunkte> { { 16, false, 0 }, { 14, false, 0 } }
                                                       << QStringList {} << QStringList { "0:16:0", "0:14:0" };
}

void TestStore::wendepunkte()
{
    QFETCH(QVector<WendePunkte>, lauf);
    QFETCH(QStringList, wendepunkte);
    QFETCH(QStringList, treppe);

    patientUndUntersucher();
    db->TestStartSpeichern("Schwellentest", 2, 0);
    db->WendepunkteSpeichern(lauf);
    QCOMPARE(zeilen("SELECT SchwelleNr, Wert FROM TestSchwelle WHERE TestID = 1 ORDER BY ID"), wendepunkte);
    QCOMPARE(zeilen("SELECT Nr, Triplet, erkannt FROM TestSchwelleAusgewaehlte WHERE TestID = 1 ORDER BY ID"), treppe);
}

void TestStore::diskrimination_data()
{
    QTest::addColumn<QByteArray>("auswahl");
    QTest::addColumn<QStringList>("gespeichert");

    QTest::newRow("completed run") << QByteArray("\x01\x00\x02\x01\x01\x01\x00\x01\x02\x01\x01\x01\x01\x00\x01\x01", 16)
                                   << QStringList { "1:1", "2:0", "3:2", "4:1", "5:1", "6:1", "7:0", "8:1", "9:2",
                                          "10:1", "11:1", "12:1", "13:1", "14:0", "15:1", "16:1" };
    QTest::newRow("byte 255 is read as signed") << QByteArray("\x01\xff", 2) << QStringList { "1:1", "2:-1" };
}

void TestStore::diskrimination()
{
    QFETCH(QByteArray, auswahl);
    QFETCH(QStringList, gespeichert);

    patientUndUntersucher();
    db->TestStartSpeichern("Diskriminationstest", 0, 0);
    db->DiskriminationSpeicher(auswahl);
    QCOMPARE(zeilen("SELECT Nr, Wert FROM TestDiskrimination WHERE TestID = 1 ORDER BY ID"), gespeichert);
}

void TestStore::testStift_data()
{
    QTest::addColumn<QStringList>("namen");
    QTest::addColumn<QString>("gespeichert");
    QTest::addColumn<bool>("gemeldet");

    QTest::newRow("four names with umlauts") << QStringList { "Gewürznelke", "Pfeffer", "Zimt", "Käse; \"Brie\"" }
                                             << "Gewürznelke:Pfeffer:Zimt:Käse; \"Brie\":text:text" << false;
    QTest::newRow("five names") << QStringList { "a", "b", "c", "d", "e" } << "a:b:c:d:text:text" << false;
    QTest::newRow("two names") << QStringList { "Rose", "Kamille" } << "Rose:Kamille:::text:text" << true;
    QTest::newRow("no names") << QStringList {} << "::::text:text" << true;
}

// Fewer than four names must not read past the list: the answer is kept with empty texts and reported.
void TestStore::testStift()
{
    QFETCH(QStringList, namen);
    QFETCH(QString, gespeichert);
    QFETCH(bool, gemeldet);

    patientUndUntersucher();
    db->TestStartSpeichern("Identifikationstest blau", 1, 0);
    {
        DebugMitschnitt mitschnitt;
        db->TestStiftSpeichern(7, 3, 2, namen);
        QCOMPARE(mitschnitt.mitPrefix("Datenbank::TestStiftSpeichern").size(), gemeldet ? 1 : 0);
    }
    QCOMPARE(zeilen("SELECT TestID, StiftNr, korrekt, auswahl FROM TestStift"), QStringList { "1:7:3:2" });
    QCOMPARE(zeilen("SELECT StiftDuft1, StiftDuft2, StiftDuft3, StiftDuft4, typeof(StiftDuft3), typeof(StiftDuft4) "
                    "FROM TestStift"),
        QStringList { gespeichert });
}

void TestStore::loeschen_data()
{
    QTest::addColumn<int>("test");
    QTest::addColumn<int>("patient");
    QTest::addColumn<bool>("testsUebrig");
    QTest::addColumn<QStringList>("uebrig");

    QTest::newRow("0: last started test, no patient") << 0 << 0 << true << QStringList { "T1", "P1", "P2" };
    QTest::newRow("by id") << 1 << 2 << true << QStringList { "T2", "P1" };
    QTest::newRow("-1: everything") << -1 << -1 << false << QStringList {};
    QTest::newRow("unknown id; any negative patient id") << 9 << -5 << true << QStringList { "T1", "T2" };
}

void TestStore::loeschen()
{
    QFETCH(int, test);
    QFETCH(int, patient);
    QFETCH(bool, testsUebrig);
    QFETCH(QStringList, uebrig);

    patientUndUntersucher();
    patientUndUntersucher();
    for (int nase = 0; nase < 2; ++nase) {
        db->TestStartSpeichern("Diskriminationstest", nase, 0);
        db->DiskriminationSpeicher(QByteArray(16, 1));
    }
    QCOMPARE(db->TestLoeschen(test), testsUebrig);
    db->PatientLoeschen(patient);
    QCOMPARE(zeilen("SELECT 'T' || ID FROM Test UNION ALL SELECT 'P' || ID FROM Patient"), uebrig);
    // Examiner and answer rows stay; a new run never reuses a test id.
    QCOMPARE(zeilen("SELECT (SELECT count(*) FROM Untersucher), (SELECT count(*) FROM TestDiskrimination)"),
        QStringList { "2:32" });
}

void TestStore::fehlendeTabelle_data()
{
    QTest::addColumn<QString>("tabelle");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("testZeile");
    QTest::addColumn<QString>("antworten");

    QTest::newRow("Patient") << "Patient"
                             << "Datenbank::PatientSpeichern"
                             << "-1:1"
                             << "7:15:16";
    QTest::newRow("Untersucher") << "Untersucher"
                                 << "Datenbank::UntersucherSpeichern"
                                 << "1:-1"
                                 << "7:15:16";
    QTest::newRow("TestSchwelle") << "TestSchwelle"
                                  << "void Datenbank::WendepunkteSpeichern(QVector<WendePunkte>)"
                                  << "1:1"
                                  << "-:15:16";
    QTest::newRow("TestSchwelleAusgewaehlte") << "TestSchwelleAusgewaehlte"
                                              << "void Datenbank::WendepunkteSpeichern(QVector<WendePunkte>)"
                                              << "1:1"
                                              << "7:-:16";
    QTest::newRow("TestDiskrimination") << "TestDiskrimination"
                                        << "void Datenbank::DiskriminationSpeicher(QByteArray)"
                                        << "1:1"
                                        << "7:15:-";
}

// A missing table costs its own rows only, is reported once with its cause, and a failed patient or examiner insert
// leaves -1 behind instead of a stale id.
void TestStore::fehlendeTabelle()
{
    QFETCH(QString, tabelle);
    QFETCH(QString, prefix);
    QFETCH(QString, testZeile);
    QFETCH(QString, antworten);

    zeilen(QStringLiteral("DROP TABLE `%1`").arg(tabelle));
    DebugMitschnitt mitschnitt;
    patientUndUntersucher();
    db->TestStartSpeichern("Schwellentest", 0, 0);
    QVector<WendePunkte> lauf { { 16, false, 0 } };
    for (int nr = 1; nr <= 7; ++nr)
        lauf << WendePunkte { 10, true, nr } << WendePunkte { 11, false, nr };
    db->WendepunkteSpeichern(lauf);
    db->DiskriminationSpeicher(QByteArray(16, 1));

    const QStringList meldungen = mitschnitt.mitPrefix(prefix);
    QCOMPARE(meldungen.size(), 1);
    QVERIFY2(meldungen.first().contains("no such table: " + tabelle), qPrintable(meldungen.first()));
    QVERIFY2(
        meldungen.first().contains(QStringLiteral("  INSERT INTO `%1`").arg(tabelle)), qPrintable(meldungen.first()));
    QCOMPARE(zeilen("SELECT Patient, Untersucher FROM Test"), QStringList { testZeile });
    QStringList anzahlen;
    for (const char* t : { "TestSchwelle", "TestSchwelleAusgewaehlte", "TestDiskrimination" })
        anzahlen << (tabelle == t ? "-" : zeilen(QStringLiteral("SELECT count(*) FROM `%1`").arg(t)).value(0));
    QCOMPARE(anzahlen.join(':'), antworten);
}

DUFTLOTSE_TEST_MAIN(TestStore)
#include "tst_store.moc"
