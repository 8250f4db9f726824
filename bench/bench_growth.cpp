// Generating the file when each of the four lists holds many rows. The rows
// are put into the grids before timing; one iteration is one CreateMemo.
// Items are list rows: four lists times the argument.
#include <QPlainTextEdit>

#include "Unit1.h"
#include "Unit2.h"
#include "benchkit.h"
#include "linewriter.h"
#include "startup.h"

namespace {

void CreateMemo_rows(benchmark::State &state)
{
    const int rows = int(state.range(0));
    benchkit::Program program;
    for (const benchkit::List &list : benchkit::lists())
        benchkit::fillList(list, rows);
    for (auto _ : state)
        Form2->CreateMemo();
    state.SetItemsProcessed(state.iterations() * 4 * rows);
    state.SetComplexityN(rows);
    state.counters["lines"] = double(Form2->Memo1->blockCount());
}
BENCHMARK(CreateMemo_rows)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// The text alone, built from the grids without touching the memo: the
// program's own share of CreateMemo.
void EmitFile_rows(benchmark::State &state)
{
    const int rows = int(state.range(0));
    benchkit::Program program;
    for (const benchkit::List &list : benchkit::lists())
        benchkit::fillList(list, rows);
    qsizetype chars = 0;
    for (auto _ : state) {
        LineWriter w;
        w.reserve(16 * 1024);
        Form1->emitFile(w);
        chars = w.text().size();
        benchmark::DoNotOptimize(w.text().constData());
    }
    state.SetItemsProcessed(state.iterations() * 4 * rows);
    state.SetComplexityN(rows);
    state.counters["chars"] = double(chars);
}
BENCHMARK(EmitFile_rows)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// The same text put into the memo alone, for the share of the memo itself.
void Floor_setPlainText_rows(benchmark::State &state)
{
    const int rows = int(state.range(0));
    benchkit::Program program;
    for (const benchkit::List &list : benchkit::lists())
        benchkit::fillList(list, rows);
    Form2->CreateMemo();
    const QString text = Form2->Memo1->toPlainText();
    for (auto _ : state)
        Form2->Memo1->setPlainText(text);
    state.SetItemsProcessed(state.iterations() * 4 * rows);
    state.SetComplexityN(rows);
}
BENCHMARK(Floor_setPlainText_rows)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

} // namespace
