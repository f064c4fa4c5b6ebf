#include "printing/PdfFont.h"

#include "printing/PdfObjects.h"
#include "printing/TrueTypeSubset.h"

#include <QtEndian>

namespace {

void appendHex4(QByteArray &bytes, int value)
{
    static const char digits[] = "0123456789abcdef";
    for (int shift = 12; shift >= 0; shift -= 4)
        bytes.append(digits[(value >> shift) & 0xF]);
}

QByteArray hex4(int value)
{
    QByteArray bytes;
    appendHex4(bytes, value);
    return bytes;
}

// A name as PDF writes it: the printable characters other than delimiters.
QByteArray pdfName(const QByteArray &name)
{
    QByteArray kept;
    for (const char character : name) {
        if (character > ' ' && character < '\x7F' && !QByteArray("()<>[]{}/%#").contains(character))
            kept.append(character);
    }
    return kept.isEmpty() ? QByteArray("Font") : kept;
}

// The PostScript name (name 6) of an sfnt's naming table, or nothing.
QByteArray nameTableEntry(const QByteArray &table)
{
    const auto at = [&table](qsizetype offset) {
        return offset + 2 <= table.size() ? qFromBigEndian<quint16>(table.constData() + offset) : 0;
    };
    const int count = at(2);
    const int strings = at(4);
    for (int index = 0; index < count; ++index) {
        const qsizetype record = 6 + 12 * qsizetype(index);
        if (at(record + 6) != 6)
            continue;
        const QByteArray bytes = table.mid(strings + at(record + 10), at(record + 8));
        if (at(record) == 1) // Macintosh: one byte a character
            return bytes;
        QByteArray ascii; // Windows and Unicode: UTF-16
        for (qsizetype byte = 1; byte < bytes.size(); byte += 2)
            ascii.append(bytes.at(byte));
        return ascii;
    }
    return {};
}

} // namespace

PdfFont::PdfFont(PdfObjects &objects, const QRawFont &font)
    : m_objects(objects), m_font(font), m_object(objects.reserve())
{
    codeOf(0); // the missing glyph comes first in any font
}

void PdfFont::appendCode(QByteArray &content, quint32 glyph)
{
    appendHex4(content, codeOf(glyph));
}

int PdfFont::codeOf(quint32 glyph)
{
    auto known = m_codes.constFind(glyph);
    if (known == m_codes.constEnd()) {
        known = m_codes.insert(glyph, static_cast<int>(m_glyphs.size()));
        m_glyphs.append(glyph);
    }
    return known.value();
}

void PdfFont::write()
{
    const TrueTypeSubset subset(m_font, m_glyphs);
    const qreal scale = 1000 / m_font.unitsPerEm(); // PDF measures glyphs in thousandths of an em
    QRawFont unscaled(m_font);
    unscaled.setPixelSize(m_font.unitsPerEm());
    const QRect box = subset.bounds();
    const QByteArray name = postScriptName();
    const int cidFont = m_objects.reserve();
    const int descriptor = m_objects.reserve();
    const int file = m_objects.reserve();
    const int unicode = m_objects.reserve();

    m_objects.write(m_object, "<< /Type /Font /Subtype /Type0 /BaseFont /" + name +
                                  " /Encoding /Identity-H /DescendantFonts [" +
                                  PdfObjects::reference(cidFont) + "] /ToUnicode " +
                                  PdfObjects::reference(unicode) + " >>");
    m_objects.write(cidFont, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
                                 " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) "
                                 "/Supplement 0 >> /FontDescriptor " +
                                 PdfObjects::reference(descriptor) + " /CIDToGIDMap /Identity /W " +
                                 widths(subset.advances()) + " >>");
    const auto scaled = [scale](qreal value) {
        return PdfObjects::number(qRound(value * scale));
    };
    m_objects.write(descriptor,
                    "<< /Type /FontDescriptor /FontName /AAAAAA+" + name + " /Flags 4 /FontBBox [" +
                        scaled(box.left()) + ' ' + scaled(box.top()) + ' ' + scaled(box.right()) +
                        ' ' + scaled(box.bottom()) + "] /ItalicAngle 0 /Ascent " +
                        scaled(unscaled.ascent()) + " /Descent " + scaled(-unscaled.descent()) +
                        " /CapHeight " + scaled(unscaled.capHeight()) + " /StemV " +
                        scaled(unscaled.lineThickness()) + " /FontFile2 " +
                        PdfObjects::reference(file) + " >>");
    m_objects.writeStream(file, "/Length1 " + QByteArray::number(subset.data().size()),
                          subset.data());
    m_objects.writeStream(unicode, {}, toUnicode());
}

QByteArray PdfFont::postScriptName() const
{
    QByteArray name = nameTableEntry(m_font.fontTable("name"));
    if (name.isEmpty())
        name = m_font.familyName().toLatin1();
    return pdfName(name);
}

QByteArray PdfFont::widths(const QList<int> &advances) const
{
    QByteArray array = "[0 [";
    const qreal scale = 1000 / m_font.unitsPerEm();
    for (const int advance : advances)
        array += QByteArray::number(qRound(advance * scale)) + ' ';
    return array + "]]";
}

// Each glyph stands for the first character of the Basic Multilingual Plane
// that the font's character map gives it, as Qt's own PDF writer has it, but
// for a character that is only another form of one after it: a Chinese font
// gives 小 the glyph of the Kangxi radical ⼩ too, and 小 is what was written.
QByteArray PdfFont::toUnicode() const
{
    QList<QChar> characters;
    for (char16_t unit = 1; unit < 0xD800; ++unit)
        characters.append(QChar(unit));
    for (int unit = 0xE000; unit <= 0xFFFF; ++unit)
        characters.append(QChar(unit));
    QList<quint32> glyphs(characters.size());
    int count = static_cast<int>(glyphs.size());
    m_font.glyphIndexesForChars(characters.constData(), static_cast<int>(characters.size()),
                                glyphs.data(), &count);
    QHash<int, char16_t> firsts;
    for (int index = 0; index < count; ++index) {
        const auto code = m_codes.constFind(glyphs.at(index));
        if (code == m_codes.constEnd() || code.value() <= 0)
            continue;
        const auto first = firsts.constFind(code.value());
        if (first == firsts.constEnd() ||
            (QChar(first.value()).decompositionTag() != QChar::NoDecomposition &&
             characters.at(index).decompositionTag() == QChar::NoDecomposition))
            firsts.insert(code.value(), characters.at(index).unicode());
    }
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    QList<int> codes = firsts.keys();
    std::sort(codes.begin(), codes.end());
    for (qsizetype start = 0; start < codes.size(); start += 100) {
        const qsizetype end = std::min(start + 100, codes.size());
        map += QByteArray::number(end - start) + " beginbfchar\n";
        for (qsizetype index = start; index < end; ++index)
            map +=
                '<' + hex4(codes.at(index)) + "> <" + hex4(firsts.value(codes.at(index))) + ">\n";
        map += "endbfchar\n";
    }
    return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}
