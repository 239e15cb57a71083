#include "formscreeningtest.h"

#include "datenbank.h"
#include "testsupport.h"

#include <QLocale>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>

namespace
{

// Builds the record the way the main window does before it starts the screen.
TestdatenScreening ausKatalog(TestArt art)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Datenbank db(nullptr);
    db.TestLaden(art);
    TestdatenScreening daten;
    daten.Stifte = db.Stiftreihenfolge();
    for (char stift : daten.Stifte) {
        QStringList namen, bilder;
        int richtig = 0;
        db.Stiftdaten(static_cast<unsigned char>(stift), &namen, &bilder, &richtig);
        daten.Namen += namen;
        daten.Bilder += bilder;
        daten.richtig << richtig;
    }
    return daten;
}

// A started screen at a fixed size, so the choice buttons have a real geometry. Its signals are
// logged in order: "<pen>:<choice>" for each row, "beendet 0", "abbruch".
struct Bildschirm {
    FormScreeningtest form;
    QSignalSpy zeilen { &form, &FormScreeningtest::TestStiftSpeichern };
    QStringList ereignisse;

    explicit Bildschirm(const TestdatenScreening& daten)
    {
        QObject::connect(&form, &FormScreeningtest::TestStiftSpeichern, &form,
            [this](int stift, int, int wahl) { ereignisse << QStringLiteral("%1:%2").arg(stift).arg(wahl); });
        QObject::connect(&form, &FormScreeningtest::testBeendet, &form,
            [this](int art) { ereignisse << QStringLiteral("beendet %1").arg(art); });
        QObject::connect(&form, &FormScreeningtest::abbruch, &form, [this] { ereignisse << "abbruch"; });
        form.resize(1024, 768);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setTestdaten(daten);
        form.TestStart(1);
    }
    QToolButton* knopf(int auswahl)
    {
        return testsupport::child<QToolButton>(&form, QStringLiteral("toolButtonGeruch_%1").arg(auswahl));
    }
};

} // namespace

class TestScreeningtest : public QObject
{
    Q_OBJECT

private slots:
    void penByPen_data();
    void penByPen();
    void pressesAbortsAndGaps_data();
    void pressesAbortsAndGaps();
    void stiftMarke();
};

void TestScreeningtest::penByPen_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<bool>("nurText");

    QTest::newRow("Identifikation mit Bildern") << int(Identifikationstest_blau) << false;
    QTest::newRow("Screening nur Text") << int(Screening12) << true;
}

void TestScreeningtest::penByPen()
{
    QFETCH(int, art);
    QFETCH(bool, nurText);

    TestdatenScreening daten = ausKatalog(TestArt(art));
    const int stifte = daten.Stifte.size();
    daten.nurText = nurText;
    Bildschirm s(daten);
    for (int i = 0; i < stifte; ++i) {
        for (int k = 0; k < 4; ++k) {
            QToolButton* b = s.knopf(k + 1);
            QCOMPARE(b->text(), daten.Namen.at(4 * i + k));
            QCOMPARE(b->toolButtonStyle(), nurText ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);
            // The picture names include umlauts, which must still find the bundled file.
            if (!nurText)
                QVERIFY2(!b->icon().pixmap(32).isNull(), qPrintable(daten.Bilder.at(4 * i + k)));
        }
        // The chosen number is the button's position, whichever answer is correct.
        QTest::mouseClick(s.knopf(i % 4 + 1), Qt::LeftButton);
        const QVariantList zeile { i + 1, daten.richtig.at(i), i % 4 + 1, QVariant(daten.Namen.mid(4 * i, 4)) };
        QCOMPARE(s.zeilen.value(i), zeile);
    }
    QCOMPARE(s.ereignisse.mid(stifte), QStringList { "beendet 0" });
}

