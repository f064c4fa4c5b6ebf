#pragma once

#include <QCache>
#include <QFont>
#include <QRect>
#include <QString>

#include <memory>

class PdfPages;

// Lays plain text out in one font over the pages of a PDF, within its
// margins, and draws it page by page: no header, no footer, no page numbers.
// Texts are added one at a time, each starting a page of its own, and nothing
// of one is kept once it is drawn but the layout of paragraphs that may come
// back.
//
// Each line is drawn once, whole, on the page it fits on. A heading stays
// with what it heads: a block of one-line paragraphs (such as a number, its
// count of occurrences and the title above them) followed, after blank lines,
// by a paragraph of several lines is never left at the foot of a page without
// that paragraph's first line.
class TextPages
{
public:
    TextPages(PdfPages &pages, const QFont &font);

    // Draws the text from the top of a new page.
    void add(const QString &text);
    // Completes the document.
    void finish();

private:
    // A paragraph laid out over the width of the page, with the forms its
    // lines are drawn with once they come back (see PdfPages::drawLine).
    struct Paragraph;

    // The paragraph laid out, shared with the cache.
    std::shared_ptr<Paragraph> laidOut(const QString &text);
    void draw(Paragraph &paragraph);
    void newPage();
    // Starts a new page when `height` more would pass the foot of this one.
    void makeRoom(qreal height);

    PdfPages &m_pages;
    QFont m_font;
    QRect m_page;
    qreal m_top = 0;
    // Paragraphs laid out lately: those seen once, and those seen again,
    // which lines of one report only (a name, a date) do not push out. Each
    // holds up to so many characters, a layout counting as some more besides
    // its own.
    using Cache = QCache<QString, std::shared_ptr<Paragraph>>;
    static constexpr qsizetype kCachedCharacters = 1 << 15;
    static constexpr qsizetype kLayoutOverhead = 100;
    Cache m_seenOnce;
    Cache m_repeated;
};
