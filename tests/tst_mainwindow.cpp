#include "testsupport.h"

#include "mainwindow.h"

#include "formdiskriminationstest.h"
#include "formschwellentest.h"
#include "formscreeningtest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStackedWidget>
#include <QToolButton>

#include <memory>

namespace
{
// A main window started with the given stored language, shown and active.
std::unique_ptr<MainWindow> fenster(const QString& sprache = QStringLiteral("de"))
{
    QSettings(MainWindow::Organisation, MainWindow::Anwendung).setValue(QStringLiteral("Sprache"), sprache);
    auto w = std::make_unique<MainWindow>();
    w->show();
    QApplication::setActiveWindow(w.get());
    return w;
}

QString seite(MainWindow* w)
{
    return testsupport::child<QStackedWidget>(w, QStringLiteral("stackedWidget"))->currentWidget()->objectName();
}

// Types into a field as the examiner does and finishes with Return.
void eintragen(QLineEdit* feld, const QString& text)
{
    feld->setFocus();
    feld->selectAll();
    feld->insert(text); // QTest types ASCII only
    QTest::keyClick(feld, Qt::Key_Return);
}

QString bedingung(MainWindow* w)
{
    return testsupport::child<QLabel>(w, QStringLiteral("label_startbedingung"))->text();
}

const QString ueberschrift = QStringLiteral("Bitte mit * markierte Felder ausfüllen \n");
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void seiten();
    void startseite();
    void mussfelder();
    void geburtsdatum_data();
    void geburtsdatum();
    void jahrhundert_data();
    void jahrhundert();
    void rauchgewohnheit();
    void returnFuehrtWeiter();
    void hinweisMenue();
    void patientResetBehaeltUntersucher();
    void kleinerBildschirm();
    void sprache_data();
    void sprache();
    void testseitenSchreibenInDenSpeicher();
};

void TestMainWindow::seiten()
{
    MainWindow w;
    auto* stack = testsupport::child<QStackedWidget>(&w, QStringLiteral("stackedWidget"));
    const QStringList erwartet { "pageDateneingabe", "page_Auswertung", "pageSprache", "page_schwellentest",
        "page_screeningtest", "page_Diskriminationstest", "page_Seitenwahl", "page_HinweiseDiskri",
        "page_HinweiseExtended", "page_hinweiseTest", "pageEinstellungen", "page_HinweiseExtended2", "pageInfo" };
    QStringList seiten;
    for (int i = 0; i < stack->count(); ++i)
        seiten << stack->widget(i)->objectName();
    QCOMPARE(seiten, erwartet);
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("pageDateneingabe"));

    w.setPage(12);
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("pageInfo"));
    QVERIFY(!w.windowIcon().pixmap(32).isNull());
    // The manual buttons never appear.
    for (const char* name :
        { "pushButtonAnleitungAnzeigen", "pushButtonAnleitungAnzeigen_2", "pushButtonAnleitungAnzeigen_3" })
        QVERIFY(testsupport::child<QWidget>(&w, name)->isHidden());
}

void TestMainWindow::startseite()
{
    auto w = fenster();
    QCOMPARE(seite(w.get()), QStringLiteral("pageDateneingabe"));
    auto* tests = testsupport::child<QComboBox>(w.get(), QStringLiteral("comboBoxTestAuswahl"));
    QCOMPARE(tests->count(), 5);
    QVERIFY(tests->isEnabled());
    auto* geschlecht = testsupport::child<QComboBox>(w.get(), QStringLiteral("comboBoxPatientGeschlecht"));
    QCOMPARE(geschlecht->count(), 5);
    QCOMPARE(geschlecht->currentText(), QStringLiteral("* Bitte wählen"));
    QCOMPARE(geschlecht->itemData(4).toString(), QStringLiteral("D"));
    for (const char* name :
        { "lineEditPatientVorname", "lineEditPatientNachname", "lineEditPatientGeburtsdatum", "lineEditPatientCode" })
        QVERIFY(testsupport::child<QLineEdit>(w.get(), name)->text().isEmpty());
    QVERIFY(!testsupport::child<QAbstractButton>(w.get(), QStringLiteral("checkBoxAbschwellung"))->isChecked());

    const QString alleFuenf
        = QStringLiteral("Geschlecht nicht ausgewählt, Patient Vorname fehlt, \nPatient Nachname fehlt ...");
    QCOMPARE(bedingung(w.get()), ueberschrift + alleFuenf);

    // A press explains what is missing in a touch-sized box and starts nothing.
    const auto box = testsupport::answerNextMessageBoxSeen(QStringLiteral("OK"));
    QTest::mouseClick(
        testsupport::child<QAbstractButton>(w.get(), QStringLiteral("pushButtonBeginnen")), Qt::LeftButton);
    QTRY_VERIFY(box->beantwortet);
    QCOMPARE(box->text, alleFuenf);
    QVERIFY(box->fingergerecht);
    QCOMPARE(seite(w.get()), QStringLiteral("pageDateneingabe"));
    QVERIFY(w->findChild<Datenbank*>()->Patientendaten(0).isEmpty());
}

