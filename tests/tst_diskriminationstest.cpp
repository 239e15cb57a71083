#include "datenbank.h"
#include "formdiskriminationstest.h"
#include "testsupport.h"

#include <QLabel>

#include <memory>

using Seite = testsupport::TripletScreen<FormDiskriminationstest>;

class TestDiskriminationstest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sameButtonSixteenTimes_data();
    void sameButtonSixteenTimes();
    void doubleTapIsOneAnswer_data();
    void doubleTapIsOneAnswer();
    void abortThenRestartBeginsAfresh();

private:
    void bisZumEnde(int knopf);
    QString codeZiffern() const;

    std::unique_ptr<Seite> s;
    QByteArray codes;
};

void TestDiskriminationstest::init()
{
    s = std::make_unique<Seite>(QStringLiteral("Diskrimination"));
    codes.clear();
    connect(s->form, &FormDiskriminationstest::ErgebnisDiskriminationSpeichern, this, [this](QByteArray c) {
        s->events << QStringLiteral("codes");
        codes = c;
    });
    QVERIFY(QTest::qWaitForWindowExposed(&s->window));
}

void TestDiskriminationstest::cleanup()
{
    s.reset();
}

// Presses the same button until the run ends, at most sixteen times.
void TestDiskriminationstest::bisZumEnde(int knopf)
{
    for (int i = 0; i < 16 && s->events.isEmpty(); ++i)
        SCHRITT(s->answer(knopf));
}

// One digit per triplet: the colour code of the chosen cap.
QString TestDiskriminationstest::codeZiffern() const
{
    QString ziffern;
    for (char c : codes)
        ziffern += QString::number(static_cast<signed char>(c));
    return ziffern;
}

void TestDiskriminationstest::sameButtonSixteenTimes_data()
{
    QTest::addColumn<int>("knopf");
    QTest::addColumn<QString>("erwartet");

    // The caps turn on with every triplet, so one button yields the rotating codes.
    QTest::newRow("always the first button") << 0 << "0210210210210210";
    QTest::newRow("always the second button") << 1 << "1021021021021021";
    QTest::newRow("always the third button") << 2 << "2102102102102102";
}

void TestDiskriminationstest::sameButtonSixteenTimes()
{
    QFETCH(int, knopf);
    QFETCH(QString, erwartet);

    s->form->TestStart(Diskriminationstest);
    SCHRITT(bisZumEnde(knopf));
    // The codes must be stored before the end is announced, which moves on to the next test.
    QTRY_COMPARE(s->events, (QStringList { "codes", "beendet 0" }));
    QCOMPARE(codeZiffern(), erwartet);
}

void TestDiskriminationstest::doubleTapIsOneAnswer_data()
{
    QTest::addColumn<QString>("tipps");
    QTest::addColumn<int>("triplet");

    // k = a click, taken as an answer; d = a double tap.
    QTest::newRow("a double tap") << "d" << 2;
    QTest::newRow("two double taps") << "dd" << 3;
    QTest::newRow("two separate clicks") << "kk" << 3;
}

void TestDiskriminationstest::doubleTapIsOneAnswer()
{
    QFETCH(QString, tipps);
    QFETCH(int, triplet);

    s->form->TestStart(Diskriminationstest);
    for (QChar tipp : tipps)
        SCHRITT(tipp == 'd' ? s->doubleTap(1) : s->answer(1));
    QVERIFY(testsupport::child<QLabel>(s->form, "labelDiskriminationStiftNummer")
                ->text()
                .contains(QStringLiteral("Nr. %1 ").arg(triplet)));
    QVERIFY(s->events.isEmpty());
}

void TestDiskriminationstest::abortThenRestartBeginsAfresh()
{
    s->form->TestStart(Diskriminationstest);
    for (int i = 0; i < 3; ++i)
        SCHRITT(s->answer(2));
    QTRY_VERIFY(s->waiting());
    SCHRITT(s->abort(QStringLiteral("Test abbrechen")));
    QCOMPARE(s->events, QStringList { "abbruch" });
    s->events.clear();

    // A fresh run: first arrangement, no wait due, one tick chain and sixteen new codes.
    s->form->TestStart(Diskriminationstest);
    QCOMPARE(s->caps(), (QStringList { testsupport::redCap, testsupport::greenCap, testsupport::blueCap }));
    QVERIFY(!s->waiting());
    const qint64 dauer = testsupport::twoSecondsOfWaiting(s->bar(), [this] { s->answer(0); });
    QVERIFY2(dauer >= 1500, qPrintable(QStringLiteral("two seconds of waiting took %1 ms").arg(dauer)));
    SCHRITT(bisZumEnde(0));
    QTRY_COMPARE(s->events, (QStringList { "codes", "beendet 0" }));
    QCOMPARE(codeZiffern(), QStringLiteral("0210210210210210"));
}

DUFTLOTSE_TEST_MAIN(TestDiskriminationstest)
#include "tst_diskriminationstest.moc"
