#include "consolefilespage.h"

#include "linewriter.h"

ConsoleFilesPage::ConsoleFilesPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void ConsoleFilesPage::emitSection(LineWriter &w) const
{
    w.sectionBanner("CONSOLE");
    w.spaced("set console \"" + ui.Edit26->text() + "\"");
    w.sectionBanner("FILES AND DIRECTORIES");
    w.spaced("set userfile \"" + ui.Edit17->text() + "\"");
    w.spaced("set pidfile \"" + ui.Edit23->text() + "\"");
    // Octal digits, as typed: the leading zero is the bot's to read.
    w.spaced("set userfile-perm " + ui.Edit24->text());
    w.spacedFlag(ui.CheckBox7, "set sort-users");
    w.spaced("set help-path \"" + ui.Edit18->text() + "\"");
    w.spaced("set text-path \"" + ui.Edit19->text() + "\"");
    w.spaced("set mod-path \"" + ui.Edit25->text() + "\"");
    w.spaced("set temp-path \"" + ui.Edit20->text() + "\"");
    w.spaced("set motd \"" + ui.Edit21->text() + "\"");
    w.spaced("set telnet-banner \"" + ui.Edit22->text() + "\"");
}
