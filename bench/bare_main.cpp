// A bare Qt window, built like the program and ended at its first paint:
// the floor for the program's start-up. Same phases as startup_main.cpp.
// Built a second time with BARE_WITH_TEXT, the window shows one line of
// text: the fixed price of the font system (fontconfig, a font, shaping,
// glyphs) that any window with text pays and a bare window does not.
#include <QApplication>
#include <QLabel>
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
#ifdef BARE_WITH_TEXT
    auto *label = new QLabel(QStringLiteral("Preview Config File ! ! !"), window);
    label->move(10, 10);
#endif
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
