// Renders every page of the main window, the data page filled in, the three
// test screens in the middle of a run and the result page with the report of the
// sample examination into PNG files, and lists beside them the
// measured minimum sizes and every widget that is cut off, squeezed or too small
// to press. Run through tools/screenshots.sh, which builds it and runs it on the
// offscreen platform.

#include "mainwindow.h"
#include "schrift.h"

#include "beispieluntersuchung.h"
#include "datenbank.h"
#include "formdiskriminationstest.h"
#include "formschwellentest.h"
#include "formscreeningtest.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTest>
#include <QTextStream>

#include <functional>

namespace
{

template <typename T> T* finden(QObject* wurzel, const char* name)
{
    T* w = wurzel->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no widget named %s", name);
    return w;
}

void warten()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

class Aufnahme
{
public:
    Aufnahme(MainWindow* fenster, const QString& ziel, const QString& sprache)
        : fenster(fenster)
        , ziel(ziel)
        , sprache(sprache)
        , stapel(finden<QStackedWidget>(fenster, "stackedWidget"))
    {
        QFile::remove(berichtPfad());
    }

    void seite(int nummer, const QString& zusatz = QString())
    {
        fenster->setPage(nummer);
        aufnehmen(QStringLiteral("%1_%2%3")
                      .arg(nummer, 2, 10, QLatin1Char('0'))
                      .arg(stapel->widget(nummer)->objectName(), zusatz));
    }

    // Saves the window as it stands now and notes what does not fit on the page shown.
    void aufnehmen(const QString& name)
    {
        warten();
        const QString datei = sprache + QLatin1Char('_') + name + QStringLiteral(".png");
        fenster->grab().save(QDir(ziel).filePath(datei));
        QWidget* seite = stapel->currentWidget();
        for (const QString& mangel : testsupport::layoutProblems(seite))
            zeile(datei + QStringLiteral(": ") + mangel);
        // Long texts may scroll up and down; worth knowing, but no fault.
        for (const QScrollArea* rollbereich : seite->findChildren<QScrollArea*>()) {
            if (rollbereich->verticalScrollBar()->isVisible())
                zeile(datei + QStringLiteral(": ") + rollbereich->objectName() + QStringLiteral(" scrolls (note)"));
        }
    }

    void groessen()
    {
        zeile(QStringLiteral("window: size %1 × %2, minimum size %3 × %4")
                  .arg(fenster->width())
                  .arg(fenster->height())
                  .arg(fenster->minimumSizeHint().width())
                  .arg(fenster->minimumSizeHint().height()));
        for (int i = 0; i < stapel->count(); ++i) {
            const QSize m = stapel->widget(i)->minimumSizeHint();
            zeile(QStringLiteral("page %1 %2: minimum size %3 × %4")
                      .arg(i)
                      .arg(stapel->widget(i)->objectName())
                      .arg(m.width())
                      .arg(m.height()));
            for (const QScrollArea* rollbereich : stapel->widget(i)->findChildren<QScrollArea*>()) {
                const QSize inhalt = rollbereich->widget()->minimumSizeHint();
                zeile(QStringLiteral("    contents of %1: minimum size %2 × %3")
                          .arg(rollbereich->objectName())
                          .arg(inhalt.width())
                          .arg(inhalt.height()));
            }
        }
    }

private:
    QString berichtPfad() const
    {
        return QDir(ziel).filePath(sprache + QStringLiteral("_pruefung.txt"));
    }

    void zeile(const QString& text)
    {
        QFile f(berichtPfad());
        if (!f.open(QIODevice::Append | QIODevice::Text))
            return;
        QTextStream(&f) << text << '\n';
    }

