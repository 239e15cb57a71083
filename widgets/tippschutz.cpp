#include "tippschutz.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QMouseEvent>
#include <QVariant>

namespace
{
const char* const ablaufknopf = "ablaufknopf";
} // namespace

Tippschutz::Tippschutz(QObject* parent, const QList<QAbstractButton*>& ablaufknoepfe)
    : QObject(parent)
{
    for (QAbstractButton* knopf : ablaufknoepfe)
        knopf->setProperty(ablaufknopf, true);
    // On the application, so that the press is caught on whichever page the finger meets by then.
    qApp->installEventFilter(this);
}

Tippschutz::~Tippschutz()
{
    qApp->removeEventFilter(this);
}

bool Tippschutz::eventFilter(QObject* ziel, QEvent* ereignis)
{
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::MouseButtonPress && art != QEvent::MouseButtonDblClick)
        return false;
    auto* knopf = qobject_cast<QAbstractButton*>(ziel);
    auto* maus = static_cast<QMouseEvent*>(ereignis);
    // A disabled button takes no press, so it starts no interval either.
    if (!knopf || !knopf->property(ablaufknopf).toBool() || !knopf->isEnabled() || maus->button() != Qt::LeftButton)
        return false;
    // Qt hands the second press of a double click over as this event, and a button takes it for a press.
    if (art == QEvent::MouseButtonDblClick)
        return true;
    // Dropped presses never reach the button, so it is not left pressed and its release clicks nothing.
    const ulong zeit = maus->timestamp();
    if (gedrueckt && zeit >= letzterDruck
        && zeit - letzterDruck < static_cast<ulong>(QApplication::doubleClickInterval())) {
        qDebug() << "Tippschutz: press on" << knopf->objectName() << zeit - letzterDruck
                 << "ms after the last one dropped";
        return true;
    }
    gedrueckt = true;
    letzterDruck = zeit;
    return false;
}
