// "Server" and "Server #2": the server module section, the lines that
// depend on the network type, and the server list.
#include <QComboBox>

#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {

QByteArray serverSection(const QByteArray &file)
{
    return section(file, "# SERVER MODULE #", "# DNS MODULE #");
}

QByteArray defaultSection()
{
    return serverSection(golden("default.conf"));
}

QMap<QString, bool> enabledStates()
{
    QMap<QString, bool> states;
    for (QWidget *w : find("Pages")->findChildren<QWidget *>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            states.insert(w->objectName(), w->isEnabled());
    return states;
}

} // namespace

class ServerPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void everyControlCarriesItsCaption()
    {
        const QList<std::pair<const char *, const char *>> labels = {
            {"Edit63", "Nick :"},          {"Edit64", "Altnick :"},
            {"Edit65", "Realname :"},      {"Edit66", "Default Port :"},
            {"Edit67", "Server Cycle Wait :"}, {"Edit72", "Server Timeout :"},
            {"Edit73", "Servlimit :"},     {"Edit70", "Max Queue Msg :"},
            {"Edit71", "Optimize Kicks :"}, {"Edit48", "Nick Len :"},
            {"Edit74", "Answer Ctcp :"},   {"Edit75", "Flood Msg :"},
            {"Edit76", "Flood Ctcp :"},    {"Edit79", "Server Name :"},
            {"Edit78", "Port :"},          {"Edit77", "Password :"},
        };
        for (const auto &[name, caption] : labels) {
            QVERIFY2(!labelOf(name).isNull(), name);
            QCOMPARE(labelOf(name), QString::fromLatin1(caption));
        }
        const QList<std::pair<const char *, const char *>> boxes = {
            {"CheckBox33", "Load Module"},      {"CheckBox34", "Keep Nick"},
            {"CheckBox58", "Strict Servernames"}, {"CheckBox59", "Never Give Up"},
            {"CheckBox60", "Check Stoned"},     {"CheckBox61", "Serverror Quit"},
            {"CheckBox62", "Use Console r"},    {"CheckBox63", "Debug Output"},
            {"CheckBox64", "Strict Host"},      {"CheckBox65", "Quiet Reject"},
            {"CheckBox66", "Lowercase Ctcp"},   {"CheckBox70", "Double Help"},
            {"CheckBox67", "Trigger On Ignore"}, {"CheckBox68", "Double Mode"},
            {"CheckBox71", "Use Penalties"},    {"CheckBox72", "Check Mode r"},
            {"CheckBox69", "Double Server"},    {"Button8", "ADD"},
            {"Button9", "DELETE"},
        };
        for (const auto &[name, caption] : boxes)
            QCOMPARE(control<QAbstractButton>(name)->text(), QString::fromLatin1(caption));
        // The network type is picked from the list, never typed.
        auto *combo = control<QComboBox>("ComboBox1");
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), 6);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(edit("Edit79")->text(), "you.need.to.change.this");
    }

    void section_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray base = defaultSection();

        QTest::newRow("defaults") << Action([] {}) << base;
        QTest::newRow("emptied edits keep their lines")
            << Action([] { type("Edit73", ""); type("Edit63", ""); type("Edit75", ""); })
            << withLine(withLine(withLine(base, "set servlimit 0", "set servlimit "),
                                 "set nick \"LamestBot\"", "set nick \"\""),
                        "set flood-msg 5:60", "set flood-msg ");
        QTest::newRow("values as typed: quote, blanks, Tcl")
            << Action([] { type("Edit64", "a\"b"); type("Edit65", " [x] $y "); type("Edit66", "+6697"); })
            << withLine(withLine(withLine(base, "set altnick \"L?m?stB?t\"", "set altnick \"a\"b\""),
                                 "set realname \"/msg LamestBot hello\"", "set realname \" [x] $y \""),
                        "set default-port 6667", "set default-port +6697");

        // Each box turns its own line, and only that one.
        const struct { const char *box, *before, *after; } switches[] = {
            {"CheckBox33", "loadmodule server", "#loadmodule server"},
            {"CheckBox34", "set keep-nick 1", "set keep-nick 0"},
            {"CheckBox58", "set strict-servernames 0", "set strict-servernames 1"},
            {"CheckBox59", "set never-give-up 1", "set never-give-up 0"},
            {"CheckBox60", "set check-stoned 1", "set check-stoned 0"},
            {"CheckBox61", "set serverror-quit 1", "set serverror-quit 0"},
            {"CheckBox62", "set use-console-r 0", "set use-console-r 1"},
            {"CheckBox63", "set debug-output 0", "set debug-output 1"},
            {"CheckBox64", "set strict-host 0", "set strict-host 1"},
            {"CheckBox65", "set quiet-reject 1", "set quiet-reject 0"},
            {"CheckBox66", "set lowercase-ctcp 0", "set lowercase-ctcp 1"},
            {"CheckBox70", "set double-help 0", "set double-help 1"},
            {"CheckBox67", "set trigger-on-ignore 0", "set trigger-on-ignore 1"},
            {"CheckBox68", "set double-mode 0", "set double-mode 1"},
            {"CheckBox71", "set use-penalties 1", "set use-penalties 0"},
            {"CheckBox69", "set double-server 0", "set double-server 1"},
        };
        for (const auto &s : switches) {
            const QString box = QString::fromLatin1(s.box);
            QTest::addRow("%s: %s", s.box, s.after) << Action([box] { press(box); })
                                                     << withLine(base, s.before, s.after);
        }
    }

    void section()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        QCOMPARE(serverSection(generate()), expected);
    }

    void networkType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("item");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("netType");
        QTest::addColumn<QByteArray>("nickLen");
        QTest::addColumn<QByteArray>("checkModeR");
        const Action none = [] {};
        const Action modeR = [] { press("CheckBox72"); };
        const Action len12 = [] { type("Edit48", "12"); };

        QTest::newRow("0") << 0 << "EFnet (non +e/+I hybrid)" << none << QByteArray("set net-type 0")
                           << QByteArray("#set nick-len 9") << QByteArray("#set check-mode-r 1");
        QTest::newRow("1") << 1 << "IRCnet" << none << QByteArray("set net-type 1")
                           << QByteArray("#set nick-len 9") << QByteArray("#set check-mode-r 1");
        QTest::newRow("2") << 2 << "Undernet" << none << QByteArray("set net-type 2")
                           << QByteArray("#set nick-len 9") << QByteArray("#set check-mode-r 1");
        QTest::newRow("3") << 3 << "DALnet" << none << QByteArray("set net-type 3")
                           << QByteArray("#set nick-len 9") << QByteArray("#set check-mode-r 1");
        QTest::newRow("4") << 4 << "EFnet +e/+I hybrid" << none << QByteArray("set net-type 4")
                           << QByteArray("#set nick-len 9") << QByteArray("#set check-mode-r 1");
        QTest::newRow("5: live") << 5 << "Others" << none << QByteArray("set net-type 5")
                                 << QByteArray("set nick-len 9") << QByteArray("set check-mode-r 0");
        QTest::newRow("5, Check Mode r") << 5 << "Others" << modeR << QByteArray("set net-type 5")
                                         << QByteArray("set nick-len 9") << QByteArray("set check-mode-r 1");
        QTest::newRow("1, Check Mode r: still the fixed comment")
            << 1 << "IRCnet" << modeR << QByteArray("set net-type 1") << QByteArray("#set nick-len 9")
            << QByteArray("#set check-mode-r 1");
        QTest::newRow("4, Check Mode r: still the fixed comment")
            << 4 << "EFnet +e/+I hybrid" << modeR << QByteArray("set net-type 4")
            << QByteArray("#set nick-len 9") << QByteArray("#set check-mode-r 1");
        QTest::newRow("3, Nick Len in the comment") << 3 << "DALnet" << len12 << QByteArray("set net-type 3")
                                                    << QByteArray("#set nick-len 12") << QByteArray("#set check-mode-r 1");
        QTest::newRow("5, Nick Len") << 5 << "Others" << len12 << QByteArray("set net-type 5")
                                     << QByteArray("set nick-len 12") << QByteArray("set check-mode-r 0");
        QTest::newRow("5, then back to 0") << 0 << "EFnet (non +e/+I hybrid)"
                                           << Action([] { chooseItem("ComboBox1", 5); })
                                           << QByteArray("set net-type 0") << QByteArray("#set nick-len 9")
                                           << QByteArray("#set check-mode-r 1");
    }

    void networkType()
    {
        QFETCH(int, type);
        QFETCH(QString, item);
        QFETCH(Action, action);
        QFETCH(QByteArray, netType);
        QFETCH(QByteArray, nickLen);
        QFETCH(QByteArray, checkModeR);
        action();
        chooseItem("ComboBox1", type);
        QCOMPARE(control<QComboBox>("ComboBox1")->currentText(), item);
        const QByteArray base = defaultSection();
        QCOMPARE(serverSection(generate()),
                 withLine(withLine(withLine(base, "set net-type 0", netType), "#set nick-len 9", nickLen),
                          "#set check-mode-r 1", checkModeR));
    }

    // Choosing a network type changes lines of the file, never what can be
    // edited, on any page.
    void networkTypeEnablesNothing()
    {
        const QMap<QString, bool> before = enabledStates();
        for (int type : {5, 1, 2, 3, 4, 0}) {
            chooseItem("ComboBox1", type);
            QCOMPARE(enabledStates(), before);
        }
        QVERIFY(edit("Edit48")->isEnabled());
        QVERIFY(box("CheckBox72")->isEnabled());
    }

    void serverList_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("block");

        QTest::newRow("the inputs as they start")
            << Action([] { press("Button8"); })
            << lines({"set servers {", "    you.need.to.change.this:6667", "}", ""});
        QTest::newRow("port only") << Action([] { addServer("irc.a.net", "6667", ""); })
                                   << lines({"set servers {", "    irc.a.net:6667", "}", ""});
        QTest::newRow("port and password") << Action([] { addServer("irc.a.net", "7000", "key"); })
                                           << lines({"set servers {", "    irc.a.net:7000:key", "}", ""});
        QTest::newRow("password, no port: in the port's place")
            << Action([] { addServer("irc.a.net", "", "key"); })
            << lines({"set servers {", "    irc.a.net:key", "}", ""});
        QTest::newRow("neither") << Action([] { addServer("irc.a.net", "", ""); })
                                 << lines({"set servers {", "    irc.a.net", "}", ""});
        QTest::newRow("rows in list order") << Action([] {
            addServer("a.net", "", "");
            addServer("b.net", "6669", "");
            addServer("c.net", "", "pw");
        }) << lines({"set servers {", "    a.net", "    b.net:6669", "    c.net:pw", "}", ""});
        QTest::newRow("an empty row after a server: four blanks alone") << Action([] {
            addServer("irc.a.net", "6667", "");
            addServer("", "", "");
        }) << lines({"set servers {", "    irc.a.net:6667", "    ", "}", ""});
        QTest::newRow("a row with a port and no name after a server") << Action([] {
            addServer("irc.a.net", "", "");
            addServer("", "6667", "");
        }) << lines({"set servers {", "    irc.a.net", "    :6667", "}", ""});
        QTest::newRow("values as typed: blanks kept")
            << Action([] { addServer(" my server", "66 ", "p w"); })
            << lines({"set servers {", "     my server:66 :p w", "}", ""});
        QTest::newRow("row 1 without a name, with a port: no block")
            << Action([] { addServer("", "6667", ""); }) << QByteArray();
        QTest::newRow("first server deleted, a nameless row moves up: no block") << Action([] {
            addServer("irc.a.net", "6667", "");
            addServer("", "6669", "");
            clickCell("StringGrid4", 1);
            press("Button9");
        }) << QByteArray();
        QTest::newRow("the only server deleted: no block") << Action([] {
            addServer("irc.a.net", "6667", "");
            press("Button9");
        }) << QByteArray();
    }

    // The list follows the last setting of the section, before the next
    // section's banner.
    void serverList()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, block);
        action();
        QCOMPARE(serverSection(generate()), defaultSection() + block);
    }
};

QTEST_MAIN(ServerPageTest)
#include "tst_serverpage.moc"
