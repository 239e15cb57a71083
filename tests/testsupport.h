#pragma once

#include "mainwindow.h"
#include "schrift.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

class QAbstractButton;
class QWidget;

// Ends the calling test function when a helper's QTRY/QVERIFY failed.
#define SCHRITT(aufruf)                                                                                                \
    do {                                                                                                               \
        aufruf;                                                                                                        \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (0)

namespace testsupport
{

// Points HOME, the XDG folders and the documents folder at a private temporary
// folder for the whole test run, so no test reads or writes the real user's
// settings or documents. Must run before anything touches QSettings.
void isolateEnvironment();

// Path of the temporary home made by isolateEnvironment().
QString homePath();

// What the examiner saw in a message box answered by answerNextMessageBoxSeen().
struct GeseheneBox {
    bool beantwortet = false;
    QString text;
    QString informativeText;
    // Every button at least 48 px tall with text of at least 14 pt.
    bool fingergerecht = false;
};

// Answers the next modal message box: re-arms a timer until a box is visible, then
// clicks the button with the given text, after holding the box open for `holdMs`.
// Once the caller lets go of the result, it stops looking.
std::shared_ptr<GeseheneBox> answerNextMessageBoxSeen(const QString& buttonText, int holdMs = 0);

// Answers the next folder dialog with `folder`, as answerNextMessageBox does; the flag turns true once
// the dialog was seen with its answer buttons at a finger's size and answered.
std::shared_ptr<bool> answerNextFolderDialog(const QString& folder);

// What a program writes to its standard output (poppler's pdfinfo, pdftotext).
QString ausgabe(const QString& programm, const QStringList& argumente);

// The text of a PDF as pdftotext reads it, white space simplified.
QString pdfText(const QString& pdf);

// Finds a descendant by object name and fails the running test with the
// missing name if there is none.
template <typename T> T* child(QObject* parent, const QString& name)
{
    T* w = parent->findChild<T*>(name);
    if (!w)
        QTest::qFail(qPrintable(QStringLiteral("no widget named %1").arg(name)), __FILE__, __LINE__);
    return w;
}

// Clicks a button that asks a modal question and answers it with the button of that text.
void clickAndAnswer(QAbstractButton* button, const QString& answer, int holdMs = 0);

// A finger on the touch screen. A tap is a press and a release delivered to the top-level window at
// the middle of a button, so that Qt's own double-click detection runs and the press reaches whatever
// shows there by then. The events' time stamps tell how far apart the taps came; QTest's own clicks
// afterwards stay clear of them.
class Finger
{
public:
    // Waits until `knopf` shows under its middle, then taps it `abstand` ms after this finger's last tap.
    void tippen(QWidget* knopf, int abstand = 1000);

private:
    int zeit = QTest::lastMouseTimestamp;
};

// Runs `answer`, which starts a waiting time, and returns the milliseconds the bar takes from
// 29 s to 27 s: about 2000 with one tick chain, half that with two; -1 if it never gets there.
qint64 twoSecondsOfWaiting(QProgressBar* bar, const std::function<void()>& answer);

// The store filled as the data page and the test screens fill it: the patient with the examiner Erika Mustermann;
// then runs, each started as the window starts it, under the catalogue's name of its test: a staircase with a
// recognised and an unrecognised row per reversal, pens with the first `richtige` right (decongested), triplets with
// the first `gruene` picked right (the green cap, code 1) and the rest with code 2.
void personenSpeichern(Datenbank& db, const QString& geburtsdatum = "01.02.1980", const QString& code = "JM-0815",
    const QString& vorname = "Jörg", const QString& nachname = "Müller", const QString& bemerkung = "HNO-Praxis");
void testStarten(Datenbank& db, TestArt art, int nase = 2, int abschwellung = 0);
void schwellenLauf(Datenbank& db, int nase, const QVector<int>& wendepunkte);
void stiftLauf(Datenbank& db, TestArt art, int nase, int richtige);
void diskriminationsLauf(Datenbank& db, int nase, int gruene);

// Smallest height of anything the examiner presses on the touch screen.
constexpr int smallestButton = 48;

// What an examiner could not read or press on `page` as it is laid out now: a widget reaching
// out of the page (outside scroll areas) or out of reach (beyond the contents of a scroll area),
// text cut off, a widget squeezed below its minimum size, a button lower than smallestButton,
// a scroll area that scrolls sideways. One line per problem, starting with the widget's object
// name; empty when the page is sound.
QStringList layoutProblems(QWidget* page);

inline const QString redCap = QStringLiteral("Rote Kappe");
inline const QString greenCap = QStringLiteral("Grüne Kappe");
inline const QString blueCap = QStringLiteral("Blaue Kappe");

// A triplet screen (`name` "Schwelle" or "Diskrimination") in a window of the application's
// size, logging its end and abort signals in order as "beendet <art>" and "abbruch".
template <typename Form> struct TripletScreen {
    explicit TripletScreen(const QString& screenName)
        : name(screenName)
    {
        window.resize(1100, 760);
        form->resize(window.size());
        QObject::connect(
            form, &Form::testBeendet, form, [this](int art) { events << QStringLiteral("beendet %1").arg(art); });
        QObject::connect(form, &Form::abbruch, form, [this] { events << QStringLiteral("abbruch"); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QPushButton* cap(int index) const
    {
        return child<QPushButton>(form, QStringLiteral("pushButton_%1_Farbe_%2").arg(name).arg(index + 1));
    }
    QStringList caps() const
    {
        return { cap(0)->text(), cap(1)->text(), cap(2)->text() };
    }
    // Whether the instruction asks for triplet `triplet`.
    bool showsTriplet(int triplet) const
    {
        return child<QLabel>(form, QStringLiteral("label%1StiftNummer").arg(name))
            ->text()
            .contains(QStringLiteral("Nr. %1 ").arg(triplet));
    }
    QProgressBar* bar() const
    {
        return child<QProgressBar>(form, QStringLiteral("progressBar"));
    }
    // The hidden bar keeps its place in the layout; only its style sheet tells.
    bool waiting() const
    {
        return bar()->styleSheet().contains(QLatin1String("QProgressBar::chunk"));
    }
    // Clicks a cap and waits until the screen took the answer: it turns the caps on or ends the run.
    void answer(int index)
    {
        const QStringList before = caps();
        const int logged = events.size();
        QTest::mouseClick(cap(index), Qt::LeftButton);
        QTRY_VERIFY(caps() != before || events.size() > logged);
    }
    // Answers with a cap and fails unless the waiting time it starts counts down in real seconds;
    // an aborted run's tick chain still running beside the new one would halve them.
    void answerWithOneTickChain(int index)
    {
        const qint64 ms = twoSecondsOfWaiting(bar(), [&] { answer(index); });
        QVERIFY2(ms >= 1500, qPrintable(QStringLiteral("two seconds of waiting took %1 ms").arg(ms)));
    }
    void abort(const QString& reply, int holdMs = 0)
    {
        clickAndAnswer(child<QPushButton>(form, QStringLiteral("pushButton_Abbruch_%1").arg(name)), reply, holdMs);
    }

    const QString name;
    QWidget window;
    Form* form = new Form(&window);
    QStringList events;
};

// An examination on a fresh main window, clicked through as an examiner would. The store is
// emptied first, and the language and the hint switch are stored before the window is built.
class Untersuchung
{
public:
    explicit Untersuchung(bool hinweiseAus = false, const QString& sprache = QStringLiteral("de"));

    template <typename T = QWidget> T* x(const QString& name) const
    {
        return child<T>(w.get(), name);
    }

    // Object name of the page shown.
    QString seite() const;
    void klicken(const QString& knopf) const;
    // Fills the five mandatory fields and the examiner's name.
    void patient(const QString& code = QStringLiteral("P-0042")) const;
    void starten(TestArt art) const;
    void warten(const QString& name) const;
    void seitenwahl(const QString& knopf) const;
    void frage(const QString& text) const;
    // One pen after the other; `antwort` gives the chosen choice (1 to 4) of a pen.
    void identifikation(int stifte, const std::function<int(int)>& antwort) const;
    // The cap buttons' texts of a triplet screen (`test` "Schwelle" or "Diskrimination").
    QStringList kappen(const QString& test) const;
    // Presses a cap by colour (r, g or b) and waits until the screen took the answer.
    void kappe(const QString& test, const QString& seite, QChar farbe) const;
    // Confirms the red caps, then answers by colour; blanks in `folge` only group.
    void schwelle(const QString& folge) const;
    // Sixteen triplets: the first `treffer` with the green cap, the rest with the red one.
    void diskrimination(int treffer) const;
    // Waits for the report, checks that the page shows where it is saved, and returns the text of its PDF.
    QString bericht(const QString& code = QStringLiteral("P-0042")) const;
    // Closing the result page empties the store and the patient's fields and keeps the examiner's.
    void schliessen() const;
    int zeilen(const QString& tabelle) const;
    // The sides stored for the runs of one kind, in the order they were run.
    QList<int> seiten(TestArt art) const;

    std::unique_ptr<MainWindow> w;
    Datenbank* db = nullptr;
};

} // namespace testsupport

// main() for every test: isolate first, then a QApplication (the offscreen
// platform is set by CTest) with the application's font, and the QtTest run.
#define DUFTLOTSE_TEST_MAIN(TestObject)                                                                                \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        testsupport::isolateEnvironment();                                                                             \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        anwendungsschriftSetzen();                                                                                     \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
