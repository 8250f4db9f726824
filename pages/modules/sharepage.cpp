#include "sharepage.h"

#include "linewriter.h"

SharePage::SharePage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void SharePage::emitSection(LineWriter &w) const
{
    w.moduleBanner("SHARE");
    w.load(ui.CheckBox93, "share");
    // A module that is not loaded keeps its settings in the file, commented
    // out, with the values chosen on the page.
    const QString set = ui.CheckBox93->isChecked() ? "set " : "#set ";
    w.spaced(set + "resync-time " + ui.Edit95->text());
    w.spaced(set + "private-globals \"" + ui.Edit96->text() + "\"");
    w.spacedFlag(ui.CheckBox94, set + "allow-resync");
    w.spacedFlag(ui.CheckBox95, set + "private-global");
    w.spacedFlag(ui.CheckBox96, set + "private-user");
    w.spacedFlag(ui.CheckBox97, set + "override-bots");
}
