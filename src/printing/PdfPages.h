#pragma once

#include "printing/GlyphClusters.h"
#include "printing/PdfObjects.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QPainterPath>
#include <QRawFont>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

class PdfFont;
class QIODevice;
class QTextLine;

// A PDF of text pages, written out page by page as each is done. A line of
// text drawn again is written once, as a form the pages draw by reference:
// a batch of reports, which repeats its readings and footers over and over,
// takes a fraction of the time and space it would with each line on each page.
class PdfPages
{
public:
    // A PDF on `device`, open for writing, which must outlive this object.
    PdfPages(QIODevice &device, const QString &title, const QPageLayout &layout);
    ~PdfPages();

    // Where text is laid out for the pages (its resolution, 1200 dots an inch),
    // and the area within the margins, in its pixels, from (0, 0).
    QPaintDevice &device() { return m_device; }
    QRect paintRect() const;

    // Ends the page under way (if any) and starts another.
    void newPage();
    // Draws a line of a layout of `text` on device(), placing the layout's
    // origin at `origin` of the paint rect, as QTextLine::draw does. `form`
    // belongs to the line, 0 before it is first drawn: a line drawn again with
    // its form is written once and drawn by reference.
    void drawLine(const QTextLine &line, const QString &text, QPointF origin, int &form);
    // Ends the last page and completes the document.
    void finish();

private:
    // The line's glyphs, drawn from the line's top left corner.
    QByteArray glyphsOf(const QTextLine &line, const QString &text);
    PdfFont &fontOf(const QRawFont &font, qsizetype codes);
    QPainterPath outlineOf(const QRawFont &font, quint32 glyph);
    static void appendGlyph(QByteArray &glyphs, PdfFont &font, const GlyphClusters::Glyph &glyph,
                            bool rightToLeft, QPointF &last);
    void endPage();
    void endBranch();
    void writeResources();

    PdfObjects m_objects;
    QPageLayout m_layout;
    QImage m_device;
    QString m_title;
    int m_catalog;
    int m_information;
    int m_pageTree;
    int m_resources;
    QByteArray m_content; // of the page under way
    bool m_pageOpen = false;
    static constexpr size_t kBranchPages = 256;
    // Glyphs of a run are shown so many at a time, each time in a font with room for them.
    static constexpr qsizetype kRunGlyphs = 1024;
    int m_branch = 0; // the page tree's branch under way
    std::vector<int> m_branchPages;
    std::vector<int> m_branches;
    qint64 m_pageCount = 0;
    std::vector<int> m_forms;
    std::vector<std::unique_ptr<PdfFont>> m_fonts;
    // The outlines drawn of each font, by glyph: up to so many a font.
    static constexpr qsizetype kKeptOutlines = 4096;
    std::vector<std::pair<QRawFont, QHash<quint32, QPainterPath>>> m_outlines;
};
