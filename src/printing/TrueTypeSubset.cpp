#include "printing/TrueTypeSubset.h"

#include <QPainterPath>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <vector>

namespace {

// A point of an outline in font units, y upwards, rounded only when written.
struct Point
{
    QPointF at;
    bool onCurve;
};
using Contour = std::vector<Point>;

// Cubic curves are split until a quadratic one stays this close (font units).
constexpr qreal kTolerance = 0.1;
constexpr int kMaxSplits = 8;
// What a glyph of the glyf table can hold: coordinates of 16 bits, and the
// points and contours its counts can number.
constexpr qreal kLargestCoordinate = 32767;
constexpr size_t kMostPoints = 0xFFFF;
constexpr size_t kMostContours = 0x7FFF;

qreal coordinate(qreal value)
{
    return value == value ? qBound(-kLargestCoordinate, value, kLargestCoordinate) : 0;
}

Point pointAt(QPointF point, bool onCurve)
{
    // Outlines come y downwards; TrueType's go upwards.
    return {QPointF(coordinate(point.x()), coordinate(-point.y())), onCurve};
}

bool isSamePoint(QPointF first, QPointF second)
{
    return std::abs(first.x() - second.x()) < 1e-3 && std::abs(first.y() - second.y()) < 1e-3;
}

// Appends the cubic curve from p0 as quadratic ones, each an off-curve point
// and an on-curve end. A cubic made from a quadratic (as every curve of a
// TrueType outline is) gives the same control point from both ends.
void appendCubic(Contour &contour, QPointF p0, QPointF c1, QPointF c2, QPointF p3, int splits)
{
    const QPointF fromStart = (3 * c1 - p0) / 2;
    const QPointF fromEnd = (3 * c2 - p3) / 2;
    const QPointF gap = fromStart - fromEnd;
    if (splits == kMaxSplits || std::hypot(gap.x(), gap.y()) <= kTolerance) {
        contour.push_back(pointAt((fromStart + fromEnd) / 2, false));
        contour.push_back(pointAt(p3, true));
        return;
    }
    const QPointF a = (p0 + c1) / 2;
    const QPointF b = (c1 + c2) / 2;
    const QPointF c = (c2 + p3) / 2;
    const QPointF ab = (a + b) / 2;
    const QPointF bc = (b + c) / 2;
    const QPointF middle = (ab + bc) / 2;
    appendCubic(contour, p0, a, ab, middle, splits + 1);
    appendCubic(contour, middle, bc, c, p3, splits + 1);
}

// TrueType puts a point on the curve halfway between two control points by
// itself: such points, often at half a unit, are left to it rather than rounded,
// unless the step from one control point to the other is past what 16 bits hold.
void dropImpliedPoints(Contour &contour)
{
    Contour kept;
    const size_t count = contour.size();
    for (size_t index = 0; index < count; ++index) {
        const Point &before = contour[(index + count - 1) % count];
        const Point &after = contour[(index + 1) % count];
        const Point &point = contour[index];
        const QPointF step = after.at - before.at;
        const bool farApart = std::abs(step.x()) >= SHRT_MAX || std::abs(step.y()) >= SHRT_MAX;
        if (!point.onCurve || before.onCurve || after.onCurve || farApart ||
            !isSamePoint(point.at, (before.at + after.at) / 2))
            kept.push_back(point);
    }
    contour = kept;
}

void closeContour(std::vector<Contour> &contours)
{
    if (contours.empty())
        return;
    Contour &contour = contours.back();
    // The last point going back to the first closes it; TrueType closes every contour.
    if (contour.size() > 1 && contour.back().onCurve &&
        isSamePoint(contour.back().at, contour.front().at))
        contour.pop_back();
    dropImpliedPoints(contour);
    if (contour.size() < 2)
        contours.pop_back();
}

// The outline's contours; none, leaving the glyph out, when it reaches past
// what 16-bit coordinates hold or once it takes more points than a glyph holds
// (of a broken font), before a hostile one can take up much memory.
std::vector<Contour> contoursOf(const QPainterPath &path)
{
    const QRectF box = path.controlPointRect();
    if (std::max({-box.left(), box.right(), -box.top(), box.bottom()}) > kLargestCoordinate)
        return {};
    std::vector<Contour> contours;
    QPointF current;
    size_t points = 0;
    for (int index = 0; index < path.elementCount(); ++index) {
        const QPainterPath::Element element = path.elementAt(index);
        if (element.isMoveTo()) {
            closeContour(contours);
            contours.emplace_back();
        }
        const size_t before = contours.back().size();
        if (element.isMoveTo() || element.isLineTo()) {
            contours.back().push_back(pointAt(element, true));
        } else if (element.isCurveTo() && index + 2 < path.elementCount()) {
            appendCubic(contours.back(), current, element, path.elementAt(index + 1),
                        path.elementAt(index + 2), 0);
            index += 2;
        }
        points += contours.back().size() - before;
        if (points > kMostPoints)
            return {};
        current = path.elementAt(index);
    }
    closeContour(contours);
    return contours;
}

// Big-endian numbers appended to a table.
void put16(QByteArray &bytes, int value)
{
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
    bytes.append(static_cast<char>(value & 0xFF));
}

void put32(QByteArray &bytes, quint32 value)
{
    put16(bytes, static_cast<int>(value >> 16));
    put16(bytes, static_cast<int>(value & 0xFFFF));
}

void putCoordinate(QByteArray &bytes, QByteArray &flags, int delta, char shortFlag, char sameFlag)
{
    char &flag = flags.back();
    if (delta == 0) {
        flag |= sameFlag;
    } else if (delta > -256 && delta < 256) {
        flag |= shortFlag | (delta > 0 ? sameFlag : 0);
        bytes.append(static_cast<char>(std::abs(delta)));
    } else {
        put16(bytes, delta);
    }
}

struct Glyph
{
    QByteArray data;
    QRect bounds; // y upwards: top() is the lowest
    int points = 0;
};

size_t pointCount(const std::vector<Contour> &contours)
{
    size_t points = 0;
    for (const Contour &contour : contours)
        points += contour.size();
    return points;
}

// A simple glyph of the glyf table, without instructions. An outline too
// large for one (of a broken font: no real glyph comes near), or with a step
// from one point to the next past what 16 bits hold, is left out.
Glyph encode(const std::vector<Contour> &contours)
{
    Glyph glyph;
    if (contours.empty() || contours.size() > kMostContours || pointCount(contours) > kMostPoints)
        return glyph;
    int left = INT_MAX, bottom = INT_MAX, right = INT_MIN, top = INT_MIN;
    QByteArray ends, flags, xs, ys;
    int x = 0, y = 0;
    for (const Contour &contour : contours) {
        for (const Point &point : contour) {
            const QPoint rounded = point.at.toPoint();
            if (std::abs(rounded.x() - x) > SHRT_MAX || std::abs(rounded.y() - y) > SHRT_MAX)
                return {};
            left = std::min(left, rounded.x()), right = std::max(right, rounded.x());
            bottom = std::min(bottom, rounded.y()), top = std::max(top, rounded.y());
            flags.append(point.onCurve ? '\x01' : '\x00');
            putCoordinate(xs, flags, rounded.x() - x, 0x02, 0x10);
            putCoordinate(ys, flags, rounded.y() - y, 0x04, 0x20);
            x = rounded.x(), y = rounded.y();
        }
        glyph.points += static_cast<int>(contour.size());
        put16(ends, glyph.points - 1);
    }
    glyph.bounds = QRect(QPoint(left, bottom), QPoint(right, top));
    put16(glyph.data, static_cast<int>(contours.size()));
    put16(glyph.data, left), put16(glyph.data, bottom);
    put16(glyph.data, right), put16(glyph.data, top);
    glyph.data += ends;
    put16(glyph.data, 0); // no instructions
    glyph.data += flags + xs + ys;
    while (glyph.data.size() % 4 != 0)
        glyph.data.append('\0');
    return glyph;
}

quint32 checksum(const QByteArray &table)
{
    quint32 sum = 0;
    for (qsizetype index = 0; index < table.size(); index += 4) {
        quint32 word = 0;
        for (qsizetype byte = index; byte < index + 4; ++byte)
            word = (word << 8) | (byte < table.size() ? static_cast<uchar>(table.at(byte)) : 0);
        sum += word;
    }
    return sum;
}

// The font file: its table directory, then each table, four-byte aligned.
QByteArray assemble(const std::map<QByteArray, QByteArray> &tables)
{
    const int count = static_cast<int>(tables.size());
    int power = 1, log = 0;
    while (power * 2 <= count)
        power *= 2, ++log;
    QByteArray directory;
    put32(directory, 0x00010000);
    put16(directory, count), put16(directory, power * 16);
    put16(directory, log), put16(directory, count * 16 - power * 16);
    QByteArray body;
    qsizetype offset = 12 + 16 * count;
    qsizetype head = 0;
    for (const auto &[tag, table] : tables) { // a std::map keeps the tags sorted, as required
        if (tag == "head")
            head = offset + body.size();
        directory += tag;
        put32(directory, checksum(table));
        put32(directory, static_cast<quint32>(offset + body.size()));
        put32(directory, static_cast<quint32>(table.size()));
        body += table;
        while (body.size() % 4 != 0)
            body.append('\0');
    }
    QByteArray file = directory + body;
    // The head table's checksum adjustment makes the whole file sum to a set value.
    qToBigEndian<quint32>(0xB1B0AFBA - checksum(file), file.data() + head + 8);
    return file;
}

// What the tables describing the whole font take from its glyphs.
struct Extent
{
    QRect bounds; // y upwards: top() is the lowest
    int maxPoints = 0;
    int maxContours = 0;
    int maxAdvance = 0;
    int minLeft = INT_MAX;
    int minRight = INT_MAX;
    int maxRight = INT_MIN;

