// "Scripts": the two lists, worked through their buttons and grid clicks,
// and the section that closes the file.
#include <QHeaderView>
#include <QTabWidget>

#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {

const QByteArray Banner = "### SCRIPTS ###";

// The last section: from its banner to the end of the file.
QByteArray scriptsSection()
{
    return section(generate(), Banner);
}

QStringList column0(const QString &gridName)
{
    QStringList cells;
    QTableWidget *g = grid(gridName);
    for (int r = 0; r < g->rowCount(); ++r)
        cells << (g->item(r, 0) ? g->item(r, 0)->text() : QString());
    return cells;
}

} // namespace

class ScriptsPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void shouldHaveDefaultValues()
    {
        auto *pages = control<QTabWidget>("Pages");
        QCOMPARE(pages->tabText(pages->indexOf(find("TabSheet7"))), "Scripts");
        QCOMPARE(pages->indexOf(find("TabSheet7")), pages->count() - 1);

        for (const auto &[name, caption, text] :
             {std::tuple{"Edit46", "Script Path And Name :", "scripts/script.tcl"},
              std::tuple{"Edit47", "HelpFile Name :", "helpfile.help"}}) {
            QCOMPARE(edit(name)->text(), QString::fromLatin1(text));
            QVERIFY2(!labelOf(name).isNull(), name);
            QCOMPARE(labelOf(name), QString::fromLatin1(caption));
        }
        showPageOf(find("TabSheet7"));
        for (const auto &[addName, deleteName] : {std::pair{"Button4", "Button3"}, {"Button5", "Button6"}}) {
            QCOMPARE(button(addName)->text(), "ADD");
            QCOMPARE(button(deleteName)->text(), "DELETE");
            QVERIFY(button(addName)->geometry().right() < button(deleteName)->geometry().left());
        }
        QCOMPARE(column0("StringGrid2"),
                 QStringList({"Script Path And Name", "scripts/alltools.tcl", "scripts/action.fix.tcl",
                              "scripts/compat.tcl", "scripts/userinfo.tcl"}));
        QCOMPARE(column0("StringGrid3"), QStringList({"HelpFile Name", "userinfo.help"}));
        for (const char *name : {"StringGrid2", "StringGrid3"}) {
            QCOMPARE(grid(name)->columnCount(), 1);
            QCOMPARE(grid(name)->currentRow(), 1);
        }
    }

    void defaultSectionIsTheDefaultFiles()
    {
        QCOMPARE(scriptsSection(), testkit::section(golden("default.conf"), Banner));
        QCOMPARE(scriptsSection(), lines({"### SCRIPTS ###", "",
                                          "source scripts/alltools.tcl",
                                          "source scripts/action.fix.tcl",
                                          "source scripts/compat.tcl",
                                          "source scripts/userinfo.tcl", "",
                                          "loadhelp userinfo.help", ""}));
    }

    void section_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray scripts = lines({"source scripts/alltools.tcl", "source scripts/action.fix.tcl",
                                          "source scripts/compat.tcl", "source scripts/userinfo.tcl"});
        const QByteArray help = lines({"loadhelp userinfo.help", ""});
        const QByteArray banner = lines({"### SCRIPTS ###", ""});

        QTest::newRow("help list emptied by DELETE: no loadhelp, no second empty line")
            << Action([] { press("Button6"); }) << banner + scripts + "\r\n";
        QTest::newRow("DELETE twice on one entry leaves it empty")
            << Action([] { press("Button6"); press("Button6"); }) << banner + scripts + "\r\n";
        QTest::newRow("both lists emptied: banner and one empty line")
            << Action([] {
                   press("Button6");
                   for (int i = 0; i < 4; ++i)
                       press("Button3");
               })
            << banner;
        QTest::newRow("DELETE at start removes row 1, then the last rows: one entry left")
            << Action([] {
                   for (int i = 0; i < 3; ++i)
                       press("Button3");
               })
            << banner + lines({"source scripts/action.fix.tcl", ""}) + help;
        QTest::newRow("DELETE after a click removes the clicked row, then the last row")
            << Action([] {
                   clickCell("StringGrid2", 2);
                   press("Button3");
                   press("Button3");
               })
            << banner + lines({"source scripts/alltools.tcl", "source scripts/compat.tcl", ""}) + help;
        QTest::newRow("a click on the header changes nothing")
            << Action([] {
                   clickCell("StringGrid2", 3);
                   QHeaderView *header = grid("StringGrid2")->horizontalHeader();
                   QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(20, header->height() / 2));
                   press("Button3");
               })
            << banner + lines({"source scripts/alltools.tcl", "source scripts/action.fix.tcl",
                               "source scripts/userinfo.tcl", ""}) + help;
        QTest::newRow("keys move the selection, never onto the header")
            << Action([] {
                   QTableWidget *g = grid("StringGrid2");
                   showPageOf(g);
                   g->setFocus();
                   QTest::keyClick(g, Qt::Key_Up);
                   QTest::keyClick(g, Qt::Key_Home, Qt::ControlModifier);
                   QTest::keyClick(g, Qt::Key_PageUp);
                   QTest::keyClick(g, Qt::Key_Down);
                   QTest::keyClick(g, Qt::Key_Down);
                   press("Button3");
               })
            << banner + lines({"source scripts/alltools.tcl", "source scripts/action.fix.tcl",
                               "source scripts/userinfo.tcl", ""}) + help;
        QTest::newRow("ADD with an empty input after a filled row: source alone")
            << Action([] { addScript(""); })
            << banner + scripts + lines({"source ", ""}) + help;
        QTest::newRow("the next ADD fills that empty row")
            << Action([] {
                   addScript("");
                   addScript("scripts/seen.tcl");
               })
            << banner + scripts + lines({"source scripts/seen.tcl", ""}) + help;
        QTest::newRow("ADD twice: duplicates kept, blanks kept, no quotes")
            << Action([] {
                   addScript(" my scripts/a b.tcl ");
                   press("Button4");
               })
            << banner + scripts
                   + lines({"source  my scripts/a b.tcl ", "source  my scripts/a b.tcl ", ""}) + help;
        QTest::newRow("help files added after the one there")
            << Action([] {
                   addHelpFile("seen.help");
                   addHelpFile("");
               })
            << banner + scripts + "\r\n" + lines({"loadhelp userinfo.help", "loadhelp seen.help", "loadhelp ", ""});
        QTest::newRow("ADD on an emptied list fills row 1")
            << Action([] {
                   press("Button6");
                   addHelpFile("mine.help");
               })
            << banner + scripts + "\r\n" + lines({"loadhelp mine.help", ""});
        QTest::newRow("row 1 deleted, an empty row 2 moves up: the list is not written")
            << Action([] {
                   addHelpFile("");
                   clickCell("StringGrid3", 1);
                   press("Button6");
               })
            << banner + scripts + "\r\n";
        QTest::newRow("an emptied script list leaves the help files")
            << Action([] {
                   for (int i = 0; i < 4; ++i)
                       press("Button3");
               })
            << banner + help;
    }

    void section()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        const QByteArray file = generate();
        QCOMPARE(testkit::section(file, Banner), expected);
        QVERIFY(file.endsWith("\r\n\r\n"));
        QVERIFY(!file.endsWith("\r\n\r\n\r\n"));
    }

    void generatingLeavesTheListsAlone()
    {
        clickCell("StringGrid2", 3);
        const QStringList before = column0("StringGrid2");
        const QByteArray first = generate();
        QCOMPARE(generate(), first);
        QCOMPARE(column0("StringGrid2"), before);
        QCOMPARE(grid("StringGrid2")->currentRow(), 3);
    }
};

QTEST_MAIN(ScriptsPageTest)
#include "tst_scriptspage.moc"
