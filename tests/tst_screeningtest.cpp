#include "formscreeningtest.h"

#include "datenbank.h"
#include "testsupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>

#include <memory>

namespace
{

const QStringList knopfNamen = { QStringLiteral("toolButtonGeruch_1"), QStringLiteral("toolButtonGeruch_2"),
    QStringLiteral("toolButtonGeruch_3"), QStringLiteral("toolButtonGeruch_4") };

// One shown screen at a fixed size, so the choice buttons have a real geometry.
struct Bildschirm {
    FormScreeningtest form;
    QSignalSpy antworten { &form, &FormScreeningtest::TestStiftSpeichern };
    QSignalSpy beendet { &form, &FormScreeningtest::testBeendet };
    QSignalSpy abgebrochen { &form, &FormScreeningtest::abbruch };

    Bildschirm()
    {
        form.resize(1024, 768);
        form.show();
    }
    bool bereit()
    {
        return QTest::qWaitForWindowExposed(&form);
    }
    QToolButton* knopf(int auswahl)
    {
        return testsupport::child<QToolButton>(&form, knopfNamen.at(auswahl - 1));
    }
    void waehle(int auswahl)
    {
        QTest::mouseClick(knopf(auswahl), Qt::LeftButton);
    }
    QString seite()
    {
        return testsupport::child<QStackedWidget>(&form, "stackedWidget")->currentWidget()->objectName();
    }
    QList<int> gespeicherteStifte() const
    {
        QList<int> stifte;
        for (const QList<QVariant>& zeile : antworten)
            stifte << zeile.at(0).toInt();
        return stifte;
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
    void andereTestart_data();
    void andereTestart();
    void doppelterDruckNachLetzterAntwort();
    void unvollstaendigerStift_data();
    void unvollstaendigerStift();
    void umlautBilder_data();
    void umlautBilder();
    void stiftMarke_data();
    void stiftMarke();
    void abbruchFrage_data();
    void abbruchFrage();

private:
    TestdatenScreening ausKatalog(TestArt art, bool nurText);

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
    const QStringList namen = db->ListeDerTest();
    const QByteArray arten = db->getTestArten();
    for (int i = 0; i < arten.size() && i < namen.size(); ++i) {
        if (arten.at(i) == art) {
            daten.TestBezeichnung = namen.at(i);
            break;
        }
    }
    daten.Stifte = db->Stiftreihenfolge();
    for (char stift : daten.Stifte) {
        QStringList stiftNamen;
        QStringList stiftBilder;
        int richtig = 0;
        if (db->Stiftdaten(static_cast<unsigned char>(stift), &stiftNamen, &stiftBilder, &richtig)) {
            daten.Namen += stiftNamen;
            daten.Bilder += stiftBilder;
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
    QTest::addColumn<QString>("bezeichnung");

    QTest::newRow("Screening mit Bildern") << int(Screening12) << false << 12 << "Screening 12";
    QTest::newRow("Screening nur Text") << int(Screening12) << true << 12 << "Screening 12";
    QTest::newRow("Identifikation mit Bildern")
        << int(Identifikationstest_blau) << false << 16 << "Identifikationstest blau";
    QTest::newRow("Identifikation nur Text")
        << int(Identifikationstest_blau) << true << 16 << "Identifikationstest blau";
}

void TestScreeningtest::durchlauf()
{
    QFETCH(int, art);
    QFETCH(bool, nurText);
    QFETCH(int, stifte);
    QFETCH(QString, bezeichnung);

    const TestdatenScreening daten = ausKatalog(TestArt(art), nurText);
    QCOMPARE(daten.Stifte.size(), stifte);
    QCOMPARE(daten.Namen.size(), 4 * stifte);
    QCOMPARE(daten.TestBezeichnung, bezeichnung);

    Bildschirm s;
    QVERIFY(s.bereit());
    const QSize knopf = s.knopf(1)->size();
    const int seite = qMin(2 * knopf.width() / 3, 2 * knopf.height() / 3);
    QVERIFY(seite > 0);

    s.form.setTestdaten(daten);
    s.form.TestStart(1);
    QCOMPARE(s.seite(), QStringLiteral("page_2"));
    QVERIFY(!testsupport::child<QPushButton>(&s.form, "pushButtonWeiter")->isHidden());
    QCOMPARE(testsupport::child<QLabel>(&s.form, "labelTestBezeichnung")->text(),
        QStringLiteral("Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung %1 aus").arg(bezeichnung));

    auto* anweisung = testsupport::child<QLabel>(&s.form, "labelStiftNummer");
    for (int stift = 1; stift <= stifte; ++stift) {
        QCOMPARE(anweisung->text(),
            QStringLiteral("Bitte reichen Sie dem Patienten den Stift Nr. %1 und bestätigen Sie anschließend den "
                           "vom Patienten erkannten Geruch")
                .arg(stift));
        const QStringList namen = daten.Namen.mid(4 * (stift - 1), 4);
        for (int k = 1; k <= 4; ++k) {
            QToolButton* b = s.knopf(k);
            QCOMPARE(b->text(), namen.at(k - 1));
            if (nurText) {
                QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextOnly);
            } else {
                QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
                QCOMPARE(b->iconSize(), QSize(seite, seite));
                QVERIFY2(!b->icon().pixmap(seite).isNull(), qPrintable(daten.Bilder.at(4 * (stift - 1) + k - 1)));
            }
        }
        QCOMPARE(s.beendet.count(), 0);
        // The chosen number is the button's position, whichever answer is correct.
        s.waehle((stift - 1) % 4 + 1);
    }

    QCOMPARE(s.antworten.count(), stifte);
    for (int i = 0; i < stifte; ++i) {
        const QList<QVariant>& zeile = s.antworten.at(i);
        QCOMPARE(zeile.at(0).toInt(), i + 1);
        QCOMPARE(zeile.at(1).toInt(), daten.richtig.at(i));
        QCOMPARE(zeile.at(2).toInt(), i % 4 + 1);
        QCOMPARE(zeile.at(3).toStringList(), daten.Namen.mid(4 * i, 4));
    }
    QCOMPARE(s.beendet.count(), 1);
    QCOMPARE(s.beendet.at(0).at(0).toInt(), 0);
}

void TestScreeningtest::andereTestart_data()
{
    QTest::addColumn<int>("art");

    QTest::newRow("0 alle") << 0;
    QTest::newRow("2 Identifikation") << 2;
    QTest::newRow("3 Schwelle") << 3;
    QTest::newRow("4 Diskrimination") << 4;
    QTest::newRow("-1") << -1;
}

void TestScreeningtest::andereTestart()
{
    QFETCH(int, art);

    Bildschirm s;
    s.form.setTestdaten(ausKatalog(Screening12, false));
    s.form.TestStart(art);
    QCOMPARE(s.beendet.count(), 0);
    QVERIFY(testsupport::child<QLabel>(&s.form, "labelStiftNummer")->text().isEmpty());

    // No run: a press records nothing.
    s.waehle(2);
    QCOMPARE(s.antworten.count(), 0);
}

void TestScreeningtest::doppelterDruckNachLetzterAntwort()
{
    TestdatenScreening daten = ausKatalog(Screening12, false);
    daten.Stifte = QByteArray("\x01\x02", 2);
    Bildschirm s;
    s.form.setTestdaten(daten);
    s.form.TestStart(1);

    s.waehle(3);
    s.waehle(3);
    QCOMPARE(s.beendet.count(), 1);
    for (int k = 1; k <= 4; ++k)
        s.waehle(k);
    s.form.StiftGefunden(2, 1);

    QCOMPARE(s.gespeicherteStifte(), QList<int>({ 1, 2 }));
    QCOMPARE(s.beendet.count(), 1);
}

void TestScreeningtest::unvollstaendigerStift_data()
{
    QTest::addColumn<QByteArray>("stifte");
    QTest::addColumn<int>("namen");
    QTest::addColumn<int>("bilder");
    QTest::addColumn<int>("richtig");
    QTest::addColumn<QList<int>>("erwartet");

    const QByteArray eins_bis_zwoelf = QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c");
    const QList<int> bisElf = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 };

    QTest::newRow("Namen des letzten Stifts fehlen") << eins_bis_zwoelf << 44 << 48 << 12 << bisElf;
    QTest::newRow("ein Name des letzten Stifts fehlt") << eins_bis_zwoelf << 47 << 48 << 12 << bisElf;
    QTest::newRow("Bilder des letzten Stifts fehlen") << eins_bis_zwoelf << 48 << 44 << 12 << bisElf;
    QTest::newRow("richtige Wahl des letzten Stifts fehlt") << eins_bis_zwoelf << 48 << 48 << 11 << bisElf;
    QTest::newRow("Stift 40 mitten in der Liste")
        << QByteArray("\x01\x28\x02", 3) << 48 << 48 << 12 << QList<int>({ 1, 2 });
    QTest::newRow("Stiftnummer 0 und negativ")
        << QByteArray("\x00\x03\xff\x80", 4) << 48 << 48 << 12 << QList<int>({ 3 });
    QTest::newRow("leere Listen") << eins_bis_zwoelf << 0 << 0 << 0 << QList<int>();
    QTest::newRow("leere Stiftliste") << QByteArray() << 48 << 48 << 12 << QList<int>();
}

void TestScreeningtest::unvollstaendigerStift()
{
    QFETCH(QByteArray, stifte);
    QFETCH(int, namen);
    QFETCH(int, bilder);
    QFETCH(int, richtig);
    QFETCH(QList<int>, erwartet);

    TestdatenScreening daten = ausKatalog(Screening12, false);
    daten.Stifte = stifte;
    daten.Namen = daten.Namen.mid(0, namen);
    daten.Bilder = daten.Bilder.mid(0, bilder);
    daten.richtig = daten.richtig.mid(0, richtig);

    Bildschirm s;
    s.form.setTestdaten(daten);
    s.form.TestStart(1);
    for (int i = 0; i < stifte.size() && s.beendet.isEmpty(); ++i)
        s.waehle(1);

    QCOMPARE(s.gespeicherteStifte(), erwartet);
    QCOMPARE(s.beendet.count(), 1);
    QCOMPARE(s.beendet.at(0).at(0).toInt(), 0);
}

void TestScreeningtest::umlautBilder_data()
{
    QTest::addColumn<QString>("bild");
    QTest::addColumn<bool>("vorhanden");

    QTest::newRow("gummibärchen") << QStringLiteral("gummibärchen") << true;
    QTest::newRow("käse") << QStringLiteral("käse") << true;
    QTest::newRow("möhre") << QStringLiteral("möhre") << true;
    QTest::newRow("gewürznelke") << QStringLiteral("gewürznelke") << true;
    QTest::newRow("schwarze_johannisbeere") << QStringLiteral("schwarze_johannisbeere") << true;
    QTest::newRow("fehlendes Bild") << QStringLiteral("gibt_es_nicht") << false;
}

void TestScreeningtest::umlautBilder()
{
    QFETCH(QString, bild);
    QFETCH(bool, vorhanden);

    TestdatenScreening daten;
    daten.TestBezeichnung = QStringLiteral("Screening 12");
    daten.Stifte = QByteArray(1, 1);
    daten.Namen = QStringList { "Zimt", "Lakritz", "Senf", "Rose" };
    daten.Bilder = QStringList { "zimt", "lakritz", bild, "rose" };
    daten.richtig = { 3 };

    Bildschirm s;
    s.form.setTestdaten(daten);
    s.form.TestStart(1);
    QCOMPARE(s.knopf(3)->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QCOMPARE(s.knopf(3)->text(), QStringLiteral("Senf"));
    QCOMPARE(!s.knopf(3)->icon().pixmap(64).isNull(), vorhanden);
    QCOMPARE(s.knopf(3)->icon().isNull(), !vorhanden);
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

    TestdatenScreening daten = ausKatalog(Screening12, false);
    daten.mitRfid = true;
    Bildschirm s;
    s.form.setTestdaten(daten);
    s.form.TestStart(1);

    auto* falsch = testsupport::child<QGroupBox>(&s.form, "groupBoxStiftFalsch");
    QCOMPARE(s.seite(), QStringLiteral("page"));
    QCOMPARE(testsupport::child<QLabel>(&s.form, "labelStiftNummer_2")->text(), QStringLiteral("1"));
    QVERIFY(falsch->isHidden());
    QVERIFY(testsupport::child<QPushButton>(&s.form, "pushButtonWeiter")->isHidden());

    s.form.StiftGefunden(marke, testArtStift);
    QCOMPARE(falsch->isHidden(), erkannt);
    QCOMPARE(s.seite(), erkannt ? QStringLiteral("page_2") : QStringLiteral("page"));
    if (!erkannt)
        return;

    QCOMPARE(s.knopf(1)->text(), daten.Namen.at(0));
    s.waehle(4);
    QCOMPARE(s.gespeicherteStifte(), QList<int>({ 1 }));
    // The next pen waits for its own tag again.
    QCOMPARE(s.seite(), QStringLiteral("page"));
    QCOMPARE(testsupport::child<QLabel>(&s.form, "labelStiftNummer_2")->text(), QStringLiteral("2"));
}

void TestScreeningtest::abbruchFrage_data()
{
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<bool>("abgebrochen");

    QTest::newRow("Test abbrechen") << QStringLiteral("Test abbrechen") << true;
    QTest::newRow("Weiter Testen") << QStringLiteral("Weiter Testen") << false;
}

void TestScreeningtest::abbruchFrage()
{
    QFETCH(QString, antwort);
    QFETCH(bool, abgebrochen);

    Bildschirm s;
    s.form.setTestdaten(ausKatalog(Screening12, false));
    s.form.TestStart(1);
    s.waehle(1);

    const auto beantwortet = testsupport::answerNextMessageBox(antwort);
    QTest::mouseClick(testsupport::child<QToolButton>(&s.form, "toolButtonTestAbbruchScreening"), Qt::LeftButton);
    QTRY_VERIFY(*beantwortet);
    QCOMPARE(s.abgebrochen.count(), abgebrochen ? 1 : 0);

    // After an abort the remaining pens stay unrecorded; otherwise the run goes on with pen 2.
    s.waehle(2);
    QCOMPARE(s.gespeicherteStifte(), abgebrochen ? QList<int>({ 1 }) : QList<int>({ 1, 2 }));
    QCOMPARE(s.beendet.count(), 0);
}

DUFTLOTSE_TEST_MAIN(TestScreeningtest)
#include "tst_screeningtest.moc"
