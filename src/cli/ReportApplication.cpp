#include "cli/ReportApplication.h"

#include <QGuiApplication>

#include <malloc.h>

namespace ReportApplication {

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's warnings that tell a report's reader nothing: of the runtime folder
// Qt looks in for signs of a sandbox while it starts (none without a desktop
// session, another user's after su, or one others may enter); and a script
// that needs shaping with no installed font is said once per font Qt tries,
// where the program names the characters it cannot draw itself.
void quietAboutQtsOwnMatters(QtMsgType type, const QMessageLogContext &context,
                             const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: ")) ||
        message.contains(QLatin1String("OpenType support missing for")))
        return;
    previousHandler(type, context, message);
}

} // namespace

std::unique_ptr<QCoreApplication> create(char *programPath, bool fonts)
{
    // Each stream of a PDF takes zlib's buffers, some 300 KiB, and gives them
    // back; at the top of a small heap glibc returned that memory to the system
    // and took it again for every reading, five brk() calls a reading (a second
    // of system time for 10,000 readings from a list). A few MiB kept spare at
    // the top end that; the peak memory stays what it was.
    mallopt(M_TOP_PAD, 4 * 1024 * 1024);
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    static char *arguments[] = {nullptr, platformOption, offscreen, nullptr};
    static int argumentCount = 3;
    arguments[0] = programPath;
    if (!fonts)
        return std::make_unique<QCoreApplication>(argumentCount, arguments);
    previousHandler = qInstallMessageHandler(quietAboutQtsOwnMatters);
    return std::make_unique<QGuiApplication>(argumentCount, arguments);
}

} // namespace ReportApplication