void TestScreeningtest::pressesAbortsAndGaps_data()
{
    QTest::addColumn<QByteArray>("stifte");
    QTest::addColumn<QString>("tipps");
    QTest::addColumn<QStringList>("erwartet");
    QTest::addColumn<QString>("fehlt");

    // Presses: a digit clicks that choice, a and w abort and answer "Test abbrechen" or "Weiter
    // Testen". A press after the last answer must write no row. The record has the data of pens 1
    // to 3, but for what `fehlt` takes from pen 3.
    const QByteArray drei("\x01\x02\x03");
    const QStringList zwei { "1:1", "2:2", "beendet 0" };
    QTest::newRow("Stifte 40, 0 und -1 übersprungen") << QByteArray("\x01\x28\x00\xff\x02", 5) << "123" << zwei << "";
    QTest::newRow("ein Name von Stift 3 fehlt") << drei << "123" << zwei << "Namen";
    QTest::newRow("ein Bild von Stift 3 fehlt") << drei << "123" << zwei << "Bilder";
    QTest::newRow("richtige Wahl von Stift 3 fehlt") << drei << "123" << zwei << "richtig";
    QTest::newRow("leere Stiftliste") << QByteArray() << "1" << QStringList { "beendet 0" } << "";
    QTest::newRow("zwei einzelne Klicks") << drei << "33" << QStringList { "1:3", "2:3" } << "";
    QTest::newRow("Abbruch abgelehnt") << drei << "1w2" << QStringList { "1:1", "2:2" } << "";
    QTest::newRow("Abbruch bestätigt") << drei << "1a2" << QStringList { "1:1", "abbruch" } << "";
}

void TestScreeningtest::pressesAbortsAndGaps()
{
    QFETCH(QByteArray, stifte);
    QFETCH(QString, tipps);
    QFETCH(QStringList, erwartet);
    QFETCH(QString, fehlt);

    TestdatenScreening daten = ausKatalog(Screening12);
    daten.Stifte = stifte;
    daten.Namen = daten.Namen.mid(0, fehlt == "Namen" ? 11 : 12);
    daten.Bilder = daten.Bilder.mid(0, fehlt == "Bilder" ? 11 : 12);
    daten.richtig = daten.richtig.mid(0, fehlt == "richtig" ? 2 : 3);
    Bildschirm s(daten);
    for (QChar tipp : tipps) {
        if (tipp == 'a' || tipp == 'w') {
            SCHRITT(
                testsupport::clickAndAnswer(testsupport::child<QToolButton>(&s.form, "toolButtonTestAbbruchScreening"),
                    tipp == 'a' ? QStringLiteral("Test abbrechen") : QStringLiteral("Weiter Testen")));
        } else {
            QTest::mouseClick(s.knopf(tipp.digitValue()), Qt::LeftButton);
        }
    }
    QCOMPARE(s.ereignisse, erwartet);
}

// No tag reader is attached in this system, but the tag page behaves as built: only the
// pen's own tag of a screening test opens its choices, and there is no way past it.
void TestScreeningtest::stiftMarke()
{
    TestdatenScreening daten = ausKatalog(Screening12);
    daten.mitRfid = true;
    Bildschirm s(daten);
    auto* stapel = testsupport::child<QStackedWidget>(&s.form, "stackedWidget");
    auto* falsch = testsupport::child<QWidget>(&s.form, "groupBoxStiftFalsch");
    QCOMPARE(stapel->currentIndex(), 0);
    QVERIFY(testsupport::child<QWidget>(&s.form, "pushButtonWeiter")->isHidden());
    for (const auto& [marke, art] : { std::pair { 2, 1 }, std::pair { 1, 3 } }) {
        s.form.StiftGefunden(marke, art);
        QCOMPARE(stapel->currentIndex(), 0);
        QVERIFY(!falsch->isHidden());
    }
    s.form.StiftGefunden(1, 1);
    QCOMPARE(stapel->currentIndex(), 1);
    QVERIFY(falsch->isHidden());
}

DUFTLOTSE_TEST_MAIN(TestScreeningtest)
#include "tst_screeningtest.moc"
