#include "WidgetStyle.h"

#include "Twips.h"

#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QResource>
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
    // Raw pixels rendered at build time, one set per size: nothing to decode.
    static const QIcon icon = [] {
        QIcon sizes;
        for (const int size : {16, 24, 32, 48, 64, 96, 128}) {
            const QResource pixels(QStringLiteral(":/icons/icon-%1.argb").arg(size));
            if (pixels.compressionAlgorithm() != QResource::NoCompression ||
                pixels.size() != qint64(size) * size * 4)
                continue;
            const QImage image(pixels.data(), size, size, qsizetype(size) * 4,
                               QImage::Format_ARGB32_Premultiplied);
            sizes.addPixmap(QPixmap::fromImage(image));
        }
        return sizes;
    }();
    return icon;
}

} // namespace WidgetStyle
