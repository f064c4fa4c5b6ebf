#include "desktop/QtPlatform.h"
#include "shell/ApplicationShell.h"
#include "widgets/ProgramStyle.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The windows are laid out for 96 dots per inch; keep fonts to the same scale.
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    QApplication::setStyle(new ProgramStyle);
    QApplication::setApplicationName(QStringLiteral("numorra"));
    // Lets the desktop match the windows to their menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.numorra.Numorra"));
    // The program ends only through its own shutdown, never by a last window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    ApplicationShell shell(platform);
    shell.StartApplication();
    if (platform.endRequested())
        return platform.exitCode();
    return QApplication::exec();
}