void TestMainWindow::mussfelder()
{
    auto w = fenster();
    auto* geschlecht = testsupport::child<QComboBox>(w.get(), QStringLiteral("comboBoxPatientGeschlecht"));
    auto* vorname = testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditPatientVorname"));

    // Only a finished field counts.
    vorname->setFocus();
    QTest::keyClicks(vorname, QStringLiteral("Erika"));
    QVERIFY(bedingung(w.get()).contains(QStringLiteral("Patient Vorname fehlt")));
    QTest::keyClick(vorname, Qt::Key_Return);
    QCOMPARE(bedingung(w.get()),
        ueberschrift
            + QStringLiteral("Geschlecht nicht ausgewählt\nPatient Nachname fehlt\nPatient Geburtsdatum fehlt\n"
                             "Patient Personencode fehlt\n"));

    geschlecht->setCurrentIndex(1);
    eintragen(testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditPatientNachname")), "Muster");
    eintragen(testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditPatientGeburtsdatum")), "1.2.1980");
    QCOMPARE(bedingung(w.get()), ueberschrift + QStringLiteral("Patient Personencode fehlt\n"));
    // Blanks are no code.
    auto* code = testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditPatientCode"));
    eintragen(code, QStringLiteral("   "));
    QCOMPARE(bedingung(w.get()), ueberschrift + QStringLiteral("Patient Personencode fehlt\n"));
    eintragen(code, QStringLiteral("P-17"));
    QCOMPARE(bedingung(w.get()), QString());

    // The placeholder gender makes the start impossible again.
    geschlecht->setCurrentIndex(0);
    QCOMPARE(bedingung(w.get()), ueberschrift + QStringLiteral("Geschlecht nicht ausgewählt\n"));
    const auto box = testsupport::answerNextMessageBoxSeen(QStringLiteral("OK"));
    QTest::mouseClick(
        testsupport::child<QAbstractButton>(w.get(), QStringLiteral("pushButtonBeginnen")), Qt::LeftButton);
    QTRY_VERIFY(box->beantwortet);
    QCOMPARE(box->text, QStringLiteral("Geschlecht nicht ausgewählt\n"));
}

void TestMainWindow::geburtsdatum_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("erwartet"); // empty: rejected with a message

    QTest::newRow("d.M.yyyy") << "1.2.1980"
                              << "01.02.1980";
    QTest::newRow("dd.MM.yy of the last century") << "01.02.80"
                                                  << "01.02.1980";
    QTest::newRow("dd.MM.yy of this century") << "01.02.05"
                                              << "01.02.2005";
    QTest::newRow("ddMMyy") << "010280"
                            << "01.02.1980";
    QTest::newRow("ddMMyyyy") << "01021980"
                              << "01.02.1980";
    QTest::newRow("dMMyyyy") << "1021980"
                             << "01.02.1980";
    QTest::newRow("ddMyyyy, month 13 read first") << "3131980"
                                                  << "31.03.1980";
    QTest::newRow("dMyyyy") << "121980"
                            << "01.02.1980";
    QTest::newRow("dd.M.yy") << "01.2.80"
                             << "01.02.1980";
    QTest::newRow("blanks around") << " 01.02.1980 "
                                   << "01.02.1980";
    QTest::newRow("31st of February") << "31.02.1980" << QString();
    QTest::newRow("in the future") << "01.01.2099" << QString();
    QTest::newRow("no date at all") << "Montag" << QString();
}

void TestMainWindow::geburtsdatum()
{
    QFETCH(QString, eingabe);
    QFETCH(QString, erwartet);

    auto w = fenster();
    testsupport::child<QComboBox>(w.get(), QStringLiteral("comboBoxPatientGeschlecht"))->setCurrentIndex(1);
    for (const char* name : { "lineEditPatientVorname", "lineEditPatientNachname", "lineEditPatientCode" })
        eintragen(testsupport::child<QLineEdit>(w.get(), name), QStringLiteral("x"));
    auto* feld = testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditPatientGeburtsdatum"));
    eintragen(feld, QStringLiteral("01.01.1970"));
    QCOMPARE(bedingung(w.get()), QString());
    if (erwartet.isEmpty()) {
        const auto box = testsupport::answerNextMessageBoxSeen(QStringLiteral("OK"));
        eintragen(feld, eingabe);
        QTRY_VERIFY(box->beantwortet);
        QCOMPARE(box->text, QStringLiteral("Das Datum ist ungültig"));
        QCOMPARE(feld->text(), QString());
        QCOMPARE(feld->placeholderText(), QStringLiteral("* TT.MM.JJJJ"));
        QCOMPARE(bedingung(w.get()), ueberschrift + QStringLiteral("Patient Geburtsdatum fehlt\n"));
    } else {
        eintragen(feld, eingabe);
        QCOMPARE(feld->text(), erwartet);
        QCOMPARE(bedingung(w.get()), QString());
    }
}

void TestMainWindow::jahrhundert_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QDate>("heute");
    QTest::addColumn<QString>("erwartet");

    const QDate nikolaus2026(2026, 12, 6);
    QTest::newRow("this year") << "01.02.26" << nikolaus2026 << "01.02.2026";
    QTest::newRow("next year's digits are last century") << "01.02.27" << nikolaus2026 << "01.02.1927";
    QTest::newRow("ddMMyy") << "010299" << nikolaus2026 << "01.02.1999";
    QTest::newRow("d.M.yy") << "1.2.05" << nikolaus2026 << "01.02.2005";
    QTest::newRow("turn of the century") << "01.02.00" << QDate(2001, 1, 1) << "01.02.2000";
}

