#pragma once

#include <QByteArray>
#include <QList>
#include <QRawFont>
#include <QRect>

// A TrueType font holding a few glyphs of any scalable font, numbered from 0
// in the order given, made from their outlines as the PDF writer embeds it:
// no hinting, no character map (the PDF maps its codes to glyphs itself).
// Quadratic outlines (TrueType's own) are kept exactly; cubic ones (CFF,
// Type 1) are approximated within a tenth of a font unit.
class TrueTypeSubset
{
public:
    TrueTypeSubset(const QRawFont &font, const QList<quint32> &glyphs);

    // The font file.
    QByteArray data() const { return m_data; }
    // The font's units in an em, as the subset has them.
    int unitsPerEm() const { return m_unitsPerEm; }
    // The glyphs' bounding box in font units, y upwards.
    QRect bounds() const { return m_bounds; }
    // The glyphs' advances in font units, in order.
    QList<int> advances() const { return m_advances; }

private:
    QByteArray m_data;
    int m_unitsPerEm = 0;
    QRect m_bounds;
    QList<int> m_advances;
};
