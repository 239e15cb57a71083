// Whole examinations on the real window, store and report, clicked as an examiner would.

#include "testsupport.h"

#include "mainwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolButton>

#include <QScopeGuard>

#include <functional>
#include <memory>

int qInitResources_kaputt();
int qCleanupResources_kaputt();
int qInitResources_test_xmls();
int qCleanupResources_test_xmls();

namespace
{

using testsupport::child;
using testsupport::Untersuchung;

// Answer sequences of the triplet screens: r = the red cap, g = the green cap, b = the blue one;
// blanks only group.
const QString siebenWendepunkte = QStringLiteral("bb rr rrb rr b brr rb rr"); // scores 12.75
const QString riechtAlles = QStringLiteral("rr rrrrrrrr"); // ends after ten at triplet 16, scores 16

// The correct choice of every pen, as the kit defines it.
const QVector<int> identifikationRichtig { 1, 2, 4, 2, 2, 3, 1, 4, 3, 2, 4, 1, 4, 3, 1, 2 };

} // namespace

class TestPruefung : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void einzeltest_data();
    void einzeltest();
    void identifikationLinksRechtsNein();
    void extendedOhneHinweise();
    void abbruch_data();
    void abbruch();
    void stillstand_data();
    void stillstand();
    void tippen_data();
    void tippen();
    void ungespeichert();
    void kaputteDefinition();
};

void TestPruefung::initTestCase()
{
    // The broken definitions come only into the test that needs them.
    qCleanupResources_kaputt();
}

enum Lauf { screeningErsteWahl, schwelleSiebenWendepunkte, diskriminationNeunTreffer };

void TestPruefung::einzeltest_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("hinweis"); // the hint page's confirmation; empty: hints switched off
    QTest::addColumn<QString>("seite");
    QTest::addColumn<int>("lauf");
    QTest::addColumn<QString>("frage");
    QTest::addColumn<QString>("befund");

    // Always the first choice: right for pens 1, 7 and 9.
    QTest::newRow("screening with pictures")
        << int(Screening12) << "pushButton_HinweisGelesen_3"
        << "toolButtonLinks_2" << int(screeningErsteWahl) << "Im SCREENING 12 mit weiterer Seite fortfahren?"
        << "Punktwert: 3 (Grenzwert: 10) - V.a. pathologischen Befund";
    QTest::newRow("threshold to its seventh reversal, hints off")
        << int(Schwellentest) << QString() << "toolButtonBilateral_2" << int(schwelleSiebenWendepunkte)
        << "Im SCHWELLENTEST mit weiterer Seite fortfahren?"
        << "Punktwert: 12.75 (Grenzwert: 6.5) - Normalbefund";
    QTest::newRow("discrimination") << int(Diskriminationstest) << "pushButton_HinweisGelesen"
                                    << "toolButtonRechts_2" << int(diskriminationNeunTreffer)
                                    << "Im DISKRIMINATIONSTEST mit weiterer Seite fortfahren?"
                                    << "Punktwert: 9 (Grenzwert: 10) - V.a. pathologischen Befund";
}

void TestPruefung::einzeltest()
{
    QFETCH(int, art);
    QFETCH(QString, hinweis);
    QFETCH(QString, seite);
    QFETCH(int, lauf);
    QFETCH(QString, frage);
    QFETCH(QString, befund);

    Untersuchung u(hinweis.isEmpty());
    u.patient();
    u.starten(static_cast<TestArt>(art));
    if (!hinweis.isEmpty()) {
        QTRY_VERIFY(u.x(hinweis)->isVisible());
        u.klicken(hinweis);
    }
    SCHRITT(u.seitenwahl(seite));
    switch (lauf) {
    case screeningErsteWahl:
        SCHRITT(u.warten(QStringLiteral("page_screeningtest")));
        QVERIFY(!u.x<QToolButton>(QStringLiteral("toolButtonGeruch_1"))->icon().isNull());
        SCHRITT(u.identifikation(12, [](int) { return 1; }));
        break;
    case schwelleSiebenWendepunkte:
        SCHRITT(u.schwelle(siebenWendepunkte));
        break;
    case diskriminationNeunTreffer:
        SCHRITT(u.diskrimination(9));
        break;
    }
    SCHRITT(u.warten(QStringLiteral("page_Seitenwahl")));
    SCHRITT(u.frage(frage));
    u.klicken(QStringLiteral("toolButtonNein"));
    const QString text = u.bericht();
    QVERIFY2(text.contains(QStringLiteral("Erika Muster")), qPrintable(text));
    QVERIFY2(text.contains(befund), qPrintable(text));
    SCHRITT(u.schliessen());
}