    MainWindow* fenster;
    const QString ziel;
    const QString sprache;
    QStackedWidget* stapel;
};

void tippen(MainWindow* fenster, const char* name, const QString& text)
{
    auto* feld = finden<QLineEdit>(fenster, name);
    feld->setFocus();
    // Inserted as typed text; key clicks would not carry umlauts.
    feld->insert(text);
    // Return ends the editing as the examiner does it, so the mandatory check sees the field.
    QTest::keyClick(feld, Qt::Key_Return);
}

void datenEintragen(MainWindow* fenster, bool deutsch)
{
    tippen(fenster, "lineEditPatientVorname", QStringLiteral("Erika"));
    tippen(fenster, "lineEditPatientNachname", QStringLiteral("Mustermann"));
    tippen(fenster, "lineEditPatientGeburtsdatum", QStringLiteral("12.03.1956"));
    auto* geschlecht = finden<QComboBox>(fenster, "comboBoxPatientGeschlecht");
    if (geschlecht->count() > 3)
        geschlecht->setCurrentIndex(3);
    tippen(fenster, "lineEditPatientGeburtsname", QStringLiteral("Schäfer"));
    tippen(fenster, "lineEditPatientCode", QStringLiteral("P-2024-0173"));
    tippen(fenster, "lineEditPatientAdresse", QStringLiteral("Lindenstraße 12, 04109 Leipzig"));
    tippen(fenster, "lineEditPatientTelefonEmail", QStringLiteral("0341 555 0173"));
    // The longest entries of the three lists, so that a clipped text shows.
    finden<QComboBox>(fenster, "comboBoxPatientRauchgewohnheit")->setCurrentIndex(2);
    finden<QComboBox>(fenster, "comboBoxTestAuswahl")->setCurrentIndex(2);
    finden<QPlainTextEdit>(fenster, "plainTextEditPatientNotiz")
        ->setPlainText(deutsch ? QStringLiteral("Riechminderung seit einem Infekt im Winter")
                               : QStringLiteral("Loss of smell since an infection in winter"));
    tippen(fenster, "lineEditUntersucherVorname", QStringLiteral("Jonas"));
    tippen(fenster, "lineEditUntersucherNachname", QStringLiteral("Albrecht"));
    finden<QPlainTextEdit>(fenster, "plainTextEditUntersucherBemerkung")
        ->setPlainText(deutsch ? QStringLiteral("HNO-Ambulanz, Raum 2") : QStringLiteral("ENT clinic, room 2"));
    // No blinking cursor in the picture.
    if (QWidget* fokus = QApplication::focusWidget())
        fokus->clearFocus();
}

// Two pens with pictures that the bundle carries; the second choice of pen 1 is right.
TestdatenScreening identifikationsdaten(const QString& bezeichnung, bool deutsch)
{
    TestdatenScreening d;
    d.TestBezeichnung = bezeichnung;
    d.Stifte = QByteArray("\x01\x02", 2);
    d.Bilder = QStringList { "orange", "brombeere", "erdbeere", "ananas", "zimt", "rose", "kaffee", "zitrone" };
    d.Namen = deutsch
        ? QStringList { "Orange", "Brombeere", "Erdbeere", "Ananas", "Zimt", "Rose", "Kaffee", "Zitrone" }
        : QStringList { "Orange", "Blackberry", "Strawberry", "Pineapple", "Cinnamon", "Rose", "Coffee", "Lemon" };
    d.richtig = { 2, 3 };
    return d;
}

QString testname(MainWindow* fenster, TestArt art)
{
    auto* auswahl = finden<QComboBox>(fenster, "comboBoxTestAuswahl");
    const int i = auswahl->findData(static_cast<int>(art));
    return i < 0 ? QString() : auswahl->itemText(i);
}

// Shows a triplet screen, starts its run and presses one of its caps.
template <typename Form> Form* tripletDruecken(MainWindow* fenster, int nummer, TestArt art, const char* kappe)
{
    fenster->setPage(nummer);
    warten();
    // Each test screen exists once, as its page.
    auto* form = fenster->findChild<Form*>();
    form->TestStart(art);
    QTest::mouseClick(finden<QPushButton>(form, kappe), Qt::LeftButton);
    return form;
}

void abwarten(const std::function<bool()>& bedingung, const char* sonst)
{
    if (!QTest::qWaitFor(bedingung, 5000))
        qWarning("%s", sonst);
}

void testlaeufe(MainWindow* fenster, Aufnahme& aufnahme, bool deutsch)
{
    // Threshold: the first triplet with its three caps, right after the examiner confirmed the red pen.
    auto* schwelle = tripletDruecken<FormSchwellentest>(fenster, 3, Schwellentest, "pushButton_Schwelle_Farbe_1");
    auto* dritteKappe = finden<QPushButton>(schwelle, "pushButton_Schwelle_Farbe_3");
    abwarten([&] { return dritteKappe->isVisible(); }, "threshold screen never showed its caps");
    aufnahme.seite(3, QStringLiteral("_lauf"));

    // Discrimination: the second triplet while the waiting time runs.
    auto* diskri = tripletDruecken<FormDiskriminationstest>(
        fenster, 5, Diskriminationstest, "pushButton_Diskrimination_Farbe_2");
    auto* balken = finden<QProgressBar>(diskri, "progressBar");
    abwarten([&] { return balken->value() > 0 && balken->value() < 30; },
        "discrimination screen never started its waiting time");
    aufnahme.seite(5, QStringLiteral("_lauf"));

    // Identification with pictures; the screen sizes its pictures from the laid-out buttons.
    fenster->setPage(4);
    warten();
    auto* ident = finden<FormScreeningtest>(fenster, "page_screeningtest");
    ident->setTestdaten(identifikationsdaten(testname(fenster, Identifikationstest_blau), deutsch));
    ident->TestStart(1);
    aufnahme.seite(4, QStringLiteral("_lauf"));
}

// The result page with the report of the sample examination. The examination is started as the examiner does it,
// then the store gets the sample's runs and the evaluation is asked for as the sequencers ask for it.
void auswertung(MainWindow* fenster, Aufnahme& aufnahme)
{
    auto* tests = finden<QComboBox>(fenster, "comboBoxTestAuswahl");
    tests->setCurrentIndex(tests->findData(static_cast<int>(Schwellentest)));
    QTest::mouseClick(finden<QPushButton>(fenster, "pushButtonBeginnen"), Qt::LeftButton);
    // The sequencer then waits on its hint page and changes pages no more.
    auto* stapel = finden<QStackedWidget>(fenster, "stackedWidget");
    abwarten([&] { return stapel->currentWidget()->objectName() == QLatin1String("page_hinweiseTest"); },
        "the examination never started");
    beispiel::untersuchungSpeichern(*fenster->findChild<Datenbank*>());
    QMetaObject::invokeMethod(fenster, "AuswertungStarten");
    auto* bericht = finden<QLabel>(fenster, "labelSvg");
    abwarten([&] { return !bericht->pixmap(Qt::ReturnByValue).isNull(); }, "the report never showed");
    aufnahme.aufnehmen(QStringLiteral("01_page_Auswertung_bericht"));
}

} // namespace

