#include "consolemodulepage.h"

#include "linewriter.h"

ConsoleModulePage::ConsoleModulePage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void ConsoleModulePage::emitSection(LineWriter &w) const
{
    w.moduleBanner("CONSOLE");
    w.load(ui.CheckBox181, "console");
    w.spacedFlag(ui.CheckBox178, "set console-autosave");
    w.spacedFlag(ui.CheckBox177, "set force-channel");
    w.spacedFlag(ui.CheckBox179, "set info-party");
}
