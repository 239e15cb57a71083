#include "mainwindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    int code = 0;
    {
        QApplication app(argc, argv);
        {
            MainWindow w(nullptr);
            w.show();
            code = app.exec();
        }
    }
    return code;
}
