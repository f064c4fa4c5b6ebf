#include "widgets/WidgetStyle.h"

#include "language/Fonts.h"
#include "language/Translations.h"
#include "widgets/Colours.h"
#include "widgets/ProductTexts.h"
#include "widgets/RawPixels.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace WidgetStyle {

QFont verdana(double pointSize, bool bold)
{
    QFont font;
    font.setFamilies(Fonts::families());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont windowFont()
{
    return verdana(Fonts::kWindowPointSize);
}

QFont boldWindowFont()
{
    return verdana(Fonts::kWindowPointSize, true);
}

Qt::WindowFlags windowFlags(Qt::WindowType type, Qt::WindowFlags extra)
{
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint | extra;
}

void setUpWindow(QWidget *window, const QString &objectName, const QColor &text)
{
    window->setObjectName(objectName);
    window->setWindowTitle(ProductTexts::windowCaption());
    window->setWindowIcon(applicationIcon());
    window->setFont(windowFont());
    setColours(window, text, Colours::kWindowGreen);
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

void fitLabelHeights(QWidget *window)
{
    // Measuring every label costs the start about a millisecond; the
    // English texts fit their places as they are.
    if (!Translations::translated())
        return;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        if (needed > label->height())
            label->resize(label->width(), needed);
    }
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
    static const QIcon icon = [] {
        QIcon sizes;
        for (const int size : {16, 24, 32, 48, 64, 96, 128}) {
#ifdef NUMORRA_PLAIN_PICTURES
            // The plain way, which the benchmark measures: PNG files decoded when shown.
            sizes.addFile(QStringLiteral(":/icons/icon-%1.png").arg(size));
#else
            // Raw pixels rendered at build time, one set per size: nothing to decode.
            sizes.addPixmap(QPixmap::fromImage(
                rawPixels(QStringLiteral(":/icons/icon-%1.argb").arg(size), QSize(size, size))));
#endif
        }
        return sizes;
    }();
    return icon;
}

} // namespace WidgetStyle