void TestMainWindow::jahrhundert()
{
    QFETCH(QString, eingabe);
    QFETCH(QDate, heute);
    QFETCH(QString, erwartet);
    QCOMPARE(MainWindow::geburtsdatumNormalisieren(eingabe, heute), erwartet);
}

void TestMainWindow::rauchgewohnheit()
{
    auto w = fenster();
    auto* box = testsupport::child<QComboBox>(w.get(), QStringLiteral("comboBoxPatientRauchgewohnheit"));
    QCOMPARE(box->count(), 4);
    QCOMPARE(box->currentIndex(), 0);
    QVERIFY(box->isEditable());
    box->setCurrentIndex(2);
    QVERIFY(!box->isEditable());
    QCOMPARE(box->currentText(), QStringLiteral("Gelegenheitssraucher"));
    box->setCurrentIndex(0);
    QVERIFY(box->isEditable());
    QTest::keyClicks(box->lineEdit(), QStringLiteral("Pfeife"));
    QCOMPARE(box->currentText(), QStringLiteral("Pfeife"));
    QCOMPARE(box->count(), 4);
}

void TestMainWindow::returnFuehrtWeiter()
{
    auto w = fenster();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto* vorname = testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditPatientVorname"));
    eintragen(vorname, QStringLiteral("Erika"));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lineEditPatientNachname"));

    // The notes keep Return for a new line.
    auto* notiz = testsupport::child<QPlainTextEdit>(w.get(), QStringLiteral("plainTextEditPatientNotiz"));
    notiz->setFocus();
    QTest::keyClicks(notiz, QStringLiteral("a"));
    QTest::keyClick(notiz, Qt::Key_Return);
    QCOMPARE(notiz->toPlainText(), QStringLiteral("a\n"));
    QCOMPARE(QApplication::focusWidget(), notiz);

    // Return on the start button, the end of the chain, moves on and starts nothing.
    auto* start = testsupport::child<QWidget>(w.get(), QStringLiteral("pushButtonBeginnen"));
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Return);
    QVERIFY(QApplication::focusWidget() != start);
    QCOMPARE(seite(w.get()), QStringLiteral("pageDateneingabe"));
}

