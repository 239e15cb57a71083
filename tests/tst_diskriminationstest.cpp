#include "datenbank.h"
#include "formdiskriminationstest.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>

#include <memory>

// Ends the test function when a helper's QTRY/QVERIFY failed.
#define SCHRITT(aufruf)                                                                                                \
    do {                                                                                                               \
        aufruf;                                                                                                        \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (0)

namespace
{

const QString rot = QStringLiteral("Rote Kappe");
const QString gruen = QStringLiteral("Grüne Kappe");
const QString blau = QStringLiteral("Blaue Kappe");

const QString balkenSichtbar
    = QStringLiteral("QProgressBar { border: 2px solid grey; border-radius: 5px; color: rgb(50, 80, 142);"
                     "background-color: rgba(255, 255, 255, 0);font: 14pt \"Noto Sans\"; text-align: center;}"
                     "QProgressBar::chunk {    background-color: rgb(168, 183, 214);}");
const QString balkenUnsichtbar
    = QStringLiteral("color: rgba(255, 255, 255, 0); background-color: rgba(255, 255, 255, 0);border: 0px");

// The codes as a string of digits, one per triplet.
QString alsZiffern(const QByteArray& codes)
{
    QString ziffern;
    for (char c : codes)
        ziffern += QString::number(static_cast<signed char>(c));
    return ziffern;
}

} // namespace

class TestDiskriminationstest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startShowsFirstTriplet();
    void sixteenAnswersGiveSixteenCodes_data();
    void sixteenAnswersGiveSixteenCodes();
    void pressDuringWaitEndsItAndCounts();
    void abortThenRestartBeginsAfresh();

private:
    QPushButton* knopf(int index) const;
    QStringList anordnung() const;
    int tripletNr() const;
    void antworten(int knopfIndex);

    std::unique_ptr<QWidget> fenster;
    FormDiskriminationstest* form = nullptr;
    QStringList ereignisse;
    QByteArray codes;
};

void TestDiskriminationstest::init()
{
    // A page inside a window, as in the application.
    fenster = std::make_unique<QWidget>();
    fenster->resize(1100, 760);
    form = new FormDiskriminationstest(fenster.get());
    form->resize(fenster->size());
    ereignisse.clear();
    codes.clear();
    connect(form, &FormDiskriminationstest::ErgebnisDiskriminationSpeichern, this, [this](QByteArray c) {
        ereignisse << QStringLiteral("codes");
        codes = c;
    });
    connect(form, &FormDiskriminationstest::testBeendet, this,
        [this](int art) { ereignisse << QStringLiteral("beendet %1").arg(art); });
    connect(form, &FormDiskriminationstest::abbruch, this, [this] { ereignisse << QStringLiteral("abbruch"); });
    fenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
}

void TestDiskriminationstest::cleanup()
{
    fenster.reset();
}

QPushButton* TestDiskriminationstest::knopf(int index) const
{
    return testsupport::child<QPushButton>(form, QStringLiteral("pushButton_Diskrimination_Farbe_%1").arg(index + 1));
}

QStringList TestDiskriminationstest::anordnung() const
{
    return { knopf(0)->text(), knopf(1)->text(), knopf(2)->text() };
}

int TestDiskriminationstest::tripletNr() const
{
    const QString text = testsupport::child<QLabel>(form, "labelDiskriminationStiftNummer")->text();
    const QRegularExpressionMatch treffer = QRegularExpression(QStringLiteral("Triplets Nr\\. (\\d+) ")).match(text);
    return treffer.hasMatch() ? treffer.captured(1).toInt() : -1;
}

// Clicks a cap button (-1: whichever shows the green cap) and waits until the next
// triplet is shown, or the run has ended after triplet 16.
void TestDiskriminationstest::antworten(int knopfIndex)
{
    const int vorher = tripletNr();
    QVERIFY(vorher >= 1);
    if (knopfIndex < 0)
        knopfIndex = anordnung().indexOf(gruen);
    QTest::mouseClick(knopf(knopfIndex), Qt::LeftButton);
    if (vorher < 16)
        QTRY_COMPARE(tripletNr(), vorher + 1);
    else
        QTRY_VERIFY(!ereignisse.isEmpty());
}

