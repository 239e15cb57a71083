#include "formscreeningtest.h"

#include "datenbank.h"
#include "testsupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>

#include <memory>

namespace
{

// One shown screen at a fixed size, so the choice buttons have a real geometry. Its
// signals are logged in order: the pen number of each row, "beendet 0", "abbruch".
struct Bildschirm {
    FormScreeningtest form;
    QSignalSpy zeilen { &form, &FormScreeningtest::TestStiftSpeichern };
    QStringList ereignisse;

    explicit Bildschirm(const TestdatenScreening& daten)
    {
        QObject::connect(&form, &FormScreeningtest::TestStiftSpeichern, &form,
            [this](int stift) { ereignisse << QString::number(stift); });
        QObject::connect(&form, &FormScreeningtest::testBeendet, &form,
            [this](int art) { ereignisse << QStringLiteral("beendet %1").arg(art); });
        QObject::connect(
            &form, &FormScreeningtest::abbruch, &form, [this] { ereignisse << QStringLiteral("abbruch"); });
        form.resize(1024, 768);
        form.show();
        form.setTestdaten(daten);
    }
    QToolButton* knopf(int auswahl)
    {
        return testsupport::child<QToolButton>(&form, QStringLiteral("toolButtonGeruch_%1").arg(auswahl));
    }
    void waehle(int auswahl)
    {
        QTest::mouseClick(knopf(auswahl), Qt::LeftButton);
    }
    QString seite()
    {
        return testsupport::child<QStackedWidget>(&form, "stackedWidget")->currentWidget()->objectName();
    }
};

} // namespace

class TestScreeningtest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void durchlauf_data();
    void durchlauf();
    void ueberzaehligeDrueckeUndLueckenImDatensatz_data();
    void ueberzaehligeDrueckeUndLueckenImDatensatz();
    void doppeltipp_data();
    void doppeltipp();
    void stiftMarke_data();
    void stiftMarke();
    void abbruchFrage_data();
    void abbruchFrage();

private:
    TestdatenScreening ausKatalog(TestArt art, bool nurText = false);

    // The in-memory connection is process-wide, so one store serves every test.
    std::unique_ptr<Datenbank> db;
};

void TestScreeningtest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    db = std::make_unique<Datenbank>(nullptr);
}

void TestScreeningtest::cleanupTestCase()
{
    db.reset();
}

// Builds the record the way the main window does before it starts the screen.
TestdatenScreening TestScreeningtest::ausKatalog(TestArt art, bool nurText)
{
    db->TestLaden(art);
    TestdatenScreening daten;
    daten.Stifte = db->Stiftreihenfolge();
    for (char stift : daten.Stifte) {
        QStringList namen;
        QStringList bilder;
        int richtig = 0;
        if (db->Stiftdaten(static_cast<unsigned char>(stift), &namen, &bilder, &richtig)) {
            daten.Namen += namen;
            daten.Bilder += bilder;
            daten.richtig << richtig;
        }
    }
    daten.nurText = nurText;
    return daten;
}

void TestScreeningtest::durchlauf_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<bool>("nurText");
    QTest::addColumn<int>("stifte");

    QTest::newRow("Screening mit Bildern") << int(Screening12) << false << 12;
    QTest::newRow("Screening nur Text") << int(Screening12) << true << 12;
    QTest::newRow("Identifikation mit Bildern") << int(Identifikationstest_blau) << false << 16;
    QTest::newRow("Identifikation nur Text") << int(Identifikationstest_blau) << true << 16;
}

void TestScreeningtest::durchlauf()
{
    QFETCH(int, art);
    QFETCH(bool, nurText);
    QFETCH(int, stifte);

    const TestdatenScreening daten = ausKatalog(TestArt(art), nurText);
    QCOMPARE(daten.Stifte.size(), stifte);
    Bildschirm s(daten);
    QVERIFY(QTest::qWaitForWindowExposed(&s.form));
    s.form.TestStart(1);

    QStringList erwartet;
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
        s.waehle(i % 4 + 1);
        const QVariantList zeile { i + 1, daten.richtig.at(i), i % 4 + 1, QVariant(daten.Namen.mid(4 * i, 4)) };
        QCOMPARE(s.zeilen.value(i), zeile);
        erwartet << QString::number(i + 1);
    }
    QCOMPARE(s.ereignisse, erwartet << QStringLiteral("beendet 0"));
}

void TestScreeningtest::ueberzaehligeDrueckeUndLueckenImDatensatz_data()
{
    QTest::addColumn<QByteArray>("stifte");
    QTest::addColumn<int>("namen");
    QTest::addColumn<int>("bilder");
    QTest::addColumn<int>("richtig");
    QTest::addColumn<QString>("erwartet");

    const QByteArray zwoelf("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c");
    const QString bisElf = QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 beendet 0");

    // Every row presses on after the last answer; that must write no second row for the last pen.
    QTest::newRow("zwei Stifte, vollständig") << QByteArray("\x01\x02") << 48 << 48 << 12 << "1 2 beendet 0";
    QTest::newRow("ein Name des letzten Stifts fehlt") << zwoelf << 47 << 48 << 12 << bisElf;
    QTest::newRow("ein Bild des letzten Stifts fehlt") << zwoelf << 48 << 47 << 12 << bisElf;
    QTest::newRow("richtige Wahl des letzten Stifts fehlt") << zwoelf << 48 << 48 << 11 << bisElf;
    QTest::newRow("Stift 40 mitten in der Liste") << QByteArray("\x01\x28\x02") << 48 << 48 << 12 << "1 2 beendet 0";
    QTest::newRow("Stiftnummer 0 und negativ") << QByteArray("\x00\x03\xff\x80", 4) << 48 << 48 << 12 << "3 beendet 0";
    QTest::newRow("leere Stiftliste") << QByteArray() << 48 << 48 << 12 << "beendet 0";
}

