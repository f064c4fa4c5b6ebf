#include "TestWindows.h"
#include "qtdesktop/InstanceFolder.h"
#include "qtdesktop/QtPlatform.h"
#include "qtdesktop/ReadingHandOver.h"
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
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

sockaddr_un addressOf(const QString &path)
{
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
    return address;
}

} // namespace

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
    void instanceFolder_data();
    void instanceFolder();
    void secondClaimIsRefused();
    void lockOfDeadProcessIsTakenOver();
    void oldLockOfLiveProcessHolds();
    void handOverMessages_data();
    void handOverMessages();
    void readingGoesToTheRunningInstance();
    void handOverToAStoppedInstanceEnds();
    void idleConnectionsAreCapped();
    void anotherUsersHandOverIsDropped();
    void settingsRoundTrip();
    void pagesGoToTheBrowser();
    void messageBoxBreaksLines_data();
    void messageBoxBreaksLines();
    void messageBoxBelongsToTheWindowInFront();
    void printingWithoutAPrintServer();

private:
    QTemporaryDir m_runtime;
};

void TestQtPlatform::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_runtime.path().toLocal8Bit());
    QCOMPARE(InstanceFolder().path(), m_runtime.filePath("numorra"));
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

void TestQtPlatform::instanceFolder_data()
{
    // What is made at XDG_RUNTIME_DIR (nothing: unset), at its numorra and at
    // ~/.cache/numorra: a private folder, one open to others, a link to a
    // private folder, a file, another user's private folder; the folder chosen.
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<QString>("chosen");
    const QString runtime = "run/numorra";
    const QString cache = "home/.cache/numorra";
    QTest::newRow("runtime folder") << QStringList{"private", "", ""} << runtime;
    QTest::newRow("no runtime folder") << QStringList{"", "", ""} << cache;
    QTest::newRow("runtime open to others") << QStringList{"open", "", ""} << cache;
    QTest::newRow("runtime a link") << QStringList{"link", "", ""} << cache;
    QTest::newRow("runtime a file") << QStringList{"file", "", ""} << cache;
    QTest::newRow("runtime another user's") << QStringList{"foreign", "", ""} << cache;
    QTest::newRow("a file in our place") << QStringList{"private", "file", ""} << cache;
    QTest::newRow("cache: ours, open to others") << QStringList{"", "", "open"} << cache;
    QTest::newRow("cache: a link") << QStringList{"", "", "link"} << "";
    QTest::newRow("cache: a file") << QStringList{"", "", "file"} << "";
    QTest::newRow("cache: another user's") << QStringList{"", "", "foreign"} << "";
}

void TestQtPlatform::instanceFolder()
{
    QFETCH(QStringList, made);
    QFETCH(QString, chosen);
    if (made.contains("foreign") && geteuid() != 0)
        QSKIP("another user's folder needs root to make");
    const QTemporaryDir root;
    const QStringList places{"run", "run/numorra", "home/.cache/numorra"};
    for (int place = 0; place < places.size(); ++place) {
        const QString path = root.filePath(places.at(place));
        const QByteArray name = QFile::encodeName(path);
        QDir().mkpath(QFileInfo(path).path());
        if (made.at(place) == "file")
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        else if (made.at(place) == "link")
            QVERIFY(QFile::link(root.path(), path));
        else if (!made.at(place).isEmpty())
            QVERIFY(mkdir(name.constData(), made.at(place) == "open" ? 0755 : 0700) == 0);
        if (made.at(place) == "foreign")
            QVERIFY(chown(name.constData(), 65534, 65534) == 0);
    }
    const auto restore = qScopeGuard([this, home = qgetenv("HOME")] {
        qputenv("HOME", home);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    });
    qputenv("HOME", QFile::encodeName(root.filePath("home")));
    qputenv("XDG_RUNTIME_DIR",
            made.constFirst().isEmpty() ? "" : QFile::encodeName(root.filePath("run")));
    if (chosen.isEmpty()) // one line on standard error, and nothing more
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^numorra: found no private folder"));
    QTest::failOnWarning(QRegularExpression("."));
    QtPlatform platform;
    QVERIFY(platform.claimSingleInstance());
    platform.acceptReadings([](const QString &) {});
    QCOMPARE(platform.instanceFolder(), chosen.isEmpty() ? QString() : root.filePath(chosen));
    struct stat status = {};
    lstat(QFile::encodeName(platform.instanceFolder()).constData(), &status);
    QCOMPARE(int(status.st_mode & 0777), chosen.isEmpty() ? 0 : 0700); // made private
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
    auto holder = std::make_unique<QtPlatform>();
    QVERIFY(holder->claimSingleInstance() && !QtPlatform().claimSingleInstance());
    holder.reset(); // its descriptors closed, as when a killed instance's process ends
    QVERIFY(QtPlatform().claimSingleInstance());
    // A later start stops handing over to an instance that has ended (its
    // lock then being the later start's) and runs.
    QtPlatform later;
    const int ending = ::open(QFile::encodeName(m_runtime.filePath("numorra")), O_RDONLY);
    QVERIFY(::flock(ending, LOCK_EX) == 0 && !later.claimSingleInstance());
    std::thread end([ending] { QThread::msleep(300), ::close(ending); });
    QVERIFY(!later.handOverReading("a.qnr") && !QtPlatform().claimSingleInstance());
    QVERIFY(later.claimSingleInstance());
    end.join();
}

