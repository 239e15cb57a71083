#include "formdiskriminationstest.h"
#include "testsupport.h"

#include <QSignalSpy>

class TestDiskriminationstest : public QObject
{
    Q_OBJECT

private slots:
    void abortedRunThenSixteenFreshCodes();
};

void TestDiskriminationstest::abortedRunThenSixteenFreshCodes()
{
    testsupport::TripletScreen<FormDiskriminationstest> s(QStringLiteral("Diskrimination"));
    QSignalSpy codes(s.form, &FormDiskriminationstest::ErgebnisDiskriminationSpeichern);
    connect(s.form, &FormDiskriminationstest::ErgebnisDiskriminationSpeichern, this,
        [&] { s.events << QStringLiteral("codes"); });
    s.form->TestStart(Diskriminationstest);
    for (int i = 0; i < 3; ++i)
        SCHRITT(s.answer(2));
    QVERIFY(s.showsTriplet(4));
    QTRY_VERIFY(s.waiting());
    // The countdown stands still while the abort question is open and goes on from there.
    const int stand = s.bar()->value();
    SCHRITT(s.abort(QStringLiteral("Weiter Testen"), 1000));
    QCOMPARE(s.bar()->value(), stand);
    QTRY_COMPARE(s.bar()->value(), stand - 1);
    SCHRITT(s.abort(QStringLiteral("Test abbrechen")));
    QCOMPARE(s.events, QStringList { "abbruch" });

    // A fresh run: first arrangement, no wait due, one tick chain and sixteen new codes.
    s.form->TestStart(Diskriminationstest);
    QCOMPARE(s.caps(), (QStringList { testsupport::redCap, testsupport::greenCap, testsupport::blueCap }));
    QVERIFY(!s.waiting());
    SCHRITT(s.answerWithOneTickChain(0));
    // The caps turn with every triplet, so the first, third and second button in turn give red,
    // green and blue.
    for (int i = 1; i < 16; ++i)
        SCHRITT(s.answer((3 - i % 3) % 3));
    // The codes must be stored before the end is announced, which moves on to the next test.
    QTRY_COMPARE(s.events, (QStringList { "abbruch", "codes", "beendet 0" }));
    QCOMPARE(codes.first().first().toByteArray().toHex(), QByteArray("00010200010200010200010200010200"));
}

DUFTLOTSE_TEST_MAIN(TestDiskriminationstest)
#include "tst_diskriminationstest.moc"
