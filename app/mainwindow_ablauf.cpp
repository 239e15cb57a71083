// Test choice and sequencing: the start, the side of the nose, the single-test and
// extended-test sequencers, the abort and the hand-off to the report.
//
// The sequencers are numbered-step machines. A listed step does its work and comes
// back after 100 ms; a waiting step that finds its condition unmet keeps its number
// and so polls every 100 ms; any other number only counts on after 10 ms. Step -1
// stops a sequencer.

#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "abbruchfrage.h"
#include "ergebnis.h"
#include "rueckfrage.h"

#include <QApplication>
#include <QDebug>
#include <QSettings>
#include <QTimer>

namespace
{
constexpr int schrittPause = 10;
constexpr int wartePause = 100;

enum Seite { Links = 0, Rechts = 1, Beide = 2 };
enum Seitenwahl { keineAntwort = -1, keineWeitereSeite = -2 };

enum Seiten {
    seiteDateneingabe = 0,
    seiteAuswertung = 1,
    seiteSchwellentest = 3,
    seiteScreeningtest = 4,
    seiteDiskriminationstest = 5,
    seiteSeitenwahl = 6,
    seiteHinweiseDiskri = 7,
    seiteHinweiseExtended = 8,
    seiteHinweiseTest = 9,
    seiteHinweiseExtended2 = 11,
};

bool hinweiseAus()
{
    return QSettings(MainWindow::Organisation, MainWindow::Anwendung)
        .value(QStringLiteral("HinweiseAus"), false)
        .toBool();
}
} // namespace

void MainWindow::on_comboBoxTestAuswahl_currentIndexChanged(int index)
{
    Q_UNUSED(index)
    // The box is emptied while the language changes, before the store exists.
    if (!db)
        return;
    const int art = ui->comboBoxTestAuswahl->currentData().toInt();
    db->TestLaden(static_cast<TestArt>(art));
    SeitenauswahlSetzen(-1);
    switch (art) {
    case Screening12:
    case Identifikationstest_blau:
    case ExtendedTest:
        ui->toolButtonFotos->show();
        break;
    case Schwellentest:
    case Diskriminationstest:
        ui->toolButtonFotos->hide();
        ui->toolButtonText->setChecked(true);
        break;
    default:
        ui->toolButtonFotos->hide();
        break;
    }
}

void MainWindow::beginnenKnoppEnable(bool enable)
{
    if (enable) {
        ui->pushButtonBeginnen->setIcon(startKnopf);
        ui->label_startbedingung->clear();
    } else {
        ui->pushButtonBeginnen->setIcon(startKnopfRot);
    }
    m_StartEnable = enable;
}

void MainWindow::on_pushButtonBeginnen_clicked()
{
    // The start button stays usable during the first steps; a double tap must not
    // store the patient twice or run two sequencers over one examination.
    if (untersuchungLaeuft) {
        qDebug() << "MainWindow::on_pushButtonBeginnen_clicked: examination already running";
        return;
    }
    if (!m_StartEnable) {
        MussfelderWarnungAnzeigen(true);
        return;
    }
    // A definition that failed to load would leave the page frozen with nothing running.
    const int art = ui->comboBoxTestAuswahl->currentData().toInt();
    db->TestLaden(static_cast<TestArt>(art));
    if (art < Screening12 || art > ExtendedTest || db->getTestArt() != art) {
        qDebug() << "MainWindow::on_pushButtonBeginnen_clicked: no definition for kind" << art;
        rueckfrage::hinweis(tr("Keine Testvorgabe gefunden"));
        return;
    }
    untersuchungLaeuftSetzen(true);

    ui->groupBoxPatient->setEnabled(false);
    ui->groupBoxUntersucher->setEnabled(false);
    ui->comboBoxTestAuswahl->setEnabled(false);

    testname = ui->comboBoxTestAuswahl->currentText();
    m_testart = static_cast<TestArt>(art);

    db->PatientSpeichern(ui->lineEditPatientVorname->text(), ui->lineEditPatientNachname->text(),
        ui->lineEditPatientGeburtsdatum->text(), ui->comboBoxPatientGeschlecht->currentText(),
        ui->lineEditPatientGeburtsname->text(), ui->lineEditPatientCode->text(), ui->lineEditPatientAdresse->text(),
        ui->lineEditPatientTelefonEmail->text(), ui->comboBoxPatientRauchgewohnheit->currentText(),
        ui->plainTextEditPatientNotiz->toPlainText());
    db->UntersucherSpeichern(ui->lineEditUntersucherVorname->text(), ui->lineEditUntersucherNachname->text(),
        ui->plainTextEditUntersucherBemerkung->toPlainText());

    m_testart = db->getTestArt();
    if (m_testart == ExtendedTest)
        ExtendedtestStarten();
    else
        EinzeltestsStarten();
}

