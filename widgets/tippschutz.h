#pragma once

#include <QList>
#include <QObject>

class QAbstractButton;

// One tap is one answer. After a press on a button of the examination flow, presses on any of
// those buttons are dropped for a double-click interval, counted from that press's time stamp:
// the second press of a double tap would otherwise answer the next pen, choose a side nobody
// chose, or skip the page that has just appeared under the finger. A double-click event never
// acts as a press. Presses further apart count as they come.
class Tippschutz : public QObject
{
public:
    // Marks `ablaufknoepfe` and watches every mouse press of the application while it lives.
    Tippschutz(QObject* parent, const QList<QAbstractButton*>& ablaufknoepfe);
    ~Tippschutz() override;

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    bool gedrueckt = false;
    ulong letzterDruck = 0;
};
