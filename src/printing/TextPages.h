#pragma once

#include <QCache>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QTextLayout>

#include <memory>

class QPagedPaintDevice;

// Lays plain text out in one font over the pages of a printer or PDF, within
// the device's margins, and paints it page by page: no header, no footer, no
// page numbers. Texts are added one at a time, each starting a page of its
// own, and nothing of one is kept once it is painted.
//
// Each line is painted once, whole, on the page it fits on. A heading stays
// with what it heads: a block of one-line paragraphs (such as a number, its
// count of occurrences and the title above them) followed, after blank lines,
// by a paragraph of several lines is never left at the foot of a page without
// that paragraph's first line.
class TextPages
{
public:
    TextPages(QPagedPaintDevice &device, const QFont &font);

    // Paints the text from the top of a new page (the first text, of the
    // first page). False when the device cannot be painted on.
    bool add(const QString &text);
    // Ends the painting, which completes the document. False when the device fails.
    bool finish();

private:
    // The paragraph laid out over the width of the page, shared with the cache.
    std::shared_ptr<const QTextLayout> laidOut(const QString &paragraph);
    bool begin();
    bool newPage();
    // Starts a new page when `height` more would pass the foot of this one.
    // False when the device fails.
    bool makeRoom(qreal height);

    QPagedPaintDevice &m_device;
    QFont m_font;
    QRect m_page;
    QPainter m_painter;
    qreal m_top = 0;
    bool m_started = false;
    // Paragraphs laid out lately, up to this many characters in all, each
    // layout counting as some more characters besides its own.
    static constexpr qsizetype kCachedCharacters = 1 << 15;
    static constexpr qsizetype kLayoutOverhead = 100;
    QCache<QString, std::shared_ptr<const QTextLayout>> m_layouts;
};