// Side bookkeeping.

void MainWindow::SeitenauswahlReset()
{
    ui->toolButtonLinks_2->setEnabled(true);
    ui->toolButtonRechts_2->setEnabled(true);
    ui->toolButtonBilateral_2->setEnabled(true);
    test_seite_erledigt.clear();
    const QByteArray arten = db->getTestArten();
    for (char art : arten) {
        testSeite seite;
        seite.Testart = static_cast<signed char>(art);
        test_seite_erledigt.append(seite);
    }
    SeitenauswahlSetzen(-1);
}

void MainWindow::SeitenauswahlSetzen(int Seite)
{
    const int art = db->getTestArt();
    for (testSeite& seite : test_seite_erledigt) {
        if (seite.Testart != art)
            continue;
        if (Seite == Links)
            seite.links = true;
        else if (Seite == Rechts)
            seite.rechts = true;
        else if (Seite == Beide)
            seite.beide = true;

        const std::pair<QToolButton*, bool> knoepfe[] = {
            { ui->toolButtonLinks_2, seite.links },
            { ui->toolButtonRechts_2, seite.rechts },
            { ui->toolButtonBilateral_2, seite.beide },
        };
        // A done side shows its green check (the picture of the disabled state).
        for (const auto& [knopf, erledigt] : knoepfe) {
            knopf->setEnabled(!erledigt);
            knopf->setToolButtonStyle(erledigt ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextOnly);
        }
    }
}

void MainWindow::Seitenabfrage(QString text, bool nein)
{
    ui->label_test_fortfahren->setText(text);
    ui->toolButtonNein->setVisible(nein);
    setPage(seiteSeitenwahl);
    seitenwahl = keineAntwort;
    ui->toolButtonNein->setText(tr("Nein"));
}

bool MainWindow::weitereSeiteMoeglich() const
{
    return ui->toolButtonLinks_2->isEnabled() || ui->toolButtonRechts_2->isEnabled()
        || ui->toolButtonBilateral_2->isEnabled();
}

// Once the examiner answered that no further side is wanted, the page only waits
// for the sequencer to move on; a side tapped then would run the finished test again.
int MainWindow::weitereSeiteFragen(const QString& frage, int schritt, int sonst)
{
    if (!weitereSeiteMoeglich())
        return sonst;
    Seitenabfrage(frage, true);
    return schritt + 1;
}

int MainWindow::aufSeitenantwort(int schritt, int testSchritt) const
{
    if (seitenwahl == keineAntwort)
        return schritt;
    return seitenwahl == keineWeitereSeite ? schritt + 1 : testSchritt;
}

void MainWindow::on_toolButtonLinks_2_clicked()
{
    if (seitenwahl == keineWeitereSeite)
        return;
    seitenwahl = Links;
    SeitenauswahlSetzen(Links);
}

void MainWindow::on_toolButtonRechts_2_clicked()
{
    if (seitenwahl == keineWeitereSeite)
        return;
    seitenwahl = Rechts;
    SeitenauswahlSetzen(Rechts);
}

void MainWindow::on_toolButtonBilateral_2_clicked()
{
    if (seitenwahl == keineWeitereSeite)
        return;
    seitenwahl = Beide;
    SeitenauswahlSetzen(Beide);
}

