#include "datenbank.h"
#include "formschwellentest.h"
#include "testsupport.h"

#include <QLabel>
#include <QLocale>
#include <QSignalSpy>

#include <memory>

namespace
{

using testsupport::blueCap;
using testsupport::greenCap;
using testsupport::redCap;
using Seite = testsupport::TripletScreen<FormSchwellentest>;

// Answer sequences: r = the red cap (recognised), f = another cap; blanks only group.
const QString alleFalsch = QStringLiteral("ffffffff f");
const QString siebenWendepunkte = QStringLiteral("ff rr rrf rr f frr rf rr");

// Rows as "<triplet><r|f><reversal number>", blank-separated.
QString alsText(const QVector<WendePunkte>& zeilen)
{
    QStringList teile;
    for (const WendePunkte& z : zeilen)
        teile << QStringLiteral("%1%2%3").arg(z.Triplet).arg(z.erkannt ? 'r' : 'f').arg(z.WendepunktNr);
    return teile.join(' ');
}

} // namespace

class TestSchwellentest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void staircaseRowsAreStoredAndScored_data();
    void staircaseRowsAreStoredAndScored();
    void capsRotateWithEveryAnswer();
    void pressDuringWaitEndsIt();
    void doubleTapIsOneAnswer();
    void abortDeclinedThenConfirmedThenRestart();

private:
    void starten();
    void antworten(const QString& folge);
    QString anweisung() const;

    std::unique_ptr<Seite> s;
    QVector<WendePunkte> zeilen;
};

void TestSchwellentest::init()
{
    s = std::make_unique<Seite>(QStringLiteral("Schwelle"));
    zeilen.clear();
    connect(s->form, &FormSchwellentest::WendepunkteSpeichern, this, [this](QVector<WendePunkte> z) {
        s->events << QStringLiteral("zeilen");
        zeilen = z;
    });
    QVERIFY(QTest::qWaitForWindowExposed(&s->window));
}

void TestSchwellentest::cleanup()
{
    s.reset();
}

// A run waits for the red reference cap to be confirmed on the first button.
void TestSchwellentest::starten()
{
    s->form->TestStart(Schwellentest);
    QCOMPARE(s->caps().first(), QStringLiteral("bestätigen"));
    s->answer(0);
}

void TestSchwellentest::antworten(const QString& folge)
{
    for (QChar antwort : folge) {
        const int rot = s->caps().indexOf(redCap);
        if (antwort != ' ')
            SCHRITT(s->answer(antwort == 'r' ? rot : (rot + 1) % 3));
    }
}

QString TestSchwellentest::anweisung() const
{
    return testsupport::child<QLabel>(s->form, "labelSchwelleStiftNummer")->text();
}

void TestSchwellentest::staircaseRowsAreStoredAndScored_data()
{
    QTest::addColumn<QString>("antworten");
    QTest::addColumn<QString>("erwartet");
    QTest::addColumn<QList<int>>("wendepunkte");
    QTest::addColumn<double>("schwelle");

    QTest::newRow("all wrong, filled from the fast descent")
        << alleFalsch << "16f0 14f0 12f0 10f0 8f0 6f0 4f0 2f0 1f0 1f0 1f1 1f2 1f3 1f4 1f5 1f6 1f7"
        << QList<int> { 1, 1, 1, 1, 1, 1, 1 } << 1.0;
    QTest::newRow("two correct at 16, the search stays at 16")
        << "rr rrf rr f rr f rr"
        << "16r0 16r1 16r1 16r1 16f2 15r2 15r2 15r3 16f4 15r4 15r4 15r5 16f6 15r6 15r6 15r7"
        << QList<int> { 16, 16, 15, 16, 15, 16, 15 } << 15.5;
    QTest::newRow("wrong at 2 goes to 1, wrong at 1 in the downward search fills")
        << "ffffffff rr f f"
        << "16f0 14f0 12f0 10f0 8f0 6f0 4f0 2f0 1r0 1r1 2f2 1f2 1f2 1f3 1f4 1f5 1f6 1f7"
        << QList<int> { 1, 2, 1, 1, 1, 1, 1 } << 1.0;
    // A search that never turns at the weakest triplet ends after ten correct answers in a
    // row there, filled up with reversals at 16.
    QTest::newRow("recognises 16 from the first presentation")
        << "rr rrrrrrrr"
        << "16r0 16r1 16r1 16r1 16r1 16r1 16r1 16r1 16r1 16r1 16r1 16r2 16r3 16r4 16r5 16r6 16r7"
        << QList<int> { 16, 16, 16, 16, 16, 16, 16 } << 16.0;
    QTest::newRow("a wrong answer and triplet 15 start the count of ten afresh")
        << "rr f rr rrrrrrrrrr"
        << "16r0 16r1 16f2 15r2 15r2 15r3 16r3 16r3 16r3 16r3 16r3 16r3 16r3 16r3 16r3 16r3 16r3 16r4 16r5 16r6 16r7"
        << QList<int> { 16, 16, 15, 16, 16, 16, 16 } << 16.0;
    QTest::newRow("seven ordinary reversals") << siebenWendepunkte
                                              << "16f0 14f0 12r0 12r1 13r1 13r1 14f2 13r2 13r2 13r3 14f4 13f4 12r4 "
                                                 "12r4 12r5 13r5 13f6 12r6 12r6 12r7"
                                              << QList<int> { 12, 14, 13, 14, 12, 13, 12 } << 12.75;
}

