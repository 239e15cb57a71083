#include "datenbank.h"

#include <QDebug>
#include <QSqlError>

#include <algorithm>

namespace
{

QString text(const QSqlQuery& query, const char* spalte)
{
    return query.value(QLatin1String(spalte)).toString();
}

int zahl(const QSqlQuery& query, const char* spalte)
{
    return query.value(QLatin1String(spalte)).toInt();
}

// Every read here selects by one id. False when preparing or running failed; the caller reports it under its name.
bool ausfuehren(QSqlQuery& query, const QString& sql, const QString& platzhalter, int id)
{
    const bool vorbereitet = query.prepare(sql);
    query.bindValue(platzhalter, id);
    return vorbereitet && query.exec();
}

// Both readers of a patient's tests take the highest kind first, so an extended test's umbrella row leads.
QString testsDesPatienten()
{
    return QStringLiteral("SELECT * FROM `Test` WHERE Patient = :ID order by TestArt desc;");
}

// One answer per row, read by `lesen`; a row scores when the choice is the correct one.
template <typename Lesen> bool stifteWerten(QSqlQuery& query, TestErgebnis* testergebnis, Lesen lesen)
{
    QVector<TestErgebnisStift> stifte;
    while (query.next()) {
        const TestErgebnisStift stift = lesen(query);
        if (stift.richtig == stift.auswahl)
            testergebnis->punktsumme += 1;
        stifte.append(stift);
    }
    testergebnis->Stifte = stifte;
    return true;
}

} // namespace

QMap<QString, QString> Datenbank::Patientendaten(int ID)
{
    if (ID == 0)
        ID = PatientID;

    QMap<QString, QString> daten;
    QSqlQuery query(memdb);
    if (!ausfuehren(query, QStringLiteral("SELECT * FROM `Patient` WHERE ID = :ID"), QStringLiteral(":ID"), ID)) {
        sqlFehler("Datenbank::Patientendaten", query, "  ");
        return daten;
    }
    if (!query.next())
        return daten;

    const QString geburtsdatum = text(query, "Geburtsdatum");
    const QString geschlecht = text(query, "Geschlecht");
    daten.insert(QStringLiteral("Name"), text(query, "Vorname") + QLatin1Char(' ') + text(query, "Name"));
    daten.insert(QStringLiteral("Vorname"), text(query, "Vorname"));
    daten.insert(QStringLiteral("Nachname"), text(query, "Name"));
    daten.insert(QStringLiteral("Geburtsdatum"), geburtsdatum);
    daten.insert(QStringLiteral("Geschlecht"), geschlecht);
    daten.insert(QStringLiteral("Geburtsname"), text(query, "Geburtsname"));
    daten.insert(QStringLiteral("Personencode"), text(query, "Personencode"));
    daten.insert(QStringLiteral("Adresse"), text(query, "Adresse"));
    daten.insert(QStringLiteral("TelefonEmail"), text(query, "TelefonEmail"));
    daten.insert(QStringLiteral("Rauchgewohnheit"), text(query, "Rauchgewohnheit"));
    daten.insert(QStringLiteral("Notiz"), text(query, "Notiz"));

    // A birth date after today has no age to show; such a date leaves the age keys out like an unreadable one.
    const int alter
        = alterInJahren(QDate::fromString(geburtsdatum, QStringLiteral("dd.MM.yyyy")), QDate::currentDate());
    if (alter >= 0) {
        const QString anfang = QLatin1Char('*') + geburtsdatum + QStringLiteral(", ") + QString::number(alter);
        // The German header template always gets the German text; the English one the translation.
        daten.insert(QStringLiteral("GeburtstagAlter"), anfang + QStringLiteral(" Jahre, "));
        daten.insert(QStringLiteral("GeburtstagAlterGeschlecht"), anfang + tr(" Jahre, ") + geschlecht);
    }
    return daten;
}

