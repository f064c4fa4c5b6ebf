#include "reading/ReadingResults.h"
#include "reading/RichPane.h"

#include <QtTest>

class TestRichPane : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newPaneStartsEmptyNotBoldInWindowSize();
    void appendTakesInsertionStyle();
    void styleIsNeverResetByThePane();
    void plainTextKeepsLineBreaks();
    void palette_data();
    void palette();
    void colourOutsidePaletteFails();
    void everyChangeIsSignalled();
};

void TestRichPane::newPaneStartsEmptyNotBoldInWindowSize()
{
    ReadingResults results;
    QVERIFY(results.RTBLoshu.PlainText().isEmpty());
    QVERIFY(results.RTB.runs().isEmpty());
    QCOMPARE(results.RTBLoshu.insertionStyle().bold, false);
    QCOMPARE(results.RTBLoshu.insertionStyle().pointSize, 8.25);
}

void TestRichPane::appendTakesInsertionStyle()
{
    RichPane pane(ReadingResults::newPaneStyle(0));
    pane.SetBold(true);
    pane.SetColour(15);
    pane.AppendText("Heading\r\n");
    pane.SetBold(false);
    pane.SetColour(10);
    pane.SetFontSize(16);
    pane.AppendText("body ");
    pane.AppendText("more");
    QCOMPARE(pane.runs().size(), 2);
    QCOMPARE(pane.runs()[0].style, (RichPane::Style{true, 0xFFFFFF, 8.25}));
    QCOMPARE(pane.runs()[1].text, QStringLiteral("body more"));
    QCOMPARE(pane.runs()[1].style, (RichPane::Style{false, 0x00FF00, 16}));
}

void TestRichPane::styleIsNeverResetByThePane()
{
    RichPane pane(ReadingResults::newPaneStyle(0));
    pane.SetBold(true);
    pane.SetColour(12);
    pane.SetFontSize(16);
    pane.AppendText("a");
    pane.ClearText();
    pane.AppendText("b");
    QCOMPARE(pane.PlainText(), QStringLiteral("b"));
    QCOMPARE(pane.runs()[0].style, (RichPane::Style{true, 0xFF0000, 16}));
}

void TestRichPane::plainTextKeepsLineBreaks()
{
    RichPane pane(ReadingResults::newPaneStyle(0));
    pane.AppendText("one\r\n");
    pane.SetBold(true);
    pane.AppendText("\r\ntwo\r\n\r\n");
    pane.AppendText(QString());
    QCOMPARE(pane.PlainText(), QStringLiteral("one\r\n\r\ntwo\r\n\r\n"));
}

void TestRichPane::palette_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<quint32>("rgb");
    const quint32 rgb[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                             0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                             0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int n = 0; n < 16; ++n)
        QTest::addRow("%d", n) << n << rgb[n];
}

void TestRichPane::palette()
{
    QFETCH(int, number);
    QFETCH(quint32, rgb);
    RichPane pane(ReadingResults::newPaneStyle(0));
    pane.SetColour(number);
    QCOMPARE(pane.insertionStyle().colour, rgb);
}

void TestRichPane::colourOutsidePaletteFails()
{
    RichPane pane(ReadingResults::newPaneStyle(0x123456));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, pane.SetColour(16));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, pane.SetColour(-1));
    QCOMPARE(pane.insertionStyle().colour, quint32(0x123456));
}

void TestRichPane::everyChangeIsSignalled()
{
    struct Counter : RichPane::Listener
    {
        int appended = 0;
        int cleared = 0;
        void paneCleared() override { ++cleared; }
        void runAppended(const RichPane::Run &) override { ++appended; }
    };
    RichPane pane(ReadingResults::newPaneStyle(0));
    Counter counter;
    auto *lifetime = new QObject;
    pane.setListener(&counter, lifetime);
    pane.AppendText("x");
    pane.AppendText(QString()); // no change, nothing told
    pane.SetBold(true);
    pane.ClearText();
    QCOMPARE(counter.appended, 1);
    QCOMPARE(counter.cleared, 1);
    delete lifetime; // a listener gone is told nothing more
    pane.AppendText("y");
    QCOMPARE(counter.appended, 1);
}

QTEST_GUILESS_MAIN(TestRichPane)
#include "TestRichPane.moc"
