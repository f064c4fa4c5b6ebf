#pragma once

#include <QObject>
#include <QString>
#include <QVector>
#include <array>

// A styled-text pane that is only ever written by appending at its end. Each
// append becomes a run in the current insertion style (bold, colour, size);
// the pane never resets that style on its own.
class RichPane : public QObject
{
    Q_OBJECT

public:
    struct Style
    {
        bool bold = false;
        quint32 colour = 0x000000; // 0xRRGGBB
        double pointSize = 8.25;

        bool operator==(const Style &other) const
        {
            return bold == other.bold && colour == other.colour && pointSize == other.pointSize;
        }
    };

    struct Run
    {
        QString text;
        Style style;
    };

    // The classic 16-colour palette, numbers 0 to 15.
    static const std::array<quint32, 16> &palette();

    explicit RichPane(const Style &initialStyle, QObject *parent = nullptr);

    void ClearText();
    void SetBold(bool on);
    // Sets the insertion colour to palette number `paletteNumber` (0 to 15).
    void SetColour(int paletteNumber);
    void SetFontSize(double points);
    void AppendText(const QString &text);
    // The whole text without attributes, its CR LF line breaks as appended.
    QString PlainText() const;

    const QVector<Run> &runs() const { return m_runs; }
    const Style &insertionStyle() const { return m_style; }

signals:
    void cleared();
    void appended(const RichPane::Run &run);

private:
    QVector<Run> m_runs;
    Style m_style;
};
