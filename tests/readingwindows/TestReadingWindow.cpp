#include "RecordingPlatform.h"
#include "TestWindows.h"
#include "readingwindows/ElementPane.h"
#include "readingwindows/LoShuChartPane.h"
#include "readingwindows/PictureHolder.h"
#include "readingwindows/RelationshipPane.h"
#include "readingwindows/RichPaneView.h"
#include "readingwindows/frmNineStar.h"
#include "shell/ApplicationShell.h"
#include "shell/PersonalDetailsGroup.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

class TestReadingWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void gridCellsStandAtLoShuPlaces_data();
    void gridCellsStandAtLoShuPlaces();
    void directionRing();
    void fieldsAtTheirPlaces();
    void fieldsInTheirLook_data();
    void fieldsInTheirLook();
    void paneShowsStyledReading();
    void menus();
    void loadStepPutsChartInFront();
    void tabsChangeOnlyZOrder();
    void tabReachesOnlyWhatIsInView();
    void mouseOverPanesEmptiesClipboard();
    void elementPaneShowsFengShui();
    void goBackOpensFreshMainWindow();
    void closingEndsProgram();

private:
    frmNineStar *calculate(const QString &name, const QString &day, const QString &month,
                           const QString &year);
    static int stackIndex(QWidget *widget);

    RecordingPlatform *m_platform = nullptr;
    ApplicationShell *m_shell = nullptr;
};

void TestReadingWindow::init()
{
    m_platform = new RecordingPlatform;
    m_shell = new ApplicationShell(*m_platform);
}

void TestReadingWindow::cleanup()
{
    deleteAllWindows();
    delete m_shell;
    delete m_platform;
}

frmNineStar *TestReadingWindow::calculate(const QString &name, const QString &day,
                                          const QString &month, const QString &year)
{
    frmMain *main = m_shell->openMainWindow();
    enterDetails(main, name, day, month, year);
    main->RunCalculation();
    return m_shell->readingWindow();
}

int TestReadingWindow::stackIndex(QWidget *widget)
{
    return widget->parentWidget()->children().indexOf(widget);
}

void TestReadingWindow::gridCellsStandAtLoShuPlaces_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QPoint>("topLeft"); // in the grid frame, pixels
    QTest::addColumn<QColor>("background");
    QTest::newRow("4") << 4 << QPoint(3, 3) << QColor(0, 192, 192);
    QTest::newRow("9") << 9 << QPoint(91, 3) << QColor(255, 192, 128);
    QTest::newRow("2") << 2 << QPoint(179, 3) << QColor(255, 192, 255);
    QTest::newRow("3") << 3 << QPoint(3, 92) << QColor(0, 128, 0);
    QTest::newRow("5") << 5 << QPoint(91, 92) << QColor(255, 255, 128);
    QTest::newRow("7") << 7 << QPoint(179, 92) << QColor(128, 128, 128);
    QTest::newRow("8") << 8 << QPoint(3, 181) << QColor(0, 0, 0);
    QTest::newRow("1") << 1 << QPoint(91, 181) << QColor(0, 0, 255);
    QTest::newRow("6") << 6 << QPoint(179, 181) << QColor(192, 192, 192);
}

void TestReadingWindow::gridCellsStandAtLoShuPlaces()
{
    QFETCH(int, number);
    QFETCH(QPoint, topLeft);
    QFETCH(QColor, background);
    frmNineStar *reading = calculate("Anna Lee", "5", "March", "1980");
    QLabel *label = reading->picLoShuSquare->lblLoshuGrid[static_cast<size_t>(number - 1)];
    QCOMPARE(label->objectName(), QStringLiteral("lblLoshuGrid%1").arg(number - 1));
    QWidget *cell = label->parentWidget();
    QCOMPARE(cell->geometry(), QRect(topLeft, QSize(87, 87)));
    QCOMPARE(cell->palette().color(QPalette::Window), background);
    QCOMPARE(cell->parentWidget()->palette().color(QPalette::Window), QColor(255, 128, 128));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 255));
    QVERIFY(label->font().bold());
    QVERIFY(label->text().startsWith(QStringLiteral("[%1]\n").arg(number)));
}

