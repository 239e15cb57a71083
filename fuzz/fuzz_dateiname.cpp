// Any person code and any folder as the report's file name. The name is one file directly inside the folder: not
// empty, not hidden, a ".pdf", within the 255 bytes a file name may take. In a real folder a file can be made under
// it, and the next report of the same code gets a name of its own.

#include "fuzzhilfe.h"

#include "ergebnis.h"

#include <QFile>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

namespace
{

void pruefen(const QString& ordner, const QString& code, const QString& pfad)
{
    const QString fall = ordner + QStringLiteral(" | ") + code + QStringLiteral(" -> ") + pfad;
    if (!pfad.startsWith(ordner + QLatin1Char('/')))
        fuzz::verletzt("im Ordner", fall);
    const QString name = pfad.mid(ordner.size() + 1);
    const QByteArray bytes = QFile::encodeName(name);
    if (name.contains(QLatin1Char('/')) || bytes.contains('\0'))
        fuzz::verletzt("ein Name, kein Pfad", fall);
    if (name.startsWith(QLatin1Char('.')) || !name.endsWith(QStringLiteral(".pdf")))
        fuzz::verletzt("sichtbar und ein PDF", fall);
    if (bytes.size() > 255)
        fuzz::verletzt("höchstens 255 Bytes", fall);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::anwendung();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The folder ends at a backslash followed by another character; the code is the rest.
    FuzzedDataProvider eingabe(data, size);
    const QString ordner = QString::fromStdString(eingabe.ConsumeRandomLengthString(size));
    const QString code = QString::fromStdString(eingabe.ConsumeRemainingBytesAsString());
    pruefen(ordner, code, Ergebnis::PdfDateiname(ordner, code));

    static const QTemporaryDir echterOrdner;
    const QString pfad = Ergebnis::PdfDateiname(echterOrdner.path(), code);
    pruefen(echterOrdner.path(), code, pfad);
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        fuzz::verletzt("eine Datei lässt sich anlegen", code + QStringLiteral(" -> ") + pfad);
    datei.close();
    const QString zweiter = Ergebnis::PdfDateiname(echterOrdner.path(), code);
    datei.remove();
    if (zweiter == pfad)
        fuzz::verletzt("der nächste Bericht ersetzt den ersten nicht", code + QStringLiteral(" -> ") + pfad);
    pruefen(echterOrdner.path(), code, zweiter);
    return 0;
}
