#include "formscreeningtest.h"
#include "ui_formscreeningtest.h"

#include "abbruchfrage.h"

#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QSize>
#include <QToolButton>

FormScreeningtest::FormScreeningtest(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::FormScreeningtest)
{
    ui->setupUi(this);
    // The instructions of each pen may wrap to more lines and take height from the answers.
    ui->toolButtonGeruch_1->installEventFilter(this);
}

bool FormScreeningtest::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == ui->toolButtonGeruch_1 && ereignis->type() == QEvent::Resize && StiftNr != 0)
        bildgroesseAnpassen();
    return QWidget::eventFilter(objekt, ereignis);
}

void FormScreeningtest::bildgroesseAnpassen()
{
    // Two thirds of the button, but no more than its name below and its frame leave room for.
    const QSize knopf = ui->toolButtonGeruch_1->size();
    qDebug() << " ui->toolButtonGeruch_1->size()" << knopf;
    const int rand = ui->toolButtonGeruch_1->minimumSizeHint().height() - ui->toolButtonGeruch_1->iconSize().height();
    QSize symbol(300, 300);
    symbol.scale(2 * knopf.width() / 3, qMin(2 * knopf.height() / 3, knopf.height() - rand), Qt::KeepAspectRatio);
    for (QToolButton* b :
        { ui->toolButtonGeruch_1, ui->toolButtonGeruch_2, ui->toolButtonGeruch_3, ui->toolButtonGeruch_4 })
        b->setIconSize(symbol);
}

FormScreeningtest::~FormScreeningtest()
{
    delete ui;
}

void FormScreeningtest::setTestdaten(const TestdatenScreening& value)
{
    testdaten = value;
}

void FormScreeningtest::sprachUpdate()
{
    ui->toolButtonTestAbbruchScreening->setText(tr("Abbruch"));
    // The fixed texts of the tag page are never set by a step, so they are renewed here.
    ui->labelStiftNummer_4->setText(tr("Bitte Stift Nr"));
    ui->labelStiftNummer_3->setText(tr("einsetzen"));
    ui->labelStiftNummer_6->setText(tr("Das war der falsche Stift"));
    ui->pushButtonWeiter->setText(tr("Weiter"));
    ui->pushButton_Abbruch->setText(tr("Abbruch"));
}

void FormScreeningtest::TestStart(int testArt)
{
    // Identification and screening alike are started with 1.
    if (testArt != 1)
        return;

    bildgroesseAnpassen();

    if (!naechsterStift()) {
        emit testBeendet(0);
        return;
    }
    StiftAnfordern();
    ui->pushButtonWeiter->setVisible(!testdaten.mitRfid);
}

// Takes the next pen from the front of Stifte that has all its data. A pen the record has no names,
// pictures or correct choice for would be read past the end of the lists, so it is left out.
// Returns false, with no pen current, when none is left.
bool FormScreeningtest::naechsterStift()
{
    while (!testdaten.Stifte.isEmpty()) {
        const int nr = static_cast<signed char>(testdaten.Stifte.at(0));
        testdaten.Stifte.remove(0, 1);
        if (stiftVollstaendig(nr)) {
            StiftNr = nr;
            return true;
        }
        qDebug() << "FormScreeningtest::naechsterStift: no data for pen" << nr << "- skipped";
    }
    StiftNr = 0;
    return false;
}

bool FormScreeningtest::stiftVollstaendig(int nr) const
{
    return nr > 0 && testdaten.Namen.size() >= 4 * nr && testdaten.Bilder.size() >= 4 * nr
        && testdaten.richtig.size() >= nr;
}

void FormScreeningtest::StiftAnfordern()
{
    if (!testdaten.mitRfid) {
        TestStiftAnzeige();
        return;
    }
    ui->stackedWidget->setCurrentIndex(0);
    ui->labelStiftNummer_2->setText(QStringLiteral("%1").arg(StiftNr));
    StiftFalsch(false);
}