void TestPruefung::identifikationLinksRechtsNein()
{
    Untersuchung u;
    u.patient();
    u.klicken(QStringLiteral("toolButtonText"));
    u.starten(Identifikationstest_blau);
    SCHRITT(u.warten(QStringLiteral("page_hinweiseTest")));
    u.klicken(QStringLiteral("pushButton_HinweisGelesen_3"));
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonLinks_2")));
    SCHRITT(u.warten(QStringLiteral("page_screeningtest")));
    QCOMPARE(u.x<QToolButton>(QStringLiteral("toolButtonGeruch_1"))->toolButtonStyle(), Qt::ToolButtonTextOnly);
    SCHRITT(u.identifikation(16, [](int stift) { return identifikationRichtig.at(stift - 1); }));
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonRechts_2")));
    // Right for pens 1 to 12 only.
    SCHRITT(u.identifikation(16, [](int stift) {
        return stift <= 12 ? identifikationRichtig.at(stift - 1) : identifikationRichtig.at(stift - 1) % 4 + 1;
    }));
    SCHRITT(u.warten(QStringLiteral("page_Seitenwahl")));
    QVERIFY(!u.x<QToolButton>(QStringLiteral("toolButtonLinks_2"))->isEnabled());
    QVERIFY(u.x<QToolButton>(QStringLiteral("toolButtonBilateral_2"))->isEnabled());
    u.klicken(QStringLiteral("toolButtonNein"));
    const QString text = u.bericht();
    QCOMPARE(u.seiten(Identifikationstest_blau), (QList<int> { 0, 1 }));
    QVERIFY(text.contains(QStringLiteral("16.00")));
    QVERIFY(text.contains(QStringLiteral("12.00")));
    QVERIFY(text.contains(QStringLiteral("Punktwert: 16 (Grenzwert: 11) - Normalbefund")));
    SCHRITT(u.schliessen());
}

void TestPruefung::extendedOhneHinweise()
{
    Untersuchung u(true);
    u.patient(QStringLiteral("EXT 1"));
    u.starten(ExtendedTest);
    // The pen instruction of the threshold part comes whatever the hint setting says.
    SCHRITT(u.warten(QStringLiteral("page_HinweiseExtended2")));
    u.klicken(QStringLiteral("pushButtonHinwExtendWeiter"));
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonLinks_2")));
    SCHRITT(u.schwelle(siebenWendepunkte));
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonRechts_2")));
    SCHRITT(u.schwelle(riechtAlles));
    // A side tapped after "Nein" does not run the threshold test again.
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonNein")));
    u.klicken(QStringLiteral("toolButtonBilateral_2"));
    SCHRITT(u.frage(QStringLiteral("DISKRIMINATIONSTEST\nBitte wählen Sie die zu testende Seite aus")));
    // Each part offers all three sides again.
    QVERIFY(u.x<QToolButton>(QStringLiteral("toolButtonLinks_2"))->isEnabled());
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonBilateral_2")));
    SCHRITT(u.diskrimination(12));
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonNein")));
    SCHRITT(u.frage(QStringLiteral("IDENTIFIKATIONSTEST\nBitte wählen Sie die zu testende Seite aus")));
    for (const char* knopf : { "toolButtonLinks_2", "toolButtonRechts_2", "toolButtonBilateral_2" }) {
        SCHRITT(u.seitenwahl(QString::fromLatin1(knopf)));
        SCHRITT(u.identifikation(16, [](int stift) { return identifikationRichtig.at(stift - 1); }));
    }
    // No side left: straight on to the evaluation.
    const QString text = u.bericht(QStringLiteral("EXT_1"));
    QCOMPARE(u.seiten(Schwellentest), (QList<int> { 0, 1 }));
    QCOMPARE(u.seiten(Diskriminationstest), (QList<int> { 2 }));
    QCOMPARE(u.seiten(Identifikationstest_blau), (QList<int> { 0, 1, 2 }));
    QVERIFY(text.contains(QStringLiteral("Punktwert: 44 (Grenzwert: 30.75) - Normalbefund")));
    SCHRITT(u.schliessen());
}

