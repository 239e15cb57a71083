#include "datenbank.h"
#include "formschwellentest.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

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

    void startWaitsForConfirmation();
    void staircaseRows_data();
    void staircaseRows();
    void capsRotateWithEveryAnswer();
    void pressDuringWaitEndsItAndCounts();
    void abortQuestion_data();
    void abortQuestion();
    void restartAfterAbortKeepsOneTickChain();
    void rowsAreScoredByTheStore_data();
    void rowsAreScoredByTheStore();

private:
    QPushButton* knopf(int index) const;
    int roterKnopf() const;
    QStringList anordnung() const;
    void bestaetigen();
    void antworten(QChar antwort);
    void antworten(const QString& folge);

    std::unique_ptr<QWidget> fenster;
    FormSchwellentest* form = nullptr;
    QStringList ereignisse;
    QVector<WendePunkte> zeilen;
};

void TestSchwellentest::init()
{
    // A page inside a window, as in the application.
    fenster = std::make_unique<QWidget>();
    fenster->resize(1100, 760);
    form = new FormSchwellentest(fenster.get());
    form->resize(fenster->size());
    ereignisse.clear();
    zeilen.clear();
    connect(form, &FormSchwellentest::WendepunkteSpeichern, this, [this](QVector<WendePunkte> z) {
        ereignisse << QStringLiteral("zeilen");
        zeilen = z;
    });
    connect(form, &FormSchwellentest::testBeendet, this,
        [this](int art) { ereignisse << QStringLiteral("beendet %1").arg(art); });
    connect(form, &FormSchwellentest::abbruch, this, [this] { ereignisse << QStringLiteral("abbruch"); });
    fenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
}

void TestSchwellentest::cleanup()
{
    fenster.reset();
}

QPushButton* TestSchwellentest::knopf(int index) const
{
    return testsupport::child<QPushButton>(form, QStringLiteral("pushButton_Schwelle_Farbe_%1").arg(index + 1));
}

int TestSchwellentest::roterKnopf() const
{
    for (int i = 0; i < 3; ++i)
        if (knopf(i)->isVisible() && knopf(i)->text() == rot)
            return i;
    return -1;
}

QStringList TestSchwellentest::anordnung() const
{
    return { knopf(0)->text(), knopf(1)->text(), knopf(2)->text() };
}

void TestSchwellentest::bestaetigen()
{
    QTRY_COMPARE(knopf(0)->text(), QStringLiteral("bestätigen"));
    QTest::mouseClick(knopf(0), Qt::LeftButton);
    QTRY_COMPARE(roterKnopf(), 0);
}

// Every answer moves the red cap one button down, which shows that it was taken.
void TestSchwellentest::antworten(QChar antwort)
{
    const int vorher = roterKnopf();
    QVERIFY(vorher >= 0);
    QTest::mouseClick(knopf(antwort == 'r' ? vorher : (vorher + 1) % 3), Qt::LeftButton);
    QTRY_COMPARE(roterKnopf(), (vorher + 1) % 3);
}

void TestSchwellentest::antworten(const QString& folge)
{
    for (QChar antwort : folge) {
        if (antwort != ' ')
            SCHRITT(antworten(antwort));
    }
}

void TestSchwellentest::startWaitsForConfirmation()
{
    auto* anweisung = testsupport::child<QLabel>(form, "labelSchwelleStiftNummer");
    auto* auswahl = testsupport::child<QLabel>(form, "label_auswahlPatient");
    auto* reihenfolge = testsupport::child<QLabel>(form, "label_Reihenfolge");
    auto* pfeil = testsupport::child<QLabel>(form, "label_Pfeil");
    auto* balken = testsupport::child<QProgressBar>(form, "progressBar");

    form->TestStart(Diskriminationstest);
    QCOMPARE(knopf(1)->isVisible(), true);
    QCOMPARE(anweisung->text(), QStringLiteral("Bitte Stift Nr. 1 "));

    form->TestStart(Schwellentest);
    QCOMPARE(anweisung->text(), QStringLiteral("Bitte wählen Sie die Triplets mit der roten Kappe"));
    QCOMPARE(knopf(0)->text(), QStringLiteral("bestätigen"));
    QCOMPARE(
        knopf(0)->styleSheet(), QStringLiteral("background-color: red; color:white;border-radius: 10px;border: 0px;"));
    QVERIFY(!knopf(1)->isVisible());
    QVERIFY(!knopf(2)->isVisible());
    QVERIFY(!reihenfolge->isVisible());
    QVERIFY(!pfeil->isVisible());
    QVERIFY(auswahl->text().isEmpty());
    QCOMPARE(balken->styleSheet(), balkenUnsichtbar);

    SCHRITT(bestaetigen());
    QCOMPARE(anordnung(), (QStringList { rot, gruen, blau }));
    QVERIFY(reihenfolge->isVisible());
    QVERIFY(pfeil->isVisible());
    QCOMPARE(auswahl->text(), QStringLiteral("Auswahl des Patienten"));
    QCOMPARE(anweisung->text(),
        QStringLiteral("Bitte reichen Sie dem Patienten die Stifte des Triplets Nr. 16 und "
                       "bestätigen Sie anschließend den vom Patienten erkannten Stift"));
    QVERIFY(ereignisse.isEmpty());
}

