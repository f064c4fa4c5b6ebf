#pragma once

#include <QList>
#include <QString>

class QFont;

// Which characters of a text the installed fonts can draw. Qt draws each
// character in the font's first face that has it, trying the font's other
// faces and then those fontconfig offers; a character that none has becomes
// the first face's "missing glyph" (glyph 0, an empty box in DejaVu Sans), and
// a PDF holds no text for it. Needs a QGuiApplication.
namespace FontCoverage {

// The characters of `text` that no installed face can draw in `font`, each
// once, in the order they first occur.
QList<char32_t> missingCharacters(const QString &text, const QFont &font);

} // namespace FontCoverage
