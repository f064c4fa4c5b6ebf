#pragma once

#include <QString>
#include <QStringList>

namespace modNineStarKey {

// The paragraphs of the fixed reading of a number 1 to 9, in order, in the user's
// language; empty outside 1 to 9.
QStringList numberReadingParagraphs(int number);

// The reading of a number 1 to 9: its paragraphs joined by one blank line (CR LF CR LF),
// with no line break before the first or after the last; empty outside 1 to 9.
QString NumberReadings(int number);

} // namespace modNineStarKey
