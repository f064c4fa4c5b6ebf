#include "TestWindows.h"
#include "qtdesktop/QtPlatform.h"
#include "shell/ApplicationShell.h"
#include "shell/PersonalDetailsGroup.h"
#include "shell/frmMain.h"
#include "support/modHelp.h"

#include <QLineEdit>
#include <QMessageBox>

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

// Stands in for the browser: records the addresses the desktop is asked to open.
class Browser : public QObject
{
    Q_OBJECT

public:
    QStringList opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened << url.toString(); }
};

class TestQtPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void clearClipboardEmptiesText();
    void calculationEmptiesClipboard();
    void secondClaimIsRefused();
    void lockOfDeadProcessIsTakenOver();
    void oldLockOfLiveProcessHolds();
    void settingsRoundTrip();
    void pagesGoToTheBrowser();
    void messageBoxBreaksLines_data();
    void messageBoxBreaksLines();
    void printingWithoutAPrintServer();

private:
    QTemporaryDir m_runtime;
};

void TestQtPlatform::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_runtime.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(false);
    QVERIFY(QtPlatform::instanceLockPath().startsWith(m_runtime.path()));
}

void TestQtPlatform::clearClipboardEmptiesText()
{
    QGuiApplication::clipboard()->setText("copied reading");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("copied reading"));
    QtPlatform platform;
    platform.clearClipboard();
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
}

void TestQtPlatform::calculationEmptiesClipboard()
{
    QGuiApplication::clipboard()->setText("text copied before the reading");
    QtPlatform platform;
    ApplicationShell shell(platform);
    frmMain *window = shell.openMainWindow();
    window->fraDetails->txtName->setText("Anna Lee");
    window->RunCalculation();
    QVERIFY(shell.readingWindow() != nullptr);
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    QVERIFY(!platform.endRequested());
    deleteAllWindows();
}

void TestQtPlatform::secondClaimIsRefused()
{
    QtPlatform first;
    QtPlatform second;
    QVERIFY(first.claimSingleInstance());
    QVERIFY(first.claimSingleInstance()); // a claim already held stays held
    QVERIFY(!second.claimSingleInstance());
}

void TestQtPlatform::lockOfDeadProcessIsTakenOver()
{
    // A process that has ended leaves its lock behind, as a killed instance would.
    QProcess ended;
    ended.start("true", {});
    QVERIFY(ended.waitForFinished());
    const qint64 deadPid = ended.processId() != 0 ? ended.processId() : 999999;
    {
        QSaveFile lock(QtPlatform::instanceLockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nnumorra\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        QVERIFY(lock.commit());
    }
    QtPlatform platform;
    QVERIFY(platform.claimSingleInstance());
}

void TestQtPlatform::oldLockOfLiveProcessHolds()
{
    // An instance that has been running for an hour still holds its lock.
    QtPlatform running;
    QVERIFY(running.claimSingleInstance());
    QFile lock(QtPlatform::instanceLockPath());
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                             QFileDevice::FileModificationTime));
    lock.close();
    QtPlatform later;
    QVERIFY(!later.claimSingleInstance());
}

void TestQtPlatform::settingsRoundTrip()
{
    QtPlatform platform;
    QCOMPARE(platform.readSetting("numorra-test", "Settings", "missing"), QString(""));
    QVERIFY(platform.writeSetting("numorra-test", "Settings", "Key", "value"));
    QCOMPARE(platform.readSetting("numorra-test", "Settings", "Key"), QString("value"));
}

void TestQtPlatform::pagesGoToTheBrowser()
{
    Browser browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    QtPlatform platform;
    modHelp::OpenHelpPage(platform);
    modHelp::OpenHomePage(platform);
    modHelp::OpenDownloadPage(platform);
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(browser.opened, QStringList({modHelp::helpPageAddress(), modHelp::homePageAddress(),
                                          modHelp::downloadPageAddress()}));
}

void TestQtPlatform::messageBoxBreaksLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR LF") << "one\r\ntwo"
                           << "one\ntwo";
    QTest::newRow("CR alone, as the update question has it") << "one\rtwo"
                                                             << "one\ntwo";
    QTest::newRow("LF") << "one\ntwo"
                        << "one\ntwo";
}

void TestQtPlatform::messageBoxBreaksLines()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QString seen;
    whenModalOpens([&seen](QWidget *box) {
        seen = static_cast<QMessageBox *>(box)->text();
        box->close();
    });
    QtPlatform().showMessage(text, Platform::Icon::Information, Platform::Buttons::Ok);
    QCOMPARE(seen, shown);
}

// The print service is there (libcups), the server is not: no default printer.
void TestQtPlatform::printingWithoutAPrintServer()
{
    qputenv("CUPS_SERVER", QFile::encodeName(m_runtime.filePath("no-cups.sock")));
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    const Platform::PrintOutcome outcome = QtPlatform().printText("A report", "Numorra report");
    qunsetenv("CUPS_SERVER");
    QCOMPARE(outcome, Platform::PrintOutcome::NoPrinter);
}

QTEST_MAIN(TestQtPlatform)
#include "TestQtPlatform.moc"