void MainWindow::on_toolButtonNein_clicked()
{
    seitenwahl = keineWeitereSeite;
    ui->toolButtonNein->setText(tr("Bitte warten"));
}

// Test starters.

int MainWindow::abschwellung() const
{
    return ui->checkBoxAbschwellung->isChecked() ? 1 : 0;
}

void MainWindow::SchwellentestStarten()
{
    db->TestStartSpeichern(testname, seitenwahl, abschwellung());
    setPage(seiteSchwellentest);
    ui->page_schwellentest->TestStart(Schwellentest);
}

void MainWindow::DiskriminationstestStarten()
{
    db->TestStartSpeichern(testname, seitenwahl, abschwellung());
    setPage(seiteDiskriminationstest);
    ui->page_Diskriminationstest->TestStart(Diskriminationstest);
}

void MainWindow::ScreeningIdentifikationsTestStarten()
{
    db->TestStartSpeichern(testname, seitenwahl, abschwellung());
    setPage(seiteScreeningtest);

    TestdatenScreening daten;
    const int index = db->getTestArten().indexOf(static_cast<char>(m_testart));
    daten.TestBezeichnung = index >= 0 ? db->ListeDerTest().value(index) : testname;

    // The screen finds a pen's choices at its pen number, so a pen without readable
    // choices keeps its place in the lists but is never presented.
    Stifte.clear();
    const QByteArray reihenfolge = db->Stiftreihenfolge();
    for (char byte : reihenfolge) {
        const int nr = static_cast<signed char>(byte);
        QStringList namen;
        QStringList bilder;
        int richtig = 0;
        if (nr < 1 || !db->Stiftdaten(static_cast<unsigned int>(nr), &namen, &bilder, &richtig)) {
            qDebug() << "MainWindow::ScreeningIdentifikationsTestStarten: no choices for pen" << nr << "- left out";
            continue;
        }
        const int erster = 4 * (nr - 1);
        while (daten.Namen.size() < erster + 4) {
            daten.Namen.append(QString());
            daten.Bilder.append(QString());
        }
        for (int k = 0; k < 4; ++k) {
            daten.Namen[erster + k] = namen.at(k);
            daten.Bilder[erster + k] = bilder.at(k);
        }
        if (daten.richtig.size() < nr)
            daten.richtig.resize(nr);
        daten.richtig[nr - 1] = richtig;
        Stifte.append(byte);
    }
    daten.Stifte = Stifte;
    daten.nurText = ui->toolButtonText->isChecked();
    daten.mitRfid = false;
    ui->page_screeningtest->setTestdaten(daten);
    ui->page_screeningtest->TestStart(1);
}

// Single-test sequencer.

void MainWindow::EinzeltestsStarten()
{
    EinzelTestStatus = 0;
    EinzeltestAblauf();
}

void MainWindow::EinzeltestAblauf()
{
    if (EinzelTestStatus < 0)
        return;

    int pause = wartePause;
    int naechster = EinzelTestStatus + 1;
    switch (EinzelTestStatus) {
    case 1:
        if (!hinweiseAus()) {
            if (m_testart == Screening12 || m_testart == Identifikationstest_blau || m_testart == Schwellentest) {
                setPage(seiteHinweiseTest);
            } else if (m_testart == Diskriminationstest) {
                setPage(seiteHinweiseDiskri);
            } else {
                qDebug() << "MainWindow::EinzeltestAblauf: unknown kind" << m_testart;
                return;
            }
            HinweisGelesen = false;
        }
        break;
    case 3:
        if (!HinweisGelesen)
            naechster = EinzelTestStatus;
        break;
    case 5:
        SeitenauswahlReset();
        SeitenauswahlSetzen(-1);
        Seitenabfrage(testname.toUpper() + tr("\nBitte wählen Sie die zu testende Seite aus"), false);
        break;
    case 10:
        if (seitenwahl == keineAntwort)
            naechster = EinzelTestStatus;
        break;
    case 20:
        EinzeltestAktiv = m_testart;
        if (m_testart == Screening12 || m_testart == Identifikationstest_blau) {
            ScreeningIdentifikationsTestStarten();
        } else if (m_testart == Schwellentest) {
            SchwellentestStarten();
        } else if (m_testart == Diskriminationstest) {
            DiskriminationstestStarten();
        } else {
            qDebug() << "MainWindow::EinzeltestAblauf: unknown kind" << m_testart;
            return;
        }
        break;
    case 30:
        if (EinzeltestAktiv != 0)
            naechster = EinzelTestStatus;
        break;
    case 40:
        naechster = weitereSeiteFragen(
            tr("Im ") + testname.toUpper() + tr(" mit weiterer Seite fortfahren?"), EinzelTestStatus, 70);
        break;
    case 50:
    case 60:
        naechster = aufSeitenantwort(EinzelTestStatus, 20);
        break;
    case 70:
        AuswertungStarten();
        EinzelTestStatus = -1;
        return;
    default:
        pause = schrittPause;
        break;
    }
    EinzelTestStatus = naechster;
    einzelTakt->start(pause);
}

