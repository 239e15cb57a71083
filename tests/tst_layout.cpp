#include "testsupport.h"

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>

// What the main window's layout must do beyond naming its widgets: one hint text for
// all three pages, the pictures of a done side, the focus order, and every page fitting
// the screens it runs on.
class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void hinweistexte();
    void tabReihenfolge();
    void seitenPassen_data();
    void seitenPassen();

private:
    // The layout alone on a bare window, untouched by the workflow's start-up.
    struct Layout {
        Layout()
        {
            ui.setupUi(&fenster);
        }
        template <typename T = QWidget> T* widget(const QString& name)
        {
            return testsupport::child<T>(&fenster, name);
        }
        QMainWindow fenster;
        Ui::MainWindow ui;
    };
};

void TestLayout::init()
{
    QSettings(MainWindow::Organisation, MainWindow::Anwendung).setValue(QStringLiteral("Sprache"), "de");
}

void TestLayout::hinweistexte()
{
    Layout l;
    // The three hint pages carry one text, so that one translation serves them all.
    const QString text = l.widget<QLabel>("label_23")->text();
    QCOMPARE(l.widget<QLabel>("label_24")->text(), text);
    QCOMPARE(l.widget<QLabel>("label_25")->text(), text);
    QVERIFY(text.contains(QStringLiteral("Hinweis Text")));
    QVERIFY(text.contains(QStringLiteral("Patient sollte min. 15min vor Beginn der Messung")));
    QVERIFY(text.contains(QStringLiteral("Anlegen eines „Augenschutzes“ verblindet.")));

    // A done side shows a green check: the side buttons carry their picture for the disabled look.
    for (const char* seite : { "toolButtonLinks_2", "toolButtonRechts_2", "toolButtonBilateral_2" })
        QVERIFY2(!l.widget<QToolButton>(seite)->icon().pixmap(32, QIcon::Disabled).isNull(), seite);
    // The presentation buttons show by their check mark which one is chosen.
    const QIcon darstellung = l.widget<QToolButton>("toolButtonText")->icon();
    QVERIFY(darstellung.pixmap(32, QIcon::Normal, QIcon::On).toImage()
        != darstellung.pixmap(32, QIcon::Normal, QIcon::Off).toImage());
}

void TestLayout::tabReihenfolge()
{
    const QStringList erwartet { "lineEditPatientVorname", "lineEditPatientNachname", "lineEditPatientGeburtsdatum",
        "comboBoxPatientGeschlecht", "lineEditPatientGeburtsname", "lineEditPatientCode", "lineEditPatientAdresse",
        "lineEditPatientTelefonEmail", "comboBoxPatientRauchgewohnheit", "plainTextEditPatientNotiz",
        "checkBoxAbschwellung", "lineEditUntersucherVorname", "lineEditUntersucherNachname",
        "plainTextEditUntersucherBemerkung", "comboBoxTestAuswahl", "toolButtonText", "toolButtonFotos",
        "pushButtonBeginnen" };
    Layout l;
    QWidget* erstes = l.widget(erwartet.first());
    QStringList folge;
    QWidget* w = erstes;
    do {
        if (erwartet.contains(w->objectName()) && w->focusPolicy() & Qt::TabFocus)
            folge << w->objectName();
        w = w->nextInFocusChain();
    } while (w != erstes);
    QCOMPARE(folge, erwartet);
    // The labels name their fields, so a click on a label reaches the field.
    QCOMPARE(l.widget<QLabel>("labelPatientGeburtsdatum")->buddy(), l.widget("lineEditPatientGeburtsdatum"));
}

void TestLayout::seitenPassen_data()
{
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<bool>("eingabeOhneRollen"); // the data page fits without scrolling

    QTest::newRow("design size 1113 × 828") << QSize(1113, 828) << true;
    QTest::newRow("1280 × 800") << QSize(1280, 800) << true;
    QTest::newRow("smallest screen 1024 × 768") << QSize(1024, 768) << false;
}

void TestLayout::seitenPassen()
{
    QFETCH(QSize, groesse);
    QFETCH(bool, eingabeOhneRollen);
    MainWindow w;
    w.resize(groesse);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), groesse);

    auto* stapel = testsupport::child<QStackedWidget>(&w, QStringLiteral("stackedWidget"));
    for (int i = 0; i < stapel->count(); ++i) {
        w.setPage(i);
        QCoreApplication::processEvents();
        const QStringList maengel = testsupport::layoutProblems(stapel->currentWidget());
        QVERIFY2(maengel.isEmpty(), qPrintable(stapel->currentWidget()->objectName() + ": " + maengel.join("; ")));
    }
    if (eingabeOhneRollen) {
        w.setPage(0);
        QCoreApplication::processEvents();
        QVERIFY(!testsupport::child<QScrollArea>(&w, "scrollAreaEingabe")->verticalScrollBar()->isVisible());
    }
}

DUFTLOTSE_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
