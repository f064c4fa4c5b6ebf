#include "WidgetStyle.h"

#include "Twips.h"

#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>

namespace WidgetStyle {

QFont verdana(double pointSize, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont windowFont()
{
    return verdana(8.25);
}

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    if (background.isValid()) {
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QLabel *addLabel(QWidget *parent, const QString &objectName, const QString &text, int left, int top,
                 int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setGeometry(Twips::rect(left, top, width, height));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget *addPanel(QWidget *parent, const QString &objectName, const QColor &background, int left,
                  int top, int width, int height)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(objectName);
    panel->setGeometry(Twips::rect(left, top, width, height));
    setColours(panel, QColor(Qt::black), background);
    return panel;
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

const QIcon &applicationIcon()
{
    static const QIcon icon(QStringLiteral(":/icons/numorra.svg"));
    return icon;
}

} // namespace WidgetStyle
