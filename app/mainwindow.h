#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QDate>
#include <QIcon>
#include <QMainWindow>
#include <QRect>
#include <QStringList>
#include <QTranslator>
#include <QVector>

#include "datenbank.h"

class Ergebnis;
class Netz;
class QCloseEvent;
class QMenu;
class QTimer;

namespace Ui
{
class MainWindow;
}

// Shrinks `fenster` to the available area of a screen when it does not fit there
// (tablets beside the patient), and centres it there; a window that fits keeps its size.
void fensterEinpassen(QWidget* fenster, const QRect& verfuegbar);

// The one window of the application: every screen is a page of its page stack.
// The implementation is split by concern: frame (mainwindow.cpp), data entry
// (mainwindow_dateneingabe.cpp), test choice and sequencing (mainwindow_ablauf.cpp),
// the result page (mainwindow_auswertung.cpp), language, hints, settings and info
// (mainwindow_sprache.cpp).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Names under which the two settings live in the per-user settings store.
    static const QString Organisation;
    static const QString Anwendung;

    // Which sides of the nose are done for one kind of test.
    struct testSeite {
        int Testart = 0;
        bool links = false;
        bool rechts = false;
        bool beide = false;
    };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The birth date as the data page keeps it: the typed text cleaned up and normalised
    // to "dd.MM.yyyy" (a two-digit year becomes the latest such year not after `heute`),
    // or empty when it is no date between 01.01.1900 and `heute`.
    static QString geburtsdatumPruefen(const QString& eingabe, const QDate& heute);

public slots:
    void setPage(int page);
    void testBeendet(int testart);
    void abbruch();
    void getScreen(QRect rect);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Fits the report picture again whenever the result page's view changes its size.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private slots:
    // Test choice and sequencing.
    void on_pushButtonBeginnen_clicked();
    void on_comboBoxTestAuswahl_currentIndexChanged(int index);
    void on_toolButtonLinks_2_clicked();
    void on_toolButtonRechts_2_clicked();
    void on_toolButtonBilateral_2_clicked();
    void on_toolButtonNein_clicked();
    void on_toolButtonSeitenAuswahlAbbruch_clicked();
    void on_pushButton_Abbruch_clicked();
    void on_toolButton_auswertungschliessen_clicked();
    void on_pushButtonHinwExtendWeiter_clicked();
    void on_toolButtonOrdnerOeffnen_clicked();
    void on_toolButtonAndererOrdner_clicked();
    void AuswertungStarten();
    void ErgebnisAnzeigen();
    void ExtendedtestAblauf();
    void EinzeltestAblauf();

    // Data entry.
    void on_lineEditPatientGeburtsdatum_textChanged(const QString& arg1);
    void on_lineEditPatientGeburtsdatum_editingFinished();
    void on_comboBoxPatientRauchgewohnheit_currentIndexChanged(int index);
    void MussfeldLineEditIstAusgefuellt();
    void MussComboboxIstAusgefuellt(int Index);

    // Language, hints, settings, info, manuals.
    void on_toolButtonSprache_clicked();
    void on_toolButtonDeutsch_clicked();
    void on_toolButtonEnglish_clicked();
    void on_toolButtonEinstellungen_clicked();
    void on_pushButtonReset_clicked();
    void on_pushButtonEinstellungenAbbruch_clicked();
    void on_toolButtonInfo_clicked();
    void on_toolButton_Infoschliessen_clicked();
    void on_pushButton_HinweisGelesen_clicked();
    void on_pushButton_HinweisGelesen_2_clicked();
    void on_pushButton_HinweisGelesen_3_clicked();
    void on_checkBoxHinweiseAus_clicked(bool checked);
    void on_checkBoxHinweiseAus_2_clicked(bool checked);
    void on_checkBoxHinweiseAus_3_clicked(bool checked);
    void on_pushButtonAnleitungAnzeigen_clicked();
    void on_pushButtonAnleitungAnzeigen_2_clicked();
    void on_pushButtonAnleitungAnzeigen_3_clicked();

    void tooltipMenu();

