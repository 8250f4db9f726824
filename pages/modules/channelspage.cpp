#include "channelspage.h"

#include "linewriter.h"

namespace {

// The global flag block: each flag's check box, in the order the flags are
// written (alphabetical, except that greet comes before dynamicinvites).
struct ChannelFlag
{
    QCheckBox *Ui::Channels2Page::*box;
    const char *name;
};

constexpr ChannelFlag GlobalFlags[] = {
    {&Ui::Channels2Page::CheckBox35, "autoop"},
    {&Ui::Channels2Page::CheckBox36, "autovoice"},
    {&Ui::Channels2Page::CheckBox37, "bitch"},
    {&Ui::Channels2Page::CheckBox38, "cycle"},
    {&Ui::Channels2Page::CheckBox39, "dontkickops"},
    {&Ui::Channels2Page::CheckBox40, "dynamicbans"},
    {&Ui::Channels2Page::CheckBox41, "dynamicexempts"},
    {&Ui::Channels2Page::CheckBox44, "greet"},
    {&Ui::Channels2Page::CheckBox42, "dynamicinvites"},
    {&Ui::Channels2Page::CheckBox43, "enforcebans"},
    {&Ui::Channels2Page::CheckBox45, "inactive"},
    {&Ui::Channels2Page::CheckBox46, "nodesynch"},
    {&Ui::Channels2Page::CheckBox47, "protectfriends"},
    {&Ui::Channels2Page::CheckBox48, "protectops"},
    {&Ui::Channels2Page::CheckBox49, "revenge"},
    {&Ui::Channels2Page::CheckBox50, "revengebot"},
    {&Ui::Channels2Page::CheckBox51, "secret"},
    {&Ui::Channels2Page::CheckBox52, "seen"},
    {&Ui::Channels2Page::CheckBox53, "shared"},
    {&Ui::Channels2Page::CheckBox54, "statuslog"},
    {&Ui::Channels2Page::CheckBox55, "userbans"},
    {&Ui::Channels2Page::CheckBox56, "userexempts"},
    {&Ui::Channels2Page::CheckBox57, "userinvites"},
};

} // namespace

ChannelsPage::ChannelsPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
    ui2.setupUi(addSheet());
}

void ChannelsPage::emitSection(LineWriter &w) const
{
    w.sectionBanner("MODULES");
    w.moduleBanner("CHANNELS");
    w.load(ui.CheckBox28, "channels");
    w.spaced("set chanfile \"" + ui.Edit49->text() + "\"");
    w.spaced("set ban-time " + ui.Edit50->text());
    w.spaced("set exempt-time " + ui.Edit51->text());
    w.spaced("set invite-time " + ui.Edit52->text());
    w.spacedFlag(ui.CheckBox29, "set force-expire");
    w.spacedFlag(ui.CheckBox30, "set share-greet");
    w.spacedFlag(ui.CheckBox31, "set use-info");
    w.spaced("set global-flood-chan " + ui.Edit53->text());
    w.spaced("set global-flood-join " + ui.Edit58->text());
    w.spaced("set global-flood-kick " + ui.Edit55->text());
    w.spaced("set global-flood-nick " + ui.Edit56->text());
    w.spaced("set global-flood-deop " + ui.Edit54->text());
    w.spaced("set global-flood-ctcp " + ui.Edit57->text());
    w.spaced("set global-aop-delay " + ui.Edit59->text());
    w.spaced("set global-chanmode \"" + ui.Edit60->text() + "\"");
    w.spacedFlag(ui2.CheckBox32, "set global-idle-kick");
    w.spaced("set global-stopnethack-mode " + ui2.Edit61->text());
    w.spaced("set global-revenge-mode " + ui2.Edit62->text());
    w.plain("set global-chanset {");
    for (const ChannelFlag &flag : GlobalFlags)
        w.plain(QLatin1String((ui2.*flag.box)->isChecked() ? "  +" : "  -") + QLatin1String(flag.name));
    w.spaced("}");
}
