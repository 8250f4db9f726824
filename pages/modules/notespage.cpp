#include "notespage.h"

#include "linewriter.h"

NotesPage::NotesPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void NotesPage::emitSection(LineWriter &w) const
{
    w.moduleBanner("NOTES");
    w.load(ui.CheckBox100, "notes");
    w.spaced("set notefile \"" + ui.Edit102->text() + "\"");
    w.spaced("set max-notes " + ui.Edit103->text());
    w.spaced("set note-life " + ui.Edit104->text());
    w.spacedFlag(ui.CheckBox101, "set allow-fwd");
    w.spacedFlag(ui.CheckBox102, "set notify-users");
    w.spacedFlag(ui.CheckBox103, "set notify-onjoin");
}
