#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "abbruchfrage.h"
#include "ergebnis.h"
#include "tippschutz.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QScroller>
#include <QSettings>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>

const QString MainWindow::Organisation = QStringLiteral("duftlotse-team");
const QString MainWindow::Anwendung = QStringLiteral("Duftlotse");

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , einzelTakt(new QTimer(this))
    , extendedTakt(new QTimer(this))
    , auswertungsTakt(new QTimer(this))
{
    for (QTimer* takt : { einzelTakt, extendedTakt, auswertungsTakt }) {
        takt->setSingleShot(true);
        ablaufTakt(takt);
    }
    auswertungsTakt->setInterval(200);
    connect(einzelTakt, &QTimer::timeout, this, &MainWindow::EinzeltestAblauf);
    connect(extendedTakt, &QTimer::timeout, this, &MainWindow::ExtendedtestAblauf);
    connect(auswertungsTakt, &QTimer::timeout, this, &MainWindow::ErgebnisAnzeigen);

    // Before the widgets exist: set later, the style sheet would polish every widget of every page again.
    const QString tipStil = QStringLiteral("QToolTip { color: #ffffff; background-color: #000000; border: 0px; }");
    if (qApp->styleSheet() != tipStil)
        qApp->setStyleSheet(tipStil);

    ui->setupUi(this);
    fingerbedienung();
    tippschutzEinrichten();
    hinweistexteAufschieben();
    warnungsplatzHalten();

    if (QScreen* screen = QGuiApplication::screens().value(0)) {
        connect(screen, &QScreen::virtualGeometryChanged, this, &MainWindow::getScreen);
        qDebug() << "screen->size() " << screen->size();
    }

    SpracheWechseln(QSettings(Organisation, Anwendung)
                        .value(QStringLiteral("Sprache"), QLocale::system().name().left(2))
                        .toString());

    db = new Datenbank(this);

    // Direct connections: the store has written a test's answers before the
    // workflow hears that the test has ended.
    connect(ui->page_schwellentest, &FormSchwellentest::WendepunkteSpeichern, db, &Datenbank::WendepunkteSpeichern);
    connect(ui->page_schwellentest, &FormSchwellentest::testBeendet, this, &MainWindow::testBeendet);
    connect(ui->page_schwellentest, &FormSchwellentest::abbruch, this, &MainWindow::abbruch);
    connect(ui->page_screeningtest, &FormScreeningtest::TestStiftSpeichern, db, &Datenbank::TestStiftSpeichern);
    connect(ui->page_screeningtest, &FormScreeningtest::testBeendet, this, &MainWindow::testBeendet);
    connect(ui->page_screeningtest, &FormScreeningtest::abbruch, this, &MainWindow::abbruch);
    connect(ui->page_Diskriminationstest, &FormDiskriminationstest::ErgebnisDiskriminationSpeichern, db,
        &Datenbank::DiskriminationSpeicher);
    connect(ui->page_Diskriminationstest, &FormDiskriminationstest::testBeendet, this, &MainWindow::testBeendet);
    connect(ui->page_Diskriminationstest, &FormDiskriminationstest::abbruch, this, &MainWindow::abbruch);

    TestauswahlFuellen();
    GeschlechtFuellen();

    SeitenauswahlReset();
    PatientReset();
    beginnenKnoppEnable(false);
    setPage(0);

    tooltipButtons_zuordnen();

    mussfelder = QStringList { QStringLiteral("comboBoxPatientGeschlecht"), QStringLiteral("lineEditPatientVorname"),
        QStringLiteral("lineEditPatientNachname"), QStringLiteral("lineEditPatientGeburtsdatum"),
        QStringLiteral("lineEditPatientCode") };
    mussfelderOK.resize(mussfelder.size());
    QCoreApplication::setApplicationVersion(QStringLiteral(DUFTLOTSE_VERSION));
    TexteErneuern();
    MussfelderConnect();

    ui->pushButtonAnleitungAnzeigen->hide();
    ui->pushButtonAnleitungAnzeigen_2->hide();
    ui->pushButtonAnleitungAnzeigen_3->hide();
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::setPage(int page)
{
    ui->stackedWidget->setCurrentIndex(page);
}

void MainWindow::testBeendet(int testart)
{
    Q_UNUSED(testart)
    EinzeltestAktiv = 0;
}

void MainWindow::abbruch()
{
    on_toolButton_auswertungschliessen_clicked();
}

void MainWindow::getScreen(QRect rect)
{
    qDebug() << rect << centralWidget()->size();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!schliessenErlaubt()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool MainWindow::schliessenErlaubt()
{
    // Closing would lose the examination as surely as its abort does, so it asks the same question.
    if (untersuchungImGange()) {
        if (!abbruchBestaetigt("MainWindow"))
            return false;
        on_toolButton_auswertungschliessen_clicked();
        return true;
    }
    // The only copy of an unsaved report is the one on the screen.
    return BerichtDarfWeg();
}

bool MainWindow::event(QEvent* event)
{
    // Return moves on to the next field, so a form can be filled without the mouse;
    // line edits pass Return on, the note fields keep it for a new line.
    if (event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QMainWindow::event(event);
}

void MainWindow::tooltipButtons_zuordnen()
{
    tipmenu = new QMenu(this);
    tipmenu->setStyleSheet(QStringLiteral(" background-color: #ABABAB; border: 1px solid black;"));
    const QList<QToolButton*> knoepfe
        = findChildren<QToolButton*>(QRegularExpression(QStringLiteral("toolButton_tip*")));
    for (QToolButton* knopf : knoepfe) {
        connect(knopf, &QToolButton::clicked, this, &MainWindow::tooltipMenu);
        qDebug() << "   " << knopf->objectName();
    }
}

void MainWindow::tooltipMenu()
{
    // A tool tip needs a hovering mouse; on a touch screen the hint comes as a menu.
    auto* knopf = qobject_cast<QToolButton*>(sender());
    if (!knopf)
        return;
    tipmenu->clear();
    tipmenu->addAction(knopf->toolTip());
    tipmenu->popup(knopf->mapToGlobal(QPoint(0, 0)));
}

void MainWindow::fingerbedienung()
{
    // The style sheet gives list entries a finger's height only through a styled delegate.
    for (QComboBox* box :
        { ui->comboBoxPatientGeschlecht, ui->comboBoxPatientRauchgewohnheit, ui->comboBoxTestAuswahl })
        box->setItemDelegate(new QStyledItemDelegate(box));
    // Long pages scroll with a swipe on a touch screen.
    for (QAbstractScrollArea* bereich : findChildren<QAbstractScrollArea*>())
        QScroller::grabGesture(bereich->viewport(), QScroller::TouchGesture);
}

void MainWindow::tippschutzEinrichten()
{
    // Every button that moves an examination on, whichever page it stands on.
    const char* const ablaufknoepfe[] = { "pushButtonBeginnen", "pushButton_HinweisGelesen",
        "pushButton_HinweisGelesen_2", "pushButton_HinweisGelesen_3", "pushButtonHinwExtendWeiter", "toolButtonLinks_2",
        "toolButtonRechts_2", "toolButtonBilateral_2", "toolButtonNein", "pushButton_Schwelle_Farbe_1",
        "pushButton_Schwelle_Farbe_2", "pushButton_Schwelle_Farbe_3", "pushButton_Diskrimination_Farbe_1",
        "pushButton_Diskrimination_Farbe_2", "pushButton_Diskrimination_Farbe_3", "toolButtonGeruch_1",
        "toolButtonGeruch_2", "toolButtonGeruch_3", "toolButtonGeruch_4", "toolButton_auswertungschliessen" };
    QList<QAbstractButton*> knoepfe;
    for (const char* name : ablaufknoepfe) {
        if (auto* knopf = findChild<QAbstractButton*>(QLatin1String(name)))
            knoepfe << knopf;
        else
            qDebug() << "MainWindow::tippschutzEinrichten: no button" << name;
    }
    new Tippschutz(this, knoepfe);
}

void MainWindow::hinweistexteAufschieben()
{
    // The hint texts are long rich text, laid out anew for every width a size hint tries; for
    // pages nobody looks at yet that was a fifth of the start. A hidden label is left out of
    // its layout, so each text takes its place when its page first shows.
    const QList<QLabel*> texte { ui->label_23, ui->label_24, ui->label_25, ui->label_26 };
    for (QLabel* text : texte)
        text->hide();
    connect(ui->stackedWidget, &QStackedWidget::currentChanged, this, [this, texte] {
        for (QLabel* text : texte) {
            if (ui->stackedWidget->currentWidget()->isAncestorOf(text))
                text->show();
        }
    });
}

void MainWindow::TestauswahlFuellen()
{
    ui->comboBoxTestAuswahl->clear();
    const QByteArray arten = db->getTestArten();
    const QStringList namen = db->ListeDerTest();
    for (int i = 0; i < arten.size() && i < namen.size(); ++i)
        ui->comboBoxTestAuswahl->addItem(namen.at(i), static_cast<int>(static_cast<signed char>(arten.at(i))));
}

void fensterEinpassen(QWidget* fenster, const QRect& verfuegbar)
{
    // Before the window is shown its frame is unknown; the title bar is then
    // estimated from the style, so that the bottom edge stays on the screen.
    QSize rahmen = fenster->frameGeometry().size() - fenster->geometry().size();
    if (rahmen.isEmpty())
        rahmen = QSize(0, fenster->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, fenster));
    fenster->resize(fenster->size().boundedTo(verfuegbar.size() - rahmen));
    const QSize aussen = fenster->size() + rahmen;
    fenster->move(verfuegbar.topLeft()
        + QPoint((verfuegbar.width() - aussen.width()) / 2, (verfuegbar.height() - aussen.height()) / 2));
}
