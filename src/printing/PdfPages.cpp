#include "printing/PdfPages.h"

#include "desktop/Platform.h"
#include "printing/GlyphClusters.h"
#include "printing/PdfFont.h"

#include <QDateTime>
#include <QPainterPath>
#include <QTextLine>

#include <algorithm>

namespace {

// Text is laid out and drawn in dots of this resolution, as on Qt's PDF writer.
constexpr int kResolution = 1200;

QImage layoutDevice()
{
    QImage device(1, 1, QImage::Format_Mono);
    const int dotsPerMeter = qRound(kResolution / 0.0254);
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    return device;
}

// Opens a q ... Q pair that moves the origin to `offset`.
void appendTranslation(QByteArray &content, QPointF offset)
{
    content += "q 1 0 0 1 ";
    PdfObjects::appendNumber(content, offset.x());
    content += ' ';
    PdfObjects::appendNumber(content, offset.y());
    content += " cm ";
}

QByteArray formName(int form)
{
    return "/X" + QByteArray::number(form);
}

QByteArray fontName(const PdfFont &font)
{
    return "/F" + QByteArray::number(font.object());
}

// A glyph's outline as a filled path, in hundredths of a dot.
void appendOutline(QByteArray &content, const QPainterPath &path)
{
    const auto appendPoint = [&content](QPointF point) {
        PdfObjects::appendNumber(content, qRound(point.x() * 100) / 100.0);
        content += ' ';
        PdfObjects::appendNumber(content, qRound(point.y() * 100) / 100.0);
        content += ' ';
    };
    if (path.isEmpty())
        return;
    for (int index = 0; index < path.elementCount(); ++index) {
        const QPainterPath::Element element = path.elementAt(index);
        appendPoint(element);
        if (element.isCurveTo() && index + 2 < path.elementCount()) {
            appendPoint(path.elementAt(index + 1));
            appendPoint(path.elementAt(index + 2));
            index += 2;
            content += "c\n";
        } else {
            content += element.isMoveTo() ? "m\n" : "l\n";
        }
    }
    content += path.fillRule() == Qt::WindingFill ? "f\n" : "f*\n";
}

// When the document was made: now, or for output that must come out the same
// each time, the moment SOURCE_DATE_EPOCH names, in seconds since 1970.
QDateTime creationDate()
{
    constexpr qint64 kLastSecondOf9999 = 253402300799;
    bool valid = false;
    const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&valid);
    if (!valid || seconds < 0 || seconds > kLastSecondOf9999)
        return QDateTime::currentDateTimeUtc();
    return QDateTime::fromSecsSinceEpoch(seconds).toUTC();
}

} // namespace

PdfPages::PdfPages(QIODevice &device, const QString &title, const QPageLayout &layout)
    : m_objects(device), m_layout(layout), m_device(layoutDevice()), m_title(title),
      m_catalog(m_objects.reserve()), m_information(m_objects.reserve()),
      m_pageTree(m_objects.reserve()), m_resources(m_objects.reserve())
{}

PdfPages::~PdfPages() = default;

QRect PdfPages::paintRect() const
{
    return QRect(QPoint(0, 0), m_layout.paintRectPixels(kResolution).size());
}

void PdfPages::newPage()
{
    endPage();
    // Device pixels, y downwards, from the top left of the margins, as Qt's PDF writer has them.
    const qreal scale = 72.0 / kResolution;
    const QPoint margin = m_layout.paintRectPixels(kResolution).topLeft();
    m_content = PdfObjects::number(scale) + " 0 0 " + PdfObjects::number(-scale) + ' ' +
                PdfObjects::number(margin.x() * scale) + ' ' +
                PdfObjects::number(m_layout.fullRectPoints().height() - margin.y() * scale) +
                " cm\n";
    m_pageOpen = true;
}

void PdfPages::drawLine(const QTextLine &line, const QString &text, QPointF origin, int &form)
{
    const QPointF top = origin + QPointF(0, line.y());
    if (form > 0) {
        appendTranslation(m_content, top);
        m_content += formName(form) + " Do Q\n";
        return;
    }
    const QByteArray glyphs = glyphsOf(line, text);
    if (glyphs.isEmpty())
        return;
    if (form == 0) { // drawn here; a form only once it comes back
        appendTranslation(m_content, top);
        m_content += '\n' + glyphs + "Q\n";
        form = -1;
        return;
    }
    form = m_objects.reserve();
    // What a form draws outside its box is clipped: the line's glyphs stay
    // within the width of the page and a line's height around it. A form
    // names no resources of its own, so it takes those of the page it is
    // drawn on, which every page shares: with its own, poppler loads the font
    // again each time a form is drawn, and reading the text back took 2.4
    // times as long.
    const qreal height = line.height();
    m_objects.writeStream(form,
                          "/Type /XObject /Subtype /Form /BBox [" + PdfObjects::number(-height) +
                              ' ' + PdfObjects::number(-height) + ' ' +
                              PdfObjects::number(paintRect().width() + height) + ' ' +
                              PdfObjects::number(2 * height) + ']',
                          glyphs);
    m_forms.push_back(form);
    appendTranslation(m_content, top);
    m_content += formName(form) + " Do Q\n";
}

