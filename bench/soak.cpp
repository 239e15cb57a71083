// A day of examinations in one running application: a hundred complete examinations through the real window,
// clicked as the whole-examination tests click them, screening and extended test in turn, each report written and
// closed. Prints the time and the resident memory after 10 and after 100 and fails when the memory the application
// holds grew by 5 MB or more in between, when a close leaves anything in the store or on the result page, or when a
// new examination's ids do not rise above those of the one before.
//   ./bench/duftlotse_soak [anzahl]
#include "testsupport.h"

#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTextStream>

#include <malloc.h>
#include <unistd.h>

namespace
{

using testsupport::Untersuchung;

const char* const gefuellt[] = { "Patient", "Untersucher", "Test" };
// The right choice of every pen of the screening and of the identification test.
const QVector<int> screeningRichtig { 1, 3, 4, 2, 2, 3, 1, 2, 1, 4, 4, 3 };
const QVector<int> identifikationRichtig { 1, 2, 4, 2, 2, 3, 1, 4, 3, 2, 4, 1, 4, 3, 1, 2 };

int anzahl = 100;

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> felder = statm.readAll().split(' ');
    return felder.value(1).toDouble() * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0);
}

// The highest id of each table that a start fills.
QVector<int> hoechsteIds()
{
    QVector<int> ids;
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("memdb")));
    for (const char* tabelle : gefuellt) {
        q.exec(QStringLiteral("SELECT MAX(ID) FROM `%1`").arg(QLatin1String(tabelle)));
        ids << (q.next() ? q.value(0).toInt() : -1);
    }
    return ids;
}

void screening(const Untersuchung& u)
{
    u.starten(Screening12);
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonLinks_2")));
    SCHRITT(u.identifikation(12, [](int stift) { return screeningRichtig.at(stift - 1); }));
    SCHRITT(u.frage(QStringLiteral("Im SCREENING 12 mit weiterer Seite fortfahren?")));
    u.klicken(QStringLiteral("toolButtonNein"));
}

// Each part on the left side only, the threshold test at its shortest run.
void extended(const Untersuchung& u)
{
    u.starten(ExtendedTest);
    SCHRITT(u.warten(QStringLiteral("page_HinweiseExtended2")));
    u.klicken(QStringLiteral("pushButtonHinwExtendWeiter"));
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonLinks_2")));
    SCHRITT(u.schwelle(QStringLiteral("rr rrrrrrrr")));
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonNein")));
    SCHRITT(u.frage(QStringLiteral("DISKRIMINATIONSTEST\nBitte wählen Sie die zu testende Seite aus")));
    u.klicken(QStringLiteral("toolButtonLinks_2"));
    SCHRITT(u.diskrimination(12));
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonNein")));
    SCHRITT(u.frage(QStringLiteral("IDENTIFIKATIONSTEST\nBitte wählen Sie die zu testende Seite aus")));
    u.klicken(QStringLiteral("toolButtonLinks_2"));
    SCHRITT(u.identifikation(16, [](int stift) { return identifikationRichtig.at(stift - 1); }));
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonNein")));
}

} // namespace

class Dauerlauf : public QObject
{
    Q_OBJECT

private slots:
    void hundertUntersuchungen()
    {
        QTextStream aus(stdout);
        // Hints off, as an examiner who knows the tests has them.
        const Untersuchung u(true);
        QElapsedTimer uhr;
        uhr.start();
        QVector<int> vorher { 0, 0, 0 };
        double beiZehn = 0;
        for (int nr = 1; nr <= anzahl; ++nr) {
            const QString code = QStringLiteral("S-%1").arg(nr, 3, 10, QLatin1Char('0'));
            u.patient(code);
            if (nr % 2 == 1)
                SCHRITT(screening(u));
            else
                SCHRITT(extended(u));
            const QString text = u.bericht(code);
            QVERIFY2(text.contains(QStringLiteral("Normalbefund")), qPrintable(code + QLatin1Char(' ') + text));
            const QVector<int> ids = hoechsteIds();
            for (int i = 0; i < ids.size(); ++i)
                QVERIFY2(ids.at(i) > vorher.at(i),
                    qPrintable(QStringLiteral("%1: %2 ids %3 after %4")
                                   .arg(code, QLatin1String(gefuellt[i]))
                                   .arg(ids.at(i))
                                   .arg(vorher.at(i))));
            vorher = ids;
            // Checks that nothing of it is left in the store.
            SCHRITT(u.schliessen());

            if (nr == 10 || nr == anzahl) {
                const double rss = residentMiB();
                // glibc keeps the memory of a freed report for the next one, more or less of it depending on where
                // it lay; handed back, what remains is what the application holds.
                malloc_trim(0);
                const double gehalten = residentMiB();
                aus << QStringLiteral("after %1 examinations: %2 s, resident memory %3 MiB, %4 MiB once glibc has "
                                      "handed back the free memory it keeps")
                           .arg(nr)
                           .arg(uhr.elapsed() / 1000.0, 0, 'f', 1)
                           .arg(rss, 0, 'f', 1)
                           .arg(gehalten, 0, 'f', 1);
                if (nr == 10)
                    beiZehn = gehalten;
                else if (beiZehn > 0)
                    aus << QStringLiteral(", %1 MiB more than after 10").arg(gehalten - beiZehn, 0, 'f', 2);
                aus << '\n';
                aus.flush();
            }
        }
        const double zuwachs = (residentMiB() - beiZehn) * 1024 * 1024;
        QVERIFY2(beiZehn == 0 || zuwachs < 5e6, qPrintable(QStringLiteral("%1 bytes more").arg(zuwachs)));
    }
};

int main(int argc, char** argv)
{
    // Headless and quiet, in a home of its own, like the tests.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "default.debug=false");
    // A hundred examinations take minutes, longer than QtTest gives a test function.
    qputenv("QTEST_FUNCTION_TIMEOUT", "7200000");
    testsupport::isolateEnvironment();
    if (argc > 1 && QByteArray(argv[argc - 1]).toInt() > 0)
        anzahl = QByteArray(argv[--argc]).toInt();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    Dauerlauf lauf;
    return QTest::qExec(&lauf, argc, argv);
}

#include "soak.moc"
