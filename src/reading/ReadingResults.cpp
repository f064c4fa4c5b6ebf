#include "ReadingResults.h"

namespace {
constexpr quint32 kBrightGreen = 0x00FF00;
constexpr quint32 kBlack = 0x000000;
constexpr double kWindowFontSize = 8.25;
} // namespace

ReadingResults::ReadingResults()
    : lblFengShuiGroup(designGroupCaption()), lblFengShuiElement(designElementCaption()),
      lblFengShuiTrigram(designTrigramCaption()), lblElementDesc(designElementDescCaption()),
      lblRelationship(designRelationshipCaption()), RTBLoshu(newPaneStyle(kBrightGreen)),
      RTB(newPaneStyle(kBlack))
{
    for (int k = 0; k < 9; ++k)
        lblLoshuGrid[static_cast<size_t>(k)] = designGridCaption(k);
}

QString ReadingResults::designGridCaption(int index)
{
    static const std::array<QString, 9> captions = [] {
        std::array<QString, 9> built;
        for (int k = 0; k < 9; ++k)
            built[static_cast<size_t>(k)] = QStringLiteral("[%1]").arg(k + 1);
        return built;
    }();
    return captions.at(static_cast<size_t>(index));
}

RichPane::Style ReadingResults::newPaneStyle(quint32 colour)
{
    RichPane::Style style;
    style.bold = false;
    style.colour = colour;
    style.pointSize = kWindowFontSize;
    return style;
}
