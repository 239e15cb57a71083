#include "kappen.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProgressBar>
#include <QPushButton>
#include <QString>

namespace kappen
{

namespace
{

struct Kappe {
    const char* text;
    const char* stil;
};

// Indexed by colour code; the texts are translated in each screen's own context.
const Kappe kappenTabelle[3] = {
    { "Rote Kappe", "background-color: red; color:white;" },
    { "Grüne Kappe", "background-color: green; color:white;" },
    { "Blaue Kappe", "background-color: blue; color:white;" },
};

const char* const kappenRahmen = "border-radius: 10px;border: 0px;";

const char* const balkenUnsichtbar
    = "color: rgba(255, 255, 255, 0); background-color: rgba(255, 255, 255, 0);border: 0px";
const char* const balkenSichtbar
    = "QProgressBar { border: 2px solid grey; border-radius: 5px; color: rgb(50, 80, 142);"
      "background-color: rgba(255, 255, 255, 0);font: 14pt \"Noto Sans\"; text-align: center;}"
      "QProgressBar::chunk {    background-color: rgb(168, 183, 214);}";

} // namespace

void anmalen(const Knoepfe& knoepfe, int (&farben)[3], int knopp, int farbe, const char* kontext)
{
    if (knopp < 0 || knopp > 2 || farbe < Rot || farbe > Blau || !knoepfe[knopp]) {
        qDebug() << "kappen::anmalen: no cap" << farbe << "for button" << knopp;
        return;
    }
    const Kappe& kappe = kappenTabelle[farbe];
    knoepfe[knopp]->setText(QCoreApplication::translate(kontext, kappe.text));
    knoepfe[knopp]->setStyleSheet(QString::fromLatin1(kappe.stil) + QString::fromLatin1(kappenRahmen));
    farben[knopp] = farbe;
}

void wechselDich(const Knoepfe& knoepfe, int (&farben)[3], const char* kontext)
{
    // Next arrangement, indexed by the colour now on the first button.
    static const int naechste[3][3] = {
        { Blau, Rot, Gruen },
        { Rot, Gruen, Blau },
        { Gruen, Blau, Rot },
    };
    const int oben = farben[0] >= Rot && farben[0] <= Blau ? farben[0] : Gruen;
    for (int knopp = 0; knopp < 3; ++knopp)
        anmalen(knoepfe, farben, knopp, naechste[oben][knopp], kontext);
}

void fortschrittweg(QProgressBar* bar, bool weg)
{
    if (weg) {
        bar->setStyleSheet(QString::fromLatin1(balkenUnsichtbar));
        bar->setValue(0);
    } else {
        bar->setStyleSheet(QString::fromLatin1(balkenSichtbar));
    }
}

void wartezeitAnzeige(QProgressBar* bar, int& wartezeit, bool gedrueckt)
{
    if (wartezeit == WartezeitTicks) {
        bar->setMaximum(WartezeitTicks / 10);
        bar->setValue(WartezeitTicks / 10);
        fortschrittweg(bar, false);
    }
    if (wartezeit <= 0)
        return;
    bar->setValue(wartezeit / 10);
    --wartezeit;
    if (gedrueckt)
        wartezeit = 0;
    if (wartezeit == 0)
        fortschrittweg(bar, true);
}

QString tripletText(const char* kontext, int triplet)
{
    return QCoreApplication::translate(kontext,
        "Bitte reichen Sie dem Patienten die Stifte des Triplets Nr. %1 und "
        "bestätigen Sie anschließend den vom Patienten erkannten Stift")
        .arg(triplet);
}

} // namespace kappen