// Extended-test sequencer: threshold, discrimination and identification in turn,
// each on as many sides as the examiner chooses.

void MainWindow::ExtendedtestStarten()
{
    ExtendedTestStatus = 0;
    ExtendedtestAblauf();
}

void MainWindow::ExtendedtestAblauf()
{
    if (ExtendedTestStatus < 0)
        return;

    // Where the next part of the extended test begins: its definition and the side question.
    const auto naechsterTeil = [this](TestArt art, const QString& frage) {
        m_testart = art;
        db->TestLaden(art);
        SeitenauswahlSetzen(-1);
        Seitenabfrage(frage, false);
    };

    int pause = wartePause;
    int naechster = ExtendedTestStatus + 1;
    switch (ExtendedTestStatus) {
    case 1:
        if (!hinweiseAus()) {
            setPage(seiteHinweiseExtended);
            HinweisGelesen = false;
        }
        break;
    case 2:
    case 4:
        if (!HinweisGelesen)
            naechster = ExtendedTestStatus;
        break;
    case 3:
        // The pen instruction of the threshold part comes whatever the hint setting says.
        setPage(seiteHinweiseExtended2);
        HinweisGelesen = false;
        break;
    case 5:
        db->TestStartSpeichern(testname, seitenwahl, abschwellung());
        m_testart = Schwellentest;
        db->TestLaden(Schwellentest);
        SeitenauswahlReset();
        Seitenabfrage(tr("SCHWELLENTEST\nBitte wählen Sie die zu testende Seite aus"), false);
        break;
    case 10:
    case 80:
    case 140:
        if (seitenwahl == keineAntwort)
            naechster = ExtendedTestStatus;
        break;
    case 20:
        EinzeltestAktiv = m_testart;
        SchwellentestStarten();
        break;
    case 30:
    case 100:
    case 160:
        if (EinzeltestAktiv != 0)
            naechster = ExtendedTestStatus;
        break;
    case 40:
        naechster = weitereSeiteFragen(tr("Im SCHWELLENTEST mit weiterer Seite fortfahren?"), ExtendedTestStatus, 70);
        break;
    case 50:
    case 60:
        naechster = aufSeitenantwort(ExtendedTestStatus, 20);
        break;
    case 70:
        naechsterTeil(Diskriminationstest, tr("DISKRIMINATIONSTEST\nBitte wählen Sie die zu testende Seite aus"));
        break;
    case 90:
        EinzeltestAktiv = m_testart;
        DiskriminationstestStarten();
        break;
    case 110:
        naechster
            = weitereSeiteFragen(tr("Im DISKRIMINATIONSTEST mit weiterer Seite fortfahren?"), ExtendedTestStatus, 130);
        break;
    case 120:
        naechster = aufSeitenantwort(ExtendedTestStatus, 90);
        break;
    case 130:
        naechsterTeil(Identifikationstest_blau, tr("IDENTIFIKATIONSTEST\nBitte wählen Sie die zu testende Seite aus"));
        break;
    case 150:
        EinzeltestAktiv = m_testart;
        ScreeningIdentifikationsTestStarten();
        break;
    case 170:
        naechster
            = weitereSeiteFragen(tr("Im IDENTIFIKATIONSTEST mit weiterer Seite fortfahren?"), ExtendedTestStatus, 190);
        break;
    case 180:
        naechster = aufSeitenantwort(ExtendedTestStatus, 150);
        break;
    case 190:
        AuswertungStarten();
        ExtendedTestStatus = -1;
        return;
    default:
        pause = schrittPause;
        break;
    }
    ExtendedTestStatus = naechster;
    extendedTakt->start(pause);
}

