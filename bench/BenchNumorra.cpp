// Timings of the work a user waits for: one calculation's engines, the
// reading window being built and filled, and the main window being built.
#include "reading/ReadingResults.h"
#include "reading/frmNineStar.h"
#include "shell/ApplicationShell.h"
#include "shell/CalculationSteps.h"
#include "shell/frmMain.h"
#include "support/PersonalDetails.h"
#include "support/Platform.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// A platform that does nothing, so only the program's own work is timed.
class QuietPlatform : public Platform
{
public:
    Answer showMessage(const QString &, Icon, Buttons) override { return Answer::Ok; }
    QString chooseOpenFile(const FileDialogRequest &) override { return {}; }
    QString chooseSaveFile(const FileDialogRequest &) override { return {}; }
    PrintOutcome printText(const QString &, const QString &, double) override
    {
        return PrintOutcome::Printed;
    }
    void clearClipboard() override {}
    void openUrl(const QString &) override {}
    std::optional<QString> readSetting(const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    bool writeSetting(const QString &, const QString &, const QString &, const QString &) override
    {
        return true;
    }
    bool claimSingleInstance() override { return true; }
    QDate today() override { return QDate(2026, 12, 7); }
    void endProcess(int) override {}
};

PersonalDetails Details()
{
    PersonalDetails details;
    details.Name = QStringLiteral("Anna Lee");
    details.BirthDay = QStringLiteral("5");
    details.BirthMonth = QStringLiteral("March");
    details.BirthYear = QStringLiteral("1980");
    return details;
}

void engineSteps(benchmark::State &state)
{
    const PersonalDetails details = Details();
    for (auto _ : state) {
        ReadingResults results;
        CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, results));
        benchmark::DoNotOptimize(results.RTBLoshu.PlainText());
    }
}
BENCHMARK(engineSteps);

void FilledReadingWindow(benchmark::State &state)
{
    QuietPlatform platform;
    ApplicationShell shell(platform);
    const PersonalDetails details = Details();
    for (auto _ : state) {
        auto *reading = shell.createReadingWindow();
        CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, reading->results()));
        reading->show();
        QApplication::processEvents();
    }
}
BENCHMARK(FilledReadingWindow)->Unit(benchmark::kMillisecond);

void MainWindow(benchmark::State &state)
{
    QuietPlatform platform;
    ApplicationShell shell(platform);
    for (auto _ : state) {
        auto *window = new frmMain(shell);
        window->show();
        QApplication::processEvents();
        delete window;
    }
}
BENCHMARK(MainWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
