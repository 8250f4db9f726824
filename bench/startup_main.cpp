// The program's start-up as app/main.cpp runs it, ending at the first paint
// of the main window. The marks split the time into phases:
//   main          process start to main(): loading, relocations, static data
//   qapplication  QApplication: platform plugin, fonts, style
//   windows       createWindows(): both windows, every page from its .ui
//   show          Form1->show(): polish, layout, the first-show handler
//   firstpaint    the event loop up to the first Paint event of Form1
//   painted       that paint, the whole window, and its flush
//   end           destroyWindows()
#include <QApplication>

#include "Unit1.h"
#include "firstpaint.h"
#include "startup.h"

int main(int argc, char *argv[])
{
    firstpaint::mark("main");
    QApplication app(argc, argv);
    firstpaint::mark("qapplication");

    createWindows(QStringLiteral(QUILLMARSH_HELP_FILE));
    firstpaint::mark("windows");
    firstpaint::QuitAtFirstPaint quitter;
    Form1->installEventFilter(&quitter);
    Form1->show();
    firstpaint::mark("show");
    const int result = app.exec();
    firstpaint::mark("painted");
    destroyWindows();
    firstpaint::mark("end");
    return result;
}
