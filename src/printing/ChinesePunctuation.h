#pragma once

#include <QList>
#include <QString>
#include <QTextLayout>

// The punctuation Chinese text shares with the Latin faces (“ ” ‘ ’ — … ·),
// drawn in the Chinese faces where it stands beside Chinese characters or
// Chinese punctuation. Qt draws each character in the first face that has
// it, and the Latin faces, first, draw these marks narrow and low, crammed
// against the characters, where a Chinese reader expects them full width; a
// Latin text keeps them in its own face.
namespace ChinesePunctuation {

// The formats that give such marks of `text` the Chinese faces (Fonts).
QList<QTextLayout::FormatRange> formatsOf(const QString &text);

} // namespace ChinesePunctuation
