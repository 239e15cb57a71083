#include "testsupport.h"

#include "datenbank.h"

#include <QLocale>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlRecord>

namespace
{

// Every row of a statement as its columns joined by ':', so expectations read as "Nr:Wert".
QStringList zeilen(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(QStringLiteral("memdb"), false));
    if (!query.exec(sql))
        QTest::qFail(qPrintable(query.lastError().text() + QStringLiteral(": ") + sql), __FILE__, __LINE__);
    QStringList ergebnis;
    while (query.next()) {
        QStringList spalten;
        for (int i = 0; i < query.record().count(); ++i)
            spalten << query.value(i).toString();
        ergebnis << spalten.join(QLatin1Char(':'));
    }
    return ergebnis;
}

void patientUndUntersucher(Datenbank& db)
{
    db.PatientSpeichern("Jörg", "Müller-Lüdenscheidt", "01.02.1980", "männlich", "Meier", "JM-0815",
        "Hauptstraße 1, Görlitz", "jm@example.org", "Nichtraucher", "Notiz: \"x\"; y");
    db.UntersucherSpeichern("Erika", "Mustermann", "HNO");
}

} // namespace

class TestStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<Datenbank> db;

private slots:
    // The embedded test definitions are chosen by locale.
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        db = std::make_unique<Datenbank>(nullptr);
    }

    // Each case starts from empty tables; emptying sqlite_sequence restarts the id counters.
    void init()
    {
        for (const QString& tabelle : zeilen("SELECT name FROM sqlite_master WHERE type = 'table'"))
            zeilen(QStringLiteral("DELETE FROM `%1`").arg(tabelle));
    }

    // Row name: the table; after the id, each column as "name type", spelled as the store declares it.
    void layout_data()
    {
        QTest::addColumn<QString>("spalten");

        QTest::newRow("Untersucher") << "Vorname TEXT|Name TEXT|Bemerkung TEXT";
        QTest::newRow("TestStift") << "TestID INTEGER|StiftNr INTEGER|StiftDuft1 TEXT|StiftDuft2 TEXT|"
                                      "StiftDuft3 TEXT|StiftDuft4 TEXT|korrekt INTEGER|auswahl INTEGER";
        QTest::newRow("Test") << "TestArt INTEGER|TestName TEXT|Untersucher INTEGER|Patient INTEGER|Nase INTEGER|"
                                 "abschwellung INTEGER|Timestamp INTEGER";
        QTest::newRow("Patient") << "Vorname TEXT|Name TEXT|Geburtsdatum TEXT|Geschlecht TEXT|Geburtsname TEXT|"
                                    "Personencode TEXT|Adresse TEXT|TelefonEmail TEXT|Rauchgewohnheit TEXT|Notiz TEXT";
        QTest::newRow("TestSchwelle") << "TestID INTEGER|SchwelleNr INTEGER|Wert Integer";
        QTest::newRow("TestSchwelleAusgewaehlte") << "TestID INTEGER|Nr INTEGER|Triplet INTEGER|erkannt integer";
        QTest::newRow("TestDiskrimination") << "TestID INTEGER|Nr INTEGER|Wert Integer";
    }

    void layout()
    {
        QFETCH(QString, spalten);

        // Seven tables and the id counters of SQLite.
        QCOMPARE(zeilen("SELECT count(*) FROM sqlite_master WHERE type = 'table'"), QStringList { "8" });
        QStringList erwartet { "`ID`\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT UNIQUE" };
        for (const QString& spalte : spalten.split('|'))
            erwartet << '`' + spalte.section(' ', 0, 0) + "`\t" + spalte.section(' ', 1);
        const QString tabelle = QTest::currentDataTag();
        QCOMPARE(zeilen(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = '%1'").arg(tabelle)),
            QStringList { QStringLiteral("CREATE TABLE `%1` (%2)").arg(tabelle, erwartet.join(", ")) });
    }

    // Ids start at 1 and are not reused after deletions. The kind is that of the last loaded test, not of the name;
    // the timestamp is in seconds; answers carry the id of the test just started.
    // A second store shares the tables instead of laying them out anew.
    void testZeileUndZweiteInstanz()
    {
        for (int n = 1; n <= 2; ++n) {
            patientUndUntersucher(*db);
            db->TestLaden(ExtendedTest);
            db->TestLaden(Schwellentest);
            db->TestStartSpeichern("Extended Test", 1, 1);
            db->DiskriminationSpeicher(QByteArray(1, 1));
            QCOMPARE(zeilen("SELECT ID, Patient, Untersucher, TestArt, TestName, Nase, abschwellung, abs(Timestamp - "
                            "strftime('%s', 'now')) < 60, (SELECT max(TestID) FROM TestDiskrimination) FROM Test"),
                QStringList { QStringLiteral("%1:%1:%1:3:Extended Test:1:1:1:%1").arg(n) });
            db->PatientLoeschen(-1);
            QVERIFY(!db->TestLoeschen(-1));
        }

        patientUndUntersucher(*db);
        const QStringList vorher = zeilen("SELECT * FROM sqlite_master");
        Datenbank zweite(nullptr);
        QCOMPARE(zeilen("SELECT * FROM sqlite_master"), vorher);
        QCOMPARE(zweite.Patientendaten(3).value("Name"), QStringLiteral("Jörg Müller-Lüdenscheidt"));
    }

    // One run of a threshold staircase and of discrimination answers, and the rows of one table afterwards.
    void antworten_data()
    {
        QTest::addColumn<QVector<WendePunkte>>("lauf");
        QTest::addColumn<QByteArray>("auswahl");
        QTest::addColumn<QString>("abfrage");
        QTest::addColumn<QStringList>("gespeichert");

        // Reversal numbers 0,0,1,1,2,3,3,4,5,6,7.
        const QVector<WendePunkte> fertig { { 16, false, 0 }, { 14, false, 0 }, { 12, true, 1 }, { 11, true, 1 },
            { 13, false, 2 }, { 12, true, 3 }, { 11, true, 3 }, { 13, false, 4 }, { 12, true, 5 }, { 13, false, 6 },
            { 12, true, 7 } };
        const QString schwellen = QStringLiteral("SELECT SchwelleNr, Wert FROM TestSchwelle");
        const QString diskrimination = QStringLiteral("SELECT Nr, Wert FROM TestDiskrimination");

        QTest::newRow("completed staircase: 7 reversal rows")
            << fertig << QByteArray() << schwellen
            << QStringList { "1:12", "2:13", "3:12", "4:13", "5:12", "6:13", "7:12" };
        QTest::newRow("completed staircase: 11 staircase rows")
            << fertig << QByteArray() << "SELECT Nr, Triplet, erkannt FROM TestSchwelleAusgewaehlte"
            << QStringList { "0:16:0", "0:14:0", "1:12:1", "1:11:1", "2:13:0", "3:12:1", "3:11:1", "4:13:0", "5:12:1",
                   "6:13:0", "7:12:1" };
        QTest::newRow("aborted before any reversal") << fertig.mid(0, 2) << QByteArray() << schwellen << QStringList {};
        QTest::newRow("discrimination numbered from 1") << QVector<WendePunkte> {} << QByteArray("\x01\x00\x02", 3)
                                                        << diskrimination << QStringList { "1:1", "2:0", "3:2" };
        QTest::newRow("discrimination byte 255 is read as signed")
            << QVector<WendePunkte> {} << QByteArray("\x01\xff", 2) << diskrimination << QStringList { "1:1", "2:-1" };
    }

    void antworten()
    {
        QFETCH(QVector<WendePunkte>, lauf);
        QFETCH(QByteArray, auswahl);
        QFETCH(QString, abfrage);
        QFETCH(QStringList, gespeichert);

        patientUndUntersucher(*db);
        db->TestStartSpeichern("Schwellentest", 2, 0);
        db->WendepunkteSpeichern(lauf);
        db->DiskriminationSpeicher(auswahl);
        QCOMPARE(zeilen(abfrage + " WHERE TestID = 1 ORDER BY ID"), gespeichert);
    }

    void testStift_data()
    {
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QString>("gespeichert");
        QTest::addColumn<int>("berichte");

        QTest::newRow("four names") << QStringList { "Gewürznelke", "Pfeffer", "Zimt", "Käse; \"Brie\"" }
                                    << "Gewürznelke:Pfeffer:Zimt:Käse; \"Brie\":text:text" << 0;
        QTest::newRow("fifth name ignored") << QStringList { "a", "b", "c", "d", "e" } << "a:b:c:d:text:text" << 0;
        QTest::newRow("two names") << QStringList { "Rose", "Kamille" } << "Rose:Kamille:::text:text" << 1;
        QTest::newRow("no names") << QStringList {} << "::::text:text" << 1;
    }

    // Fewer than four names must not read past the list: the answer is kept with empty texts and reported.
    void testStift()
    {
        QFETCH(QStringList, namen);
        QFETCH(QString, gespeichert);
        QFETCH(int, berichte);

        patientUndUntersucher(*db);
        db->TestStartSpeichern("Identifikationstest blau", 1, 0);
        // The report is a debug line, which the run's logging rules switch off.
        static int gezaehlt = 0;
        gezaehlt = 0;
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, true);
        const QtMessageHandler vorher
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
                  gezaehlt += text.startsWith("Datenbank::TestStiftSpeichern ");
              });
        db->TestStiftSpeichern(7, 3, 2, namen);
        qInstallMessageHandler(vorher);
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false);
        QCOMPARE(gezaehlt, berichte);
        QCOMPARE(zeilen("SELECT TestID, StiftNr, korrekt, auswahl, StiftDuft1, StiftDuft2, StiftDuft3, StiftDuft4, "
                        "typeof(StiftDuft3), typeof(StiftDuft4) FROM TestStift"),
            QStringList { "1:7:3:2:" + gespeichert });
    }

    void loeschen_data()
    {
        QTest::addColumn<int>("test");
        QTest::addColumn<int>("patient");
        QTest::addColumn<bool>("testsUebrig");
        QTest::addColumn<QStringList>("uebrig");
        QTest::addColumn<bool>("ohneTest");

        QTest::newRow("0: last started test, no patient")
            << 0 << 0 << true << QStringList { "T1", "P1", "P2" } << false;
        QTest::newRow("0 before any test was started: nothing")
            << 0 << 0 << true << QStringList { "T1", "T2", "P1", "P2" } << true;
        QTest::newRow("by id") << 1 << 2 << true << QStringList { "T2", "P1" } << false;
        QTest::newRow("-1: everything") << -1 << -1 << false << QStringList {} << false;
        QTest::newRow("unknown id; any negative patient id") << 9 << -5 << true << QStringList { "T1", "T2" } << false;
    }

    void loeschen()
    {
        QFETCH(int, test);
        QFETCH(int, patient);
        QFETCH(bool, testsUebrig);
        QFETCH(QStringList, uebrig);
        QFETCH(bool, ohneTest);

        for (int nase = 0; nase < 2; ++nase) {
            patientUndUntersucher(*db);
            db->TestStartSpeichern("Diskriminationstest", nase, 0);
            db->DiskriminationSpeicher(QByteArray(16, 1));
        }
        // A second store on the same tables has started no test of its own.
        Datenbank ohneLauf(nullptr);
        QCOMPARE((ohneTest ? ohneLauf : *db).TestLoeschen(test), testsUebrig);
        db->PatientLoeschen(patient);
        QCOMPARE(zeilen("SELECT 'T' || ID FROM Test UNION ALL SELECT 'P' || ID FROM Patient"), uebrig);
        // Examiner and answer rows stay.
        QCOMPARE(zeilen("SELECT (SELECT count(*) FROM Untersucher), (SELECT count(*) FROM TestDiskrimination)"),
            QStringList { "2:32" });
    }
};

DUFTLOTSE_TEST_MAIN(TestStore)
#include "tst_store.moc"
