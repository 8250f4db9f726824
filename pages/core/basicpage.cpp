#include "basicpage.h"

#include "linewriter.h"

BasicPage::BasicPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
    connect(ui.CheckBox1, &QCheckBox::toggled, this, &BasicPage::CheckBox1Click);
    connect(ui.CheckBox2, &QCheckBox::toggled, this, &BasicPage::CheckBox2Click);
}

void BasicPage::CheckBox1Click()
{
    ui.Edit7->setEnabled(ui.CheckBox1->isChecked());
}

void BasicPage::CheckBox2Click()
{
    ui.Edit8->setEnabled(ui.CheckBox2->isChecked());
    ui.Edit9->setEnabled(ui.CheckBox2->isChecked());
}

void BasicPage::emitSection(LineWriter &w) const
{
    w.spaced("#!" + ui.Edit1->text());
    w.sectionBanner("BASIC SETTINGS");
    w.spaced("set username \"" + ui.Edit2->text() + "\"");
    w.spaced("set admin \"" + ui.Edit3->text() + "\"");
    w.spaced("set network \"" + ui.Edit4->text() + "\"");
    w.spaced("set timezone \"" + ui.Edit5->text() + "\"");
    w.spaced("set offset \"" + ui.Edit6->text() + "\"");
    if (ui.CheckBox1->isChecked())
        w.spaced("addlang \"" + ui.Edit7->text() + "\"");
    if (ui.CheckBox2->isChecked()) {
        w.plain("set my-hostname \"" + ui.Edit8->text() + "\"");
        w.spaced("set my-ip \"" + ui.Edit9->text() + "\"");
    }
}
