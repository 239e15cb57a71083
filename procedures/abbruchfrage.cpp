#include "abbruchfrage.h"

#include "rueckfrage.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace
{
const char* const ablaufMerkmal = "ablaufTakt";

// Stops the running timers of the examination, on whichever screen they live, and returns them.
QList<QPointer<QTimer>> anhalten()
{
    QList<QPointer<QTimer>> angehalten;
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        for (QTimer* takt : fenster->findChildren<QTimer*>()) {
            if (takt->isActive() && takt->property(ablaufMerkmal).toBool()) {
                takt->stop();
                angehalten << takt;
            }
        }
    }
    return angehalten;
}

// lupdate cannot follow the context argument, so the texts are listed once per screen.
[[maybe_unused]] const char* const abbruchTexte[] = {
    QT_TRANSLATE_NOOP("FormSchwellentest", "Wirklich abbrechen?"),
    QT_TRANSLATE_NOOP("FormSchwellentest", "Alle Ergebnisse werden verworfen"),
    QT_TRANSLATE_NOOP("FormSchwellentest", "Weiter Testen"),
    QT_TRANSLATE_NOOP("FormSchwellentest", "Test abbrechen"),
    QT_TRANSLATE_NOOP("FormDiskriminationstest", "Wirklich abbrechen?"),
    QT_TRANSLATE_NOOP("FormDiskriminationstest", "Alle Ergebnisse werden verworfen"),
    QT_TRANSLATE_NOOP("FormDiskriminationstest", "Weiter Testen"),
    QT_TRANSLATE_NOOP("FormDiskriminationstest", "Test abbrechen"),
    QT_TRANSLATE_NOOP("FormScreeningtest", "Wirklich abbrechen?"),
    QT_TRANSLATE_NOOP("FormScreeningtest", "Alle Ergebnisse werden verworfen"),
    QT_TRANSLATE_NOOP("FormScreeningtest", "Weiter Testen"),
    QT_TRANSLATE_NOOP("FormScreeningtest", "Test abbrechen"),
    QT_TRANSLATE_NOOP("MainWindow", "Wirklich abbrechen?"),
    QT_TRANSLATE_NOOP("MainWindow", "Alle Ergebnisse werden verworfen"),
    QT_TRANSLATE_NOOP("MainWindow", "Weiter Testen"),
    QT_TRANSLATE_NOOP("MainWindow", "Test abbrechen"),
};
} // namespace

void ablaufTakt(QTimer* takt)
{
    takt->setProperty(ablaufMerkmal, true);
}

bool abbruchBestaetigt(const char* kontext)
{
    const QList<QPointer<QTimer>> angehalten = anhalten();
    if (rueckfrage::frage(QCoreApplication::translate(kontext, "Wirklich abbrechen?"),
            QCoreApplication::translate(kontext, "Alle Ergebnisse werden verworfen"),
            QCoreApplication::translate(kontext, "Weiter Testen"),
            QCoreApplication::translate(kontext, "Test abbrechen")))
        return true;
    for (QTimer* takt : angehalten) {
        if (takt)
            takt->start();
    }
    return false;
}
