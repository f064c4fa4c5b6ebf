#include "fengshui/ElementDescriptions.h"

#include <QCoreApplication>

namespace modFengShui {

namespace {

QString english(const char *text)
{
    return QString::fromLatin1(text);
}

QString translated(const QString &text)
{
    return QCoreApplication::translate("ElementDescriptions", text.toLatin1().constData());
}

} // namespace

QString ElementDescription::text() const
{
    const QString blankLine = QStringLiteral("\r\n\r\n");
    return translated(paragraph) + blankLine + translated(compatible) + blankLine +
           translated(challenging);
}

const QVector<ElementDescription> &ElementDescriptions()
{
    // Kept in the order in which the elements are looked up; English, shown translated.
    static const QVector<ElementDescription> descriptions = {
        {
            QStringLiteral("Water"),
            english(QT_TRANSLATE_NOOP(
                "ElementDescriptions",
                "Water Element symbolizes a still, calm and a reflective personality. Like a "
                "lake, you are quiet on the surface yet full of hidden depth. You are intuitive "
                "and wise, and you adapt easily to change, though you must take care not to "
                "drift with every passing tide.")),
            english(
                QT_TRANSLATE_NOOP("ElementDescriptions", "Compatible elements: Wood and Metal.")),
            english(
                QT_TRANSLATE_NOOP("ElementDescriptions", "Challenging elements: Fire and Earth.")),
        },
        {
            QStringLiteral("Earth"),
            english(QT_TRANSLATE_NOOP(
                "ElementDescriptions",
                "Earth Element symbolizes a steady, reliable and a receptive personality. Like "
                "fertile soil, you nourish those around you, and others find comfort in your "
                "patience and common sense. You are loyal and practical, though at times you may "
                "resist change and hold on too tightly to the familiar.")),
            english(
                QT_TRANSLATE_NOOP("ElementDescriptions", "Compatible elements: Fire and Metal.")),
            english(
                QT_TRANSLATE_NOOP("ElementDescriptions", "Challenging elements: Water and Wood.")),
        },
        {
            QStringLiteral("Wood"),
            english(QT_TRANSLATE_NOOP(
                "ElementDescriptions",
                "Wood Element symbolizes an energetic, vibrant and an uplifting personality. "
                "Like a young tree reaching for the light, you are always growing. You are "
                "generous, creative and idealistic, but you may sometimes take on more than you "
                "can manage.")),
            english(
                QT_TRANSLATE_NOOP("ElementDescriptions", "Compatible elements: Water and Fire.")),
            english(
                QT_TRANSLATE_NOOP("ElementDescriptions", "Challenging elements: Earth and Metal.")),
        },
        {
            QStringLiteral("Metal"),
            english(QT_TRANSLATE_NOOP(
                "ElementDescriptions",
                "Metal Element symbolizes strong, unyielding and a focused personality. You are "
                "loyal, disciplined, principled and decisive, with a keen sense of justice, "
                "though at times you may seem rigid or cold.")),
            english(
                QT_TRANSLATE_NOOP("ElementDescriptions", "Compatible elements: Earth and Water.")),
            english(
                QT_TRANSLATE_NOOP("ElementDescriptions", "Challenging elements: Fire and Wood.")),
        },
        {
            QStringLiteral("Fire"),
            english(QT_TRANSLATE_NOOP(
                "ElementDescriptions",
                "Fire Element symbolizes a dynamic, vibrant and unpredictable personality. You "
                "are passionate, warm and inspiring, yet your flame might burn too brightly and "
                "fade too soon.")),
            english(
                QT_TRANSLATE_NOOP("ElementDescriptions", "Compatible elements: Wood and Earth.")),
            english(
                QT_TRANSLATE_NOOP("ElementDescriptions", "Challenging elements: Metal and Water.")),
        },
    };
    return descriptions;
}

} // namespace modFengShui
