// The list editors: ADD and DELETE on short and long lists, and the main
// window's first-show handler. Each iteration times one button press and
// what it leaves queued (the grid's relayout and repaint); putting the list
// back to its size afterwards is not timed.
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "Unit1.h"
#include "benchkit.h"
#include "settingspage.h"
#include "startup.h"

namespace {

using benchkit::List;

QTableWidget *gridOf(const List &list)
{
    return benchkit::control<QTableWidget>(QString::fromLatin1(list.grid));
}

QPushButton *buttonNamed(const char *name)
{
    return benchkit::control<QPushButton>(QString::fromLatin1(name));
}

// Brings the list's page to the front with the list at `rows` entries and
// text in every input edit.
QTableWidget *prepare(const List &list, int rows)
{
    benchkit::fillList(list, rows);
    for (const QString &input : list.inputs)
        benchkit::control<QLineEdit>(input)->setText(QStringLiteral("added ") + input);
    QTableWidget *grid = gridOf(list);
    benchkit::showPageOf(grid);
    return grid;
}

void add(benchmark::State &state, const List &list, int rows)
{
    benchkit::Program program;
    QTableWidget *grid = prepare(list, rows);
    QPushButton *addButton = buttonNamed(list.add);
    benchkit::StepTimer timer;
    for (auto _ : state) {
        timer.start();
        addButton->click();
        benchkit::settle();
        state.SetIterationTime(timer.seconds());
        grid->setRowCount(rows + 1); // drop the added row again
        benchkit::settle();
    }
    if (grid->rowCount() != rows + 1)
        state.SkipWithError("the list did not keep its size");
}

enum class Where { First, Middle, Last };

void remove(benchmark::State &state, const List &list, int rows, Where where)
{
    benchkit::Program program;
    QTableWidget *grid = prepare(list, rows);
    QPushButton *addButton = buttonNamed(list.add);
    QPushButton *deleteButton = buttonNamed(list.remove);
    const int target = where == Where::First ? 1 : where == Where::Middle ? rows / 2 : rows;
    benchkit::StepTimer timer;
    for (auto _ : state) {
        grid->setCurrentCell(target, 0); // the user's click on the row
        benchkit::settle();
        timer.start();
        deleteButton->click();
        benchkit::settle();
        state.SetIterationTime(timer.seconds());
        addButton->click(); // back to `rows` entries
        benchkit::settle();
    }
    if (grid->rowCount() != rows + 1)
        state.SkipWithError("the list did not keep its size");
}

// What TForm1's first show runs, page by page.
void FormShow_defaults(benchmark::State &state)
{
    benchkit::Program program;
    const QList<SettingsPage *> pages = Form1->settingsPages();
    benchkit::StepTimer timer;
    for (auto _ : state) {
        timer.start();
        for (SettingsPage *page : pages)
            page->formShow();
        benchkit::settle();
        state.SetIterationTime(timer.seconds());
    }
}

const bool registered = [] {
    for (const List &list : benchkit::lists()) {
        for (int rows : {100, 100000}) {
            const std::string suffix =
                std::string("/") + list.grid + "/rows:" + std::to_string(rows);
            benchmark::RegisterBenchmark(("ADD" + suffix).c_str(), add, list, rows)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
            for (auto [where, name] : {std::pair{Where::First, "first"},
                                       std::pair{Where::Middle, "middle"},
                                       std::pair{Where::Last, "last"}}) {
                benchmark::RegisterBenchmark(("DELETE" + suffix + "/row:" + name).c_str(), remove,
                                             list, rows, where)
                    ->UseManualTime()
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
    benchmark::RegisterBenchmark("FormShow/defaults", FormShow_defaults)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
