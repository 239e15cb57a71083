#include "beispieluntersuchung.h"

#include "datenbank.h"

#include <QCoreApplication>

namespace beispiel
{

namespace
{

// The staircase of the threshold screen for a patient who recognises every triplet up to `schwelle`
// (16 is the weakest), with the threshold moving by `schwankung` at every turn so the runs differ.
QVector<WendePunkte> treppe(int schwelle, const QVector<int>& schwankung)
{
    QVector<WendePunkte> reihe;
    int nr = 0;
    int triplet = 16;
    int treffer = 0;
    auto erkennt = [&](int t) { return t <= schwelle + schwankung.value(nr % schwankung.size()); };
    // Fast descent in steps of two until two answers in a row at one triplet are right.
    while (nr == 0) {
        if (!erkennt(triplet)) {
            reihe << WendePunkte { triplet, false, nr };
            treffer = 0;
            triplet = qMax(1, triplet - 2);
        } else if (++treffer < 2) {
            reihe << WendePunkte { triplet, true, nr };
        } else {
            reihe << WendePunkte { triplet, true, ++nr };
            treffer = 0;
            triplet = qMin(16, triplet + 1);
        }
    }
    // Then up after two right answers and down after a wrong one, until the seventh reversal.
    bool aufwaerts = true;
    while (nr < 7) {
        if (aufwaerts && erkennt(triplet)) {
            reihe << WendePunkte { triplet, true, nr };
            if (++treffer > 1) {
                triplet = qMin(16, triplet + 1);
                treffer = 0;
            }
        } else if (aufwaerts) {
            reihe << WendePunkte { triplet, false, ++nr };
            treffer = 0;
            triplet = qMax(1, triplet - 1);
            aufwaerts = false;
        } else if (erkennt(triplet)) {
            reihe << WendePunkte { triplet, true, nr };
            if (++treffer > 1) {
                reihe << WendePunkte { triplet, true, ++nr };
                treffer = 0;
                triplet = qMin(16, triplet + 1);
                aufwaerts = true;
            }
        } else {
            reihe << WendePunkte { triplet, false, nr };
            treffer = 0;
            triplet = qMax(1, triplet - 1);
        }
    }
    return reihe;
}

// Colour codes of the picked caps: 1 (green) is right; `fehler` lists the triplets picked wrong.
QByteArray diskrimination(const QVector<int>& fehler)
{
    QByteArray codes(16, 1);
    for (int i = 0; i < fehler.size(); ++i)
        codes[fehler.at(i) - 1] = static_cast<char>(i % 2 == 0 ? 0 : 2);
    return codes;
}

// Answers every pen of the identification definition, naming `fehler` pens wrong.
void identifikation(Datenbank& db, int nase, const QVector<int>& fehler)
{
    db.TestLaden(Identifikationstest_blau);
    db.TestStartSpeichern(QStringLiteral("Extended Test"), nase, nase == 1 ? 1 : 0);
    for (int stift = 1; stift <= db.Stiftreihenfolge().size(); ++stift) {
        QStringList namen;
        QStringList bilder;
        int richtig = 0;
        db.Stiftdaten(static_cast<unsigned int>(stift), &namen, &bilder, &richtig);
        const int auswahl = fehler.contains(stift) ? richtig % 4 + 1 : richtig;
        db.TestStiftSpeichern(stift, richtig, auswahl, namen);
    }
}

} // namespace

void untersuchungSpeichern(Datenbank& db, const QString& personencode)
{
    // Gender and smoking habit as the data page stores them: the choice's text in the language in use.
    db.PatientSpeichern(QStringLiteral("Jörg"), QStringLiteral("Müller"), QStringLiteral("14.03.1961"),
        QCoreApplication::translate("MainWindow", "Männlich"), QStringLiteral("Müller"), personencode,
        QStringLiteral("Hauptstraße 12, 02826 Görlitz"), QStringLiteral("03581 123456"),
        QCoreApplication::translate("MainWindow", "Nichtraucher"), QStringLiteral("Riechminderung seit Infekt"));
    db.UntersucherSpeichern(
        QStringLiteral("Erika"), QStringLiteral("Mustermann"), QStringLiteral("HNO-Praxis Görlitz"));

    db.TestLaden(ExtendedTest);
    db.TestStartSpeichern(QStringLiteral("Extended Test"), 2, 0);

    const QVector<int> schwellen[] = { { 0, 1, -1, 0 }, { 1, 0, 0, -1 }, { 0, 0, 1, 0 } };
    const int mitte[] = { 7, 8, 9 };
    for (int nase = 0; nase < 3; ++nase) {
        db.TestLaden(Schwellentest);
        db.TestStartSpeichern(QStringLiteral("Extended Test"), nase, nase == 1 ? 1 : 0);
        db.WendepunkteSpeichern(treppe(mitte[nase], schwellen[nase]));
    }
    const QVector<int> verwechselt[] = { { 3, 9, 14, 16 }, { 5, 11, 12 }, { 2, 7 } };
    for (int nase = 0; nase < 3; ++nase) {
        db.TestLaden(Diskriminationstest);
        db.TestStartSpeichern(QStringLiteral("Extended Test"), nase, nase == 1 ? 1 : 0);
        db.DiskriminationSpeicher(diskrimination(verwechselt[nase]));
    }
    const QVector<int> falsch[] = { { 4, 8, 13 }, { 2, 9 }, { 11 } };
    for (int nase = 0; nase < 3; ++nase)
        identifikation(db, nase, falsch[nase]);
}

} // namespace beispiel
