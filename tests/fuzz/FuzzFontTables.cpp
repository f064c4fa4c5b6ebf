// The font tables the PDF writer reads itself, and the subset it writes, on
// any bytes: fonts come from the user's machine.
//
// The input is read as an OS/2 and a naming table, then as a font file
// (TrueType or CFF outlines, which FreeType reads for Qt). Of a font Qt
// takes, the subset of its first glyphs must be a font Qt takes too, with
// the advances the subset gives, and the PDF font made of them must be
// written whole, with one subset tag when it is embedded; each glyph of the
// subset lies within the outline the font draws for it.

#include "FuzzSupport.h"

#include "printing/FontTables.h"
#include "printing/PdfFont.h"
#include "printing/PdfObjects.h"
#include "printing/TrueTypeSubset.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRawFont>

namespace {

constexpr quint32 kGlyphs = 8;

void checkTables(const QByteArray &os2, const QByteArray &names)
{
    FontTables::embeddingOf(os2);
    FUZZ_CHECK(FontTables::postScriptName(names).size() <= names.size());
}

void checkSubset(const QRawFont &font, const QList<quint32> &glyphs)
{
    const TrueTypeSubset subset(font, glyphs);
    const QRawFont readBack(subset.data(), subset.unitsPerEm());
    FUZZ_CHECK(readBack.isValid());
    QList<quint32> copies;
    for (quint32 glyph = 0; glyph < quint32(glyphs.size()); ++glyph)
        copies.append(glyph);
    const QList<QPointF> advances =
        readBack.advancesForGlyphIndexes(copies, QRawFont::UseDesignMetrics);
    for (qsizetype glyph = 0; glyph < advances.size(); ++glyph)
        FUZZ_CHECK(qAbs(advances.at(glyph).x() - subset.advances().at(glyph)) < 0.5);
    // A glyph of the subset is drawn where the font draws it, or not at all.
    QRawFont unscaled(font);
    unscaled.setPixelSize(subset.unitsPerEm());
    for (quint32 glyph = 0; glyph < quint32(glyphs.size()); ++glyph) {
        const QRectF drawn = readBack.pathForGlyph(glyph).boundingRect();
        const QRectF original = unscaled.pathForGlyph(glyphs.at(glyph)).boundingRect();
        FUZZ_CHECK(drawn.isEmpty() || original.adjusted(-2, -2, 2, 2).contains(drawn));
    }
}

void checkPdfFont(const QRawFont &font, const QList<quint32> &glyphs)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    PdfObjects objects(file);
    PdfFont pdfFont(objects, font);
    QByteArray content;
    for (const quint32 glyph : glyphs)
        pdfFont.appendCode(content, glyph, QStringLiteral("\U00020BB7"), int(glyph % 3) + 1);
    QSet<QByteArray> tags;
    pdfFont.write(tags);
    FUZZ_CHECK(tags.size() == (pdfFont.isEmbedded() ? 1 : 0));
    FUZZ_CHECK(file.data().contains("/FontFile2") == pdfFont.isEmbedded());
    FUZZ_CHECK(content.size() == 4 * glyphs.size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    // FreeType's complaints of broken fonts, through Qt, would fill the log.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytesOf(data, size);
    checkTables(input, input);
    const QRawFont font(input, 16);
    if (!font.isValid())
        return 0;
    checkTables(font.fontTable("OS/2"), font.fontTable("name"));
    QList<quint32> glyphs;
    for (quint32 glyph = 0; glyph < kGlyphs; ++glyph)
        glyphs.append(glyph);
    checkSubset(font, glyphs);
    checkPdfFont(font, glyphs);
    return 0;
}
