#include "shell/CommandLine.h"
#include "files/FileArgument.h"

#include <QCommandLineParser>

#include <cerrno>
#include <cstdio>

namespace {

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kPlatform = QStringLiteral("platform");
const QString kDisplay = QStringLiteral("display");

// Qt's own options, which QApplication takes for itself from the arguments
// it is given: these take a value (the next argument, or "-name=value")...
const QStringList kQtOptionsWithValue = {kPlatform,
                                         QStringLiteral("platformpluginpath"),
                                         QStringLiteral("platformtheme"),
                                         QStringLiteral("plugin"),
                                         kDisplay,
                                         QStringLiteral("geometry"),
                                         QStringLiteral("qwindowgeometry"),
                                         QStringLiteral("title"),
                                         QStringLiteral("qwindowtitle"),
                                         QStringLiteral("icon"),
                                         QStringLiteral("qwindowicon"),
                                         QStringLiteral("name"),
                                         QStringLiteral("visual"),
                                         QStringLiteral("session"),
                                         QStringLiteral("style"),
                                         QStringLiteral("stylesheet"),
                                         QStringLiteral("qmljsdebugger")};
// ... and these none.
const QStringList kQtFlags = {QStringLiteral("reverse"),     QStringLiteral("sync"),
                              QStringLiteral("nograb"),      QStringLiteral("dograb"),
                              QStringLiteral("widgetcount"), QStringLiteral("testability")};

// Qt's options, known to the parser so that their values are not taken for
// files, and left out of the help.
void addQtOptions(QCommandLineParser &parser)
{
    for (const QStringList *names : {&kQtOptionsWithValue, &kQtFlags}) {
        for (const QString &name : *names) {
            QCommandLineOption option(name, QString(),
                                      names == &kQtFlags ? QString() : QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
}

// Whether Qt has a display to open windows on: one named for X11 or
// Wayland, or a platform chosen (offscreen, vnc...) that may need none.
bool displayNamed(const QCommandLineParser &parser, const QProcessEnvironment &environment)
{
    if (parser.isSet(kPlatform) || parser.isSet(kDisplay))
        return true;
    for (const char *variable :
         {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"}) {
        if (!environment.value(QLatin1String(variable)).isEmpty())
            return true;
    }
    return false;
}

// Writes all of `text`; false when the stream did not take it.
bool print(std::FILE *stream, const QString &text)
{
    return std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
}

// A complaint on standard error, a line after the program's name.
void complain(const QString &text)
{
    print(stderr, QStringLiteral("numorra: ") + text + QLatin1Char('\n'));
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments, const QProcessEnvironment &environment)
    : m_arguments(arguments)
{
    QCommandLineParser parser;
    if (!parse(parser))
        m_request = Request::UsageError;
    else if (parser.isSet(kHelp))
        m_request = Request::Help;
    else if (parser.isSet(kVersion))
        m_request = Request::Version;
    else if (!displayNamed(parser, environment))
        m_request = Request::NoDisplay;
    // A file manager names one.
    m_readingFile = FileArgument::path(parser.positionalArguments().value(0));
}

bool CommandLine::parse(QCommandLineParser &parser) const
{
    // "-platform" is one option, not eight.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("Gives a person's reading by Chinese numerology, in a window. When Numorra is\n"
           "already running, the file named goes to the running program, which comes\n"
           "forward and opens it, and this start ends; without a file, this start says\n"
           "\"Application is already running\" and ends."));
    parser.addOption({{QStringLiteral("h"), kHelp}, tr("Print this help.")});
    parser.addOption({kVersion, tr("Print the version, with the package's name.")});
    parser.addPositionalArgument(
        QStringLiteral("FILE.qnr"),
        tr("A saved reading, opened as \"Open Previously Saved Reading\" opens it."),
        QStringLiteral("[FILE.qnr]"));
    addQtOptions(parser);
    return parser.parse(m_arguments);
}

QString CommandLine::helpText(const QCommandLineParser &parser) const
{
    return parser.helpText() + QLatin1Char('\n') +
           tr("Qt's own options, such as -platform, -display and -style, are taken as Qt\n"
              "takes them.") +
           QStringLiteral("\n\n") + tr("Exit status:") + QStringLiteral("\n  0  ") +
           tr("the program ended, or handed its file to the running program") +
           QStringLiteral("\n  1  ") +
           tr("no display to open a window on, or this answer could not be written") +
           QStringLiteral("\n  2  ") + tr("a usage error") + QLatin1Char('\n');
}

int CommandLine::answer() const
{
    // Read again, now with the texts of the catalogs installed since.
    QCommandLineParser parser;
    parse(parser);
    switch (m_request) {
    case Request::Help:
    case Request::Version: {
        const QString text = m_request == Request::Help ? helpText(parser)
                                                        : QStringLiteral("numorra (" NUMORRA_PACKAGE
                                                                         ") " NUMORRA_VERSION "\n");
        if (print(stdout, text))
            return 0;
        const QString reason = qt_error_string(errno);
        complain(tr("the answer could not be written: %1").arg(reason));
        return 1;
    }
    case Request::UsageError:
        complain(parser.errorText() + QLatin1Char('\n') +
                 parser.helpText().section(QLatin1Char('\n'), 0, 0));
        return 2;
    case Request::NoDisplay:
        complain(tr("no display to open a window on was found (neither DISPLAY nor "
                    "WAYLAND_DISPLAY is set)"));
        return 1;
    case Request::Start:
        break;
    }
    return 0;
}
