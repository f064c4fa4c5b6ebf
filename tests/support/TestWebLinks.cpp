#include "RecordingPlatform.h"
#include "TestWindows.h"
#include "reading/ReadingResults.h"
#include "readingwindows/frmNineStar.h"
#include "readingwindows/frmSave.h"
#include "shell/ApplicationShell.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/modHelp.h"
#include "widgets/LinkLabel.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>

class TestWebLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyEntryOpensItsPage_data();
    void everyEntryOpensItsPage();
    void labelsReadAndWorkLikeLinks();

private:
    QWidget *window(const QString &name);

    RecordingPlatform *m_platform = nullptr;
    ApplicationShell *m_shell = nullptr;
    ReadingResults m_results;
};

void TestWebLinks::init()
{
    m_platform = new RecordingPlatform;
    m_shell = new ApplicationShell(*m_platform);
}

void TestWebLinks::cleanup()
{
    deleteAllWindows();
    delete m_shell;
    delete m_platform;
}

QWidget *TestWebLinks::window(const QString &name)
{
    QWidget *shown = nullptr;
    if (name == "frmMain") {
        shown = m_shell->openMainWindow();
    } else if (name == "frmNineStar") {
        shown = m_shell->createReadingWindow();
    } else if (name == "frmSave") {
        shown = new frmSave(*m_platform, m_shell->personalDetails(), m_results);
    } else {
        shown = new frmAbout(*m_platform);
    }
    shown->show();
    return shown;
}

void TestWebLinks::everyEntryOpensItsPage_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("entry"); // a menu entry or a link label
    QTest::addColumn<QString>("address");
    const QString help = modHelp::helpPageAddress();
    const QString home = modHelp::homePageAddress();
    const QString download = modHelp::downloadPageAddress();
    for (const char *name : {"frmMain", "frmNineStar"}) {
        QTest::addRow("%s mnuOnline", name) << name << "mnuOnline" << help;
        QTest::addRow("%s mnuVisit", name) << name << "mnuVisit" << home;
        QTest::addRow("%s mnuUpdate", name) << name << "mnuUpdate" << download;
        QTest::addRow("%s lblLink", name) << name << "lblLink" << home;
    }
    QTest::newRow("frmSave lblCommunity") << "frmSave"
                                          << "lblCommunity" << home;
    QTest::newRow("frmSave lblHomePage") << "frmSave"
                                         << "lblHomePage" << home;
    QTest::newRow("frmAbout lblHomePage") << "frmAbout"
                                          << "lblHomePage" << home;
}

void TestWebLinks::everyEntryOpensItsPage()
{
    QFETCH(QString, window);
    QFETCH(QString, entry);
    QFETCH(QString, address);
    QWidget *shown = this->window(window);
    if (auto *action = shown->findChild<QAction *>(entry))
        action->trigger();
    else
        QTest::mouseClick(shown->findChild<LinkLabel *>(entry), Qt::LeftButton);
    QCOMPARE(m_platform->openedUrls, QStringList{address});
    // Opening a page asks nothing and touches no setting, not even the update entry.
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(m_platform->settings.isEmpty());
}

void TestWebLinks::labelsReadAndWorkLikeLinks()
{
    frmMain *main = m_shell->openMainWindow();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    LinkLabel *link = main->lblLink;
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(link->font().underline());
    QCOMPARE(link->accessibleName(), link->text());
    // Reached with Tab after the designed order, pressed with Enter or Space.
    main->cmdOpen->setFocus();
    QTest::keyClick(main->cmdOpen, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), link);
    QTest::keyClick(link, Qt::Key_Return);
    QTest::keyClick(link, Qt::Key_Space);
    QCOMPARE(m_platform->openedUrls.size(), 2);
}

QTEST_MAIN(TestWebLinks)
#include "TestWebLinks.moc"
