#include "transferpage.h"

#include "linewriter.h"

TransferPage::TransferPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

// The settings are written live even when their module is not loaded: only
// the load lines are commented out.
void TransferPage::emitSection(LineWriter &w) const
{
    w.moduleBanner("TRANSFER");
    w.load(ui.CheckBox85, "transfer");
    w.spaced("set max-dloads " + ui.Edit68->text());
    w.spaced("set dcc-block " + ui.Edit69->text());
    w.spaced("set xfer-timeout " + ui.Edit92->text());
    w.spacedFlag(ui.CheckBox91, "set copy-to-tmp");

    w.moduleBanner("COMPRESS");
    w.load(ui.CheckBox92, "compress");
    w.spacedFlag(ui.CheckBox189, "set share-compressed");
    w.spaced("set compress-level " + ui.Edit94->text());
}
