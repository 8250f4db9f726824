// "Dns/Ctcp": its controls, and the dns and ctcp module sections.
#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {
QByteArray dnsAndCtcp(const QByteArray &file)
{
    return section(file, "# DNS MODULE #", "# IRC MODULE #");
}
} // namespace

class DnsCtcpPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void captions()
    {
        QCOMPARE(find("TabSheet10")->windowTitle(), "Dns/Ctcp");
        QCOMPARE(box("CheckBox73")->text(), "Load Module Dns");
        QCOMPARE(box("CheckBox74")->text(), "Load Module Ctcp");
        QCOMPARE(labelOf("Edit80"), "Ctcp Mode  :");
        QVERIFY(find("TabSheet10")->isAncestorOf(edit("Edit80")));
        QVERIFY(find("TabSheet10")->isAncestorOf(find("LabelEdit80")));
    }

    void defaultsMatchTheReferenceFile()
    {
        QCOMPARE(dnsAndCtcp(generate()), dnsAndCtcp(golden("default.conf")));
    }

    void writtenSections_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray dns = lines({"# DNS MODULE #", "", "loadmodule dns", ""});
        const QByteArray ctcp = lines({"# CTCP MODULE #", "", "loadmodule ctcp", ""});

        QTest::newRow("defaults") << Action([] {}) << dns + ctcp + lines({"set ctcp-mode 0", ""});
        QTest::newRow("dns not loaded")
            << Action([] { press("CheckBox73"); })
            << lines({"# DNS MODULE #", "", "#loadmodule dns", ""}) + ctcp + lines({"set ctcp-mode 0", ""});
        QTest::newRow("ctcp not loaded: the mode stays live")
            << Action([] { press("CheckBox74"); type("Edit80", "2"); })
            << dns + lines({"# CTCP MODULE #", "", "#loadmodule ctcp", "", "set ctcp-mode 2", ""});
        QTest::newRow("mode emptied") << Action([] { type("Edit80", ""); })
                                      << dns + ctcp + lines({"set ctcp-mode ", ""});
        QTest::newRow("mode as typed") << Action([] { type("Edit80", " 1 \"x\""); })
                                       << dns + ctcp + lines({"set ctcp-mode  1 \"x\"", ""});
    }

    void writtenSections()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        QCOMPARE(dnsAndCtcp(generate()), expected);
    }
};

QTEST_MAIN(DnsCtcpPageTest)
#include "tst_dnsctcppage.moc"
