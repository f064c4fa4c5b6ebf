#include "reading/ReadingResults.h"

#include "language/Fonts.h"

#include <QCoreApplication>

namespace {
constexpr quint32 kBrightGreen = 0x00FF00;
constexpr quint32 kBlack = 0x000000;

// Every caption a field holds as a key, for the catalogs: the design
// captions, then what the feng shui steps write (the groups, the elements
// and the trigrams). The group captions read with "Your are a" and "Group
// Person" around them.
[[maybe_unused]] const char *const kCaptions[] = {
    QT_TRANSLATE_NOOP("ReadingResults", "FengShui nnnn"),
    QT_TRANSLATE_NOOP("ReadingResults", "Element"),
    QT_TRANSLATE_NOOP("ReadingResults", "Trigram"),
    QT_TRANSLATE_NOOP("ReadingResults", "Element Description"),
    QT_TRANSLATE_NOOP("ReadingResults", "Relationship"),
    QT_TRANSLATE_NOOP("ReadingResults", "East"),
    QT_TRANSLATE_NOOP("ReadingResults", "West"),
    QT_TRANSLATE_NOOP("ReadingResults", "Earth"),
    QT_TRANSLATE_NOOP("ReadingResults", "Fire"),
    QT_TRANSLATE_NOOP("ReadingResults", "Metal"),
    QT_TRANSLATE_NOOP("ReadingResults", "Water"),
    QT_TRANSLATE_NOOP("ReadingResults", "Wood"),
    QT_TRANSLATE_NOOP("ReadingResults", "Chen"),
    QT_TRANSLATE_NOOP("ReadingResults", "Chien"),
    QT_TRANSLATE_NOOP("ReadingResults", "Kan"),
    QT_TRANSLATE_NOOP("ReadingResults", "Ken"),
    QT_TRANSLATE_NOOP("ReadingResults", "Kun"),
    QT_TRANSLATE_NOOP("ReadingResults", "Li"),
    QT_TRANSLATE_NOOP("ReadingResults", "Sun"),
    QT_TRANSLATE_NOOP("ReadingResults", "Tui"),
};
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

QString ReadingResults::caption(const QString &field)
{
    return QCoreApplication::translate("ReadingResults", field.toUtf8().constData());
}

RichPane::Style ReadingResults::newPaneStyle(quint32 colour)
{
    RichPane::Style style;
    style.bold = false;
    style.colour = colour;
    style.pointSize = Fonts::kWindowPointSize;
    return style;
}
