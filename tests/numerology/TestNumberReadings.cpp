#include "numerology/NumberReadings.h"
#include "numerology/modNineStarKey.h"

#include <QtTest>

using namespace modNineStarKey;

class TestNumberReadings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paragraphs_data();
    void paragraphs();
    void readingJoinsParagraphsWithBlankLine();
    void readingsAreSingleBytePrintable();
    void directions_data();
    void directions();
};

void TestNumberReadings::paragraphs_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("openings");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("1") << 1
                       << QStringList{"Number One symbolizes 'single entity'.",
                                      "Having a single 1 in your chart indicates that",
                                      "Four 1s signify that you are a compassionate and"}
                       << QList<int>{577, 323, 407};
    QTest::newRow("2") << 2
                       << QStringList{"Number two represents duality.",
                                      "A person with a single 2 in his chart",
                                      "If 2 occurs five times or for more than five times"}
                       << QList<int>{570, 260, 168};
    QTest::newRow("3") << 3
                       << QStringList{"Number three is related to ideals and ideas.",
                                      "People with a single 3 in their birth chart"}
                       << QList<int>{611, 352};
    QTest::newRow("4")
        << 4
        << QStringList{"Number four is considered to be a complete number in itself.",
                       "People with a single four in their birth chart",
                       "Having three or more than three 4s in your birth chart"}
        << QList<int>{718, 165, 172};
    QTest::newRow("5")
        << 5
        << QStringList{"Number five is the number that represents emotional stability",
                       "One 5 in your birth chart indicates that you"}
        << QList<int>{643, 331};
    QTest::newRow("6") << 6
                       << QStringList{"Number six is the number which represents equilibrium and "
                                      "harmony.",
                                      "People with one 6 are family lovers",
                                      "Having four or more 6s mean you are a well balanced but "
                                      "emotional person."}
                       << QList<int>{607, 191, 73};
    QTest::newRow("7") << 7
                       << QStringList{"Number seven represents a deep and a practical thinker.",
                                      "You are calm, quiet and affectionate by nature.",
                                      "Having one 7 in the chart represents that"}
                       << QList<int>{195, 322, 503};
    QTest::newRow("8") << 8
                       << QStringList{"Number eight represents patience, perseverance and wisdom.",
                                      "People with a single 8 in their birth chart are determined"}
                       << QList<int>{673, 250};
    QTest::newRow("9") << 9
                       << QStringList{"Number nine represents an extraordinary energy level.",
                                      "A person with a single 9 in his chart"}
                       << QList<int>{459, 205};
}

void TestNumberReadings::paragraphs()
{
    QFETCH(int, number);
    QFETCH(QStringList, openings);
    QFETCH(QList<int>, lengths);
    const QStringList paragraphs = numberReadingParagraphs(number);
    QCOMPARE(paragraphs.size(), openings.size());
    for (int i = 0; i < paragraphs.size(); ++i) {
        QVERIFY2(paragraphs.at(i).startsWith(openings.at(i)), qPrintable(paragraphs.at(i)));
        QCOMPARE(paragraphs.at(i).size(), lengths.at(i));
        QVERIFY(!paragraphs.at(i).contains(QLatin1Char('\n')));
    }
}

void TestNumberReadings::readingJoinsParagraphsWithBlankLine()
{
    for (int number = 1; number <= 9; ++number)
        QCOMPARE(NumberReadings(number), numberReadingParagraphs(number).join("\r\n\r\n"));
    QVERIFY(NumberReadings(0).isEmpty());
    QVERIFY(NumberReadings(10).isEmpty());
}

void TestNumberReadings::readingsAreSingleBytePrintable()
{
    // Readings go into reports and files kept in a single-byte code page.
    for (int number = 1; number <= 9; ++number) {
        for (const QChar c : NumberReadings(number))
            QVERIFY(c == '\r' || c == '\n' || (c.unicode() >= 32 && c.unicode() < 127));
    }
}

void TestNumberReadings::directions_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("direction");
    const QStringList directions{"North",      "South-West", "East",       "South-East", "",
                                 "North-West", "West",       "North-East", "South"};
    for (int n = 1; n <= 9; ++n)
        QTest::addRow("%d", n) << n << directions.at(n - 1);
}

void TestNumberReadings::directions()
{
    QFETCH(int, number);
    QFETCH(QString, direction);
    QCOMPARE(NumberDirections(number), direction);
}

QTEST_GUILESS_MAIN(TestNumberReadings)
#include "TestNumberReadings.moc"
