#include "notespage.h"

#include "linewriter.h"

NotesPage::NotesPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void NotesPage::emitSection(LineWriter &) const
{
}
