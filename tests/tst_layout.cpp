#include "testsupport.h"

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QGroupBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>

#include <array>

// The main window's layout as the workflow addresses it (names, kinds, texts, fixed
// properties, focus order) and whether every page fits the screens it runs on.
class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void widgets_data();
    void widgets();
    void eigenschaften_data();
    void eigenschaften();
    void bilder_data();
    void bilder();
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

void TestLayout::widgets_data()
{
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("text"); // the German text, title or nothing to compare

    const QList<std::array<const char*, 3>> zeilen = {
        { "label_21", "QLabel", "Riech- und Schmecktests zur Geruchs- und Geschmacksdiagnostik " },
        { "labelVersion", "QLabel", "" },
        { "toolButtonSprache", "QToolButton", "Sprachauswahl" },
        { "groupBoxPatient", "QGroupBox", "PATIENT" },
        { "lineEditPatientVorname", "QLineEdit", "" },
        { "lineEditPatientNachname", "QLineEdit", "" },
        { "lineEditPatientGeburtsdatum", "QLineEdit", "" },
        { "comboBoxPatientGeschlecht", "QComboBox", "" },
        { "lineEditPatientGeburtsname", "QLineEdit", "" },
        { "lineEditPatientCode", "QLineEdit", "" },
        { "lineEditPatientAdresse", "QLineEdit", "" },
        { "lineEditPatientTelefonEmail", "QLineEdit", "" },
        { "comboBoxPatientRauchgewohnheit", "QComboBox", "" },
        { "plainTextEditPatientNotiz", "QPlainTextEdit", "" },
        { "toolButton_tip_rauch", "QToolButton", "..." },
        { "checkBoxAbschwellung", "QCheckBox", "Abschwellung" },
        { "toolButton_tip_schwell", "QToolButton", "..." },
        { "toolButtonEinstellungen", "QToolButton", "Einstellungen" },
        { "groupBoxTest", "QGroupBox", "TEST" },
        { "comboBoxTestAuswahl", "QComboBox", "" },
        { "toolButton_tip_darstellung", "QToolButton", "..." },
        { "toolButtonText", "QToolButton", "Text" },
        { "toolButtonFotos", "QToolButton", "Fotos" },
        { "groupBoxUntersucher", "QGroupBox", "UNTERSUCHER" },
        { "lineEditUntersucherVorname", "QLineEdit", "" },
        { "lineEditUntersucherNachname", "QLineEdit", "" },
        { "plainTextEditUntersucherBemerkung", "QPlainTextEdit", "" },
        { "label_startbedingung", "QLabel", "Bitte mit * markierte \n Felder ausfüllen " },
        { "pushButtonBeginnen", "QPushButton", "" },
        { "toolButtonInfo", "QToolButton", "Info" },
        { "scrollArea", "QScrollArea", "" },
        { "labelSvg", "QLabel", "Auswertung wird berechnet" },
        { "toolButton_auswertungschliessen", "QToolButton", "" },
        { "toolButtonDeutsch", "QToolButton", "Deutsch" },
        { "toolButtonEnglish", "QToolButton", "English" },
        { "page_schwellentest", "FormSchwellentest", "" },
        { "page_screeningtest", "FormScreeningtest", "" },
        { "page_Diskriminationstest", "FormDiskriminationstest", "" },
        { "label_27", "QLabel", "Nasen-Seite" },
        { "label_test_fortfahren", "QLabel", "Im TEST mit weiterer Seite fortfahren?" },
        { "toolButtonLinks_2", "QToolButton", "LINKS" },
        { "toolButtonRechts_2", "QToolButton", "RECHTS" },
        { "toolButtonBilateral_2", "QToolButton", "BILATERAL" },
        { "toolButtonNein", "QToolButton", "NEIN" },
        { "toolButtonSeitenAuswahlAbbruch", "QToolButton", "Abbruch" },
        { "label_22", "QLabel", "" },
        { "checkBoxHinweiseAus", "QCheckBox", "Hinweise nicht mehr anzeigen" },
        { "checkBoxHinweiseAus_2", "QCheckBox", "Hinweise nicht mehr anzeigen" },
        { "checkBoxHinweiseAus_3", "QCheckBox", "Hinweise nicht mehr anzeigen" },
        { "pushButtonAnleitungAnzeigen", "QPushButton", "Anleitung anzeigen" },
        { "pushButtonAnleitungAnzeigen_2", "QPushButton", "Anleitung anzeigen" },
        { "pushButtonAnleitungAnzeigen_3", "QPushButton", "Anleitung anzeigen" },
        { "pushButton_HinweisGelesen", "QPushButton", "Hinweise verstanden" },
        { "pushButton_HinweisGelesen_2", "QPushButton", "Hinweise verstanden" },
        { "pushButton_HinweisGelesen_3", "QPushButton", "Hinweise verstanden" },
        { "pushButtonReset", "QPushButton", "Einstellungen\nZurücksetzen" },
        { "pushButtonEinstellungenAbbruch", "QPushButton", "Abbruch" },
        { "label_26", "QLabel", "" },
        { "pushButtonHinwExtendWeiter", "QPushButton", "Weiter" },
        { "textBrowser", "QTextBrowser", "" },
        { "toolButton_Infoschliessen", "QToolButton", "" },
    };
    for (const auto& z : zeilen)
        QTest::newRow(z[0]) << QString::fromLatin1(z[1]) << QString::fromUtf8(z[2]);
}