// Each glyph at its own place, as Qt's PDF writer puts it; the text matrix
// turns the glyphs upright again in the pages' downward coordinates. A glyph
// that stands for no character (a mark its letter's glyph stands for) is
// drawn as its outline, so that no reader finds a character there; so are
// the glyphs of a font that may not be embedded, with their text invisible
// (render mode 3) over them, to be found and copied all the same.
QByteArray PdfPages::glyphsOf(const QTextLine &line, const QString &text)
{
    const QList<GlyphClusters::Run> runs = GlyphClusters::runsOf(line, text);
    if (runs.isEmpty())
        return {}; // a blank line
    const QPointF top(0, line.y());
    QByteArray glyphs;
    for (const GlyphClusters::Run &run : runs) {
        const bool embedded = fontOf(run.font, 0).isEmbedded();
        for (const GlyphClusters::Glyph &glyph : run.glyphs) {
            if (glyph.characters.isEmpty() || !embedded)
                appendOutline(glyphs,
                              outlineOf(run.font, glyph.index).translated(glyph.position - top));
        }
    }
    // One text object for the line, as readers that go by the order of the
    // content join its runs into one line.
    glyphs += "BT 1 0 0 -1 0 0 Tm\n";
    QPointF last = top;
    bool visible = true;
    for (const GlyphClusters::Run &run : runs) {
        for (qsizetype start = 0; start < run.glyphs.size(); start += kRunGlyphs) {
            const QList<GlyphClusters::Glyph> part = run.glyphs.mid(start, kRunGlyphs);
            qsizetype codes = 0; // one for each character a glyph stands for
            for (const GlyphClusters::Glyph &glyph : part)
                codes += glyph.characters.size();
            PdfFont &font = fontOf(run.font, codes);
            // Qt's stand-in boxes have no size of their own (-1): their em is their height.
            const qreal size = run.font.pixelSize() > 0 ? run.font.pixelSize() : run.font.ascent();
            glyphs += fontName(font) + ' ' + PdfObjects::number(size) + " Tf\n";
            if (visible != font.isEmbedded())
                glyphs += font.isEmbedded() ? "0 Tr\n" : "3 Tr\n";
            visible = font.isEmbedded();
            for (const GlyphClusters::Glyph &glyph : part) {
                if (!glyph.characters.isEmpty())
                    appendGlyph(glyphs, font, glyph, run.rightToLeft, last);
            }
        }
    }
    return glyphs + "ET\n";
}

// Shows a glyph from `last`, the place of the one before. A glyph standing
// for several characters (a ligature, a letter and its mark) is shown for
// one, then again, invisible, for each other: each character over its share
// of the glyph's advance, from the left, or from the right in right-to-left
// text, and in the order of the text, as readers take them. One character a
// code, which every reader takes, where Ghostscript 10.0 swaps the bytes of
// a code of several.
void PdfPages::appendGlyph(QByteArray &glyphs, PdfFont &font, const GlyphClusters::Glyph &glyph,
                           bool rightToLeft, QPointF &last)
{
    const qsizetype count = glyph.characters.size();
    const qreal share =
        count == 1 ? 0
                   : font.rawFont().advancesForGlyphIndexes({glyph.index}).constFirst().x() / count;
    const bool visible = font.isEmbedded();
    for (qsizetype character = 0; character < count; ++character) {
        const qsizetype slot = rightToLeft ? count - 1 - character : character;
        const QPointF place = glyph.position + QPointF(share * slot, 0);
        if (visible && count > 1)
            glyphs += slot == 0 ? "0 Tr " : "3 Tr ";
        const QPointF move = place - last;
        PdfObjects::appendNumber(glyphs, move.x());
        glyphs += ' ';
        PdfObjects::appendNumber(glyphs, -move.y());
        glyphs += " Td <";
        font.appendCode(glyphs, glyph.index, glyph.characters.at(character),
                        static_cast<int>(count));
        glyphs += "> Tj\n";
        last = place;
    }
    if (visible && count > 1)
        glyphs += "0 Tr\n";
}

