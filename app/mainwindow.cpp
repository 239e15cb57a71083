#include "mainwindow.h"

#include "ui_mainwindow.h"

#include <QApplication>
#include <QDebug>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSettings>

const QString MainWindow::Organisation = QStringLiteral("duftlotse-team");
const QString MainWindow::Anwendung = QStringLiteral("Duftlotse");

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);

    QScreen* screen = QGuiApplication::screens().value(0);
    if (screen) {
        connect(screen, &QScreen::virtualGeometryChanged, this, &MainWindow::getScreen);
        qDebug() << "screen->size() " << screen->size();
    }

    const QString sprache = QSettings(Organisation, Anwendung)
                                .value(QStringLiteral("Sprache"), QLocale::system().name().left(2))
                                .toString();
    SpracheWechseln(sprache);

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

    QCoreApplication::setApplicationVersion(QStringLiteral("1.21"));
    ui->labelVersion->setText(tr("Version ") + QCoreApplication::applicationVersion() + tr(" Beta Nur zu Testzwecken"));
    setPage(0);
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
    // Discard the examination: nothing of an aborted test may reach a report.
    db->PatientLoeschen(-1);
    db->TestLoeschen(-1);
    setPage(0);
}

void MainWindow::getScreen(QRect rect)
{
    qDebug() << rect << centralWidget()->size();
}

void MainWindow::SpracheWechseln(QString sprache)
{
    if (sprache != QLatin1String("de") && sprache != QLatin1String("en"))
        sprache = QStringLiteral("en");
    QLocale::setDefault(QLocale(sprache));

    qApp->removeTranslator(&m_translator);
    if (sprache == QLatin1String("en")) {
        if (m_translator.load(QStringLiteral(":/sprachen/DE_EN.qm")))
            qApp->installTranslator(&m_translator);
        else
            qDebug() << "MainWindow::SpracheWechseln: translation not loadable";
    }

    ui->comboBoxTestAuswahl->clear();
    if (db) {
        db->TestsLaden();
        TestauswahlFuellen();
    }
    ui->page_schwellentest->sprachUpdate();
    ui->page_Diskriminationstest->sprachUpdate();
    ui->page_screeningtest->sprachUpdate();
}

void MainWindow::changeEvent(QEvent* event)
{
    qDebug() << "changeEvent" << event;
    if (event->type() == QEvent::LocaleChange) {
        const QString name = QLocale::system().name();
        const int strich = name.lastIndexOf(QLatin1Char('_'));
        SpracheWechseln(strich < 0 ? QString() : name.left(strich));
    } else if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::TestauswahlFuellen()
{
    ui->comboBoxTestAuswahl->clear();
    const QByteArray arten = db->getTestArten();
    const QStringList namen = db->ListeDerTest();
    for (int i = 0; i < arten.size() && i < namen.size(); ++i)
        ui->comboBoxTestAuswahl->addItem(namen.at(i), static_cast<int>(static_cast<signed char>(arten.at(i))));
}

void MainWindow::on_comboBoxTestAuswahl_currentIndexChanged(int index)
{
    if (index < 0 || !db)
        return;
    db->TestLaden(static_cast<TestArt>(ui->comboBoxTestAuswahl->itemData(index).toInt()));
}
