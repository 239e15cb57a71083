#include "netz.h"

#include <QDebug>
#include <QDesktopServices>
#include <QHostInfo>
#include <QUrl>

const QString Netz::Host = QStringLiteral("duftlotse.example");

Netz::Netz(QObject* parent)
    : QObject(parent)
{
}

QString Netz::anleitungsAdresse(int testart)
{
    static const char* const namen[]
        = { "Screening 12", "Ident Test", "Schwellentest", "Diskriminationstest", "Extended Test" };
    if (testart < 1 || testart > 5)
        return QString();
    return QStringLiteral("https://") + Host + QStringLiteral("/Duftlotse/Anleitungen/")
        + QString::fromLatin1(namen[testart - 1]) + QStringLiteral(".pdf");
}

void Netz::anleitung(int testart)
{
    qDebug() << "Anleitung anfordern";
    // Without the server's name the browser would only show an error page.
    const QHostInfo info = QHostInfo::fromName(Host);
    if (info.error() != QHostInfo::NoError) {
        qDebug() << "Netz::anleitung:" << info.errorString();
        return;
    }
    const QString adresse = anleitungsAdresse(testart);
    if (adresse.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl(adresse, QUrl::TolerantMode));
}
