#pragma once

// What the benchmarks share: the program's windows started as start-up
// starts them, controls found by name, the four lists, and a clock for the
// benchmarks that time one step of an iteration only.

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <benchmark/benchmark.h>

#include "testkit.h"

#include <chrono>

class ListEditor;
class QTableWidget;

namespace benchkit {

// Creates both windows with their defaults and shows the main window, then
// lets it paint: the state the user finds at start-up. The windows live until
// the object goes out of scope.
class Program
{
public:
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;
};

// Controls are found and shown as the tests find and show them.
using testkit::control;
using testkit::find;
using testkit::showPageOf;

// Handles what a user action left queued: layouts, repaints, deferred
// deletions. Part of the cost of an action, so the benchmarks time it too.
void settle();

// The four lists of the main window.
struct List
{
    const char *grid;   // StringGrid1..4
    const char *add;    // its ADD button
    const char *remove; // its DELETE button
    QStringList inputs; // its input edits, column 0 first
};
const QList<List> &lists();
ListEditor *editorOf(QTableWidget *grid);

// Gives the list `entries` rows after its header, every cell non-empty, as
// the user could have built them with ADD. The header is kept.
void fillList(const List &list, int entries);

// Times one step inside a benchmark that uses manual time.
class StepTimer
{
public:
    void start() { m_start = std::chrono::steady_clock::now(); }
    double seconds() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    std::chrono::steady_clock::time_point m_start;
};

} // namespace benchkit
