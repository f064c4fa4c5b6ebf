#include "TextPages.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

namespace TextPages {

bool render(QPagedPaintDevice &device, const QString &text, const QFont &font)
{
    QTextDocument document;
    // Measure the text at the device's own resolution, so the font keeps its size on paper.
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    document.setPlainText(lines);
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    document.setPageSize(page.size());

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !device.newPage())
            return false;
        const QRectF view(0, static_cast<qreal>(index) * page.height(), page.width(),
                          page.height());
        painter.save();
        painter.translate(0, -view.top());
        document.drawContents(&painter, view);
        painter.restore();
    }
    return painter.end();
}

} // namespace TextPages
