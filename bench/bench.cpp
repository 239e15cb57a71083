// Measures the work an examiner waits for: listing and loading the embedded
// definitions, storing one examination's answers and scoring them, the report,
// and the start of the main window against a bare one. Prints
// milliseconds per operation and the peak resident memory of the process.
#include "beispieluntersuchung.h"
#include "datenbank.h"
#include "ergebnis.h"
#include "mainwindow.h"
#include "schrift.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <memory>

#include <sys/resource.h>

namespace
{

template <typename F> double msJe(int runden, F&& f)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < runden; ++i)
        f(i);
    return double(t.nsecsElapsed()) / 1e6 / runden;
}

void untersuchungSpeichern(Datenbank& db)
{
    db.PatientSpeichern("Erika", "Muster", "01.03.1980", "weiblich", "", "P-1", "", "", "", "");
    db.UntersucherSpeichern("Max", "Prüfer", "");
    db.TestLaden(Schwellentest);
    db.TestStartSpeichern("Extended Test", 2, 0);
    QVector<WendePunkte> reihe;
    const int nr[] = { 0, 0, 1, 1, 2, 3, 3, 4, 5, 6, 7 };
    for (int i = 0; i < 11; ++i)
        reihe.append(WendePunkte { 8 + i % 3, i % 2 == 0, nr[i] });
    db.WendepunkteSpeichern(reihe);
    db.TestLaden(Diskriminationstest);
    db.TestStartSpeichern("Extended Test", 2, 0);
    db.DiskriminationSpeicher(QByteArray(16, '\1'));
    db.TestLaden(Identifikationstest_blau);
    db.TestStartSpeichern("Extended Test", 2, 0);
    for (int stift = 1; stift <= 16; ++stift)
        db.TestStiftSpeichern(stift, 1, 1 + stift % 4, { "a", "b", "c", "d" });
}

} // namespace

// Notes the window's first paint: once it is painted, the examiner sees the window.
class Gemalt : public QObject
{
public:
    bool gemalt = false;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint)
            gemalt = true;
        return QObject::eventFilter(objekt, ereignis);
    }
};

// One start of a window in this process, measured from outside by the parent: it stops its
// clock when the window is painted (a line on stdout); tearing the window down is not part of it.
int fensterZeigen(int argc, char** argv, bool bar)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    // As a German clinic starts it; the language is read once, by the window.
    QSettings(MainWindow::Organisation, MainWindow::Anwendung).setValue(QStringLiteral("Sprache"), "de");
    if (!bar)
        anwendungsschriftSetzen();
    std::unique_ptr<QMainWindow> w(bar ? new QMainWindow : new MainWindow);
    Gemalt gemalt;
    w->installEventFilter(&gemalt);
    w->resize(1113, 828);
    w->show();
    // The window and all it shows are painted in the same pass as its own paint event.
    while (!gemalt.gemalt)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QTextStream(stdout) << "gemalt" << Qt::endl;
    return 0;
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "default.debug=false");
    // The reports and settings go into a home of their own.
    QTemporaryDir zuhause;
    qputenv("HOME", QFile::encodeName(zuhause.path()));
    if (argc == 3 && qstrcmp(argv[1], "--start") == 0)
        return fensterZeigen(argc, argv, qstrcmp(argv[2], "bare") == 0);
    QApplication app(argc, argv);
    QTextStream out(stdout);

    // Start-up as the examiner sees it: a fresh process until the window is shown and painted once,
    // against a bare Qt main window of the same size, in turns, so that a busy machine weighs on
    // both alike. First of all: a parent that has built reports is slower to fork.
    QVector<qint64> bar, duftlotse;
    for (int runde = 0; runde < 11; ++runde) {
        for (auto* zeiten : { &bar, &duftlotse }) {
            QElapsedTimer t;
            t.start();
            QProcess prozess;
            prozess.start(QCoreApplication::applicationFilePath(),
                { QStringLiteral("--start"), QLatin1String(zeiten == &bar ? "bare" : "duftlotse") });
            prozess.waitForReadyRead();
            zeiten->append(t.nsecsElapsed());
            prozess.waitForFinished();
        }
    }
    const auto median = [](QVector<qint64> zeiten) {
        std::sort(zeiten.begin(), zeiten.end());
        return double(zeiten.at(zeiten.size() / 2)) / 1e6;
    };
    out << "start-up, bare Qt main window: " << median(bar) << " ms (median of 11)\n";
    out << "start-up, Duftlotse main window: " << median(duftlotse) << " ms (median of 11)\n";

    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    Datenbank db(nullptr);

    out << "TestsLaden (5 definitions): " << msJe(200, [&](int) { db.TestsLaden(); }) << " ms\n";
    out << "TestLaden (identification): " << msJe(500, [&](int) { db.TestLaden(Identifikationstest_blau); }) << " ms\n";
    out << "Stiftdaten (16 pens): " << msJe(500, [&](int) {
        for (unsigned int s = 1; s <= 16; ++s) {
            QStringList n, b;
            int r = 0;
            db.Stiftdaten(s, &n, &b, &r);
        }
    }) << " ms\n";
    out << "store one extended examination: " << msJe(200, [&](int) { untersuchungSpeichern(db); }) << " ms\n";
    out << "score and discard it: " << msJe(200, [&](int) {
        untersuchungSpeichern(db);
        db.TestErgebnisDaten(0);
        db.PatientLoeschen(-1);
        db.TestLoeschen(-1);
    }) << " ms (including storing)\n";

    db.PatientLoeschen(-1);
    db.TestLoeschen(-1);
    beispiel::untersuchungSpeichern(db);
    QLabel label;
    out << "report of the largest examination (PDF and picture): "
        << msJe(20, [&](int) { Ergebnis bericht(nullptr, &label, &db); }) << " ms\n";
    const QString pdf = zuhause.path() + QStringLiteral("/Documents/JM-0815.pdf");
    out << "its PDF: " << QFileInfo(pdf).size() / 1024 << " KiB\n";

    rusage ru {};
    getrusage(RUSAGE_SELF, &ru);
    out << "peak resident memory: " << ru.ru_maxrss / 1024 << " MiB\n";
    return 0;
}
