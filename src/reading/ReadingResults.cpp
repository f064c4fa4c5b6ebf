#include "ReadingResults.h"

namespace {
constexpr quint32 kBrightGreen = 0x00FF00;
constexpr quint32 kBlack = 0x000000;
constexpr double kWindowFontSize = 8.25;
} // namespace

ReadingResults::ReadingResults()
    : lblFengShuiGroup(DesignGroupCaption()), lblFengShuiElement(DesignElementCaption()),
      lblFengShuiTrigram(DesignTrigramCaption()), lblElementDesc(DesignElementDescCaption()),
      lblRelationship(DesignRelationshipCaption()), RTBLoshu(NewPaneStyle(kBrightGreen)),
      RTB(NewPaneStyle(kBlack))
{
    for (int k = 0; k < 9; ++k)
        lblLoshuGrid[static_cast<size_t>(k)] = DesignGridCaption(k);
}

QString ReadingResults::DesignGridCaption(int index)
{
    return QStringLiteral("[%1]").arg(index + 1);
}

RichPane::Style ReadingResults::NewPaneStyle(quint32 colour)
{
    RichPane::Style style;
    style.bold = false;
    style.colour = colour;
    style.pointSize = kWindowFontSize;
    return style;
}
