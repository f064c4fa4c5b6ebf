#include "printing/ChinesePunctuation.h"

#include "language/Fonts.h"

#include <algorithm>

namespace ChinesePunctuation {

namespace {

bool isShared(QChar character)
{
    return QStringView(u"\u201C\u201D\u2018\u2019\u2014\u2026\u00B7").contains(character);
}

// A Chinese character (one beyond the BMP too) or Chinese punctuation: the
// CJK symbols and punctuation, and the full-width forms.
bool isChinese(char32_t character)
{
    return QChar::script(character) == QChar::Script_Han ||
           (character >= 0x3000 && character <= 0x303F) ||
           (character >= 0xFF00 && character <= 0xFF60);
}

char32_t characterBefore(const QString &text, qsizetype at)
{
    if (at >= 2 && text.at(at - 1).isLowSurrogate() && text.at(at - 2).isHighSurrogate())
        return QChar::surrogateToUcs4(text.at(at - 2), text.at(at - 1));
    return at >= 1 ? text.at(at - 1).unicode() : 0;
}

char32_t characterAt(const QString &text, qsizetype at)
{
    if (at + 1 < text.size() && text.at(at).isHighSurrogate() && text.at(at + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(text.at(at), text.at(at + 1));
    return at < text.size() ? text.at(at).unicode() : 0;
}

} // namespace

QList<QTextLayout::FormatRange> formatsOf(const QString &text)
{
    QList<QTextLayout::FormatRange> formats;
    QTextCharFormat chinese;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && isShared(text.at(end)))
            ++end;
        if (end > start &&
            (isChinese(characterBefore(text, start)) || isChinese(characterAt(text, end)))) {
            if (chinese.fontFamilies().isNull())
                chinese.setFontFamilies(Fonts::chineseFamilies());
            formats.append({static_cast<int>(start), static_cast<int>(end - start), chinese});
        }
        start = std::max(end, start + 1);
    }
    return formats;
}

} // namespace ChinesePunctuation