// Abort and evaluation.

void MainWindow::on_toolButtonSeitenAuswahlAbbruch_clicked()
{
    on_toolButtonTestAbbruch_clicked();
}

void MainWindow::on_pushButton_Abbruch_clicked()
{
    on_toolButtonTestAbbruch_clicked();
}

void MainWindow::on_toolButtonTestAbbruch_clicked()
{
    if (!abbruchBestaetigt("MainWindow"))
        return;
    on_toolButton_auswertungschliessen_clicked();
    setPage(seiteDateneingabe);
    ExtendedTestStatus = -1;
    EinzelTestStatus = -1;
    SeitenauswahlReset();
}

void MainWindow::AuswertungStarten()
{
    ui->groupBoxPatient->setEnabled(true);
    ui->groupBoxUntersucher->setEnabled(true);
    ui->comboBoxTestAuswahl->setEnabled(false);
    setPage(seiteAuswertung);
    ui->labelSvg->clear();
    ui->labelSvg->setText(tr("Auswertung wird berechnet"));
    QCoreApplication::processEvents();
    auswertungsTakt->start();
    beginnenKnoppEnable(false);
}

void MainWindow::ErgebnisAnzeigen()
{
    // Closed or discarded in the meantime: an empty store must not become a report.
    if (ergebnis || !untersuchungLaeuft || ui->stackedWidget->currentIndex() != seiteAuswertung) {
        qDebug() << "MainWindow::ErgebnisAnzeigen: no evaluation pending";
        return;
    }
    ergebnis = new Ergebnis(this, ui->labelSvg, db);
    SpeicherortZeigen();
}

void MainWindow::on_toolButton_auswertungschliessen_clicked()
{
    if (!OhnePdfSchliessenBestaetigt())
        return;
    if (ergebnis) {
        qDebug() << "Ergebnis löschen";
        delete ergebnis;
        ergebnis = nullptr;
    }
    // The last patient's report is not kept in memory until the next one replaces it.
    ui->labelSvg->clear();
    SeitenauswahlReset();
    db->PatientLoeschen(-1);
    // The examiner's fields stay filled and are stored afresh with the next start.
    db->UntersucherLoeschen(-1);
    PatientReset();
    setPage(seiteDateneingabe);
    db->TestLoeschen(-1);
    MussfelderConnect();
    MussfelderPruefen();
    EinzeltestAktiv = 0;
    ExtendedTestStatus = -1;
    EinzelTestStatus = -1;
    einzelTakt->stop();
    extendedTakt->stop();
    auswertungsTakt->stop();
    untersuchungLaeuftSetzen(false);
    SpeicherortZeigen();
}

void MainWindow::untersuchungLaeuftSetzen(bool laeuft)
{
    untersuchungLaeuft = laeuft;
    // A language or a catalogue loaded under a running examination would change the definition its
    // next side is stored and scored with; the info page would hide the page the sequencer waits on.
    for (QWidget* knopf : { ui->toolButtonSprache, ui->toolButtonEinstellungen, ui->toolButtonInfo })
        knopf->setEnabled(!laeuft);
}

bool MainWindow::untersuchungImGange() const
{
    return untersuchungLaeuft && !ergebnis;
}

void MainWindow::on_pushButtonHinwExtendWeiter_clicked()
{
    HinweisGelesen = true;
}