void TestQtPlatform::oldLockOfLiveProcessHolds()
{
    // An instance that has been running for an hour still holds its lock.
    QtPlatform running;
    QVERIFY(running.claimSingleInstance());
    QCOMPARE(QProcess::execute("touch", {"-d", "1 hour ago", running.instanceFolder()}), 0);
    QtPlatform later;
    QVERIFY(!later.claimSingleInstance());
}

void TestQtPlatform::handOverMessages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("path"); // empty: the message is dropped
    QTest::addColumn<QByteArray>("token");
    const auto message = [](const QByteArray &path, const QByteArray &token) {
        return path + '\0' + token + '\0';
    };
    const QByteArray longest = '/' + QByteArray(4095, 'a');
    QTest::newRow("path and token")
        << message("/a/anna.qnr", "id-1_TIME2") << "/a/anna.qnr" << QByteArray("id-1_TIME2");
    QTest::newRow("line break, accent")
        << message("/a\n\xc3\xa9.qnr", "") << "/a\n\u00e9.qnr" << QByteArray();
    QTest::newRow("longest path") << message(longest, "") << QString(longest) << QByteArray();
    QTest::newRow("path too long") << message('a' + longest, "") << "" << QByteArray();
    QTest::newRow("relative path") << message("a.qnr", "") << "" << QByteArray();
    QTest::newRow("three parts") << message("/a", "t") + "x" + '\0' << "" << QByteArray();
    QTest::newRow("bytes after") << message("/a", "t") + 'x' << "" << QByteArray();
    QTest::newRow("not UTF-8") << message("/\xff.qnr", "") << "" << QByteArray();
    QTest::newRow("blank in token") << message("/a", "t k") << "" << QByteArray();
}

void TestQtPlatform::handOverMessages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, path);
    QFETCH(QByteArray, token);
    const std::optional<ReadingHandOver::Message> message = ReadingHandOver::parse(bytes);
    QCOMPARE(message.has_value(), !path.isEmpty());
    if (message) {
        QCOMPARE(message->path, path);
        QCOMPARE(message->activationToken, token);
        QCOMPARE(ReadingHandOver::compose(*message), bytes);
    }
}