void TestSchwellentest::staircaseRowsAreStoredAndScored()
{
    QFETCH(QString, antworten);
    QFETCH(QString, erwartet);
    QFETCH(QList<int>, wendepunkte);
    QFETCH(double, schwelle);

    // The application sets its language before the store loads its definitions.
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    Datenbank db(nullptr);
    db.PatientSpeichern("Jörg", "Müller", "03.04.1970", "männlich", "", "JM-0815", "", "", "", "");
    db.UntersucherSpeichern("Erika", "Mustermann", "");
    db.TestLaden(Schwellentest);
    db.TestStartSpeichern("Schwellentest", 0, 0);
    connect(s->form, &FormSchwellentest::WendepunkteSpeichern, &db, &Datenbank::WendepunkteSpeichern);

    SCHRITT(starten());
    SCHRITT(this->antworten(antworten));
    // The rows must be stored before the end is announced, which moves on to the next test.
    QTRY_COMPARE(s->events, (QStringList { "zeilen", "beendet 3" }));
    QCOMPARE(alsText(zeilen), erwartet);

    const TestErgebnisse ergebnisse = db.TestErgebnisDaten(0);
    QCOMPARE(ergebnisse.testergebnis.size(), 1);
    const TestErgebnis& ergebnis = ergebnisse.testergebnis.first();
    QList<int> werte;
    for (const TestErgebnisSchwelle& w : ergebnis.Schwellen)
        werte << w.Wert;
    QCOMPARE(werte, wendepunkte);
    QCOMPARE(ergebnis.punktsumme, schwelle);
    QCOMPARE(ergebnis.SchwellenAuswahl.size(), zeilen.size());
}

void TestSchwellentest::capsRotateWithEveryAnswer()
{
    SCHRITT(starten());
    QCOMPARE(s->caps(), (QStringList { redCap, greenCap, blueCap }));

    // Correct, correct (the bottom reversal), wrong (the top reversal), wrong (downward search).
    const QStringList folge[] = {
        { blueCap, redCap, greenCap },
        { greenCap, blueCap, redCap },
        { redCap, greenCap, blueCap },
        { blueCap, redCap, greenCap },
    };
    for (int i = 0; i < 4; ++i) {
        SCHRITT(antworten(QStringLiteral("rrff").at(i)));
        QCOMPARE(s->caps(), folge[i]);
    }
    const char* const farbe[] = { "blue", "red", "green" };
    for (int i = 0; i < 3; ++i)
        QVERIFY(s->cap(i)->styleSheet().startsWith(QStringLiteral("background-color: %1;").arg(farbe[i])));
}

void TestSchwellentest::pressDuringWaitEndsIt()
{
    SCHRITT(starten());
    SCHRITT(antworten(QStringLiteral("f")));
    QTRY_VERIFY(s->waiting());
    QVERIFY(s->bar()->value() >= 28);

    // Taken at once: the bar is emptied and triplet 12 gets a wait of its own.
    QSignalSpy werte(s->bar(), &QProgressBar::valueChanged);
    SCHRITT(antworten(QStringLiteral("f")));
    QVERIFY(anweisung().contains(QStringLiteral("Nr. 12 ")));
    QVERIFY(werte.contains(QVariantList { 0 }));
    QTRY_VERIFY(s->waiting());
    QVERIFY(s->events.isEmpty());
}

void TestSchwellentest::doubleTapIsOneAnswer()
{
    SCHRITT(starten());
    // Its second press lands on the red cap of triplet 14, which the patient has not smelled yet.
    SCHRITT(s->doubleTap(1));
    QVERIFY(anweisung().contains(QStringLiteral("Nr. 14 ")));
    QCOMPARE(s->caps(), (QStringList { blueCap, redCap, greenCap }));
}

void TestSchwellentest::abortDeclinedThenConfirmedThenRestart()
{
    SCHRITT(starten());
    SCHRITT(s->abort(QStringLiteral("Weiter Testen")));
    SCHRITT(antworten(QStringLiteral("f")));
    QVERIFY(s->events.isEmpty());
    QTRY_VERIFY(s->waiting());
    SCHRITT(s->abort(QStringLiteral("Test abbrechen")));
    QCOMPARE(s->events, QStringList { "abbruch" });

    // The restart begins at triplet 16 with no wait due, and an aborted run's tick
    // chain must not keep running beside the new one.
    SCHRITT(starten());
    QVERIFY(!s->waiting());
    QVERIFY(anweisung().contains(QStringLiteral("Nr. 16 ")));
    const qint64 dauer = testsupport::twoSecondsOfWaiting(s->bar(), [this] { antworten(QStringLiteral("f")); });
    QVERIFY2(dauer >= 1500, qPrintable(QStringLiteral("two seconds of waiting took %1 ms").arg(dauer)));
    QCOMPARE(s->events, QStringList { "abbruch" });
}

DUFTLOTSE_TEST_MAIN(TestSchwellentest)
#include "tst_schwellentest.moc"
