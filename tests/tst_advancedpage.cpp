// "Advance": its controls and defaults, the Enable boxes, and the section it
// writes.
#include <QPlainTextEdit>
#include <QTabWidget>

#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {

QByteArray advancedSection(const QByteArray &file)
{
    return section(file, "### MORE ADVANCED SETTINGS ###", "### MODULES ###");
}

// The default section, line by line.
QByteArray defaults()
{
    return lines({"### MORE ADVANCED SETTINGS ###", "",
                  "set owner \"MrLame, MrsLame\"", "",
                  "set ignore-time 15", "",
                  "set hourly-updates 00", "",
                  "set max-dcc 50", "",
                  "set notify-newusers \"$owner\"", "",
                  "set default-flags \"hp\"", "",
                  "set whois-fields \"url birthday\"", "",
                  "set dupwait-timeout 5", "",
                  "set must-be-owner 1", "",
                  "unbind dcc n set *dcc:set", "",
                  "unbind dcc n tcl *dcc:tcl", "",
                  "unbind dcc n simul *dcc:simul", "",
                  "set enable-simul 0", "",
                  "set allow-dk-cmds 0", "",
                  "set die-on-sigterm 0", "",
                  "set die-on-sighup 0", "",
                  ""});
}

// `text` without the line `gone` (which must be there once) and the empty
// line after it.
QByteArray without(QByteArray text, const QByteArray &gone)
{
    const QByteArray both = gone + "\r\n\r\n";
    if (text.count(both) != 1)
        qFatal("expected the line %s once", gone.constData());
    return text.replace(both, "");
}

// The default section with these lines before its closing empty line.
QByteArray endingWith(std::initializer_list<const char *> extra)
{
    return defaults().chopped(2) + lines(extra) + "\r\n";
}

} // namespace

class AdvancedPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void shouldHaveDefaultValues()
    {
        auto *pages = control<QTabWidget>("Pages");
        QCOMPARE(pages->tabText(pages->indexOf(find("TabSheet5"))), "Advance");

        const QList<std::tuple<const char *, const char *, const char *>> edits = {
            {"Edit36", "Owner :", "MrLame, MrsLame"},
            {"Edit38", "Ignore Time :", "15"},
            {"Edit37", "Hourly Updates :", "00"},
            {"Edit39", "Max Dcc :", "50"},
            {"Edit159", "Notify Newusers :", "$owner"},
            {"Edit41", "Default Flags :", "hp"},
            {"Edit42", "Whois Fields :", "url birthday"},
            {"Edit40", "Dupwait Timeout :", "5"},
            {"Edit160", "Must Be Owner :", "1"},
            {"Edit45", "Reserved Portrange :", "2010:2020"},
            {"Edit43", "Firewall :", "!sun-barr.ebay:3666"},
            {"Edit44", "Nat Ip :", "127.0.0.1"},
        };
        for (const auto &[name, caption, text] : edits) {
            QCOMPARE(edit(name)->text(), QString::fromLatin1(text));
            QVERIFY2(!labelOf(name).isNull(), name);
            QCOMPARE(labelOf(name), QString::fromLatin1(caption));
        }
        const QList<std::pair<const char *, const char *>> boxes = {
            {"CheckBox17", "Enable Set"},   {"CheckBox18", "Enable Tcl"},
            {"CheckBox22", "Add Simul"},    {"CheckBox23", "Enable Simul"},
            {"CheckBox24", "Allow Dk Cmds"}, {"CheckBox21", "Die On Sigterm"},
            {"CheckBox20", "Die On Sighup"}, {"CheckBox25", "Enable"},
            {"CheckBox26", "Enable"},       {"CheckBox27", "Enable"},
        };
        for (const auto &[name, caption] : boxes) {
            QCOMPARE(box(name)->text(), QString::fromLatin1(caption));
            QVERIFY2(!box(name)->isChecked(), name);
        }
        for (const char *name : {"Edit45", "Edit43", "Edit44"})
            QVERIFY2(!edit(name)->isEnabled(), name);
        showPageOf(edit("Edit36")); // help is laid out when its page is shown
        for (const char *name : {"Memo16", "Memo17", "Memo18", "Memo19", "Memo20"})
            QVERIFY2(!control<QPlainTextEdit>(name)->toPlainText().isEmpty(), name);
    }

    // The page reads as the file does: four rows of two edits, then the
    // switches in rows of three, three and one.
    void controlsStandInReadingOrder()
    {
        const QList<QStringList> rows = {
            {"Edit38", "Edit37"}, {"Edit39", "Edit159"}, {"Edit41", "Edit42"},
            {"Edit40", "Edit160"}, {"CheckBox17", "CheckBox18", "CheckBox22"},
            {"CheckBox23", "CheckBox24", "CheckBox21"}, {"CheckBox20"},
        };
        showPageOf(find("TabSheet5"));
        int lastBottom = find("Edit36")->geometry().bottom();
        for (const QStringList &row : rows) {
            const QRect first = find(row.first())->geometry();
            QVERIFY2(first.top() > lastBottom, qPrintable(row.first()));
            for (qsizetype i = 1; i < row.size(); ++i) {
                const QRect g = find(row[i])->geometry();
                QCOMPARE(g.top(), first.top());
                QVERIFY2(g.left() > find(row[i - 1])->geometry().right(), qPrintable(row[i]));
            }
            lastBottom = first.bottom();
        }
        QVERIFY(find("Edit45")->geometry().top() > lastBottom);
        QVERIFY(find("Edit43")->geometry().top() > find("Edit45")->geometry().bottom());
        QVERIFY(find("Edit44")->geometry().top() > find("Edit43")->geometry().bottom());
    }

    void enableBoxesEnableTheirEditsAndKeepTheirText()
    {
        for (const auto &[boxName, editName] : {std::pair{"CheckBox25", "Edit45"},
                                                {"CheckBox26", "Edit43"},
                                                {"CheckBox27", "Edit44"}}) {
            press(boxName);
            QVERIFY2(edit(editName)->isEnabled(), editName);
            type(editName, "typed");
            press(boxName);
            QVERIFY2(!edit(editName)->isEnabled(), editName);
            QCOMPARE(edit(editName)->text(), "typed");
        }
    }

    void defaultSectionIsTheDefaultFiles()
    {
        QCOMPARE(advancedSection(generate()), advancedSection(golden("default.conf")));
        QCOMPARE(advancedSection(golden("default.conf")), defaults());
    }

    void section_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("Enable Set keeps .set") << Action([] { press("CheckBox17"); })
                                               << without(defaults(), "unbind dcc n set *dcc:set");
        QTest::newRow("Enable Tcl keeps .tcl") << Action([] { press("CheckBox18"); })
                                               << without(defaults(), "unbind dcc n tcl *dcc:tcl");
        QTest::newRow("Add Simul keeps .simul")
            << Action([] { press("CheckBox22"); })
            << without(defaults(), "unbind dcc n simul *dcc:simul");
        QTest::newRow("all three commands kept")
            << Action([] { press("CheckBox17"); press("CheckBox18"); press("CheckBox22"); })
            << without(without(without(defaults(), "unbind dcc n set *dcc:set"),
                               "unbind dcc n tcl *dcc:tcl"),
                       "unbind dcc n simul *dcc:simul");

        QTest::newRow("Enable Simul") << Action([] { press("CheckBox23"); })
                                      << withLine(defaults(), "set enable-simul 0", "set enable-simul 1");
        QTest::newRow("Allow Dk Cmds") << Action([] { press("CheckBox24"); })
                                       << withLine(defaults(), "set allow-dk-cmds 0", "set allow-dk-cmds 1");
        QTest::newRow("Die On Sigterm") << Action([] { press("CheckBox21"); })
                                        << withLine(defaults(), "set die-on-sigterm 0", "set die-on-sigterm 1");
        QTest::newRow("Die On Sighup") << Action([] { press("CheckBox20"); })
                                       << withLine(defaults(), "set die-on-sighup 0", "set die-on-sighup 1");

        QTest::newRow("reserved port range alone")
            << Action([] { press("CheckBox25"); type("Edit45", "4000:4010"); })
            << endingWith({"set reserved-portrange 4000:4010", ""});
        QTest::newRow("firewall alone") << Action([] { press("CheckBox26"); })
                                        << endingWith({"set firewall \"!sun-barr.ebay:3666\"", ""});
        QTest::newRow("NAT address alone")
            << Action([] { press("CheckBox27"); type("Edit44", "198.51.100.7"); })
            << endingWith({"set nat-ip \"198.51.100.7\"", ""});
        QTest::newRow("all three Enable boxes, default texts")
            << Action([] { press("CheckBox27"); press("CheckBox25"); press("CheckBox26"); })
            << endingWith({"set reserved-portrange 2010:2020", "",
                           "set firewall \"!sun-barr.ebay:3666\"", "",
                           "set nat-ip \"127.0.0.1\"", ""});
        QTest::newRow("a box switched off writes nothing")
            << Action([] { press("CheckBox26"); type("Edit43", "fw.example.org:1080"); press("CheckBox26"); })
            << defaults();
        QTest::newRow("a disabled edit's text comes back with its box")
            << Action([] {
                   press("CheckBox26");
                   type("Edit43", "fw.example.org:1080");
                   press("CheckBox26");
                   generate();
                   press("CheckBox26");
               })
            << endingWith({"set firewall \"fw.example.org:1080\"", ""});

        QTest::newRow("numbers as typed: leading zeros, blanks")
            << Action([] { type("Edit37", "05"); type("Edit38", " 30 "); type("Edit160", "2"); })
            << withLine(withLine(withLine(defaults(), "set ignore-time 15", "set ignore-time  30 "),
                                 "set hourly-updates 00", "set hourly-updates 05"),
                        "set must-be-owner 1", "set must-be-owner 2");
        QTest::newRow("values as typed: quotes, dollars, brackets")
            << Action([] {
                   type("Edit36", "Me, \"You\"");
                   type("Edit159", "$owner [x]");
                   type("Edit42", "url \\ email");
               })
            << withLine(withLine(withLine(defaults(), "set owner \"MrLame, MrsLame\"",
                                          "set owner \"Me, \"You\"\""),
                                 "set notify-newusers \"$owner\"", "set notify-newusers \"$owner [x]\""),
                        "set whois-fields \"url birthday\"", "set whois-fields \"url \\ email\"");
        QTest::newRow("every edit emptied")
            << Action([] {
                   for (const char *name : {"CheckBox25", "CheckBox26", "CheckBox27"})
                       press(name);
                   for (const char *name : {"Edit36", "Edit38", "Edit37", "Edit39", "Edit159", "Edit41",
                                            "Edit42", "Edit40", "Edit160", "Edit45", "Edit43", "Edit44"})
                       type(name, "");
               })
            << lines({"### MORE ADVANCED SETTINGS ###", "",
                      "set owner \"\"", "",
                      "set ignore-time ", "",
                      "set hourly-updates ", "",
                      "set max-dcc ", "",
                      "set notify-newusers \"\"", "",
                      "set default-flags \"\"", "",
                      "set whois-fields \"\"", "",
                      "set dupwait-timeout ", "",
                      "set must-be-owner ", "",
                      "unbind dcc n set *dcc:set", "",
                      "unbind dcc n tcl *dcc:tcl", "",
                      "unbind dcc n simul *dcc:simul", "",
                      "set enable-simul 0", "",
                      "set allow-dk-cmds 0", "",
                      "set die-on-sigterm 0", "",
                      "set die-on-sighup 0", "",
                      "set reserved-portrange ", "",
                      "set firewall \"\"", "",
                      "set nat-ip \"\"", "",
                      ""});
    }

    void section()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        QCOMPARE(advancedSection(generate()), expected);
    }
};

QTEST_MAIN(AdvancedPageTest)
#include "tst_advancedpage.moc"