void TestPruefung::abbruch_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("seite");
    QTest::addColumn<QString>("abbruch");

    QTest::newRow("side page") << int(Schwellentest) << "page_Seitenwahl"
                               << "toolButtonSeitenAuswahlAbbruch";
    QTest::newRow("threshold") << int(Schwellentest) << "page_schwellentest"
                               << "pushButton_Abbruch_Schwelle";
    QTest::newRow("discrimination") << int(Diskriminationstest) << "page_Diskriminationstest"
                                    << "pushButton_Abbruch_Diskrimination";
    QTest::newRow("identification") << int(Identifikationstest_blau) << "page_screeningtest"
                                    << "toolButtonTestAbbruchScreening";
}

void TestPruefung::abbruch()
{
    QFETCH(int, art);
    QFETCH(QString, seite);
    QFETCH(QString, abbruch);

    Untersuchung u(true);
    u.patient();
    u.starten(static_cast<TestArt>(art));
    if (seite != QLatin1String("page_Seitenwahl"))
        SCHRITT(u.seitenwahl(QStringLiteral("toolButtonLinks_2")));
    SCHRITT(u.warten(seite));

    // "Weiter Testen" leaves everything as it was.
    SCHRITT(testsupport::clickAndAnswer(u.x<QAbstractButton>(abbruch), QStringLiteral("Weiter Testen")));
    QCOMPARE(u.seite(), seite);
    QCOMPARE(u.zeilen(QStringLiteral("Patient")), 1);

    const auto box = testsupport::answerNextMessageBoxSeen(QStringLiteral("Test abbrechen"));
    u.klicken(abbruch);
    QTRY_VERIFY(box->beantwortet);
    QCOMPARE(box->text, QStringLiteral("Wirklich abbrechen?"));
    QCOMPARE(box->informativeText, QStringLiteral("Alle Ergebnisse werden verworfen"));
    QVERIFY(box->fingergerecht);
    QCOMPARE(u.seite(), QStringLiteral("pageDateneingabe"));
    QCOMPARE(u.zeilen(QStringLiteral("Test")), 0);
    QCOMPARE(u.zeilen(QStringLiteral("Patient")), 0);
    QVERIFY(u.x<QWidget>(QStringLiteral("groupBoxPatient"))->isEnabled());
}

void TestPruefung::stillstand_data()
{
    QTest::addColumn<int>("stifte"); // pens answered before the question; -1: no examination started
    QTest::addColumn<QString>("abbruch"); // pressed after "Nein"; empty: the window is closed instead
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<bool>("offen");

    QTest::newRow("close while idle") << -1 << QString() << "Test abbrechen" << false;
    QTest::newRow("close during a test, continue") << 5 << QString() << "Weiter Testen" << true;
    QTest::newRow("close during a test, discard") << 5 << QString() << "Test abbrechen" << false;
    const QString seitenAbbruch = QStringLiteral("toolButtonSeitenAuswahlAbbruch");
    QTest::newRow("abort just before the evaluation, continue") << 12 << seitenAbbruch << "Weiter Testen" << true;
    QTest::newRow("abort just before the evaluation, discard") << 12 << seitenAbbruch << "Test abbrechen" << true;
}

void TestPruefung::stillstand()
{
    QFETCH(int, stifte);
    QFETCH(QString, abbruch);
    QFETCH(QString, antwort);
    QFETCH(bool, offen);

    const QString pdf = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/STILL.pdf";
    QFile::remove(pdf);
    Untersuchung u(true);
    u.patient(QStringLiteral("STILL"));
    const auto erster = [](int) { return 1; };
    const QStringList gesperrt { "toolButtonSprache", "toolButtonEinstellungen", "toolButtonInfo" };
    if (stifte >= 0) {
        u.starten(Screening12);
        for (const QString& knopf : gesperrt)
            QVERIFY(!u.x(knopf)->isEnabled());
        SCHRITT(u.seitenwahl(QStringLiteral("toolButtonLinks_2")));
        SCHRITT(u.identifikation(stifte, erster));
        if (stifte == 12)
            SCHRITT(u.seitenwahl(QStringLiteral("toolButtonNein")));
    }
    // Held open long enough for the report to be written, were the examination to go on behind it.
    const auto box = testsupport::answerNextMessageBoxSeen(antwort, 1000);
    abbruch.isEmpty() ? void(u.w->close()) : u.klicken(abbruch);
    QCOMPARE(box->text, stifte >= 0 ? QStringLiteral("Wirklich abbrechen?") : QString());
    QCOMPARE(u.w->isVisible(), offen);
    if (antwort == QLatin1String("Test abbrechen")) {
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(u.zeilen(QStringLiteral("Patient")), 0);
        for (const QString& knopf : gesperrt)
            QVERIFY(u.x(knopf)->isEnabled());
        return;
    }
    if (stifte < 12) {
        SCHRITT(u.identifikation(12 - stifte, erster));
        SCHRITT(u.seitenwahl(QStringLiteral("toolButtonNein")));
    }
    QVERIFY(u.bericht(QStringLiteral("STILL")).contains(QStringLiteral("Punktwert: 3 (Grenzwert: 10)")));
}

