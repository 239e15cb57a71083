#include "mainwindow.h"
#include "schrift.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    int code = 0;
    {
        QApplication app(argc, argv);
        anwendungsschriftSetzen();
        {
            MainWindow w(nullptr);
            // Tablets beside the patient have less room than the window's design size.
            if (QScreen* screen = QGuiApplication::primaryScreen())
                fensterEinpassen(&w, screen->availableGeometry());
            w.show();
            code = app.exec();
        }
    }
    return code;
}
