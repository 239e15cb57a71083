// Writes the report of the sample extended examination into <folder>/Documents and the screen picture
// to <folder>/bildschirm.png. Usage: duftlotse_beispielbericht <folder> [de|en]
#include "beispieluntersuchung.h"
#include "datenbank.h"
#include "ergebnis.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const QString ordner = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    // The documents folder follows HOME, so the report lands in the given folder.
    qputenv("HOME", QFile::encodeName(ordner));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ordner + QStringLiteral("/.config")));
    QApplication app(argc, argv);

    const bool englisch = argc > 2 && QByteArray(argv[2]) == "en";
    QLocale::setDefault(QLocale(englisch ? QStringLiteral("en_US") : QStringLiteral("de_DE")));
    QTranslator uebersetzung;
    if (englisch && uebersetzung.load(QStringLiteral(":/sprachen/DE_EN.qm")))
        QCoreApplication::installTranslator(&uebersetzung);

    Datenbank db(nullptr);
    beispiel::untersuchungSpeichern(db);
    QLabel label;
    Ergebnis bericht(nullptr, &label, &db);
    return label.pixmap(Qt::ReturnByValue).save(ordner + QStringLiteral("/bildschirm.png")) ? 0 : 1;
}
