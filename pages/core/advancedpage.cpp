#include "advancedpage.h"

#include "linewriter.h"

AdvancedPage::AdvancedPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
    connect(ui.CheckBox25, &QCheckBox::toggled, this, &AdvancedPage::CheckBox25Click);
    connect(ui.CheckBox26, &QCheckBox::toggled, this, &AdvancedPage::CheckBox26Click);
    connect(ui.CheckBox27, &QCheckBox::toggled, this, &AdvancedPage::CheckBox27Click);
}

void AdvancedPage::CheckBox25Click()
{
    ui.Edit45->setEnabled(ui.CheckBox25->isChecked());
}

void AdvancedPage::CheckBox26Click()
{
    ui.Edit43->setEnabled(ui.CheckBox26->isChecked());
}

void AdvancedPage::CheckBox27Click()
{
    ui.Edit44->setEnabled(ui.CheckBox27->isChecked());
}

void AdvancedPage::emitSection(LineWriter &w) const
{
    w.sectionBanner("MORE ADVANCED SETTINGS");
    w.spaced("set owner \"" + ui.Edit36->text() + "\"");
    w.spaced("set ignore-time " + ui.Edit38->text());
    w.spaced("set hourly-updates " + ui.Edit37->text());
    w.spaced("set max-dcc " + ui.Edit39->text());
    w.spaced("set notify-newusers \"" + ui.Edit159->text() + "\"");
    w.spaced("set default-flags \"" + ui.Edit41->text() + "\"");
    w.spaced("set whois-fields \"" + ui.Edit42->text() + "\"");
    w.spaced("set dupwait-timeout " + ui.Edit40->text());
    w.spaced("set must-be-owner " + ui.Edit160->text());
    // Checked keeps the partyline command; unchecked switches it off.
    if (!ui.CheckBox17->isChecked())
        w.spaced("unbind dcc n set *dcc:set");
    if (!ui.CheckBox18->isChecked())
        w.spaced("unbind dcc n tcl *dcc:tcl");
    if (!ui.CheckBox22->isChecked())
        w.spaced("unbind dcc n simul *dcc:simul");
    w.spacedFlag(ui.CheckBox23, "set enable-simul");
    w.spacedFlag(ui.CheckBox24, "set allow-dk-cmds");
    w.spacedFlag(ui.CheckBox21, "set die-on-sigterm");
    w.spacedFlag(ui.CheckBox20, "set die-on-sighup");
    if (ui.CheckBox25->isChecked())
        w.spaced("set reserved-portrange " + ui.Edit45->text());
    if (ui.CheckBox26->isChecked())
        w.spaced("set firewall \"" + ui.Edit43->text() + "\"");
    if (ui.CheckBox27->isChecked())
        w.spaced("set nat-ip \"" + ui.Edit44->text() + "\"");
    w.empty();
}
