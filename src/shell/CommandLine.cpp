#include "shell/CommandLine.h"

#include <cstdio>

namespace {

// Qt's own options, which QApplication takes for itself, written "-name" or
// "--name": these take a value (the next argument, or "-name=value")...
const QStringList kQtOptionsWithValue = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("display"),         QStringLiteral("geometry"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("title"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("icon"),
    QStringLiteral("qwindowicon"),     QStringLiteral("name"),
    QStringLiteral("visual"),          QStringLiteral("session"),
    QStringLiteral("style"),           QStringLiteral("stylesheet"),
    QStringLiteral("qmljsdebugger")};
// ... and these none.
const QStringList kQtFlags = {QStringLiteral("reverse"),     QStringLiteral("sync"),
                              QStringLiteral("nograb"),      QStringLiteral("dograb"),
                              QStringLiteral("widgetcount"), QStringLiteral("testability")};

QString usageLine()
{
    return CommandLine::tr("Usage: numorra [--help] [--version] [FILE.qnr]");
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
{
    bool optionsEnded = false;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString &argument = arguments.at(index);
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument.size() == 1) {
            if (m_readingFile.isEmpty())
                m_readingFile = argument; // the first file; a file manager names one
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            m_request = Request::Help;
            return;
        } else if (argument == QLatin1String("--version")) {
            m_request = Request::Version;
            return;
        } else {
            const QString option = argument.section(QLatin1Char('='), 0, 0);
            const QString name = option.mid(option.startsWith(QLatin1String("--")) ? 2 : 1);
            const bool valueAttached = option != argument;
            if (kQtOptionsWithValue.contains(name)) {
                index += valueAttached ? 0 : 1;
            } else if (!kQtFlags.contains(name) || valueAttached) {
                m_request = Request::UsageError;
                m_unknownOption = option;
                return;
            }
        }
    }
}

int CommandLine::answer() const
{
    switch (m_request) {
    case Request::Help:
        print(stdout, helpText());
        return 0;
    case Request::Version:
        print(stdout, versionText());
        return 0;
    case Request::UsageError:
        print(stderr, usageError(m_unknownOption));
        return 2;
    case Request::Start:
        break;
    }
    return 0;
}

QString CommandLine::helpText()
{
    return usageLine() + QLatin1Char('\n') + tr(R"(
Gives a person's reading by Chinese numerology, in a window. A saved reading
(a .qnr file) named on the command line opens as "Open Previously Saved
Reading" opens it. When Numorra is already running, the running program comes
forward and opens the file, and this start ends; without a file, this start
says "Application is already running" and ends.

Options:
  -h, --help       print this help
  --version        print the version, with the package's name
Qt's own options, such as -platform, -display and -style, are taken as Qt
takes them.

Exit status:
  0  the program ended, handed its file to the running program, or was
     refused as a second start
  2  a usage error
)");
}

QString CommandLine::versionText()
{
    return QStringLiteral("numorra (") + QLatin1String(NUMORRA_PACKAGE) + QStringLiteral(") ") +
           QLatin1String(NUMORRA_VERSION) + QLatin1Char('\n');
}

QString CommandLine::usageError(const QString &option)
{
    return tr("numorra: unknown option '%1'").arg(option) + QLatin1Char('\n') + usageLine() +
           QLatin1Char('\n');
}
