#include "formschwellentest.h"
#include "ui_formschwellentest.h"

#include "abbruchfrage.h"

#include <QDebug>
#include <QTimer>

namespace
{
const char* const kontext = "FormSchwellentest";
constexpr int schwaechstesTriplet = 16;
// Correct answers in a row at the weakest triplet after which the run ends as recognised there.
constexpr int zehnMalRichtig = 10;
// The shared cap and instruction texts are translated in this screen's context;
// listed here so that lupdate files them under it.
[[maybe_unused]] const char* const geteilteTexte[] = {
    QT_TRANSLATE_NOOP("FormSchwellentest", "Rote Kappe"),
    QT_TRANSLATE_NOOP("FormSchwellentest", "Grüne Kappe"),
    QT_TRANSLATE_NOOP("FormSchwellentest", "Blaue Kappe"),
    QT_TRANSLATE_NOOP("FormSchwellentest",
        "Bitte reichen Sie dem Patienten die Stifte des Triplets Nr. %1 und bestätigen Sie "
        "anschließend den vom Patienten erkannten Stift"),
};
} // namespace

FormSchwellentest::FormSchwellentest(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_FormSchwellentest)
    , takt(new QTimer(this))
{
    ui->setupUi(this);
    takt->setSingleShot(true);
    takt->setInterval(100);
    connect(takt, &QTimer::timeout, this, &FormSchwellentest::Ablauf);
    ablaufTakt(takt);
    sprachUpdate();
}

FormSchwellentest::~FormSchwellentest()
{
    delete ui;
}

void FormSchwellentest::sprachUpdate()
{
    ui->label_Reihenfolge->setText(tr("Reihenfolge Darbietung"));
    ui->labelSchwelleStiftNummer_2->setText(
        tr("Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung Threshold Test aus."));
    ui->progressBar->setFormat(tr("Wartezeit beachten %v s "));
    ui->pushButton_Abbruch_Schwelle->setText(tr("Abbruch"));
}

void FormSchwellentest::TestStart(int testArt)
{
    if (testArt != Schwellentest)
        return;
    ui->labelSchwelleStiftNummer->setText(tr("Bitte Stift Nr. 1 "));
    Fortschrittweg(true);
    KnoppAnmalen(0, kappen::Rot);
    ui->pushButton_Schwelle_Farbe_2->hide();
    ui->pushButton_Schwelle_Farbe_3->hide();
    KnoppAnmalen(1, kappen::Gruen);
    KnoppAnmalen(2, kappen::Blau);
    ablauf_schritt = start;
    WendepunktNr = 0;
    // Runs the start step at once; restarting the one tick timer also drops a tick
    // still pending from an aborted run.
    Ablauf();
}

