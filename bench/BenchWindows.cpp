// Timings of the windows a user waits for: the reading window built, filled
// and shown, the main window built and shown, and a whole calculation from
// the main window to the reading window.
#include "calculation/CalculationSteps.h"
#include "desktop/Platform.h"
#include "details/PersonalDetails.h"
#include "details/PersonalDetailsRules.h"
#include "reading/ReadingResults.h"
#include "readingwindows/frmNineStar.h"
#include "shell/ApplicationShell.h"
#include "shell/PersonalDetailsGroup.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

// A platform that does nothing, so only the program's own work is timed.
class QuietPlatform : public Platform
{
public:
    Answer showMessage(const QString &, Icon, Buttons) override { return Answer::Ok; }
    QString chooseOpenFile(const FileDialogRequest &) override { return {}; }
    QString chooseSaveFile(const FileDialogRequest &) override { return {}; }
    PrintOutcome printText(const QString &, const QString &) override
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
    bool handOverReading(const QString &) override { return false; }
    void acceptReadings(std::function<void(const QString &)>) override {}
    void bringForward(QObject *) override {}
    QDate today() override { return QDate(2026, 12, 7); }
    void endProcess(int) override {}
};

// Windows closed with WA_DeleteOnClose go at the next deferred deletion.
void processEventsAndDeletions()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void filledReadingWindow(benchmark::State &state)
{
    QuietPlatform platform;
    ApplicationShell shell(platform);
    const PersonalDetails details =
        PersonalDetailsRules::capture(QStringLiteral("Anna Lee"), QStringLiteral("5"),
                                      QStringLiteral("March"), QStringLiteral("1980"));
    for (auto _ : state) {
        // The shell discards the previous reading window when it makes the next.
        frmNineStar *reading = shell.createReadingWindow();
        CalculationSteps::runIsolated(CalculationSteps::engineSteps(details, reading->results()));
        reading->show();
        QApplication::processEvents();
    }
    delete shell.readingWindow();
}
BENCHMARK(filledReadingWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void mainWindow(benchmark::State &state)
{
    QuietPlatform platform;
    ApplicationShell shell(platform);
    for (auto _ : state) {
        PersonalDetails details;
        auto *window = new frmMain(shell, details);
        window->show();
        QApplication::processEvents();
        delete window;
    }
}
BENCHMARK(mainWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// A name typed into a shown main window, then the calculate button: the
// capture, the engines, the reading window shown and the main window closed.
void calculation(benchmark::State &state)
{
    QuietPlatform platform;
    ApplicationShell shell(platform);
    for (auto _ : state) {
        state.PauseTiming();
        frmMain *window = shell.openMainWindow();
        QApplication::processEvents();
        window->fraDetails->txtName->setText(QStringLiteral("Anna Lee"));
        state.ResumeTiming();
        window->RunCalculation();
        processEventsAndDeletions();
    }
    delete shell.readingWindow();
    processEventsAndDeletions();
}
BENCHMARK(calculation)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
