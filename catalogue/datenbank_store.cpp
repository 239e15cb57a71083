#include "datenbank.h"

#include <QDateTime>
#include <QDebug>
#include <QSqlError>

namespace
{

const char* const verbindungsname = "memdb";

struct Spalte {
    const char* name;
    const char* typ;
};

struct Tabelle {
    const char* name;
    QVector<Spalte> spalten;
};

const char* const idTyp = "INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT UNIQUE";

// Layout of the examination store, in creation order. The declared types are kept
// exactly as they are, mixed case included.
const QVector<Tabelle>& tabellen()
{
    static const QVector<Tabelle> liste = {
        { "Untersucher", { { "ID", idTyp }, { "Vorname", "TEXT" }, { "Name", "TEXT" }, { "Bemerkung", "TEXT" } } },
        { "TestStift",
            { { "ID", idTyp }, { "TestID", "INTEGER" }, { "StiftNr", "INTEGER" }, { "StiftDuft1", "TEXT" },
                { "StiftDuft2", "TEXT" }, { "StiftDuft3", "TEXT" }, { "StiftDuft4", "TEXT" }, { "korrekt", "INTEGER" },
                { "auswahl", "INTEGER" } } },
        { "Test",
            { { "ID", idTyp }, { "TestArt", "INTEGER" }, { "TestName", "TEXT" }, { "Untersucher", "INTEGER" },
                { "Patient", "INTEGER" }, { "Nase", "INTEGER" }, { "abschwellung", "INTEGER" },
                { "Timestamp", "INTEGER" } } },
        { "Patient",
            { { "ID", idTyp }, { "Vorname", "TEXT" }, { "Name", "TEXT" }, { "Geburtsdatum", "TEXT" },
                { "Geschlecht", "TEXT" }, { "Geburtsname", "TEXT" }, { "Personencode", "TEXT" }, { "Adresse", "TEXT" },
                { "TelefonEmail", "TEXT" }, { "Rauchgewohnheit", "TEXT" }, { "Notiz", "TEXT" } } },
        { "TestSchwelle",
            { { "ID", idTyp }, { "TestID", "INTEGER" }, { "SchwelleNr", "INTEGER" }, { "Wert", "Integer" } } },
        { "TestSchwelleAusgewaehlte",
            { { "ID", idTyp }, { "TestID", "INTEGER" }, { "Nr", "INTEGER" }, { "Triplet", "INTEGER" },
                { "erkannt", "integer" } } },
        { "TestDiskrimination",
            { { "ID", idTyp }, { "TestID", "INTEGER" }, { "Nr", "INTEGER" }, { "Wert", "Integer" } } },
    };
    return liste;
}

QString createStatement(const Tabelle& tabelle)
{
    QStringList spalten;
    for (const Spalte& spalte : tabelle.spalten)
        spalten << QStringLiteral("`%1`\t%2").arg(QLatin1String(spalte.name), QLatin1String(spalte.typ));
    return QStringLiteral("CREATE TABLE IF NOT EXISTS `%1` (%2)")
        .arg(QLatin1String(tabelle.name), spalten.join(QStringLiteral(", ")));
}

// Binds a text as it is. SQLite takes a byte-order mark at the start of a text for one and drops it, and with the
// mark of the other byte order reads the rest as nonsense; a mark of our own in front keeps whatever the text begins
// with. A null text stays NULL.
void textBinden(QSqlQuery& query, const QString& platzhalter, const QString& text)
{
    query.bindValue(platzhalter, text.isNull() ? text : QChar(QChar::ByteOrderMark) + text);
}

} // namespace

void Datenbank::sqlFehler(const char* prefix, const QSqlQuery& query, const char* trenner)
{
    qDebug().noquote() << QLatin1String(prefix) + QLatin1Char(' ') + query.lastError().text() + QLatin1String(trenner)
            + query.lastQuery();
}