void TestSchwellentest::staircaseRows_data()
{
    QTest::addColumn<QString>("antworten");
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("all wrong, fill from the fast descent")
        << alleFalsch << "16f0 14f0 12f0 10f0 8f0 6f0 4f0 2f0 1f0 1f0 1f1 1f2 1f3 1f4 1f5 1f6 1f7";
    QTest::newRow("two correct at 16, the search stays at 16")
        << "rr rrf rr f rr f rr"
        << "16r0 16r1 16r1 16r1 16f2 15r2 15r2 15r3 16f4 15r4 15r4 15r5 16f6 15r6 15r6 15r7";
    QTest::newRow("wrong at 2 goes to 1, wrong at 1 in the downward search fills")
        << "ffffffff rr f f"
        << "16f0 14f0 12f0 10f0 8f0 6f0 4f0 2f0 1r0 1r1 2f2 1f2 1f2 1f3 1f4 1f5 1f6 1f7";
    QTest::newRow("seven ordinary reversals")
        << siebenWendepunkte
        << "16f0 14f0 12r0 12r1 13r1 13r1 14f2 13r2 13r2 13r3 14f4 13f4 12r4 12r4 12r5 13r5 13f6 12r6 12r6 12r7";
}

void TestSchwellentest::staircaseRows()
{
    QFETCH(QString, antworten);
    QFETCH(QString, erwartet);

    form->TestStart(Schwellentest);
    SCHRITT(bestaetigen());
    SCHRITT(this->antworten(antworten));

    QTRY_COMPARE(ereignisse, (QStringList { "zeilen", "beendet 3" }));
    QCOMPARE(alsText(zeilen), erwartet);
}

void TestSchwellentest::capsRotateWithEveryAnswer()
{
    form->TestStart(Schwellentest);
    SCHRITT(bestaetigen());

    // Correct, correct (the bottom reversal), wrong (the top reversal), wrong (downward search).
    const QStringList folge[] = {
        { blau, rot, gruen },
        { gruen, blau, rot },
        { rot, gruen, blau },
        { blau, rot, gruen },
    };
    const char antworten[] = { 'r', 'r', 'f', 'f' };
    for (int i = 0; i < 4; ++i) {
        SCHRITT(this->antworten(QChar(antworten[i])));
        QTRY_COMPARE(anordnung(), folge[i]);
    }
    const QString stil[] = {
        QStringLiteral("background-color: blue; color:white;border-radius: 10px;border: 0px;"),
        QStringLiteral("background-color: red; color:white;border-radius: 10px;border: 0px;"),
        QStringLiteral("background-color: green; color:white;border-radius: 10px;border: 0px;"),
    };
    for (int i = 0; i < 3; ++i)
        QCOMPARE(knopf(i)->styleSheet(), stil[i]);
}

void TestSchwellentest::pressDuringWaitEndsItAndCounts()
{
    auto* balken = testsupport::child<QProgressBar>(form, "progressBar");
    auto* anweisung = testsupport::child<QLabel>(form, "labelSchwelleStiftNummer");

    form->TestStart(Schwellentest);
    SCHRITT(bestaetigen());
    SCHRITT(antworten(QChar('f')));

    QTRY_COMPARE(balken->styleSheet(), balkenSichtbar);
    QCOMPARE(balken->maximum(), 30);
    QVERIFY2(balken->value() >= 28, qPrintable(QString::number(balken->value())));
    QVERIFY(anweisung->text().contains(QStringLiteral("Nr. 14 ")));

    SCHRITT(antworten(QChar('f')));
    QVERIFY(anweisung->text().contains(QStringLiteral("Nr. 12 ")));
    // The wrong answer at 14 starts a fresh wait right away.
    QTRY_COMPARE(balken->styleSheet(), balkenSichtbar);
    QVERIFY(balken->value() >= 28);
    QVERIFY(ereignisse.isEmpty());
}

void TestSchwellentest::abortQuestion_data()
{
    QTest::addColumn<QString>("knopfText");
    QTest::addColumn<bool>("abgebrochen");

    QTest::newRow("confirmed") << "Test abbrechen" << true;
    QTest::newRow("declined") << "Weiter Testen" << false;
}

