#include "doppeltipp.h"

#include <QAbstractButton>
#include <QEvent>

namespace
{

// Drops the double-click event itself; the release after it then finds the button
// not pressed and emits nothing.
class DoppeltippFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* knopf, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::MouseButtonDblClick)
            return true;
        return QObject::eventFilter(knopf, ereignis);
    }
};

} // namespace

void einfachTippen(std::initializer_list<QAbstractButton*> knoepfe)
{
    for (QAbstractButton* knopf : knoepfe)
        knopf->installEventFilter(new DoppeltippFilter(knopf));
}
