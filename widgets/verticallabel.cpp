#include "verticallabel.h"

#include <QPaintEvent>
#include <QPainter>

VerticalLabel::VerticalLabel(QWidget* parent)
    : QLabel(parent)
{
}

VerticalLabel::VerticalLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
}

QSize VerticalLabel::sizeHint() const
{
    return QLabel::sizeHint().transposed();
}

QSize VerticalLabel::minimumSizeHint() const
{
    return QLabel::minimumSizeHint().transposed();
}

void VerticalLabel::paintEvent(QPaintEvent*)
{
    // Only the rotated text is drawn: the band starts at the top-left corner and keeps
    // its place however much room the layout gives the label.
    QPainter painter(this);
    painter.translate(0, sizeHint().height());
    painter.rotate(270);
    painter.drawText(QRect(QPoint(0, 0), QLabel::sizeHint()), Qt::AlignCenter, text());
}
