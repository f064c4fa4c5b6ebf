#include "language/Translations.h"
#include "language/Utf8Locale.h"
#include "qtdesktop/QtPlatform.h"
#include "shell/ApplicationShell.h"
#include "shell/CommandLine.h"
#include "widgets/ProgramStyle.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    Utf8Locale::choose(); // before Qt looks at the locale
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    const CommandLine commandLine(arguments);
    if (commandLine.request() != CommandLine::Request::Start) {
        // Answered without a display: a core application loads no platform
        // plugin, and translations installed in it reach these texts.
        QCoreApplication core(argc, argv);
        const Translations translations;
        return commandLine.answer();
    }

    // Qt's X11 plugin takes the launcher's start id from the environment.
    const QByteArray startupId = qgetenv("DESKTOP_STARTUP_ID");
    QApplication app(argc, argv);
    // The windows, and Qt's own buttons and dialogs, in the desktop's language.
    const Translations translations;
#ifndef NUMORRA_PLAIN_STYLE // the plain way, Qt's own style, is measured by the benchmark
    QApplication::setStyle(new ProgramStyle);
#endif
    QApplication::setApplicationName(QStringLiteral("numorra"));
    // Lets the desktop match the windows to their menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.numorra.Numorra"));
    // The program ends only through its own shutdown, never by a last window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    int exitCode = 0;
    {
        QtPlatform platform(startupId);
        ApplicationShell shell(platform);
        // A saved reading named on the command line (as a file manager opens
        // one) opens as "Open Previously Saved Reading" opens it.
        shell.StartApplication(commandLine.readingFile());
        exitCode = platform.endRequested() ? platform.exitCode() : QApplication::exec();
    }
    // Qt's Wayland plugin can deadlock while it disconnects (its two event
    // threads end up waiting for each other), which would leave an invisible
    // process behind. Our windows, settings and instance lock are all gone by
    // now, so on Wayland the process ends here, before that teardown.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    return exitCode;
}
