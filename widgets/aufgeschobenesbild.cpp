#include "aufgeschobenesbild.h"

#include <QImageReader>
#include <QtPlugin>

void AufgeschobenesBild::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    bild().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize AufgeschobenesBild::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return bild().actualSize(size, mode, state);
}

QPixmap AufgeschobenesBild::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return bild().pixmap(size, mode, state);
}

void AufgeschobenesBild::addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state)
{
    bild().addPixmap(pixmap, mode, state);
}

void AufgeschobenesBild::addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    // Only the header is read here: a file that is missing or no picture leaves the icon
    // empty, as it would be without deferring.
    if (!QImageReader(fileName).canRead())
        return;
    if (decodiert.isNull())
        dateien.append({ fileName, size, mode, state });
    else
        decodiert.addFile(fileName, size, mode, state);
}

QString AufgeschobenesBild::key() const
{
    return QStringLiteral("AufgeschobenesBild");
}

QIconEngine* AufgeschobenesBild::clone() const
{
    return new AufgeschobenesBild(*this);
}

QList<QSize> AufgeschobenesBild::availableSizes(QIcon::Mode mode, QIcon::State state) const
{
    return bild().availableSizes(mode, state);
}

void AufgeschobenesBild::virtual_hook(int id, void* data)
{
    if (id == QIconEngine::IsNullHook)
        *static_cast<bool*>(data) = dateien.isEmpty() && decodiert.isNull();
    else
        QIconEngine::virtual_hook(id, data);
}

QIcon& AufgeschobenesBild::bild() const
{
    // QIcon::addPixmap keeps to Qt's own pixmap engine, without coming back here.
    for (const Datei& datei : qAsConst(dateien)) {
        QImageReader leser(datei.name);
        QImage bild;
        while (leser.read(&bild)) {
            if (!datei.groesse.isValid() || bild.size() == datei.groesse)
                decodiert.addPixmap(QPixmap::fromImage(bild), datei.mode, datei.state);
        }
    }
    dateien.clear();
    return decodiert;
}

QIconEngine* AufgeschobenesBildPlugin::create(const QString& filename)
{
    Q_UNUSED(filename)
    return new AufgeschobenesBild;
}

// Registered with the application itself; QIcon finds it by the file's suffix.
Q_IMPORT_PLUGIN(AufgeschobenesBildPlugin)
