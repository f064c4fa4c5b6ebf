#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

class QLabel;
class QWidget;

// Small helpers that give widgets the program's fonts, colours and places.
namespace WidgetStyle {

// "Verdana" at the given size, with the faces that stand in for it and draw
// what it lacks (Fonts::families).
QFont verdana(double pointSize, bool bold = false);

// The window font, "Verdana" 8.25 pt, and the same in bold.
QFont windowFont();
QFont boldWindowFont();

// The flags of the program's top-level windows (Qt::Window) and dialogs
// (Qt::Dialog): a title bar with the system menu and a close button, and
// neither minimise nor maximise button unless `extra` adds one.
Qt::WindowFlags windowFlags(Qt::WindowType type, Qt::WindowFlags extra = {});

// What every window of the program has: its object name, the program's
// caption and icon, the window font, and `text` on the window green.
void setUpWindow(QWidget *window, const QString &objectName, const QColor &text);

// Text colour and background of a widget; an invalid background leaves it see-through.
void setColours(QWidget *widget, const QColor &text, const QColor &background = QColor());

// A label placed at a position in twips in `parent`.
QLabel *addLabel(QWidget *parent, const QString &objectName, const QString &text, int left, int top,
                 int width, int height);

// A plain panel placed at a position in twips with a background colour.
QWidget *addPanel(QWidget *parent, const QString &objectName, const QColor &background, int left,
                  int top, int width, int height);

// Lets each label of `window` whose text needs more height than its place
// grow downwards to fit: a line of Chinese is taller than a line of Latin
// letters. The English texts fit their places, so untranslated nothing moves.
void fitLabelHeights(QWidget *window);

// Moves a top-level window to the centre of its screen.
void centreOnScreen(QWidget *window);

// The application icon, at each size it is shown.
const QIcon &applicationIcon();

} // namespace WidgetStyle
