// "Basic Settings": its defaults, its Enable boxes and the section it writes.
#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {
QByteArray basicSection()
{
    const QByteArray file = generate();
    return section(file, file.left(file.indexOf("\r\n")), "### LOG FILES ###");
}
} // namespace

class BasicPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void shouldHaveDefaultValues()
    {
        QCOMPARE(edit("Edit1")->text(), "/path/to/executable/eggdrop");
        QCOMPARE(edit("Edit2")->text(), "Lamest");
        QVERIFY(edit("Edit3")->text().startsWith("Lamer <email: "));
        QVERIFY(edit("Edit3")->text().endsWith(">"));
        QCOMPARE(edit("Edit5")->text(), "EST");
        QCOMPARE(edit("Edit6")->text(), "5");
        QCOMPARE(edit("Edit7")->text(), "English");
        QCOMPARE(edit("Edit8")->text(), edit("Edit9")->text());
        QVERIFY(!box("CheckBox1")->isChecked());
        QVERIFY(!box("CheckBox2")->isChecked());
        for (const char *name : {"Edit7", "Edit8", "Edit9"})
            QVERIFY2(!edit(name)->isEnabled(), name);
        for (const char *name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
            QVERIFY2(edit(name)->isEnabled(), name);
    }

    void everyEditIsNamedByItsLabel()
    {
        const QList<std::pair<const char *, const char *>> labels = {
            {"Edit1", "Path :"},     {"Edit2", "Username :"}, {"Edit3", "Admin :"},
            {"Edit4", "Network :"},  {"Edit5", "Timezone :"}, {"Edit6", "Offset :"},
            {"Edit7", "Language :"}, {"Edit8", "Hostname :"}, {"Edit9", "IP :"},
        };
        for (const auto &[name, caption] : labels) {
            QVERIFY2(!labelOf(name).isNull(), name);
            QCOMPARE(labelOf(name), QString::fromLatin1(caption));
        }
    }

    void enableBoxesEnableTheirEdits()
    {
        press("CheckBox1");
        QVERIFY(edit("Edit7")->isEnabled());
        press("CheckBox1");
        QVERIFY(!edit("Edit7")->isEnabled());
        press("CheckBox2");
        QVERIFY(edit("Edit8")->isEnabled() && edit("Edit9")->isEnabled());
        press("CheckBox2");
        QVERIFY(!edit("Edit8")->isEnabled() && !edit("Edit9")->isEnabled());
    }

    void section_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray head = lines({"#!/path/to/executable/eggdrop", "", "### BASIC SETTINGS ###", "",
                                       "set username \"Lamest\"", ""});
        const QByteArray admin = lines({"set admin \"Lamer <email: lamer@lamest.lame.org>\"", "",
                                        "set network \"I.didnt.edit.my.config.file.net\"", ""});
        const QByteArray tail = lines({"set timezone \"EST\"", "", "set offset \"5\"", ""});
        const QByteArray host = "virtual.host.com";

        QTest::newRow("defaults") << Action([] {}) << head + admin + tail;
        QTest::newRow("language") << Action([] { press("CheckBox1"); })
                                  << head + admin + tail + lines({"addlang \"English\"", ""});
        QTest::newRow("virtual host: two lines, one empty line")
            << Action([] { press("CheckBox2"); })
            << head + admin + tail + "set my-hostname \"" + host + "\"\r\nset my-ip \"" + host + "\"\r\n\r\n";
        QTest::newRow("both, in order") << Action([] { press("CheckBox2"); press("CheckBox1"); type("Edit9", "10.0.0.1"); })
            << head + admin + tail + lines({"addlang \"English\"", ""}) + "set my-hostname \"" + host
                   + "\"\r\nset my-ip \"10.0.0.1\"\r\n\r\n";
        QTest::newRow("language typed, then switched off")
            << Action([] { press("CheckBox1"); type("Edit7", "German"); press("CheckBox1"); })
            << head + admin + tail;
        QTest::newRow("empty path") << Action([] { type("Edit1", ""); })
                                    << "#!\r\n\r\n" + (head + admin + tail).mid(head.indexOf("###"));
        QTest::newRow("values as typed: quote, blanks, Tcl")
            << Action([] { type("Edit2", " a\"b "); type("Edit6", "$x [y]"); })
            << lines({"#!/path/to/executable/eggdrop", "", "### BASIC SETTINGS ###", "",
                      "set username \" a\"b \"", ""}) + admin
                   + lines({"set timezone \"EST\"", "", "set offset \"$x [y]\"", ""});
    }

    void section()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        QCOMPARE(basicSection(), expected);
    }
};

QTEST_MAIN(BasicPageTest)
#include "tst_basicpage.moc"