void TestQtPlatform::readingGoesToTheRunningInstance()
{
    QFile leftOver(m_runtime.filePath("numorra/socket")); // where a killed instance left it
    QVERIFY(leftOver.open(QIODevice::WriteOnly));
    QtPlatform running;
    QVERIFY(running.claimSingleInstance());
    QtPlatform later;
    QVERIFY(!later.claimSingleInstance());
    bool taken = false; // a later start waits for the answer: from another thread here
    qputenv("XDG_ACTIVATION_TOKEN", "token-1");
    std::thread start([&later, &taken] { taken = later.handOverReading("saved/anna.qnr"); });
    // It comes before the running program listens, and tries again until it does.
    QThread::msleep(300);
    QStringList opened;
    running.acceptReadings([&opened](const QString &path) { opened << path; });
    QTRY_COMPARE(opened, QStringList{QDir::current().absoluteFilePath("saved/anna.qnr")});
    start.join();
    QVERIFY(taken);
    // Started anew for it (here this test program is started), with the
    // later start's token, none once a window has spent it, and no
    // launcher's start id.
    QFile started(m_runtime.filePath("started"));
    qputenv("NUMORRA_STARTED", QFile::encodeName(started.fileName()));
    qputenv("DESKTOP_STARTUP_ID", "id-1");
    for (const QByteArray token : {"token-1", ""}) {
        running.startAnew(opened.constFirst());
        QTRY_VERIFY(started.size() > 0);
        QVERIFY(started.open(QIODevice::ReadOnly));
        QCOMPARE(started.readAll(), QFile::encodeName(opened.constFirst()) + ' ' + token + ' ');
        started.remove();
        QWidget window;
        running.bringForward(&window);
    }
    // A program that is ending takes no more.
    QTimer::singleShot(0, [&running] { running.endProcess(0); });
    QCOMPARE(QCoreApplication::exec(), 0);
    std::atomic<bool> answered = false;
    std::thread again([&] { taken = later.handOverReading("bo.qnr"), answered = true; });
    QTRY_VERIFY(answered);
    again.join();
    QVERIFY(!taken && opened.size() == 1);
}

void TestQtPlatform::handOverToAStoppedInstanceEnds()
{
    // A listener that takes nothing, as a stopped instance, its queue full.
    const QString path = m_runtime.filePath("stopped");
    const sockaddr_un address = addressOf(path);
    const auto *at = reinterpret_cast<const sockaddr *>(&address);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    const int queued = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    QVERIFY(bind(listener, at, sizeof(address)) == 0 && ::listen(listener, 0) == 0);
    QVERIFY(::connect(queued, at, sizeof(address)) == 0);
    QVERIFY(!ReadingHandOver::send(path, {"/a.qnr", {}}));
    ::close(queued);
    ::close(listener);
}

void TestQtPlatform::idleConnectionsAreCapped()
{
    const QString path = m_runtime.filePath("capped");
    const sockaddr_un address = addressOf(path);
    ReadingHandOver handOver;
    QStringList opened;
    QVERIFY(handOver.listen(
        path, [&opened](const ReadingHandOver::Message &message) { opened << message.path; }));
    std::vector<int> idle; // connections that never send a thing
    for (int connection = 0; connection < 3 * ReadingHandOver::kMaxWaiting; ++connection) {
        idle.push_back(socket(AF_UNIX, SOCK_STREAM, 0));
        QVERIFY(::connect(idle.back(), reinterpret_cast<const sockaddr *>(&address),
                          sizeof(address)) == 0);
        QCoreApplication::processEvents(); // the running instance takes it
    }
    // The oldest are dropped, the newest wait, and a hand-over still gets through.
    char byte;
    const int newest = 2 * ReadingHandOver::kMaxWaiting;
    QTRY_COMPARE(recv(idle.at(newest - 1), &byte, 1, MSG_DONTWAIT), 0);
    QCOMPARE(recv(idle.at(0), &byte, 1, MSG_DONTWAIT), 0);
    QCOMPARE(recv(idle.at(newest), &byte, 1, MSG_DONTWAIT), -1);
    // A start that gave up before its answer has its file left alone.
    const int gaveUp = socket(AF_UNIX, SOCK_STREAM, 0);
    const QByteArray message = ReadingHandOver::compose({"/b.qnr", {}});
    QVERIFY(::connect(gaveUp, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0);
    QVERIFY(::write(gaveUp, message.constData(), message.size()) == message.size());
    ::close(gaveUp);
    bool taken = false;
    std::thread start([&] { taken = ReadingHandOver::send(path, {"/a.qnr", {}}); });
    QTRY_COMPARE(opened, QStringList{"/a.qnr"});
    start.join();
    QVERIFY(taken);
    for (const int descriptor : idle)
        ::close(descriptor);
}

void TestQtPlatform::anotherUsersHandOverIsDropped()
{
    if (geteuid() != 0)
        QSKIP("connecting as another user needs root");
    QTemporaryDir open; // a socket anyone may reach: the check of the user still guards it
    const QString path = open.filePath("s");
    ReadingHandOver handOver;
    int received = 0;
    QVERIFY(handOver.listen(path, [&received](const ReadingHandOver::Message &) { ++received; }));
    for (const QString &file : {open.path(), path})
        QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions(0x7777)));
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
    const QByteArray message = ReadingHandOver::compose({"/tmp/anna.qnr", {}});
    const pid_t child = fork();
    if (child == 0) { // as nobody: a well-formed message, then the answer awaited
        const int peer = socket(AF_UNIX, SOCK_STREAM, 0);
        char answer = 0;
        _exit(setgid(65534) == 0 && setuid(65534) == 0 &&
              ::connect(peer, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0 &&
              ::write(peer, message.constData(), message.size()) == message.size() &&
              ::read(peer, &answer, 1) == 1);
    }
    int status = -1;
    while (waitpid(child, &status, WNOHANG) == 0)
        QTest::qWait(20);
    QCOMPARE(status, 0); // no answer
    QCOMPARE(received, 0);
}

