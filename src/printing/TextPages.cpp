#include "printing/TextPages.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace TextPages {

namespace {

// Breaks one paragraph into lines as wide as the page, measured on the device.
void layOut(QTextLayout &layout, qreal width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
}

} // namespace

bool render(QPagedPaintDevice &device, const QStringList &texts, const QFont &font)
{
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setPen(Qt::black);
    // Each line is painted once, whole, on the page it fits on: a line that
    // would pass the bottom edge starts the next page.
    qreal top = 0;
    for (qsizetype textIndex = 0; textIndex < texts.size(); ++textIndex) {
        if (textIndex > 0) {
            if (!device.newPage())
                return false;
            top = 0;
        }
        QString lines = texts.at(textIndex);
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        for (const QString &paragraph : lines.split(QLatin1Char('\n'))) {
            QTextLayout layout(paragraph, font, &device);
            layOut(layout, page.width());
            for (int index = 0; index < layout.lineCount(); ++index) {
                const QTextLine line = layout.lineAt(index);
                if (top > 0 && top + line.height() > page.height()) {
                    if (!device.newPage())
                        return false;
                    top = 0;
                }
                line.draw(&painter, QPointF(0, top - line.y()));
                top += line.height();
            }
        }
    }
    return painter.end();
}

} // namespace TextPages
