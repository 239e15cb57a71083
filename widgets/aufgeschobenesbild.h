#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QIconEnginePlugin>
#include <QVector>

// A picture of a button or window symbol that is decoded when it is first painted or asked for.
// The layouts name a dozen PNG and JPEG pictures, most of them on pages that no start shows
// (the four placeholder odours, the close buttons, the enabled start button); decoding them all
// in the layout's setup was a tenth of the start. The decoded icon is an ordinary one, so
// sizes, modes and the disabled look are Qt's own.
class AufgeschobenesBild : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override;
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override;
    void virtual_hook(int id, void* data) override;

private:
    struct Datei {
        QString name;
        QSize groesse;
        QIcon::Mode mode;
        QIcon::State state;
    };
    // Decodes the files named so far, once.
    QIcon& bild() const;

    mutable QVector<Datei> dateien;
    mutable QIcon decodiert;
};

// Hands QIcon the deferred picture for every PNG and JPEG file it is given, among them those
// that the generated layouts add.
class AufgeschobenesBildPlugin : public QIconEnginePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QIconEngineFactoryInterface" FILE "aufgeschobenesbild.json")
public:
    QIconEngine* create(const QString& filename) override;
};
