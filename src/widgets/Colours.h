#pragma once

#include <QColor>

// The colours of the program's windows, each defined once.
namespace Colours {

inline const QColor kWindowGreen(0, 64, 0);     // the windows' background
inline const QColor kLightGreen(128, 255, 128); // text on the windows, frame captions
inline const QColor kPaleGreen(192, 255, 192);  // the report box, the about text
inline const QColor kBrightGreen(0, 255, 0);    // the reading pane's text, the about link
inline const QColor kButtonGreen(0, 192, 0);    // the reading window's and preview's buttons
inline const QColor kButtonGrey(192, 192, 192); // the main window's and about window's buttons
inline const QColor kPaneGrey(128, 128, 128);   // the element and relationship panes

} // namespace Colours
