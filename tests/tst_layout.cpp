#include "testsupport.h"

#include "mainwindow.h"
#include "rueckfrage.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>

// What the main window's layout must do beyond naming its widgets: one hint text for
// all three pages, the pictures of a done side, the focus order, one font, and every page
// fitting the screens it runs on, whatever the warning beside the start button says.
class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void hinweistexte();
    void tabReihenfolge();
    void eineSchrift();
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

void TestLayout::eineSchrift()
{
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QFontInfo titel(testsupport::child<QGroupBox>(&w, "groupBoxPatient")->font());
    QCOMPARE(titel.family(), QStringLiteral("Noto Sans"));
    QVERIFY(titel.bold());

    QMessageBox box;
    box.setText(QStringLiteral("Patient Vorname fehlt"));
    rueckfrage::fingergerecht(box);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QFontInfo text(testsupport::child<QLabel>(&box, "qt_msgbox_label")->font());
    QCOMPARE(text.family(), QStringLiteral("Noto Sans"));
    QVERIFY(text.pointSizeF() >= 14);
}

void TestLayout::seitenPassen_data()
{
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QStringList>("ausgefuellt"); // the mandatory fields filled in

    // Every state of the warning beside the start button: all five missing, each one filled alone
    // (four warnings, the tallest), each one missing alone, none missing.
    const QStringList muss { "comboBoxPatientGeschlecht", "lineEditPatientVorname", "lineEditPatientNachname",
        "lineEditPatientGeburtsdatum", "lineEditPatientCode" };
    QVector<QPair<QString, QStringList>> zustaende { { "all five missing", {} }, { "none missing", muss } };
    for (const QString& feld : muss) {
        QStringList ohne = muss;
        ohne.removeOne(feld);
        zustaende.append({ feld + " alone filled", { feld } });
        zustaende.append({ feld + " alone missing", ohne });
    }
    // The window fitted to a 1280 × 800 screen, and the smallest screen, where the data page may scroll up and down.
    for (const QSize groesse : { QSize(1113, 775), QSize(1024, 768) }) {
        for (const char* sprache : { "de", "en" }) {
            for (const auto& zustand : zustaende)
                QTest::addRow("%d × %d, %s, %s", groesse.width(), groesse.height(), sprache, qPrintable(zustand.first))
                    << groesse << QString::fromLatin1(sprache) << zustand.second;
        }
    }
}

void TestLayout::seitenPassen()
{
    QFETCH(QSize, groesse);
    QFETCH(QString, sprache);
    QFETCH(QStringList, ausgefuellt);
    QSettings(MainWindow::Organisation, MainWindow::Anwendung).setValue(QStringLiteral("Sprache"), sprache);
    MainWindow w;
    w.resize(groesse);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), groesse);
    for (const QString& feld : ausgefuellt) {
        if (auto* box = w.findChild<QComboBox*>(feld)) {
            box->setCurrentIndex(1);
        } else {
            auto* zeile = testsupport::child<QLineEdit>(&w, feld);
            zeile->setText(feld.endsWith("Geburtsdatum") ? QStringLiteral("01.02.1980") : QStringLiteral("Erika"));
            emit zeile->editingFinished();
        }
    }
    QCOMPARE(testsupport::child<QLabel>(&w, "label_startbedingung")->text().isEmpty(), ausgefuellt.size() == 5);

    auto* stapel = testsupport::child<QStackedWidget>(&w, QStringLiteral("stackedWidget"));
    for (int i = stapel->count() - 1; i >= 0; --i) {
        w.setPage(i);
        QCoreApplication::processEvents();
        const QStringList maengel = testsupport::layoutProblems(stapel->currentWidget());
        QVERIFY2(maengel.isEmpty(), qPrintable(stapel->currentWidget()->objectName() + ": " + maengel.join("; ")));
    }
    // Where there is room, the form never moves while the examiner types.
    if (groesse.height() > 768)
        QVERIFY(!testsupport::child<QScrollArea>(&w, "scrollAreaEingabe")->verticalScrollBar()->isVisible());
}

DUFTLOTSE_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
