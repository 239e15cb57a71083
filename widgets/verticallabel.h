#pragma once

#include <QLabel>

class QPaintEvent;
class QString;
class QWidget;

// A label whose text reads from bottom to top, for captions standing upright
// beside a column of buttons.
class VerticalLabel : public QLabel
{
    Q_OBJECT

public:
    explicit VerticalLabel(QWidget* parent = nullptr);
    explicit VerticalLabel(const QString& text, QWidget* parent = nullptr);
    ~VerticalLabel() override = default;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
