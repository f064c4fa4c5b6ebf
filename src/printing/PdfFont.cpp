#include "printing/PdfFont.h"

#include "printing/FontCoverage.h"
#include "printing/FontTables.h"
#include "printing/PdfObjects.h"
#include "printing/TrueTypeSubset.h"

#include <QCryptographicHash>

#include <cmath>

namespace {

constexpr qsizetype kCodes = 0xFFFF; // as many glyphs as a TrueType font holds

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

// A character as the character map gives it: UTF-16, a surrogate pair beyond
// the Basic Multilingual Plane.
QByteArray utf16Hex(const QString &text)
{
    QByteArray hex;
    for (const QChar unit : text)
        appendHex4(hex, unit.unicode());
    return hex;
}

} // namespace

PdfFont::PdfFont(PdfObjects &objects, const QRawFont &font)
    : m_objects(objects), m_font(font), m_object(objects.reserve()),
      // Qt's boxes for a script no installed font has come from a font with
      // nothing to embed: they are drawn as paths.
      m_embedded(!FontCoverage::isStandIn(font) &&
                 FontTables::embeddingOf(font.fontTable("OS/2")) == FontTables::Embedding::Subset)
{
    codeOf({0, {}, 1}); // the missing glyph comes first in any font
}

bool PdfFont::hasRoomFor(qsizetype count) const
{
    return m_uses.size() + count <= kCodes;
}

void PdfFont::appendCode(QByteArray &content, quint32 glyph, const QString &text, int shares)
{
    appendHex4(content, codeOf({glyph, text, std::max(shares, 1)}));
}

int PdfFont::codeOf(const Use &use)
{
    const auto first = m_codes.constFind(use.glyph);
    if (first != m_codes.constEnd() && m_uses.at(first.value()) == use)
        return first.value();
    if (first != m_codes.constEnd()) {
        const auto other = m_otherCodes.constFind(use);
        if (other != m_otherCodes.constEnd())
            return other.value();
    }
    const int code = static_cast<int>(m_uses.size());
    if (first == m_codes.constEnd())
        m_codes.insert(use.glyph, code);
    else
        m_otherCodes.insert(use, code);
    m_uses.append(use);
    return code;
}

void PdfFont::write(QSet<QByteArray> &tags)
{
    QList<quint32> glyphs;
    for (const Use &use : m_uses)
        glyphs.append(use.glyph);
    const TrueTypeSubset subset(m_font, glyphs);
    // PDF measures glyphs in thousandths of an em.
    const qreal scale = 1000.0 / subset.unitsPerEm();
    QRawFont unscaled(m_font);
    unscaled.setPixelSize(subset.unitsPerEm());
    const QRect box = subset.bounds();
    // An embedded subset is named after its font with a tag of its own.
    const QByteArray name = (m_embedded ? subsetTag(tags) + '+' : QByteArray()) + postScriptName();
    const int cidFont = m_objects.reserve();
    const int descriptor = m_objects.reserve();
    const int file = m_embedded ? m_objects.reserve() : 0;
    const int unicode = m_objects.reserve();

    m_objects.write(m_object, "<< /Type /Font /Subtype /Type0 /BaseFont /" + name +
                                  " /Encoding /Identity-H /DescendantFonts [" +
                                  PdfObjects::reference(cidFont) + "] /ToUnicode " +
                                  PdfObjects::reference(unicode) + " >>");
    m_objects.write(cidFont, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
                                 " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) "
                                 "/Supplement 0 >> /FontDescriptor " +
                                 PdfObjects::reference(descriptor) + " /CIDToGIDMap /Identity /W " +
                                 widths(subset.advances(), scale) + " >>");
    const auto scaled = [scale](qreal value) {
        return PdfObjects::number(std::round(value * scale));
    };
    m_objects.write(
        descriptor,
        "<< /Type /FontDescriptor /FontName /" + name + " /Flags 4 /FontBBox [" +
            scaled(box.left()) + ' ' + scaled(box.top()) + ' ' + scaled(box.right()) + ' ' +
            scaled(box.bottom()) + "] /ItalicAngle 0 /Ascent " + scaled(unscaled.ascent()) +
            " /Descent " + scaled(-unscaled.descent()) + " /CapHeight " +
            scaled(unscaled.capHeight()) + " /StemV " + scaled(unscaled.lineThickness()) +
            (m_embedded ? " /FontFile2 " + PdfObjects::reference(file) : QByteArray()) + " >>");
    if (m_embedded)
        m_objects.writeStream(file, "/Length1 " + QByteArray::number(subset.data().size()),
                              subset.data());
    m_objects.writeStream(unicode, {}, toUnicode());
}

QByteArray PdfFont::postScriptName() const
{
    QByteArray name = FontTables::postScriptName(m_font.fontTable("name"));
    // The font of Qt's boxes has no family to ask for.
    if (name.isEmpty() && !FontCoverage::isStandIn(m_font))
        name = m_font.familyName().toLatin1();
    return pdfName(name);
}

// Six capital letters from the subset's glyphs, the same for the same
// glyphs, and unlike any other subset's tag in the file.
QByteArray PdfFont::subsetTag(QSet<QByteArray> &tags) const
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(postScriptName());
    for (const Use &use : m_uses)
        hash.addData(QByteArray::number(use.glyph) + ' ');
    QByteArray tag;
    do {
        const QByteArray digest = hash.result();
        tag.clear();
        for (qsizetype index = 0; index < 6; ++index)
            tag.append(static_cast<char>('A' + static_cast<uchar>(digest.at(index)) % 26));
        hash.addData(digest); // another tag, should this one be taken
    } while (tags.contains(tag));
    tags.insert(tag);
    return tag;
}

QByteArray PdfFont::widths(const QList<int> &advances, qreal scale) const
{
    QByteArray array = "[0 [";
    for (qsizetype code = 0; code < advances.size(); ++code)
        array +=
            QByteArray::number(qRound(advances.at(code) * scale / m_uses.at(code).shares)) + ' ';
    return array + "]]";
}

// Each code stands for the text it was drawn for.
QByteArray PdfFont::toUnicode() const
{
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    QList<int> codes;
    for (int code = 0; code < m_uses.size(); ++code) {
        if (!m_uses.at(code).text.isEmpty())
            codes.append(code);
    }
    for (qsizetype start = 0; start < codes.size(); start += 100) {
        const qsizetype end = std::min(start + 100, codes.size());
        map += QByteArray::number(end - start) + " beginbfchar\n";
        for (qsizetype index = start; index < end; ++index)
            map += '<' + hex4(codes.at(index)) + "> <" + utf16Hex(m_uses.at(codes.at(index)).text) +
                   ">\n";
        map += "endbfchar\n";
    }
    return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}
