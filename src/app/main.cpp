#include "qtdesktop/QtPlatform.h"
#include "shell/ApplicationShell.h"
#include "support/Translations.h"
#include "widgets/ProgramStyle.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // The windows are laid out for 96 dots per inch; keep fonts to the same scale.
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
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
        QtPlatform platform;
        ApplicationShell shell(platform);
        // A saved reading named on the command line (as a file manager opens
        // one) opens as "Open Previously Saved Reading" opens it.
        const QStringList arguments = QApplication::arguments();
        shell.StartApplication(arguments.size() > 1 ? arguments.at(1) : QString());
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
