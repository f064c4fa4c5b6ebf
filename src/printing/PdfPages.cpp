#include "printing/PdfPages.h"

#include "desktop/Platform.h"
#include "printing/PdfFont.h"

#include <QDateTime>
#include <QGlyphRun>
#include <QTextLine>

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

void PdfPages::drawLine(const QTextLine &line, QPointF origin, int &form)
{
    const QPointF top = origin + QPointF(0, line.y());
    if (form > 0) {
        appendTranslation(m_content, top);
        m_content += formName(form) + " Do Q\n";
        return;
    }
    const QByteArray glyphs = glyphsOf(line);
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
// turns the glyphs upright again in the pages' downward coordinates.
QByteArray PdfPages::glyphsOf(const QTextLine &line)
{
    QByteArray glyphs;
    const QList<QGlyphRun> runs = line.glyphRuns();
    for (const QGlyphRun &run : runs) {
        PdfFont &font = fontOf(run.rawFont());
        glyphs += "BT " + fontName(font) + ' ' + PdfObjects::number(run.rawFont().pixelSize()) +
                  " Tf 1 0 0 -1 0 0 Tm\n";
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        QPointF last(0, line.y());
        for (qsizetype index = 0; index < indexes.size(); ++index) {
            const QPointF move = positions.at(index) - last;
            PdfObjects::appendNumber(glyphs, move.x());
            glyphs += ' ';
            PdfObjects::appendNumber(glyphs, -move.y());
            glyphs += " Td <";
            font.appendCode(glyphs, indexes.at(index));
            glyphs += "> Tj\n";
            last = positions.at(index);
        }
        glyphs += "ET\n";
    }
    return glyphs;
}

PdfFont &PdfPages::fontOf(const QRawFont &font)
{
    for (const auto &known : m_fonts) {
        if (known->rawFont() == font)
            return *known;
    }
    m_fonts.push_back(std::make_unique<PdfFont>(m_objects, font));
    return *m_fonts.back();
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
    m_objects.write(
        m_information,
        "<< /Title " + PdfObjects::text(m_title) + " /Creator " +
            PdfObjects::text(Platform::applicationTitle()) + " /CreationDate (D:" +
            QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1() +
            "Z) >>");
    m_objects.finish(m_catalog, m_information);
}

// Every page and form draws with the same resources: the fonts and the forms.
void PdfPages::writeResources()
{
    QByteArray fonts, forms;
    for (const auto &font : m_fonts) {
        font->write();
        fonts += fontName(*font) + ' ' + PdfObjects::reference(font->object()) + ' ';
    }
    for (const int form : m_forms)
        forms += formName(form) + ' ' + PdfObjects::reference(form) + ' ';
    m_objects.write(m_resources, "<< /ProcSet [/PDF /Text] /Font << " + fonts + ">> /XObject << " +
                                     forms + ">> >>");
}
