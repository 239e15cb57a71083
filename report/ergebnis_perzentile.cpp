// The percentile chart: zones of the test definition, the percentile curves over the age bands and the
// patient's total score in the band of the patient's age. Drawn in chart units on a 120 x 120 canvas whose
// plot area runs from x 5 to 105 and from y 0 (top) to 100 (bottom).
#include "ergebnis.h"

#include <QBuffer>
#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgGenerator>

namespace
{

const int prozente[] = { 10, 50, 90 };

// Age band limits of a label "a-b", ">a" or "<b". False for a label of another number of hyphenated parts,
// which ends the search for the patient's band.
bool altersband(const QString& band, int* von, int* bis)
{
    *von = 0;
    *bis = 200;
    QString text = band;
    if (text.contains(QLatin1Char('-'))) {
        const QStringList teile = text.split(QLatin1Char('-'));
        if (teile.size() != 2)
            return false;
        *von = teile.at(0).toInt();
        *bis = teile.at(1).toInt();
    } else if (text.contains(QLatin1Char('>'))) {
        *von = text.remove(QLatin1Char('>')).toInt();
    } else if (text.contains(QLatin1Char('<'))) {
        *bis = text.remove(QLatin1Char('<')).toInt();
    }
    return true;
}

} // namespace

void Ergebnis::Perzentile_zeichnen(QVector<TestErgebnis> testergebnisse)
{
    if (testergebnisse.isEmpty())
        return;
    const QMap<QString, QString> patient = db->Patientendaten(0);
    db->TestLaden(testergebnisse.first().testArt);

    PerzentilDaten daten;
    daten.normal = db->getNormwert();
    daten.Gesamtmessungen = static_cast<int>(db->getMaxwert());
    if (daten.Gesamtmessungen <= 0)
        daten.Gesamtmessungen = db->Stiftreihenfolge().size();
    if (daten.Gesamtmessungen <= 0)
        daten.Gesamtmessungen = 16;
    daten.anosmie = db->getAnosmie();
    daten.supersmeller = db->getSupersmellers();
    for (int i = 0; i < 3; ++i) {
        PerzentilKurve& kurve = daten.kurven[i];
        db->Perzentile(prozente[i], &kurve.PName, &kurve.alter, &kurve.werte);
    }
    // The calendar age, as in the header, so that both agree on the day of a birthday.
    daten.Jahre
        = alterInJahren(QDate::fromString(patient.value(QStringLiteral("Geburtsdatum")), QStringLiteral("dd.MM.yyyy")),
            QDate::currentDate());
    daten.ergebnis = MaxErgebnis;
    svgdatenPerzentile = PerzentilenSvg(daten);
    const int band = Altersband(daten);
    if (band >= 0 && !befund.isEmpty())
        befund.insert(QStringLiteral("ageBand"), daten.kurven[0].alter.at(band));
}

int Ergebnis::Altersband(const PerzentilDaten& daten)
{
    const QStringList& baender = daten.kurven[0].alter;
    if (baender.size() < 2 || daten.Jahre < 0)
        return -1;
    for (int j = 0; j < baender.size(); ++j) {
        int von = 0;
        int bis = 0;
        if (!altersband(baender.at(j), &von, &bis))
            return -1;
        if (von <= daten.Jahre && daten.Jahre <= bis)
            return j;
    }
    return -1;
}