// The face's latest font, if it has room for so many more codes; else a new one.
PdfFont &PdfPages::fontOf(const QRawFont &font, qsizetype codes)
{
    for (auto known = m_fonts.rbegin(); known != m_fonts.rend(); ++known) {
        if ((*known)->rawFont() == font) {
            if ((*known)->hasRoomFor(codes))
                return **known;
            break;
        }
    }
    m_fonts.push_back(std::make_unique<PdfFont>(m_objects, font));
    return *m_fonts.back();
}

// Qt traces the outline of a glyph of a bitmap font (its stand-in boxes) dot
// by dot, which took most of the time of a long name drawn in boxes: each
// glyph is traced once.
QPainterPath PdfPages::outlineOf(const QRawFont &font, quint32 glyph)
{
    auto face = std::find_if(m_outlines.begin(), m_outlines.end(),
                             [&font](const auto &outlines) { return outlines.first == font; });
    if (face == m_outlines.end())
        face = m_outlines.insert(m_outlines.end(), {font, {}});
    QHash<quint32, QPainterPath> &outlines = face->second;
    if (outlines.size() >= kKeptOutlines)
        outlines.clear();
    auto known = outlines.constFind(glyph);
    if (known == outlines.constEnd())
        known = outlines.insert(glyph, font.pathForGlyph(glyph));
    return *known;
}

void PdfPages::endPage()
{
    if (!m_pageOpen)
        return;
    const int content = m_objects.reserve();
    m_objects.writeStream(content, {}, m_content);
    if (m_branch == 0)
        m_branch = m_objects.reserve();
    const int page = m_objects.reserve();
    const QRectF box = m_layout.fullRectPoints();
    m_objects.write(page, "<< /Type /Page /Parent " + PdfObjects::reference(m_branch) +
                              " /MediaBox [0 0 " + PdfObjects::number(box.width()) + ' ' +
                              PdfObjects::number(box.height()) + "] /Resources " +
                              PdfObjects::reference(m_resources) + " /Contents " +
                              PdfObjects::reference(content) + " >>");
    m_branchPages.push_back(page);
    ++m_pageCount;
    if (m_branchPages.size() == kBranchPages)
        endBranch();
    m_content.clear();
    m_pageOpen = false;
}

// The pages hang from the root in branches of so many: nothing of a page is
// kept once its branch is written, and a viewer finds any page in two steps.
void PdfPages::endBranch()
{
    if (m_branch == 0)
        return;
    QByteArray kids;
    for (const int page : m_branchPages)
        kids += PdfObjects::reference(page) + ' ';
    m_objects.write(m_branch, "<< /Type /Pages /Parent " + PdfObjects::reference(m_pageTree) +
                                  " /Kids [" + kids + "] /Count " +
                                  QByteArray::number(qsizetype(m_branchPages.size())) + " >>");
    m_branches.push_back(m_branch);
    m_branchPages.clear();
    m_branch = 0;
}

void PdfPages::finish()
{
    if (m_pageCount == 0 && !m_pageOpen)
        newPage(); // a document has at least one page
    endPage();
    endBranch();
    QByteArray branches;
    for (const int branch : m_branches)
        branches += PdfObjects::reference(branch) + ' ';
    m_objects.write(m_pageTree, "<< /Type /Pages /Kids [" + branches + "] /Count " +
                                    QByteArray::number(m_pageCount) + " >>");
    writeResources();
    m_objects.write(m_catalog,
                    "<< /Type /Catalog /Pages " + PdfObjects::reference(m_pageTree) + " >>");
    m_objects.write(m_information,
                    "<< /Title " + PdfObjects::text(m_title) + " /Creator " +
                        PdfObjects::text(Platform::applicationTitle()) + " /Producer " +
                        PdfObjects::text(Platform::applicationTitle() + QLatin1Char(' ') +
                                         QLatin1String(NUMORRA_VERSION)) +
                        " /CreationDate (D:" +
                        creationDate().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1() +
                        "Z) >>");
    m_objects.finish(m_catalog, m_information);
}

// Every page and form draws with the same resources: the fonts and the forms.
void PdfPages::writeResources()
{
    QByteArray fonts, forms;
    QSet<QByteArray> tags;
    for (const auto &font : m_fonts) {
        font->write(tags);
        fonts += fontName(*font) + ' ' + PdfObjects::reference(font->object()) + ' ';
    }
    for (const int form : m_forms)
        forms += formName(form) + ' ' + PdfObjects::reference(form) + ' ';
    m_objects.write(m_resources, "<< /ProcSet [/PDF /Text] /Font << " + fonts + ">> /XObject << " +
                                     forms + ">> >>");
}
