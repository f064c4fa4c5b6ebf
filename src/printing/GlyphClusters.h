#pragma once

#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QStringList>

class QTextLine;

// The glyphs of a line as Qt drew it, each with the characters it was drawn
// for, so that a PDF gives back the text, not what a font's character map
// says of its glyphs: a glyph a Chinese font shares between 长 and the radical
// ⻓ stands for 长 where 长 was written, a ligature for its letters, an Arabic
// form for its letter, a glyph beyond the Basic Multilingual Plane for its
// surrogate pair.
//
// The characters come from the shaping: a cluster is the characters and the
// glyphs Qt keeps together (QTextLine::glyphRuns of one character gives the
// glyphs of its cluster, in Qt 6.4 as in later ones, which can also name each
// glyph's character). The first glyph of a cluster, in the order Qt gives
// them, stands for all its characters, in the order of the text; the others
// (a mark over a letter, the second part of a letter) stand for none. A
// character without a glyph (a tab) stands nowhere.
namespace GlyphClusters {

struct Glyph
{
    quint32 index;
    QPointF position;
    QStringList characters; // each one character, a surrogate pair as one
};

struct Run
{
    QRawFont font;
    bool rightToLeft;
    QList<Glyph> glyphs;
};

// The glyph runs of `line`, a line of a layout of `text`.
QList<Run> runsOf(const QTextLine &line, const QString &text);

} // namespace GlyphClusters
