// The report header: patient, examiner, scores per side and the verdict; then the sections and the chart.
#include "ergebnis.h"

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

    bool iss_mit_Screening = false;
    bool iss_mit_Identifikation = false;
    bool iss_mit_Schwelle = false;
    bool iss_mit_Diskrimination = false;
    const QString schwarz = QStringLiteral("000000");
    for (const TestErgebnis& ergebnis : liste) {
        QString test;
        double bester = 0;
        switch (ergebnis.testArt) {
        case Screening12:
            test = QStringLiteral("Screening");
            bester = ergebnisse.maxScreening;
            iss_mit_Screening = true;
            break;
        case Identifikationstest_blau:
            test = QStringLiteral("Identifikation");
            bester = ergebnisse.maxIdentifikation;
            iss_mit_Identifikation = true;
            break;
        case Schwellentest:
            test = QStringLiteral("Schwelle");
            bester = ergebnisse.maxSchwelle;
            iss_mit_Schwelle = true;
            break;
        case Diskriminationstest:
            test = QStringLiteral("Diskrimination");
            bester = ergebnisse.maxDiskrimination;
            iss_mit_Diskrimination = true;
            break;
        case TestLadenAlle:
        case ExtendedTest:
            // The extended test's own record has no row of its own; the ids below then name nothing.
            break;
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
    if (iss_mit_Screening)
        ErgebnisEintragenScreening(&svgdatenScreening, liste);
    if (iss_mit_Schwelle)
        ErgebnisEintragenSchwelle(&svgdatenSchwelle, liste);
    if (iss_mit_Diskrimination)
        ErgebnisEintragenDiskrimination(&svgdatenDiskrimination, liste);
    if (iss_mit_Identifikation)
        ErgebnisEintragenIdentifikation(&svgdatenIdentifikation, liste);

    Perzentile_zeichnen(liste);
    return 1;
}