void TestMainWindow::hinweisMenue()
{
    auto w = fenster();
    auto* knopf = testsupport::child<QToolButton>(w.get(), QStringLiteral("toolButton_tip_rauch"));
    for (int mal = 0; mal < 2; ++mal) {
        QTest::mouseClick(knopf, Qt::LeftButton);
        QMenu* menue = nullptr;
        QTRY_VERIFY((menue = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QCOMPARE(menue->actions().size(), 1);
        QCOMPARE(menue->actions().first()->text(), QStringLiteral("Kettenraucher, Gelegenheitsraucher ..."));
        menue->close();
    }
}

void TestMainWindow::patientResetBehaeltUntersucher()
{
    auto w = fenster();
    eintragen(testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditPatientVorname")), "Erika");
    eintragen(testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditPatientCode")), "P-17");
    testsupport::child<QComboBox>(w.get(), QStringLiteral("comboBoxPatientGeschlecht"))->setCurrentIndex(2);
    testsupport::child<QComboBox>(w.get(), QStringLiteral("comboBoxPatientRauchgewohnheit"))->setCurrentIndex(1);
    testsupport::child<QAbstractButton>(w.get(), QStringLiteral("checkBoxAbschwellung"))->setChecked(true);
    eintragen(testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditUntersucherNachname")), "Prüfer");

    // Closing the result page is the common discard.
    QVERIFY(QMetaObject::invokeMethod(w.get(), "on_toolButton_auswertungschliessen_clicked"));
    QCOMPARE(testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditPatientVorname"))->text(), QString());
    QCOMPARE(testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditPatientCode"))->text(), QString());
    QCOMPARE(testsupport::child<QComboBox>(w.get(), QStringLiteral("comboBoxPatientGeschlecht"))->currentIndex(), 0);
    QCOMPARE(
        testsupport::child<QComboBox>(w.get(), QStringLiteral("comboBoxPatientRauchgewohnheit"))->currentIndex(), 0);
    QVERIFY(!testsupport::child<QAbstractButton>(w.get(), QStringLiteral("checkBoxAbschwellung"))->isChecked());
    QCOMPARE(testsupport::child<QLineEdit>(w.get(), QStringLiteral("lineEditUntersucherNachname"))->text(),
        QStringLiteral("Prüfer"));
    QCOMPARE(bedingung(w.get()),
        ueberschrift
            + QStringLiteral("Geschlecht nicht ausgewählt, Patient Vorname fehlt, \nPatient Nachname fehlt ..."));
}

void TestMainWindow::kleinerBildschirm()
{
    MainWindow w;
    QCOMPARE(w.size(), QSize(1113, 828));
    // A screen with room enough keeps the design's size.
    fensterEinpassen(&w, QRect(0, 0, 1280, 1024));
    QCOMPARE(w.size(), QSize(1113, 828));

    const QRect tablett(0, 0, 1024, 768);
    fensterEinpassen(&w, tablett);
    QVERIFY(w.width() <= tablett.width());
    QVERIFY(w.height() < tablett.height());
    QCOMPARE(w.pos(), tablett.topLeft());
    // Every page still fits there: the layout test checks each page at this size.
    QVERIFY(w.minimumSizeHint().width() <= w.width() && w.minimumSizeHint().height() <= w.height());
}

void TestMainWindow::sprache_data()
{
    QTest::addColumn<QVariant>("gespeichert"); // invalid: nothing stored
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("ersterTest");
    QTest::addColumn<QString>("kopf");
    QTest::addColumn<QString>("reihenfolge");

    const QString kopfDe = QStringLiteral("Riech- und Schmecktests zur Geruchs- und Geschmacksdiagnostik ");
    const QString kopfEn = QStringLiteral("Taste and smell tests ");
    QTest::newRow("German") << QVariant("de") << "de_DE"
                            << "Diskriminationstest" << kopfDe << "Reihenfolge Darbietung";
    QTest::newRow("English") << QVariant("en") << "en_US"
                             << "Discrimination test" << kopfEn << "Order of presentation";
    QTest::newRow("unknown language falls back to English")
        << QVariant("fr") << "en_US"
        << "Discrimination test" << kopfEn << "Order of presentation";
    // The test run's system locale is C, which is neither German nor English.
    QTest::newRow("nothing stored") << QVariant() << "en_US"
                                    << "Discrimination test" << kopfEn << "Order of presentation";
}

void TestMainWindow::sprache()
{
    QFETCH(QVariant, gespeichert);
    QFETCH(QString, locale);
    QFETCH(QString, ersterTest);
    QFETCH(QString, kopf);
    QFETCH(QString, reihenfolge);

    {
        QSettings s(MainWindow::Organisation, MainWindow::Anwendung);
        if (gespeichert.isValid())
            s.setValue(QStringLiteral("Sprache"), gespeichert);
        else
            s.remove(QStringLiteral("Sprache"));
    }
    MainWindow w;
    QCOMPARE(QLocale().name(), locale);

    auto* combo = testsupport::child<QComboBox>(&w, QStringLiteral("comboBoxTestAuswahl"));
    QCOMPARE(combo->count(), 5);
    QCOMPARE(combo->itemText(0), ersterTest);
    QList<int> arten;
    for (int i = 0; i < combo->count(); ++i)
        arten << combo->itemData(i).toInt();
    QCOMPARE(arten, (QList<int> { 4, 5, 2, 3, 1 }));
    // The translator installed at start-up renews the window's own texts too.
    QTRY_COMPARE(testsupport::child<QLabel>(&w, QStringLiteral("label_21"))->text(), kopf);
    // The embedded translation reaches the test screens too.
    auto* schwelle = testsupport::child<QWidget>(&w, QStringLiteral("page_schwellentest"));
    QCOMPARE(testsupport::child<QLabel>(schwelle, QStringLiteral("label_Reihenfolge"))->text(), reihenfolge);
}

void TestMainWindow::testseitenSchreibenInDenSpeicher()
{
    MainWindow w;
    auto* db = w.findChild<Datenbank*>();
    QVERIFY(db);
    db->PatientSpeichern("Erika", "Muster", "01.01.1990", "", "", "P1", "", "", "", "");
    db->UntersucherSpeichern("Max", "Prüfer", "");

    db->TestLaden(Diskriminationstest);
    db->TestStartSpeichern("Diskriminationstest", 0, 0);
    emit testsupport::child<FormDiskriminationstest>(&w, QStringLiteral("page_Diskriminationstest"))
        ->ErgebnisDiskriminationSpeichern(QByteArray(16, '\1'));

    db->TestLaden(Screening12);
    db->TestStartSpeichern("Screening 12", 1, 0);
    auto* screening = testsupport::child<FormScreeningtest>(&w, QStringLiteral("page_screeningtest"));
    for (int stift = 1; stift <= 12; ++stift)
        emit screening->TestStiftSpeichern(stift, 2, stift <= 9 ? 2 : 3, { "a", "b", "c", "d" });

    db->TestLaden(Schwellentest);
    db->TestStartSpeichern("Schwellentest", 2, 0);
    QVector<WendePunkte> reihe;
    for (int nr = 1; nr <= 7; ++nr)
        reihe.append(WendePunkte { nr, nr % 2 == 0, nr });
    emit testsupport::child<FormSchwellentest>(&w, QStringLiteral("page_schwellentest"))->WendepunkteSpeichern(reihe);

    const TestErgebnisse e = db->TestErgebnisDaten(0);
    QCOMPARE(e.testergebnis.size(), 3);
    QCOMPARE(e.maxDiskrimination, 16.0);
    QCOMPARE(e.maxScreening, 9.0);
    QCOMPARE(e.maxSchwelle, (4 + 5 + 6 + 7) / 4.0);

    // A confirmed abort on a test screen discards the examination.
    w.setPage(3);
    emit testsupport::child<FormSchwellentest>(&w, QStringLiteral("page_schwellentest"))->abbruch();
    QVERIFY(db->Patientendaten(0).isEmpty());
    QVERIFY(db->TestErgebnisDaten(0).testergebnis.isEmpty());
    QCOMPARE(testsupport::child<QStackedWidget>(&w, QStringLiteral("stackedWidget"))->currentIndex(), 0);
}

DUFTLOTSE_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
