// A bare Qt window, built like the program and ended at its first paint:
// the floor for the program's start-up. Same phases as startup_main.cpp.
#include <QApplication>
#include <QWidget>

#include "firstpaint.h"

int main(int argc, char *argv[])
{
    firstpaint::mark("main");
    QApplication app(argc, argv);
    firstpaint::mark("qapplication");

    auto *window = new QWidget;
    window->setWindowTitle(QStringLiteral("Bare"));
    window->resize(626, 447); // the main window's size
    firstpaint::mark("windows");
    firstpaint::QuitAtFirstPaint quitter;
    window->installEventFilter(&quitter);
    window->show();
    firstpaint::mark("show");
    const int result = app.exec();
    firstpaint::mark("painted");
    delete window;
    firstpaint::mark("end");
    return result;
}
