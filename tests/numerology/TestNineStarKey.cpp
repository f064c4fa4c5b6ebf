#include "numerology/NumberReadings.h"
#include "numerology/modNineStarKey.h"
#include "reading/ReadingResults.h"

#include <QDate>
#include <QtTest>

using namespace modNineStarKey;

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kNumberHeading = QStringLiteral("Most Favorable Number by Chinese Numerology");
const QString kDirectionHeading = QStringLiteral("Most Favorable Direction by Chinese Numerology");
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kGreen = 0x00FF00;

QString Block(int number, int count)
{
    return QString::number(number) + kCrLf + QStringLiteral("Number of occurrence: ") +
           QString::number(count) + kCrLf + kCrLf + NumberReadings(number) + kCrLf + kCrLf;
}

QString Reading(const QString &day, const QString &month, const QString &year)
{
    ReadingResults results;
    ComputeBirthChart(results, day, month, year);
    return results.RTBLoshu.PlainText();
}

} // namespace

class TestNineStarKey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void birthDigits_data();
    void birthDigits();
    void cellCaptions_data();
    void cellCaptions();
    void singleFormText();
    void singleFormRuns();
    void sharedFormText();
    void sharedFormRuns();
    void numberFiveSingleEndsWithHeading();
    void favourableScanFindsEveryTie_data();
    void favourableScanFindsEveryTie();
    void everyReachableDate();
};

void TestNineStarKey::birthDigits_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("digits");
    QTest::newRow("5 March 1980") << "5"
                                  << "March"
                                  << "1980"
                                  << "531980";
    QTest::newRow("11 November 1911") << "11"
                                      << "November"
                                      << "1911"
                                      << "11111911";
    QTest::newRow("10 October 2000") << "10"
                                     << "October"
                                     << "2000"
                                     << "10102000";
    QTest::newRow("December adds two digits") << "1"
                                              << "December"
                                              << "2050"
                                              << "1122050";
    QTest::newRow("unknown month adds nothing") << "5"
                                                << "march"
                                                << "1980"
                                                << "51980";
}

void TestNineStarKey::birthDigits()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, digits);
    QCOMPARE(BirthDigits(day, month, year), digits);
}

void TestNineStarKey::cellCaptions_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QStringList>("captions"); // cells 1 to 9
    QTest::newRow("5 March 1980") << "5"
                                  << "March"
                                  << "1980" << QStringList{"[1]\r\n1", "[2]\r\n",  "[3]\r\n3",
                                                           "[4]\r\n",  "[5]\r\n5", "[6]\r\n",
                                                           "[7]\r\n",  "[8]\r\n8", "[9]\r\n9"};
    QTest::newRow("11 November 1911")
        << "11"
        << "November"
        << "1911" << QStringList{"[1]\r\n1111111", "[2]\r\n", "[3]\r\n", "[4]\r\n", "[5]\r\n",
                                 "[6]\r\n",        "[7]\r\n", "[8]\r\n", "[9]\r\n9"};
    QTest::newRow("10 October 2000: no zeros")
        << "10"
        << "October"
        << "2000" << QStringList{"[1]\r\n11", "[2]\r\n2", "[3]\r\n", "[4]\r\n", "[5]\r\n",
                                 "[6]\r\n",   "[7]\r\n",  "[8]\r\n", "[9]\r\n"};
}

void TestNineStarKey::cellCaptions()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QStringList, captions);
    ReadingResults results;
    ComputeBirthChart(results, day, month, year);
    for (int k = 0; k < 9; ++k)
        QCOMPARE(results.lblLoshuGrid[static_cast<size_t>(k)], captions.at(k));
}

void TestNineStarKey::singleFormText()
{
    // 1 May 1987: 151987, the 1 occurs twice.
    QCOMPARE(Reading("1", "May", "1987"),
             kNumberHeading + kCrLf + Block(1, 2) + kDirectionHeading + kCrLf + "North");
    QCOMPARE(Reading("11", "November", "1911"),
             kNumberHeading + kCrLf + Block(1, 7) + kDirectionHeading + kCrLf + "North");
}

void TestNineStarKey::singleFormRuns()
{
    ReadingResults results;
    ComputeBirthChart(results, "1", "May", "1987");
    const auto &runs = results.RTBLoshu.runs();
    QCOMPARE(runs.size(), 4);
    // The first heading keeps the pane's own size; 16 points from the number line on.
    QCOMPARE(runs[0].text, kNumberHeading + kCrLf);
    QCOMPARE(runs[0].style, (RichPane::Style{true, kWhite, 8.25}));
    QCOMPARE(runs[1].text, Block(1, 2));
    QCOMPARE(runs[1].style, (RichPane::Style{false, kGreen, 16}));
    QCOMPARE(runs[2].text, kDirectionHeading + kCrLf);
    QCOMPARE(runs[2].style, (RichPane::Style{true, kWhite, 16}));
    QCOMPARE(runs[3].text, QStringLiteral("North"));
    QCOMPARE(runs[3].style, (RichPane::Style{false, kGreen, 16}));
    QCOMPARE(results.RTBLoshu.insertionStyle(), (RichPane::Style{false, kGreen, 16}));
}

