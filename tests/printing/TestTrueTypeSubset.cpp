#include "printing/TrueTypeSubset.h"

#include <QFont>
#include <QPainterPath>
#include <QRawFont>
#include <QtTest>

namespace {

// The share of the points of a grid over two outlines that one fills and the other not.
qreal mismatch(const QPainterPath &first, const QPainterPath &second)
{
    constexpr int kSteps = 40;
    const QRectF area = first.boundingRect() | second.boundingRect();
    int differ = 0;
    for (int column = 0; column < kSteps; ++column) {
        for (int row = 0; row < kSteps; ++row) {
            const QPointF point(area.left() + area.width() * (column + 0.5) / kSteps,
                                area.top() + area.height() * (row + 0.5) / kSteps);
            differ += first.contains(point) != second.contains(point) ? 1 : 0;
        }
    }
    return qreal(differ) / (kSteps * kSteps);
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
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("tolerance"); // share of points filled in one outline only
    QTest::newRow("TrueType") << "DejaVu Sans" << 0.0;
    QTest::newRow("CFF") << "C059" << 0.01;
    QTest::newRow("Type 1") << "Nimbus Sans" << 0.01;
}

// Read back by Qt, each glyph of the subset has the outline and advance it had
// in its font: exactly for TrueType's own curves, closely for cubic ones.
void TestTrueTypeSubset::glyphsKeepTheirOutlines()
{
    QFETCH(QString, family);
    QFETCH(qreal, tolerance);
    QRawFont font = QRawFont::fromFont(QFont(family));
    if (font.familyName() != family)
        QSKIP("The font is not installed.");
    font.setPixelSize(font.unitsPerEm());
    const QList<quint32> glyphs = font.glyphIndexesForString("Rg&@8Q%ß");
    const TrueTypeSubset subset(font, QList<quint32>{0} + glyphs);
    const QRawFont readBack(subset.data(), font.unitsPerEm());
    QVERIFY(readBack.isValid());
    for (int index = 0; index < glyphs.size(); ++index) {
        const quint32 copy = index + 1;
        QVERIFY2(mismatch(font.pathForGlyph(glyphs.at(index)), readBack.pathForGlyph(copy)) <=
                     tolerance,
                 qPrintable(QString::number(index)));
        QVERIFY(qAbs(advanceOf(readBack, copy) - advanceOf(font, glyphs.at(index))) <= 0.5);
    }
}

QTEST_MAIN(TestTrueTypeSubset)
#include "TestTrueTypeSubset.moc"
