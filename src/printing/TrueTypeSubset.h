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
    // The glyphs' bounding box in font units, y upwards.
    QRect bounds() const { return m_bounds; }
    // The glyphs' advances in font units, in order.
    QList<int> advances() const { return m_advances; }

private:
    QByteArray m_data;
    QRect m_bounds;
    QList<int> m_advances;
};