void TestNineStarKey::sharedFormText()
{
    QCOMPARE(Reading("5", "March", "1980"),
             kNumberHeading + kCrLf + Block(1, 1) + Block(3, 1) + Block(5, 1) + Block(8, 1) +
                 Block(9, 1) + kCrLf + kDirectionHeading + kCrLf + "North\r\nEast\r\n\r\n" +
                 "North-East\r\nSouth\r\n");
}

void TestNineStarKey::sharedFormRuns()
{
    ReadingResults results;
    ComputeBirthChart(results, "5", "March", "1980");
    const auto &runs = results.RTBLoshu.runs();
    QCOMPARE(runs.size(), 4);
    QCOMPARE(runs[0].style, (RichPane::Style{true, kWhite, 8.25}));
    QCOMPARE(runs[1].style, (RichPane::Style{false, kGreen, 16}));
    QCOMPARE(runs[2].text, kCrLf + kDirectionHeading + kCrLf);
    QCOMPARE(runs[2].style, (RichPane::Style{true, kWhite, 16}));
    QCOMPARE(runs[3].text, QStringLiteral("North\r\nEast\r\n\r\nNorth-East\r\nSouth\r\n"));
    QCOMPARE(runs[3].style, (RichPane::Style{false, kGreen, 16}));
}

void TestNineStarKey::numberFiveSingleEndsWithHeading()
{
    // 5 May 1955: 551955, four 5s; number 5 has no direction.
    const QString text = Reading("5", "May", "1955");
    QCOMPARE(text, kNumberHeading + kCrLf + Block(5, 4) + kDirectionHeading + kCrLf);
}

void TestNineStarKey::favourableScanFindsEveryTie_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QVector<int>>("favourable");
    QTest::newRow("leader later, no tie") << "19" + QString("999") << QVector<int>{9};
    QTest::newRow("tie below a later leader is cleared") << "1299" << QVector<int>{9};
    QTest::newRow("tie with the first number") << "1212" << QVector<int>{1, 2};
    QTest::newRow("tie after a leader change") << "23388" << QVector<int>{3, 8};
    QTest::newRow("all counts 1") << "123456789" << QVector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
}

void TestNineStarKey::favourableScanFindsEveryTie()
{
    QFETCH(QString, digits);
    QFETCH(QVector<int>, favourable);
    QCOMPARE(FavourableNumbers(countsOf(ChartDigits(digits))), favourable);
}

void TestNineStarKey::everyReachableDate()
{
    // Every calendar date the lists can name, 1900 to 2050, through the whole engine.
    const QStringList months = MonthNames();
    int dates = 0;
    for (QDate date(1900, 1, 1); date <= QDate(2050, 12, 31); date = date.addDays(1), ++dates) {
        const QString day = QString::number(date.day());
        const QString year = QString::number(date.year());
        const QString &month = months.at(date.month() - 1);
        ReadingResults results;
        ComputeBirthChart(results, day, month, year);

        std::array<int, 10> counts{};
        for (const QChar c : day + QString::number(date.month()) + year)
            ++counts[static_cast<size_t>(c.digitValue())];
        const int highest = *std::max_element(counts.begin() + 1, counts.end());
        QVector<int> expected;
        for (int n = 1; n <= 9; ++n) {
            if (counts[static_cast<size_t>(n)] == highest)
                expected.append(n);
            const QString cell = results.lblLoshuGrid[static_cast<size_t>(n - 1)];
            const QString want = QStringLiteral("[%1]\r\n").arg(n) +
                                 QString(counts[static_cast<size_t>(n)], QChar('0' + n));
            if (cell != want)
                QFAIL(qPrintable(date.toString(Qt::ISODate) + ": cell " + QString::number(n)));
        }
        const QString text = results.RTBLoshu.PlainText();
        QString blocks;
        for (const int n : expected)
            blocks += Block(n, highest);
        if (!text.startsWith(kNumberHeading + kCrLf + blocks) ||
            FavourableNumbers(countsOf(ChartDigits(BirthDigits(day, month, year)))) != expected ||
            countDigits(day, month, year) != countsOf(ChartDigits(BirthDigits(day, month, year))))
            QFAIL(qPrintable(date.toString(Qt::ISODate) + ": favourable numbers"));
    }
    QCOMPARE(dates, 55152);
}

QTEST_GUILESS_MAIN(TestNineStarKey)
#include "TestNineStarKey.moc"
