#include "datenbank.h"

#include <QApplication>
#include <QImage>
#include <QLocale>

// Exits 0 only when the definitions and pictures embedded in the core library
// are reachable from a foreign executable.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    Datenbank db(nullptr);
    const bool definitionen = db.ListeDerTest().size() == 5;
    const bool bilder = !QImage(QStringLiteral(":/jpeg/Bilder/käse.jpeg")).isNull();
    return definitionen && bilder ? 0 : 1;
}
