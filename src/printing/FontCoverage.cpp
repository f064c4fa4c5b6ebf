#include "printing/FontCoverage.h"

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

namespace FontCoverage {

namespace {

// True when `text`, laid out on one line in `font`, holds a missing glyph.
bool hasMissingGlyph(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns()) {
        if (run.glyphIndexes().contains(0) || isStandIn(run.rawFont()))
            return true;
    }
    return false;
}

} // namespace

QList<char32_t> missingCharacters(const QString &text, const QFont &font)
{
    // The whole text first: almost always nothing is missing.
    QList<char32_t> missing;
    if (!hasMissingGlyph(text, font))
        return missing;
    for (const char32_t character : text.toUcs4()) {
        if (!missing.contains(character) && hasMissingGlyph(QString::fromUcs4(&character, 1), font))
            missing.append(character);
    }
    return missing;
}

bool isStandIn(const QRawFont &font)
{
    return font.supportsCharacter(QChar(0xFFFF));
}

} // namespace FontCoverage
