#include "consolefilespage.h"

#include "linewriter.h"

ConsoleFilesPage::ConsoleFilesPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void ConsoleFilesPage::emitSection(LineWriter &) const
{
}