int main(int argc, char** argv)
{
    // Never the real user's settings: the language is written into a private temporary HOME.
    testsupport::isolateEnvironment();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    anwendungsschriftSetzen();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Saves PNG pictures of every screen of Duftlotse."));
    parser.addHelpOption();
    const QCommandLineOption spracheOpt(
        QStringLiteral("sprache"), QStringLiteral("Language: de or en."), QStringLiteral("code"), QStringLiteral("de"));
    const QCommandLineOption groesseOpt(QStringLiteral("groesse"), QStringLiteral("Window size, e.g. 1280x800."),
        QStringLiteral("BxH"), QStringLiteral("1280x800"));
    const QCommandLineOption zielOpt(
        QStringLiteral("ziel"), QStringLiteral("Folder for the pictures."), QStringLiteral("ordner"));
    parser.addOptions({ spracheOpt, groesseOpt, zielOpt });
    parser.process(app);

    const QString sprache = parser.value(spracheOpt);
    const QStringList masse = parser.value(groesseOpt).split(QLatin1Char('x'));
    const QString ziel = parser.value(zielOpt);
    if (masse.size() != 2 || ziel.isEmpty() || !QDir().mkpath(ziel))
        parser.showHelp(2);

    // The window reads its language once, when it is constructed.
    QSettings(MainWindow::Organisation, MainWindow::Anwendung).setValue(QStringLiteral("Sprache"), sprache);

    MainWindow fenster;
    fenster.resize(masse.at(0).toInt(), masse.at(1).toInt());
    fenster.show();
    if (!QTest::qWaitForWindowExposed(&fenster))
        qWarning("window never exposed");

    Aufnahme aufnahme(&fenster, ziel, sprache);
    aufnahme.groessen();
    auto* stapel = finden<QStackedWidget>(&fenster, "stackedWidget");
    for (int i = 0; i < stapel->count(); ++i)
        aufnahme.seite(i);

    // The tallest warning beside the start button: four fields still missing.
    fenster.setPage(0);
    tippen(&fenster, "lineEditPatientVorname", QStringLiteral("Erika"));
    if (QWidget* fokus = QApplication::focusWidget())
        fokus->clearFocus();
    aufnahme.seite(0, QStringLiteral("_begonnen"));
    finden<QLineEdit>(&fenster, "lineEditPatientVorname")->clear();
    datenEintragen(&fenster, sprache == QLatin1String("de"));
    aufnahme.seite(0, QStringLiteral("_ausgefuellt"));

    testlaeufe(&fenster, aufnahme, sprache == QLatin1String("de"));
    auswertung(&fenster, aufnahme);
    return 0;
}
