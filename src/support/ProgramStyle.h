#pragma once

#include <QProxyStyle>

// The platform's style, except for the few stock icons the windows create at
// once but hardly ever show (the menu bar's overflow button, the tab strip's
// scroll arrows): those are drawn from the style's own arrows instead of
// being loaded from image files, which would bring in every image plugin
// before the first window appears.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    QIcon arrowIcon(PrimitiveElement arrow) const;
};