void TestLayout::widgets()
{
    QFETCH(QString, klasse);
    QFETCH(QString, text);
    Layout l;
    QWidget* w = l.widget(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(w);
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), klasse);
    if (text.isEmpty())
        return;
    if (auto* gruppe = qobject_cast<QGroupBox*>(w))
        QCOMPARE(gruppe->title(), text);
    else
        QCOMPARE(w->property("text").toString(), text);
}

void TestLayout::eigenschaften_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("eigenschaft");
    QTest::addColumn<QVariant>("wert"); // an int stands for an enum value

    QTest::newRow("window title") << "MainWindow" << QByteArray("windowTitle") << QVariant("Duftlotse");
    QTest::newRow("window size") << "MainWindow" << QByteArray("size") << QVariant(QSize(1113, 828));
    QTest::newRow("page stack frameless") << "stackedWidget" << QByteArray("frameShape") << QVariant(QFrame::NoFrame);
    QTest::newRow("data page resizes") << "scrollAreaEingabe" << QByteArray("widgetResizable") << QVariant(true);
    QTest::newRow("result page resizes") << "scrollArea" << QByteArray("widgetResizable") << QVariant(true);
    QTest::newRow("result page frameless") << "scrollArea" << QByteArray("frameShape") << QVariant(QFrame::NoFrame);
    QTest::newRow("first name placeholder")
        << "lineEditPatientVorname" << QByteArray("placeholderText") << QVariant("*");
    QTest::newRow("last name placeholder")
        << "lineEditPatientNachname" << QByteArray("placeholderText") << QVariant("*");
    QTest::newRow("code placeholder") << "lineEditPatientCode" << QByteArray("placeholderText") << QVariant("*");
    QTest::newRow("examiner name placeholder")
        << "lineEditUntersucherNachname" << QByteArray("placeholderText") << QVariant("*");
    QTest::newRow("birth date placeholder")
        << "lineEditPatientGeburtsdatum" << QByteArray("placeholderText") << QVariant("* TT.MM.JJJJ");
    QTest::newRow("birth date length") << "lineEditPatientGeburtsdatum" << QByteArray("maxLength") << QVariant(12);
    QTest::newRow("birth date takes no drops")
        << "lineEditPatientGeburtsdatum" << QByteArray("acceptDrops") << QVariant(false);
    QTest::newRow("birth date without mask")
        << "lineEditPatientGeburtsdatum" << QByteArray("inputMask") << QVariant("");
    QTest::newRow("smoking box editable")
        << "comboBoxPatientRauchgewohnheit" << QByteArray("editable") << QVariant(true);
    QTest::newRow("smoking box inserts nothing")
        << "comboBoxPatientRauchgewohnheit" << QByteArray("insertPolicy") << QVariant(QComboBox::NoInsert);
    QTest::newRow("patient note tabs on")
        << "plainTextEditPatientNotiz" << QByteArray("tabChangesFocus") << QVariant(true);
    QTest::newRow("examiner note tabs on")
        << "plainTextEditUntersucherBemerkung" << QByteArray("tabChangesFocus") << QVariant(true);
    QTest::newRow("decongestion checked") << "checkBoxAbschwellung" << QByteArray("checked") << QVariant(true);
    QTest::newRow("text choosable") << "toolButtonText" << QByteArray("checkable") << QVariant(true);
    QTest::newRow("text exclusive") << "toolButtonText" << QByteArray("autoExclusive") << QVariant(true);
    QTest::newRow("text off") << "toolButtonText" << QByteArray("checked") << QVariant(false);
    QTest::newRow("photos choosable") << "toolButtonFotos" << QByteArray("checkable") << QVariant(true);
    QTest::newRow("photos exclusive") << "toolButtonFotos" << QByteArray("autoExclusive") << QVariant(true);
    QTest::newRow("photos on") << "toolButtonFotos" << QByteArray("checked") << QVariant(true);
    QTest::newRow("start button flat") << "pushButtonBeginnen" << QByteArray("flat") << QVariant(true);
    QTest::newRow("start button without text") << "pushButtonBeginnen" << QByteArray("text") << QVariant("");
    QTest::newRow("smoking tip") << "toolButton_tip_rauch" << QByteArray("toolTip")
                                 << QVariant("Kettenraucher, Gelegenheitsraucher ...");
    QTest::newRow("decongestion tip") << "toolButton_tip_schwell" << QByteArray("toolTip")
                                      << QVariant("Wurde ein abschwellendes Mittel verabreicht?");
    QTest::newRow("presentation tip")
        << "toolButton_tip_darstellung" << QByteArray("toolTip")
        << QVariant("Sollen im Identifikations- oder im Screening-Test Fotos angezeigt werden?");
    QTest::newRow("settings beside icon")
        << "toolButtonEinstellungen" << QByteArray("toolButtonStyle") << QVariant(Qt::ToolButtonTextBesideIcon);
    QTest::newRow("info links open outside") << "textBrowser" << QByteArray("openExternalLinks") << QVariant(true);
    QTest::newRow("hint text wraps") << "label_25" << QByteArray("wordWrap") << QVariant(true);
    QTest::newRow("pen instruction wraps") << "label_26" << QByteArray("wordWrap") << QVariant(true);
}

