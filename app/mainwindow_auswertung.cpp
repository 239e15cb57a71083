// The result page: where the PDF went, a way to save it elsewhere when that failed, and a question before a
// report that is not saved is closed for good.

#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "ergebnis.h"
#include "rueckfrage.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

void MainWindow::SpeicherortZeigen()
{
    const QString pfad = ergebnis ? ergebnis->pdfPfad() : QString();
    ui->labelGespeichert->setText(pfad.isEmpty() ? tr("Der Bericht ist nicht gespeichert.")
                                                 : tr("Gespeichert unter: %1").arg(rueckfrage::umbrechbar(pfad)));
    ui->labelGespeichert->setVisible(ergebnis != nullptr);
    ui->toolButtonOrdnerOeffnen->setVisible(ergebnis && !pfad.isEmpty());
    ui->toolButtonAndererOrdner->setVisible(ergebnis && pfad.isEmpty());
    // Installed again, a filter is still called once.
    if (ergebnis)
        ui->scrollArea->viewport()->installEventFilter(this);
    BerichtEinpassen();
}

bool MainWindow::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::Resize && objekt == ui->scrollArea->viewport())
        BerichtEinpassen();
    return QMainWindow::eventFilter(objekt, ereignis);
}

void MainWindow::BerichtEinpassen()
{
    if (!ergebnis || ergebnis->bild().isNull())
        return;
    const QMargins raender = ui->gridLayoutAuswertung->contentsMargins();
    const int platz = ui->scrollArea->viewport()->width() - raender.left() - raender.right();
    const QPixmap& bild = ergebnis->bild();
    ui->labelSvg->setPixmap(
        platz > 0 && bild.width() > platz ? bild.scaledToWidth(platz, Qt::SmoothTransformation) : bild);
}

void MainWindow::on_toolButtonOrdnerOeffnen_clicked()
{
    if (ergebnis && !ergebnis->pdfPfad().isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(ergebnis->pdfPfad()).absolutePath()));
}

void MainWindow::on_toolButtonAndererOrdner_clicked()
{
    if (!ergebnis)
        return;
    const QString ordner = rueckfrage::ordnerWaehlen(
        Ergebnis::Berichtsordner(QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation)));
    if (!ordner.isEmpty())
        ergebnis->PdfAblegen(ordner);
    SpeicherortZeigen();
}

bool MainWindow::OhnePdfSchliessenBestaetigt()
{
    // Aborts and discards reach the close slot too; only the examiner's own press on the close button asks.
    return sender() != ui->toolButton_auswertungschliessen || BerichtDarfWeg();
}

bool MainWindow::BerichtDarfWeg()
{
    if (!ergebnis || !ergebnis->pdfPfad().isEmpty())
        return true;
    return rueckfrage::frage(tr("Der Bericht ist nicht gespeichert. Ohne PDF schließen?"), QString(), tr("Zurück"),
        tr("Ohne PDF schließen"));
}