void FormSchwellentest::Ablauf()
{
    // An aborted run keeps its reversal count, so only a running one may end here.
    if (ablauf_schritt != nix && WendepunktNr > 6)
        ablauf_schritt = ergebnis_berechnen;

    kappen::wartezeitAnzeige(ui->progressBar, wartezeit, ausgewaehlt >= 0);

    switch (ablauf_schritt) {
    case start: {
        // Keep the layout still while the arrow and the order label are hidden.
        QWidget* pfeil = ui->widget_Pfeil;
        pfeil->setFixedSize(pfeil->isVisible() ? pfeil->size() : pfeil->sizeHint());
        ui->label_Reihenfolge->hide();
        ui->label_Pfeil->hide();
        ui->label_auswahlPatient->clear();
        ui->labelSchwelleStiftNummer->setText(tr("Bitte wählen Sie die Triplets mit der roten Kappe"));
        KnoppAnmalen(0, kappen::Rot);
        ui->pushButton_Schwelle_Farbe_1->setText(tr("bestätigen"));
        ui->pushButton_Schwelle_Farbe_2->hide();
        ui->pushButton_Schwelle_Farbe_3->hide();
        triplet = schwaechstesTriplet;
        treffer = 0;
        richtigBei16 = 0;
        wartezeit = 0;
        Fortschrittweg(true);
        wendepunkte.clear();
        WendepunktNr = 0;
        ausgewaehlt = -1;
        ablauf_schritt = referenz;
        break;
    }
    case referenz:
        if (ausgewaehlt == kappen::Rot) {
            KnoppAnmalen(0, kappen::Rot);
            KnoppAnmalen(1, kappen::Gruen);
            KnoppAnmalen(2, kappen::Blau);
            ui->pushButton_Schwelle_Farbe_2->show();
            ui->pushButton_Schwelle_Farbe_3->show();
            ui->label_Reihenfolge->show();
            ui->label_Pfeil->show();
            ui->label_auswahlPatient->setText(tr("Auswahl des Patienten"));
            tripletTextAusgabe(triplet);
            ablauf_schritt = sucheAbwaerts2erSchritte;
        }
        ausgewaehlt = -1;
        break;
    case sucheAbwaerts2erSchritte:
        ablauf_schritt = eingabeAbwaerts2erSchritte;
        break;
    case eingabeAbwaerts2erSchritte:
        antwortLesen(richtigAbwaerts2erSchritte, falschAbwaerts2erSchritte);
        break;
    case richtigAbwaerts2erSchritte:
        qDebug() << "richtigAbwaerts2erSchritte" << treffer << triplet;
        ++treffer;
        // The second correct answer in a row is written once, by the reversal.
        if (treffer <= 1) {
            ausgewaehlteSpeichern(triplet, true, WendepunktNr);
            wartezeit = kappen::WartezeitTicks;
        }
        KnoeppchenWechselDich();
        ablauf_schritt = treffer <= 1 ? sucheAbwaerts2erSchritte : wendeAbwaerts;
        break;
    case falschAbwaerts2erSchritte: {
        qDebug() << "falschAbwaerts2erSchritte" << treffer << triplet;
        ausgewaehlteSpeichern(triplet, false, WendepunktNr);
        treffer = 0;
        const bool ganzUnten = triplet <= 1;
        if (triplet >= 3)
            triplet -= 2;
        else if (triplet == 2)
            triplet = 1;
        tripletTextAusgabe(triplet);
        wartezeit = kappen::WartezeitTicks;
        KnoeppchenWechselDich();
        ablauf_schritt = ganzUnten ? riechtganzschlecht : sucheAbwaerts2erSchritte;
        break;
    }
    case wendeAbwaerts:
        ++WendepunktNr;
        ausgewaehlteSpeichern(triplet, true, WendepunktNr);
        qDebug() << "wendeAbwaerts" << treffer << triplet << wendepunkte.size();
        treffer = 0;
        if (triplet < schwaechstesTriplet)
            ++triplet;
        ablauf_schritt = sucheAufwaerts;
        break;
    case sucheAufwaerts:
        qDebug() << "sucheAufwaerts" << treffer << triplet;
        tripletTextAusgabe(triplet);
        wartezeit = kappen::WartezeitTicks;
        ablauf_schritt = eingabeAufwaerts;
        break;
    case eingabeAufwaerts:
        antwortLesen(richtigAufwaerts, wendeAufwaerts);
        break;
    case richtigAufwaerts:
        qDebug() << "richtigAufwaerts" << triplet;
        ausgewaehlteSpeichern(triplet, true, WendepunktNr);
        ++treffer;
        if (treffer > 1) {
            if (triplet < schwaechstesTriplet)
                ++triplet;
            treffer = 0;
        }
        tripletTextAusgabe(triplet);
        wartezeit = kappen::WartezeitTicks;
        KnoeppchenWechselDich();
        // A patient who keeps recognising the weakest triplet never gives the search a
        // reversal. The fast descent turns after two correct answers and the downward
        // search never reaches 16, so the tenth in a row always comes here.
        ablauf_schritt = richtigBei16 >= zehnMalRichtig ? riechtganzgut : sucheAufwaerts;
        break;
    case wendeAufwaerts:
        ++WendepunktNr;
        ausgewaehlteSpeichern(triplet, false, WendepunktNr);
        qDebug() << "wendeAufwaerts" << treffer << triplet << wendepunkte.size();
        eineStufeStaerker();
        break;
    case sucheAbwaerts:
        qDebug() << "sucheAbwaerts" << treffer << triplet;
        tripletTextAusgabe(triplet);
        ablauf_schritt = eingabeAbwaerts;
        break;
    case eingabeAbwaerts:
        antwortLesen(richtigAbwaerts, falschAbwaerts);
        break;
    case richtigAbwaerts:
        qDebug() << "richtigAbwaerts" << treffer << triplet;
        ausgewaehlteSpeichern(triplet, true, WendepunktNr);
        ++treffer;
        wartezeit = kappen::WartezeitTicks;
        KnoeppchenWechselDich();
        ablauf_schritt = treffer > 1 ? wendeAbwaerts : sucheAbwaerts;
        break;
    case falschAbwaerts:
        qDebug() << "falschAbwaerts" << treffer << triplet;
        ausgewaehlteSpeichern(triplet, false, WendepunktNr);
        eineStufeStaerker();
        break;
    case riechtganzschlecht:
        // The missing reversal points all lie at the strongest triplet.
        auffuellen(1, false);
        break;
    case riechtganzgut:
        auffuellen(schwaechstesTriplet, true);
        break;
    case ergebnis_berechnen: {
        // The run is closed before the signals go out, so a receiver may start the
        // next run straight away. A wait set by the last step is no longer due.
        const QVector<WendePunkte> zeilen = wendepunkte;
        wendepunkte.clear();
        WendepunktNr = 0;
        wartezeit = 0;
        Fortschrittweg(true);
        ablauf_schritt = nix;
        emit WendepunkteSpeichern(zeilen);
        emit testBeendet(Schwellentest);
        return;
    }
    case nix:
    default:
        ablauf_schritt = nix;
        return;
    }
    takt->start();
}

