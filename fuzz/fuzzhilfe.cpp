#include "fuzzhilfe.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace
{
QtMessageHandler weitergeben = nullptr;
QStringList* mitschrift = nullptr;

void meldung(QtMsgType typ, const QMessageLogContext& kontext, const QString& text)
{
    if (typ != QtDebugMsg && typ != QtInfoMsg)
        weitergeben(typ, kontext, text);
    else if (mitschrift)
        mitschrift->append(text);
}
} // namespace

void fuzz::anwendung()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "duftlotse_fuzz";
    static char* argv[] = { name, nullptr };
    // Lives as long as the process, like the application object of the real program.
    new QCoreApplication(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    weitergeben = qInstallMessageHandler(meldung);
}

QByteArray fuzz::bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size));
}

QStringList fuzz::debugZeilen(const std::function<void()>& lauf)
{
    QStringList zeilen;
    mitschrift = &zeilen;
    lauf();
    mitschrift = nullptr;
    return zeilen;
}

void fuzz::verletzt(const char* eigenschaft, const QString& einzelheiten)
{
    qFatal("Verletzt: %s: %s", eigenschaft, qUtf8Printable(einzelheiten));
}