void TestReadingWindow::directionRing()
{
    frmNineStar *reading = calculate("Anna", "1", "January", "1970");
    const QStringList captions{"South East", "South", "South West", "West",
                               "North West", "North", "North East", "East"};
    for (int i = 0; i < 8; ++i) {
        QLabel *side = reading->picLoShuSquare->lblLoshuSides[static_cast<size_t>(i)];
        QCOMPARE(side->text(), captions.at(i));
        QCOMPARE(side->palette().color(QPalette::WindowText), QColor(128, 255, 128));
    }
    QCOMPARE(reading->picLoShuSquare->lblLoshuSides[1]->geometry(), QRect(152, 8, 40, 40));
    QCOMPARE(reading->picLoShuSquare->lblLoshuSides[5]->geometry(), QRect(152, 328, 40, 16));
}

void TestReadingWindow::fieldsAtTheirPlaces()
{
    frmNineStar *reading = calculate("Anna", "1", "January", "1970");
    QVERIFY(QTest::qWaitForWindowExposed(reading));
    QCOMPARE(reading->centralWidget()->size(), QSize(637, 430));
    QCOMPARE(reading->picLoShuSquare->geometry(), QRect(2, 24, 633, 357));
    QCOMPARE(reading->picLoShuSquare->RTBLoshu->geometry(), QRect(360, 4, 270, 347));
    QCOMPARE(reading->cmdBack->geometry(), QRect(480, 392, 73, 27));
    QCOMPARE(reading->cmdSave->geometry(), QRect(560, 392, 73, 27));
    QCOMPARE(reading->cmdBack->text(), QStringLiteral("&Back"));
    QCOMPARE(reading->cmdSave->text(), QStringLiteral("&Save"));
    QCOMPARE(reading->cmdSave->palette().color(QPalette::Button), QColor(0, 192, 0));
    QCOMPARE(reading->picNineStar->geometry(), QRect(2, 467, 633, 400));
    QCOMPARE(reading->picRelationship->geometry(), QRect(2, 467, 633, 357));
    QCOMPARE(reading->TS->geometry().topLeft(), QPoint(2, 467));
    QCOMPARE(reading->TS->count(), 3);
    QCOMPARE(reading->TS->tabText(0), QStringLiteral("Nine Star Ki Chart"));
    QCOMPARE(reading->TS->tabText(1), QStringLiteral("Nine Star Ki Element"));
    QCOMPARE(reading->TS->tabText(2), QStringLiteral("Nine Star Ki Relationship Analysis"));
    QCOMPARE(reading->windowTitle(), QStringLiteral("Numorra v1.75"));
}

void TestReadingWindow::fieldsInTheirLook_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background"); // invalid: the parent's shows through
    const QColor lightGreen(128, 255, 128), paneGrey(128, 128, 128), yellow(255, 255, 128);
    const QColor cream(255, 255, 192), none;
    QTest::newRow("window") << "frmNineStar" << 8.25 << false << lightGreen << QColor(0, 64, 0);
    QTest::newRow("direction") << "lblLoshuSides3" << 8.25 << true << lightGreen << none;
    QTest::newRow("Back") << "cmdBack" << 8.25 << true << QColor(Qt::black) << QColor(0, 192, 0);
    QTest::newRow("element pane") << "picNineStar" << 8.25 << false << cream << paneGrey;
    QTest::newRow("element pane's introduction") << "lblIntro" << 8.25 << false << cream << none;
    QTest::newRow("trigram frame") << "fraTrigram" << 8.25 << true << lightGreen << paneGrey;
    QTest::newRow("trigram") << "lblFengShuiTrigram" << 11.25 << true << yellow << none;
    QTest::newRow("element") << "lblFengShuiElement" << 12.0 << true << yellow << none;
    QTest::newRow("group") << "lblFengShuiGroup" << 11.25 << true << QColor(192, 255, 192) << none;
    QTest::newRow("description") << "lblElementDesc" << 8.25 << false << cream << none;
}

