#include "widgets/ProgramStyle.h"

#include "widgets/RawPixels.h"

#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <qdrawutil.h>

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

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    if (element == PE_FrameGroupBox &&
        baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {
        // As Fusion draws it, from the same image, without loading it.
        static const QPixmap frame = QPixmap::fromImage(
            rawPixels(QStringLiteral(":/styles/fusion-groupbox.argb"), QSize(98, 38)));
        if (!frame.isNull()) {
            // Below the title, unless the box has none and cannot be checked.
            constexpr int kTopMargin = 3;
            const auto *box = qobject_cast<const QGroupBox *>(widget);
            const int top =
                box && !box->isCheckable() && box->title().isEmpty()
                    ? kTopMargin
                    : qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                          kTopMargin;
            qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                              frame);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
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
