#pragma once

#include <QColor>
#include <array>

// The colours of the program's windows, each defined once.
namespace Colours {

inline const QColor kWindowGreen(0, 64, 0);     // the windows' background
inline const QColor kLightGreen(128, 255, 128); // text on the windows, frame captions
inline const QColor kPaleGreen(192, 255, 192);  // the report box, the about text
inline const QColor kBrightGreen(0, 255, 0);    // the reading pane's text, the about link
inline const QColor kButtonGreen(0, 192, 0);    // the reading window's and preview's buttons
inline const QColor kButtonGrey(192, 192, 192); // the main window's and about window's buttons
inline const QColor kFieldGrey(64, 64, 64);     // the name field and the lists
inline const QColor kPaneGrey(128, 128, 128);   // the element and relationship panes
inline const QColor kCream(255, 255, 192);      // the element pane's texts
inline const QColor kYellow(255, 255, 128);     // the element pane's captions
inline const QColor kGridPink(255, 128, 128);   // the lines between the chart's cells
inline const QColor kDigitMagenta(255, 0, 255); // the digits in the chart's cells

// The chart's cells, by number 1 to 9 (index number - 1).
inline const std::array<QColor, 9> kCells = {
    QColor(0, 0, 255),     QColor(255, 192, 255), QColor(0, 128, 0),
    QColor(0, 192, 192),   QColor(255, 255, 128), QColor(192, 192, 192),
    QColor(128, 128, 128), QColor(0, 0, 0),       QColor(255, 192, 128),
};

} // namespace Colours