// Each field in the font and colours the window was designed with.
void TestReadingWindow::fieldsInTheirLook()
{
    QFETCH(QString, field);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    frmNineStar *reading = calculate("Anna", "1", "January", "1970");
    QWidget *widget =
        field == reading->objectName() ? reading : reading->findChild<QWidget *>(field);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->palette().color(widget->foregroundRole()), text);
    QCOMPARE(widget->autoFillBackground(), background.isValid());
    if (background.isValid())
        QCOMPARE(widget->palette().color(widget->backgroundRole()), background);
    QVERIFY(!widget->window()->windowIcon().isNull());
}

void TestReadingWindow::paneShowsStyledReading()
{
    frmNineStar *reading = calculate("Anna", "5", "May", "1955");
    RichPaneView *view = reading->picLoShuSquare->RTBLoshu;
    QVERIFY(view->isReadOnly());
    QString expected = reading->results().RTBLoshu.PlainText();
    expected.replace("\r\n", "\n");
    QCOMPARE(view->toPlainText(), expected);
    QVERIFY(expected.endsWith("Most Favorable Direction by Chinese Numerology\n"));
    QCOMPARE(view->palette().color(QPalette::Base), QColor(0, 64, 0));
    // The heading is bold white in the pane's own size, the body green at 16 points.
    QTextCursor cursor(view->document());
    cursor.setPosition(1);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(cursor.charFormat().foreground().color(), QColor(255, 255, 255));
    QCOMPARE(cursor.charFormat().fontPointSize(), 8.25);
    cursor.setPosition(view->toPlainText().indexOf("Number of occurrence") + 1);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(cursor.charFormat().foreground().color(), QColor(0, 255, 0));
    QCOMPARE(cursor.charFormat().fontPointSize(), 16.0);
    // And draws it: white and green strokes on the dark green.
    const QImage shown = view->grab().toImage();
    int white = 0, green = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            white += shown.pixel(x, y) == qRgb(255, 255, 255);
            green += shown.pixel(x, y) == qRgb(0, 255, 0);
        }
    QVERIFY2(white > 20 && green > 20, qPrintable(QStringLiteral("%1 %2").arg(white).arg(green)));
    QVERIFY(reading->picRelationship->RTB->toPlainText().isEmpty());
    QVERIFY(reading->results().RTB.PlainText().isEmpty());
}

void TestReadingWindow::menus()
{
    frmNineStar *reading = calculate("Anna", "1", "January", "1970");
    QStringList captions;
    for (QAction *menu : reading->menuBar()->actions()) {
        captions << menu->text();
        for (QAction *entry : menu->menu()->actions())
            captions << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    }
    QCOMPARE(captions, (QStringList{"&File", "&Back", "-", "E&xit", "&Help", "&Online Help",
                                    "&Visit Us Online", "-", "Check for Software &Update", "-",
                                    "&About Software"}));
    reading->findChild<QAction *>("mnuOnline")->trigger();
    reading->findChild<QAction *>("mnuVisit")->trigger();
    reading->findChild<QAction *>("mnuUpdate")->trigger();
    QCOMPARE(m_platform->openedUrls.size(), 3);
    QVERIFY(m_platform->openedUrls[0].contains("help"));
    QVERIFY(m_platform->openedUrls[2].contains("download"));
    // F10 opens the File menu on its first entry, as in the main window.
    reading->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(reading));
    QTest::keyClick(reading, Qt::Key_F10);
    QTRY_VERIFY(reading->findChild<QMenu *>("mnuFile")->isVisible());
    QCOMPARE(reading->findChild<QMenu *>("mnuFile")->activeAction(), reading->mnuBack);
}