void TestDiskriminationstest::startShowsFirstTriplet()
{
    form->TestStart(Schwellentest);
    QCOMPARE(tripletNr(), -1);

    form->TestStart(Diskriminationstest);
    QCOMPARE(tripletNr(), 1);
    QCOMPARE(anordnung(), (QStringList { rot, gruen, blau }));
    for (int i = 0; i < 3; ++i)
        QVERIFY(knopf(i)->isVisible());
    QVERIFY(testsupport::child<QLabel>(form, "label_Reihenfolge")->isVisible());
    QCOMPARE(testsupport::child<QProgressBar>(form, "progressBar")->styleSheet(), balkenUnsichtbar);

    SCHRITT(antworten(0));
    QCOMPARE(anordnung(), (QStringList { blau, rot, gruen }));
    SCHRITT(antworten(0));
    QCOMPARE(anordnung(), (QStringList { gruen, blau, rot }));
    SCHRITT(antworten(0));
    QCOMPARE(anordnung(), (QStringList { rot, gruen, blau }));
}

void TestDiskriminationstest::sixteenAnswersGiveSixteenCodes_data()
{
    QTest::addColumn<int>("knopfIndex");
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("always the first button") << 0 << "0210210210210210";
    QTest::newRow("always the second button") << 1 << "1021021021021021";
    QTest::newRow("always the third button") << 2 << "2102102102102102";
    QTest::newRow("always the green cap") << -1 << "1111111111111111";
}

void TestDiskriminationstest::sixteenAnswersGiveSixteenCodes()
{
    QFETCH(int, knopfIndex);
    QFETCH(QString, erwartet);

    form->TestStart(Diskriminationstest);
    for (int i = 0; i < 16; ++i)
        SCHRITT(antworten(knopfIndex));

    QTRY_COMPARE(ereignisse, (QStringList { "codes", "beendet 0" }));
    QCOMPARE(codes.size(), 16);
    QCOMPARE(alsZiffern(codes), erwartet);
}

void TestDiskriminationstest::pressDuringWaitEndsItAndCounts()
{
    auto* balken = testsupport::child<QProgressBar>(form, "progressBar");
    form->TestStart(Diskriminationstest);
    SCHRITT(antworten(0));

    QTRY_COMPARE(balken->styleSheet(), balkenSichtbar);
    QCOMPARE(balken->maximum(), 30);
    QVERIFY2(balken->value() >= 28, qPrintable(QString::number(balken->value())));

    QList<int> werte;
    QObject beobachter;
    connect(balken, &QProgressBar::valueChanged, &beobachter, [&](int wert) { werte << wert; });
    SCHRITT(antworten(1));
    // The bar was emptied and hidden before the next triplet's wait began.
    QTRY_COMPARE(balken->styleSheet(), balkenSichtbar);
    QVERIFY2(werte.contains(0), qPrintable(QString::number(werte.size())));
    QCOMPARE(tripletNr(), 3);
    QVERIFY(ereignisse.isEmpty());
}

void TestDiskriminationstest::abortThenRestartBeginsAfresh()
{
    auto* balken = testsupport::child<QProgressBar>(form, "progressBar");
    form->TestStart(Diskriminationstest);
    for (int i = 0; i < 3; ++i)
        SCHRITT(antworten(2));

    const auto beantwortet = testsupport::answerNextMessageBox(QStringLiteral("Test abbrechen"));
    QTest::mouseClick(testsupport::child<QPushButton>(form, "pushButton_Abbruch_Diskrimination"), Qt::LeftButton);
    QTRY_VERIFY(*beantwortet);
    QCOMPARE(ereignisse, QStringList { "abbruch" });
    ereignisse.clear();

    form->TestStart(Diskriminationstest);
    QCOMPARE(tripletNr(), 1);
    QCOMPARE(anordnung(), (QStringList { rot, gruen, blau }));
    QCOMPARE(balken->styleSheet(), balkenUnsichtbar);

    // The bar steps once a second with one tick chain, twice as fast with two.
    QElapsedTimer uhr;
    uhr.start();
    QMap<int, qint64> erstmals;
    QObject beobachter;
    connect(balken, &QProgressBar::valueChanged, &beobachter, [&](int wert) {
        if (!erstmals.contains(wert))
            erstmals.insert(wert, uhr.elapsed());
    });
    SCHRITT(antworten(0));
    QTRY_VERIFY_WITH_TIMEOUT(erstmals.contains(27), 10000);
    QVERIFY(erstmals.contains(29));
    const qint64 dauer = erstmals.value(27) - erstmals.value(29);
    QVERIFY2(dauer >= 1500, qPrintable(QStringLiteral("two seconds of waiting took %1 ms").arg(dauer)));

    for (int i = 1; i < 16; ++i)
        SCHRITT(antworten(0));
    QTRY_COMPARE(ereignisse, (QStringList { "codes", "beendet 0" }));
    QCOMPARE(alsZiffern(codes), QStringLiteral("0210210210210210"));
}

DUFTLOTSE_TEST_MAIN(TestDiskriminationstest)
#include "tst_diskriminationstest.moc"