int Datenbank::openMemDatabase()
{
    qDebug() << "Datenbank::openMemDatabase";
    const QString name = QLatin1String(verbindungsname);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase vorhanden = QSqlDatabase::database(name, false);
        if (vorhanden.isValid()) {
            memdb = vorhanden;
            return 0;
        }
    }
    memdb = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    memdb.setDatabaseName(QStringLiteral(":memory:"));
    if (!memdb.open()) {
        qDebug().noquote() << "Datenbank::openMemDatabase" << memdb.lastError().text();
        return 0;
    }
    setupMemDatabase();
    return 1;
}

void Datenbank::setupMemDatabase()
{
    QSqlQuery query(memdb);
    for (const Tabelle& tabelle : tabellen()) {
        const QString statement = createStatement(tabelle);
        query.exec(statement);
        if (query.lastError().isValid())
            qDebug().noquote() << "setupMemDatabase" << query.lastError().text() + QLatin1String("  ") + statement;
    }
}

void Datenbank::PatientSpeichern(QString Vorname, QString Name, QString Geburtsdatum, QString Geschlecht,
    QString Geburtsname, QString Personencode, QString Adresse, QString TelefonEmail, QString Rauchgewohnheit,
    QString Notiz)
{
    QSqlQuery query(memdb);
    const bool vorbereitet = query.prepare(QStringLiteral(
        "INSERT INTO `Patient` (`Vorname`, `Name`, `Geburtsdatum`, `Geschlecht`, `Geburtsname`, `Personencode`, "
        "`Adresse`, `TelefonEmail`, `Rauchgewohnheit`, `Notiz`)VALUES (:Vorname, :Name, :Geburtsdatum, :Geschlecht, "
        ":Geburtsname, :Personencode, :Adresse, :TelefonEmail, :Rauchgewohnheit, :Notiz);"));
    textBinden(query, QStringLiteral(":Vorname"), Vorname);
    textBinden(query, QStringLiteral(":Name"), Name);
    textBinden(query, QStringLiteral(":Geburtsdatum"), Geburtsdatum);
    textBinden(query, QStringLiteral(":Geschlecht"), Geschlecht);
    textBinden(query, QStringLiteral(":Geburtsname"), Geburtsname);
    textBinden(query, QStringLiteral(":Personencode"), Personencode);
    textBinden(query, QStringLiteral(":Adresse"), Adresse);
    textBinden(query, QStringLiteral(":TelefonEmail"), TelefonEmail);
    textBinden(query, QStringLiteral(":Rauchgewohnheit"), Rauchgewohnheit);
    textBinden(query, QStringLiteral(":Notiz"), Notiz);
    if (vorbereitet && query.exec()) {
        PatientID = query.lastInsertId().toInt();
        qDebug() << "PatientSpeichern Last ID was:" << PatientID;
    } else {
        PatientID = -1;
    }
    if (query.lastError().isValid())
        sqlFehler("Datenbank::PatientSpeichern", query, "  ");
}

void Datenbank::UntersucherSpeichern(QString Vorname, QString Name, QString Bemerkung)
{
    QSqlQuery query(memdb);
    const bool vorbereitet = query.prepare(
        QStringLiteral("INSERT INTO `Untersucher` (`Vorname`,`Name`,`Bemerkung`) VALUES (:Vorname,:Name,:Bemerkung);"));
    textBinden(query, QStringLiteral(":Vorname"), Vorname);
    textBinden(query, QStringLiteral(":Name"), Name);
    textBinden(query, QStringLiteral(":Bemerkung"), Bemerkung);
    if (vorbereitet && query.exec()) {
        UntersucherID = query.lastInsertId().toInt();
        qDebug() << "UntersucherSpeichern Last ID was:" << UntersucherID;
    } else {
        UntersucherID = -1;
    }
    if (query.lastError().isValid())
        sqlFehler("Datenbank::UntersucherSpeichern", query, "  ");
}

