#include "fengshui/ElementDescriptions.h"

namespace modFengShui {

QString ElementDescription::text() const
{
    const QString blankLine = QStringLiteral("\r\n\r\n");
    return paragraph + blankLine + compatible + blankLine + challenging;
}

const QVector<ElementDescription> &ElementDescriptions()
{
    // Kept in the order in which the elements are looked up.
    static const QVector<ElementDescription> descriptions = {
        {
            QStringLiteral("Water"),
            QStringLiteral(
                "Water Element symbolizes a still, calm and a reflective personality. Like a "
                "lake, you are quiet on the surface yet full of hidden depth. You are intuitive "
                "and wise, and you adapt easily to change, though you must take care not to "
                "drift with every passing tide."),
            QStringLiteral("Compatible elements: Wood and Metal."),
            QStringLiteral("Challenging elements: Fire and Earth."),
        },
        {
            QStringLiteral("Earth"),
            QStringLiteral(
                "Earth Element symbolizes a steady, reliable and a receptive personality. Like "
                "fertile soil, you nourish those around you, and others find comfort in your "
                "patience and common sense. You are loyal and practical, though at times you may "
                "resist change and hold on too tightly to the familiar."),
            QStringLiteral("Compatible elements: Fire and Metal."),
            QStringLiteral("Challenging elements: Water and Wood."),
        },
        {
            QStringLiteral("Wood"),
            QStringLiteral(
                "Wood Element symbolizes an energetic, vibrant and an uplifting personality. "
                "Like a young tree reaching for the light, you are always growing. You are "
                "generous, creative and idealistic, but you may sometimes take on more than you "
                "can manage."),
            QStringLiteral("Compatible elements: Water and Fire."),
            QStringLiteral("Challenging elements: Earth and Metal."),
        },
        {
            QStringLiteral("Metal"),
            QStringLiteral(
                "Metal Element symbolizes strong, unyielding and a focused personality. You are "
                "loyal, disciplined, principled and decisive, with a keen sense of justice, "
                "though at times you may seem rigid or cold."),
            QStringLiteral("Compatible elements: Earth and Water."),
            QStringLiteral("Challenging elements: Fire and Wood."),
        },
        {
            QStringLiteral("Fire"),
            QStringLiteral(
                "Fire Element symbolizes a dynamic, vibrant and unpredictable personality. You "
                "are passionate, warm and inspiring, yet your flame might burn too brightly and "
                "fade too soon."),
            QStringLiteral("Compatible elements: Wood and Earth."),
            QStringLiteral("Challenging elements: Metal and Water."),
        },
    };
    return descriptions;
}

} // namespace modFengShui
