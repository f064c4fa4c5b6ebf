#include "printing/GlyphClusters.h"

#include <QGlyphRun>
#include <QHash>
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

} // namespace

QList<Run> runsOf(const QTextLine &line, const QString &text)
{
    QList<Run> runs;
    QHash<Key, int> ids;                 // each glyph's number, in drawing order
    std::vector<std::pair<int, int>> at; // each number's run and place in it
    for (const QGlyphRun &glyphRun : line.glyphRuns()) {
        Run run{glyphRun.rawFont(), glyphRun.isRightToLeft(), {}};
        const QList<quint32> indexes = glyphRun.glyphIndexes();
        const QList<QPointF> positions = glyphRun.positions();
        for (qsizetype index = 0; index < indexes.size(); ++index) {
            ids.insert(keyOf(indexes.at(index), positions.at(index)), static_cast<int>(at.size()));
            at.emplace_back(static_cast<int>(runs.size()), static_cast<int>(index));
            run.glyphs.append({indexes.at(index), positions.at(index), {}});
        }
        runs.append(run);
    }

    // Each character joins the glyphs of its cluster into one set.
    std::vector<int> parents(at.size());
    std::iota(parents.begin(), parents.end(), 0);
    const int start = line.textStart();
    std::vector<int> glyphOf(static_cast<size_t>(line.textLength()), -1);
    for (int character = start; character < start + line.textLength(); ++character) {
        int &first = glyphOf[static_cast<size_t>(character - start)];
        for (const QGlyphRun &part : line.glyphRuns(character, 1)) {
            const QList<quint32> indexes = part.glyphIndexes();
            const QList<QPointF> positions = part.positions();
            for (qsizetype index = 0; index < indexes.size(); ++index) {
                const auto id = ids.constFind(keyOf(indexes.at(index), positions.at(index)));
                if (id == ids.constEnd())
                    continue;
                if (first < 0)
                    first = id.value();
                parents[rootOf(parents, id.value())] = rootOf(parents, first);
            }
        }
    }

    // The characters of each cluster, in the order of the text, go to its
    // first glyph.
    std::vector<QString> characters(at.size());
    for (int character = start; character < start + line.textLength(); ++character) {
        const int glyph = glyphOf[static_cast<size_t>(character - start)];
        if (glyph >= 0 && character < text.size())
            characters[static_cast<size_t>(rootOf(parents, glyph))] += text.at(character);
    }
    std::vector<bool> placed(at.size());
    for (int id = 0; id < static_cast<int>(at.size()); ++id) {
        const auto cluster = static_cast<size_t>(rootOf(parents, id));
        if (placed[cluster])
            continue;
        placed[cluster] = true;
        const auto [run, place] = at[static_cast<size_t>(id)];
        runs[run].glyphs[place].characters = codePointsOf(characters[cluster]);
    }
    return runs;
}

} // namespace GlyphClusters