void TestReadingWindow::loadStepPutsChartInFront()
{
    frmNineStar *reading = calculate("Anna", "1", "January", "1970");
    QCOMPARE(reading->TS->currentIndex(), 0);
    QVERIFY(stackIndex(reading->picLoShuSquare) > stackIndex(reading->picNineStar));
    QVERIFY(stackIndex(reading->picLoShuSquare) > stackIndex(reading->picRelationship));
}

void TestReadingWindow::tabsChangeOnlyZOrder()
{
    frmNineStar *reading = calculate("Anna", "5", "March", "1980");
    const QString text = reading->picLoShuSquare->RTBLoshu->toPlainText();
    const QRect chartPlace = reading->picLoShuSquare->geometry();
    reading->TS->setCurrentIndex(2);
    QVERIFY(stackIndex(reading->picRelationship) > stackIndex(reading->picNineStar));
    QVERIFY(stackIndex(reading->picRelationship) > stackIndex(reading->picLoShuSquare));
    QVERIFY(reading->picRelationship->RTB->toPlainText().isEmpty());
    reading->TS->setCurrentIndex(1);
    QVERIFY(stackIndex(reading->picNineStar) > stackIndex(reading->picRelationship));
    reading->TS->setCurrentIndex(0);
    QVERIFY(stackIndex(reading->picLoShuSquare) > stackIndex(reading->picNineStar));
    QCOMPARE(reading->picLoShuSquare->RTBLoshu->toPlainText(), text);
    QCOMPARE(reading->picLoShuSquare->geometry(), chartPlace);
    // The tabs stay above the panes, reachable whichever pane is in front.
    QVERIFY(stackIndex(reading->TS) > stackIndex(reading->picNineStar));
}

void TestReadingWindow::tabReachesOnlyWhatIsInView()
{
    frmNineStar *reading = calculate("Anna", "5", "March", "1980");
    QVERIFY(QTest::qWaitForWindowActive(reading));
    const auto tabFrom = [](QWidget *control) {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Tab);
        return QApplication::focusWidget()->objectName();
    };
    QCOMPARE(tabFrom(reading->cmdSave), "lblLink"); // at the top, past the tabs out of sight
    reading->resize(reading->width(), reading->height() * 2); // the user shows what is below
    QCOMPARE(tabFrom(reading->cmdSave), "TS");
    reading->TS->setCurrentIndex(2);
    QCOMPARE(tabFrom(reading->TS), "RTB");
    reading->TS->setCurrentIndex(1); // the relationship pane goes behind the element pane
    QCOMPARE(tabFrom(reading->TS), "lblLink");
    reading->resize(reading->width(), reading->height() / 2);
    QCOMPARE(tabFrom(reading->cmdSave), "lblLink");
    reading->resize(reading->width(), reading->cmdBack->y()); // the buttons cut off
    QCOMPARE(tabFrom(reading->picLoShuSquare->RTBLoshu), "lblLink");
    reading->cmdBack->setFocus();
    QKeyEvent other(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier); // a key not used goes on
    QApplication::sendEvent(reading, &other);
    QVERIFY(!other.isAccepted() && m_shell->readingWindow());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier); // presses Back,
    QApplication::sendEvent(reading->cmdBack, &enter);
    QVERIFY(enter.isAccepted()); // and goes no further
    QTRY_VERIFY(m_shell->mainWindow() && m_shell->mainWindow()->isVisible());
}

