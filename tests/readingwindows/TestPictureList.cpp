#include "fengshui/modFengShui.h"
#include "reading/ReadingResults.h"
#include "readingwindows/PictureList.h"

#include <QImage>
#include <QtTest>

class TestPictureList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picturesHaveTheirSizes_data();
    void picturesHaveTheirSizes();
    void everyNumberFindsItsPictures();
    void keysMatchExactly();
    void trigramLinesReadBottomUp_data();
    void trigramLinesReadBottomUp();
};

void TestPictureList::picturesHaveTheirSizes_data()
{
    QTest::addColumn<bool>("element");
    QTest::addColumn<QString>("key");
    for (const QString &key : ReadingResults::elementPictureKeys())
        QTest::newRow(qPrintable("element " + key)) << true << key;
    for (const QString &key : ReadingResults::trigramPictureKeys())
        QTest::newRow(qPrintable("trigram " + key)) << false << key;
}

void TestPictureList::picturesHaveTheirSizes()
{
    QFETCH(bool, element);
    QFETCH(QString, key);
    const PictureList &list = element ? PictureList::elements() : PictureList::trigrams();
    const QPixmap picture = list.picture(key);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), element ? QSize(200, 200) : QSize(164, 170));
    // Something is drawn: the centre is not transparent.
    const QImage image = picture.toImage();
    QVERIFY(qAlpha(image.pixel(image.width() / 2, image.height() / 2)) > 0);
}

void TestPictureList::everyNumberFindsItsPictures()
{
    for (int number = 1; number <= 9; ++number) {
        const modFengShui::FengShuiProfile *profile = modFengShui::FengShuiProfileTable(number);
        QVERIFY(!PictureList::elements().picture(profile->element).isNull());
        QVERIFY(!PictureList::trigrams().picture(profile->trigram).isNull());
    }
}

void TestPictureList::keysMatchExactly()
{
    QVERIFY(PictureList::elements().picture("water").isNull());
    QVERIFY(PictureList::trigrams().picture("Kan ").isNull());
    QVERIFY(PictureList::trigrams().picture(QString()).isNull());
}

void TestPictureList::trigramLinesReadBottomUp_data()
{
    // Lines from the bottom up: true is a solid (yang) line, false a broken (yin) one.
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<bool>>("lines");
    QTest::newRow("Chien") << "Chien" << QList<bool>{true, true, true};
    QTest::newRow("Kun") << "Kun" << QList<bool>{false, false, false};
    QTest::newRow("Chen") << "Chen" << QList<bool>{true, false, false};
    QTest::newRow("Kan") << "Kan" << QList<bool>{false, true, false};
    QTest::newRow("Ken") << "Ken" << QList<bool>{false, false, true};
    QTest::newRow("Sun") << "Sun" << QList<bool>{false, true, true};
    QTest::newRow("Li") << "Li" << QList<bool>{true, false, true};
    QTest::newRow("Tui") << "Tui" << QList<bool>{true, true, false};
}

void TestPictureList::trigramLinesReadBottomUp()
{
    QFETCH(QString, key);
    QFETCH(QList<bool>, lines);
    const QImage image = PictureList::trigrams().picture(key).toImage();
    // Find the dark bars along the picture's middle column and a column a
    // quarter across: a broken line is dark at the quarter but not in the middle.
    auto dark = [&](int x, int y) {
        return qGray(image.pixel(x, y)) < 80;
    };
    QList<bool> found;
    bool inBar = false;
    for (int y = image.height() - 16; y >= 16; --y) { // inside the border
        const bool bar = dark(image.width() / 4, y);
        if (bar && !inBar)
            found.append(dark(image.width() / 2, y - 5));
        inBar = bar;
    }
    QCOMPARE(found, lines);
}

QTEST_MAIN(TestPictureList)
#include "TestPictureList.moc"
