#include "cli/ReportApplication.h"
#include "cli/ReportCommand.h"
#include "language/Translations.h"
#include "language/Utf8Locale.h"

#include <QTextStream>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A standard stream the caller closed is held by /dev/null, read-only, so that
// no file opened later takes its number: reading it gives nothing, writing to
// it fails, as with the closed stream.
void holdClosedStandardStreams()
{
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (fcntl(stream, F_GETFD) == -1)
            open("/dev/null", O_RDONLY); // takes the lowest free number, this one
    }
}

} // namespace

int main(int argc, char *argv[])
{
    holdClosedStandardStreams();
    Utf8Locale::choose(); // before Qt looks at the locale
    // Our arguments never reach Qt, which would take some (-platform, -reverse...) for its own.
    QStringList arguments;
    int notText = 0;
    for (int index = 1; index < argc; ++index) {
        arguments.append(QString::fromLocal8Bit(argv[index]));
        if (notText == 0 && arguments.constLast().toLocal8Bit() != argv[index])
            notText = index;
    }
    const auto application =
        ReportApplication::create(argv[0], ReportCommand::needsGuiApplication(arguments));
    QCoreApplication::setApplicationName(QStringLiteral("numorra-report"));
    // The report, the messages and --help in the user's language.
    const Translations translations;

    QTextStream out(stdout);
    QTextStream err(stderr);
    ReportCommand command;
    command.setProgressTerminal(isatty(STDERR_FILENO) == 1);
    command.setOutputTerminal(isatty(STDOUT_FILENO) == 1);
    command.setArgumentNotText(notText);
    return command.run(arguments, out, err);
}
