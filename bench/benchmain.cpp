// main() of the Google Benchmark programs: the benchmarks run inside a
// QApplication, on the offscreen platform unless another one is named.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// The offscreen platform warns each time a window's size hints change;
// that says nothing about the program, and would bury the tables.
void messages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(messages);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