QMap<QString, QString> Datenbank::Untersucherdaten(int ID)
{
    if (ID == 0)
        ID = UntersucherID;

    QMap<QString, QString> daten;
    QSqlQuery query(memdb);
    if (!ausfuehren(query, QStringLiteral("SELECT * FROM `Untersucher` WHERE ID = :ID"), QStringLiteral(":ID"), ID)) {
        sqlFehler("Datenbank::Untersucherdaten", query, "  ");
        return daten;
    }
    if (!query.next())
        return daten;

    daten.insert(QStringLiteral("UName"), text(query, "Vorname") + QLatin1Char(' ') + text(query, "Name"));
    daten.insert(QStringLiteral("UVorname"), text(query, "Vorname"));
    daten.insert(QStringLiteral("UNachname"), text(query, "Name"));
    daten.insert(QStringLiteral("Bemerkung"), text(query, "Bemerkung"));
    return daten;
}

QMap<QString, QString> Datenbank::TestDaten(int ID)
{
    if (ID == 0)
        ID = PatientID;

    QMap<QString, QString> daten;
    QSqlQuery query(memdb);
    if (!ausfuehren(query, testsDesPatienten(), QStringLiteral(":ID"), ID)) {
        sqlFehler("Datenbank::TestDaten", query, "  ");
        return daten;
    }
    if (!query.next())
        return daten;

    daten.insert(QStringLiteral("TestArt"), text(query, "TestArt"));
    daten.insert(QStringLiteral("TestName"), text(query, "TestName"));
    daten.insert(QStringLiteral("Nase"), text(query, "Nase"));
    daten.insert(QStringLiteral("abschwellung"), text(query, "abschwellung"));
    return daten;
}

TestErgebnisse Datenbank::TestErgebnisDaten(int ID)
{
    if (ID == 0)
        ID = PatientID;

    TestErgebnisse ergebnisse;
    QSqlQuery query(memdb);
    if (!ausfuehren(query, testsDesPatienten(), QStringLiteral(":ID"), ID)) {
        sqlFehler("Datenbank::TestDaten", query, "  ");
        return ergebnisse;
    }

    while (query.next()) {
        TestErgebnis ergebnis;
        const int testId = zahl(query, "ID");
        ergebnis.testArt = static_cast<TestArt>(zahl(query, "TestArt"));
        TestLaden(ergebnis.testArt);

        const qint64 sekunden = static_cast<qint64>(query.value(QStringLiteral("Timestamp")).toULongLong());
        ergebnis.timestamp = QDateTime::fromSecsSinceEpoch(sekunden, Qt::LocalTime);
        ergebnis.abschwellung = query.value(QStringLiteral("abschwellung")).toBool();
        ergebnis.nase = zahl(query, "Nase");
        ergebnis.normwert = Normwert;
        ergebnis.testname = text(query, "TestName");
        ergebnis.punktsumme = 0;

        // For an extended test the umbrella row brings the highest norm, that of the summed score.
        ergebnisse.normwertSumme = std::max(ergebnisse.normwertSumme, Normwert);

        // The best score of a kind is compared even for a run whose answers could not be read.
        bool bewertet = false;
        switch (ergebnis.testArt) {
        case Screening12:
            bewertet = TestDatenScreening(&ergebnis, testId);
            ergebnisse.maxScreening = std::max(ergebnisse.maxScreening, ergebnis.punktsumme);
            break;
        case Identifikationstest_blau:
            bewertet = TestDatenScreening(&ergebnis, testId);
            ergebnisse.maxIdentifikation = std::max(ergebnisse.maxIdentifikation, ergebnis.punktsumme);
            break;
        case Schwellentest:
            bewertet = WendepunkteAuswerten(&ergebnis, testId);
            ergebnisse.maxSchwelle = std::max(ergebnisse.maxSchwelle, ergebnis.punktsumme);
            break;
        case Diskriminationstest:
            bewertet = DiskriminationAuswerten(&ergebnis, testId);
            ergebnisse.maxDiskrimination = std::max(ergebnisse.maxDiskrimination, ergebnis.punktsumme);
            break;
        case ExtendedTest:
            bewertet = true;
            break;
        case TestLadenAlle:
            break;
        }
        if (bewertet)
            ergebnisse.testergebnis.append(ergebnis);
    }

    ergebnisse.maxSumme = ergebnisse.maxDiskrimination + ergebnisse.maxIdentifikation + ergebnisse.maxSchwelle
        + ergebnisse.maxScreening;
    ergebnisse.riecht_schlecht = ergebnisse.maxSumme < ergebnisse.normwertSumme;
    return ergebnisse;
}

