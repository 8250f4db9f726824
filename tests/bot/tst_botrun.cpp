// The saved file loaded by the bot itself (Debian's eggdrop), run as an
// unprivileged user from a scratch bot folder, inside a network namespace of
// its own where only loopback exists: nothing it does can leave the machine.
// With a server and the encryption module it reaches its main loop; with the
// defaults it stops, but only for the two reasons the bot is known to give.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

#include "botkit.h"
#include "testkit.h"

using namespace testkit;
using namespace botkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {

// What the bot reaches once the file is loaded and it runs, and the first
// thing it does there with the server list.
const QByteArray MainLoop = "main: entering loop";
const QByteArray TryingServer = "Trying server [127.0.0.1]:6667";
// What the bot prints when it cannot use the file.
const QList<QByteArray> BadLines = {"Tcl error", "CONFIG FILE NOT LOADED", "Can't load modules"};

// How the bot is run on this machine; filled by findBot().
struct Machine
{
    QString eggdrop, unshare, setpriv, ip;
    uid_t uid = 0;
    gid_t gid = 0;
    // The folders of the Debian package that a bot folder links to.
    QMap<QString, QString> folders; // "modules", "help", "text", "scripts"
} machine;

// The command that runs `program` as the unprivileged user in a network
// namespace with only loopback, brought up when `ip` is there (without it
// loopback stays down and a connection fails at once, which is as good).
QStringList command(const QStringList &program)
{
    QStringList args = {QStringLiteral("-n"), QStringLiteral("--")};
    if (!machine.ip.isEmpty())
        args << QStringLiteral("/bin/sh") << QStringLiteral("-c")
             << QStringLiteral("\"$0\" link set dev lo up && exec \"$@\"") << machine.ip;
    if (!machine.setpriv.isEmpty())
        args << machine.setpriv << QStringLiteral("--reuid=%1").arg(machine.uid)
             << QStringLiteral("--regid=%1").arg(machine.gid) << QStringLiteral("--clear-groups")
             << QStringLiteral("--");
    return args + program;
}

// Starts the command in a session of its own, so that its whole process
// group can be ended.
void start(QProcess &process, const QStringList &program, const QString &folder)
{
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setChildProcessModifier([] { ::setsid(); });
    process.start(machine.unshare, command(program));
}

bool groupGone(qint64 group)
{
    // Wait a little for the members of the group to be reaped.
    for (QDeadlineTimer deadline(5000); !deadline.hasExpired(); QThread::msleep(20))
        if (::kill(pid_t(-group), 0) == -1 && errno == ESRCH)
            return true;
    return false;
}

// The bot folder: owned by the bot's user, its modules, help, text and
// scripts linked to the package's.
bool makeBotFolder(const QString &path)
{
    for (auto it = machine.folders.cbegin(); it != machine.folders.cend(); ++it)
        if (!QFile::link(it.value(), QDir(path).filePath(it.key())))
            return false;
    return ::geteuid() != 0 || ::chown(QFile::encodeName(path).constData(), machine.uid, machine.gid) == 0;
}

// Why the bot cannot be run here, or empty when it can.
QString findBot()
{
    machine.eggdrop = QStandardPaths::findExecutable(QStringLiteral("eggdrop"));
    if (machine.eggdrop.isEmpty())
        return QStringLiteral("no eggdrop program (Debian package eggdrop)");
    machine.unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (machine.unshare.isEmpty())
        return QStringLiteral("no unshare program (util-linux)");
    machine.ip = QStandardPaths::findExecutable(QStringLiteral("ip"), {"/usr/sbin", "/sbin", "/usr/bin", "/bin"});
    if (::geteuid() == 0) {
        // The bot refuses to run as root.
        const passwd *nobody = ::getpwnam("nobody");
        if (!nobody)
            return QStringLiteral("no user \"nobody\" to run the bot as");
        machine.uid = nobody->pw_uid;
        machine.gid = nobody->pw_gid;
        machine.setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (machine.setpriv.isEmpty())
            return QStringLiteral("no setpriv program (util-linux)");
    }

    QProcess dpkg;
    dpkg.start(QStringLiteral("dpkg-query"), {"-L", "eggdrop", "eggdrop-data"});
    dpkg.waitForFinished(30000);
    const QList<std::pair<QString, QString>> marks = {{"modules", "/modules/server.so"},
                                                      {"help", "/help/core.help"},
                                                      {"text", "/text/motd"},
                                                      {"scripts", "/scripts/alltools.tcl"}};
    for (const QByteArray &line : dpkg.readAllStandardOutput().split('\n'))
        for (const auto &[folder, mark] : marks)
            if (line.endsWith(mark.toLatin1()))
                machine.folders[folder] = QFileInfo(QString::fromLocal8Bit(line)).path();
    if (machine.folders.size() != marks.size())
        return QStringLiteral("the modules, help, text and scripts of Debian's eggdrop package "
                              "were not found (dpkg-query -L eggdrop eggdrop-data)");

    // Everything at once: a namespace, loopback, the user, and a bot folder
    // that the user can write to.
    QTemporaryDir dir;
    if (!dir.isValid() || !makeBotFolder(dir.path()))
        return QStringLiteral("cannot make a bot folder in %1").arg(QDir::tempPath());
    QProcess probe;
    start(probe, {QStandardPaths::findExecutable(QStringLiteral("test")), "-w", dir.path()}, dir.path());
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit
        || probe.exitCode() != 0)
        return QStringLiteral("cannot run a program as an unprivileged user in a private network "
                              "namespace: %1")
            .arg(QString::fromLocal8Bit(probe.readAll()).trimmed());
    return {};
}

} // namespace

class BotRunTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;

    // Saves the file into the bot folder as the user would, and checks that
    // every path the bot reads from it is there, relative to that folder.
    void saveIntoBotFolder()
    {
        saveWithMainWindow(m_file);
        if (QTest::currentTestFailed())
            return;
        if (::geteuid() == 0)
            QVERIFY(::chown(QFile::encodeName(m_file).constData(), machine.uid, machine.gid) == 0);
        const QDir folder(m_dir->path());
        for (const QByteArray &raw : readFile(m_file).split('\n')) {
            const QByteArray line = raw.trimmed();
            QByteArray path;
            if (line.startsWith("source ") || line.startsWith("loadhelp "))
                path = line.mid(line.indexOf(' ') + 1);
            else if (line.startsWith("set mod-path ") || line.startsWith("set help-path ")
                     || line.startsWith("set text-path ") || line.startsWith("set motd ")
                     || line.startsWith("set telnet-banner "))
                path = line.mid(line.indexOf('"') + 1).chopped(1);
            if (line.startsWith("loadhelp "))
                path.prepend("help/");
            if (!path.isEmpty())
                QVERIFY2(QFileInfo::exists(folder.filePath(QString::fromLocal8Bit(path))),
                         line.constData());
        }
    }

    // Runs the bot on the file until it stops, or until it has reached its
    // main loop and tried the server; then ends its whole process group.
    // `output` receives what it printed.
    void runBot(QByteArray &output, bool *stoppedByItself)
    {
        QProcess bot;
        start(bot, {machine.eggdrop, "-n", "-m", QFileInfo(m_file).fileName()}, m_dir->path());
        QVERIFY2(bot.waitForStarted(10000), qPrintable(bot.errorString()));
        const qint64 group = bot.processId();
        // A guard against a bot that hangs, not a measure: it takes well
        // under a second either way.
        for (QDeadlineTimer deadline(20000); !deadline.hasExpired();) {
            bot.waitForReadyRead(100);
            output += bot.readAll();
            if (bot.state() == QProcess::NotRunning
                || (output.contains(MainLoop) && output.contains(TryingServer)))
                break;
        }
        *stoppedByItself = bot.state() == QProcess::NotRunning;
        // The pid file, written where the file says: in the bot folder.
        const QByteArray pid = readFile(QDir(m_dir->path()).filePath(QStringLiteral("pid.LamestBot")));
        if (!*stoppedByItself) {
            ::kill(pid_t(-group), SIGKILL);
            bot.waitForFinished(10000);
        }
        output += bot.readAll();
        QVERIFY2(groupGone(group), "a process of the bot is left behind");
        if (!*stoppedByItself)
            QCOMPARE(pid.trimmed(), QByteArray::number(group));
    }

    struct Run
    {
        QByteArray output;
        bool stopped = false; // by itself, before it was ended
    };

    // Saves the file into the bot folder and runs the bot on it. Check
    // QTest::currentTestFailed() before looking at the run.
    Run saveAndRunBot()
    {
        Run run;
        saveIntoBotFolder();
        if (!QTest::currentTestFailed())
            runBot(run.output, &run.stopped);
        return run;
    }

private slots:
    void init()
    {
        startApp();
        const QStringList missing = missingControls(
            {"CheckBox182", "Edit79", "Edit78", "Edit77", "Button8"});
        QVERIFY2(missing.isEmpty(),
                 qPrintable("the pages holding these controls are missing: " + missing.join(' ')));
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid() && makeBotFolder(m_dir->path()));
        m_file = QDir(m_dir->path()).filePath(QStringLiteral("LamestBot.conf"));
    }
    void cleanup()
    {
        stopApp();
        m_dir.reset();
    }

    void runsWithTheTypicalSetup()
    {
        typicalSetup();
        const Run run = saveAndRunBot();
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(!run.stopped, run.output.constData());
        QVERIFY2(run.output.contains(MainLoop) && run.output.contains(TryingServer), run.output.constData());
        for (const QByteArray &bad : BadLines)
            QVERIFY2(!run.output.contains(bad), run.output.constData());
        // The channel file too lands in the bot folder.
        QVERIFY(QFileInfo::exists(QDir(m_dir->path()).filePath(QStringLiteral("LamestBot.chan"))));
    }

    void stopsOnlyForWhatIsMissing_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("defaults: no server") << Action([] {}) << QByteArray("* NO SERVERS ADDED.");
        QTest::newRow("a server, no encryption module")
            << Action([] { addServer("127.0.0.1", "6667"); })
            << QByteArray("You have installed modules but have not selected an encryption");
    }

    void stopsOnlyForWhatIsMissing()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, reason);
        action();
        const Run run = saveAndRunBot();
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(run.stopped, run.output.constData());
        QVERIFY2(run.output.contains(reason), run.output.constData());
        QVERIFY2(!run.output.contains(MainLoop), run.output.constData());
        for (const QByteArray &bad : BadLines)
            QVERIFY2(!run.output.contains(bad), run.output.constData());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString why = findBot();
    if (!why.isEmpty()) {
        std::printf("SKIP: the bot cannot be run here: %s\n", qPrintable(why));
        return 77;
    }
    BotRunTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_botrun.moc"