void TestReadingWindow::mouseOverPanesEmptiesClipboard()
{
    frmNineStar *reading = calculate("Anna", "5", "March", "1980");
    // Enlarged by the user, with the relationship tab chosen, both panes are in view.
    reading->resize(reading->width(), 900);
    reading->TS->setCurrentIndex(2);
    QVERIFY(QTest::qWaitForWindowExposed(reading));
    for (RichPaneView *pane : {reading->picLoShuSquare->RTBLoshu, reading->picRelationship->RTB}) {
        QWidget *surface = pane->viewport();
        int before = m_platform->clipboardClears;
        QWindow *window = reading->windowHandle();
        QTest::mouseMove(window, surface->mapTo(reading, QPoint(40, 60)));
        QTest::mouseMove(window, surface->mapTo(reading, QPoint(50, 70)));
        QVERIFY2(m_platform->clipboardClears > before, qPrintable(pane->objectName()));
        before = m_platform->clipboardClears;
        QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(12, 12));
        QCOMPARE(m_platform->clipboardClears, before + 1);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(12, 12));
        QCOMPARE(m_platform->clipboardClears, before + 2);
        // Keyboard events leave the clipboard alone.
        before = m_platform->clipboardClears;
        QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(pane, Qt::Key_Down);
        QCOMPARE(m_platform->clipboardClears, before);
    }
    // A change of a pane's text empties it too.
    const int before = m_platform->clipboardClears;
    reading->results().RTB.AppendText("x");
    QCOMPARE(m_platform->clipboardClears, before + 1);
}

void TestReadingWindow::elementPaneShowsFengShui()
{
    frmNineStar *reading = calculate("Anna", "1", "January", "1975");
    QVERIFY(QTest::qWaitForWindowExposed(reading));
    ElementPane *pane = reading->picNineStar;
    QCOMPARE(pane->lblFengShuiGroup->text(), QStringLiteral("West"));
    QCOMPARE(pane->lblFengShuiElement->text(), QStringLiteral("Metal"));
    QCOMPARE(pane->lblFengShuiTrigram->text(), QStringLiteral("Tui"));
    QVERIFY(pane->lblElementDesc->text().startsWith("Metal Element symbolizes"));
    QVERIFY(pane->lblElementDesc->wordWrap());
    QCOMPARE(pane->imgElement->picture().size(), QSize(200, 200));
    QCOMPARE(pane->imgTrigram->picture().size(), QSize(164, 170));
    QVERIFY(pane->imgElement->hasScaledContents());
    QCOMPARE(pane->imgElement->size(), QSize(67, 67));
    QCOMPARE(pane->lblFengShuiGroup->palette().color(QPalette::WindowText), QColor(192, 255, 192));
    const auto frames = pane->findChildren<QGroupBox *>();
    QStringList titles;
    for (const QGroupBox *frame : frames)
        titles << frame->title();
    titles.sort();
    QCOMPARE(titles, (QStringList{"Your Element is: ", "Your Trigram is: "}));
    QVERIFY(pane->findChild<QLabel *>("lblGroupLeadIn")->text() == "Your are a");
    QVERIFY(pane->findChild<QLabel *>("lblGroupClosing")->text() == "Group Person");
}

void TestReadingWindow::goBackOpensFreshMainWindow()
{
    QPointer<frmNineStar> reading = calculate("Anna", "5", "March", "1980");
    QTRY_VERIFY(m_shell->mainWindow() == nullptr);
    QTest::mouseClick(reading->cmdBack, Qt::LeftButton);
    QTRY_VERIFY(reading.isNull());
    frmMain *main = m_shell->mainWindow();
    QVERIFY(main != nullptr && main->isVisible());
    QCOMPARE(main->fraDetails->txtName->text(), QString());
    QCOMPARE(main->fraDetails->cboDate->currentText(), QStringLiteral("1"));
    QVERIFY(m_platform->endedWith.isEmpty());

    reading = calculate("Bo", "2", "February", "1990");
    reading->mnuBack->trigger();
    QTRY_VERIFY(reading.isNull());
    QVERIFY(m_platform->endedWith.isEmpty());
}

void TestReadingWindow::closingEndsProgram()
{
    frmNineStar *reading = calculate("Anna", "5", "March", "1980");
    reading->close();
    QCOMPARE(m_platform->endedWith, QList<int>{0});
    QVERIFY(m_shell->isClosingApplication());

    cleanup();
    init();
    reading = calculate("Anna", "5", "March", "1980");
    reading->mnuExit->trigger();
    QCOMPARE(m_platform->endedWith, QList<int>{0});
}

QTEST_MAIN(TestReadingWindow)
#include "TestReadingWindow.moc"
