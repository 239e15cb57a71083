// The per-test sections: which answer was given on which side, and whether it was right.
#include "ergebnis.h"

#include <QRegularExpression>

#include <functional>

namespace
{

struct Seite {
    QString buchstabe; // letter in the ids
    QString farbe;
};

// Side of the nose 0 left, 1 right, 2 both; any other value marks nothing.
bool seiteVon(int nase, Seite* seite)
{
    static const Seite seiten[] = { { QStringLiteral("L"), QStringLiteral("0000FF") },
        { QStringLiteral("R"), QStringLiteral("FF0000") }, { QStringLiteral("B"), QStringLiteral("008080") } };
    if (nase < 0 || nase > 2)
        return false;
    *seite = seiten[nase];
    return true;
}

const QString schwarz = QStringLiteral("000000");

void anhaengen(const QDomDocument& doc, QByteArray* svgdaten)
{
    svgdaten->append(doc.toByteArray(1));
}

// Writes "1" in the side's colour into the point cell of a correctly answered pen.
void punktSetzen(QDomDocument& doc, const Seite& seite, int StiftNr)
{
    const QString id = seite.buchstabe + QStringLiteral("Punkt") + QString::number(StiftNr);
    Ergebnis::TextSetzen(doc, id, QStringLiteral("1"));
    Ergebnis::FarbeSetzen(doc, id, seite.farbe, false);
}

void punktzellenSammeln(const QDomElement& element, const QString& buchstaben, QStringList& ids)
{
    static const QRegularExpression punkt(QStringLiteral("^([LRB])Punkt\\d+$"));
    const QString id = element.attribute(QStringLiteral("id"));
    const QRegularExpressionMatch m = punkt.match(id);
    if (m.hasMatch() && buchstaben.contains(m.captured(1)))
        ids.append(id);
    for (QDomElement kind = element.firstChildElement(); !kind.isNull(); kind = kind.nextSiblingElement())
        punktzellenSammeln(kind, buchstaben, ids);
}

// Goes through the runs of kind `art`: `stiftEintragen` marks the answer to each pen on its side, a right answer
// scores its point cell. A side that was not tested shows "–" in its point cells, as the header does, not a row of
// zeros that reads as a failed test.
void antwortenEintragen(QDomDocument& doc, TestArt art, const QVector<TestErgebnis>& testgebnisse,
    const std::function<void(const Seite&, const TestErgebnisStift&)>& stiftEintragen)
{
    QString ungetestet = QStringLiteral("LRB");
    for (const TestErgebnis& ergebnis : testgebnisse) {
        Seite seite;
        if (ergebnis.testArt != art || !seiteVon(ergebnis.nase, &seite))
            continue;
        ungetestet.remove(seite.buchstabe);
        for (const TestErgebnisStift& stift : ergebnis.Stifte) {
            stiftEintragen(seite, stift);
            if (stift.auswahl == stift.richtig)
                punktSetzen(doc, seite, stift.StiftNr);
        }
    }
    QStringList ids;
    if (!ungetestet.isEmpty())
        punktzellenSammeln(doc.documentElement(), ungetestet, ids);
    for (const QString& id : qAsConst(ids))
        Ergebnis::TextSetzen(doc, id, QStringLiteral("–"));
}

} // namespace

int Ergebnis::StifteEintragen(
    const QString& vorlage, TestArt art, QByteArray* svgdaten, const QVector<TestErgebnis>& testgebnisse)
{
    QDomDocument doc;
    if (!VorlageLaden(vorlage, &doc))
        return 0;
    MarkerAus(doc);
    antwortenEintragen(doc, art, testgebnisse, [&doc](const Seite& seite, const TestErgebnisStift& stift) {
        const QString nr = QString::number(stift.StiftNr);
        int k = 1;
        for (const QString& name : stift.Namen) {
            const QString id = QStringLiteral("Stift") + nr + QLatin1Char('.') + QString::number(k);
            TextSetzen(doc, id, name);
            if (k == stift.richtig)
                FarbeSetzen(doc, id, QStringLiteral("00FF00"), false);
            if (k == stift.auswahl)
                FarbeSetzen(doc, seite.buchstabe + id, seite.farbe, false);
            ++k;
        }
    });
    anhaengen(doc, svgdaten);
    return 1;
}

int Ergebnis::ErgebnisEintragenScreening(QByteArray* svgdaten, QVector<TestErgebnis> testgebnisse)
{
    return StifteEintragen(QStringLiteral("Screening 12"), Screening12, svgdaten, testgebnisse);
}

int Ergebnis::ErgebnisEintragenIdentifikation(QByteArray* svgdaten, QVector<TestErgebnis> testgebnisse)
{
    return StifteEintragen(
        QStringLiteral("Identifikationstest_blau"), Identifikationstest_blau, svgdaten, testgebnisse);
}

int Ergebnis::ErgebnisEintragenDiskrimination(QByteArray* svgdaten, QVector<TestErgebnis> testgebnisse)
{
    QDomDocument doc;
    if (!VorlageLaden(QStringLiteral("Diskriminationstest"), &doc))
        return 0;
    MarkerAus(doc);
    antwortenEintragen(
        doc, Diskriminationstest, testgebnisse, [&doc](const Seite& seite, const TestErgebnisStift& stift) {
            // The record counts the picked cap from 0; the template's pen positions from 1.
            FarbeSetzen(doc, seite.buchstabe + QStringLiteral("Stift%1.%2").arg(stift.StiftNr).arg(stift.auswahl + 1),
                seite.farbe, false);
        });
    anhaengen(doc, svgdaten);
    return 1;
}

int Ergebnis::ErgebnisEintragenSchwelle(QByteArray* svgdaten, QVector<TestErgebnis> testgebnisse)
{
    QDomDocument doc;
    if (!VorlageLaden(QStringLiteral("Schwellentest"), &doc))
        return 0;
    FarbeSetzen(doc, QStringLiteral("W[0-9]._[0-9]*"), schwarz, true);
    FarbeSetzen(doc, QStringLiteral("W[0-9]_[0-9]*"), schwarz, true);
    for (const TestErgebnis& ergebnis : qAsConst(testgebnisse)) {
        Seite seite;
        if (ergebnis.testArt != Schwellentest || !seiteVon(ergebnis.nase, &seite))
            continue;
        // A step that ends a run of the staircase at a reversal still belongs to that run's column.
        int spalte = 1;
        int vorigesTriplet = 0;
        bool vorigesErkannt = false;
        for (const TestErgebnisSchwelleAuswahl& schritt : ergebnis.SchwellenAuswahl) {
            const QString id = QStringLiteral("W%1_%2").arg(schritt.Triplet).arg(spalte) + seite.buchstabe;
            FarbeSetzen(doc, id, schwarz, false);
            const QString zeichen = schritt.erkannt ? QStringLiteral("X") : QStringLiteral("-");
            // The second presentation of a triplet shows both answers in one cell.
            const QString text = schritt.Triplet == vorigesTriplet
                ? (vorigesErkannt ? QStringLiteral("X") : QStringLiteral("-")) + zeichen
                : zeichen;
            TextSetzen(doc, id, text);
            spalte = schritt.SchwelleNr + 1;
            vorigesTriplet = schritt.Triplet;
            vorigesErkannt = schritt.erkannt;
        }
    }
    anhaengen(doc, svgdaten);
    return 1;
}
