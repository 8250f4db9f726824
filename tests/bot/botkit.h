#pragma once

// What the checks of the generated file on its real readers share: saving
// the file through the main window as a user does, the setup of a bot that
// runs, and reading a file with Tcl.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace botkit {

// The controls these checks drive; the pages that hold them must exist.
// Returns the names missing from the main window (empty when all are there).
QStringList missingControls(const QStringList &names);

// Saves the file with the main window's save button and its save dialog,
// as a user does; fails the test unless the file was written.
void saveWithMainWindow(const QString &path);

// The least a bot needs to run: the Blowfish encryption module and one
// server, 127.0.0.1 on port 6667.
void typicalSetup();

// The path of tclsh, or empty when the machine has none.
QString tclsh();

// What Tcl made of a file, read by tests/bot/sourceconf.tcl.
struct TclResult
{
    bool finished = false;       // the driver ran to its end
    QString error;               // Tcl's message when it stopped on the file
    QString errorInfo;           // and where
    QMap<QString, QString> vars; // every global variable the file set
    QStringList arrays;          // and every array
    QList<QStringList> calls;    // every call of a bot command: name, arguments
    QString output;              // the driver's output, for messages

    // The calls of the given commands, in order.
    QList<QStringList> callsOf(const QStringList &commands) const;
};
TclResult readWithTcl(const QString &path);

} // namespace botkit
