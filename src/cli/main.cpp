#include "cli/ReportApplication.h"
#include "cli/ReportCommand.h"

#include <QTextStream>

#include <unistd.h>

int main(int argc, char *argv[])
{
    // Our arguments never reach Qt, which would take some (-platform, -reverse...) for its own.
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    const auto application =
        ReportApplication::create(argv[0], ReportCommand::needsGuiApplication(arguments));
    QCoreApplication::setApplicationName(QStringLiteral("numorra-report"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    ReportCommand command;
    command.setProgressTerminal(isatty(STDERR_FILENO) == 1);
    return command.run(arguments, out, err);
}