void TestQtPlatform::settingsRoundTrip()
{
    QtPlatform platform;
    QCOMPARE(platform.readSetting("numorra-test", "Settings", "missing"), QString(""));
    QVERIFY(platform.writeSetting("numorra-test", "Settings", "Key", "value"));
    QCOMPARE(platform.readSetting("numorra-test", "Settings", "Key"), QString("value"));
    // A store that is not a regular file is neither read nor written.
    QVERIFY(QDir(m_runtime.path()).mkpath("numorra-pipe"));
    const QString pipe = m_runtime.filePath("numorra-pipe/numorra-pipe.ini");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(!platform.readSetting("numorra-pipe", "Settings", "Key"));
    QVERIFY(!platform.writeSetting("numorra-pipe", "Settings", "Key", "value"));
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

// Another program's window has the focus, as a moment after a window of ours
// is shown or raised, before the desktop activates it.
void TestQtPlatform::messageBoxBelongsToTheWindowInFront()
{
    QWidget first, second;
    QWindow elsewhere;
    QtPlatform platform;
    const auto boxParent = [&platform, &elsewhere](bool focusElsewhere) {
        if (focusElsewhere) {
            elsewhere.show();
            elsewhere.requestActivate();
            static_cast<void>(QTest::qWaitFor([] { return !QApplication::activeWindow(); }));
        }
        QWidget *parent = nullptr;
        whenModalOpens([&parent](QWidget *box) {
            parent = box->parentWidget();
            box->close();
        });
        platform.showMessage("text", Platform::Icon::Information, Platform::Buttons::Ok);
        return parent;
    };
    first.show();
    QCOMPARE(boxParent(true), &first); // the only window shown
    second.show();
    QCOMPARE(boxParent(true), nullptr); // two, and neither in front
    platform.bringForward(&second);
    QCOMPARE(boxParent(true), &second);
    first.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&first));
    QCOMPARE(boxParent(false), &first);
}

// The print service is there (libcups), the server is not.
void TestQtPlatform::printingWithoutAPrintServer()
{
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    // None there, and one that takes the connection but never answers.
    const QString hung = m_runtime.filePath("hung-cups.sock");
    const sockaddr_un address = addressOf(hung);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0);
    QVERIFY(::listen(listener, 4) == 0);
    for (const QString &server : {m_runtime.filePath("no-cups.sock"), hung}) {
        qputenv("CUPS_SERVER", QFile::encodeName(server));
        QCOMPARE(QtPlatform().printText("A report", "Numorra report"),
                 Platform::PrintOutcome::NoPrintServer);
    }
    qunsetenv("CUPS_SERVER");
    ::close(listener);
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--") == 0) { // as startAnew starts the program
        QFile started(qEnvironmentVariable("NUMORRA_STARTED"));
        started.open(QIODevice::WriteOnly);
        return !started.write(argv[2] + (' ' + qgetenv("XDG_ACTIVATION_TOKEN")) + ' ' +
                              qgetenv("DESKTOP_STARTUP_ID"));
    }
    QApplication application(argc, argv);
    TestQtPlatform test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "TestQtPlatform.moc"