void TestPruefung::tippen_data()
{
    QTest::addColumn<int>("art");
    // Taps through the window a second apart; one marked with + follows `abstand` ms after the one
    // before it, as a slip of the finger does.
    QTest::addColumn<QStringList>("tipps");
    QTest::addColumn<int>("abstand");
    QTest::addColumn<QString>("seite"); // the page that stays
    QTest::addColumn<int>("antworten");

    const QString wahl = QStringLiteral("toolButtonGeruch_1");
    QStringList links { "pushButtonBeginnen", "pushButton_HinweisGelesen_3", "toolButtonLinks_2", wahl };
    QTest::newRow("triple tap on an answer")
        << int(Screening12) << links + QStringList { "+" + wahl, "+" + wahl } << 150 << "page_screeningtest" << 1;
    QTest::newRow("two presses 600 ms apart")
        << int(Screening12) << links + QStringList { "+" + wahl } << 600 << "page_screeningtest" << 2;
    while (links.count(wahl) < 12)
        links << wahl;
    QTest::newRow("double tap on the last answer")
        << int(Screening12) << links + QStringList { "+toolButtonRechts_2" } << 150 << "page_Seitenwahl" << 12;
    QTest::newRow("double tap on start") << int(Screening12)
                                         << QStringList { "pushButtonBeginnen", "+pushButton_HinweisGelesen_3" } << 150
                                         << "page_hinweiseTest" << 0;
    QTest::newRow("double tap on Hinweise verstanden")
        << int(ExtendedTest)
        << QStringList { "pushButtonBeginnen", "pushButton_HinweisGelesen_2", "+pushButtonHinwExtendWeiter" } << 150
        << "page_HinweiseExtended2" << 0;
}

void TestPruefung::tippen()
{
    QFETCH(int, art);
    QFETCH(QStringList, tipps);
    QFETCH(int, abstand);
    QFETCH(QString, seite);
    QFETCH(int, antworten);

    Untersuchung u;
    u.patient();
    auto* tests = u.x<QComboBox>(QStringLiteral("comboBoxTestAuswahl"));
    tests->setCurrentIndex(tests->findData(art));
    testsupport::Finger finger;
    for (QString knopf : tipps) {
        const bool nachgerutscht = knopf.startsWith('+');
        SCHRITT(finger.tippen(u.x(knopf.remove('+')), nachgerutscht ? abstand : 1000));
    }
    // Nor does the keyboard answer: the answer buttons take no focus.
    QTest::keyClick(u.w->focusWidget() ? u.w->focusWidget() : u.w.get(), Qt::Key_Space);

    QSignalSpy weiter(u.x<QStackedWidget>(QStringLiteral("stackedWidget")), &QStackedWidget::currentChanged);
    QVERIFY(!weiter.wait(500));
    QCOMPARE(u.seite(), seite);
    QCOMPARE(u.zeilen(QStringLiteral("TestStift")), antworten);
    QCOMPARE(u.zeilen(QStringLiteral("Patient")), 1);
}

