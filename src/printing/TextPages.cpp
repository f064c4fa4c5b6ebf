#include "printing/TextPages.h"

#include "printing/PdfPages.h"

#include <QTextLayout>

namespace {

using Paragraphs = std::vector<std::shared_ptr<TextPages::Paragraph>>;

// Breaks one paragraph into lines as wide as the page.
void layOut(QTextLayout &layout, qreal width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setCacheEnabled(true); // keeps the glyphs, which drawing needs again
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
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
qreal headingHeight(const Paragraphs &paragraphs, size_t first)
{
    const auto layout = [&paragraphs](size_t index) -> const QTextLayout & {
        return paragraphs[index]->layout;
    };
    if (first > 0 && !isBlank(layout(first - 1)))
        return 0; // not the start of a block
    size_t next = first;
    while (next < paragraphs.size() && isOneLine(layout(next)))
        ++next;
    if (next == first || (next < paragraphs.size() && !isBlank(layout(next))))
        return 0; // no paragraph, or a block of longer lines
    while (next < paragraphs.size() && isBlank(layout(next)))
        ++next;
    if (next == paragraphs.size() || layout(next).lineCount() < 2)
        return 0; // heads nothing of several lines
    qreal height = layout(next).lineAt(0).height();
    for (size_t index = first; index < next; ++index)
        height += heightOf(layout(index));
    return height;
}

} // namespace

TextPages::TextPages(PdfPages &pages, const QFont &font)
    : m_pages(pages), m_font(font), m_page(pages.paintRect()), m_paragraphs(kCachedCharacters)
{}

void TextPages::add(const QString &text)
{
    newPage();
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Paragraphs paragraphs;
    for (const QString &paragraph : lines.split(QLatin1Char('\n')))
        paragraphs.push_back(laidOut(paragraph));
    for (size_t index = 0; index < paragraphs.size(); ++index) {
        const qreal heading = headingHeight(paragraphs, index);
        if (heading <= m_page.height())
            makeRoom(heading);
        Paragraph &paragraph = *paragraphs[index];
        for (int lineIndex = 0; lineIndex < paragraph.layout.lineCount(); ++lineIndex) {
            const QTextLine line = paragraph.layout.lineAt(lineIndex);
            makeRoom(line.height());
            m_pages.drawLine(line, QPointF(0, m_top - line.y()), paragraph.forms[lineIndex]);
            m_top += line.height();
        }
    }
}

// A batch of reports repeats most of its paragraphs (the readings, the
// element texts, the footers): each is laid out once while it keeps coming back.
std::shared_ptr<TextPages::Paragraph> TextPages::laidOut(const QString &text)
{
    if (const auto *known = m_paragraphs.object(text))
        return *known;
    auto paragraph = std::make_shared<Paragraph>();
    paragraph->layout.setText(text);
    paragraph->layout.setFont(QFont(m_font, &m_pages.device())); // measured on the page
    layOut(paragraph->layout, m_page.width());
    paragraph->forms.resize(paragraph->layout.lineCount());
    m_paragraphs.insert(text, new std::shared_ptr<Paragraph>(paragraph),
                        text.size() + kLayoutOverhead);
    return paragraph;
}

void TextPages::finish()
{
    m_pages.finish();
}

void TextPages::newPage()
{
    m_top = 0;
    m_pages.newPage();
}

// Nothing is moved off a page that is still empty: what is taller than a
// page starts at its top and goes on over the next.
void TextPages::makeRoom(qreal height)
{
    if (m_top != 0 && m_top + height > m_page.height())
        newPage();
}
