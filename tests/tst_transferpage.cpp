// "Transfer/Compress": its controls, and the transfer and compress module
// sections.
#include <array>

#include "testkit.h"

using namespace testkit;
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)

namespace {

// The two sections: transfer, then compress.
QByteArray transferAndCompress(const QByteArray &file)
{
    return section(file, "# TRANSFER MODULE #", "# SHARE MODULE #");
}

} // namespace

class TransferPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void captions()
    {
        QWidget *sheet = find("TabSheet12");
        QCOMPARE(sheet->windowTitle(), "Transfer/Compress");
        const QList<std::array<const char *, 2>> boxes = {
            {"CheckBox85", "Load Module Transfer"},
            {"CheckBox91", "Copy To Tmp"},
            {"CheckBox92", "Load Module Compress"},
            {"CheckBox189", "Share Compressed"},
        };
        for (const auto &[name, caption] : boxes) {
            QCOMPARE(box(name)->text(), caption);
            QVERIFY2(sheet->isAncestorOf(box(name)), name);
        }
        const QList<std::array<const char *, 2>> edits = {
            {"Edit68", "Max Dloads :"},
            {"Edit69", "Dcc Block :"},
            {"Edit92", "Xfer Timeout :"},
            {"Edit94", "Compress Level :"},
        };
        for (const auto &[name, caption] : edits) {
            QVERIFY2(!labelOf(name).isNull(), name);
            QCOMPARE(labelOf(name), caption);
            QVERIFY2(sheet->isAncestorOf(edit(name)), name);
        }
    }

    void defaultsMatchTheReferenceFile()
    {
        const QByteArray reference = transferAndCompress(golden("default.conf"));
        QVERIFY(!reference.isEmpty());
        QCOMPARE(transferAndCompress(generate()), reference);
    }

    void writtenSections_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray transfer = lines({"# TRANSFER MODULE #", "", "#loadmodule transfer", ""});
        const QByteArray transferSettings = lines({"set max-dloads 3", "", "set dcc-block 1024", "",
                                                   "set xfer-timeout 30", "", "set copy-to-tmp 0", ""});
        const QByteArray compress = lines({"# COMPRESS MODULE #", "", "loadmodule compress", ""});
        const QByteArray compressSettings = lines({"set share-compressed 0", "", "set compress-level 9", ""});

        QTest::newRow("defaults") << Action([] {})
                                  << transfer + transferSettings + compress + compressSettings;
        QTest::newRow("transfer loaded")
            << Action([] { press("CheckBox85"); })
            << lines({"# TRANSFER MODULE #", "", "loadmodule transfer", ""}) + transferSettings + compress
                   + compressSettings;
        QTest::newRow("compress not loaded: its settings stay live")
            << Action([] { press("CheckBox92"); })
            << transfer + transferSettings
                   + lines({"# COMPRESS MODULE #", "", "#loadmodule compress", ""}) + compressSettings;
        QTest::newRow("every switch flipped, every value typed")
            << Action([] {
                   press("CheckBox91");
                   press("CheckBox189");
                   type("Edit68", "");
                   type("Edit69", "0");
                   type("Edit92", " 60 s");
                   type("Edit94", "\"1\"");
               })
            << transfer
                   + lines({"set max-dloads ", "", "set dcc-block 0", "", "set xfer-timeout  60 s", "",
                            "set copy-to-tmp 1", ""})
                   + compress + lines({"set share-compressed 1", "", "set compress-level \"1\"", ""});
    }

    void writtenSections()
    {
        QFETCH(Action, action);
        QFETCH(QByteArray, expected);
        action();
        QCOMPARE(transferAndCompress(generate()), expected);
    }
};

QTEST_MAIN(TransferPageTest)
#include "tst_transferpage.moc"