void TestLayout::eigenschaften()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, eigenschaft);
    QFETCH(QVariant, wert);
    Layout l;
    QObject* o = name == QLatin1String("MainWindow") ? &l.fenster : l.widget(name);
    QVERIFY(o);
    const QVariant ist = o->property(eigenschaft.constData());
    QVERIFY2(ist.isValid(), eigenschaft.constData());
    if (wert.type() == QVariant::Int && ist.type() != QVariant::Int)
        QCOMPARE(ist.toInt(), wert.toInt());
    else
        QCOMPARE(ist, wert);
}

void TestLayout::bilder_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : { "label_2", "label_20", "label_22", "toolButtonSprache", "toolButtonEinstellungen",
             "toolButtonInfo", "toolButton_tip_rauch", "toolButton_tip_schwell", "toolButton_tip_darstellung",
             "pushButtonBeginnen", "toolButton_auswertungschliessen", "toolButton_Infoschliessen" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestLayout::bilder()
{
    QFETCH(QString, name);
    Layout l;
    QWidget* w = l.widget(name);
    QVERIFY(w);
    if (auto* label = qobject_cast<QLabel*>(w))
        QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
    else
        QVERIFY(!qobject_cast<QAbstractButton*>(w)->icon().pixmap(32).isNull());
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
