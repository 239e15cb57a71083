#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSet>
#include <QString>
#include <QVector>

#include <functional>

// Every odour picture is drawn on a 300 x 300 canvas with the same frame.
constexpr int Kante = 300;

struct Duftbild {
    QString name;
    std::function<void(QPainter&)> malen;
    QColor flaeche = QColor(255, 255, 255); // a tint tells apart odours with similar motifs
    bool nurEmoji = false; // for the attribution table
};

struct Knopfbild {
    QString datei; // relative to the picture folder, e.g. "png/startknopp.png"
    std::function<QImage()> erzeugen;
};

QVector<Duftbild> duftbilder();
QVector<Knopfbild> knopfbilder();

// The SVGs in svg/, the logos among them; the generator checks them and lists them in the qrc.
QStringList svgDateien();

// The application's symbol as SVG text, for the package's menu entry.
QString programmsymbol();

// The two logos of the window's header as SVG text: file name in svg/ and content.
QVector<QPair<QString, QString>> logos();

// A coordinate for SVG text, to a tenth of a unit.
QString svgZahl(qreal wert);

// Emoji sequences drawn since the last call, for the attribution table.
QSet<QString> verwendeteEmoji(bool zuruecksetzen);

// The soft rounded card every odour picture sits on; motifs are clipped to its inside.
QPainterPath karte();
void hintergrund(QPainter& p, const QColor& flaeche);
void rahmen(QPainter& p);

// Draws a colour emoji scaled to fit `ziel`, centred; aborts if the font lacks the glyph.
void emoji(QPainter& p, const QString& folge, const QRectF& ziel);

// A shaded ball: the basic shape of berries, corns and nuts.
void kugel(QPainter& p, QPointF mitte, qreal radius, const QColor& farbe, qreal glanz = 0.6);
void ellipsenKugel(QPainter& p, const QRectF& r, const QColor& farbe, qreal glanz = 0.5);

// Rising grey smoke, drawn as soft curling strokes from `fuss` upwards.
void rauchfahne(QPainter& p, QPointF fuss, qreal hoehe, qreal breite, int straenge = 3);

QImage leinwand(int breite, int hoehe, bool transparent);