private:
    // Frame.
    void fingerbedienung();
    void tippschutzEinrichten();
    // Whether the window may close now; a running examination is first given up on the examiner's word.
    bool schliessenErlaubt();
    void hinweistexteAufschieben();
    void tooltipButtons_zuordnen();
    void TestauswahlFuellen();

    // Data entry.
    void warnungsplatzHalten();
    void GeschlechtFuellen();
    void MussfelderConnect();
    void MussfelderPruefen();
    void MussfelderWarnungAnzeigen(bool warn);
    void MussfelderUebersetzen();
    void PatientReset();

    // Test choice and sequencing.
    void beginnenKnoppEnable(bool enable);
    void SeitenauswahlReset();
    void SeitenauswahlSetzen(int Seite);
    void Seitenabfrage(QString text, bool nein);
    bool weitereSeiteMoeglich() const;
    // Asks for a further side when one is left and returns the next step, else `sonst`.
    int weitereSeiteFragen(const QString& frage, int schritt, int sonst);
    // After a further-side question: wait, go on (no further side) or run the test again.
    int aufSeitenantwort(int schritt, int testSchritt) const;
    void SchwellentestStarten();
    void DiskriminationstestStarten();
    void ScreeningIdentifikationsTestStarten();
    void EinzeltestsStarten();
    void ExtendedtestStarten();
    void on_toolButtonTestAbbruch_clicked();
    int abschwellung() const;
    void untersuchungLaeuftSetzen(bool laeuft);
    // From the start until the report is shown.
    bool untersuchungImGange() const;

    // Result page.
    // Shows where the PDF is, or that it is not saved, with the matching button; hides both without a report.
    void SpeicherortZeigen();
    // Shows the report picture no wider than the page, so that it never scrolls sideways.
    void BerichtEinpassen();
    // Whether the result page may close: asks first when its report is not saved and the close button was pressed.
    bool OhnePdfSchliessenBestaetigt();
    // Whether a report may go: asks first when it is not saved.
    bool BerichtDarfWeg();

    // Language.
    void SpracheWechseln(QString sprache);
    void TexteErneuern();
    void HinweiseAusSpeichern(bool aus);
    void AnleitungAnzeigen();

    Ui::MainWindow* ui;
    Datenbank* db = nullptr;
    bool HinweisGelesen = true;
    bool m_StartEnable = false;
    QVector<testSeite> test_seite_erledigt;
    int ExtendedTestStatus = 0;
    int EinzeltestAktiv = 0;
    int seitenwahl = -1;
    TestArt m_testart = TestLadenAlle;
    QString testname;
    int EinzelTestStatus = 0;
    QStringList mussfelder;
    QStringList mussfelderWarnungen;
    QBitArray mussfelderOK;
    Ergebnis* ergebnis = nullptr;
    QMenu* tipmenu = nullptr;
    QTranslator m_translator;
    Netz* netz = nullptr;
    QByteArray Stifte;
    // From the start until the result page is closed or the examination discarded:
    // a second press of the start button must not store the patient again.
    bool untersuchungLaeuft = false;
    // One timer per sequencer, restarted by every step, so that a sequencer never
    // runs twice, not even when a new examination follows an abort at once.
    QTimer* einzelTakt;
    QTimer* extendedTakt;
    // The evaluation, once the result page has shown that it is being calculated.
    QTimer* auswertungsTakt;
    // The start button's two looks, loaded once: an icon made anew at every change would leave another scaled
    // copy of its picture in Qt's pixmap cache each time it is painted, examination after examination.
    const QIcon startKnopf { QStringLiteral(":/png/Bilder/startknopp.png") };
    const QIcon startKnopfRot { QStringLiteral(":/png/Bilder/startknopprot.png") };
};
