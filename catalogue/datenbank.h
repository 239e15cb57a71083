#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QDomDocument>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVector>

// Kind of test. The numbers are shared by the definition files (attribute TestArt),
// the store (column TestArt) and the test screens' TestStart().
enum TestArt : int {
    TestLadenAlle = 0,
    Screening12 = 1,
    Identifikationstest_blau = 2,
    Schwellentest = 3,
    Diskriminationstest = 4,
    ExtendedTest = 5,
};

// One row of a threshold staircase as the threshold screen writes it.
struct WendePunkte {
    int Triplet = 0;
    bool erkannt = false;
    int WendepunktNr = 0;
};

// One answer of an identification or screening run, or one discrimination triplet.
struct TestErgebnisStift {
    int StiftNr = 0;
    QStringList Namen;
    int richtig = 0;
    int auswahl = 0;
};

// One threshold reversal point.
struct TestErgebnisSchwelle {
    int SchwelleNr = 0;
    int Wert = 0;
};

// One row of the threshold staircase as read back from the store.
struct TestErgebnisSchwelleAuswahl {
    int SchwelleNr = 0;
    int Triplet = 0;
    bool erkannt = false;
};

// The scored result of one test run.
struct TestErgebnis {
    TestArt testArt = TestLadenAlle;
    int nase = 0;
    bool abschwellung = false;
    double punktsumme = 0;
    double maxwert = 0;
    double normwert = 0;
    double anaosmie = 0;
    double supersmellers = 0;
    QVector<TestErgebnisStift> Stifte;
    QVector<TestErgebnisSchwelle> Schwellen;
    QVector<TestErgebnisSchwelleAuswahl> SchwellenAuswahl;
    QDateTime timestamp;
    QString testname;
};

// All results of one patient, with the best score per kind of test.
struct TestErgebnisse {
    QVector<TestErgebnis> testergebnis;
    double maxSchwelle = 0;
    double maxIdentifikation = 0;
    double maxDiskrimination = 0;
    double maxScreening = 0;
    double maxSumme = 0;
    double normwertSumme = 0;
    bool riecht_schlecht = false;
};

Q_DECLARE_METATYPE(WendePunkte)
Q_DECLARE_METATYPE(QVector<WendePunkte>)
Q_DECLARE_METATYPE(TestErgebnis)
Q_DECLARE_METATYPE(TestErgebnisse)

// Age in whole years on the calendar: a birthday reached on `heute` counts.
// Returns -1 for an invalid birth date or one after `heute`.
int alterInJahren(const QDate& geburtsdatum, const QDate& heute);

// Test catalogue (the embedded test definitions) and the in-memory examination store.
class Datenbank : public QObject
{
    Q_OBJECT

public:
    explicit Datenbank(QObject* parent);
    ~Datenbank() override = default;

    // Catalogue.
    void TestsLaden();
    void TestLaden(TestArt testart);
    QStringList ListeDerTest();
    QByteArray getTestArten() const;
    QByteArray Stiftreihenfolge();
    TestArt getTestArt() const;
    double getNormwert() const;
    double getSupersmellers() const;
    double getAnosmie() const;
    double getMaxwert() const;
    bool Stiftdaten(unsigned int Stiftnummer, QStringList* Namen, QStringList* Bilder, int* richtig);
    bool Perzentile(int Prozent, QString* Name, QStringList* alter, QList<double>* werte);
    // Reads one definition from its XML; it becomes the current definition and its name
    // is returned. A definition that is no complete test leaves the current one cleared,
    // writes why to the debug log under `quelle` and returns "Fehler".
    QString DefinitionLesen(const QByteArray& xml, const QString& quelle);

    // Examination store.
    void PatientSpeichern(QString Vorname, QString Name, QString Geburtsdatum, QString Geschlecht, QString Geburtsname,
        QString Personencode, QString Adresse, QString TelefonEmail, QString Rauchgewohnheit, QString Notiz);
    void UntersucherSpeichern(QString Vorname, QString Name, QString Bemerkung);
    void TestStartSpeichern(QString TestName, int Nase, int abschwellung);
    void PatientLoeschen(int PatientID);
    void UntersucherLoeschen(int UntersucherID);
    // Deletes the test (-1: all tests) with its answers; tells whether tests are left.
    bool TestLoeschen(int ID);

    // Scoring and result retrieval.
    QMap<QString, QString> Patientendaten(int ID);
    QMap<QString, QString> Untersucherdaten(int ID);
    TestErgebnisse TestErgebnisDaten(int ID);
    bool WendepunkteAuswerten(TestErgebnis* testergebnis, int TestId);
    QMap<QString, QString> TestDaten(int ID);

public slots:
    void TestStiftSpeichern(int StiftNr, int korrekt, int auswahl, QStringList Namen);
    void WendepunkteSpeichern(QVector<WendePunkte> wendepunkte);
    void DiskriminationSpeicher(QByteArray ausgewaehlte);

private:
    friend class TestCatalogue; // reads broken definition files through XMLTestladen

    QString XMLTestladen(QString filename);
    void DefinitionLeeren();
    int openMemDatabase();
    void setupMemDatabase();
    bool DiskriminationAuswerten(TestErgebnis* testergebnis, int TestId);
    bool TestDatenScreening(TestErgebnis* testergebnis, int testid);
    // Deletes the row `ID` of `tabelle`, all rows for a negative `ID`.
    void zeilenLoeschen(const char* tabelle, int ID, const char* prefix);
    // Error debug line of a failed statement: prefix, SQL error, separator, statement.
    static void sqlFehler(const char* prefix, const QSqlQuery& query, const char* trenner);

    QSqlDatabase memdb;
    QDomDocument doc;
    QStringList testliste;
    QByteArray testArten;
    int PatientID = -1;
    int UntersucherID = -1;
    int TestID = -1;
    TestArt testArt = TestLadenAlle;
    double Normwert = 0;
    double Supersmellers = 0;
    double Anosmie = 0;
    double Maxwert = 0;
    QByteArray Stifte;
};
