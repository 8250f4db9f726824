// "Console - Files/Directories": its defaults and the two sections it writes.
#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {
// Both sections: console, then files and directories.
QByteArray consoleFilesSections()
{
    return section(generate(), "### CONSOLE ###", "### BOTNET/DCC/TELNET ###");
}

// The sections with every control at its default, with `from` replaced by `to`.
QByteArray defaultsWith(const QByteArray &from = {}, const QByteArray &to = {})
{
    QByteArray text = lines({"### CONSOLE ###", "", "set console \"mkcobxs\"", "",
                             "### FILES AND DIRECTORIES ###", "",
                             "set userfile \"LamestBot.user\"", "", "set pidfile \"pid.LamestBot\"", "",
                             "set userfile-perm 0600", "", "set sort-users 0", "",
                             "set help-path \"help/\"", "", "set text-path \"text/\"", "",
                             "set mod-path \"modules/\"", "", "set temp-path \"/tmp\"", "",
                             "set motd \"text/motd\"", "", "set telnet-banner \"text/banner\"", ""});
    return from.isEmpty() ? text : withLine(text, from, to);
}
} // namespace

class ConsoleFilesPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void defaultSectionsMatchTheDefaultFile()
    {
        const QByteArray expected = testkit::section(golden("default.conf"), "### CONSOLE ###",
                                                     "### BOTNET/DCC/TELNET ###");
        QCOMPARE(consoleFilesSections(), expected);
        QCOMPARE(expected, defaultsWith());
    }

    void shouldHaveDefaultValues()
    {
        const QList<std::tuple<const char *, const char *, const char *>> edits = {
            {"Edit26", "Console :", "mkcobxs"},         {"Edit17", "Userfile :", "LamestBot.user"},
            {"Edit23", "Pidfile :", "pid.LamestBot"},   {"Edit24", "Userfile Perm :", "0600"},
            {"Edit18", "Help Path :", "help/"},         {"Edit19", "Text Path :", "text/"},
            {"Edit25", "Mod Path :", "modules/"},       {"Edit20", "Temp Path :", "/tmp"},
            {"Edit21", "Motd :", "text/motd"},          {"Edit22", "Telnet Banner :", "text/banner"},
        };
        for (const auto &[name, caption, text] : edits) {
            QCOMPARE(edit(name)->text(), QString::fromLatin1(text));
            QVERIFY2(edit(name)->isEnabled(), name);
            QVERIFY2(!labelOf(name).isNull(), name);
            QCOMPARE(labelOf(name), QString::fromLatin1(caption));
        }
        QVERIFY(!box("CheckBox7")->isChecked());
        QCOMPARE(box("CheckBox7")->text(), "Sort Users");
    }

    void sections_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("sort users changes only its line")
            << Action([] { press("CheckBox7"); })
            << defaultsWith("set sort-users 0", "set sort-users 1");
        QTest::newRow("permission without its zero")
            << Action([] { type("Edit24", "600"); })
            << defaultsWith("set userfile-perm 0600", "set userfile-perm 600");
        QTest::newRow("permission empty keeps the blank")
            << Action([] { type("Edit24", ""); })
            << defaultsWith("set userfile-perm 0600", "set userfile-perm ");
        QTest::newRow("empty module path keeps the quotes")
            << Action([] { type("Edit25", ""); })
            << defaultsWith("set mod-path \"modules/\"", "set mod-path \"\"");
        QTest::newRow("empty console mode keeps the quotes")
            << Action([] { type("Edit26", ""); })
            << defaultsWith("set console \"mkcobxs\"", "set console \"\"");
        QTest::newRow("quote and blanks as typed")
            << Action([] { type("Edit17", " my \"bot\".user "); })
            << defaultsWith("set userfile \"LamestBot.user\"", "set userfile \" my \"bot\".user \"");
        QTest::newRow("each edit feeds its own line")
            << Action([] {
                   type("Edit23", "P"); type("Edit18", "H"); type("Edit19", "T");
                   type("Edit20", "M"); type("Edit21", "O"); type("Edit22", "B");
               })
            << lines({"### CONSOLE ###", "", "set console \"mkcobxs\"", "",
                      "### FILES AND DIRECTORIES ###", "",
                      "set userfile \"LamestBot.user\"", "", "set pidfile \"P\"", "",
                      "set userfile-perm 0600", "", "set sort-users 0", "",
                      "set help-path \"H\"", "", "set text-path \"T\"", "",
                      "set mod-path \"modules/\"", "", "set temp-path \"M\"", "",
                      "set motd \"O\"", "", "set telnet-banner \"B\"", ""});
    }

    void sections()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        QCOMPARE(consoleFilesSections(), expected);
    }
};

QTEST_MAIN(ConsoleFilesPageTest)
#include "tst_consolefilespage.moc"
