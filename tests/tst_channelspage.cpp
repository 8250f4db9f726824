// "Channels" and "Channels #2": the modules banner, the channels module
// section and its global flag block.
#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {

// The flags of the global flag block, in the order they are written.
struct Flag
{
    const char *box;
    const char *caption;
    bool checked;
};
const Flag Flags[] = {
    {"CheckBox35", "Autoop", false},         {"CheckBox36", "Autovoice", false},
    {"CheckBox37", "Bitch", false},          {"CheckBox38", "Cycle", true},
    {"CheckBox39", "Dontkickops", true},     {"CheckBox40", "Dynamicbans", true},
    {"CheckBox41", "Dynamicexempts", true},  {"CheckBox44", "Greet", true},
    {"CheckBox42", "Dynamicinvites", true},  {"CheckBox43", "Enforcebans", false},
    {"CheckBox45", "Inactive", false},       {"CheckBox46", "Nodesynch", false},
    {"CheckBox47", "Protectfriends", false}, {"CheckBox48", "Protectops", true},
    {"CheckBox49", "Revenge", false},        {"CheckBox50", "Revengebot", false},
    {"CheckBox51", "Secret", false},         {"CheckBox52", "Seen", false},
    {"CheckBox53", "Shared", true},          {"CheckBox54", "Statuslog", true},
    {"CheckBox55", "Userbans", true},        {"CheckBox56", "Userexempts", true},
    {"CheckBox57", "Userinvites", true},
};

// The block as it is written when flag i is on exactly when on(i) holds.
QByteArray blockWith(const std::function<bool(int)> &on)
{
    QByteArray block = "set global-chanset {\r\n";
    for (int i = 0; i < int(std::size(Flags)); ++i)
        block += QByteArray(on(i) ? "  +" : "  -") + QByteArray(Flags[i].caption).toLower() + "\r\n";
    return block + "}\r\n\r\n";
}

QByteArray channelsSection(const QByteArray &file)
{
    return section(file, "### MODULES ###", "# SERVER MODULE #");
}

QByteArray flagBlockOf(const QByteArray &file)
{
    return section(channelsSection(file), "set global-chanset {");
}

} // namespace

class ChannelsPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void everyEditIsNamedByItsLabel()
    {
        const QList<std::pair<const char *, const char *>> labels = {
            {"Edit49", "Chanfile :"},   {"Edit50", "Ban Time :"},   {"Edit51", "Exempt Time :"},
            {"Edit52", "Invite Time :"}, {"Edit53", "Flood Chan :"}, {"Edit58", "Flood Join :"},
            {"Edit55", "Flood Kick :"}, {"Edit56", "Flood Nick :"}, {"Edit54", "Flood Deop :"},
            {"Edit57", "Flood Ctcp :"}, {"Edit59", "Aop Delay :"},  {"Edit60", "Chanmode :"},
            {"Edit61", "Stopnethack Mode :"}, {"Edit62", "Revenge Mode :"},
        };
        for (const auto &[name, caption] : labels) {
            QVERIFY2(!labelOf(name).isNull(), name);
            QCOMPARE(labelOf(name), QString::fromLatin1(caption));
        }
        const QList<std::pair<const char *, const char *>> boxes = {
            {"CheckBox28", "Load Module"}, {"CheckBox29", "Force Expire"},
            {"CheckBox30", "Share Greet"}, {"CheckBox31", "Use Info"}, {"CheckBox32", "Idle Kick"},
        };
        for (const auto &[name, caption] : boxes)
            QCOMPARE(box(name)->text(), QString::fromLatin1(caption));
    }

    // The boxes carry their captions and stand three to a row, in the order
    // their flags are written.
    void flagBoxesStandInTheirWritingOrder()
    {
        showPageOf(box("CheckBox35"));
        for (const Flag &f : Flags)
            QCOMPARE(box(f.box)->text(), QString::fromLatin1(f.caption));
        for (int i = 1; i < int(std::size(Flags)); ++i) {
            const QPoint prev = box(Flags[i - 1].box)->geometry().topLeft();
            const QPoint here = box(Flags[i].box)->geometry().topLeft();
            if (i % 3 == 0)
                QVERIFY2(here.y() > prev.y() && here.x() < prev.x(), Flags[i].box);
            else
                QVERIFY2(here.y() == prev.y() && here.x() > prev.x(), Flags[i].box);
        }
    }

    void section_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray base = channelsSection(golden("default.conf"));

        QTest::newRow("defaults") << Action([] {}) << base;
        QTest::newRow("Load Module off changes the load line only")
            << Action([] { press("CheckBox28"); })
            << withLine(base, "loadmodule channels", "#loadmodule channels");
        QTest::newRow("the four switches")
            << Action([] { press("CheckBox29"); press("CheckBox30"); press("CheckBox31"); press("CheckBox32"); })
            << withLine(withLine(withLine(withLine(base, "set force-expire 0", "set force-expire 1"),
                                          "set share-greet 0", "set share-greet 1"),
                                 "set use-info 1", "set use-info 0"),
                        "set global-idle-kick 0", "set global-idle-kick 1");
        QTest::newRow("emptied edits keep their lines")
            << Action([] { type("Edit60", ""); type("Edit53", ""); type("Edit49", ""); })
            << withLine(withLine(withLine(base, "set global-chanmode \"nt\"", "set global-chanmode \"\""),
                                 "set global-flood-chan 10:60", "set global-flood-chan "),
                        "set chanfile \"LamestBot.chan\"", "set chanfile \"\"");
        QTest::newRow("values as typed: quote, blanks, Tcl")
            << Action([] { type("Edit49", " my \"chan\" "); type("Edit62", "[3]"); type("Edit59", "$d"); })
            << withLine(withLine(withLine(base, "set chanfile \"LamestBot.chan\"", "set chanfile \" my \"chan\" \""),
                                 "set global-revenge-mode 1", "set global-revenge-mode [3]"),
                        "set global-aop-delay 5:30", "set global-aop-delay $d");
    }

    void section()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        QCOMPARE(channelsSection(generate()), expected);
    }

    // The block keeps its 25 lines whatever the boxes; each box turns only
    // its own flag.
    void flagBlock_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("defaults") << Action([] {}) << blockWith([](int i) { return Flags[i].checked; });
        for (int i = 0; i < int(std::size(Flags)); ++i) {
            const Flag flag = Flags[i];
            QTest::addRow("%s flips line %d only", flag.caption, i + 1)
                << Action([flag] { press(flag.box); })
                << blockWith([i](int j) { return Flags[j].checked != (i == j); });
        }
        QTest::newRow("all flipped") << Action([] {
            for (const Flag &f : Flags)
                press(f.box);
        }) << blockWith([](int i) { return !Flags[i].checked; });
        QTest::newRow("all on") << Action([] {
            for (const Flag &f : Flags)
                setChecked(f.box, true);
        }) << blockWith([](int) { return true; });
        QTest::newRow("all off") << Action([] {
            for (const Flag &f : Flags)
                setChecked(f.box, false);
        }) << blockWith([](int) { return false; });
        QTest::newRow("Load Module off leaves the block live")
            << Action([] { press("CheckBox28"); }) << blockWith([](int i) { return Flags[i].checked; });
    }

    void flagBlock()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        const QByteArray block = flagBlockOf(generate());
        QCOMPARE(block, expected);
        QCOMPARE(block.count("\r\n"), 26); // 25 lines and the empty line after them
    }

    // Every control of both pages starts enabled and stays so.
    void loadModuleDisablesNothing()
    {
        for (bool loaded : {true, false}) {
            setChecked("CheckBox28", loaded);
            for (const char *sheet : {"TabSheet8", "TabSheet18"})
                for (QWidget *w : find(sheet)->findChildren<QWidget *>())
                    QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(ChannelsPageTest)
#include "tst_channelspage.moc"
