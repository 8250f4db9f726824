// "Log Files": its defaults, and the section it writes, log file list included.
#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {
QByteArray logFilesSection()
{
    return section(generate(), "### LOG FILES ###", "### CONSOLE ###");
}

// The lines before the log file list, with every setting at its default.
QByteArray defaultSettings()
{
    return lines({"### LOG FILES ###", "", "set max-logs 5", "", "set max-logsize 0", "",
                  "set quick-logs 0", "", "set log-time 0", "", "set quiet-save 0", "",
                  "set switch-logfiles-at 300", "", "set keep-all-logs 0", "",
                  "set logfile-suffix \".%d%b%Y\"", ""});
}
} // namespace

class LogFilesPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void defaultSectionMatchesTheDefaultFile()
    {
        QCOMPARE(logFilesSection(),
                 testkit::section(golden("default.conf"), "### LOG FILES ###", "### CONSOLE ###"));
    }

    void shouldHaveDefaultValues()
    {
        QCOMPARE(edit("Edit10")->text(), "5");
        QCOMPARE(edit("Edit11")->text(), "0");
        QCOMPARE(edit("Edit14")->text(), "300");
        QCOMPARE(edit("Edit13")->text(), ".%d%b%Y");
        for (const char *name : {"CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"})
            QVERIFY2(!box(name)->isChecked(), name);
        for (const char *name : {"Edit12", "Edit15", "Edit16"})
            QVERIFY2(edit(name)->text().isEmpty(), name);
        // The suffix is not tied to Keep All Logs.
        QVERIFY(edit("Edit13")->isEnabled());
        press("CheckBox5");
        QVERIFY(edit("Edit13")->isEnabled());

        QTableWidget *g = grid("StringGrid1");
        QCOMPARE(g->rowCount(), 2);
        QCOMPARE(g->columnCount(), 3);
        const QStringList header = {"Channel", "Settings", "Filename"};
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(g->item(0, c)->text(), header[c]);
            QVERIFY(!g->item(1, c) || g->item(1, c)->text().isEmpty());
        }
    }

    void everyEditIsNamedByItsLabel()
    {
        const QList<std::pair<const char *, const char *>> labels = {
            {"Edit10", "Maximum Number :"}, {"Edit11", "Maximum Size :"},
            {"Edit14", "Switch Logfiles At :"}, {"Edit13", "Logfile Suffix :"},
            {"Edit12", "Channel :"}, {"Edit15", "Settings :"}, {"Edit16", "Log Filename :"},
        };
        for (const auto &[name, caption] : labels) {
            QVERIFY2(!labelOf(name).isNull(), name);
            QCOMPARE(labelOf(name), QString::fromLatin1(caption));
        }
    }

    void section_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray settings = defaultSettings();

        QTest::newRow("switches on, suffix written either way")
            << Action([] { press("CheckBox3"); press("CheckBox4"); press("CheckBox6"); press("CheckBox5"); })
            << lines({"### LOG FILES ###", "", "set max-logs 5", "", "set max-logsize 0", "",
                      "set quick-logs 1", "", "set log-time 1", "", "set quiet-save 1", "",
                      "set switch-logfiles-at 300", "", "set keep-all-logs 1", "",
                      "set logfile-suffix \".%d%b%Y\"", ""});
        QTest::newRow("values as typed: empty, blanks, quote")
            << Action([] { type("Edit10", ""); type("Edit14", " 0300"); type("Edit13", "a\"b"); type("Edit11", ""); })
            << lines({"### LOG FILES ###", "", "set max-logs ", "", "set max-logsize ", "",
                      "set quick-logs 0", "", "set log-time 0", "", "set quiet-save 0", "",
                      "set switch-logfiles-at  0300", "", "set keep-all-logs 0", "",
                      "set logfile-suffix \"a\"b\"", ""});
        QTest::newRow("empty suffix keeps its quotes")
            << Action([] { type("Edit13", ""); })
            << settings.left(settings.indexOf("set logfile-suffix")) + lines({"set logfile-suffix \"\"", ""});

        QTest::newRow("one log file: settings, channel, quoted name")
            << Action([] { addLogFile("#lamest", "jpk", "logs/lamest.log"); })
            << settings + lines({"logfile jpk #lamest \"logs/lamest.log\"", ""});
        QTest::newRow("three log files, one empty line")
            << Action([] {
                   addLogFile("*", "mco", "logs/eggdrop.log");
                   addLogFile("#a", "p", "a.log");
                   addLogFile("#b", "jk", "b.log");
               })
            << settings + lines({"logfile mco * \"logs/eggdrop.log\"", "logfile p #a \"a.log\"",
                                 "logfile jk #b \"b.log\"", ""});
        QTest::newRow("blanks stay, only the name is quoted")
            << Action([] { addLogFile("#x y", "m k", "my logs/x.log"); })
            << settings + lines({"logfile m k #x y \"my logs/x.log\"", ""});
        QTest::newRow("an empty later row is still written")
            << Action([] { addLogFile("#a", "p", "a.log"); addLogFile("", "", ""); })
            << settings + lines({"logfile p #a \"a.log\"", "logfile   \"\"", ""});
        QTest::newRow("row 1 without a channel: no list")
            << Action([] { addLogFile("", "mco", "logs/eggdrop.log"); })
            << settings;
        QTest::newRow("DELETE empties the only row: no list")
            << Action([] { addLogFile("#a", "p", "a.log"); press("Button2"); })
            << settings;
        QTest::newRow("deleting row 1 leaves a row without a channel first: no list")
            << Action([] {
                   addLogFile("#a", "p", "a.log");
                   addLogFile("", "k", "b.log");
                   clickCell("StringGrid1", 1);
                   press("Button2");
               })
            << settings;
        QTest::newRow("DELETE takes the selected row")
            << Action([] {
                   addLogFile("#a", "p", "a.log");
                   addLogFile("#b", "k", "b.log");
                   addLogFile("#c", "j", "c.log");
                   clickCell("StringGrid1", 2);
                   press("Button2");
               })
            << settings + lines({"logfile p #a \"a.log\"", "logfile j #c \"c.log\"", ""});
    }

    void section()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        QCOMPARE(logFilesSection(), expected);
    }
};

QTEST_MAIN(LogFilesPageTest)
#include "tst_logfilespage.moc"
