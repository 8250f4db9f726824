#include "botnetpage.h"

#include "linewriter.h"

BotnetPage::BotnetPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
    connect(ui.CheckBox8, &QCheckBox::toggled, this, &BotnetPage::CheckBox8Click);
    connect(ui.RadioButton1, &QRadioButton::toggled, this, &BotnetPage::RadioButton1Click);
    connect(ui.RadioButton2, &QRadioButton::toggled, this, &BotnetPage::RadioButton2Click);
}

void BotnetPage::CheckBox8Click()
{
    ui.Edit27->setEnabled(ui.CheckBox8->isChecked());
}

// The port edits follow the listen choice; the one being left keeps its
// text, ready for when it is chosen again.
void BotnetPage::RadioButton1Click()
{
    if (!ui.RadioButton1->isChecked())
        return;
    ui.Edit28->setEnabled(true);
    ui.Edit29->setEnabled(false);
    ui.Edit30->setEnabled(false);
}

void BotnetPage::RadioButton2Click()
{
    if (!ui.RadioButton2->isChecked())
        return;
    ui.Edit28->setEnabled(false);
    ui.Edit29->setEnabled(true);
    ui.Edit30->setEnabled(true);
}

void BotnetPage::emitSection(LineWriter &w) const
{
    w.sectionBanner("BOTNET/DCC/TELNET");
    if (ui.CheckBox8->isChecked())
        w.spaced("set botnet-nick \"" + ui.Edit27->text() + "\"");
    if (ui.RadioButton1->isChecked()) {
        w.plain("listen " + ui.Edit28->text() + " all");
    } else if (ui.RadioButton2->isChecked()) {
        w.plain("listen " + ui.Edit29->text() + " bots");
        w.plain("listen " + ui.Edit30->text() + " users");
    }
    w.empty();
    if (ui.RadioButton3->isChecked())
        w.plain("set remote-boots 0");
    else if (ui.RadioButton4->isChecked())
        w.plain("set remote-boots 1");
    else if (ui.RadioButton5->isChecked())
        w.plain("set remote-boots 2");
    w.empty();
    w.spacedFlag(ui.CheckBox9, "set share-unlinks");
    w.spacedFlag(ui.CheckBox10, "set protect-telnet");
    w.spacedFlag(ui.CheckBox12, "set require-p");
    w.spacedFlag(ui.CheckBox11, "set dcc-sanitycheck");
    w.spacedFlag(ui.CheckBox13, "set open-telnets");
    w.spacedFlag(ui.CheckBox14, "set stealth-telnets");
    w.spacedFlag(ui.CheckBox16, "set paranoid-telnet-flood");
    w.spacedFlag(ui.CheckBox15, "set use-telnet-banner");
    w.spaced("set ident-timeout " + ui.Edit31->text());
    w.spaced("set connect-timeout " + ui.Edit32->text());
    w.spaced("set dcc-flood-thr " + ui.Edit33->text());
    w.spaced("set telnet-flood " + ui.Edit34->text());
    w.spaced("set resolve-timeout " + ui.Edit35->text());
}
