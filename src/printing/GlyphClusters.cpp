#include "printing/GlyphClusters.h"

#include <QGlyphRun>
#include <QHash>
#include <QSet>
#include <QTextLine>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace GlyphClusters {

namespace {

// A glyph of the line, known by its index and its place, to a 64th of a dot.
using Key = std::pair<quint32, std::pair<qint64, qint64>>;

Key keyOf(quint32 glyph, QPointF position)
{
    return {glyph, {qRound64(position.x() * 64), qRound64(position.y() * 64)}};
}

// The glyphs of one cluster are one set: each points towards its first.
int rootOf(std::vector<int> &parents, int glyph)
{
    while (parents[glyph] != glyph)
        glyph = parents[glyph] = parents[parents[glyph]];
    return glyph;
}

// The text cut into its characters, a surrogate pair as one.
QStringList codePointsOf(const QString &text)
{
    QStringList points;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const bool pair = text.at(index).isHighSurrogate() && index + 1 < text.size() &&
                          text.at(index + 1).isLowSurrogate();
        points.append(text.mid(index, pair ? 2 : 1));
        index += pair ? 1 : 0;
    }
    return points;
}

// When each glyph is the font's own for the next character of the line, the
// clusters are the characters one by one (no ligature, no mark drawn apart,
// no form chosen by its neighbours), and the shaping need not be asked
// character by character, which takes most of the time of a line. Tabs have
// no glyph, nor have the blanks that end a broken line.
bool takeCharactersInOrder(QList<Run> &runs, const QTextLine &line, const QString &text)
{
    qsizetype at = line.textStart();
    const qsizetype end = std::min<qsizetype>(at + line.textLength(), text.size());
    for (Run &run : runs) {
        if (run.rightToLeft)
            return false;
        for (Glyph &glyph : run.glyphs) {
            while (at < end && text.at(at) == QLatin1Char('\t'))
                ++at;
            const qsizetype units =
                at + 1 < end && text.at(at).isHighSurrogate() && text.at(at + 1).isLowSurrogate()
                    ? 2
                    : 1;
            quint32 index = 0;
            int count = 1;
            if (at >= end ||
                !run.font.glyphIndexesForChars(text.constData() + at, static_cast<int>(units),
                                               &index, &count) ||
                count != 1 || index != glyph.index)
                return false;
            glyph.characters = QStringList{text.mid(at, units)};
            at += units;
        }
    }
    for (; at < end; ++at) {
        if (!text.at(at).isSpace())
            return false;
    }
    return true;
}

// The glyphs of a line numbered in drawing order, and found by index and place.
struct Numbering
{
    QHash<Key, int> ids;
    std::vector<std::pair<int, int>> places; // each number's run and place in it
};

Numbering numberGlyphs(const QList<Run> &runs)
{
    Numbering numbering;
    for (qsizetype run = 0; run < runs.size(); ++run) {
        for (qsizetype index = 0; index < runs.at(run).glyphs.size(); ++index) {
            const Glyph &glyph = runs.at(run).glyphs.at(index);
            numbering.ids.insert(keyOf(glyph.index, glyph.position),
                                 static_cast<int>(numbering.places.size()));
            numbering.places.emplace_back(static_cast<int>(run), static_cast<int>(index));
        }
    }
    return numbering;
}

// The numbers of the glyphs that `count` characters of the line from
// `character` on are drawn with, in drawing order (-1 for one not found).
QList<int> glyphsOf(const QTextLine &line, const Numbering &numbering, int character, int count)
{
    QList<int> glyphs;
    for (const QGlyphRun &part : line.glyphRuns(line.textStart() + character, count)) {
        const QList<quint32> indexes = part.glyphIndexes();
        const QList<QPointF> positions = part.positions();
        for (qsizetype index = 0; index < indexes.size(); ++index)
            glyphs.append(numbering.ids.value(keyOf(indexes.at(index), positions.at(index)), -1));
    }
    return glyphs;
}

// The glyphs of a character's cluster, as the line places them. Qt places a
// part of a line that follows a character drawn as nothing (a soft hyphen
// within the line, a form feed) as if that character took its width, and a
// part from the line's start as the line does: where a glyph of the
// character is not where the line has it, its cluster is what the
// characters up to it add to those before it, and the cluster of the
// character before when they add nothing.
QList<int> clusterOf(const QTextLine &line, const Numbering &numbering, int character,
                     const std::vector<int> &glyphOf)
{
    QList<int> glyphs = glyphsOf(line, numbering, character, 1);
    if (!glyphs.contains(-1))
        return glyphs;
    const QList<int> first = glyphsOf(line, numbering, 0, character);
    const QSet<int> before(first.cbegin(), first.cend());
    glyphs.clear();
    for (const int glyph : glyphsOf(line, numbering, 0, character + 1)) {
        if (!before.contains(glyph))
            glyphs.append(glyph);
    }
    if (glyphs.isEmpty() && character > 0)
        glyphs.append(glyphOf[static_cast<size_t>(character - 1)]);
    glyphs.removeAll(-1);
    return glyphs;
}

// Joins the glyphs of each character's cluster in `parents` into one set.
// Gives a glyph of each character's cluster (-1 for a character without one).
std::vector<int> joinClusters(const QTextLine &line, const Numbering &numbering,
                              std::vector<int> &parents)
{
    std::vector<int> glyphOf(static_cast<size_t>(line.textLength()), -1);
    int character = 0;
    for (int &first : glyphOf) {
        const QList<int> cluster = clusterOf(line, numbering, character++, glyphOf);
        if (cluster.isEmpty())
            continue;
        first = cluster.constFirst();
        for (const int glyph : cluster)
            parents[rootOf(parents, glyph)] = rootOf(parents, first);
    }
    return glyphOf;
}

// The characters of each cluster, in the order of the text, go to its first glyph.
void takeClusters(QList<Run> &runs, const QTextLine &line, const QString &text)
{
    const Numbering numbering = numberGlyphs(runs);
    const size_t count = numbering.places.size();
    std::vector<int> parents(count);
    std::iota(parents.begin(), parents.end(), 0);
    const std::vector<int> glyphOf = joinClusters(line, numbering, parents);
    std::vector<QString> characters(count);
    for (size_t character = 0; character < glyphOf.size(); ++character) {
        const qsizetype at = line.textStart() + qsizetype(character);
        if (glyphOf[character] >= 0 && at < text.size())
            characters[static_cast<size_t>(rootOf(parents, glyphOf[character]))] += text.at(at);
    }
    std::vector<bool> placed(count);
    for (int id = 0; id < static_cast<int>(count); ++id) {
        const auto cluster = static_cast<size_t>(rootOf(parents, id));
        const auto [run, place] = numbering.places[static_cast<size_t>(id)];
        runs[run].glyphs[place].characters =
            placed[cluster] ? QStringList() : codePointsOf(characters[cluster]);
        placed[cluster] = true;
    }
}

} // namespace

QList<Run> runsOf(const QTextLine &line, const QString &text)
{
    QList<Run> runs;
    for (const QGlyphRun &glyphRun : line.glyphRuns()) {
        Run run{glyphRun.rawFont(), glyphRun.isRightToLeft(), {}};
        const QList<quint32> indexes = glyphRun.glyphIndexes();
        const QList<QPointF> positions = glyphRun.positions();
        for (qsizetype index = 0; index < indexes.size(); ++index)
            run.glyphs.append({indexes.at(index), positions.at(index), {}});
        runs.append(run);
    }
    if (!takeCharactersInOrder(runs, line, text))
        takeClusters(runs, line, text);
    return runs;
}

} // namespace GlyphClusters
