#pragma once

#include "language/Fonts.h"

#include <QPointer>
#include <QString>
#include <QVector>
#include <array>

// A styled-text pane that is only ever written by appending at its end. Each
// append is kept in the current insertion style (bold, colour, size); the
// pane never resets that style on its own.
class RichPane
{
public:
    struct Style
    {
        bool bold = false;
        quint32 colour = 0x000000; // 0xRRGGBB
        double pointSize = Fonts::kWindowPointSize;

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

    // Told of every change of the pane's text, as it happens.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void paneCleared() = 0;
        virtual void runAppended(const Run &run) = 0;
    };

    // The classic 16-colour palette, numbers 0 to 15.
    static const std::array<quint32, 16> &palette();

    explicit RichPane(const Style &initialStyle);
    RichPane(const RichPane &) = delete;
    RichPane &operator=(const RichPane &) = delete;

    void ClearText();
    void SetBold(bool on);
    // Sets the insertion colour to palette number `paletteNumber` (0 to 15).
    void SetColour(int paletteNumber);
    void SetFontSize(double points);
    void AppendText(const QString &text);
    // The whole text without attributes, its CR LF line breaks as appended.
    QString PlainText() const;

    // The text in runs of one style each: consecutive appends in one style
    // make one run, as a rich-text box keeps them.
    QVector<Run> runs() const;
    const Style &insertionStyle() const { return m_style; }

    // The one listener (a view), told of changes for as long as `lifetime` lives.
    void setListener(Listener *listener, QObject *lifetime)
    {
        m_listener = listener;
        m_listenerLifetime = lifetime;
    }

private:
    QVector<Run> m_appends; // each append as it came, sharing the caller's text
    Style m_style;
    Listener *m_listener = nullptr;
    QPointer<QObject> m_listenerLifetime;

    Listener *listener() const { return m_listenerLifetime ? m_listener : nullptr; }
};
