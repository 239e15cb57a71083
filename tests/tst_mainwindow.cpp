#include "testsupport.h"

#include "formdiskriminationstest.h"
#include "formschwellentest.h"
#include "formscreeningtest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>

using testsupport::Untersuchung;

namespace
{
// Types into a field as the examiner does and finishes with Return.
void eintragen(QLineEdit* feld, const QString& text)
{
    feld->setFocus();
    feld->selectAll();
    feld->insert(text); // QTest types ASCII only
    QTest::keyClick(feld, Qt::Key_Return);
}

QString bedingung(const Untersuchung& u)
{
    return u.x<QLabel>(QStringLiteral("label_startbedingung"))->text();
}

// A press with a field missing explains what is missing in a touch-sized box and starts nothing.
void beginnenVerweigert(const Untersuchung& u, const QString& fehlt)
{
    const auto box = testsupport::answerNextMessageBoxSeen(QStringLiteral("OK"));
    u.klicken(QStringLiteral("pushButtonBeginnen"));
    QTRY_VERIFY(box->beantwortet);
    QCOMPARE(box->text, fehlt);
    QVERIFY(box->fingergerecht);
    QVERIFY(u.db->Patientendaten(0).isEmpty());
}

const QString ueberschrift = QStringLiteral("Bitte mit * markierte Felder ausfüllen \n");
const QString alleFuenf
    = QStringLiteral("Geschlecht nicht ausgewählt, Patient Vorname fehlt, \nPatient Nachname fehlt ...");
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void mussfelder();
    void geburtsdatum_data();
    void geburtsdatum();
    void rauchgewohnheit();
    void kleinerBildschirm();
    void sprache_data();
    void sprache();
    void testseitenSchreibenInDenSpeicher();
};

