#include "readingwindows/RichPaneView.h"

#include "printing/ChinesePunctuation.h"
#include "support/LineBreaks.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextCharFormat>
#include <QTextCursor>

RichPaneView::RichPaneView(RichPane &pane, const QStringList &fontFamilies, QWidget *parent)
    : QTextEdit(parent), m_fontFamilies(fontFamilies)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    for (const RichPane::Run &run : pane.runs())
        runAppended(run);
    pane.setListener(this, this);
    connect(this, &QTextEdit::textChanged, this, &RichPaneView::activity);
}

void RichPaneView::paneCleared()
{
    clear();
}

void RichPaneView::runAppended(const RichPane::Run &run)
{
    QTextCharFormat format;
    format.setFontFamilies(m_fontFamilies);
    format.setFontPointSize(run.style.pointSize);
    format.setFontWeight(run.style.bold ? QFont::Bold : QFont::Normal);
    format.setForeground(QColor::fromRgb(static_cast<QRgb>(run.style.colour | 0xFF000000U)));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const int start = cursor.position();
    const QString text = LineBreaks::toLineFeeds(run.text);
    cursor.insertText(text, format);
    for (const QTextLayout::FormatRange &range : ChinesePunctuation::formatsOf(text)) {
        cursor.setPosition(start + range.start);
        cursor.setPosition(start + range.start + range.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(range.format);
    }
}

void RichPaneView::mousePressEvent(QMouseEvent *event)
{
    QTextEdit::mousePressEvent(event);
    emit activity();
}

void RichPaneView::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    emit activity();
}

void RichPaneView::mouseMoveEvent(QMouseEvent *event)
{
    QTextEdit::mouseMoveEvent(event);
    emit activity();
}

void RichPaneView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTextEdit::mouseDoubleClickEvent(event);
    emit activity();
}

void RichPaneView::paintEvent(QPaintEvent *event)
{
    QTextEdit::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(viewport(), this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = viewport()->rect();
    option.backgroundColor = palette().color(QPalette::Base);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void RichPaneView::focusInEvent(QFocusEvent *event)
{
    QTextEdit::focusInEvent(event);
    viewport()->update(); // the focus frame goes round the whole view
}

void RichPaneView::focusOutEvent(QFocusEvent *event)
{
    QTextEdit::focusOutEvent(event);
    viewport()->update();
}

void RichPaneView::scrollContentsBy(int dx, int dy)
{
    QTextEdit::scrollContentsBy(dx, dy);
    // Scrolling moves the pixels drawn, focus frame and all: it is drawn again in place.
    if (hasFocus())
        viewport()->update();
}
