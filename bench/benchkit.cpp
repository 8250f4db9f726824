#include "benchkit.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>

#include "Unit1.h"
#include "listeditor.h"
#include "startup.h"
#include "testkit.h"

namespace benchkit {

Program::Program()
{
    testkit::startApp();
    settle();
}

Program::~Program()
{
    testkit::stopApp();
    settle();
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

const QList<List> &lists()
{
    static const QList<List> all = {
        {"StringGrid1", "Button1", "Button2", {"Edit12", "Edit15", "Edit16"}},
        {"StringGrid2", "Button4", "Button3", {"Edit46"}},
        {"StringGrid3", "Button5", "Button6", {"Edit47"}},
        {"StringGrid4", "Button8", "Button9", {"Edit79", "Edit78", "Edit77"}},
    };
    return all;
}

ListEditor *editorOf(QTableWidget *grid)
{
    const auto editors = Form1->findChildren<ListEditor *>();
    for (ListEditor *editor : editors) {
        if (editor->grid() == grid)
            return editor;
    }
    qFatal("no list editor for %s", qPrintable(grid->objectName()));
}

void fillList(const List &list, int entries)
{
    auto *grid = control<QTableWidget>(QString::fromLatin1(list.grid));
    QStringList header;
    for (int c = 0; c < grid->columnCount(); ++c)
        header.append(grid->item(0, c) ? grid->item(0, c)->text() : QString());

    // Texts of the kind each list holds, a little different on every row.
    QList<QStringList> rows;
    rows.reserve(entries);
    for (int r = 0; r < entries; ++r) {
        const QString n = QString::number(r);
        if (list.inputs.size() == 3 && QLatin1String(list.grid) == QLatin1String("StringGrid1"))
            rows.append({"#chan" + n, "jkp", "logs/chan" + n + ".log"});
        else if (list.inputs.size() == 3)
            rows.append({"irc" + n + ".example.net", "6667", "secret" + n});
        else if (QLatin1String(list.grid) == QLatin1String("StringGrid2"))
            rows.append({"scripts/script" + n + ".tcl"});
        else
            rows.append({"script" + n + ".help"});
    }
    editorOf(grid)->fill(header, rows);
    settle();
}

} // namespace benchkit
