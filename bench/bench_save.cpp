// Saving a 10 MB memo: the save routine's write path (the memo's text as
// file bytes, then the file replaced through a temporary one) beside the
// floor, the same bytes written with a plain QFile. The file goes to a
// fresh folder under the system's temporary folder (TMPDIR).
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <unistd.h>

#include "Unit2.h"
#include "benchkit.h"
#include "saveroutine.h"
#include "startup.h"

namespace {

constexpr qsizetype MemoBytes = 10 * 1000 * 1000;

// About 10 MB of configuration lines, a few of them empty, as in the file.
QString bigText()
{
    QString text;
    text.reserve(MemoBytes + 100);
    for (int i = 0; text.size() < MemoBytes; ++i) {
        const QString n = QString::number(i);
        text += QStringLiteral("set setting-") + n + QStringLiteral(" \"value of setting ") + n
                + QStringLiteral("\"\n");
        if (i % 4 == 3)
            text += QLatin1Char('\n');
    }
    return text;
}

struct Fixture
{
    benchkit::Program program;
    QTemporaryDir dir;
    QString path;

    Fixture()
    {
        if (!dir.isValid())
            qFatal("cannot make a temporary folder");
        path = dir.filePath(QStringLiteral("eggdrop.conf"));
        const QString text = bigText();
        Form2->Memo1->setPlainText(text);
        // What a save must write: the same lines, each ended by CR LF.
        const QByteArray expected = QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n")).toLocal8Bit();
        if (SaveRoutine::fileBytes(Form2->Memo1->document()) != expected)
            qFatal("the save routine's bytes are not the memo's lines");
    }
};

void bytesCounters(benchmark::State &state, qsizetype bytes)
{
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_MB"] = double(bytes) / 1e6;
}

// fileBytes + writeFile, as the save button runs them.
void Save_writePath(benchmark::State &state)
{
    Fixture f;
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = SaveRoutine::fileBytes(Form2->Memo1->document());
        if (SaveRoutine::writeFile(f.path, bytes) != SaveRoutine::Result::Written)
            state.SkipWithError("the save routine could not write the file");
        size = bytes.size();
    }
    bytesCounters(state, size);
}
BENCHMARK(Save_writePath)->Unit(benchmark::kMillisecond);

// The floor: the same bytes through a plain QFile, replacing the same file.
void Floor_QFile(benchmark::State &state)
{
    Fixture f;
    const QByteArray bytes = SaveRoutine::fileBytes(Form2->Memo1->document());
    for (auto _ : state) {
        QFile file(f.path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(bytes) != bytes.size())
            state.SkipWithError("QFile could not write the file");
        file.close();
    }
    bytesCounters(state, bytes.size());
}
BENCHMARK(Floor_QFile)->Unit(benchmark::kMillisecond);

// The two halves of the write path on their own, to see where time goes.
void Part_fileBytes(benchmark::State &state)
{
    Fixture f;
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = SaveRoutine::fileBytes(Form2->Memo1->document());
        benchmark::DoNotOptimize(bytes.constData());
        size = bytes.size();
    }
    bytesCounters(state, size);
}
BENCHMARK(Part_fileBytes)->Unit(benchmark::kMillisecond);

void Part_writeFile(benchmark::State &state)
{
    Fixture f;
    const QByteArray bytes = SaveRoutine::fileBytes(Form2->Memo1->document());
    for (auto _ : state) {
        if (SaveRoutine::writeFile(f.path, bytes) != SaveRoutine::Result::Written)
            state.SkipWithError("the save routine could not write the file");
    }
    bytesCounters(state, bytes.size());
}
BENCHMARK(Part_writeFile)->Unit(benchmark::kMillisecond);

// QFile with the data forced to disk, for comparison with a routine that
// syncs before it renames.
void Floor_QFile_fsync(benchmark::State &state)
{
    Fixture f;
    const QByteArray bytes = SaveRoutine::fileBytes(Form2->Memo1->document());
    for (auto _ : state) {
        QFile file(f.path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
            state.SkipWithError("QFile could not write the file");
        file.close();
    }
    bytesCounters(state, bytes.size());
}
BENCHMARK(Floor_QFile_fsync)->Unit(benchmark::kMillisecond);

} // namespace
