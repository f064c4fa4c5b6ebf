#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRawFont>

class PdfObjects;

// One font of a PDF: the glyphs the pages show, embedded once the pages are
// done as a TrueType subset of them (see TrueTypeSubset) under a composite
// font, with each glyph's width and the character it stands for, so that
// text can be searched and copied.
class PdfFont
{
public:
    // Reserves the font's object in `objects`, which must outlive it.
    PdfFont(PdfObjects &objects, const QRawFont &font);

    const QRawFont &rawFont() const { return m_font; }
    // The font's object, which pages and forms name in their resources.
    int object() const { return m_object; }
    // Appends the code that shows `glyph`, in hexadecimal as a content stream
    // writes it; the glyph joins the subset.
    void appendCode(QByteArray &content, quint32 glyph);
    // Writes the font's objects.
    void write();

private:
    QByteArray postScriptName() const;
    QByteArray widths(const QList<int> &advances) const;
    QByteArray toUnicode() const;
    int codeOf(quint32 glyph);

    PdfObjects &m_objects;
    QRawFont m_font;
    int m_object;
    QList<quint32> m_glyphs; // in the subset's order
    QHash<quint32, int> m_codes;
};
