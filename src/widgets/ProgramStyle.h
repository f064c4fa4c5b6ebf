#pragma once

#include <QProxyStyle>

// The platform's style, except for its few images that would be decoded from
// files while the first window appears, bringing in every image plugin: the
// stock icons the windows create at once but hardly ever show (the menu bar's
// overflow button, the tab strip's scroll arrows) are drawn from the style's
// own arrows, and Fusion's group box frame is drawn from its very image,
// compiled in as raw pixels when the program is built.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    QIcon arrowIcon(PrimitiveElement arrow) const;
};
