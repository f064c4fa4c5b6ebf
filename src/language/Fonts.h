#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The faces and sizes the windows and the report are set in.
namespace Fonts {

// "Verdana": the face every window and the report are designed in.
QString family();

// The faces the windows and the report ask for, in order. First the Latin
// faces: Verdana, then DejaVu Sans, its metric-alike, where Verdana is
// missing. Named rather than left to fontconfig, which answers "Verdana" with
// a Chinese face when the desktop's language is Chinese: its taller lines
// would clip the windows' labels. Then the Chinese faces, which draw only the
// characters the Latin faces lack: Noto Sans CJK in the forms of the locale's
// script (simplified, traditional, Hong Kong), then the smaller Debian faces
// with the most characters of Chinese names. A Japanese or Korean desktop
// keeps the faces fontconfig gives its own language. What none of them has
// goes to the faces fontconfig chooses.
QStringList families(const QLocale &locale = QLocale());
// The Chinese faces of families() alone, in order; none where the locale is
// Japanese or Korean.
QStringList chineseFamilies(const QLocale &locale = QLocale());

// The windows' font size, in which the text of a reading pane starts too.
constexpr double kWindowPointSize = 8.25;
// The report's, shown, printed and exported alike.
constexpr double kReportPointSize = 9.75;

} // namespace Fonts