void FormSchwellentest::antwortLesen(ablauf_schritte richtig, ablauf_schritte falsch)
{
    if (ausgewaehlt == kappen::Rot || ausgewaehlt == kappen::Gruen || ausgewaehlt == kappen::Blau) {
        const bool erkannt = ausgewaehlt == kappen::Rot;
        // Answers are counted, not rows: some answers write no row of their own, others two.
        richtigBei16 = erkannt && triplet == schwaechstesTriplet ? richtigBei16 + 1 : 0;
        ablauf_schritt = erkannt ? richtig : falsch;
    }
    ausgewaehlt = -1;
}

// Ends a run that cannot reach seven reversal points: the missing ones are written at
// `triplet`, the first row repeating the current number.
void FormSchwellentest::auffuellen(int triplet, bool erkannt)
{
    while (WendepunktNr <= 7) {
        ausgewaehlteSpeichern(triplet, erkannt, WendepunktNr);
        ++WendepunktNr;
    }
    ablauf_schritt = ergebnis_berechnen;
}

void FormSchwellentest::eineStufeStaerker()
{
    // A wrong answer in the single-step search moves one triplet stronger; at the
    // strongest one the search is over.
    treffer = 0;
    const bool ganzUnten = triplet <= 1;
    if (!ganzUnten) {
        --triplet;
        tripletTextAusgabe(triplet);
    }
    wartezeit = kappen::WartezeitTicks;
    KnoeppchenWechselDich();
    ablauf_schritt = ganzUnten ? riechtganzschlecht : sucheAbwaerts;
}

void FormSchwellentest::on_pushButton_Schwelle_Farbe_1_clicked()
{
    ausgewaehlt = knopp_farbe[0];
}

void FormSchwellentest::on_pushButton_Schwelle_Farbe_2_clicked()
{
    ausgewaehlt = knopp_farbe[1];
}

void FormSchwellentest::on_pushButton_Schwelle_Farbe_3_clicked()
{
    ausgewaehlt = knopp_farbe[2];
}

void FormSchwellentest::on_pushButton_Abbruch_Schwelle_clicked()
{
    if (!abbruchBestaetigt(kontext))
        return;
    ablauf_schritt = nix;
    takt->stop();
    emit abbruch();
}

void FormSchwellentest::KnoppAnmalen(int knopp, int farbe)
{
    kappen::anmalen(knoepfe(), knopp_farbe, knopp, farbe, kontext);
}

void FormSchwellentest::KnoeppchenWechselDich()
{
    kappen::wechselDich(knoepfe(), knopp_farbe, kontext);
}

void FormSchwellentest::tripletTextAusgabe(int triplet)
{
    ui->labelSchwelleStiftNummer->setText(kappen::tripletText(kontext, triplet));
}

void FormSchwellentest::ausgewaehlteSpeichern(int triplet, bool erkannt, int wendepunkt)
{
    WendePunkte zeile;
    zeile.Triplet = triplet;
    zeile.erkannt = erkannt;
    zeile.WendepunktNr = wendepunkt;
    wendepunkte.append(zeile);
}

void FormSchwellentest::Fortschrittweg(bool weg)
{
    kappen::fortschrittweg(ui->progressBar, weg);
}

kappen::Knoepfe FormSchwellentest::knoepfe() const
{
    return { ui->pushButton_Schwelle_Farbe_1, ui->pushButton_Schwelle_Farbe_2, ui->pushButton_Schwelle_Farbe_3 };
}
