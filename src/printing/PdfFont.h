#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QSet>
#include <QString>

#include <QHashFunctions>

class PdfObjects;

// One font of a PDF: the glyphs the pages show, each with the text it stands
// for, so that text can be searched and copied. Once the pages are done it
// is written as a composite font with each glyph's width and a map from each
// code to its text, and, where the font's licence allows (see FontTables),
// a TrueType subset of its glyphs (see TrueTypeSubset).
//
// A code is a glyph standing for a text: the same glyph drawn for another
// text (the radical ⻓ where a Chinese font draws 长 alike, a mark drawn for
// no character of its own) takes a code of its own, a copy of the glyph, so
// that each place gives back what was written there. A font holds at most
// 65,535 codes.
class PdfFont
{
public:
    // Reserves the font's object in `objects`, which must outlive it.
    PdfFont(PdfObjects &objects, const QRawFont &font);

    const QRawFont &rawFont() const { return m_font; }
    // The font's object, which pages and forms name in their resources.
    int object() const { return m_object; }
    // Whether the font's outlines go into the file. If not, the pages draw
    // its glyphs as paths, and its text invisible over them.
    bool isEmbedded() const { return m_embedded; }
    // Whether `count` more codes fit.
    bool hasRoomFor(qsizetype count) const;
    // Appends the code that shows `glyph` standing for `text`, in
    // hexadecimal as a content stream writes it. A glyph shown for one of
    // `shares` characters is as wide as its share of its advance.
    void appendCode(QByteArray &content, quint32 glyph, const QString &text, int shares = 1);
    // Writes the font's objects; `tags`, the subset tags of the file's other
    // fonts, gets the font's own, which is none of them.
    void write(QSet<QByteArray> &tags);

private:
    QByteArray postScriptName() const;
    QByteArray subsetTag(QSet<QByteArray> &tags) const;
    QByteArray widths(const QList<int> &advances, qreal scale) const;
    QByteArray toUnicode() const;
    struct Use
    {
        quint32 glyph;
        QString text;
        int shares;
        bool operator==(const Use &other) const
        {
            return glyph == other.glyph && shares == other.shares && text == other.text;
        }
        friend size_t qHash(const Use &use, size_t seed = 0)
        {
            return qHashMulti(seed, use.glyph, use.text, use.shares);
        }
    };
    int codeOf(const Use &use);

    PdfObjects &m_objects;
    QRawFont m_font;
    int m_object;
    bool m_embedded;
    QList<Use> m_uses;            // of each code, in order: the subset's glyphs
    QHash<quint32, int> m_codes;  // the first code of each glyph
    QHash<Use, int> m_otherCodes; // the others
};
