// The report header: patient, examiner, scores per side and the verdict; then the sections and the chart.
// Beside it the same results as data for other systems.
#include "ergebnis.h"

#include "svgseite.h"

#include <QDateTime>
#include <QJsonArray>
#include <QLocale>
#include <QSet>

namespace
{

QString zweiStellen(double wert)
{
    return QString::number(wert, 'f', 2);
}

// The header row of each kind of test and where its best score is kept; the extended test's own record
// has no row, so the ids written for it name nothing.
struct Zeile {
    TestArt art;
    const char* name;
    double TestErgebnisse::*bester;
};
const Zeile zeilen[] = { { Screening12, "Screening", &TestErgebnisse::maxScreening },
    { Identifikationstest_blau, "Identifikation", &TestErgebnisse::maxIdentifikation },
    { Schwellentest, "Schwelle", &TestErgebnisse::maxSchwelle },
    { Diskriminationstest, "Diskrimination", &TestErgebnisse::maxDiskrimination } };

const Zeile* zeileVon(TestArt art)
{
    for (const Zeile& zeile : zeilen)
        if (zeile.art == art)
            return &zeile;
    return nullptr;
}

QJsonValue textOderNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

// ISO 8601 with the offset written out, also where it is zero.
QString zeitMitVersatz(const QDateTime& zeit)
{
    const int minuten = zeit.offsetFromUtc() / 60;
    return zeit.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (minuten < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        + QStringLiteral("%1:%2")
              .arg(qAbs(minuten) / 60, 2, 10, QLatin1Char('0'))
              .arg(qAbs(minuten) % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

int Ergebnis::ErgebnisEintragenKopf(QByteArray* svgdaten)
{
    const QMap<QString, QString> patient = db->Patientendaten(0);
    personencode = patient.value(QStringLiteral("Personencode"));
    const QMap<QString, QString> untersucher = db->Untersucherdaten(0);
    const TestErgebnisse ergebnisse = db->TestErgebnisDaten(0);
    const QVector<TestErgebnis>& liste = ergebnisse.testergebnis;
    if (liste.isEmpty())
        return 0;

    QDomDocument doc;
    if (!VorlageLaden(QStringLiteral("Kopf"), &doc))
        return 0;
    MarkerAus(doc);
    for (auto it = patient.cbegin(); it != patient.cend(); ++it)
        TextSetzen(doc, it.key(), it.value());
    for (auto it = untersucher.cbegin(); it != untersucher.cend(); ++it)
        TextSetzen(doc, it.key(), it.value());

    QSet<TestArt> vorhanden;
    const QString schwarz = QStringLiteral("000000");
    for (const TestErgebnis& ergebnis : liste) {
        QString test;
        double bester = 0;
        if (const Zeile* zeile = zeileVon(ergebnis.testArt)) {
            test = QLatin1String(zeile->name);
            bester = ergebnisse.*zeile->bester;
            vorhanden.insert(zeile->art);
        }

        static const char* const haken[] = { "hakenLinks", "hakenRechts", "hakenBilateral" };
        static const char* const buchstaben[] = { "L", "R", "B" };
        if (ergebnis.nase >= 0 && ergebnis.nase <= 2) {
            const QString buchstabe = QLatin1String(buchstaben[ergebnis.nase]);
            FarbeSetzen(doc, QLatin1String(haken[ergebnis.nase]) + test, schwarz, false);
            TextSetzen(doc, buchstabe + QStringLiteral("Ergebnis") + test, zweiStellen(ergebnis.punktsumme));
            if (ergebnis.abschwellung) {
                FarbeSetzen(doc, buchstabe + QStringLiteral("Abschwellung") + test, schwarz, false);
                FarbeSetzen(doc, QStringLiteral("textAbschwellungLegende"), schwarz, false);
            }
        }
        TextSetzen(doc, QStringLiteral("MaxErgebnis") + test, zweiStellen(bester));
        TextSetzen(doc, QStringLiteral("RefErgebnis") + test, zweiStellen(ergebnis.normwert));
        TextSetzen(doc, QStringLiteral("Datum"), ergebnis.timestamp.toString(QStringLiteral("dd.MM.yy")));
        TextSetzen(doc, QStringLiteral("Untersuchungsnr"),
            QLatin1Char('U') + ergebnis.timestamp.toString(QStringLiteral("dd.MM.yyyy hh:mm"))
                + patient.value(QStringLiteral("Personencode")));
    }

    TextSetzen(doc, QStringLiteral("MaxErgebnisSumme"), zweiStellen(ergebnisse.maxSumme));
    TextSetzen(doc, QStringLiteral("RefErgebnisSumme"), zweiStellen(ergebnisse.normwertSumme));
    MaxErgebnis = ergebnisse.maxSumme;
    const QString urteil = AlternativText(
        tr("Punktwert: %1 (Grenzwert: %2) - %?1V.a. pathologischen Befund%?2Normalbefund"), ergebnisse.riecht_schlecht)
                               .arg(MaxErgebnis, 0, 'g', 6)
                               .arg(ergebnisse.normwertSumme, 0, 'g', 6);
    TextSetzen(doc, QStringLiteral("Ergebnis"), urteil);
    BefundEintragen(patient, untersucher, ergebnisse, doc, urteil);
    const QString code = personencode.simplified();
    dokumentTitel = TextVon(doc, QStringLiteral("Titel")) + (code.isEmpty() ? QString() : QStringLiteral(" – ") + code);
    SvgSeite::FelderEinpassen(doc);
    svgdaten->append(doc.toByteArray(1));

    svgdatenScreening.clear();
    svgdatenSchwelle.clear();
    svgdatenDiskrimination.clear();
    svgdatenIdentifikation.clear();
    if (vorhanden.contains(Screening12))
        ErgebnisEintragenScreening(&svgdatenScreening, liste);
    if (vorhanden.contains(Schwellentest))
        ErgebnisEintragenSchwelle(&svgdatenSchwelle, liste);
    if (vorhanden.contains(Diskriminationstest))
        ErgebnisEintragenDiskrimination(&svgdatenDiskrimination, liste);
    if (vorhanden.contains(Identifikationstest_blau))
        ErgebnisEintragenIdentifikation(&svgdatenIdentifikation, liste);

    Perzentile_zeichnen(liste);
    return 1;
}

void Ergebnis::BefundEintragen(const QMap<QString, QString>& patient, const QMap<QString, QString>& untersucher,
    const TestErgebnisse& ergebnisse, const QDomDocument& kopf, const QString& urteil)
{
    const QDate geburt = QDate::fromString(patient.value(QStringLiteral("Geburtsdatum")), QStringLiteral("dd.MM.yyyy"));
    const int alter = alterInJahren(geburt, QDate::currentDate());
    const QJsonObject person { { "code", patient.value(QStringLiteral("Personencode")) },
        { "firstName", patient.value(QStringLiteral("Vorname")) },
        { "lastName", patient.value(QStringLiteral("Nachname")) },
        { "birthDate", textOderNull(geburt.isValid() ? geburt.toString(Qt::ISODate) : QString()) },
        { "ageYears", alter >= 0 ? QJsonValue(alter) : QJsonValue() },
        { "gender", patient.value(QStringLiteral("Geschlecht")) } };

    // Per kind the numbers of the header row, per side those of its last run, as the header keeps them.
    QMap<int, QJsonObject> tests;
    static const char* const seiten[] = { "left", "right", "bilateral" };
    for (const TestErgebnis& ergebnis : ergebnisse.testergebnis) {
        const Zeile* zeile = zeileVon(ergebnis.testArt);
        if (!zeile)
            continue;
        QJsonObject& test = tests[zeile->art];
        if (test.isEmpty())
            test = QJsonObject { { "kind", zeile->art },
                { "name", TextVon(kopf, QStringLiteral("Test") + QLatin1String(zeile->name)) },
                { "sides",
                    QJsonObject {
                        { "left", QJsonValue() }, { "right", QJsonValue() }, { "bilateral", QJsonValue() } } },
                { "best", ergebnisse.*zeile->bester } };
        test.insert(QStringLiteral("reference"), ergebnis.normwert);
        if (ergebnis.nase >= 0 && ergebnis.nase <= 2) {
            QJsonObject seitenwerte = test.value(QStringLiteral("sides")).toObject();
            seitenwerte.insert(QLatin1String(seiten[ergebnis.nase]),
                QJsonObject { { "score", ergebnis.punktsumme }, { "decongested", ergebnis.abschwellung } });
            test.insert(QStringLiteral("sides"), seitenwerte);
        }
    }
    QJsonArray testliste;
    for (const QJsonObject& test : qAsConst(tests))
        testliste.append(test);

    befund = QJsonObject { { "format", "duftlotse-result" }, { "version", 1 }, { "generator", Erzeuger() },
        { "created", zeitMitVersatz(QDateTime::currentDateTime()) },
        { "language", QLocale().name().section(QLatin1Char('_'), 0, 0) }, { "patient", person },
        { "examiner",
            QJsonObject { { "firstName", untersucher.value(QStringLiteral("UVorname")) },
                { "lastName", untersucher.value(QStringLiteral("UNachname")) } } },
        { "tests", testliste },
        { "verdict",
            QJsonObject { { "score", ergebnisse.maxSumme }, { "cutoff", ergebnisse.normwertSumme },
                { "normal", !ergebnisse.riecht_schlecht }, { "text", urteil } } },
        { "ageBand", QJsonValue() } };
}
