#pragma once

#include <QString>
#include <QVector>

namespace modFengShui {

// One element's description: its paragraph, then the compatible and challenging
// lines, in English.
struct ElementDescription
{
    QString element;     // "Water", "Earth", "Wood", "Metal" or "Fire"
    QString paragraph;   // the descriptive paragraph
    QString compatible;  // e.g. "Compatible elements: Wood and Metal."
    QString challenging; // e.g. "Challenging elements: Fire and Earth."

    // paragraph, CR LF CR LF, compatible line, CR LF CR LF, challenging line, in
    // the user's language
    QString text() const;
};

// The five descriptions in their fixed search order: Water, Earth, Wood, Metal, Fire.
const QVector<ElementDescription> &ElementDescriptions();

} // namespace modFengShui
