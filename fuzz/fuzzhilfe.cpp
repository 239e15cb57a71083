#include "fuzzhilfe.h"

#include <QCoreApplication>
#include <QGuiApplication>
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

void fuzz::anwendung(bool schriften)
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "duftlotse_fuzz";
    static char* argv[] = { name, nullptr };
    // Lives as long as the process, like the application object of the real program.
    if (schriften) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    } else {
        new QCoreApplication(argc, argv);
    }
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
    // Characters that a terminal would swallow or act on, as code points.
    QString lesbar;
    for (const QChar zeichen : einzelheiten) {
        const QChar::Category art = zeichen.category();
        if (art == QChar::Other_Control || art == QChar::Other_Format || art == QChar::Other_NotAssigned
            || art == QChar::Separator_Line || art == QChar::Separator_Paragraph)
            lesbar += QStringLiteral("<U+%1>").arg(zeichen.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        else
            lesbar += zeichen;
    }
    qFatal("Verletzt: %s: %s", eigenschaft, qUtf8Printable(lesbar));
}
