// Generating the file with every setting at its default, beside the floor:
// the same text put into the same memo with setPlainText and nothing else.
// Run with --benchmark_enable_random_interleaving so that both share the
// machine's ups and downs.
#include <QPlainTextEdit>

#include "Unit1.h"
#include "Unit2.h"
#include "benchkit.h"
#include "linewriter.h"
#include "startup.h"

namespace {

QString defaultText()
{
    LineWriter w;
    Form1->emitFile(w);
    return w.text();
}

void CreateMemo_defaults(benchmark::State &state)
{
    benchkit::Program program;
    const QString text = defaultText();
    for (auto _ : state)
        Form2->CreateMemo();
    if (Form2->Memo1->toPlainText() != text)
        state.SkipWithError("CreateMemo did not put the default file into the memo");
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
    state.counters["lines"] = double(Form2->Memo1->blockCount());
}
BENCHMARK(CreateMemo_defaults)->Unit(benchmark::kMicrosecond);

void Floor_setPlainText_defaults(benchmark::State &state)
{
    benchkit::Program program;
    const QString text = defaultText();
    for (auto _ : state)
        Form2->Memo1->setPlainText(text);
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
    state.counters["lines"] = double(Form2->Memo1->blockCount());
}
BENCHMARK(Floor_setPlainText_defaults)->Unit(benchmark::kMicrosecond);

} // namespace
