#include "ProgramStyle.h"

#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    switch (standardIcon) {
    case SP_ToolBarHorizontalExtensionButton:
    case SP_ArrowRight:
        return arrowIcon(PE_IndicatorArrowRight);
    case SP_ToolBarVerticalExtensionButton:
    case SP_ArrowDown:
        return arrowIcon(PE_IndicatorArrowDown);
    case SP_ArrowLeft:
        return arrowIcon(PE_IndicatorArrowLeft);
    case SP_ArrowUp:
        return arrowIcon(PE_IndicatorArrowUp);
    default:
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}

QIcon ProgramStyle::arrowIcon(PrimitiveElement arrow) const
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QStyleOption option;
    option.rect = pixmap.rect();
    option.palette.setColor(QPalette::ButtonText, Qt::black);
    option.state = State_Enabled;
    drawPrimitive(arrow, &option, &painter);
    return QIcon(pixmap);
}
