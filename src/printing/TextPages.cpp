#include "printing/TextPages.h"

#include <QPagedPaintDevice>
#include <QTextLayout>

#include <memory>
#include <vector>

namespace {

using Layouts = std::vector<std::shared_ptr<const QTextLayout>>;

// Breaks one paragraph into lines as wide as the page, measured on the device.
std::shared_ptr<const QTextLayout> layOut(const QString &paragraph, const QFont &font,
                                          QPaintDevice &device, qreal width)
{
    auto layout = std::make_shared<QTextLayout>(paragraph, font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine())
        line.setLineWidth(width);
    layout->endLayout();
    return layout;
}

bool isBlank(const QTextLayout &layout)
{
    return layout.text().isEmpty();
}

bool isOneLine(const QTextLayout &layout)
{
    return !isBlank(layout) && layout.lineCount() == 1;
}

qreal heightOf(const QTextLayout &layout)
{
    qreal height = 0;
    for (int index = 0; index < layout.lineCount(); ++index)
        height += layout.lineAt(index).height();
    return height;
}

// When the paragraph at `first` starts a heading (see TextPages), the height
// from its top to the foot of the first line it heads; 0 otherwise.
qreal headingHeight(const Layouts &paragraphs, size_t first)
{
    if (first > 0 && !isBlank(*paragraphs[first - 1]))
        return 0; // not the start of a block
    size_t next = first;
    while (next < paragraphs.size() && isOneLine(*paragraphs[next]))
        ++next;
    if (next == first || (next < paragraphs.size() && !isBlank(*paragraphs[next])))
        return 0; // no paragraph, or a block of longer lines
    while (next < paragraphs.size() && isBlank(*paragraphs[next]))
        ++next;
    if (next == paragraphs.size() || paragraphs[next]->lineCount() < 2)
        return 0; // heads nothing of several lines
    qreal height = paragraphs[next]->lineAt(0).height();
    for (size_t index = first; index < next; ++index)
        height += heightOf(*paragraphs[index]);
    return height;
}

} // namespace

TextPages::TextPages(QPagedPaintDevice &device, const QFont &font)
    : m_device(device), m_font(font),
      m_page(device.pageLayout().paintRectPixels(device.logicalDpiX())),
      m_layouts(kCachedCharacters)
{}

bool TextPages::add(const QString &text)
{
    if (m_started ? !newPage() : !begin())
        return false;
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Layouts paragraphs;
    for (const QString &paragraph : lines.split(QLatin1Char('\n')))
        paragraphs.push_back(laidOut(paragraph));
    for (size_t index = 0; index < paragraphs.size(); ++index) {
        const qreal heading = headingHeight(paragraphs, index);
        if (heading <= m_page.height() && !makeRoom(heading))
            return false;
        const QTextLayout &layout = *paragraphs[index];
        for (int lineIndex = 0; lineIndex < layout.lineCount(); ++lineIndex) {
            const QTextLine line = layout.lineAt(lineIndex);
            if (!makeRoom(line.height()))
                return false;
            line.draw(&m_painter, QPointF(0, m_top - line.y()));
            m_top += line.height();
        }
    }
    return true;
}

// A batch of reports repeats most of its paragraphs (the readings, the
// element texts, the footers): each is laid out once while it keeps coming back.
std::shared_ptr<const QTextLayout> TextPages::laidOut(const QString &paragraph)
{
    if (const auto *known = m_layouts.object(paragraph))
        return *known;
    auto layout = layOut(paragraph, m_font, m_device, m_page.width());
    m_layouts.insert(paragraph, new std::shared_ptr<const QTextLayout>(layout),
                     paragraph.size() + kLayoutOverhead);
    return layout;
}

bool TextPages::finish()
{
    return (m_started || begin()) && m_painter.end();
}

bool TextPages::begin()
{
    if (!m_painter.begin(&m_device))
        return false;
    m_painter.setPen(Qt::black);
    m_started = true;
    return true;
}

bool TextPages::newPage()
{
    m_top = 0;
    return m_device.newPage();
}

// Nothing is moved off a page that is still empty: what is taller than a
// page starts at its top and goes on over the next.
bool TextPages::makeRoom(qreal height)
{
    return m_top == 0 || m_top + height <= m_page.height() || newPage();
}
