#include "RichPane.h"

#include <stdexcept>

const std::array<quint32, 16> &RichPane::palette()
{
    static const std::array<quint32, 16> palette = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return palette;
}

RichPane::RichPane(const Style &initialStyle, QObject *parent)
    : QObject(parent), m_style(initialStyle)
{}

void RichPane::ClearText()
{
    m_runs.clear();
    emit cleared();
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
    // Consecutive appends in one style stay one run, as a rich-text box keeps them.
    if (!m_runs.isEmpty() && m_runs.last().style == m_style)
        m_runs.last().text += text;
    else
        m_runs.append(Run{text, m_style});
    emit appended(Run{text, m_style});
}

QString RichPane::PlainText() const
{
    QString text;
    for (const Run &run : m_runs)
        text += run.text;
    return text;
}
