#pragma once

#include <QProxyStyle>

// The platform's style, with two changes.
//
// Its few images that would be decoded from files while the first window
// appears, bringing in every image plugin, are not: the stock icons the
// windows create at once but hardly ever show (the menu bar's overflow button,
// the tab strip's scroll arrows) are drawn from the style's own arrows, and
// Fusion's group box frame is drawn from its very image, compiled in as raw
// pixels when the program is built.
//
// The keyboard focus is marked by a solid frame just inside the control, in
// black or white, whichever stands out more from the colour beside it (at
// least 4.5:1 for any colour), instead of the style's faint highlight.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

    // Black or white, whichever has the higher contrast with `background`.
    static QColor focusColour(const QColor &background);

private:
    QIcon arrowIcon(PrimitiveElement arrow) const;
    bool drawGroupBoxFrame(const QStyleOption *option, QPainter *painter,
                           const QWidget *widget) const;
    // The focus frame just inside `rect`, on `background`.
    static void drawFocusFrame(QPainter *painter, const QRect &rect, const QColor &background);
};
