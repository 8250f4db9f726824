// "Share": the one module whose load box also comments out its settings,
// keeping the values chosen for them.
#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {
const QByteArray Banner = "# SHARE MODULE #";
const QByteArray Next = "# FILESYSTEM MODULE #";

// The section's shape: banner, load line and six settings, each followed by
// an empty line.
QByteArray shareSection(const char *load, std::initializer_list<const char *> settings)
{
    QByteArray out = Banner + "\r\n\r\n" + load + "\r\n\r\n";
    for (const char *line : settings)
        out += QByteArray(line) + "\r\n\r\n";
    return out;
}
} // namespace

class SharePageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void defaultSectionIsTheGoldenOne()
    {
        const QByteArray expected = section(golden("default.conf"), Banner, Next);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(section(generate(), Banner, Next), expected);
    }

    void forms_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("defaults") << Action([] {})
            << shareSection("loadmodule share",
                            {"set resync-time 900", "set private-globals \"mnot\"", "set allow-resync 0",
                             "set private-global 0", "set private-user 0", "set override-bots 0"});
        QTest::newRow("not loaded: all six commented out")
            << Action([] { press("CheckBox93"); })
            << shareSection("#loadmodule share",
                            {"#set resync-time 900", "#set private-globals \"mnot\"", "#set allow-resync 0",
                             "#set private-global 0", "#set private-user 0", "#set override-bots 0"});
        QTest::newRow("not loaded, Allow Resync checked")
            << Action([] { press("CheckBox93"); press("CheckBox94"); })
            << shareSection("#loadmodule share",
                            {"#set resync-time 900", "#set private-globals \"mnot\"", "#set allow-resync 1",
                             "#set private-global 0", "#set private-user 0", "#set override-bots 0"});
        QTest::newRow("not loaded keeps every value chosen")
            << Action([] {
                   press("CheckBox93");
                   type("Edit95", "300");
                   type("Edit96", "mn");
                   for (const char *name : {"CheckBox94", "CheckBox95", "CheckBox96", "CheckBox97"})
                       press(name);
               })
            << shareSection("#loadmodule share",
                            {"#set resync-time 300", "#set private-globals \"mn\"", "#set allow-resync 1",
                             "#set private-global 1", "#set private-user 1", "#set override-bots 1"});
        QTest::newRow("loaded, every box checked")
            << Action([] {
                   for (const char *name : {"CheckBox94", "CheckBox95", "CheckBox96", "CheckBox97"})
                       press(name);
               })
            << shareSection("loadmodule share",
                            {"set resync-time 900", "set private-globals \"mnot\"", "set allow-resync 1",
                             "set private-global 1", "set private-user 1", "set override-bots 1"});
        QTest::newRow("unloaded, then loaded again")
            << Action([] { press("CheckBox93"); press("CheckBox95"); press("CheckBox93"); })
            << shareSection("loadmodule share",
                            {"set resync-time 900", "set private-globals \"mnot\"", "set allow-resync 0",
                             "set private-global 1", "set private-user 0", "set override-bots 0"});
        QTest::newRow("emptied edits keep the blank and the quotes")
            << Action([] { type("Edit95", ""); type("Edit96", ""); })
            << shareSection("loadmodule share",
                            {"set resync-time ", "set private-globals \"\"", "set allow-resync 0",
                             "set private-global 0", "set private-user 0", "set override-bots 0"});
        QTest::newRow("emptied edits, not loaded")
            << Action([] { type("Edit95", ""); type("Edit96", ""); press("CheckBox93"); })
            << shareSection("#loadmodule share",
                            {"#set resync-time ", "#set private-globals \"\"", "#set allow-resync 0",
                             "#set private-global 0", "#set private-user 0", "#set override-bots 0"});
        QTest::newRow("values as typed: quote, blanks, Tcl")
            << Action([] { type("Edit95", " [expr 60*15] "); type("Edit96", "m\"n "); })
            << shareSection("loadmodule share",
                            {"set resync-time  [expr 60*15] ", "set private-globals \"m\"n \"",
                             "set allow-resync 0", "set private-global 0", "set private-user 0",
                             "set override-bots 0"});
    }

    void forms()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        const QByteArray actual = section(generate(), Banner, Next);
        QCOMPARE(actual, expected);
        QCOMPARE(actual.count("\r\n"), 16);
    }

    void unloadingDisablesNothing()
    {
        press("CheckBox93");
        for (const char *name : {"Edit95", "Edit96", "CheckBox94", "CheckBox95", "CheckBox96", "CheckBox97"})
            QVERIFY2(find(name)->isEnabled(), name);
    }
};

QTEST_MAIN(SharePageTest)
#include "tst_sharepage.moc"
