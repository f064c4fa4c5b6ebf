#include "readingwindows/LoShuChartPane.h"

#include "reading/ReadingResults.h"
#include "readingwindows/RichPaneView.h"
#include "support/LineBreaks.h"
#include "widgets/Colours.h"
#include "widgets/Twips.h"
#include "widgets/WidgetStyle.h"

#include <QLabel>

namespace {

struct Side
{
    const char *caption;
    int left, top, width, height;
};

// The direction ring, South at the top and East on the left.
constexpr std::array<Side, 8> kSides = {{
    {QT_TRANSLATE_NOOP("LoShuChartPane", "South East"), 120, 135, 615, 600},
    {QT_TRANSLATE_NOOP("LoShuChartPane", "South"), 2280, 120, 600, 600},
    {QT_TRANSLATE_NOOP("LoShuChartPane", "South West"), 4680, 120, 600, 600},
    {QT_TRANSLATE_NOOP("LoShuChartPane", "West"), 4680, 2400, 480, 600},
    {QT_TRANSLATE_NOOP("LoShuChartPane", "North West"), 4680, 4680, 600, 600},
    {QT_TRANSLATE_NOOP("LoShuChartPane", "North"), 2280, 4920, 600, 240},
    {QT_TRANSLATE_NOOP("LoShuChartPane", "North East"), 120, 4680, 600, 600},
    {QT_TRANSLATE_NOOP("LoShuChartPane", "East"), 120, 2400, 600, 600},
}};

constexpr std::array<int, 3> kColumnLefts = {45, 1365, 2685};
constexpr std::array<int, 3> kRowTops = {50, 1380, 2710};
constexpr int kCellSize = 1300;

} // namespace

LoShuChartPane::LoShuChartPane(ReadingResults &results, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picLoShuSquare"));
    WidgetStyle::setColours(this, Colours::kLightGreen, Colours::kWindowGreen);

    QWidget *squareFrame = WidgetStyle::addPanel(this, QStringLiteral("fraSquare"),
                                                 Colours::kWindowGreen, 60, -30, 5300, 5300);
    buildGrid(squareFrame);
    buildDirectionRing(squareFrame);

    RTBLoshu = new RichPaneView(results.RTBLoshu, WidgetStyle::windowFont().families(), this);
    RTBLoshu->setObjectName(QStringLiteral("RTBLoshu"));
    RTBLoshu->setAccessibleName(tr("Numerology reading"));
    RTBLoshu->setGeometry(Twips::rect(5400, 60, 4050, 5205));
    WidgetStyle::setColours(RTBLoshu, Colours::kBrightGreen, Colours::kWindowGreen);
    showCaptions(results);
}

QPoint LoShuChartPane::loShuPlace(int number)
{
    // 4 9 2 / 3 5 7 / 8 1 6
    static constexpr std::array<int, 9> kPlaceOfNumber = {7, 2, 3, 0, 4, 8, 5, 6, 1};
    const int place = kPlaceOfNumber[static_cast<size_t>(number - 1)];
    return {place % 3, place / 3};
}

QColor LoShuChartPane::cellColour(int number)
{
    return Colours::kCells[static_cast<size_t>(number - 1)];
}

void LoShuChartPane::buildGrid(QWidget *squareFrame)
{
    // The frame's colour shows through the gaps between the cells as grid lines.
    QWidget *gridFrame = WidgetStyle::addPanel(squareFrame, QStringLiteral("fraGrid"),
                                               Colours::kGridPink, 600, 600, 4035, 4050);
    for (int number = 1; number <= 9; ++number) {
        const QPoint place = loShuPlace(number);
        QWidget *cell =
            WidgetStyle::addPanel(gridFrame, QStringLiteral("picLoshuCell%1").arg(number - 1),
                                  cellColour(number), kColumnLefts[static_cast<size_t>(place.x())],
                                  kRowTops[static_cast<size_t>(place.y())], kCellSize, kCellSize);
        QLabel *label = WidgetStyle::addLabel(
            cell, QStringLiteral("lblLoshuGrid%1").arg(number - 1), QString(), 0, 0, 1000, 1000);
        label->setFont(WidgetStyle::boldWindowFont());
        WidgetStyle::setColours(label, Colours::kDigitMagenta);
        label->setWordWrap(true);
        lblLoshuGrid[static_cast<size_t>(number - 1)] = label;
    }
}

void LoShuChartPane::buildDirectionRing(QWidget *squareFrame)
{
    for (size_t index = 0; index < kSides.size(); ++index) {
        const Side &side = kSides[index];
        QLabel *label =
            WidgetStyle::addLabel(squareFrame, QStringLiteral("lblLoshuSides%1").arg(index),
                                  tr(side.caption), side.left, side.top, side.width, side.height);
        label->setFont(WidgetStyle::boldWindowFont());
        WidgetStyle::setColours(label, Colours::kLightGreen);
        lblLoshuSides[index] = label;
    }
}

QString LoShuChartPane::cellDescription(int number, const QString &caption)
{
    QString name = tr("Number %1").arg(number);
    const qsizetype lineBreak = caption.indexOf(QStringLiteral("\r\n"));
    if (lineBreak < 0)
        return name; // not counted yet
    const qsizetype count = caption.size() - lineBreak - 2;
    if (count == 0)
        return name + tr(", does not occur");
    if (count == 1)
        return name + tr(", occurs once");
    return name + tr(", occurs %1 times").arg(count);
}

void LoShuChartPane::showCaptions(const ReadingResults &results)
{
    for (size_t index = 0; index < lblLoshuGrid.size(); ++index) {
        const QString &caption = results.lblLoshuGrid[index];
        lblLoshuGrid[index]->setAccessibleName(
            cellDescription(static_cast<int>(index) + 1, caption));
        lblLoshuGrid[index]->setText(LineBreaks::toLineFeeds(caption));
    }
}