    void add(const Glyph &glyph, int contours, int advance)
    {
        maxAdvance = std::max(maxAdvance, advance);
        maxPoints = std::max(maxPoints, glyph.points);
        maxContours = std::max(maxContours, contours);
        if (glyph.data.isEmpty())
            return;
        bounds |= glyph.bounds;
        minLeft = std::min(minLeft, glyph.bounds.left());
        minRight = std::min(minRight, advance - glyph.bounds.right());
        maxRight = std::max(maxRight, glyph.bounds.right());
    }
};

QByteArray headTable(int unitsPerEm, const QRect &bounds)
{
    QByteArray head;
    put32(head, 0x00010000), put32(head, 0x00010000);
    put32(head, 0), put32(head, 0x5F0F3CF5); // checksum adjustment, magic number
    put16(head, 0x000B), put16(head, unitsPerEm);
    head += QByteArray(16, '\0'); // created, modified
    put16(head, bounds.left()), put16(head, bounds.top());
    put16(head, bounds.right()), put16(head, bounds.bottom());
    put16(head, 0), put16(head, 8), put16(head, 2); // style, smallest size, direction
    put16(head, 1), put16(head, 0);                 // long offsets, glyph format
    return head;
}

QByteArray hheaTable(const QRawFont &unscaled, const Extent &extent, int glyphs)
{
    const bool empty = extent.bounds.isNull();
    QByteArray hhea;
    put32(hhea, 0x00010000);
    put16(hhea, qRound(coordinate(unscaled.ascent())));
    put16(hhea, -qRound(coordinate(unscaled.descent())));
    put16(hhea, qRound(coordinate(unscaled.leading()))), put16(hhea, extent.maxAdvance);
    put16(hhea, empty ? 0 : extent.minLeft), put16(hhea, empty ? 0 : extent.minRight);
    put16(hhea, empty ? 0 : extent.maxRight);
    put16(hhea, 1), put16(hhea, 0), put16(hhea, 0); // caret upright
    hhea += QByteArray(8, '\0');
    put16(hhea, 0), put16(hhea, glyphs);
    return hhea;
}

QByteArray maxpTable(const Extent &extent, int glyphs)
{
    QByteArray maxp;
    put32(maxp, 0x00010000), put16(maxp, glyphs);
    put16(maxp, extent.maxPoints), put16(maxp, extent.maxContours);
    put16(maxp, 0), put16(maxp, 0), put16(maxp, 2); // no composites, two zones
    maxp += QByteArray(16, '\0');
    return maxp;
}

QByteArray postTable()
{
    QByteArray post;
    put32(post, 0x00030000); // no glyph names
    return post + QByteArray(28, '\0');
}

} // namespace

