// The report header: patient, examiner, scores per side and the verdict; then the sections and the chart.
#include "ergebnis.h"

#include <QSet>

namespace
{

QString zweiStellen(double wert)
{
    return QString::number(wert, 'f', 2);
}

} // namespace

int Ergebnis::ErgebnisEintragenKopf(QByteArray* svgdaten)
{
    const QMap<QString, QString> patient = db->Patientendaten(0);
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

    // The header row of each kind of test and where its best score is kept; the extended test's own record
    // has no row, so the ids written for it name nothing.
    struct Zeile {
        TestArt art;
        const char* name;
        double TestErgebnisse::*bester;
    };
    static const Zeile zeilen[] = { { Screening12, "Screening", &TestErgebnisse::maxScreening },
        { Identifikationstest_blau, "Identifikation", &TestErgebnisse::maxIdentifikation },
        { Schwellentest, "Schwelle", &TestErgebnisse::maxSchwelle },
        { Diskriminationstest, "Diskrimination", &TestErgebnisse::maxDiskrimination } };
    QSet<TestArt> vorhanden;
    const QString schwarz = QStringLiteral("000000");
    for (const TestErgebnis& ergebnis : liste) {
        QString test;
        double bester = 0;
        for (const Zeile& zeile : zeilen) {
            if (zeile.art == ergebnis.testArt) {
                test = QLatin1String(zeile.name);
                bester = ergebnisse.*zeile.bester;
                vorhanden.insert(zeile.art);
            }
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
        tr("Punktwert: %1 (Grenzwert: %2) - %?1V.a. pathologischen Befund%?2Normalbefund"), ergebnisse.riecht_schlecht);
    TextSetzen(
        doc, QStringLiteral("Ergebnis"), urteil.arg(MaxErgebnis, 0, 'g', 6).arg(ergebnisse.normwertSumme, 0, 'g', 6));
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