void Datenbank::TestStartSpeichern(QString TestName, int Nase, int abschwellung)
{
    QSqlQuery query(memdb);
    const bool vorbereitet = query.prepare(QStringLiteral(
        "INSERT INTO `Test` (`TestArt`,`TestName`,`Untersucher`,`Patient`, `Nase`, `abschwellung`, `Timestamp`) "
        "VALUES (:TestArt,:TestName,:Untersucher,:Patient,:Nase,:abschwellung,:Timestamp);"));
    query.bindValue(QStringLiteral(":TestArt"), static_cast<int>(testArt));
    textBinden(query, QStringLiteral(":TestName"), TestName);
    query.bindValue(QStringLiteral(":Untersucher"), UntersucherID);
    query.bindValue(QStringLiteral(":Patient"), PatientID);
    query.bindValue(QStringLiteral(":Nase"), Nase);
    query.bindValue(QStringLiteral(":abschwellung"), abschwellung);
    query.bindValue(QStringLiteral(":Timestamp"), QDateTime::currentSecsSinceEpoch());
    TestID = vorbereitet && query.exec() ? query.lastInsertId().toInt() : -1;
    if (query.lastError().isValid())
        sqlFehler("Datenbank::TestStartSpeichern", query, "  ");
}

void Datenbank::TestStiftSpeichern(int StiftNr, int korrekt, int auswahl, QStringList Namen)
{
    QSqlQuery query(memdb);
    const bool vorbereitet = query.prepare(QStringLiteral(
        "INSERT INTO `TestStift` (`TestID`,`StiftNr`,`korrekt`,`auswahl`,`StiftDuft1`,`StiftDuft2`,`StiftDuft3`,"
        "`StiftDuft4`) VALUES (:TestID,:StiftNr,:korrekt,:auswahl,:StiftDuft1,:StiftDuft2,:StiftDuft3,:StiftDuft4);"));
    if (Namen.size() < 4) {
        // The answer itself is still worth keeping; missing names are stored as empty text.
        qDebug().noquote() << "Datenbank::TestStiftSpeichern"
                           << QStringLiteral("%1 of 4 names").arg(Namen.size()) + QLatin1String("  ")
                + query.lastQuery();
    }
    query.bindValue(QStringLiteral(":TestID"), TestID);
    query.bindValue(QStringLiteral(":StiftNr"), StiftNr);
    query.bindValue(QStringLiteral(":korrekt"), korrekt);
    query.bindValue(QStringLiteral(":auswahl"), auswahl);
    for (int i = 0; i < 4; ++i) {
        // A null string would be bound as NULL rather than as text.
        const QString name = Namen.value(i);
        textBinden(query, QStringLiteral(":StiftDuft%1").arg(i + 1), name.isNull() ? QStringLiteral("") : name);
    }
    if (!vorbereitet || !query.exec())
        sqlFehler("Datenbank::TestStiftSpeichern", query, "  ");
}

void Datenbank::WendepunkteSpeichern(QVector<WendePunkte> wendepunkte)
{
    const char* const prefix = "void Datenbank::WendepunkteSpeichern(QVector<WendePunkte>)";

    // A statement that cannot be prepared is reported once, not once per row.
    QSqlQuery schwelle(memdb);
    if (!schwelle.prepare(QStringLiteral(
            "INSERT INTO `TestSchwelle` (`TestID`,`SchwelleNr`,`Wert`) VALUES (:TestID,:SchwelleNr,:Wert);"))) {
        sqlFehler(prefix, schwelle, "  ");
    } else {
        // Each reversal point once, with the triplet of the first row that carries its number.
        int wendepunkt = 0;
        for (const WendePunkte& zeile : qAsConst(wendepunkte)) {
            if (zeile.WendepunktNr == wendepunkt)
                continue;
            wendepunkt = zeile.WendepunktNr;
            schwelle.bindValue(QStringLiteral(":TestID"), TestID);
            schwelle.bindValue(QStringLiteral(":SchwelleNr"), wendepunkt);
            schwelle.bindValue(QStringLiteral(":Wert"), zeile.Triplet);
            if (!schwelle.exec())
                sqlFehler(prefix, schwelle, "  ");
        }
    }

    QSqlQuery auswahl(memdb);
    if (!auswahl.prepare(QStringLiteral("INSERT INTO `TestSchwelleAusgewaehlte` (`TestID`,`Nr`,`Triplet`,`erkannt`) "
                                        "VALUES (:TestID,:Nr,:Triplet,:erkannt);"))) {
        sqlFehler(prefix, auswahl, "  ");
        return;
    }
    for (const WendePunkte& zeile : qAsConst(wendepunkte)) {
        auswahl.bindValue(QStringLiteral(":TestID"), TestID);
        auswahl.bindValue(QStringLiteral(":Nr"), zeile.WendepunktNr);
        auswahl.bindValue(QStringLiteral(":Triplet"), static_cast<int>(static_cast<quint8>(zeile.Triplet)));
        auswahl.bindValue(QStringLiteral(":erkannt"), zeile.erkannt ? 1 : 0);
        if (!auswahl.exec())
            sqlFehler(prefix, auswahl, "  ");
    }
}

