// "Botnet/Dcc/Telnet": its defaults, its two radio groups, what the Enable
// box and the listen choice enable, and the section it writes.
#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {
QByteArray botnetSection()
{
    return section(generate(), "### BOTNET/DCC/TELNET ###", "### MORE ADVANCED SETTINGS ###");
}

const char *const DefaultLines[] = {
    "### BOTNET/DCC/TELNET ###", "",
    "listen 3333 all", "",
    "set remote-boots 2", "",
    "set share-unlinks 1", "", "set protect-telnet 0", "", "set require-p 0", "",
    "set dcc-sanitycheck 0", "", "set open-telnets 0", "", "set stealth-telnets 0", "",
    "set paranoid-telnet-flood 1", "", "set use-telnet-banner 0", "",
    "set ident-timeout 5", "", "set connect-timeout 15", "", "set dcc-flood-thr 3", "",
    "set telnet-flood 5:60", "", "set resolve-timeout 15", ""};

// The default section with some of its lines replaced, each by one or more
// lines (a replacement may hold "\r\n" and even whole blocks).
QByteArray defaultsWith(std::initializer_list<std::pair<QByteArray, QByteArray>> changes = {})
{
    QByteArray text;
    for (const char *line : DefaultLines)
        text += QByteArray(line) + "\r\n";
    for (const auto &[from, to] : changes)
        text = withLine(text, from, to);
    return text;
}

using Enabled = QList<bool>; // Edit27, Edit28, Edit29, Edit30
Enabled enabledEdits()
{
    return {edit("Edit27")->isEnabled(), edit("Edit28")->isEnabled(),
            edit("Edit29")->isEnabled(), edit("Edit30")->isEnabled()};
}
} // namespace

class BotnetPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void defaultSectionMatchesTheDefaultFile()
    {
        const QByteArray expected = testkit::section(golden("default.conf"), "### BOTNET/DCC/TELNET ###",
                                                     "### MORE ADVANCED SETTINGS ###");
        QCOMPARE(botnetSection(), expected);
        QCOMPARE(expected, defaultsWith());
    }

    void shouldHaveDefaultValues()
    {
        QCOMPARE(edit("Edit27")->text(), "LlamaBot");
        QCOMPARE(edit("Edit28")->text(), "3333");
        QCOMPARE(edit("Edit29")->text(), "3333");
        QCOMPARE(edit("Edit30")->text(), "4444");
        QCOMPARE(edit("Edit34")->text(), "5:60");
        QVERIFY(!box("CheckBox8")->isChecked());
        QVERIFY(radio("RadioButton1")->isChecked() && !radio("RadioButton2")->isChecked());
        QVERIFY(radio("RadioButton5")->isChecked());
        QVERIFY(!radio("RadioButton3")->isChecked() && !radio("RadioButton4")->isChecked());
        QVERIFY(box("CheckBox9")->isChecked() && box("CheckBox16")->isChecked());
        QCOMPARE(enabledEdits(), Enabled({false, true, false, false}));

        // The listen choice lives in its own borderless panel; the remote
        // boots choice sits on the page itself.
        auto *panel = control<QFrame>("Panel1");
        QCOMPARE(panel->frameShape(), QFrame::NoFrame);
        for (const char *name : {"RadioButton1", "RadioButton2", "Edit28", "Edit29", "Edit30"})
            QVERIFY2(panel->isAncestorOf(find(name)), name);
        for (const char *name : {"RadioButton3", "RadioButton4", "RadioButton5"})
            QCOMPARE(find(name)->parentWidget()->objectName(), "TabSheet4");
    }

    void everyEditIsNamedByItsLabel()
    {
        const QList<std::pair<const char *, const char *>> labels = {
            {"Edit27", "Botnet Nick :"},     {"Edit29", "Bots :"},
            {"Edit30", "Users :"},           {"Edit31", "Ident Timeout :"},
            {"Edit32", "Connect Timeout :"}, {"Edit33", "Dcc Flood Thr :"},
            {"Edit34", "Telnet Flood :"},    {"Edit35", "Resolve Timeout :"},
        };
        for (const auto &[name, caption] : labels) {
            QVERIFY2(!labelOf(name).isNull(), name);
            QCOMPARE(labelOf(name), QString::fromLatin1(caption));
        }
    }

    void theTwoRadioGroupsAreIndependent()
    {
        press("RadioButton2");
        QVERIFY(radio("RadioButton2")->isChecked() && !radio("RadioButton1")->isChecked());
        QVERIFY(radio("RadioButton5")->isChecked());
        press("RadioButton3");
        QVERIFY(radio("RadioButton3")->isChecked() && !radio("RadioButton5")->isChecked());
        QVERIFY(radio("RadioButton2")->isChecked());
        press("RadioButton1");
        QVERIFY(radio("RadioButton1")->isChecked() && !radio("RadioButton2")->isChecked());
        QVERIFY(radio("RadioButton3")->isChecked());
    }

    void enabledStates_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<Enabled>("enabled");
        QTest::newRow("Enable checked") << Action([] { press("CheckBox8"); })
                                        << Enabled({true, true, false, false});
        QTest::newRow("Enable checked and unchecked")
            << Action([] { press("CheckBox8"); press("CheckBox8"); })
            << Enabled({false, true, false, false});
        QTest::newRow("Different") << Action([] { press("RadioButton2"); })
                                   << Enabled({false, false, true, true});
        QTest::newRow("Different, then Same")
            << Action([] { press("RadioButton2"); press("RadioButton1"); })
            << Enabled({false, true, false, false});
        QTest::newRow("Same again while Same") << Action([] { press("RadioButton1"); })
                                               << Enabled({false, true, false, false});
        QTest::newRow("remote boots leave the ports alone")
            << Action([] { press("RadioButton2"); press("RadioButton3"); press("RadioButton4"); })
            << Enabled({false, false, true, true});
    }

    void enabledStates()
    {
        QFETCH(Action, action);
        QFETCH(Enabled, enabled);
        action();
        QCOMPARE(enabledEdits(), enabled);
    }

    void section_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("botnet nick before the listen line")
            << Action([] { press("CheckBox8"); })
            << defaultsWith({{"listen 3333 all", "set botnet-nick \"LlamaBot\"\r\n\r\nlisten 3333 all"}});
        QTest::newRow("botnet nick emptied keeps its quotes")
            << Action([] { press("CheckBox8"); type("Edit27", ""); })
            << defaultsWith({{"listen 3333 all", "set botnet-nick \"\"\r\n\r\nlisten 3333 all"}});
        QTest::newRow("botnet nick typed, then switched off")
            << Action([] { press("CheckBox8"); type("Edit27", "Other"); press("CheckBox8"); })
            << defaultsWith();
        QTest::newRow("Different: two listen lines, one empty line")
            << Action([] { press("RadioButton2"); })
            << defaultsWith({{"listen 3333 all", "listen 3333 bots\r\nlisten 4444 users"}});
        QTest::newRow("Different, Same, Different keeps the ports")
            << Action([] {
                   press("RadioButton2");
                   type("Edit29", "5000");
                   type("Edit30", "6000");
                   press("RadioButton1");
                   press("RadioButton2");
               })
            << defaultsWith({{"listen 3333 all", "listen 5000 bots\r\nlisten 6000 users"}});
        QTest::newRow("Same writes its port, though the others were typed")
            << Action([] {
                   type("Edit28", "7777");
                   press("RadioButton2");
                   type("Edit29", "5000");
                   press("RadioButton1");
               })
            << defaultsWith({{"listen 3333 all", "listen 7777 all"}});
        QTest::newRow("ports as typed: empty, blank, quote")
            << Action([] { press("RadioButton2"); type("Edit29", ""); type("Edit30", " 44\"44"); })
            << defaultsWith({{"listen 3333 all", "listen  bots\r\nlisten  44\"44 users"}});
        QTest::newRow("No Outside") << Action([] { press("RadioButton3"); })
                                    << defaultsWith({{"set remote-boots 2", "set remote-boots 0"}});
        QTest::newRow("From Sharebots") << Action([] { press("RadioButton4"); })
                                        << defaultsWith({{"set remote-boots 2", "set remote-boots 1"}});
        QTest::newRow("Different and No Outside together")
            << Action([] { press("RadioButton2"); press("RadioButton3"); })
            << defaultsWith({{"listen 3333 all", "listen 3333 bots\r\nlisten 4444 users"},
                             {"set remote-boots 2", "set remote-boots 0"}});
        QTest::newRow("every switch turned over, in page order")
            << Action([] {
                   for (const char *name : {"CheckBox9", "CheckBox10", "CheckBox11", "CheckBox12",
                                            "CheckBox13", "CheckBox14", "CheckBox15", "CheckBox16"})
                       press(name);
               })
            << defaultsWith({{"set share-unlinks 1", "set share-unlinks 0"},
                             {"set protect-telnet 0", "set protect-telnet 1"},
                             {"set require-p 0", "set require-p 1"},
                             {"set dcc-sanitycheck 0", "set dcc-sanitycheck 1"},
                             {"set open-telnets 0", "set open-telnets 1"},
                             {"set stealth-telnets 0", "set stealth-telnets 1"},
                             {"set paranoid-telnet-flood 1", "set paranoid-telnet-flood 0"},
                             {"set use-telnet-banner 0", "set use-telnet-banner 1"}});
        QTest::newRow("time-outs as typed, each on its own line")
            << Action([] {
                   type("Edit31", "");
                   type("Edit32", "c");
                   type("Edit33", "d");
                   type("Edit34", " 5:60\"");
                   type("Edit35", "r");
               })
            << defaultsWith({{"set ident-timeout 5", "set ident-timeout "},
                             {"set connect-timeout 15", "set connect-timeout c"},
                             {"set dcc-flood-thr 3", "set dcc-flood-thr d"},
                             {"set telnet-flood 5:60", "set telnet-flood  5:60\""},
                             {"set resolve-timeout 15", "set resolve-timeout r"}});
    }

    void section()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        QCOMPARE(botnetSection(), expected);
    }
};

QTEST_MAIN(BotnetPageTest)
#include "tst_botnetpage.moc"
