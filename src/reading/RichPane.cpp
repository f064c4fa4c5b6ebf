#include "reading/RichPane.h"

#include <stdexcept>

const std::array<quint32, 16> &RichPane::palette()
{
    static const std::array<quint32, 16> colours = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return colours;
}

RichPane::RichPane(const Style &initialStyle) : m_style(initialStyle) {}

void RichPane::ClearText()
{
    m_appends.clear();
    if (Listener *view = listener())
        view->paneCleared();
}

void RichPane::SetBold(bool on)
{
    m_style.bold = on;
}

void RichPane::SetColour(int paletteNumber)
{
    if (paletteNumber < 0 || paletteNumber >= static_cast<int>(palette().size()))
        throw std::out_of_range("palette number out of range");
    m_style.colour = palette()[static_cast<size_t>(paletteNumber)];
}

void RichPane::SetFontSize(double points)
{
    m_style.pointSize = points;
}

void RichPane::AppendText(const QString &text)
{
    if (text.isEmpty())
        return; // nothing changes
    if (m_appends.isEmpty())
        m_appends.reserve(64); // a whole reading's appends, without growing
    m_appends.append(Run{text, m_style});
    if (Listener *view = listener())
        view->runAppended(m_appends.constLast());
}

QString RichPane::PlainText() const
{
    qsizetype size = 0;
    for (const Run &append : m_appends)
        size += append.text.size();
    QString text;
    text.reserve(size);
    for (const Run &append : m_appends)
        text += append.text;
    return text;
}

QVector<RichPane::Run> RichPane::runs() const
{
    QVector<Run> merged;
    for (const Run &append : m_appends) {
        if (!merged.isEmpty() && merged.constLast().style == append.style)
            merged.last().text += append.text;
        else
            merged.append(append);
    }
    return merged;
}
