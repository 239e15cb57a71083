// Language, hint pages, settings, info page and manuals.

#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "netz.h"

#include <QApplication>
#include <QDebug>
#include <QEvent>
#include <QLocale>
#include <QSettings>

namespace
{
enum Seiten { seiteDateneingabe = 0, seiteSprache = 2, seiteEinstellungen = 10, seiteInfo = 12 };

void speichern(const QString& schluessel, const QVariant& wert)
{
    QSettings(MainWindow::Organisation, MainWindow::Anwendung).setValue(schluessel, wert);
}
} // namespace

void MainWindow::SpracheWechseln(QString sprache)
{
    if (sprache != QLatin1String("de") && sprache != QLatin1String("en"))
        sprache = QStringLiteral("en");
    // The default locale also decides which test definitions the store reads.
    QLocale::setDefault(QLocale(sprache));

    // Removing or installing the translator posts a language change to every window,
    // which renews the layout's texts (changeEvent).
    qApp->removeTranslator(&m_translator);
    if (sprache == QLatin1String("en")) {
        if (m_translator.load(QStringLiteral(":/sprachen/DE_EN.qm")))
            qApp->installTranslator(&m_translator);
        else
            qDebug() << "MainWindow::SpracheWechseln: translation not loadable";
    }

    // What the examiner chose stays chosen; only its texts change.
    const QVariant geschlecht = ui->comboBoxPatientGeschlecht->currentData();
    const QVariant test = ui->comboBoxTestAuswahl->currentData();
    GeschlechtFuellen();
    ui->comboBoxPatientGeschlecht->setCurrentIndex(qMax(0, ui->comboBoxPatientGeschlecht->findData(geschlecht)));
    ui->comboBoxTestAuswahl->clear();
    if (db) {
        db->TestsLaden();
        TestauswahlFuellen();
        if (const int index = ui->comboBoxTestAuswahl->findData(test); index >= 0)
            ui->comboBoxTestAuswahl->setCurrentIndex(index);
    }
    MussfelderUebersetzen();
    ui->page_schwellentest->sprachUpdate();
    ui->page_Diskriminationstest->sprachUpdate();
    ui->page_screeningtest->sprachUpdate();
}

void MainWindow::changeEvent(QEvent* event)
{
    qDebug() << "changeEvent" << event;
    if (event->type() == QEvent::LocaleChange) {
        // Reloading the catalogue in the middle of an examination would change the
        // definition its next side is stored and scored with.
        if (untersuchungLaeuft) {
            qDebug() << "MainWindow::changeEvent: locale change during an examination not applied";
        } else {
            const QString name = QLocale::system().name();
            const int strich = name.lastIndexOf(QLatin1Char('_'));
            SpracheWechseln(strich < 0 ? QString() : name.left(strich));
        }
    } else if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        TexteErneuern();
    }
    QMainWindow::changeEvent(event);
}

// The texts the window composes itself, which retranslateUi does not reach.
void MainWindow::TexteErneuern()
{
    MussfelderUebersetzen();
    ui->labelVersion->setText(tr("Version ") + QCoreApplication::applicationVersion() + tr(" Beta Nur zu Testzwecken"));
}

void MainWindow::on_toolButtonSprache_clicked()
{
    setPage(seiteSprache);
}

void MainWindow::on_toolButtonDeutsch_clicked()
{
    SpracheWechseln(QStringLiteral("de"));
    speichern(QStringLiteral("Sprache"), QStringLiteral("de"));
    setPage(seiteDateneingabe);
}

void MainWindow::on_toolButtonEnglish_clicked()
{
    SpracheWechseln(QStringLiteral("en"));
    speichern(QStringLiteral("Sprache"), QStringLiteral("en"));
    setPage(seiteDateneingabe);
}

void MainWindow::on_toolButtonEinstellungen_clicked()
{
    setPage(seiteEinstellungen);
}

void MainWindow::on_pushButtonReset_clicked()
{
    // Stored as the system gives it, also when it is neither German nor English:
    // the next start then falls back to English like this one.
    const QString sprache = QLocale::system().name().left(2);
    SpracheWechseln(sprache);
    speichern(QStringLiteral("Sprache"), sprache);
    speichern(QStringLiteral("HinweiseAus"), false);
    setPage(seiteDateneingabe);
}

void MainWindow::on_pushButtonEinstellungenAbbruch_clicked()
{
    setPage(seiteDateneingabe);
}

void MainWindow::on_toolButtonInfo_clicked()
{
    setPage(seiteInfo);
}

void MainWindow::on_toolButton_Infoschliessen_clicked()
{
    setPage(seiteDateneingabe);
}

// Hint pages: the waiting sequencer goes on once the examiner confirmed; the switch
// counts from the next test on.

void MainWindow::on_pushButton_HinweisGelesen_clicked()
{
    HinweisGelesen = true;
}

void MainWindow::on_pushButton_HinweisGelesen_2_clicked()
{
    HinweisGelesen = true;
}

void MainWindow::on_pushButton_HinweisGelesen_3_clicked()
{
    HinweisGelesen = true;
}

void MainWindow::HinweiseAusSpeichern(bool aus)
{
    speichern(QStringLiteral("HinweiseAus"), aus);
}

void MainWindow::on_checkBoxHinweiseAus_clicked(bool checked)
{
    HinweiseAusSpeichern(checked);
}

void MainWindow::on_checkBoxHinweiseAus_2_clicked(bool checked)
{
    HinweiseAusSpeichern(checked);
}

void MainWindow::on_checkBoxHinweiseAus_3_clicked(bool checked)
{
    HinweiseAusSpeichern(checked);
}

void MainWindow::AnleitungAnzeigen()
{
    if (!netz)
        netz = new Netz(this);
    netz->anleitung(m_testart);
}

void MainWindow::on_pushButtonAnleitungAnzeigen_clicked()
{
    AnleitungAnzeigen();
}

void MainWindow::on_pushButtonAnleitungAnzeigen_2_clicked()
{
    AnleitungAnzeigen();
}

void MainWindow::on_pushButtonAnleitungAnzeigen_3_clicked()
{
    AnleitungAnzeigen();
}
