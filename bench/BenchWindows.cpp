// Timings of the windows a user waits for: the reading window built, filled
// and shown, the main window built and shown, a whole calculation from the
// main window to the reading window, and the main window repainted while the
// hand-over is flooded with idle connections.
#include "calculation/CalculationSteps.h"
#include "desktop/Platform.h"
#include "details/PersonalDetails.h"
#include "details/PersonalDetailsRules.h"
#include "qtdesktop/ReadingHandOver.h"
#include "reading/ReadingResults.h"
#include "readingwindows/frmNineStar.h"
#include "shell/ApplicationShell.h"
#include "shell/PersonalDetailsGroup.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstring>
#include <deque>
#include <thread>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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
    void startAnew(const QString &) override {}
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

// Connects to `path` over and over, as a hostile program of the same user
// could, holding the last `held` connections open and sending nothing,
// until `stop` is set.
void flood(const QString &path, size_t held, const std::atomic<bool> &stop)
{
    sockaddr_un address{AF_UNIX, {}};
    std::strncpy(address.sun_path, QFile::encodeName(path).constData(),
                 sizeof(address.sun_path) - 1);
    std::deque<int> open;
    while (!stop) {
        const int peer = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::connect(peer, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0) {
            ::close(peer);
            continue;
        }
        open.push_back(peer);
        if (open.size() > held) {
            ::close(open.front());
            open.pop_front();
        }
    }
    for (const int peer : open)
        ::close(peer);
}

// The shown main window repainted, and the events handled, while the
// running program's hand-over is flooded by a program that holds
// state.range(0) idle connections open (none: no flood).
void repaintUnderFlood(benchmark::State &state)
{
    rlimit files{};
    ::getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max; // the flood's connections and the program's own
    ::setrlimit(RLIMIT_NOFILE, &files);
    QTemporaryDir folder;
    ReadingHandOver handOver;
    handOver.listen(folder.filePath(QStringLiteral("socket")), [](const auto &) {});
    std::atomic<bool> stop{false};
    std::atomic<bool> stopped{false};
    std::thread flooding([&] {
        if (state.range(0) > 0)
            flood(folder.filePath(QStringLiteral("socket")), size_t(state.range(0)), stop);
        stopped = true;
    });
    QuietPlatform platform;
    ApplicationShell shell(platform);
    frmMain *window = shell.openMainWindow();
    QApplication::processEvents();
    for (auto _ : state) {
        window->repaint();
        QApplication::processEvents();
    }
    stop = true;
    while (!stopped) // a connection may wait for the running program to take it
        QApplication::processEvents();
    flooding.join();
    delete window;
}
BENCHMARK(repaintUnderFlood)->Arg(0)->Arg(1500)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