QByteArray Ergebnis::PerzentilenSvg(const PerzentilDaten& daten)
{
    QByteArray svg;
    QBuffer puffer(&svg);
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&puffer);
    generator.setSize(QSize(120, 120));
    generator.setViewBox(QRect(0, 0, 120, 120));
    QPainter p(&generator);
    QFont schrift(QStringLiteral("Noto Sans"));
    schrift.setPixelSize(4);
    p.setFont(schrift);

    const int gesamt = qMax(1, daten.Gesamtmessungen);
    auto hoehe = [gesamt](double wert) { return 100 - wert * 100 / gesamt; };

    // Zones, each later one covering the earlier ones and their labels.
    const double normhoehe = hoehe(daten.normal);
    p.fillRect(QRectF(5, 0, 100, 100), Qt::lightGray);
    // Exactly up to the norm: a score equal to it is normal, as the verdict says.
    p.fillRect(QRectF(5, 0, 100, normhoehe), Qt::white);
    p.drawText(QPointF(40, int(normhoehe - 3)), tr("Normosmie"));
    if (daten.anosmie != 0) {
        const double h = daten.anosmie * 100 / gesamt;
        p.fillRect(QRectF(5, int(100 - h), 100, int(h)), Qt::darkGray);
        p.drawText(QPointF(40, 100 - h / 2), tr("Anosmie"));
    }
    p.drawText(QPointF(40, normhoehe + 5), tr("Hyposmie"));
    if (daten.supersmeller != 0) {
        const double y = hoehe(daten.supersmeller);
        p.fillRect(QRectF(5, 0, 100, y), Qt::yellow);
        p.drawText(QPointF(40, y / 2), tr("Supersmeller"));
    }

    p.setPen(QPen(Qt::red, 0.1));
    const PerzentilKurve& zehn = daten.kurven[0];
    if (zehn.alter.size() >= 2) {
        const int spalten = zehn.alter.size() - 1;
        const int schritt = qMax(1, 10000 / spalten);

        // Age grid and band labels.
        int band = 0;
        for (int i = 0; i <= 10000; i += schritt) {
            p.drawLine(QLineF(i / 100.0 + 5, 0, i / 100.0 + 5, 102));
            if (band < zehn.alter.size())
                p.drawText(QRectF(i / 100, 100, 10, 5), Qt::AlignHCenter, zehn.alter.at(band++));
        }

        // Score grid; labels keep more than 5 units apart, and the score 0 at the bottom has none.
        p.drawLine(QLineF(5, 0, 105, 0));
        const int wertSchritt = qMax(1, 10000 / gesamt);
        int beschriftet = 10000;
        int k = 0;
        for (int v = 10000; v > 0; v -= wertSchritt, ++k) {
            p.drawLine(QLineF(5, v / 100.0, 105, v / 100.0));
            if (v < beschriftet - 500) {
                p.drawText(QPointF(106, int(v / 100.0 + 1)), QString::number(k));
                beschriftet = v;
            }
        }

        // The curves share the bands of the 10th percentile.
        const Qt::GlobalColor farben[] = { Qt::green, Qt::darkGreen, Qt::darkCyan };
        for (int c = 0; c < 3; ++c) {
            const PerzentilKurve& kurve = daten.kurven[c];
            if (kurve.werte.isEmpty())
                continue;
            p.setPen(QPen(farben[c], 0.3));
            QPointF vorher(5, hoehe(kurve.werte.first()));
            int wert = 0;
            for (int i = 0; i <= 10000 && wert < kurve.werte.size(); i += schritt) {
                const QPointF punkt(i / 100.0 + 5, hoehe(kurve.werte.at(wert++)));
                p.drawLine(vorher, punkt);
                vorher = punkt;
            }
            p.drawText(QPointF(vorher.x() - 5, int(vorher.y() + 2)), kurve.PName);
        }

        // The patient's point in the band of the patient's age. Its label stands beside it on the side away from the
        // score labels where there is room, and above the age labels.
        const int patientenband = Altersband(daten);
        if (patientenband >= 0) {
            const QPointF punkt(5 + patientenband * 100.0 / spalten, hoehe(daten.ergebnis));
            p.setPen(QPen(Qt::darkRed, 3));
            p.drawPoint(punkt);
            const QString text = tr("Ergebnis");
            const QFontMetricsF masse(p.font(), p.device());
            const double breite = masse.horizontalAdvance(text);
            const double x = punkt.x() + 3 + breite <= 105 ? punkt.x() + 3 : punkt.x() - 3 - breite;
            p.drawText(QPointF(x, qBound(masse.ascent(), punkt.y(), 100 - masse.descent())), text);
        }
    }
    p.end();
    return svg;
}

QString Ergebnis::PerzentileRahmenFilename()
{
    return VorlagenPfad(QStringLiteral("Perzentile"));
}
