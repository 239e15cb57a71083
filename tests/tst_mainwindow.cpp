#include "testsupport.h"

#include "mainwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QStackedWidget>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void seiten();
    void sprache_data();
    void sprache();
};

void TestMainWindow::seiten()
{
    MainWindow w;
    auto* stack = testsupport::child<QStackedWidget>(&w, QStringLiteral("stackedWidget"));
    const QStringList erwartet{"pageDateneingabe",    "page_Auswertung",       "pageSprache",
                               "page_schwellentest",  "page_screeningtest",    "page_Diskriminationstest",
                               "page_Seitenwahl",     "page_HinweiseDiskri",   "page_HinweiseExtended",
                               "page_hinweiseTest",   "pageEinstellungen",     "page_HinweiseExtended2",
                               "pageInfo"};
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

    QTest::newRow("German") << QVariant("de") << "de_DE"
                            << "Diskriminationstest"
                            << "Version 1.21 Beta Nur zu Testzwecken";
    QTest::newRow("English") << QVariant("en") << "en_US"
                             << "Discrimination test"
                             << "Version 1.21 Beta Only for testing pruposes";
    QTest::newRow("unknown language falls back to English")
        << QVariant("fr") << "en_US" << "Discrimination test" << "Version 1.21 Beta Only for testing pruposes";
    // The test run's system locale is C, which is neither German nor English.
    QTest::newRow("nothing stored") << QVariant() << "en_US" << "Discrimination test"
                                    << "Version 1.21 Beta Only for testing pruposes";
}

void TestMainWindow::sprache()
{
    QFETCH(QVariant, gespeichert);
    QFETCH(QString, locale);
    QFETCH(QString, ersterTest);
    QFETCH(QString, version);

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
    QCOMPARE(arten, (QList<int>{4, 5, 2, 3, 1}));
    QCOMPARE(testsupport::child<QLabel>(&w, QStringLiteral("labelVersion"))->text(), version);
}

DUFTLOTSE_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
