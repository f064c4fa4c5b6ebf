#pragma once

#include <QString>

// The program's texts break their lines with CR LF; what shows or prints
// them breaks lines at LF. A carriage return alone breaks the line too, as
// it does in a rich-text box.
namespace LineBreaks {

// The text with each CR LF, and each CR alone, made one LF.
QString toLineFeeds(const QString &text);

} // namespace LineBreaks
