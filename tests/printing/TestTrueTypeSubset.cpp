#include "printing/TrueTypeSubset.h"

#include <QFont>
#include <QLineF>
#include <QPainterPath>
#include <QRawFont>
#include <QtEndian>
#include <QtTest>

#include <limits>

namespace {

constexpr qreal kFineness = 8; // outlines are flattened at so many times their size

qreal distanceToSegment(QPointF point, QPointF start, QPointF end)
{
    const QPointF along = end - start;
    const qreal length = QPointF::dotProduct(along, along);
    const qreal at =
        length > 0 ? qBound(0.0, QPointF::dotProduct(point - start, along) / length, 1.0) : 0;
    return QLineF(point, start + at * along).length();
}

// How far the farthest point of `first` lies from the outline of `second`.
qreal strayOf(const QList<QPolygonF> &first, const QList<QPolygonF> &second)
{
    qreal farthest = 0;
    for (const QPolygonF &polygon : first) {
        for (const QPointF point : polygon) {
            qreal nearest = std::numeric_limits<qreal>::max();
            for (const QPolygonF &other : second) {
                for (qsizetype index = 0; index + 1 < other.size(); ++index)
                    nearest = std::min(
                        nearest, distanceToSegment(point, other.at(index), other.at(index + 1)));
            }
            farthest = std::max(farthest, nearest);
        }
    }
    return farthest;
}

// The distance between two outlines (in the units they are drawn in): how
// far a point of either lies at most from the other.
qreal distance(const QPainterPath &first, const QPainterPath &second)
{
    const QTransform fine = QTransform::fromScale(kFineness, kFineness);
    const QList<QPolygonF> one = (first * fine).toSubpathPolygons();
    const QList<QPolygonF> two = (second * fine).toSubpathPolygons();
    if (one.isEmpty() || two.isEmpty())
        return one.isEmpty() && two.isEmpty() ? 0 : std::numeric_limits<qreal>::max();
    return std::max(strayOf(one, two), strayOf(two, one)) / kFineness;
}

quint32 sumOf(QByteArray bytes)
{
    bytes.append(QByteArray(-bytes.size() & 3, '\0'));
    quint32 sum = 0;
    for (qsizetype at = 0; at < bytes.size(); at += 4)
        sum += qFromBigEndian<quint32>(bytes.constData() + at);
    return sum;
}

// The checksums a strict reader checks: each table's (the head table's with
// its adjustment as 0), and the whole file's, which that adjustment makes good.
bool checksumsHold(const QByteArray &font)
{
    const int tables = qFromBigEndian<quint16>(font.constData() + 4);
    for (int table = 0; table < tables; ++table) {
        const char *entry = font.constData() + 12 + 16 * table;
        QByteArray data =
            font.mid(qFromBigEndian<quint32>(entry + 8), qFromBigEndian<quint32>(entry + 12));
        if (QByteArray(entry, 4) == "head")
            data.replace(8, 4, QByteArray(4, '\0'));
        if (sumOf(data) != qFromBigEndian<quint32>(entry + 4))
            return false;
    }
    return sumOf(font) == 0xB1B0AFBA;
}

qreal advanceOf(const QRawFont &font, quint32 glyph)
{
    return font.advancesForGlyphIndexes({glyph}, QRawFont::UseDesignMetrics).constFirst().x();
}

} // namespace

class TestTrueTypeSubset : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void glyphsKeepTheirOutlines_data();
    void glyphsKeepTheirOutlines();
};

void TestTrueTypeSubset::glyphsKeepTheirOutlines_data()
{
    QTest::addColumn<QString>("family"); // or a font file
    QTest::addColumn<QString>("characters");
    QTest::addColumn<int>("step");        // and every so many glyphs of the font
    QTest::addColumn<qreal>("tolerance"); // in font units
    // TrueType's curves are kept; a point of a scaled component is rounded.
    QTest::newRow("TrueType") << "DejaVu Sans"
                              << "Rg&@8Q%ßﬁ" << 97 << M_SQRT1_2;
    QTest::newRow("CFF") << "C059"
                         << "Rg&@8Q%ß" << 0 << 1.0;
    QTest::newRow("Type 1") << "Nimbus Sans"
                            << "Rg&@8Q%ß" << 0 << 1.0;
    // The font that is converted for names in Chinese characters.
    // A font of ours whose A has its on-curve point halfway between control
    // points 34000 units apart, a step no glyph holds.
    QTest::newRow("control points far apart")
        << QFINDTESTDATA("../fuzz/corpus/FuzzFontTables/truetype-wide.ttf") << "A" << 0 << 0.5;
    QTest::newRow("Noto Sans CJK, CFF")
        << "Noto Sans CJK SC"
        << "马龙长见门风车页鸟齐長小“”—…，。\U00020BB7" << 499 << 1.0;
}

// Read back by Qt, each glyph of the subset has the outline and advance it
// had in its font, at the font's own units: but for points rounded to whole
// units for TrueType's own curves, within a unit (a tenth for the curves,
// rounding for the points) for cubic ones.
void TestTrueTypeSubset::glyphsKeepTheirOutlines()
{
    QFETCH(QString, family);
    QFETCH(QString, characters);
    QFETCH(int, step);
    QFETCH(qreal, tolerance);
    const bool file = family.endsWith(".ttf");
    QRawFont font = file ? QRawFont(family, 16) : QRawFont::fromFont(QFont(family));
    if (!file && font.familyName() != family)
        QSKIP("The font is not installed.");
    font.setPixelSize(font.unitsPerEm());
    QList<quint32> glyphs = font.glyphIndexesForString(characters);
    const QByteArray maxp = font.fontTable("maxp"); // numGlyphs follows its version
    const quint32 count = maxp.size() >= 6 ? qFromBigEndian<quint16>(maxp.constData() + 4) : 0;
    for (quint32 glyph = 1; step > 0 && glyph < count; glyph += step)
        glyphs.append(glyph);
    const TrueTypeSubset subset(font, QList<quint32>{0} + glyphs);
    const QRawFont readBack(subset.data(), font.unitsPerEm());
    QVERIFY(readBack.isValid());
    QVERIFY(checksumsHold(subset.data()));
    for (int index = 0; index < glyphs.size(); ++index) {
        const quint32 copy = index + 1;
        const qreal apart =
            distance(font.pathForGlyph(glyphs.at(index)), readBack.pathForGlyph(copy));
        QVERIFY2(apart <= tolerance,
                 qPrintable(QString("glyph %1: %2 units apart").arg(glyphs.at(index)).arg(apart)));
        QVERIFY(qAbs(advanceOf(readBack, copy) - advanceOf(font, glyphs.at(index))) <= 0.5);
    }
}

QTEST_MAIN(TestTrueTypeSubset)
#include "TestTrueTypeSubset.moc"
