#pragma once

#include <QByteArray>
#include <QColor>
#include <QDomDocument>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>
#include <QVector>

#include <memory>

class QPainter;
class QSvgRenderer;

// One report section drawn with real text. Qt's SVG renderer turns texts into outlines on a PDF printer, which
// makes them unsearchable and the file large; so the texts are taken out of the document, the rest is rendered
// by QSvgRenderer and every text is drawn with QPainter::drawText at the same place, in the same font and colour.
// PDF and screen picture both draw through here, so they always show the same.
class SvgSeite
{
public:
    // One text to draw, in the document's user units.
    struct Text {
        QString text;
        QTransform matrix; // the text's own transform and those of its ancestors
        QPointF position; // anchor point of the baseline
        QFont schrift; // family, weight and style; the size is `groesse`
        double groesse = 16; // font size in user units
        QColor farbe; // fill colour, opacity included
        Qt::Alignment anker = Qt::AlignLeft; // text-anchor start, middle or end
    };

    explicit SvgSeite(const QByteArray& svg);
    ~SvgSeite();
    SvgSeite(const SvgSeite&) = delete;
    SvgSeite& operator=(const SvgSeite&) = delete;

    bool isValid() const;
    // Size at 90 pixels per inch, as QSvgRenderer gives it; empty when the document is not valid.
    QSize defaultSize() const;
    // The visible texts; hidden ones are left out.
    const QVector<Text>& texte() const;
    // Draws the document into `ziel`, mapping its view box onto it.
    void zeichnen(QPainter& painter, const QRectF& ziel) const;

    // Fits the filled-in texts of a template to their fields, measured in the font they are drawn in. A text with
    // data-breite (the field's width in its user units) wider than that is elided with "…"; with data-zeilen it
    // keeps up to that many of its lines, each a line lower, and the last ends in "…" when more lines follow.
    static void FelderEinpassen(QDomDocument& doc);

private:
    std::unique_ptr<QSvgRenderer> renderer;
    QVector<Text> m_texte;
    QRectF viewBox;
};
