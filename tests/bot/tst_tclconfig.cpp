// The saved file read by Tcl, as the bot reads it: the file parses, every
// live line reaches Tcl as one command, and the bot's variables and commands
// receive what was typed.
#include <QApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

#include "botkit.h"
#include "testkit.h"

using namespace testkit;
using namespace botkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {

// The bot's commands that the file calls.
const QStringList botCommands = {"addlang", "logfile", "listen", "unbind", "bind",
                                 "loadmodule", "checkmodule", "source", "loadhelp"};

struct Expect
{
    // Variables as Tcl leaves them; no value: the file must not set it.
    QMap<QString, std::optional<QString>> vars = {};
    // Variables the bot reads as a list, by their words.
    QMap<QString, QStringList> words = {};
    // The calls of these commands, all of them, in order.
    QStringList commands = {};
    QList<QStringList> calls = {};
};

const QList<QStringList> defaultModules = {
    {"loadmodule", "channels"}, {"loadmodule", "server"}, {"loadmodule", "dns"},
    {"loadmodule", "ctcp"},     {"loadmodule", "irc"},    {"loadmodule", "compress"},
    {"loadmodule", "share"},    {"loadmodule", "filesys"}, {"loadmodule", "notes"},
    {"loadmodule", "console"},  {"loadmodule", "seen"},
};

QList<QStringList> without(QList<QStringList> calls, const QStringList &call)
{
    calls.removeAll(call);
    return calls;
}

QList<QStringList> withBefore(QList<QStringList> calls, const QStringList &call,
                              const QStringList &before)
{
    calls.insert(calls.indexOf(before), call);
    return calls;
}

QStringList words(const QString &list)
{
    return list.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

} // namespace
Q_DECLARE_METATYPE(Expect)

class TclConfigTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_file;

    // Saves the file as the user would and reads it with Tcl.
    TclResult saveAndRead()
    {
        saveWithMainWindow(m_file);
        if (QTest::currentTestFailed())
            return {};
        const TclResult tcl = readWithTcl(m_file);
        if (!tcl.finished)
            qWarning("%s", qPrintable(tcl.output));
        return tcl;
    }

private slots:
    void init()
    {
        startApp();
        const QStringList missing = missingControls(
            {"Button7", "CheckBox182", "Edit79", "Edit78", "Edit77", "Button8", "Edit2", "Edit36",
             "Edit159", "Edit96", "ComboBox1", "RadioButton1", "RadioButton2", "Edit28",
             "CheckBox93", "Edit46", "Button4", "Button3", "Button6"});
        QVERIFY2(missing.isEmpty(),
                 qPrintable("the pages holding these controls are missing: " + missing.join(' ')));
        QVERIFY(m_dir.isValid());
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        m_file = m_dir.filePath(
            QString(tag).replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), "-") + ".conf");
    }
    void cleanup() { stopApp(); }

    void readsAsTyped_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<Expect>("expect");

        // The whole list of what the bot does with the defaults.
        QList<QStringList> defaultCalls = {
            {"listen", "3333", "all"},
            {"unbind", "dcc", "n", "set", "*dcc:set"},
            {"unbind", "dcc", "n", "tcl", "*dcc:tcl"},
            {"unbind", "dcc", "n", "simul", "*dcc:simul"},
        };
        defaultCalls += defaultModules.mid(0, 5);
        defaultCalls += QList<QStringList>{
            {"unbind", "msg", "-", "hello", "*msg:hello"},
            {"bind", "msg", "-", "myword", "*msg:hello"},
            {"unbind", "msg", "-", "ident", "*msg:ident"},
            {"unbind", "msg", "-", "addhost", "*msg:addhost"},
        };
        defaultCalls += defaultModules.mid(5);
        defaultCalls += QList<QStringList>{
            {"source", "scripts/alltools.tcl"}, {"source", "scripts/action.fix.tcl"},
            {"source", "scripts/compat.tcl"},   {"source", "scripts/userinfo.tcl"},
            {"loadhelp", "userinfo.help"},
        };
        QTest::newRow("defaults")
            << Action([] {})
            << Expect{.vars = {{"username", "Lamest"},
                       {"owner", "MrLame, MrsLame"},
                       // "$owner" between double quotes: Tcl puts in the owners.
                       {"notify-newusers", "MrLame, MrsLame"},
                       {"altnick", "L?m?stB?t"},
                       {"realname", "/msg LamestBot hello"},
                       {"hourly-updates", "00"},
                       {"logfile-suffix", ".%d%b%Y"},
                       {"net-type", "0"},
                       {"nick-len", std::nullopt},
                       {"servers", std::nullopt}},
                      .words = {{"global-chanset",
                        {"-autoop", "-autovoice", "-bitch", "+cycle", "+dontkickops", "+dynamicbans",
                         "+dynamicexempts", "+greet", "+dynamicinvites", "-enforcebans", "-inactive",
                         "-nodesynch", "-protectfriends", "+protectops", "-revenge", "-revengebot",
                         "-secret", "-seen", "+shared", "+statuslog", "+userbans", "+userexempts",
                         "+userinvites"}}},
                      .commands = botCommands,
                      .calls = defaultCalls};

        QTest::newRow("typical working setup")
            << Action(typicalSetup)
            << Expect{.vars = {{"servers", "\n    127.0.0.1:6667\n"}},
                      .words = {{"servers", {"127.0.0.1:6667"}}},
                      .commands = {"loadmodule", "checkmodule"},
                      .calls = withBefore(defaultModules, {"checkmodule", "blowfish"}, {"loadmodule", "seen"})};

        QTest::newRow("blanks kept")
            << Action([] {
                   type("Edit2", " Lamest  Bot ");
                   type("Edit36", "Mr Lame");
                   addServer("irc.example.net", "6667", "two words");
               })
            << Expect{.vars = {{"username", " Lamest  Bot "},
                       {"owner", "Mr Lame"},
                       {"notify-newusers", "Mr Lame"},
                       {"servers", "\n    irc.example.net:6667:two words\n"}},
                      // The bot reads the list at its blanks: a password with a
                      // blank makes a second, bogus server.
                      .words = {{"servers", {"irc.example.net:6667:two", "words"}}}};

        QTest::newRow("$owner with the owners typed")
            << Action([] {
                   type("Edit36", "Alice, Bob");
                   type("Edit159", "$owner, Carol");
               })
            << Expect{.vars = {{"owner", "Alice, Bob"}, {"notify-newusers", "Alice, Bob, Carol"}}};

        QTest::newRow("empty values")
            << Action([] {
                   type("Edit2", "");
                   type("Edit36", "");
                   type("Edit159", "");
                   type("Edit96", "");
                   addServer("127.0.0.1", "", "");
                   for (int i = 0; i < 4; ++i)
                       press("Button3");
                   press("Button6");
               })
            << Expect{.vars = {{"username", ""},
                       {"owner", ""},
                       {"notify-newusers", ""},
                       {"private-globals", ""},
                       {"servers", "\n    127.0.0.1\n"}},
                      .words = {{"servers", {"127.0.0.1"}}},
                      .commands = {"source", "loadhelp"}};

        // Each network type reaches the bot with the settings that belong to
        // it; those of the other types stay comments.
        for (int type = 0; type <= 5; ++type) {
            const auto only = [type](int wanted, const char *value) {
                return type == wanted ? std::optional<QString>(value) : std::nullopt;
            };
            QTest::addRow("network type %d", type)
                << Action([type] { chooseItem("ComboBox1", type); })
                << Expect{.vars = {{"net-type", QString::number(type)},
                           {"use-exempts", only(1, "0")},
                           {"use-invites", only(1, "0")},
                           {"nick-len", only(5, "9")},
                           {"check-mode-r", only(5, "0")},
                           {"include-lk", only(5, "1")},
                           {"use-354", only(5, "0")},
                           {"rfc-compliant", only(5, "1")},
                           {"kick-method", only(5, "1")},
                           {"modes-per-line", only(5, "3")}}};
        }

        QTest::newRow("listen: same port, typed")
            << Action([] {
                   press("RadioButton2");
                   press("RadioButton1");
                   type("Edit28", "5555");
               })
            << Expect{.commands = {"listen"}, .calls = {{"listen", "5555", "all"}}};
        QTest::newRow("listen: different ports")
            << Action([] { press("RadioButton2"); })
            << Expect{.commands = {"listen"},
                      .calls = {{"listen", "3333", "bots"}, {"listen", "4444", "users"}}};

        QTest::newRow("share module unloaded")
            << Action([] { setChecked("CheckBox93", false); })
            << Expect{.vars = {{"resync-time", std::nullopt},
                       {"private-globals", std::nullopt},
                       {"allow-resync", std::nullopt},
                       {"private-global", std::nullopt},
                       {"private-user", std::nullopt},
                       {"override-bots", std::nullopt}},
                      .commands = {"loadmodule"},
                      .calls = without(defaultModules, {"loadmodule", "share"})};
    }

    void readsAsTyped()
    {
        QFETCH(Action, action);
        QFETCH(Expect, expect);
        action();
        const TclResult tcl = saveAndRead();
        QVERIFY2(tcl.finished, "the Tcl driver did not finish");
        QVERIFY2(tcl.error.isEmpty(), qPrintable(tcl.errorInfo));

        // Every live line of the file is one command that Tcl ran, and no
        // comment line is: nothing runs into the next line, CR LF included.
        const QByteArray file = readFile(m_file);
        QMap<QString, int> lineCount;
        for (const QByteArray &raw : file.split('\n')) {
            const QString line = QString::fromLocal8Bit(raw).chopped(raw.endsWith('\r') ? 1 : 0);
            const QString first = line.section(' ', 0, 0);
            const QString second = line.section(' ', 1, 1);
            if (first == QLatin1String("set"))
                QVERIFY2(tcl.vars.contains(second), qPrintable("not set: " + line));
            else if (first == QLatin1String("#set"))
                QVERIFY2(!tcl.vars.contains(second), qPrintable("a comment was read: " + line));
            else if (botCommands.contains(first))
                ++lineCount[first];
        }
        for (const QString &command : botCommands)
            QCOMPARE(tcl.callsOf({command}).size(), lineCount.value(command));
        for (auto it = tcl.vars.cbegin(); it != tcl.vars.cend(); ++it)
            QVERIFY2(!it.value().contains('\r'), qPrintable(it.key()));
        QVERIFY(tcl.arrays.isEmpty());

        for (auto it = expect.vars.cbegin(); it != expect.vars.cend(); ++it) {
            if (it.value())
                QCOMPARE(tcl.vars.value(it.key(), QStringLiteral("(not set)")), *it.value());
            else
                QVERIFY2(!tcl.vars.contains(it.key()), qPrintable(it.key() + " is set"));
        }
        for (auto it = expect.words.cbegin(); it != expect.words.cend(); ++it)
            QCOMPARE(words(tcl.vars.value(it.key())), it.value());
        QCOMPARE(tcl.callsOf(expect.commands), expect.calls);
    }

    // What a user may type that the bot cannot read: the file holds it as
    // typed, and Tcl (so the bot) stops there with an error. The program
    // checks nothing, so this is the user's to fix, not a fault of the
    // program.
    void notValidTcl_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("error");

        QTest::newRow("double quote inside a quoted value")
            << Action([] { type("Edit2", "Lam\"est"); })
            << QByteArray("set username \"Lam\"est\"") << "extra characters after close-quote";
        QTest::newRow("double quote opening an unquoted value")
            << Action([] { type("Edit28", "\"3333"); })
            << QByteArray("listen \"3333 all") << "extra characters after close-quote";
        QTest::newRow("blank in a script path")
            << Action([] {
                   addScript("scripts/my script.tcl");
               })
            << QByteArray("source scripts/my script.tcl") << "wrong # args";
    }

    void notValidTcl()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, line);
        QFETCH(QString, error);
        action();
        const TclResult tcl = saveAndRead();
        QVERIFY2(tcl.finished, "the Tcl driver did not finish");
        QVERIFY2(readFile(m_file).contains("\r\n" + line + "\r\n"), line.constData());
        QVERIFY2(tcl.error.startsWith(error), qPrintable(tcl.errorInfo));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (tclsh().isEmpty()) {
        std::printf("SKIP: no tclsh on this machine: the file cannot be read by Tcl here\n");
        return 77;
    }
    TclConfigTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tclconfig.moc"
