#include "schrift.h"

#include <QApplication>
#include <QFont>

void anwendungsschriftSetzen()
{
    // Without a class name this also drops the platform's own fonts for menus, tool tips and
    // message boxes.
    QApplication::setFont(QFont(QStringLiteral("Noto Sans"), 14));
}
