#include "cli/ReportApplication.h"

#include <QGuiApplication>

namespace ReportApplication {

namespace {

QtMessageHandler previousHandler = nullptr;

// Without a desktop session there is no runtime folder, which Qt looks in for
// signs of a sandbox while it starts; that says nothing about a report.
void quietAboutRuntimeFolder(QtMsgType type, const QMessageLogContext &context,
                             const QString &message)
{
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    previousHandler(type, context, message);
}

} // namespace

std::unique_ptr<QCoreApplication> create(char *programPath, bool fonts)
{
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    static char *arguments[] = {nullptr, platformOption, offscreen, nullptr};
    static int argumentCount = 3;
    arguments[0] = programPath;
    if (!fonts)
        return std::make_unique<QCoreApplication>(argumentCount, arguments);
    previousHandler = qInstallMessageHandler(quietAboutRuntimeFolder);
    auto application = std::make_unique<QGuiApplication>(argumentCount, arguments);
    qInstallMessageHandler(previousHandler);
    return application;
}

} // namespace ReportApplication