void TestScreeningtest::ueberzaehligeDrueckeUndLueckenImDatensatz()
{
    QFETCH(QByteArray, stifte);
    QFETCH(int, namen);
    QFETCH(int, bilder);
    QFETCH(int, richtig);
    QFETCH(QString, erwartet);

    TestdatenScreening daten = ausKatalog(Screening12);
    daten.Stifte = stifte;
    daten.Namen = daten.Namen.mid(0, namen);
    daten.Bilder = daten.Bilder.mid(0, bilder);
    daten.richtig = daten.richtig.mid(0, richtig);

    Bildschirm s(daten);
    s.form.TestStart(1);
    for (int i = 0; i < stifte.size() + 2; ++i)
        s.waehle(i % 4 + 1);
    s.form.StiftGefunden(2, 1);
    QCOMPARE(s.ereignisse.join(' '), erwartet);
}

void TestScreeningtest::doppeltipp_data()
{
    QTest::addColumn<QString>("tipps");
    QTest::addColumn<QStringList>("erwartet");

    // k = click, d = double-click, l = release, each followed by the choice; expected "pen:choice".
    QTest::newRow("Doppelklick und Loslassen") << "d1 l1" << QStringList {};
    QTest::newRow("Doppeltipp: Klick, Doppelklick, Loslassen") << "k1 d1 l1" << QStringList { "1:1" };
    QTest::newRow("Doppeltipp, dann ein Klick für Stift 2") << "k2 d2 l2 k4" << QStringList { "1:2", "2:4" };
    QTest::newRow("zwei einzelne Klicks") << "k3 k3" << QStringList { "1:3", "2:3" };
}

void TestScreeningtest::doppeltipp()
{
    QFETCH(QString, tipps);
    QFETCH(QStringList, erwartet);

    Bildschirm s(ausKatalog(Screening12));
    s.form.TestStart(1);
    for (const QString& tipp : tipps.split(' ')) {
        QToolButton* knopf = s.knopf(tipp.at(1).digitValue());
        if (tipp.at(0) == 'k')
            QTest::mouseClick(knopf, Qt::LeftButton);
        else if (tipp.at(0) == 'd')
            QTest::mouseDClick(knopf, Qt::LeftButton);
        else
            QTest::mouseRelease(knopf, Qt::LeftButton);
    }
    QStringList antworten;
    for (const QList<QVariant>& zeile : s.zeilen)
        antworten << QStringLiteral("%1:%2").arg(zeile.at(0).toInt()).arg(zeile.at(2).toInt());
    QCOMPARE(antworten, erwartet);
}

void TestScreeningtest::stiftMarke_data()
{
    QTest::addColumn<int>("marke");
    QTest::addColumn<int>("testArtStift");
    QTest::addColumn<bool>("erkannt");

    QTest::newRow("richtiger Stift") << 1 << 1 << true;
    QTest::newRow("anderer Stift") << 2 << 1 << false;
    QTest::newRow("Stift einer anderen Testart") << 1 << 3 << false;
}

void TestScreeningtest::stiftMarke()
{
    QFETCH(int, marke);
    QFETCH(int, testArtStift);
    QFETCH(bool, erkannt);

    TestdatenScreening daten = ausKatalog(Screening12);
    daten.mitRfid = true;
    Bildschirm s(daten);
    s.form.TestStart(1);
    auto* falsch = testsupport::child<QGroupBox>(&s.form, "groupBoxStiftFalsch");
    auto* stiftNr = testsupport::child<QLabel>(&s.form, "labelStiftNummer_2");
    // With tags the choice opens only for the pen's own tag; there is no way past it.
    QCOMPARE(s.seite(), QStringLiteral("page"));
    QVERIFY(testsupport::child<QPushButton>(&s.form, "pushButtonWeiter")->isHidden());

    s.form.StiftGefunden(marke, testArtStift);
    QCOMPARE(falsch->isHidden(), erkannt);
    QCOMPARE(s.seite(), erkannt ? QStringLiteral("page_2") : QStringLiteral("page"));
    if (!erkannt)
        return;
    QCOMPARE(s.knopf(1)->text(), daten.Namen.at(0));
    s.waehle(4);
    QCOMPARE(s.ereignisse, QStringList { "1" });
    QCOMPARE(s.seite(), QStringLiteral("page"));
    QCOMPARE(stiftNr->text(), QStringLiteral("2"));
}

void TestScreeningtest::abbruchFrage_data()
{
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<QString>("erwartet");

    // After an abort the remaining pens stay unrecorded; otherwise the run goes on with pen 2.
    QTest::newRow("Test abbrechen") << QStringLiteral("Test abbrechen") << "1 abbruch";
    QTest::newRow("Weiter Testen") << QStringLiteral("Weiter Testen") << "1 2";
}

void TestScreeningtest::abbruchFrage()
{
    QFETCH(QString, antwort);
    QFETCH(QString, erwartet);

    Bildschirm s(ausKatalog(Screening12));
    s.form.TestStart(1);
    s.waehle(1);
    SCHRITT(testsupport::clickAndAnswer(
        testsupport::child<QToolButton>(&s.form, "toolButtonTestAbbruchScreening"), antwort));
    s.waehle(2);
    QCOMPARE(s.ereignisse.join(' '), erwartet);
}

DUFTLOTSE_TEST_MAIN(TestScreeningtest)
#include "tst_screeningtest.moc"
