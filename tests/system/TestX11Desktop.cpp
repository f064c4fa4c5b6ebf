// On a real X server: text selected with the mouse in a reading pane does not
// stay in the X11 selection, which a middle click would paste; a start that
// hands its file over ends the launcher's busy cursor.
#include "qtdesktop/QtPlatform.h"
#include "qtdesktop/StartupNotice.h"
#include "reading/RichPane.h"
#include "readingwindows/RichPaneView.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>

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

class TestX11Desktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plainViewFillsTheSelection();
    void readingPaneEmptiesIt();
    void launcherHearsTheStartEnd();
};

void TestX11Desktop::plainViewFillsTheSelection()
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

void TestX11Desktop::readingPaneEmptiesIt()
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

// What a launcher hears on the root window: the start's id quoted, in pieces
// of 20 bytes, the first marked as such (here the closing NUL takes a piece).
void TestX11Desktop::launcherHearsTheStartEnd()
{
    xcb_connection_t *launcher = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(launcher)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    std::free(xcb_request_check(
        launcher, xcb_change_window_attributes_checked(launcher, root, XCB_CW_EVENT_MASK, &mask)));
    StartupNotice::complete(R"(kd "x"\y_TIME412345678901)");
    QByteArray heard;
    QList<xcb_atom_t> types;
    const bool ended = QTest::qWaitFor([&] {
        while (xcb_generic_event_t *event = xcb_poll_for_event(launcher)) {
            const auto *piece = reinterpret_cast<const xcb_client_message_event_t *>(event);
            if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                heard.append(reinterpret_cast<const char *>(piece->data.data8), 20);
                types.append(piece->type);
            }
            std::free(event);
        }
        return heard.contains('\0');
    });
    xcb_disconnect(launcher);
    QVERIFY(ended);
    QCOMPARE(heard,
             QByteArray(R"(remove: ID=kd\ \"x\"\\y_TIME412345678901)").leftJustified(60, '\0'));
    QCOMPARE(types.count(types.first()), 1); // the rest go on from the first
}

QTEST_MAIN(TestX11Desktop)
#include "TestX11Desktop.moc"