void Datenbank::DiskriminationSpeicher(QByteArray ausgewaehlte)
{
    const char* const prefix = "void Datenbank::DiskriminationSpeicher(QByteArray)";
    QSqlQuery query(memdb);
    if (!query.prepare(
            QStringLiteral("INSERT INTO `TestDiskrimination` (`TestID`,`Nr`,`Wert`) VALUES (:TestID,:Nr,:Wert);"))) {
        sqlFehler(prefix, query, "  ");
        return;
    }
    for (int i = 0; i < ausgewaehlte.size(); ++i) {
        query.bindValue(QStringLiteral(":TestID"), TestID);
        query.bindValue(QStringLiteral(":Nr"), i + 1);
        query.bindValue(QStringLiteral(":Wert"), static_cast<int>(static_cast<qint8>(ausgewaehlte.at(i))));
        if (!query.exec())
            sqlFehler(prefix, query, "  ");
    }
}

void Datenbank::PatientLoeschen(int PatientID)
{
    zeilenLoeschen("Patient", PatientID, "Datenbank::PatientLoeschen");
}

void Datenbank::UntersucherLoeschen(int UntersucherID)
{
    zeilenLoeschen("Untersucher", UntersucherID, "Datenbank::UntersucherLoeschen");
}

void Datenbank::zeilenLoeschen(const char* tabelle, int ID, const char* prefix)
{
    QSqlQuery query(memdb);
    const QString alle = QStringLiteral("DELETE FROM `%1`").arg(QLatin1String(tabelle));
    const bool vorbereitet = query.prepare(ID < 0 ? alle : alle + QStringLiteral(" WHERE ID = :ID"));
    if (ID >= 0)
        query.bindValue(QStringLiteral(":ID"), ID);
    if (!vorbereitet || !query.exec())
        sqlFehler(prefix, query, "  ");
}

bool Datenbank::TestLoeschen(int ID)
{
    // With no test started, "the current test" is none; its id -1 must not turn into "all tests".
    const bool keinAktueller = ID == 0 && TestID < 0;
    if (ID == 0)
        ID = TestID;

    QSqlQuery query(memdb);
    bool vorbereitet;
    if (!keinAktueller) {
        vorbereitet = query.prepare(
            ID == -1 ? QStringLiteral("DELETE FROM `Test`;") : QStringLiteral("DELETE FROM `Test` WHERE ID = :ID;"));
        query.bindValue(QStringLiteral(":ID"), ID);
        if (!vorbereitet || !query.exec())
            sqlFehler("Datenbank::TestDaten", query, "  ");
    }
    // The answers go with their test; kept, they would fill the store examination by examination.
    for (const char* antworten : { "TestStift", "TestSchwelle", "TestSchwelleAusgewaehlte", "TestDiskrimination" })
        if (!query.exec(QStringLiteral("DELETE FROM `%1` WHERE TestID NOT IN (SELECT ID FROM `Test`)")
                            .arg(QLatin1String(antworten))))
            sqlFehler("Datenbank::TestLoeschen", query, "  ");

    vorbereitet = query.prepare(QStringLiteral("SELECT * FROM `Test`;"));
    query.bindValue(QStringLiteral(":ID"), ID);
    if (!vorbereitet || !query.exec()) {
        sqlFehler("Datenbank::TestDaten", query, "  ");
        return false;
    }
    return query.next();
}
