// On a real X server: text selected with the mouse in a reading pane does not
// stay in the X11 selection, which a middle click would paste.
#include "qtdesktop/QtPlatform.h"
#include "reading/RichPane.h"
#include "readingwindows/RichPaneView.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QtTest>

namespace {

// What another program would paste with a middle click. The events keep
// running meanwhile: this very process may own the selection and must answer.
QString primarySelection()
{
    QProcess xclip;
    xclip.start("xclip", {"-o", "-selection", "primary"});
    const bool ended =
        QTest::qWaitFor([&xclip] { return xclip.state() == QProcess::NotRunning; }, 5000);
    if (!ended) {
        xclip.kill();
        xclip.waitForFinished();
        return QStringLiteral("<no answer>");
    }
    return xclip.exitCode() == 0 ? QString::fromUtf8(xclip.readAllStandardOutput()) : QString();
}

void dragAcross(QWidget *viewport)
{
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(5, 8));
    for (int x = 10; x <= 200; x += 10)
        QTest::mouseMove(viewport, QPoint(x, 8));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(200, 8));
}

} // namespace

class TestX11Selection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plainViewFillsTheSelection();
    void readingPaneEmptiesIt();
};

void TestX11Selection::plainViewFillsTheSelection()
{
    // Without the pane's rule, a drag does fill it: the check below can see it.
    RichPane pane(RichPane::Style{});
    RichPaneView view(pane, {QStringLiteral("Verdana")});
    pane.AppendText(QStringLiteral("Most Favorable Number by Chinese Numerology"));
    view.resize(400, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    dragAcross(view.viewport());
    QTRY_VERIFY(primarySelection().startsWith(QStringLiteral("Most Favorable")));
}

void TestX11Selection::readingPaneEmptiesIt()
{
    QtPlatform platform;
    QGuiApplication::clipboard()->setText(QStringLiteral("copied before"));
    RichPane pane(RichPane::Style{});
    RichPaneView view(pane, {QStringLiteral("Verdana")});
    QObject::connect(&view, &RichPaneView::activity, [&platform] { platform.clearClipboard(); });
    pane.AppendText(QStringLiteral("Most Favorable Number by Chinese Numerology"));
    view.resize(400, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    dragAcross(view.viewport());
    QVERIFY(view.textCursor().hasSelection());
    QTest::qWait(200);
    QCOMPARE(primarySelection(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Clipboard), QString());
}

QTEST_MAIN(TestX11Selection)
#include "TestX11Selection.moc"
