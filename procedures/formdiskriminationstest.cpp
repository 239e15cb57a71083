#include "formdiskriminationstest.h"
#include "ui_formdiskriminationstest.h"

#include "abbruchfrage.h"
#include "datenbank.h"

#include <QTimer>

namespace
{
const char* const kontext = "FormDiskriminationstest";
// The shared cap and instruction texts are translated in this screen's context;
// listed here so that lupdate files them under it.
[[maybe_unused]] const char* const geteilteTexte[] = {
    QT_TRANSLATE_NOOP("FormDiskriminationstest", "Rote Kappe"),
    QT_TRANSLATE_NOOP("FormDiskriminationstest", "Grüne Kappe"),
    QT_TRANSLATE_NOOP("FormDiskriminationstest", "Blaue Kappe"),
    QT_TRANSLATE_NOOP("FormDiskriminationstest",
        "Bitte reichen Sie dem Patienten die Stifte des Triplets Nr. %1 und bestätigen Sie "
        "anschließend den vom Patienten erkannten Stift"),
};
constexpr int letztesTriplet = 16;
} // namespace

FormDiskriminationstest::FormDiskriminationstest(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_FormDiskriminationstest)
    , takt(new QTimer(this))
{
    ui->setupUi(this);
    takt->setSingleShot(true);
    takt->setInterval(100);
    connect(takt, &QTimer::timeout, this, &FormDiskriminationstest::Ablauf);
    ablaufTakt(takt);
    sprachUpdate();
}

FormDiskriminationstest::~FormDiskriminationstest()
{
    delete ui;
}

void FormDiskriminationstest::sprachUpdate()
{
    ui->label_Reihenfolge->setText(tr("Reihenfolge Darbietung"));
    ui->labelDiskrimination->setText(
        tr("Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung „Discrimination Test“ aus"));
    ui->progressBar->setFormat(tr("Wartezeit beachten %v s "));
    ui->pushButton_Abbruch_Diskrimination->setText(tr("Abbruch"));
    ui->label_auswahlPatient->setText(tr("Auswahl des Patienten"));
}

void FormDiskriminationstest::TestStart(int testArt)
{
    if (testArt != Diskriminationstest)
        return;
    ablauf_schritt = start;
    // Runs the start step at once; restarting the one tick timer also drops a tick
    // still pending from an aborted run.
    Ablauf();
}

void FormDiskriminationstest::Ablauf()
{
    wartezeitAnzeige();

    switch (ablauf_schritt) {
    case start:
        KnoppAnmalen(0, kappen::Rot);
        KnoppAnmalen(1, kappen::Gruen);
        KnoppAnmalen(2, kappen::Blau);
        triplet = 1;
        tripletTextAusgabe(triplet);
        Fortschrittweg(true);
        wartezeit = 0;
        ausgewaehlte.clear();
        ausgewaehlt = -1;
        ablauf_schritt = eingabe;
        break;
    case eingabe:
        if (ausgewaehlt >= 0) {
            ausgewaehlte.append(static_cast<char>(ausgewaehlt));
            ausgewaehlt = -1;
            ablauf_schritt = naechster;
        }
        break;
    case naechster:
        if (triplet < letztesTriplet) {
            ++triplet;
            tripletTextAusgabe(triplet);
            KnoeppchenWechselDich();
            wartezeit = kappen::WartezeitTicks;
            ablauf_schritt = eingabe;
        } else {
            ablauf_schritt = ergebnis_berechnen;
        }
        break;
    case ergebnis_berechnen: {
        // The run is closed before the signals go out, so a receiver may start the
        // next run straight away.
        const QByteArray codes = ausgewaehlte;
        ausgewaehlte.clear();
        ablauf_schritt = nix;
        emit ErgebnisDiskriminationSpeichern(codes);
        emit testBeendet(0);
        return;
    }
    case nix:
    default:
        ablauf_schritt = nix;
        return;
    }
    takt->start();
}

void FormDiskriminationstest::on_pushButton_Diskrimination_Farbe_1_clicked()
{
    ausgewaehlt = knopp_farbe[0];
}

void FormDiskriminationstest::on_pushButton_Diskrimination_Farbe_2_clicked()
{
    ausgewaehlt = knopp_farbe[1];
}

void FormDiskriminationstest::on_pushButton_Diskrimination_Farbe_3_clicked()
{
    ausgewaehlt = knopp_farbe[2];
}

void FormDiskriminationstest::on_pushButton_Abbruch_Diskrimination_clicked()
{
    if (!abbruchBestaetigt(kontext))
        return;
    ablauf_schritt = nix;
    takt->stop();
    emit abbruch();
}

void FormDiskriminationstest::KnoppAnmalen(int knopp, int farbe)
{
    kappen::anmalen(knoepfe(), knopp_farbe, knopp, farbe, kontext);
}

void FormDiskriminationstest::KnoeppchenWechselDich()
{
    kappen::wechselDich(knoepfe(), knopp_farbe, kontext);
}

void FormDiskriminationstest::tripletTextAusgabe(int triplet)
{
    ui->labelDiskriminationStiftNummer->setText(kappen::tripletText(kontext, triplet));
}

void FormDiskriminationstest::Fortschrittweg(bool weg)
{
    kappen::fortschrittweg(ui->progressBar, weg);
}

void FormDiskriminationstest::wartezeitAnzeige()
{
    kappen::wartezeitAnzeige(ui->progressBar, wartezeit, ausgewaehlt >= 0);
}

kappen::Knoepfe FormDiskriminationstest::knoepfe() const
{
    return { ui->pushButton_Diskrimination_Farbe_1, ui->pushButton_Diskrimination_Farbe_2,
        ui->pushButton_Diskrimination_Farbe_3 };
}
