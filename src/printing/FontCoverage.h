#pragma once

#include <QList>
#include <QString>

class QFont;
class QRawFont;

// Which characters of a text the installed fonts can draw. Qt draws each
// character in the font's first face that has it, trying the font's other
// faces and then those fontconfig offers; a character that none has becomes
// the first face's "missing glyph" (glyph 0, an empty box in DejaVu Sans), and
// a PDF holds no text for it. Needs a QGuiApplication.
namespace FontCoverage {

// The characters of `text` that no installed face can draw in `font`, each
// once, in the order they first occur.
QList<char32_t> missingCharacters(const QString &text, const QFont &font);

// Whether `font` is Qt's stand-in for a script no installed font draws: it
// claims every character, even the noncharacter U+FFFF, draws each as a
// box, and has no font tables (nor a family name to ask for).
bool isStandIn(const QRawFont &font);

} // namespace FontCoverage
