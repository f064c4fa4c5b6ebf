#include "readingwindows/ElementPane.h"

#include "reading/ReadingResults.h"
#include "readingwindows/PictureHolder.h"
#include "readingwindows/PictureList.h"
#include "support/LineBreaks.h"
#include "widgets/Colours.h"
#include "widgets/Twips.h"
#include "widgets/WidgetStyle.h"

#include <QGroupBox>
#include <QLabel>

namespace {

QLabel *addCaption(QWidget *parent, const QString &name, const QString &text, int left, int top,
                   int width, int height, const QFont &font, const QColor &colour)
{
    QLabel *label = WidgetStyle::addLabel(parent, name, text, left, top, width, height);
    label->setFont(font);
    WidgetStyle::setColours(label, colour);
    return label;
}

PictureHolder *addPictureHolder(QWidget *parent, const QString &name, int left, int top)
{
    auto *holder = new PictureHolder(parent);
    holder->setObjectName(name);
    holder->setGeometry(Twips::rect(left, top, 1005, 1005));
    return holder;
}

} // namespace

ElementPane::ElementPane(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picNineStar"));
    WidgetStyle::setColours(this, Colours::kCream, Colours::kPaneGrey);
    addCaption(this, QStringLiteral("lblIntro"),
               tr("Nine Star Ki Astrology corresponds with five elements namely, "
                  "Fire, Earth, Metal, Water and Wood."),
               180, 480, 6165, 1215, WidgetStyle::windowFont(), Colours::kCream);
    buildTrigramFrame();
    buildElementFrame();
}

QGroupBox *ElementPane::addFrame(const QString &objectName, const QString &caption, int left,
                                 int top, int width, int height)
{
    auto *frame = new QGroupBox(caption, this);
    frame->setObjectName(objectName);
    frame->setGeometry(Twips::rect(left, top, width, height));
    frame->setFont(WidgetStyle::boldWindowFont());
    WidgetStyle::setColours(frame, Colours::kLightGreen, Colours::kPaneGrey);
    return frame;
}

void ElementPane::buildTrigramFrame()
{
    QGroupBox *frame =
        addFrame(QStringLiteral("fraTrigram"), tr("Your Trigram is: "), 6540, 480, 2775, 1455);
    lblFengShuiTrigram =
        addCaption(frame, QStringLiteral("lblFengShuiTrigram"), QString(), 240, 600, 1125, 270,
                   WidgetStyle::verdana(11.25, true), Colours::kYellow);
    lblFengShuiTrigram->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    imgTrigram = addPictureHolder(frame, QStringLiteral("imgTrigram"), 1560, 240);
}

void ElementPane::buildElementFrame()
{
    QGroupBox *frame =
        addFrame(QStringLiteral("fraElement"), tr("Your Element is: "), 180, 2040, 9135, 3135);
    lblFengShuiElement =
        addCaption(frame, QStringLiteral("lblFengShuiElement"), QString(), 1200, 240, 1695, 375,
                   WidgetStyle::verdana(12, true), Colours::kYellow);
    imgElement = addPictureHolder(frame, QStringLiteral("imgElement"), 120, 240);
    lblElementDesc = addCaption(frame, QStringLiteral("lblElementDesc"), QString(), 120, 1320, 8895,
                                1755, WidgetStyle::windowFont(), Colours::kCream);
    buildGroupFrame(frame);
}

void ElementPane::buildGroupFrame(QWidget *elementFrame)
{
    QWidget *frame = WidgetStyle::addPanel(elementFrame, QStringLiteral("fraGroup"),
                                           Colours::kPaneGrey, 6720, 120, 2295, 1095);
    const QFont windowFont = WidgetStyle::windowFont();
    addCaption(frame, QStringLiteral("lblGroupLeadIn"), tr("Your are a"), 600, 120, 900, 195,
               windowFont, Colours::kYellow);
    lblFengShuiGroup =
        addCaption(frame, QStringLiteral("lblFengShuiGroup"), QString(), 240, 360, 1800, 270,
                   WidgetStyle::verdana(11.25, true), Colours::kPaleGreen);
    lblFengShuiGroup->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    addCaption(frame, QStringLiteral("lblGroupClosing"), tr("Group Person"), 480, 720, 1170, 195,
               windowFont, Colours::kYellow);
}

void ElementPane::showResults(const ReadingResults &results)
{
    // The engine wrote English keys; they are shown in the user's language.
    lblFengShuiGroup->setText(ReadingResults::caption(results.lblFengShuiGroup));
    lblFengShuiElement->setText(ReadingResults::caption(results.lblFengShuiElement));
    lblFengShuiTrigram->setText(ReadingResults::caption(results.lblFengShuiTrigram));
    lblElementDesc->setText(
        LineBreaks::toLineFeeds(ReadingResults::caption(results.lblElementDesc)));
    if (!results.imgElement.isEmpty()) {
        imgElement->setPicture(PictureList::elements(), results.imgElement);
        imgElement->setAccessibleName(
            tr("%1 element picture").arg(ReadingResults::caption(results.imgElement)));
    }
    if (!results.imgTrigram.isEmpty()) {
        imgTrigram->setPicture(PictureList::trigrams(), results.imgTrigram);
        imgTrigram->setAccessibleName(
            tr("%1 trigram picture").arg(ReadingResults::caption(results.imgTrigram)));
    }
}
