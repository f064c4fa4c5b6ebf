#pragma once

#include <QString>

// The faces and sizes the windows and the report are set in.
namespace Fonts {

// "Verdana": the face every window and the report are designed in, which
// fontconfig resolves to a metric-alike (DejaVu Sans) where it is missing.
QString family();

// The windows' font size, in which the text of a reading pane starts too.
constexpr double kWindowPointSize = 8.25;
// The report's, shown, printed and exported alike.
constexpr double kReportPointSize = 9.75;

} // namespace Fonts