void TestPruefung::ungespeichert()
{
    // The documents folder is blocked by a file, so the report cannot be saved.
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFile sperre(dokumente);
    QVERIFY(QDir(dokumente).removeRecursively() && sperre.open(QIODevice::WriteOnly));
    const auto frei = qScopeGuard([&] { QVERIFY(sperre.remove() && QDir().mkpath(dokumente)); });
    Untersuchung u(true);
    u.patient();
    u.starten(Screening12);
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonLinks_2")));
    SCHRITT(u.identifikation(12, [](int) { return 1; }));
    SCHRITT(u.warten(QStringLiteral("page_Seitenwahl")));
    const auto fehler = testsupport::answerNextMessageBoxSeen(QStringLiteral("OK"));
    u.klicken(QStringLiteral("toolButtonNein"));
    QTRY_VERIFY(fehler->beantwortet);
    QTRY_VERIFY(u.x(QStringLiteral("toolButtonAndererOrdner"))->isVisible());
    QCOMPARE(
        u.x<QLabel>(QStringLiteral("labelGespeichert"))->text(), QStringLiteral("Der Bericht ist nicht gespeichert."));

    // The close button stays in the window and outside the report's scroll area; nothing on the page is cut off.
    auto* schliessen = u.x(QStringLiteral("toolButton_auswertungschliessen"));
    for (const QSize groesse : { QSize(1113, 775), QSize(1024, 768) }) {
        u.w->resize(groesse);
        QTRY_COMPARE(u.w->size(), groesse);
        QTRY_VERIFY(u.w->rect().contains(QRect(schliessen->mapTo(u.w.get(), QPoint()), schliessen->size())));
        QVERIFY(!u.x(QStringLiteral("scrollArea"))->isAncestorOf(schliessen));
        QCOMPARE(testsupport::layoutProblems(u.x(QStringLiteral("page_Auswertung"))), QStringList());
    }

    // Closing asks first: "Zurück" stays with the report, "Ohne PDF schließen" discards it.
    SCHRITT(testsupport::clickAndAnswer(qobject_cast<QAbstractButton*>(schliessen), QStringLiteral("Zurück")));
    QCOMPARE(u.seite(), QStringLiteral("page_Auswertung"));
    // Closing the window asks the same, and "Zurück" keeps it.
    const auto fenster = testsupport::answerNextMessageBoxSeen(QStringLiteral("Zurück"));
    u.w->close();
    QVERIFY(fenster->beantwortet && u.w->isVisible());
    const auto frage = testsupport::answerNextMessageBoxSeen(QStringLiteral("Ohne PDF schließen"));
    SCHRITT(u.schliessen());
    QCOMPARE(frage->text, QStringLiteral("Der Bericht ist nicht gespeichert. Ohne PDF schließen?"));
    QVERIFY(frage->beantwortet && frage->fingergerecht);
}

void TestPruefung::kaputteDefinition()
{
    // A catalogue with a definition that does not parse and a screening test whose pen 2 lacks a choice.
    qCleanupResources_test_xmls();
    qInitResources_kaputt();
    const auto zurueck = qScopeGuard([] {
        qCleanupResources_kaputt();
        qInitResources_test_xmls();
    });
    Untersuchung u(true);
    u.patient();
    auto* tests = u.x<QComboBox>(QStringLiteral("comboBoxTestAuswahl"));
    QCOMPARE(tests->findData(0), 0);

    const auto box = testsupport::answerNextMessageBoxSeen(QStringLiteral("OK"));
    u.starten(TestLadenAlle);
    QTRY_VERIFY(box->beantwortet);
    QCOMPARE(box->text, QStringLiteral("Keine Testvorgabe gefunden"));
    QCOMPARE(u.seite(), QStringLiteral("pageDateneingabe"));
    QVERIFY(u.x<QWidget>(QStringLiteral("groupBoxPatient"))->isEnabled());
    QVERIFY(tests->isEnabled());
    QCOMPARE(u.zeilen(QStringLiteral("Patient")), 0);

    // Pen 2 is left out; every other pen shows its own choices.
    u.starten(Screening12);
    SCHRITT(u.seitenwahl(QStringLiteral("toolButtonLinks_2")));
    SCHRITT(u.warten(QStringLiteral("page_screeningtest")));
    u.klicken(QStringLiteral("toolButtonGeruch_1"));
    QCOMPARE(u.x<QToolButton>(QStringLiteral("toolButtonGeruch_1"))->text(), QStringLiteral("Honig"));
    SCHRITT(u.identifikation(10, [](int) { return 1; }));
    SCHRITT(u.warten(QStringLiteral("page_Seitenwahl")));
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("memdb")));
    q.exec(QStringLiteral("SELECT StiftNr FROM `TestStift` ORDER BY ID"));
    QList<int> stifte;
    while (q.next())
        stifte << q.value(0).toInt();
    QCOMPARE(stifte, (QList<int> { 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 }));
}

DUFTLOTSE_TEST_MAIN(TestPruefung)
#include "tst_pruefung.moc"
