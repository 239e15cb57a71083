#include "seitenstapel.h"

#include <QEvent>
#include <QWidgetItem>

Seitenstapel::Seitenstapel(QWidget* parent)
    : QStackedWidget(parent)
{
    // The sizes asked before belong to the page that went.
    connect(this, &QStackedWidget::currentChanged, this, [this] {
        if (!alleSeiten)
            updateGeometry();
    });
}

QSize Seitenstapel::sizeHint() const
{
    const QWidget* seite = currentWidget();
    if (alleSeiten || !seite)
        return QStackedWidget::sizeHint();
    // As the stack's layout counts each page.
    QSize groesse = seite->sizeHint().expandedTo(QSize(0, 0));
    if (seite->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
        groesse.setWidth(0);
    if (seite->sizePolicy().verticalPolicy() == QSizePolicy::Ignored)
        groesse.setHeight(0);
    if (seite->hasHeightForWidth())
        groesse.setHeight(hoeheFuerBreite(groesse.width()));
    return groesse + raender();
}

QSize Seitenstapel::minimumSizeHint() const
{
    QWidget* seite = currentWidget();
    if (alleSeiten || !seite)
        return QStackedWidget::minimumSizeHint();
    return QWidgetItem(seite).minimumSize() + raender();
}

bool Seitenstapel::hasHeightForWidth() const
{
    if (alleSeiten)
        return QStackedWidget::hasHeightForWidth();
    const QWidget* seite = currentWidget();
    return seite && seite->hasHeightForWidth();
}

int Seitenstapel::heightForWidth(int breite) const
{
    if (alleSeiten)
        return QStackedWidget::heightForWidth(breite);
    if (!hasHeightForWidth())
        return -1;
    const QSize rand = raender();
    return hoeheFuerBreite(breite - rand.width()) + rand.height();
}

void Seitenstapel::showEvent(QShowEvent* event)
{
    if (!alleSeiten)
        window()->installEventFilter(this);
    QStackedWidget::showEvent(event);
}

bool Seitenstapel::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::Paint && objekt == window()) {
        objekt->removeEventFilter(this);
        // The layout of this painting is settled; the next one weighs every page.
        alleSeiten = true;
        updateGeometry();
    }
    return QStackedWidget::eventFilter(objekt, ereignis);
}

int Seitenstapel::hoeheFuerBreite(int breite) const
{
    QWidget* seite = currentWidget();
    return qMax(seite->heightForWidth(breite), QWidgetItem(seite).minimumSize().height());
}

QSize Seitenstapel::raender() const
{
    const QMargins rand = contentsMargins();
    return QSize(rand.left() + rand.right(), rand.top() + rand.bottom());
}
