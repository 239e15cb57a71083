#include "rueckfrage.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>

namespace rueckfrage
{

namespace
{
constexpr qreal mindestSchrift = 16; // points; the text is read at arm's length
constexpr int knopfHoehe = 56;
constexpr int knopfBreite = 180;
constexpr int abstand = 48; // between two answers

// The dialog's text in the reading size; its answers in the touch size, apart from each other.
void vergroessern(QWidget& dialog, const QList<QAbstractButton*>& antworten)
{
    QFont schrift = dialog.font();
    if (schrift.pointSizeF() < mindestSchrift)
        schrift.setPointSizeF(mindestSchrift);
    dialog.setFont(schrift);
    for (QAbstractButton* knopf : antworten) {
        knopf->setFont(schrift);
        knopf->setMinimumSize(knopfBreite, knopfHoehe);
    }
    if (auto* leiste = dialog.findChild<QDialogButtonBox*>(); leiste && leiste->layout())
        leiste->layout()->setSpacing(abstand);
}
} // namespace

void fingergerecht(QMessageBox& box)
{
    vergroessern(box, box.buttons());
}

QString umbrechbar(const QString& pfad)
{
    const QChar bruchstelle(0x200B); // zero width space
    QString text;
    int seitBruch = 0;
    for (const QChar zeichen : QDir::toNativeSeparators(pfad)) {
        text += zeichen;
        if (zeichen == QDir::separator() || ++seitBruch >= 40) {
            text += bruchstelle;
            seitBruch = 0;
        }
    }
    return text;
}

void hinweis(const QString& text)
{
    QMessageBox box;
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    fingergerecht(box);
    box.exec();
}

bool frage(const QString& text, const QString& erlaeuterung, const QString& zurueck, const QString& handlung)
{
    QMessageBox box;
    box.setText(text);
    if (!erlaeuterung.isEmpty())
        box.setInformativeText(erlaeuterung);
    box.addButton(zurueck, QMessageBox::ActionRole);
    const QAbstractButton* ja = box.addButton(handlung, QMessageBox::ActionRole);
    fingergerecht(box);
    box.exec();
    return box.clickedButton() == ja;
}

QString ordnerWaehlen(const QString& start)
{
    // The folder that failed may be missing or a file; the dialog opens in the nearest folder above it.
    QFileInfo ordner(start);
    while (!ordner.isDir() && ordner.absoluteFilePath() != ordner.absolutePath())
        ordner.setFile(ordner.absolutePath());
    QFileDialog dialog(
        nullptr, QCoreApplication::translate("rueckfrage", "Ordner für den Bericht"), ordner.absoluteFilePath());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    QList<QAbstractButton*> antworten;
    if (auto* leiste = dialog.findChild<QDialogButtonBox*>())
        antworten = leiste->buttons();
    vergroessern(dialog, antworten);
    // The small tool buttons (back, up, new folder) and the rows of the folder list get a finger's size too.
    for (QAbstractButton* knopf : dialog.findChildren<QAbstractButton*>())
        knopf->setMinimumSize(qMax(knopf->minimumWidth(), knopfHoehe), knopfHoehe);
    for (QAbstractItemView* liste : dialog.findChildren<QAbstractItemView*>())
        liste->setStyleSheet(QStringLiteral("QAbstractItemView::item { min-height: %1px; }").arg(knopfHoehe));
    dialog.resize(960, 640);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace rueckfrage
