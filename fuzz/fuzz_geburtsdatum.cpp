// Any text as the birth date on the data page. The window keeps what
// MainWindow::geburtsdatumPruefen returns: nothing (the date is rejected) or a real date
// between 01.01.1900 and today in the form TT.MM.JJJJ, which stays as it is when it is
// checked again.

#include "fuzzhilfe.h"

#include "mainwindow.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString eingabe = QString::fromUtf8(fuzz::bytes(data, size));
    const QDate heute = QDate::currentDate();
    const QString gespeichert = MainWindow::geburtsdatumPruefen(eingabe, heute);
    if (gespeichert.isEmpty())
        return 0;

    const QString fall = eingabe + QStringLiteral(" -> ") + gespeichert;
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{2}\\.[0-9]{2}\\.[0-9]{4}")));
    if (!form.match(gespeichert).hasMatch())
        fuzz::verletzt("gespeichert als TT.MM.JJJJ", fall);
    const QDate datum = QDate::fromString(gespeichert, QStringLiteral("dd.MM.yyyy"));
    if (!datum.isValid() || datum < QDate(1900, 1, 1) || datum > heute)
        fuzz::verletzt("ein Datum zwischen 01.01.1900 und heute", fall);
    if (MainWindow::geburtsdatumPruefen(gespeichert, heute) != gespeichert)
        fuzz::verletzt("bleibt beim zweiten Pruefen gleich", fall);
    return 0;
}
