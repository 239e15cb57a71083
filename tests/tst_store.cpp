#include "testsupport.h"

#include "datenbank.h"

#include <QLocale>
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

} // namespace

class TestStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<Datenbank> db;

private slots:
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

    // One run writes every kind of row; each case reads one table back.
    void schreiben_data()
    {
        QTest::addColumn<QString>("abfrage");
        QTest::addColumn<QStringList>("gespeichert");

        QTest::newRow("test: kind of the last loaded test, not of the name; seconds")
            << "SELECT ID, Patient, Untersucher, TestArt, TestName, Nase, abschwellung, "
               "abs(Timestamp - strftime('%s', 'now')) < 60 FROM Test WHERE ID = 2"
            << QStringList { "2:1:1:4:Schwellentest:2:1:1" };
        QTest::newRow("threshold: each reversal once, from its first row")
            << "SELECT TestID, SchwelleNr, Wert FROM TestSchwelle ORDER BY ID"
            << QStringList { "2:1:12", "2:2:13", "2:3:12", "2:4:13", "2:5:12", "2:6:13", "2:7:12" };
        QTest::newRow("discrimination: numbered from 1, bytes signed")
            << "SELECT TestID, Nr, Wert FROM TestDiskrimination ORDER BY ID"
            << QStringList { "2:1:1", "2:2:0", "2:3:-1" };
        // SQLite takes a mark at the start of a text for its byte order; the other order's would garble the rest.
        QTest::newRow("patient: byte-order marks at the start are the names' own")
            << "SELECT Vorname, Name FROM Patient" << QStringList { QStringLiteral("\uFFFDJörg:\uFEFFMüller") };
        // Fewer than four names must not read past the list: the answer is kept with empty texts.
        QTest::newRow("pens: quotes kept, missing names empty text")
            << "SELECT TestID, StiftNr, korrekt, auswahl, StiftDuft1, StiftDuft2, StiftDuft3, StiftDuft4, "
               "typeof(StiftDuft4) FROM TestStift ORDER BY ID"
            << QStringList { "2:7:3:2:Gewürznelke:Pfeffer:Zimt:Käse; \"Brie\":text", "2:8:1:4:Rose:Kamille:::text" };
    }

    void schreiben()
    {
        QFETCH(QString, abfrage);
        QFETCH(QStringList, gespeichert);

        // The answers belong to test 2, not to patient or examiner 1.
        testsupport::personenSpeichern(
            *db, "01.02.1980", "JM-0815", QStringLiteral("\uFFFEJörg"), QStringLiteral("\uFEFFMüller"));
        db->TestStartSpeichern("Vorlauf", 0, 0);
        db->TestLaden(ExtendedTest);
        db->TestLaden(Diskriminationstest);
        db->TestStartSpeichern("Schwellentest", 2, 1);
        // Reversal numbers 0,0,1,1,2,3,3,4,5,6,7.
        db->WendepunkteSpeichern(
            { { 16, false, 0 }, { 14, false, 0 }, { 12, true, 1 }, { 11, true, 1 }, { 13, false, 2 }, { 12, true, 3 },
                { 11, true, 3 }, { 13, false, 4 }, { 12, true, 5 }, { 13, false, 6 }, { 12, true, 7 } });
        db->DiskriminationSpeicher(QByteArray("\x01\x00\xff", 3));
        db->TestStiftSpeichern(7, 3, 2, { "Gewürznelke", "Pfeffer", "Zimt", "Käse; \"Brie\"" });
        db->TestStiftSpeichern(8, 1, 4, { "Rose", "Kamille" });
        QCOMPARE(zeilen(abfrage), gespeichert);
    }

    void loeschen_data()
    {
        QTest::addColumn<int>("test");
        QTest::addColumn<int>("patient");
        QTest::addColumn<QStringList>("uebrig");
        QTest::addColumn<bool>("ohneTest");

        QTest::newRow("0: last started test with its answers, no patient")
            << 0 << 0 << QStringList { "T1", "P1", "P2", "D1" } << false;
        QTest::newRow("0 before any test was started: nothing")
            << 0 << 0 << QStringList { "T1", "T2", "P1", "P2", "D1", "D2" } << true;
        QTest::newRow("by id") << 1 << 2 << QStringList { "T2", "P1", "D2" } << false;
        QTest::newRow("-1: everything") << -1 << -1 << QStringList {} << false;
    }

    // TestLoeschen tells whether tests are left.
    void loeschen()
    {
        QFETCH(int, test);
        QFETCH(int, patient);
        QFETCH(QStringList, uebrig);
        QFETCH(bool, ohneTest);

        for (int nase = 0; nase < 2; ++nase) {
            testsupport::personenSpeichern(*db);
            db->TestStartSpeichern("Diskriminationstest", nase, 0);
            db->DiskriminationSpeicher(QByteArray(1, 1));
        }
        // A second store shares the tables but has started no test of its own.
        Datenbank ohneLauf(nullptr);
        QCOMPARE((ohneTest ? ohneLauf : *db).TestLoeschen(test), !uebrig.filter("T").isEmpty());
        db->PatientLoeschen(patient);
        QCOMPARE(zeilen("SELECT 'T' || ID FROM Test UNION ALL SELECT 'P' || ID FROM Patient UNION ALL "
                        "SELECT 'D' || TestID FROM TestDiskrimination"),
            uebrig);
    }
};

DUFTLOTSE_TEST_MAIN(TestStore)
#include "tst_store.moc"
