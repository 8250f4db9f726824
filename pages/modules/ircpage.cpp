#include "ircpage.h"

#include "linewriter.h"
#include "serverpage.h"

namespace {
constexpr int IrcNet = 1;
constexpr int OtherNetworks = 5;
} // namespace

IrcPage::IrcPage(const ServerPage &server, QObject *parent) : SettingsPage(parent), m_server(server)
{
    ui.setupUi(addSheet());
    ui2.setupUi(addSheet());
}

// Every setting is written live even when the module is not loaded: only the
// load line is commented out. The settings of one network type are commented
// out for the others, with a fixed value in place of the box's.
void IrcPage::emitSection(LineWriter &w) const
{
    const int netType = m_server.networkType();

    w.moduleBanner("IRC");
    w.load(ui.CheckBox75, "irc");
    w.spacedFlag(ui.CheckBox76, "set bounce-bans");
    w.spacedFlag(ui.CheckBox77, "set bounce-modes");
    w.spacedFlag(ui.CheckBox78, "set kick-fun");
    w.spacedFlag(ui.CheckBox79, "set ban-fun");
    w.spacedFlag(ui.CheckBox80, "set learn-users");
    w.spacedFlag(ui.CheckBox81, "set no-chanrec-info");
    w.spaced("set max-modes " + ui.Edit81->text());
    w.spaced("set max-bans " + ui.Edit82->text());
    w.spaced("set wait-split " + ui.Edit83->text());
    w.spaced("set wait-info " + ui.Edit84->text());
    w.spaced("set mode-buf-length " + ui.Edit85->text());

    // hello is left alone unless renamed; ident and addhost are always
    // unbound, and bound again only under a new word.
    if (ui.CheckBox19->isChecked()) {
        w.plain("unbind msg - hello *msg:hello");
        w.spaced("bind msg - " + ui.Edit86->text() + " *msg:hello");
    }
    w.plain("unbind msg - ident *msg:ident");
    if (ui.CheckBox187->isChecked())
        w.plain("bind msg - " + ui.Edit87->text() + " *msg:ident");
    w.empty();
    w.plain("unbind msg - addhost *msg:addhost");
    if (ui.CheckBox188->isChecked())
        w.plain("bind msg - " + ui.Edit161->text() + " *msg:addhost");
    w.empty();

    w.spacedFlag(ui2.CheckBox82, "set bounce-exempts");
    w.spacedFlag(ui2.CheckBox83, "set bounce-invites");
    if (netType == IrcNet) {
        w.spacedFlag(ui2.CheckBox84, "set use-exempts");
        w.spacedFlag(ui2.CheckBox88, "set use-invites");
    } else {
        w.spaced("#set use-exempts 0");
        w.spaced("#set use-invites 0");
    }
    w.spacedFlag(ui2.CheckBox89, "set prevent-mixing");
    w.spaced("set max-exempts " + ui2.Edit88->text());
    w.spaced("set max-invites " + ui2.Edit89->text());

    if (netType == OtherNetworks) {
        w.spacedFlag(ui2.CheckBox86, "set include-lk");
        w.spacedFlag(ui2.CheckBox87, "set use-354");
        w.switchLine(ui2.CheckBox90, "set rfc-compliant 1", "set rfc-compliant 0");
        w.spaced("set kick-method " + ui2.Edit91->text());
        w.spaced("set modes-per-line " + ui2.Edit90->text());
    } else {
        w.spaced("#set include-lk 1");
        w.spaced("#set use-354 0");
        w.plain("#set rfc-compliant 1");
        w.spaced("#set kick-method " + ui2.Edit91->text());
        w.spaced("#set modes-per-line " + ui2.Edit90->text());
    }
}
