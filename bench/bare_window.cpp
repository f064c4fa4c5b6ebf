// The floor the toolkit sets for a start-up: one window of the main window's
// size and title, and nothing else. With --label it shows one label in the
// window font, the floor of any window that shows text (fontconfig and a
// font face). The start-up meter times it beside the program.
//
//   bare_window [--title TITLE] [--size WIDTHxHEIGHT] [--label TEXT]
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    // The same scale as the program, so the two start alike.
    if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);

    const QStringList arguments = QApplication::arguments();
    const auto option = [&arguments](const QString &name, const QString &fallback) {
        const qsizetype at = arguments.indexOf(name);
        return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : fallback;
    };
    // The main window's outer size: its 501 x 410 client area and the menu
    // bar above it, 18 pixels high in DejaVu Sans at 96 dots per inch.
    const QStringList size =
        option(QStringLiteral("--size"), QStringLiteral("501x428")).split(QLatin1Char('x'));
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();

    QMainWindow window;
    window.setWindowTitle(option(QStringLiteral("--title"), QStringLiteral("bare window")));
    window.setFixedSize(width > 0 ? width : 501, height > 0 ? height : 428);
    if (arguments.contains(QStringLiteral("--label"))) {
        auto *label = new QLabel(option(QStringLiteral("--label"), QString()), &window);
        QFont font(QStringLiteral("Verdana"));
        font.setPointSizeF(8.25);
        label->setFont(font);
        window.setCentralWidget(label);
    }
    window.show();
    return QApplication::exec();
}