void TestMainWindow::mussfelder()
{
    Untersuchung u;
    // All five missing would not fit beside the start button.
    QCOMPARE(bedingung(u), ueberschrift + alleFuenf);
    SCHRITT(beginnenVerweigert(u, alleFuenf));

    // Only a finished field counts; Return finishes it and moves on. Four missing are listed in full.
    QApplication::setActiveWindow(u.w.get());
    QVERIFY(QTest::qWaitForWindowActive(u.w.get()));
    auto* vorname = u.x<QLineEdit>(QStringLiteral("lineEditPatientVorname"));
    vorname->setFocus();
    QTest::keyClicks(vorname, QStringLiteral("Erika"));
    QCOMPARE(bedingung(u), ueberschrift + alleFuenf);
    QTest::keyClick(vorname, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lineEditPatientNachname"));
    QCOMPARE(bedingung(u),
        ueberschrift
            + QStringLiteral("Geschlecht nicht ausgewählt\nPatient Nachname fehlt\nPatient Geburtsdatum fehlt\n"
                             "Patient Personencode fehlt\n"));

    // The notes keep Return for a new line.
    auto* notiz = u.x<QPlainTextEdit>(QStringLiteral("plainTextEditPatientNotiz"));
    notiz->setFocus();
    QTest::keyClicks(notiz, QStringLiteral("a"));
    QTest::keyClick(notiz, Qt::Key_Return);
    QCOMPARE(notiz->toPlainText(), QStringLiteral("a\n"));
    QCOMPARE(QApplication::focusWidget(), notiz);

    auto* geschlecht = u.x<QComboBox>(QStringLiteral("comboBoxPatientGeschlecht"));
    geschlecht->setCurrentIndex(1);
    eintragen(u.x<QLineEdit>(QStringLiteral("lineEditPatientNachname")), QStringLiteral("Muster"));
    eintragen(u.x<QLineEdit>(QStringLiteral("lineEditPatientGeburtsdatum")), QStringLiteral("1.2.1980"));
    // Blanks are no code.
    auto* code = u.x<QLineEdit>(QStringLiteral("lineEditPatientCode"));
    eintragen(code, QStringLiteral("   "));
    QCOMPARE(bedingung(u), ueberschrift + QStringLiteral("Patient Personencode fehlt\n"));
    eintragen(code, QStringLiteral("P-17"));
    QCOMPARE(bedingung(u), QString());

    // The placeholder gender makes the start impossible again.
    geschlecht->setCurrentIndex(0);
    QCOMPARE(bedingung(u), ueberschrift + QStringLiteral("Geschlecht nicht ausgewählt\n"));
    SCHRITT(beginnenVerweigert(u, QStringLiteral("Geschlecht nicht ausgewählt\n")));

    // Closing the result page is the common discard: all patient data goes, the examiner stays.
    geschlecht->setCurrentIndex(2);
    auto* rauch = u.x<QComboBox>(QStringLiteral("comboBoxPatientRauchgewohnheit"));
    QTest::keyClicks(rauch->lineEdit(), QStringLiteral("Pfeife"));
    u.x<QAbstractButton>(QStringLiteral("checkBoxAbschwellung"))->setChecked(true);
    eintragen(u.x<QLineEdit>(QStringLiteral("lineEditUntersucherNachname")), QStringLiteral("Prüfer"));
    SCHRITT(u.schliessen());
    QCOMPARE(geschlecht->currentIndex(), 0);
    QCOMPARE(rauch->currentText(), QString());
    QVERIFY(!u.x<QAbstractButton>(QStringLiteral("checkBoxAbschwellung"))->isChecked());
    QCOMPARE(bedingung(u), ueberschrift + alleFuenf);
}

void TestMainWindow::geburtsdatum_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("erwartet"); // empty: rejected with a message

    const auto zeile = [](const char* name, const QString& eingabe, const QString& erwartet) {
        QTest::newRow(name) << eingabe << erwartet;
    };
    zeile("d.M.yyyy, blanks around", QStringLiteral(" 1.2.1980 "), QStringLiteral("01.02.1980"));
    zeile("dd.M.yy", QStringLiteral("01.2.80"), QStringLiteral("01.02.1980"));
    zeile("d.M.yy", QStringLiteral("1.2.05"), QStringLiteral("01.02.2005"));
    zeile("dMMyyyy", QStringLiteral("1021980"), QStringLiteral("01.02.1980"));
    zeile("ddMyyyy, month 13 read first", QStringLiteral("3131980"), QStringLiteral("31.03.1980"));
    zeile("ddMMyy", QStringLiteral("010280"), QStringLiteral("01.02.1980"));
    zeile("dMyyyy, month 19 read first", QStringLiteral("121980"), QStringLiteral("01.02.1980"));
    // A two-digit year is the latest year with those digits that is not in the future.
    const QDate heute = QDate::currentDate();
    const auto neujahr = [](int jahr) { return QStringLiteral("01.01.%1").arg(jahr % 100, 2, 10, QLatin1Char('0')); };
    zeile("dd.MM.yy of this year", neujahr(heute.year()), QStringLiteral("01.01.%1").arg(heute.year()));
    zeile("dd.MM.yy of next year is last century", neujahr(heute.year() + 1),
        QStringLiteral("01.01.%1").arg(heute.year() - 99));
    zeile("31st of February", QStringLiteral("31.02.1980"), QString());
    zeile("sign before the day is kept as the date", QStringLiteral("+1.02.1980"), QStringLiteral("01.02.1980"));
    zeile("first day of 1900", QStringLiteral("01.01.1900"), QStringLiteral("01.01.1900"));
    zeile("before 1900", QStringLiteral("31.12.1899"), QString());
    zeile("year 1", QStringLiteral("01.01.0001"), QString());
    zeile("tomorrow", heute.addDays(1).toString(QStringLiteral("dd.MM.yyyy")), QString());
}

void TestMainWindow::geburtsdatum()
{
    QFETCH(QString, eingabe);
    QFETCH(QString, erwartet);

    Untersuchung u;
    u.patient();
    auto* feld = u.x<QLineEdit>(QStringLiteral("lineEditPatientGeburtsdatum"));
    const auto box = erwartet.isEmpty() ? testsupport::answerNextMessageBoxSeen(QStringLiteral("OK")) : nullptr;
    eintragen(feld, eingabe);
    QCOMPARE(feld->text(), erwartet);
    QCOMPARE(bedingung(u), box ? ueberschrift + QStringLiteral("Patient Geburtsdatum fehlt\n") : QString());
    if (box)
        QTRY_COMPARE(box->text, QStringLiteral("Das Datum ist ungültig"));
}

