#include "widgets/ProgramStyle.h"

#include "widgets/RawPixels.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QWidget>
#include <qdrawutil.h>

#include <cmath>

namespace {

// The relative luminance of a colour, as the contrast ratios of WCAG use it.
double luminance(const QColor &colour)
{
    const auto linear = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

bool hasKeyboardFocus(const QStyleOption *option)
{
    return option->state.testFlag(QStyle::State_HasFocus) &&
           option->state.testFlag(QStyle::State_KeyboardFocusChange);
}

} // namespace

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
    switch (element) {
    case PE_FrameGroupBox:
        if (drawGroupBoxFrame(option, painter, widget))
            return;
        break;
    case PE_FrameFocusRect:
        // Drawn for buttons, tabs and link labels when the keyboard moved the focus there.
        if (option->state.testFlag(State_KeyboardFocusChange)) {
            const auto *focus = qstyleoption_cast<const QStyleOptionFocusRect *>(option);
            const QColor background =
                focus && focus->backgroundColor.isValid()
                    ? focus->backgroundColor
                    : option->palette.color(widget ? widget->backgroundRole() : QPalette::Button);
            drawFocusFrame(painter, option->rect, background);
        }
        return;
    case PE_PanelButtonCommand:
    case PE_FrameLineEdit: {
        // Without the style's own faint mark (a button's is drawn with its
        // bevel, below); a line edit shows the focus however it got it, as
        // the style has it.
        QStyleOption unfocused(*option);
        unfocused.state &= ~State_HasFocus;
        QProxyStyle::drawPrimitive(element, &unfocused, painter, widget);
        if (element == PE_FrameLineEdit && option->state.testFlag(State_HasFocus))
            drawFocusFrame(painter, option->rect.adjusted(1, 1, -1, -1),
                           option->palette.color(QPalette::Base));
        return;
    }
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option);
    if (element == CE_TabBarTabLabel && tab && hasKeyboardFocus(option)) {
        // The common style draws a tab's focus rectangle itself, past the proxy.
        QStyleOptionTab unfocused(*tab);
        unfocused.state &= ~State_HasFocus;
        QProxyStyle::drawControl(element, &unfocused, painter, widget);
        drawFocusFrame(painter, option->rect.adjusted(3, 3, -3, -3),
                       option->palette.color(QPalette::Window));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    // Fusion marks a focused button by its faint outline alone (left out above).
    if (element == CE_PushButtonBevel && hasKeyboardFocus(option))
        drawFocusFrame(painter, option->rect.adjusted(2, 2, -2, -2),
                       option->palette.color(QPalette::Button));
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    if (control != CC_ComboBox || !hasKeyboardFocus(option)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
    QStyleOptionComboBox unfocused(*combo);
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawComplexControl(control, &unfocused, painter, widget);
    drawFocusFrame(painter, option->rect.adjusted(1, 1, -1, -1),
                   option->palette.color(combo->editable ? QPalette::Base : QPalette::Button));
}

QColor ProgramStyle::focusColour(const QColor &background)
{
    // Black and white contrast equally with a luminance of 0.179.
    return luminance(background) > 0.179 ? QColor(Qt::black) : QColor(Qt::white);
}

void ProgramStyle::drawFocusFrame(QPainter *painter, const QRect &rect, const QColor &background)
{
    // Two pixels wide where the control is tall enough to keep its text clear of it.
    const int width = rect.height() >= 20 ? 2 : 1;
    const QRect inner = rect.adjusted(width, width, -width, -width);
    const QColor colour = focusColour(background);
    painter->save();
    painter->setClipRegion(QRegion(rect) - QRegion(inner), Qt::IntersectClip);
    painter->fillRect(rect, colour);
    painter->restore();
}

bool ProgramStyle::drawGroupBoxFrame(const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    if (baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return false;
    // As Fusion draws it, from the same image, without loading it.
    static const QPixmap frame = QPixmap::fromImage(
        rawPixels(QStringLiteral(":/styles/fusion-groupbox.argb"), QSize(98, 38)));
    if (frame.isNull())
        return false;
    // Below the title, unless the box has none and cannot be checked.
    constexpr int kTopMargin = 3;
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const int top =
        box && !box->isCheckable() && box->title().isEmpty()
            ? kTopMargin
            : qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                  kTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), frame);
    return true;
}

QIcon ProgramStyle::arrowIcon(PrimitiveElement arrow) const
{
    // Drawn for the screen's scale, so that it stays sharp on a scaled desktop.
    const qreal scale = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(16, 16) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QStyleOption option;
    option.rect = QRect(0, 0, 16, 16);
    option.palette.setColor(QPalette::ButtonText, Qt::black);
    option.state = State_Enabled;
    drawPrimitive(arrow, &option, &painter);
    return QIcon(pixmap);
}