void TestSchwellentest::abortQuestion()
{
    QFETCH(QString, knopfText);
    QFETCH(bool, abgebrochen);

    form->TestStart(Schwellentest);
    SCHRITT(bestaetigen());
    SCHRITT(antworten(QChar('r')));

    const auto beantwortet = testsupport::answerNextMessageBox(knopfText);
    QTest::mouseClick(testsupport::child<QPushButton>(form, "pushButton_Abbruch_Schwelle"), Qt::LeftButton);
    QTRY_VERIFY(*beantwortet);

    if (abgebrochen) {
        QCOMPARE(ereignisse, QStringList { "abbruch" });
    } else {
        QVERIFY(ereignisse.isEmpty());
        SCHRITT(antworten(QChar('f')));
    }
}

void TestSchwellentest::restartAfterAbortKeepsOneTickChain()
{
    auto* balken = testsupport::child<QProgressBar>(form, "progressBar");

    form->TestStart(Schwellentest);
    SCHRITT(bestaetigen());
    SCHRITT(antworten(QChar('f')));
    QTRY_COMPARE(balken->styleSheet(), balkenSichtbar);

    const auto beantwortet = testsupport::answerNextMessageBox(QStringLiteral("Test abbrechen"));
    QTest::mouseClick(testsupport::child<QPushButton>(form, "pushButton_Abbruch_Schwelle"), Qt::LeftButton);
    QTRY_VERIFY(*beantwortet);
    form->TestStart(Schwellentest);

    QCOMPARE(knopf(0)->text(), QStringLiteral("bestätigen"));
    QCOMPARE(balken->styleSheet(), balkenUnsichtbar);
    SCHRITT(bestaetigen());
    QVERIFY(testsupport::child<QLabel>(form, "labelSchwelleStiftNummer")->text().contains("Nr. 16 "));

    // The bar steps once a second with one tick chain, twice as fast with two.
    QElapsedTimer uhr;
    uhr.start();
    QMap<int, qint64> erstmals;
    QObject beobachter;
    connect(balken, &QProgressBar::valueChanged, &beobachter, [&](int wert) {
        if (!erstmals.contains(wert))
            erstmals.insert(wert, uhr.elapsed());
    });
    SCHRITT(antworten(QChar('f')));
    QTRY_VERIFY_WITH_TIMEOUT(erstmals.contains(27), 10000);
    QVERIFY(erstmals.contains(29));
    const qint64 dauer = erstmals.value(27) - erstmals.value(29);
    QVERIFY2(dauer >= 1500, qPrintable(QStringLiteral("two seconds of waiting took %1 ms").arg(dauer)));
    QCOMPARE(ereignisse, QStringList { "abbruch" });
}

void TestSchwellentest::rowsAreScoredByTheStore_data()
{
    QTest::addColumn<QString>("antworten");
    QTest::addColumn<QList<int>>("wendepunkte");
    QTest::addColumn<double>("punktsumme");

    QTest::newRow("seven ordinary reversals")
        << siebenWendepunkte << QList<int> { 12, 14, 13, 14, 12, 13, 12 } << 12.75;
    QTest::newRow("all wrong") << alleFalsch << QList<int> { 1, 1, 1, 1, 1, 1, 1 } << 1.0;
}

void TestSchwellentest::rowsAreScoredByTheStore()
{
    QFETCH(QString, antworten);
    QFETCH(QList<int>, wendepunkte);
    QFETCH(double, punktsumme);

    // The application sets its language before the store loads its definitions.
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    Datenbank db(nullptr);
    db.PatientSpeichern("Jörg", "Müller", "03.04.1970", "männlich", "", "JM-0815", "", "", "", "");
    db.UntersucherSpeichern("Erika", "Mustermann", "");
    db.TestLaden(Schwellentest);
    db.TestStartSpeichern("Schwellentest", 0, 0);
    connect(form, &FormSchwellentest::WendepunkteSpeichern, &db, &Datenbank::WendepunkteSpeichern);

    form->TestStart(Schwellentest);
    SCHRITT(bestaetigen());
    SCHRITT(this->antworten(antworten));
    QTRY_COMPARE(ereignisse, (QStringList { "zeilen", "beendet 3" }));

    const TestErgebnisse ergebnisse = db.TestErgebnisDaten(0);
    QCOMPARE(ergebnisse.testergebnis.size(), 1);
    const TestErgebnis& ergebnis = ergebnisse.testergebnis.first();
    QCOMPARE(ergebnis.testArt, Schwellentest);
    QList<int> werte;
    for (const TestErgebnisSchwelle& s : ergebnis.Schwellen)
        werte << s.Wert;
    QCOMPARE(werte, wendepunkte);
    QCOMPARE(ergebnis.punktsumme, punktsumme);
    QCOMPARE(ergebnis.SchwellenAuswahl.size(), zeilen.size());
}

DUFTLOTSE_TEST_MAIN(TestSchwellentest)
#include "tst_schwellentest.moc"
