// A save that fails says so, keeps the memo and never destroys the file it
// was to replace. The full disk and the read-only file system are real
// ones made by fulldisk.sh; run alone, those cases are skipped.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>

#include "Unit1.h"
#include "Unit2.h"
#include "saveroutine.h"
#include "startup.h"
#include "testkit.h"

using namespace testkit;

namespace {

QString dirFromEnvironment(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

struct Outcome {
    QString title;
    QString text;
};

Outcome saveFromPreviewExpectingAnError(const QString &path)
{
    Outcome o;
    answerSaveDialog(path);
    answerMessageBox(&o.title, &o.text);
    QTest::mouseClick(Form2->Button7, Qt::LeftButton);
    return o;
}

void fill(const QString &path, qint64 bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return;
    const QByteArray block(1024, 'f');
    for (qint64 n = 0; n < bytes; n += block.size())
        if (f.write(block) != block.size())
            break;
}

} // namespace

class SaveFailuresTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        startApp();
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        QVERIFY(Form2->isVisible());
    }
    void cleanup() { stopApp(); }

    void aMissingFolderCannotBeCreated()
    {
        const QByteArray before = SaveRoutine::fileBytes(Form2->Memo1->document());
        const QString path = QStringLiteral("/no-such-folder-here/bot.conf");
        const Outcome o = saveFromPreviewExpectingAnError(path);
        QCOMPARE(o.title, "Quillmarsh");
        QCOMPARE(o.text, "Cannot create file /no-such-folder-here/bot.conf.");
        QVERIFY(Form2->isVisible());
        QCOMPARE(SaveRoutine::fileBytes(Form2->Memo1->document()), before);
    }

    void aReadOnlyFileSystemLeavesTheOldFile()
    {
        const QString dir = dirFromEnvironment("QUILLMARSH_RO_DIR");
        if (dir.isEmpty())
            QSKIP("needs the read-only file system of fulldisk.sh");
        const QString path = dir + QStringLiteral("/bot.conf");
        const Outcome o = saveFromPreviewExpectingAnError(path);
        QCOMPARE(o.title, "Quillmarsh");
        QCOMPARE(o.text, QStringLiteral("Cannot create file %1.").arg(path));
        QCOMPARE(readFile(path), QByteArray("the old file\n"));
    }

    void aFullDiskLeavesTheOldFile_data()
    {
        QTest::addColumn<int>("memoBytes");
        QTest::addColumn<int>("freeBytes");
        QTest::newRow("a large file, writing fails") << 512 * 1024 << 32 * 1024;
        // Small enough to sit in the write buffer: only the last flush fails.
        QTest::newRow("a small file, the last flush fails") << 2000 << 0;
    }

    void aFullDiskLeavesTheOldFile()
    {
        QFETCH(int, memoBytes);
        QFETCH(int, freeBytes);
        const QString dir = dirFromEnvironment("QUILLMARSH_FULL_DIR");
        if (dir.isEmpty())
            QSKIP("needs the full disk of fulldisk.sh");
        const QString path = dir + QStringLiteral("/bot.conf");
        for (const QString &name : QDir(dir).entryList(QDir::Files))
            QFile::remove(dir + QLatin1Char('/') + name);
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the old file\n");
        }
        fill(dir + QStringLiteral("/filler"), 64 * 1024 - 4096 - freeBytes);

        const QString text = QStringLiteral("%1\n").arg(QString(63, QLatin1Char('y'))).repeated(memoBytes / 64);
        Form2->Memo1->setPlainText(text);
        const Outcome o = saveFromPreviewExpectingAnError(path);
        QCOMPARE(o.title, "Quillmarsh");
        QCOMPARE(o.text, "Stream write error.");
        QCOMPARE(readFile(path), QByteArray("the old file\n"));
        QCOMPARE(Form2->Memo1->document()->blockCount(), memoBytes / 64 + 1);
        // no temporary file is left behind
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList({"bot.conf", "filler"}));
    }
};

QTEST_MAIN(SaveFailuresTest)
#include "tst_savefailures.moc"
