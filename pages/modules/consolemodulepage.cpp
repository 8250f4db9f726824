#include "consolemodulepage.h"

#include "linewriter.h"

ConsoleModulePage::ConsoleModulePage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void ConsoleModulePage::emitSection(LineWriter &) const
{
}
