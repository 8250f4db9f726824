// The module pages Share to Others: their default sections, their captions,
// and that every control changes its own line of the file and nothing else.
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>

#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {

// Acts, then checks that the file changed only in that `from` (whole lines)
// became `to`.
void expectOnlyChange(const Action &action, const QByteArray &from, const QByteArray &to)
{
    const QByteArray before = generate();
    const QByteArray old = "\r\n" + from;
    QCOMPARE(before.count(old), 1);
    action();
    QByteArray expected = before;
    expected.replace(old, "\r\n" + to);
    QCOMPARE(generate(), expected);
}

void addChangeColumns()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
}

} // namespace

class ModulePagesTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void defaultSections_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("next");
        QTest::newRow("file system") << QByteArray("# FILESYSTEM MODULE #") << QByteArray("# NOTES MODULE #");
        QTest::newRow("notes") << QByteArray("# NOTES MODULE #") << QByteArray("# CONSOLE MODULE #");
        QTest::newRow("console") << QByteArray("# CONSOLE MODULE #") << QByteArray("# ASSOC MODULE #");
        QTest::newRow("others") << QByteArray("# ASSOC MODULE #") << QByteArray("### SCRIPTS ###");
    }

    void defaultSections()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, next);
        const QByteArray expected = section(golden("default.conf"), first, next);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(section(generate(), first, next), expected);
    }

    void everyOtherModuleLoaded()
    {
        for (const char *name : {"CheckBox180", "CheckBox182", "CheckBox184", "CheckBox185", "CheckBox186"})
            press(name);
        QCOMPARE(section(generate(), "# ASSOC MODULE #", "### SCRIPTS ###"),
                 lines({"# ASSOC MODULE #", "", "loadmodule assoc", "",
                        "# BLOWFISH MODULE #", "", "checkmodule blowfish", "",
                        "# SEEN MODULE #", "", "loadmodule seen", "",
                        "# UPTIME MODULE #", "", "loadmodule uptime", "",
                        "# WIRE MODULE #", "", "loadmodule wire", "",
                        "# WOOBIE MODULE #", "", "loadmodule woobie", ""}));
    }

    // Each load box, pressed once from its default. Only Share's box takes
    // its settings along.
    void loadLines_data()
    {
        addChangeColumns();
        const auto row = [](const char *box, QByteArray from, QByteArray to) {
            QTest::newRow(box) << Action([box] { press(box); }) << from << to;
        };
        row("CheckBox93",
            lines({"loadmodule share", "", "set resync-time 900", "", "set private-globals \"mnot\"", "",
                   "set allow-resync 0", "", "set private-global 0", "", "set private-user 0", "",
                   "set override-bots 0"}),
            lines({"#loadmodule share", "", "#set resync-time 900", "", "#set private-globals \"mnot\"", "",
                   "#set allow-resync 0", "", "#set private-global 0", "", "#set private-user 0", "",
                   "#set override-bots 0"}));
        row("CheckBox98", lines({"loadmodule filesys"}), lines({"#loadmodule filesys"}));
        row("CheckBox100", lines({"loadmodule notes"}), lines({"#loadmodule notes"}));
        row("CheckBox181", lines({"loadmodule console"}), lines({"#loadmodule console"}));
        row("CheckBox180", lines({"#loadmodule assoc"}), lines({"loadmodule assoc"}));
        row("CheckBox182", lines({"#checkmodule blowfish"}), lines({"checkmodule blowfish"}));
        row("CheckBox183", lines({"loadmodule seen"}), lines({"#loadmodule seen"}));
        row("CheckBox184", lines({"#loadmodule uptime"}), lines({"loadmodule uptime"}));
        row("CheckBox185", lines({"#loadmodule wire"}), lines({"loadmodule wire"}));
        row("CheckBox186", lines({"#loadmodule woobie"}), lines({"loadmodule woobie"}));
    }

    void loadLines()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        expectOnlyChange(action, from, to);
    }

    void settings_data()
    {
        addChangeColumns();
        const auto emptied = [](const char *edit, const char *from, const char *to) {
            QTest::newRow(edit) << Action([edit] { type(edit, ""); }) << lines({from}) << lines({to});
        };
        const auto pressed = [](const char *box, const char *from, const char *to) {
            QTest::newRow(box) << Action([box] { press(box); }) << lines({from}) << lines({to});
        };
        emptied("Edit97", "set files-path \"/home/mydir/eggdrop/filesys\"", "set files-path \"\"");
        emptied("Edit98", "set incoming-path \"/home/mydir/eggdrop/filesys/incoming\"", "set incoming-path \"\"");
        emptied("Edit100", "set max-file-users 20", "set max-file-users ");
        emptied("Edit101", "set max-filesize 1024", "set max-filesize ");
        emptied("Edit102", "set notefile \"LamestBot.notes\"", "set notefile \"\"");
        emptied("Edit103", "set max-notes 50", "set max-notes ");
        emptied("Edit104", "set note-life 60", "set note-life ");
        QTest::newRow("Edit99 typed") << Action([] { type("Edit99", "/home/mydir/filedb"); })
                                      << lines({"set filedb-path \"\""})
                                      << lines({"set filedb-path \"/home/mydir/filedb\""});
        QTest::newRow("values as typed: quote, blanks")
            << Action([] { type("Edit98", " in\"coming "); })
            << lines({"set incoming-path \"/home/mydir/eggdrop/filesys/incoming\""})
            << lines({"set incoming-path \" in\"coming \""});
        pressed("CheckBox99", "set upload-to-pwd 0", "set upload-to-pwd 1");
        pressed("CheckBox101", "set allow-fwd 0", "set allow-fwd 1");
        pressed("CheckBox102", "set notify-users 1", "set notify-users 0");
        pressed("CheckBox103", "set notify-onjoin 1", "set notify-onjoin 0");
        pressed("CheckBox178", "set console-autosave 1", "set console-autosave 0");
        pressed("CheckBox177", "set force-channel 0", "set force-channel 1");
        pressed("CheckBox179", "set info-party 0", "set info-party 1");
    }

    void settings()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        expectOnlyChange(action, from, to);
    }

    void captions()
    {
        const QList<std::pair<const char *, const char *>> captions = {
            {"TabSheet13", "Share"},   {"TabSheet14", "File System"}, {"TabSheet15", "Notes"},
            {"TabSheet16", "Console"}, {"TabSheet17", "Others"},
            {"CheckBox93", "Load Module"},  {"Edit95", "Resync Time :"},  {"Edit96", "Private Globals :"},
            {"CheckBox94", "Allow Resync"}, {"CheckBox95", "Private Global"},
            {"CheckBox96", "Private User"}, {"CheckBox97", "Override Bots"},
            {"CheckBox98", "Load Module"},  {"Edit97", "Files Path :"},   {"Edit98", "Incoming Path :"},
            {"Edit99", "Filedb Path :"},    {"Edit100", "Max File Users :"}, {"Edit101", "Max Filesize :"},
            {"CheckBox99", "Upload To Pwd"},
            {"CheckBox100", "Load Module"}, {"Edit102", "Notefile :"},    {"Edit103", "Max Notes :"},
            {"Edit104", "Note Life :"},     {"CheckBox101", "Allow Fwd"}, {"CheckBox102", "Notify Users"},
            {"CheckBox103", "Notify Onjoin"},
            {"CheckBox181", "Load Module"}, {"CheckBox178", "Console Autosave"},
            {"CheckBox177", "Force Channel"}, {"CheckBox179", "Info Party"},
            {"CheckBox180", "Load Module Assoc"}, {"CheckBox182", "Load Module Blowfish"},
            {"CheckBox183", "Load Module Seen"},  {"CheckBox184", "Load Module Uptime"},
            {"CheckBox185", "Load Module Wire"},  {"CheckBox186", "Load Module Woobie"},
        };
        for (const auto &[name, caption] : captions) {
            QVERIFY2(!captionOf(name).isNull(), name);
            QCOMPARE(captionOf(name), QString::fromLatin1(caption));
            QVERIFY2(find(name)->isEnabled(), name);
        }
    }

    void consoleSubPageShowsItsControlsWithoutInnerTabs()
    {
        QWidget *sheet = find("TabSheet16");
        showPageOf(sheet);
        auto *inner = control<QTabWidget>("PageControl2");
        QVERIFY(sheet->isVisible());
        QCOMPARE(inner->currentWidget(), find("TabSheet32"));
        QVERIFY(!inner->tabBar()->isVisible());
        QCOMPARE(find("TabSheet32")->mapTo(sheet, QPoint(0, 0)), QPoint(0, 0));
        for (const char *name : {"CheckBox181", "CheckBox178", "CheckBox177", "CheckBox179", "Memo71", "Memo69"})
            QVERIFY2(find(name)->isVisible(), name);
    }

    // The help on the console settings is headed by the lines the defaults write.
    void consoleHelpHeadingsAreTheDefaultLines()
    {
        const QByteArray written = section(generate(), "# CONSOLE MODULE #", "# ASSOC MODULE #");
        QStringList headings;
        showPageOf(control<QPlainTextEdit>("Memo69")); // as the user reads it
        for (const QString &line : control<QPlainTextEdit>("Memo69")->toPlainText().split('\n'))
            if (line.startsWith("set "))
                headings << line;
        QCOMPARE(headings, QStringList({"set console-autosave 1", "set force-channel 0", "set info-party 0"}));
        for (const QString &heading : headings)
            QVERIFY2(written.contains("\r\n" + heading.toLatin1() + "\r\n"), qPrintable(heading));
    }
};

QTEST_MAIN(ModulePagesTest)
#include "tst_modulepages.moc"