TrueTypeSubset::TrueTypeSubset(const QRawFont &font, const QList<quint32> &glyphs)
{
    QRawFont unscaled(font);
    // The sizes of an em the head table allows.
    const int unitsPerEm = qRound(qBound(16.0, font.unitsPerEm(), 16384.0));
    unscaled.setPixelSize(unitsPerEm);
    const QList<QPointF> advances =
        unscaled.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    QByteArray glyf, loca, hmtx;
    Extent extent;
    for (qsizetype index = 0; index < glyphs.size(); ++index) {
        const std::vector<Contour> contours = contoursOf(unscaled.pathForGlyph(glyphs.at(index)));
        const Glyph glyph = encode(contours);
        const int advance = qRound(qBound(0.0, coordinate(advances.at(index).x()), 32767.0));
        m_advances.append(advance);
        put32(loca, static_cast<quint32>(glyf.size()));
        glyf += glyph.data;
        put16(hmtx, advance), put16(hmtx, glyph.bounds.left());
        extent.add(glyph, static_cast<int>(contours.size()), advance);
    }
    put32(loca, static_cast<quint32>(glyf.size()));
    m_bounds = extent.bounds;
    m_unitsPerEm = unitsPerEm;
    const int count = static_cast<int>(glyphs.size());
    m_data = assemble({{"glyf", glyf},
                       {"head", headTable(unitsPerEm, m_bounds)},
                       {"hhea", hheaTable(unscaled, extent, count)},
                       {"hmtx", hmtx},
                       {"loca", loca},
                       {"maxp", maxpTable(extent, count)},
                       {"post", postTable()}});
}
