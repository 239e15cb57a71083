// Any bytes as a test definition. Afterwards the catalogue holds either a whole test (a
// name, a known kind, finite numbers) or nothing at all: no pens, no values, no
// percentiles, with the name "Fehler" and a debug line that says why.

#include "fuzzhilfe.h"

#include "datenbank.h"

#include <cmath>

namespace
{
Datenbank* db = nullptr;

QString zahlen(const QList<double>& werte)
{
    QStringList texte;
    for (double w : werte)
        texte << QString::number(w);
    return texte.join(QLatin1Char(' '));
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::anwendung();
    db = new Datenbank(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString name;
    const QStringList zeilen
        = fuzz::debugZeilen([&] { name = db->DefinitionLesen(fuzz::bytes(data, size), QStringLiteral("fuzz")); });

    // Everything the program asks of a loaded definition.
    QList<double> werte { db->getNormwert(), db->getAnosmie(), db->getSupersmellers(), db->getMaxwert() };
    const QByteArray stifte = db->Stiftreihenfolge();
    for (const char nr : stifte) {
        QStringList namen, bilder;
        int richtig = 0;
        db->Stiftdaten(static_cast<uchar>(nr), &namen, &bilder, &richtig);
    }
    QStringList erster, bilder;
    int richtig = 0;
    const bool ersterStift = db->Stiftdaten(1, &erster, &bilder, &richtig);
    QString tabelle;
    QStringList alter;
    for (int prozent : { 10, 50, 90 })
        db->Perzentile(prozent, &tabelle, &alter, &werte);

    const TestArt art = db->getTestArt();
    if (art == TestLadenAlle) {
        if (name != QLatin1String("Fehler"))
            fuzz::verletzt("eine kaputte Definition heisst Fehler", name);
        if (!stifte.isEmpty() || ersterStift || !erster.isEmpty() || !tabelle.isNull() || !alter.isEmpty()
            || werte != QList<double> { 0, 0, 0, 0 })
            fuzz::verletzt("von einer kaputten Definition bleibt nichts", zahlen(werte));
        if (zeilen.filter(QStringLiteral("Datenbank::DefinitionLesen")).isEmpty())
            fuzz::verletzt("eine kaputte Definition sagt warum", zeilen.join(QLatin1Char('\n')));
        return 0;
    }
    if (art < Screening12 || art > ExtendedTest)
        fuzz::verletzt("eine bekannte TestArt", QString::number(art));
    if (name.trimmed().isEmpty())
        fuzz::verletzt("ein Test hat einen Namen", name);
    for (double w : qAsConst(werte))
        if (!std::isfinite(w))
            fuzz::verletzt("endliche Zahlen", zahlen(werte));
    return 0;
}
