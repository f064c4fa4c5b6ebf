#pragma once

#include "reading/RichPane.h"

#include <QString>
#include <QStringList>
#include <array>

// What one calculation produces: one member per field of the reading window,
// each starting at the window's design caption. The engine steps write these
// members (later steps read back what earlier ones wrote); the reading window
// displays them. The group, element and trigram are English keys, which the
// later steps and numorra-report --json read: the window shows them through
// caption(). The description and the panes are written in the user's language.
class ReadingResults
{
public:
    ReadingResults();
    ReadingResults(const ReadingResults &) = delete;
    ReadingResults &operator=(const ReadingResults &) = delete;

    // Design captions of the fields, before any engine has written them.
    static QString designGridCaption(int index);
    static QString designGroupCaption() { return QStringLiteral("FengShui nnnn"); }
    static QString designElementCaption() { return QStringLiteral("Element"); }
    static QString designTrigramCaption() { return QStringLiteral("Trigram"); }
    static QString designElementDescCaption() { return QStringLiteral("Element Description"); }
    static QString designRelationshipCaption() { return QStringLiteral("Relationship"); }

    // A field's group, element, trigram or design caption as the window shows
    // it, in the user's language; any other text as it is.
    static QString caption(const QString &field);

    // The style a new pane starts with: not bold, in the window's font size.
    static RichPane::Style newPaneStyle(quint32 colour);

    // Keys of the reading window's element and trigram picture lists, in their stored order.
    static const QStringList &elementPictureKeys();
    static const QStringList &trigramPictureKeys();

    qint16 FengShuiNumber = 0;
    QString lblFengShuiGroup;
    QString lblFengShuiElement;
    QString lblFengShuiTrigram;
    QString lblElementDesc;
    QString lblRelationship;
    // Keys of the pictures chosen from the element and trigram picture lists;
    // empty while the holder shows no picture.
    QString imgElement;
    QString imgTrigram;
    std::array<QString, 9> lblLoshuGrid;
    RichPane RTBLoshu;
    RichPane RTB;
};
