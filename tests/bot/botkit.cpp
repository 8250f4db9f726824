#include "botkit.h"

#include <QFileInfo>
#include <QPushButton>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>

#include "Unit1.h"
#include "startup.h"
#include "testkit.h"

namespace botkit {

QStringList missingControls(const QStringList &names)
{
    QStringList missing;
    for (const QString &name : names) {
        // The preview window is a child of the main window too: its own
        // Button7 and Memo1 do not count.
        const auto found = Form1->findChildren<QWidget *>(name);
        if (std::count_if(found.begin(), found.end(),
                          [](QWidget *w) { return w->window() == Form1; }) != 1)
            missing << name;
    }
    return missing;
}

void saveWithMainWindow(const QString &path)
{
    QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
    testkit::answerSaveDialog(path);
    // The preview window has a Button7 of its own, so this one is taken
    // from the main window rather than looked up by name.
    Form1->Button7->setFocus();
    QTest::keyClick(Form1->Button7, Qt::Key_Space);
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(QStringLiteral("%1 was not saved").arg(path)));
}

void typicalSetup()
{
    testkit::setChecked(QStringLiteral("CheckBox182"), true);
    testkit::addServer(QStringLiteral("127.0.0.1"), QStringLiteral("6667"));
}

QString tclsh()
{
    return QStandardPaths::findExecutable(QStringLiteral("tclsh"));
}

namespace {

QString unescape(const QString &field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != QLatin1Char('\\') || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        switch (field[++i].unicode()) {
        case 't': out += QLatin1Char('\t'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        default: out += field[i]; break;
        }
    }
    return out;
}

} // namespace

QList<QStringList> TclResult::callsOf(const QStringList &commands) const
{
    QList<QStringList> out;
    for (const QStringList &call : calls)
        if (commands.contains(call.constFirst()))
            out << call;
    return out;
}

TclResult readWithTcl(const QString &path)
{
    TclResult result;
    QProcess tcl;
    tcl.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tcl.start(tclsh(), {QStringLiteral(QUILLMARSH_TCL_DRIVER), path});
    if (!tcl.waitForFinished(60000) || tcl.exitStatus() != QProcess::NormalExit) {
        tcl.kill();
        tcl.waitForFinished();
        return result;
    }
    result.output = QString::fromUtf8(tcl.readAllStandardOutput());
    for (const QString &line : result.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QStringList fields = line.split(QLatin1Char('\t'));
        for (QString &f : fields)
            f = unescape(f);
        const QString kind = fields.takeFirst();
        if (kind == QLatin1String("var") && fields.size() == 2)
            result.vars.insert(fields[0], fields[1]);
        else if (kind == QLatin1String("array") && fields.size() == 1)
            result.arrays << fields[0];
        else if (kind == QLatin1String("call") && !fields.isEmpty())
            result.calls << fields;
        else if (kind == QLatin1String("error") && fields.size() == 2) {
            result.error = fields[0];
            result.errorInfo = fields[1];
        } else if (kind == QLatin1String("done") && fields.isEmpty())
            result.finished = true;
        else
            qWarning("unexpected record from the Tcl driver: %s", qPrintable(line));
    }
    return result;
}

} // namespace botkit
