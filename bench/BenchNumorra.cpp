// The benchmarks' entry point: a QApplication on the offscreen platform
// (unless QT_QPA_PLATFORM says otherwise) with Qt's chatter kept off the
// console, so only the timings are printed.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // Debug, info and warning lines (such as the offscreen platform's note on
    // every window it shows) say nothing about the timings.
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietMessages);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