void TestMainWindow::rauchgewohnheit()
{
    Untersuchung u;
    // Free text only on the empty entry; the three fixed habits are chosen, not typed.
    auto* rauch = u.x<QComboBox>(QStringLiteral("comboBoxPatientRauchgewohnheit"));
    QVERIFY(rauch->isEditable());
    rauch->setCurrentIndex(2);
    QVERIFY(!rauch->isEditable());
    rauch->setCurrentIndex(0);
    QVERIFY(rauch->isEditable());

    // Its hint comes as a menu, one entry at every press.
    for (int mal = 0; mal < 2; ++mal) {
        u.klicken(QStringLiteral("toolButton_tip_rauch"));
        QMenu* menue = nullptr;
        QTRY_VERIFY((menue = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QCOMPARE(menue->actions().size(), 1);
        QCOMPARE(menue->actions().first()->text(), QStringLiteral("Kettenraucher, Gelegenheitsraucher ..."));
        menue->close();
    }
}

void TestMainWindow::kleinerBildschirm()
{
    MainWindow w;
    // A screen with room enough keeps the design's size.
    fensterEinpassen(&w, QRect(0, 0, 1280, 1024));
    QCOMPARE(w.size(), QSize(1113, 828));

    // Below a panel on a wide screen: as tall as there is room for, and in the middle.
    const QRect breit(0, 30, 1280, 770);
    fensterEinpassen(&w, breit);
    QCOMPARE(w.width(), 1113);
    QVERIFY(w.height() < breit.height());
    QCOMPARE(w.pos(), QPoint((1280 - 1113) / 2, 30));

    const QRect tablett(0, 0, 1024, 768);
    fensterEinpassen(&w, tablett);
    QVERIFY(w.width() <= tablett.width() && w.height() < tablett.height());
    QCOMPARE(w.pos(), tablett.topLeft());
    // Every page still fits there: the layout test checks each page at this size. Before the
    // window is first painted its minimum size is the shown page's.
    for (int seite = 0; seite < 13; ++seite) {
        w.setPage(seite);
        QVERIFY2(w.minimumSizeHint().width() <= w.width() && w.minimumSizeHint().height() <= w.height(),
            qPrintable(QString::number(seite)));
    }
}

void TestMainWindow::sprache_data()
{
    QTest::addColumn<QString>("gespeichert"); // empty: nothing stored
    QTest::addColumn<bool>("englisch");

    QTest::newRow("German") << "de" << false;
    QTest::newRow("English") << "en" << true;
    QTest::newRow("unknown language falls back to English") << "fr" << true;
    // The test run's system locale is C, which is neither German nor English.
    QTest::newRow("nothing stored") << QString() << true;
}

void TestMainWindow::sprache()
{
    QFETCH(QString, gespeichert);
    QFETCH(bool, englisch);
    const auto je = [englisch](const char* en, const char* de) { return QString::fromUtf8(englisch ? en : de); };

    QSettings einstellungen(MainWindow::Organisation, MainWindow::Anwendung);
    einstellungen.remove(QStringLiteral("Sprache"));
    if (!gespeichert.isEmpty())
        einstellungen.setValue(QStringLiteral("Sprache"), gespeichert);
    MainWindow w;
    QCOMPARE(QLocale().name(), je("en_US", "de_DE"));
    QCOMPARE(testsupport::child<QComboBox>(&w, QStringLiteral("comboBoxTestAuswahl"))->itemText(0),
        je("Discrimination test", "Diskriminationstest"));
    // The translator installed at start-up renews the window's own texts and reaches the test screens.
    QTRY_COMPARE(testsupport::child<QLabel>(&w, QStringLiteral("label_21"))->text(),
        je("Smell and taste tests for olfactory and gustatory diagnostics",
            "Riech- und Schmecktests zur Geruchs- und Geschmacksdiagnostik "));
    auto* schwelle = testsupport::child<QWidget>(&w, QStringLiteral("page_schwellentest"));
    QCOMPARE(testsupport::child<QLabel>(schwelle, QStringLiteral("label_Reihenfolge"))->text(),
        je("Order of presentation", "Reihenfolge Darbietung"));
}

void TestMainWindow::testseitenSchreibenInDenSpeicher()
{
    // The store has the answers as soon as a screen reports them, before the workflow hears of the test's end.
    Untersuchung u;
    emit u.x<FormDiskriminationstest>(QStringLiteral("page_Diskriminationstest"))
        ->ErgebnisDiskriminationSpeichern(QByteArray(16, '\1'));
    emit u.x<FormScreeningtest>(QStringLiteral("page_screeningtest"))
        ->TestStiftSpeichern(1, 2, 2, { "a", "b", "c", "d" });
    emit u.x<FormSchwellentest>(QStringLiteral("page_schwellentest"))
        ->WendepunkteSpeichern({ { 1, false, 1 }, { 2, true, 2 } });
    QCOMPARE(u.zeilen(QStringLiteral("TestDiskrimination")), 16);
    QCOMPARE(u.zeilen(QStringLiteral("TestStift")), 1);
    QCOMPARE(u.zeilen(QStringLiteral("TestSchwelle")), 2);
}

DUFTLOTSE_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
