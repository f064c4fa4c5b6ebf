#include "printing/TextPages.h"

#include "printing/ChinesePunctuation.h"
#include "printing/PdfPages.h"
#include "support/LineBreaks.h"

#include <QTextLayout>

#include <vector>

struct TextPages::Paragraph
{
    QTextLayout layout;
    std::vector<int> forms;
};

namespace {

using Layouts = std::vector<const QTextLayout *>;

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

TextPages::TextPages(PdfPages &pages, const QFont &font)
    : m_pages(pages), m_font(font), m_page(pages.paintRect()), m_seenOnce(kCachedCharacters),
      m_repeated(kCachedCharacters)
{}

void TextPages::add(const QString &text)
{
    newPage();
    std::vector<std::shared_ptr<Paragraph>> paragraphs;
    Layouts layouts;
    for (const QString &paragraph : LineBreaks::toLineFeeds(text).split(QLatin1Char('\n'))) {
        paragraphs.push_back(laidOut(paragraph));
        layouts.push_back(&paragraphs.back()->layout);
    }
    for (size_t index = 0; index < paragraphs.size(); ++index) {
        const qreal heading = headingHeight(layouts, index);
        if (heading <= m_page.height())
            makeRoom(heading);
        draw(*paragraphs[index]);
    }
}

void TextPages::draw(Paragraph &paragraph)
{
    for (int index = 0; index < paragraph.layout.lineCount(); ++index) {
        const QTextLine line = paragraph.layout.lineAt(index);
        makeRoom(line.height());
        m_pages.drawLine(line, paragraph.layout.text(), QPointF(0, m_top - line.y()),
                         paragraph.forms[index]);
        m_top += line.height();
    }
}

// A batch of reports repeats most of its paragraphs (the readings, the
// element texts, the footers): each is laid out once while it keeps coming back.
std::shared_ptr<TextPages::Paragraph> TextPages::laidOut(const QString &text)
{
    const qsizetype cost = text.size() + kLayoutOverhead;
    if (const auto *known = m_repeated.object(text))
        return *known;
    if (auto *seen = m_seenOnce.take(text)) {
        const std::shared_ptr<Paragraph> paragraph = *seen;
        m_repeated.insert(text, seen, cost);
        return paragraph;
    }
    auto paragraph = std::make_shared<Paragraph>();
    paragraph->layout.setText(text);
    paragraph->layout.setFont(QFont(m_font, &m_pages.device())); // measured on the page
    paragraph->layout.setFormats(ChinesePunctuation::formatsOf(text));
    layOut(paragraph->layout, m_page.width());
    paragraph->forms.resize(paragraph->layout.lineCount());
    m_seenOnce.insert(text, new std::shared_ptr<Paragraph>(paragraph), cost);
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
