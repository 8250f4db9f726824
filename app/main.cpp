#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "Unit1.h"
#include "startup.h"

namespace {

bool displayNamed()
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

void noDisplay()
{
    std::fputs("quillmarsh: cannot open a window: no display is available.\n"
               "Start it from a desktop session (DISPLAY or WAYLAND_DISPLAY must be set).\n",
               stderr);
    std::exit(1);
}

// Qt ends the process with abort() when its window system cannot be
// reached; say so plainly and exit instead.
void startupMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "quillmarsh: %s\n", qPrintable(message));
        noDisplay();
    }
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayNamed())
        noDisplay();
    qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);

    createWindows(QStringLiteral(QUILLMARSH_HELP_FILE));
    Form1->show();
    const int result = app.exec();
    destroyWindows();
    return result;
}