bool Datenbank::TestDatenScreening(TestErgebnis* testergebnis, int testid)
{
    if (!testergebnis)
        return false;

    QSqlQuery query(memdb);
    if (!ausfuehren(query, QStringLiteral("SELECT * FROM `TestStift` WHERE TestID = :ID order by StiftNr;"),
            QStringLiteral(":ID"), testid)) {
        sqlFehler("Datenbank::TestDaten stift", query, "  ");
        return false;
    }
    return stifteWerten(query, testergebnis, [](const QSqlQuery& zeile) {
        TestErgebnisStift stift;
        stift.StiftNr = zahl(zeile, "StiftNr");
        stift.Namen << text(zeile, "StiftDuft1") << text(zeile, "StiftDuft2") << text(zeile, "StiftDuft3")
                    << text(zeile, "StiftDuft4");
        stift.richtig = zahl(zeile, "korrekt");
        stift.auswahl = zahl(zeile, "auswahl");
        return stift;
    });
}

bool Datenbank::DiskriminationAuswerten(TestErgebnis* testergebnis, int TestId)
{
    if (!testergebnis)
        return false;

    QSqlQuery query(memdb);
    if (!ausfuehren(query, QStringLiteral("Select * from `TestDiskrimination` where TestID = :TestID  order by Nr"),
            QStringLiteral(":TestID"), TestId)) {
        sqlFehler("bool Datenbank::DiskriminationAuswerten(TestErgebnis*, int)", query, "   ");
        return false;
    }
    return stifteWerten(query, testergebnis, [](const QSqlQuery& zeile) {
        TestErgebnisStift stift;
        stift.StiftNr = zahl(zeile, "Nr");
        // Code 1 is the green cap, the odd pen of the triplet: the correct pick of every row.
        stift.richtig = 1;
        stift.auswahl = zahl(zeile, "Wert");
        return stift;
    });
}

bool Datenbank::WendepunkteAuswerten(TestErgebnis* testergebnis, int TestId)
{
    if (!testergebnis)
        return false;
    const char* const prefix = "bool Datenbank::WendepunkteAuswerten(TestErgebnis*, int)";

    QSqlQuery query(memdb);
    if (!ausfuehren(query, QStringLiteral("Select * from `TestSchwelle` where TestID = :TestID  order by SchwelleNr"),
            QStringLiteral(":TestID"), TestId)) {
        sqlFehler(prefix, query, "   ");
        return false;
    }

    // The threshold is the mean of the last four of the seven reversals; the first three are the descent.
    double summe = 0;
    while (query.next()) {
        TestErgebnisSchwelle schwelle;
        schwelle.SchwelleNr = zahl(query, "SchwelleNr");
        schwelle.Wert = zahl(query, "Wert");
        testergebnis->Schwellen.append(schwelle);
        if (schwelle.SchwelleNr > 3)
            summe += schwelle.Wert;
    }
    testergebnis->punktsumme = summe / 4.0;

    if (!ausfuehren(query,
            QStringLiteral("Select * from `TestSchwelleAusgewaehlte` where TestID = :TestID  order by Nr, ID"),
            QStringLiteral(":TestID"), TestId)) {
        sqlFehler(prefix, query, "   ");
        return false;
    }
    while (query.next()) {
        TestErgebnisSchwelleAuswahl auswahl;
        auswahl.SchwelleNr = zahl(query, "Nr");
        auswahl.Triplet = zahl(query, "Triplet");
        auswahl.erkannt = query.value(QStringLiteral("erkannt")).toBool();
        testergebnis->SchwellenAuswahl.append(auswahl);
    }
    return true;
}
