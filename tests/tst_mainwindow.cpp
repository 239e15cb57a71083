#include "testsupport.h"

#include "mainwindow.h"

#include "formdiskriminationstest.h"
#include "formschwellentest.h"
#include "formscreeningtest.h"

#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QStackedWidget>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void seiten();
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
}

void TestMainWindow::sprache_data()
{
    QTest::addColumn<QVariant>("gespeichert"); // invalid: nothing stored
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("ersterTest");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("reihenfolge");

    QTest::newRow("German") << QVariant("de") << "de_DE"
                            << "Diskriminationstest"
                            << "Version 1.21 Beta Nur zu Testzwecken"
                            << "Reihenfolge Darbietung";
    QTest::newRow("English") << QVariant("en") << "en_US"
                             << "Discrimination test"
                             << "Version 1.21 Beta Only for testing pruposes"
                             << "Order of presentation";
    QTest::newRow("unknown language falls back to English") << QVariant("fr") << "en_US"
                                                            << "Discrimination test"
                                                            << "Version 1.21 Beta Only for testing pruposes"
                                                            << "Order of presentation";
    // The test run's system locale is C, which is neither German nor English.
    QTest::newRow("nothing stored") << QVariant() << "en_US"
                                    << "Discrimination test"
                                    << "Version 1.21 Beta Only for testing pruposes"
                                    << "Order of presentation";
}

void TestMainWindow::sprache()
{
    QFETCH(QVariant, gespeichert);
    QFETCH(QString, locale);
    QFETCH(QString, ersterTest);
    QFETCH(QString, version);
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
    QCOMPARE(testsupport::child<QLabel>(&w, QStringLiteral("labelVersion"))->text(), version);
    // The translator installed at start-up renews the window's own texts too.
    QTRY_COMPARE(testsupport::child<QLabel>(&w, QStringLiteral("label_21"))->text().startsWith("Riech"),
        reihenfolge.startsWith("Reihenfolge"));
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
