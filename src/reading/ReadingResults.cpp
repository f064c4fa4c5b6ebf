#include "reading/ReadingResults.h"

#include "support/Fonts.h"

namespace {
constexpr quint32 kBrightGreen = 0x00FF00;
constexpr quint32 kBlack = 0x000000;
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
    static const std::array<QString, 9> captions = {
        QStringLiteral("[1]"), QStringLiteral("[2]"), QStringLiteral("[3]"),
        QStringLiteral("[4]"), QStringLiteral("[5]"), QStringLiteral("[6]"),
        QStringLiteral("[7]"), QStringLiteral("[8]"), QStringLiteral("[9]"),
    };
    return captions.at(static_cast<size_t>(index));
}

const QStringList &ReadingResults::elementPictureKeys()
{
    static const QStringList keys = {QStringLiteral("Earth"), QStringLiteral("Fire"),
                                     QStringLiteral("Metal"), QStringLiteral("Water"),
                                     QStringLiteral("Wood")};
    return keys;
}

const QStringList &ReadingResults::trigramPictureKeys()
{
    static const QStringList keys = {
        QStringLiteral("Chen"), QStringLiteral("Chien"), QStringLiteral("Kan"),
        QStringLiteral("Ken"),  QStringLiteral("Kun"),   QStringLiteral("Li"),
        QStringLiteral("Sun"),  QStringLiteral("Tui"),
    };
    return keys;
}

RichPane::Style ReadingResults::newPaneStyle(quint32 colour)
{
    RichPane::Style style;
    style.bold = false;
    style.colour = colour;
    style.pointSize = Fonts::kWindowPointSize;
    return style;
}
