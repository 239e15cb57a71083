#include "abbruchfrage.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

bool abbruchBestaetigt(const char* kontext)
{
    QMessageBox box;
    box.setText(QCoreApplication::translate(kontext, "Wirklich abbrechen?"));
    box.setInformativeText(QCoreApplication::translate(kontext, "Alle Ergebnisse werden verworfen"));
    box.addButton(QCoreApplication::translate(kontext, "Weiter Testen"), QMessageBox::ActionRole);
    QPushButton* abbrechen = box.addButton(QCoreApplication::translate(kontext, "Test abbrechen"), QMessageBox::ActionRole);
    box.exec();
    return box.clickedButton() == abbrechen;
}
