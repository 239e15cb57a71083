#include "rueckfrage.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLayout>
#include <QMessageBox>

namespace rueckfrage
{

namespace
{
constexpr qreal mindestSchrift = 16; // points; the text is read at arm's length
constexpr int knopfHoehe = 56;
constexpr int knopfBreite = 180;
constexpr int abstand = 48; // between two answers
} // namespace

void fingergerecht(QMessageBox& box)
{
    QFont schrift = box.font();
    if (schrift.pointSizeF() < mindestSchrift)
        schrift.setPointSizeF(mindestSchrift);
    box.setFont(schrift);
    for (QAbstractButton* knopf : box.buttons()) {
        knopf->setFont(schrift);
        knopf->setMinimumSize(knopfBreite, knopfHoehe);
    }
    if (auto* leiste = box.findChild<QDialogButtonBox*>(); leiste && leiste->layout())
        leiste->layout()->setSpacing(abstand);
}

void hinweis(const QString& text)
{
    QMessageBox box;
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    fingergerecht(box);
    box.exec();
}

} // namespace rueckfrage
