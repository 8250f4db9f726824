// The four lists: header rows and starting entries, and the ADD, DELETE and
// selected-row rules, driven through the real buttons and grid clicks.
#include <QComboBox>
#include <QHeaderView>

#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {

// The entries of a grid, one string per row with its cells joined by '|'.
QStringList entries(const QString &gridName)
{
    QTableWidget *g = grid(gridName);
    QStringList rows;
    for (int r = 1; r < g->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < g->columnCount(); ++c)
            cells << (g->item(r, c) ? g->item(r, c)->text() : QString());
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList header(const QString &gridName)
{
    QTableWidget *g = grid(gridName);
    QStringList cells;
    for (int c = 0; c < g->columnCount(); ++c)
        cells << (g->item(0, c) ? g->item(0, c)->text() : QString());
    return cells;
}

const QStringList DefaultScripts = {"scripts/alltools.tcl", "scripts/action.fix.tcl",
                                    "scripts/compat.tcl", "scripts/userinfo.tcl"};

} // namespace

class ListEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void formShowFillsHeadersAndStartingEntries()
    {
        QCOMPARE(header("StringGrid1"), QStringList({"Channel", "Settings", "Filename"}));
        QCOMPARE(header("StringGrid2"), QStringList({"Script Path And Name"}));
        QCOMPARE(header("StringGrid3"), QStringList({"HelpFile Name"}));
        QCOMPARE(header("StringGrid4"), QStringList({"Server Name", "Port", "Password"}));
        QCOMPARE(entries("StringGrid1"), QStringList({"||"}));
        QCOMPARE(entries("StringGrid2"), DefaultScripts);
        QCOMPARE(entries("StringGrid3"), QStringList({"userinfo.help"}));
        QCOMPARE(entries("StringGrid4"), QStringList({"||"}));
        for (const char *g : {"StringGrid1", "StringGrid2", "StringGrid3", "StringGrid4"}) {
            QCOMPARE(grid(g)->currentRow(), 1);
            QCOMPARE(grid(g)->editTriggers(), QAbstractItemView::NoEditTriggers);
        }
        QCOMPARE(control<QComboBox>("ComboBox1")->currentIndex(), 0);
        // The header stays in view as its own row; the user can widen columns.
        QCOMPARE(grid("StringGrid4")->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
        QCOMPARE(grid("StringGrid1")->columnWidth(0), 100);
        QCOMPARE(grid("StringGrid2")->columnWidth(0), 360);
        QCOMPARE(grid("StringGrid4")->columnWidth(2), 190);
    }

    void rules_data()
    {
        QTest::addColumn<QString>("gridName");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("highlighted");

        QTest::newRow("ADD fills the empty only row and adds none")
            << "StringGrid4" << Action([] { addServer("irc.a", "6667", "pw"); })
            << QStringList{"irc.a|6667|pw"} << 1;
        QTest::newRow("ADD twice gives two equal rows")
            << "StringGrid4" << Action([] { addServer("irc.a", "6667"); press("Button8"); })
            << QStringList{"irc.a|6667|", "irc.a|6667|"} << 1;
        QTest::newRow("ADD with an empty first edit appends a row the next ADD overwrites")
            << "StringGrid4"
            << Action([] { addServer("irc.a", "6667"); addServer("", "7000"); addServer("irc.b", "", "x"); })
            << QStringList{"irc.a|6667|", "irc.b||x"} << 1;
        QTest::newRow("ADD keeps the input edits and the highlighted row")
            << "StringGrid2"
            << Action([] {
                   clickCell("StringGrid2", 2);
                   addScript("my.tcl");
                   QCOMPARE(edit("Edit46")->text(), "my.tcl");
               })
            << DefaultScripts + QStringList{"my.tcl"} << 2;
        QTest::newRow("log files: the three edits go to their columns")
            << "StringGrid1"
            << Action([] { addLogFile("#chan", "mkjp", "logs/c.log"); press("Button1"); })
            << QStringList{"#chan|mkjp|logs/c.log", "#chan|mkjp|logs/c.log"} << 1;
        QTest::newRow("DELETE on the only entry empties it, twice")
            << "StringGrid3" << Action([] { press("Button6"); press("Button6"); })
            << QStringList{""} << 1;
        QTest::newRow("DELETE right after start-up removes row 1")
            << "StringGrid2" << Action([] { press("Button3"); })
            << DefaultScripts.mid(1) << 3;
        QTest::newRow("DELETE after clicking row 2 removes it and highlights the new last row")
            << "StringGrid2" << Action([] { clickCell("StringGrid2", 2); press("Button3"); })
            << QStringList{DefaultScripts[0], DefaultScripts[2], DefaultScripts[3]} << 3;
        QTest::newRow("a second DELETE with no click removes the last row")
            << "StringGrid2" << Action([] { clickCell("StringGrid2", 2); press("Button3"); press("Button3"); })
            << QStringList{DefaultScripts[0], DefaultScripts[2]} << 2;
        QTest::newRow("clicking the header row keeps the selected row")
            << "StringGrid2"
            << Action([] {
                   clickCell("StringGrid2", 3);
                   QHeaderView *h = grid("StringGrid2")->horizontalHeader();
                   QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(20, h->height() / 2));
                   press("Button3");
               })
            << QStringList{DefaultScripts[0], DefaultScripts[1], DefaultScripts[3]} << 3;
        QTest::newRow("the keyboard moves the selected row too")
            << "StringGrid2"
            << Action([] { clickCell("StringGrid2", 1); QTest::keyClick(grid("StringGrid2"), Qt::Key_Down);
                           press("Button3"); })
            << QStringList{DefaultScripts[0], DefaultScripts[2], DefaultScripts[3]} << 3;
        QTest::newRow("the keyboard cannot reach the header row")
            << "StringGrid2"
            << Action([] {
                   clickCell("StringGrid2", 1);
                   for (Qt::Key key : {Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Home})
                       QTest::keyClick(grid("StringGrid2"), key);
                   QTest::keyClick(grid("StringGrid2"), Qt::Key_Home, Qt::ControlModifier);
                   QCOMPARE(grid("StringGrid2")->currentRow(), 1);
                   press("Button3");
               })
            << DefaultScripts.mid(1) << 3;
        QTest::newRow("deleting row 1 moves row 2 up")
            << "StringGrid4"
            << Action([] {
                   addServer("irc.a", "6667");
                   addServer("irc.b", "6667");
                   clickCell("StringGrid4", 1);
                   press("Button9");
               })
            << QStringList{"irc.b|6667|"} << 1;
    }

    void rules()
    {
        QFETCH(QString, gridName);
        QFETCH(Action, action);
        QFETCH(QStringList, expected);
        QFETCH(int, highlighted);
        action();
        QCOMPARE(entries(gridName), expected);
        QCOMPARE(grid(gridName)->currentRow(), highlighted);
    }
};

QTEST_MAIN(ListEditorTest)
#include "tst_listeditor.moc"
