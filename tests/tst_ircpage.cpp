// "Irc" and "Irc #2": their controls, and the irc module section with its
// message commands and the lines that belong to one network type.
#include <algorithm>
#include <array>

#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {

QByteArray ircSection()
{
    return section(generate(), "# IRC MODULE #", "# TRANSFER MODULE #");
}

// The section in pieces, each at its default with network type 0.
QByteArray loaded()
{
    return lines({"# IRC MODULE #", "", "loadmodule irc", ""});
}

QByteArray settings()
{
    return lines({"set bounce-bans 1", "", "set bounce-modes 0", "", "set kick-fun 0", "",
                  "set ban-fun 0", "", "set learn-users 0", "", "set no-chanrec-info 0", "",
                  "set max-modes 30", "", "set max-bans 20", "", "set wait-split 600", "",
                  "set wait-info 180", "", "set mode-buf-length 200", ""});
}

QByteArray commands()
{
    return lines({"unbind msg - hello *msg:hello", "bind msg - myword *msg:hello", "",
                  "unbind msg - ident *msg:ident", "", "unbind msg - addhost *msg:addhost", ""});
}

QByteArray ircnet(const char *useExempts = "#set use-exempts 0",
                  const char *useInvites = "#set use-invites 0")
{
    return lines({"set bounce-exempts 0", "", "set bounce-invites 0", "", useExempts, "", useInvites,
                  "", "set prevent-mixing 1", "", "set max-exempts 20", "", "set max-invites 20", ""});
}

QByteArray others(const char *includeLk = "#set include-lk 1", const char *use354 = "#set use-354 0",
                  const char *rfc = "#set rfc-compliant 1", const char *kick = "#set kick-method 1",
                  const char *modes = "#set modes-per-line 3")
{
    return lines({includeLk, "", use354, "", rfc, kick, "", modes, ""});
}

} // namespace

class IrcPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("holder");
        const QList<std::array<const char *, 3>> rows = {
            {"TabSheet11", "Irc", "PageControl1"},
            {"CheckBox75", "Load Module", "TabSheet11"},
            {"CheckBox76", "Bounce Bans ", "TabSheet11"},
            {"CheckBox77", "Bounce Modes", "TabSheet11"},
            {"CheckBox78", "Kick Fun", "TabSheet11"},
            {"CheckBox79", "Ban Fun", "TabSheet11"},
            {"CheckBox80", "Learn Users", "TabSheet11"},
            {"CheckBox81", "No Chanrec Info", "TabSheet11"},
            {"Edit81", "Max Modes :", "TabSheet11"},
            {"Edit82", "Max Bans :", "TabSheet11"},
            {"Edit83", "Wait Split :", "TabSheet11"},
            {"Edit84", "Wait Info :", "TabSheet11"},
            {"Edit85", "Mode Buf Length :", "TabSheet11"},
            {"Edit86", "Hello Msg :", "TabSheet11"},
            {"CheckBox19", "Enable", "TabSheet11"},
            {"Edit87", "Ident Msg :", "TabSheet11"},
            {"CheckBox187", "Enable", "TabSheet11"},
            {"Edit161", "Addhost Msg :", "TabSheet11"},
            {"CheckBox188", "Enable", "TabSheet11"},
            {"TabSheet20", "Irc #2", "PageControl1"},
            {"GroupBox1", "IRCnet specific features", "TabSheet20"},
            {"CheckBox82", "Bounce Exempts", "GroupBox1"},
            {"CheckBox83", "Bounce Invites", "GroupBox1"},
            {"CheckBox84", "Use Exempts", "GroupBox1"},
            {"CheckBox88", "Use Invites", "GroupBox1"},
            {"CheckBox89", "Prevent Mixing", "GroupBox1"},
            {"Edit88", "Max Exempts :", "GroupBox1"},
            {"Edit89", "Max Invites :", "GroupBox1"},
            {"GroupBox2", "Net-type 5 specific features", "TabSheet20"},
            {"CheckBox86", "Include lk", "GroupBox2"},
            {"CheckBox87", "Use 354", "GroupBox2"},
            {"CheckBox90", "Rfc Compliant", "GroupBox2"},
            {"Edit91", "Kick Method :", "GroupBox2"},
            {"Edit90", "Modes Per Line :", "GroupBox2"},
        };
        for (const auto &[name, caption, holder] : rows)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                                << QString::fromLatin1(holder);
    }

    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, holder);
        QWidget *w = find(name);
        QCOMPARE(captionOf(name), caption);
        QVERIFY(find(holder)->isAncestorOf(w));
        QVERIFY(w->isEnabled());
    }

    // The Enable boxes only choose the lines; neither they nor the network
    // type grey anything out here.
    void nothingIsGreyedOut()
    {
        for (const char *b : {"CheckBox19", "CheckBox187", "CheckBox188"})
            press(b);
        chooseItem("ComboBox1", 5);
        chooseItem("ComboBox1", 1);
        for (const char *e : {"Edit86", "Edit87", "Edit161", "Edit88", "Edit89", "Edit90", "Edit91"})
            QVERIFY2(edit(e)->isEnabled(), e);
    }

    void defaultsMatchTheReferenceFile()
    {
        const QByteArray first = "# IRC MODULE #", next = "# TRANSFER MODULE #";
        QCOMPARE(section(generate(), first, next), section(golden("default.conf"), first, next));
    }

    void writtenSection_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray hello = lines({"unbind msg - hello *msg:hello", "bind msg - myword *msg:hello", ""});
        const QByteArray ident = lines({"unbind msg - ident *msg:ident", ""});
        const QByteArray addhost = lines({"unbind msg - addhost *msg:addhost", ""});

        QTest::newRow("defaults") << Action([] {}) << loaded() + settings() + commands() + ircnet() + others();
        QTest::newRow("module not loaded: only its load line changes")
            << Action([] { press("CheckBox75"); })
            << lines({"# IRC MODULE #", "", "#loadmodule irc", ""}) + settings() + commands() + ircnet()
                   + others();

        QTest::newRow("hello off: no hello lines and no empty line")
            << Action([] { press("CheckBox19"); })
            << loaded() + settings() + ident + addhost + ircnet() + others();
        QTest::newRow("hello off with a new word: still nothing")
            << Action([] { press("CheckBox19"); type("Edit86", "hi"); })
            << loaded() + settings() + ident + addhost + ircnet() + others();
        QTest::newRow("hello word emptied: two blanks")
            << Action([] { type("Edit86", ""); })
            << loaded() + settings()
                   + lines({"unbind msg - hello *msg:hello", "bind msg -  *msg:hello", ""}) + ident
                   + addhost + ircnet() + others();
        QTest::newRow("ident on: unbound and bound again, one empty line")
            << Action([] { press("CheckBox187"); })
            << loaded() + settings() + hello
                   + lines({"unbind msg - ident *msg:ident", "bind msg - identword *msg:ident", ""})
                   + addhost + ircnet() + others();
        QTest::newRow("addhost on with a word as typed")
            << Action([] { press("CheckBox188"); type("Edit161", " add host"); })
            << loaded() + settings() + hello + ident
                   + lines({"unbind msg - addhost *msg:addhost", "bind msg -  add host *msg:addhost", ""})
                   + ircnet() + others();
        QTest::newRow("hello off, ident and addhost renamed")
            << Action([] {
                   press("CheckBox19");
                   press("CheckBox187");
                   press("CheckBox188");
                   type("Edit87", "me");
                   type("Edit161", "host");
               })
            << loaded() + settings()
                   + lines({"unbind msg - ident *msg:ident", "bind msg - me *msg:ident", "",
                            "unbind msg - addhost *msg:addhost", "bind msg - host *msg:addhost", ""})
                   + ircnet() + others();

        QTest::newRow("every switch flipped, every value typed")
            << Action([] {
                   for (const char *b : {"CheckBox76", "CheckBox77", "CheckBox78", "CheckBox79",
                                         "CheckBox80", "CheckBox81", "CheckBox82", "CheckBox83",
                                         "CheckBox89"})
                       press(b);
                   type("Edit81", "31");
                   type("Edit82", "22");
                   type("Edit83", "1500");
                   type("Edit84", "90");
                   type("Edit85", "$len");
                   type("Edit88", "\"e\"");
                   type("Edit89", "");
               })
            << loaded()
                   + lines({"set bounce-bans 0", "", "set bounce-modes 1", "", "set kick-fun 1", "",
                            "set ban-fun 1", "", "set learn-users 1", "", "set no-chanrec-info 1", "",
                            "set max-modes 31", "", "set max-bans 22", "", "set wait-split 1500", "",
                            "set wait-info 90", "", "set mode-buf-length $len", ""})
                   + commands()
                   + lines({"set bounce-exempts 1", "", "set bounce-invites 1", "", "#set use-exempts 0",
                            "", "#set use-invites 0", "", "set prevent-mixing 0", "",
                            "set max-exempts \"e\"", "", "set max-invites ", ""})
                   + others();
    }

    void writtenSection()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        QCOMPARE(ircSection(), expected);
    }

    void networkTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("groups");
        for (int type : {0, 2, 3, 4})
            QTest::addRow("type %d: both groups commented", type) << type << Action([] {})
                                                                   << ircnet() + others();
        QTest::newRow("type 0, every type-dependent box flipped: fixed values, edits as typed")
            << 0
            << Action([] {
                   for (const char *b : {"CheckBox84", "CheckBox88", "CheckBox86", "CheckBox87", "CheckBox90"})
                       press(b);
                   type("Edit91", "0");
                   type("Edit90", "6");
               })
            << ircnet() + others("#set include-lk 1", "#set use-354 0", "#set rfc-compliant 1",
                                 "#set kick-method 0", "#set modes-per-line 6");
        QTest::newRow("type 1: exempts and invites live")
            << 1 << Action([] {}) << ircnet("set use-exempts 0", "set use-invites 0") + others();
        QTest::newRow("type 1, Use Exempts checked")
            << 1 << Action([] { press("CheckBox84"); })
            << ircnet("set use-exempts 1", "set use-invites 0") + others();
        QTest::newRow("type 1, Use Invites checked, Include lk unchecked")
            << 1 << Action([] { press("CheckBox88"); press("CheckBox86"); })
            << ircnet("set use-exempts 0", "set use-invites 1") + others();
        QTest::newRow("type 5: net-type 5 group live")
            << 5 << Action([] {})
            << ircnet() + others("set include-lk 1", "set use-354 0", "set rfc-compliant 1",
                                 "set kick-method 1", "set modes-per-line 3");
        QTest::newRow("type 5, every box flipped, values typed")
            << 5
            << Action([] {
                   for (const char *b : {"CheckBox84", "CheckBox88", "CheckBox86", "CheckBox87", "CheckBox90"})
                       press(b);
                   type("Edit91", "0");
                   type("Edit90", "6");
               })
            << ircnet() + others("set include-lk 0", "set use-354 1", "set rfc-compliant 0",
                                 "set kick-method 0", "set modes-per-line 6");
    }

    void networkTypes()
    {
        QFETCH(int, type);
        QFETCH(Action, action);
        QFETCH(QByteArray, groups);
        chooseItem("ComboBox1", type);
        action();
        const QByteArray text = ircSection();
        QCOMPARE(text, loaded() + settings() + commands() + groups);

        // The rfc-compliant line has no empty line after it, in either form.
        const QList<QByteArray> all = text.split('\n');
        const auto rfc = std::find_if(all.begin(), all.end(), [](const QByteArray &l) {
            return l.startsWith("set rfc-compliant ") || l.startsWith("#set rfc-compliant ");
        });
        QVERIFY(rfc != all.end() && rfc + 1 != all.end());
        QVERIFY((rfc + 1)->startsWith("set kick-method ") || (rfc + 1)->startsWith("#set kick-method "));
    }
};

QTEST_MAIN(IrcPageTest)
#include "tst_ircpage.moc"
