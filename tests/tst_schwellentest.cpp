#include "datenbank.h"
#include "formschwellentest.h"
#include "testsupport.h"

#include <QLocale>
#include <QSignalSpy>

namespace
{

using testsupport::redCap;
using Seite = testsupport::TripletScreen<FormSchwellentest>;

// A run waits for the red reference cap to be confirmed on the first button.
void starten(Seite& s)
{
    s.form->TestStart(Schwellentest);
    QCOMPARE(s.caps().first(), QStringLiteral("bestätigen"));
    s.answer(0);
}

// r = the red cap (recognised), f = another cap; blanks only group.
void antworten(Seite& s, const QString& folge)
{
    for (QChar antwort : folge) {
        const int rot = s.caps().indexOf(redCap);
        if (antwort != ' ')
            SCHRITT(s.answer(antwort == 'r' ? rot : (rot + 1) % 3));
    }
}

} // namespace

class TestSchwellentest : public QObject
{
    Q_OBJECT

private slots:
    void staircaseRowsAreStoredAndScored_data();
    void staircaseRowsAreStoredAndScored();
    void capsTurnOncePerAnswer();
    void pressDuringWaitThenAbortAndRestart();
};

void TestSchwellentest::staircaseRowsAreStoredAndScored_data()
{
    QTest::addColumn<QString>("folge");
    QTest::addColumn<QString>("erwartet");
    QTest::addColumn<QList<int>>("wendepunkte");
    QTest::addColumn<double>("schwelle");

    // Rows as "<triplet><r|f><reversal number>".
    QTest::newRow("all wrong, filled at triplet 1")
        << "ffffffff f"
        << "16f0 14f0 12f0 10f0 8f0 6f0 4f0 2f0 1f0 1f0 1f1 1f2 1f3 1f4 1f5 1f6 1f7"
        << QList<int> { 1, 1, 1, 1, 1, 1, 1 } << 1.0;
    QTest::newRow("seven ordinary reversals") << "ff rr rrf rr f frr rf rr"
                                              << "16f0 14f0 12r0 12r1 13r1 13r1 14f2 13r2 13r2 13r3 14f4 13f4 12r4 "
                                                 "12r4 12r5 13r5 13f6 12r6 12r6 12r7"
                                              << QList<int> { 12, 14, 13, 14, 12, 13, 12 } << 12.75;
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
}

void TestSchwellentest::staircaseRowsAreStoredAndScored()
{
    QFETCH(QString, folge);
    QFETCH(QString, erwartet);
    QFETCH(QList<int>, wendepunkte);
    QFETCH(double, schwelle);

    // The application sets its language before the store loads its definitions.
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    Datenbank db(nullptr);
    testsupport::personenSpeichern(db);
    testsupport::testStarten(db, Schwellentest, 0);
    Seite s(QStringLiteral("Schwelle"));
    QStringList zeilen;
    connect(s.form, &FormSchwellentest::WendepunkteSpeichern, &db, [&](const QVector<WendePunkte>& z) {
        s.events << QStringLiteral("zeilen");
        for (const WendePunkte& w : z)
            zeilen << QStringLiteral("%1%2%3").arg(w.Triplet).arg(w.erkannt ? 'r' : 'f').arg(w.WendepunktNr);
        db.WendepunkteSpeichern(z);
    });

    SCHRITT(starten(s));
    SCHRITT(antworten(s, folge));
    // The rows must be stored before the end is announced, which moves on to the next test.
    QTRY_COMPARE(s.events, (QStringList { "zeilen", "beendet 3" }));
    QCOMPARE(zeilen.join(' '), erwartet);

    const TestErgebnis ergebnis = db.TestErgebnisDaten(0).testergebnis.value(0);
    QList<int> werte;
    for (const TestErgebnisSchwelle& w : ergebnis.Schwellen)
        werte << w.Wert;
    QCOMPARE(werte, wendepunkte);
    QCOMPARE(ergebnis.punktsumme, schwelle);
    QCOMPARE(ergebnis.SchwellenAuswahl.size(), zeilen.size());
}

void TestSchwellentest::capsTurnOncePerAnswer()
{
    Seite s(QStringLiteral("Schwelle"));
    SCHRITT(starten(s));
    QStringList zyklus { redCap, testsupport::greenCap, testsupport::blueCap };
    // Each answer moves the bottom cap to the top: wrong at 16, correct, correct (the bottom
    // reversal), wrong (the top reversal), wrong (downward search).
    for (QChar antwort : QStringLiteral("frrff")) {
        QCOMPARE(s.caps(), zyklus);
        SCHRITT(antworten(s, antwort));
        zyklus.move(2, 0);
    }
    QCOMPARE(s.caps(), zyklus);
    const char* const farbe[] = { "green", "blue", "red" };
    for (int i = 0; i < 3; ++i)
        QVERIFY(s.cap(i)->styleSheet().startsWith(QStringLiteral("background-color: %1;").arg(farbe[i])));
}

void TestSchwellentest::pressDuringWaitThenAbortAndRestart()
{
    Seite s(QStringLiteral("Schwelle"));
    SCHRITT(starten(s));
    SCHRITT(s.abort(QStringLiteral("Weiter Testen")));
    SCHRITT(antworten(s, QStringLiteral("f")));
    QTRY_VERIFY(s.waiting());

    // A press during the wait is taken at once: the bar is emptied and triplet 12 gets a wait of its own.
    QSignalSpy werte(s.bar(), &QProgressBar::valueChanged);
    SCHRITT(antworten(s, QStringLiteral("f")));
    QVERIFY(s.showsTriplet(12));
    QVERIFY(werte.contains(QVariantList { 0 }));
    QTRY_VERIFY(s.waiting());
    QVERIFY(s.events.isEmpty());
    SCHRITT(s.abort(QStringLiteral("Test abbrechen")));
    QCOMPARE(s.events, QStringList { "abbruch" });

    // The restart begins at triplet 16 with no wait due, and with one tick chain.
    SCHRITT(starten(s));
    QVERIFY(!s.waiting());
    QVERIFY(s.showsTriplet(16));
    SCHRITT(s.answerWithOneTickChain(1));
    QCOMPARE(s.events, QStringList { "abbruch" });
}

DUFTLOTSE_TEST_MAIN(TestSchwellentest)
#include "tst_schwellentest.moc"