void FormScreeningtest::StiftGefunden(int NfcStiftNr, int TestArtStift)
{
    if (StiftNr <= 0) {
        qDebug() << "FormScreeningtest::StiftGefunden: no pen expected, tag" << NfcStiftNr << "ignored";
        return;
    }
    if (NfcStiftNr == StiftNr && TestArtStift == 1) {
        StiftFalsch(false);
        TestStiftAnzeige();
    } else {
        StiftFalsch(true);
    }
}

void FormScreeningtest::StiftFalsch(bool an)
{
    ui->groupBoxStiftFalsch->setVisible(an);
}

void FormScreeningtest::TestStiftAnzeige()
{
    if (!stiftVollstaendig(StiftNr))
        return;

    ui->stackedWidget->setCurrentIndex(1);
    ui->labelStiftNummer->setText(tr("Bitte reichen Sie dem Patienten den Stift Nr. %1 und bestätigen Sie anschließend "
                                     "den vom Patienten erkannten Geruch")
                                      .arg(StiftNr));
    ui->labelTestBezeichnung->setText(
        tr("Bitte wählen Sie die Stifte aus dem Halter mit der Bezeichnung %1 aus").arg(testdaten.TestBezeichnung));

    const int erster = 4 * (StiftNr - 1);
    QToolButton* const knoepfe[]
        = { ui->toolButtonGeruch_1, ui->toolButtonGeruch_2, ui->toolButtonGeruch_3, ui->toolButtonGeruch_4 };
    for (int k = 0; k < 4; ++k)
        BildLaden(knoepfe[k], testdaten.Bilder.at(erster + k), testdaten.Namen.at(erster + k));
}

void FormScreeningtest::BildLaden(QToolButton* button, QString Bildname, QString Bezeichnung)
{
    if (testdaten.nurText) {
        button->setText(Bezeichnung);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return;
    }
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // A picture missing from the bundle leaves the button without an icon rather than a dangling file name.
    const QString pfad = QStringLiteral(":/jpeg/Bilder/") + Bildname + QStringLiteral(".jpeg");
    button->setIcon(QFile::exists(pfad) ? QIcon(pfad) : QIcon());
    button->setText(Bezeichnung);
}

void FormScreeningtest::GeruchGewaehlt(int mueffel)
{
    // After the last answer the page stays up until the main window's next tick; a press then
    // must not write a second row for the last pen.
    if (!stiftVollstaendig(StiftNr)) {
        qDebug() << "FormScreeningtest::GeruchGewaehlt: no pen current, choice" << mueffel << "ignored";
        return;
    }
    const QStringList namen = testdaten.Namen.mid(4 * (StiftNr - 1), 4);
    emit TestStiftSpeichern(StiftNr, testdaten.richtig.at(StiftNr - 1), mueffel, namen);

    if (naechsterStift())
        StiftAnfordern();
    else
        emit testBeendet(0);
}

void FormScreeningtest::on_toolButtonGeruch_1_clicked()
{
    GeruchGewaehlt(1);
}

void FormScreeningtest::on_toolButtonGeruch_2_clicked()
{
    GeruchGewaehlt(2);
}

void FormScreeningtest::on_toolButtonGeruch_3_clicked()
{
    GeruchGewaehlt(3);
}

void FormScreeningtest::on_toolButtonGeruch_4_clicked()
{
    GeruchGewaehlt(4);
}

void FormScreeningtest::on_pushButtonWeiter_clicked()
{
    TestStiftAnzeige();
}

void FormScreeningtest::on_toolButtonTestAbbruchScreening_clicked()
{
    if (!abbruchBestaetigt("FormScreeningtest"))
        return;
    // The remaining pens stay unrecorded; presses until the page is left must not record them either.
    testdaten.Stifte.clear();
    StiftNr = 0;
    emit abbruch();
}
