#include "RecordingPlatform.h"
#include "TestWindows.h"
#include "details/PersonalDetails.h"
#include "details/PersonalDetailsRules.h"
#include "reading/ReadingFile.h"
#include "readingwindows/frmNineStar.h"
#include "shell/ApplicationShell.h"
#include "shell/CommandLine.h"
#include "shell/PersonalDetailsGroup.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/SettingsStore.h"
#include "support/ShortDate.h"
#include "support/modHelp.h"
#include "widgets/ProductTexts.h"
#include "widgets/WidgetStyle.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <stdexcept>
#include <sys/stat.h>

namespace {

QStringList menuCaptions(QMainWindow *window, bool includeHidden)
{
    QStringList captions;
    for (QAction *menu : window->menuBar()->actions()) {
        captions << menu->text();
        for (QAction *entry : menu->menu()->actions()) {
            if (includeHidden || entry->isVisible())
                captions << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        }
    }
    return captions;
}

} // namespace

class TestApplicationShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startShowsMainWindow();
    void secondInstanceIsRefused();
    void startOpensTheNamedReading_data();
    void startOpensTheNamedReading();
    void readingOpensHereWhenTheRunningInstanceCloses();
    void handedOverReadingOpens_data();
    void handedOverReadingOpens();
    void handedOverReadingWaitsForANestedLoop();
    void commandLine_data();
    void commandLine();
    void reminderRunsBeforeMainWindowAndMayFail();
    void dueReminderAsksBeforeMainWindow();
    void mainWindowCaptions();
    void mainWindowMenus();
    void introductionText();
    void accessKeysReachTheirCommands();
    void aboutClosesOnEscapeAndEnter_data();
    void aboutClosesOnEscapeAndEnter();
    void aboutFromReadingWindow();
    void exitEndsProgram_data();
    void exitEndsProgram();
    void closeApplicationStartsNoFollowUp();

private:
    RecordingPlatform *m_platform = nullptr;
    ApplicationShell *m_shell = nullptr;
};

void TestApplicationShell::init()
{
    m_platform = new RecordingPlatform;
    m_shell = new ApplicationShell(*m_platform);
}

void TestApplicationShell::cleanup()
{
    deleteAllWindows();
    delete m_shell;
    delete m_platform;
}

void TestApplicationShell::startShowsMainWindow()
{
    m_shell->StartApplication();
    frmMain *window = m_shell->mainWindow();
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(m_platform->endedWith.isEmpty());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->fraDetails->txtName);
}

void TestApplicationShell::secondInstanceIsRefused()
{
    m_platform->otherInstanceRunning = true;
    m_shell->StartApplication();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Information);
    QCOMPARE(m_platform->messages[0].buttons, Platform::Buttons::Ok);
    QCOMPARE(m_platform->endedWith, QList<int>{0});
    QVERIFY(m_shell->mainWindow() == nullptr);
    QVERIFY(m_platform->handedOver.isEmpty()); // the running instance is left undisturbed
}

void TestApplicationShell::startOpensTheNamedReading_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("otherInstance");
    QTest::addColumn<bool>("taken");      // by the running instance, from a second start
    QTest::addColumn<QString>("message"); // empty: the reading opens, here or in the other instance
    QTest::newRow("saved reading") << "anna.qnr" << true << false << false << QString();
    // Opened, where the Open dialog refuses it: no dialog to pick another file.
    QTest::newRow("read-only reading") << "read-only.qnr" << true << false << false << QString();
    QTest::newRow("wrong extension")
        << "anna.txt" << true << false << false << "Please Check The File.";
    QTest::newRow("no such file") << "gone.qnr" << false << false << false
                                  << "Please Check The File.";
    QTest::newRow("named pipe") << "pipe.qnr" << false << false << false
                                << "Please Check The File.";
    QTest::newRow("second start hands it over") << "anna.qnr" << true << true << true << QString();
    QTest::newRow("second start, not taken")
        << "anna.qnr" << true << true << false << "Application is already running";
}

void TestApplicationShell::startOpensTheNamedReading()
{
    QFETCH(QString, file);
    QFETCH(bool, written);
    QFETCH(bool, otherInstance);
    QFETCH(bool, taken);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    const PersonalDetails anna = PersonalDetailsRules::capture("Anna Lee", "5", "March", "1980");
    if (written) {
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::WriteOnly));
        saved.write(ReadingFile::compose(anna));
        saved.setPermissions(file.startsWith("read-only") ? QFile::ReadOwner : saved.permissions());
    }
    QVERIFY(!file.startsWith("pipe") || mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    m_platform->otherInstanceRunning = otherInstance;
    m_platform->handOverTaken = taken;
    m_shell->StartApplication(path);

    QCOMPARE(m_platform->handedOver, otherInstance ? QStringList{path} : QStringList());
    if (otherInstance) { // a second start shows no window of its own and ends
        QCOMPARE(m_platform->endedWith, QList<int>{0});
        QVERIFY(!QApplication::windowIcon().isNull()); // its message's icon
        QVERIFY(!m_shell->mainWindow() && !m_shell->readingWindow());
    }
    if (message.isEmpty() && !otherInstance) {
        QVERIFY(m_platform->messages.isEmpty());
        QVERIFY(m_shell->readingWindow() && m_shell->readingWindow()->isVisible());
        QTRY_VERIFY(m_shell->mainWindow() == nullptr);
        QCOMPARE(m_shell->personalDetails().Name, anna.Name);
        QCOMPARE(m_shell->personalDetails().BirthDate, anna.BirthDate);
        return;
    }
    QCOMPARE(m_platform->messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(m_platform->messages.constFirst().text, message);
    QVERIFY(m_shell->readingWindow() == nullptr);
    QCOMPARE(m_shell->mainWindow() != nullptr, !otherInstance);
}

void TestApplicationShell::readingOpensHereWhenTheRunningInstanceCloses()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("anna.qnr");
    QVERIFY(ReadingFile::write(
        path, PersonalDetailsRules::capture("Anna Lee", "5", "March", "1980"), nullptr));
    m_platform->otherInstanceRunning = m_platform->otherInstanceEnds = true;
    m_platform->handOverTaken = false;
    m_shell->StartApplication(path);
    QVERIFY(m_platform->messages.isEmpty() && m_platform->endedWith.isEmpty());
    QVERIFY(m_shell->readingWindow() && m_shell->readingWindow()->isVisible());
    // Readings this start takes as it ends, not yet opened or once it is
    // closing, open in a new start.
    m_platform->acceptedReadings("/saved/bo.qnr");
    m_shell->CloseApplication();
    m_platform->acceptedReadings("/saved/cy.qnr");
    QCOMPARE(m_platform->startedAnew, (QStringList{"/saved/bo.qnr", "/saved/cy.qnr"}));
}

void TestApplicationShell::handedOverReadingOpens_data()
{
    QTest::addColumn<bool>("overReading"); // else over the main window
    QTest::addColumn<bool>("behindModal");
    QTest::addColumn<QString>("file");
    QTest::newRow("over the main window") << false << false << "anna.qnr";
    QTest::newRow("over a reading window") << true << false << "anna.qnr";
    QTest::newRow("not a reading, over the main window") << false << false << "anna.txt";
    QTest::newRow("not a reading, over a reading window") << true << false << "anna.txt";
    QTest::newRow("behind a dialog") << true << true << "anna.qnr";
}

void TestApplicationShell::handedOverReadingOpens()
{
    QFETCH(bool, overReading);
    QFETCH(bool, behindModal);
    QFETCH(QString, file);
    QTemporaryDir folder;
    QFile saved(folder.filePath(file));
    QVERIFY(saved.open(QIODevice::WriteOnly));
    saved.write(
        ReadingFile::compose(PersonalDetailsRules::capture("Anna Lee", "5", "March", "1980")));
    saved.close();
    m_shell->StartApplication();
    if (overReading) {
        m_shell->mainWindow()->fraDetails->txtName->setText("Bo");
        m_shell->mainWindow()->RunCalculation();
        QTRY_VERIFY(!m_shell->mainWindow());
    }
    QWidget *shown =
        overReading ? static_cast<QWidget *>(m_shell->readingWindow()) : m_shell->mainWindow();
    const QPointer<QWidget> before = shown;
    auto *dialog = new QDialog(shown);
    dialog->setModal(true);
    if (behindModal)
        dialog->show();

    m_platform->acceptedReadings(saved.fileName());
    QObject *front = behindModal ? dialog : static_cast<QObject *>(shown);
    QTRY_COMPARE(m_platform->broughtForward.value(0), front);
    if (behindModal) { // the reading waits for the dialog to close
        QVERIFY(m_shell->readingWindow() == shown);
        dialog->close();
    }
    const bool opens = file.endsWith(".qnr");
    QTRY_COMPARE(m_shell->personalDetails().Name, QString(opens         ? "Anna Lee"
                                                          : overReading ? "Bo"
                                                                        : ""));
    QCOMPARE(m_platform->messages.size(), opens ? 0 : 1);
    QVERIFY(!m_shell->readingWindow() || m_shell->readingWindow()->isVisible());
    QCOMPARE(m_shell->readingWindow() && m_shell->readingWindow() != before, opens);
    QTRY_COMPARE(m_shell->mainWindow() != nullptr, !opens && !overReading);
    if (opens)
        QVERIFY(m_platform->broughtForward.last() == m_shell->readingWindow());
}

void TestApplicationShell::handedOverReadingWaitsForANestedLoop()
{
    // Within the program's loop, one of its own and no dialog, as during a
    // drag: the file waits for its end.
    m_shell->StartApplication();
    QEventLoop program, drag;
    qsizetype toldDuringDrag = -1;
    QTimer::singleShot(0, &program, [&] {
        QTimer::singleShot(0, &drag, [this] { m_platform->acceptedReadings("/nowhere/a.qnr"); });
        QTimer::singleShot(300, &drag, [&] {
            toldDuringDrag = m_platform->messages.size();
            drag.quit();
        });
        drag.exec();
        program.quit();
    });
    program.exec();
    QCOMPARE(toldDuringDrag, 0);
    QTRY_COMPARE(m_platform->messages.size(), 1); // no such file
}

void TestApplicationShell::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Request>("request");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("answer"); // the start of what is printed; %1 the program
    using R = CommandLine::Request;
    const QStringList qtOptions{"-platform", "offscreen", "--style=fusion", "-reverse"};
    QTest::newRow("Qt's options, readings")
        << qtOptions + QStringList{"a.qnr", "b.qnr"} << R::Start << "a.qnr"
        << "";
    QTest::newRow("a reading after --")
        << QStringList{"-display", ":1", "--", "-a.qnr"} << R::Start << "-a.qnr"
        << "";
    // Qt alone would read ":a.qnr" as one of the program's own resources.
    QTest::newRow("a reading whose name starts with a colon")
        << QStringList{"-platform", "offscreen", ":a.qnr"} << R::Start << "./:a.qnr"
        << "";
    QTest::newRow("help") << QStringList{"a.qnr", "-h"} << R::Help << "a.qnr"
                          << "Usage: %1 [options] [FILE.qnr]\nGives a person's";
    QTest::newRow("version") << QStringList{"--version"} << R::Version << ""
                             << "numorra (numorra) 1.75\n";
    QTest::newRow("unknown option") << QStringList{"--colour=red", "--help"} << R::UsageError << ""
                                    << "numorra: Unknown option 'colour'.\nUsage: %1 [options]";
    QTest::newRow("Qt's flag with a value") << QStringList{"-reverse=1"} << R::UsageError << ""
                                            << "numorra: Unexpected value after '-reverse'.";
    QTest::newRow("no display") << QStringList{"a.qnr"} << R::NoDisplay << "a.qnr"
                                << "numorra: no display to open a window on was found";
    QTest::newRow("help in Chinese") << QStringList{"-h"} << R::Help << ""
                                     << "用法：%1 [选项] [FILE.qnr]\n在窗口中按中国数字命理";
    QTest::newRow("unknown option in Chinese") << QStringList{"-x"} << R::UsageError << ""
                                               << "numorra: 未知选项“x”。\n用法：%1 [选项]";
}

void TestApplicationShell::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Request, request);
    QFETCH(QString, file);
    QFETCH(QString, answer);
    const CommandLine commandLine(QStringList{"numorra"} + arguments, QProcessEnvironment());
    QCOMPARE(commandLine.request(), request);
    QCOMPARE(commandLine.readingFile(), file);
    if (request == CommandLine::Request::Start)
        return;
    // The real program answers with no display, and without loading a platform plugin.
    QProcess program;
    QProcessEnvironment environment;
    environment.insert("QT_DEBUG_PLUGINS", "1");
    if (QByteArray(QTest::currentDataTag()).endsWith("in Chinese"))
        environment.insert("LC_ALL", "zh_CN.UTF-8");
    program.setProcessEnvironment(environment);
    program.start(NUMORRA_PROGRAM, arguments);
    QVERIFY(program.waitForFinished());
    const bool usage = request == CommandLine::Request::UsageError;
    const bool answers =
        request == CommandLine::Request::Help || request == CommandLine::Request::Version;
    QCOMPARE(program.exitCode(), answers ? 0 : usage ? 2 : 1);
    const QString output = program.readAllStandardOutput();
    const QString errors = program.readAllStandardError();
    QVERIFY2((answers ? output : errors).startsWith(answer.replace("%1", NUMORRA_PROGRAM)),
             qPrintable(output + errors));
    QVERIFY2(!errors.contains("platforms"), qPrintable(errors));
    // An answer that cannot be written fails.
    program.setStandardOutputFile("/dev/full");
    program.start(NUMORRA_PROGRAM, arguments);
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitCode(), usage ? 2 : 1);
}

void TestApplicationShell::reminderRunsBeforeMainWindowAndMayFail()
{
    bool mainWindowExisted = true;
    m_shell->setUpdateReminder([&] {
        mainWindowExisted = m_shell->mainWindow() != nullptr;
        throw std::runtime_error("settings store unreadable");
    });
    m_shell->StartApplication();
    QVERIFY(!mainWindowExisted);
    QVERIFY(m_shell->mainWindow() != nullptr);
    QVERIFY(m_shell->mainWindow()->isVisible());
}

void TestApplicationShell::dueReminderAsksBeforeMainWindow()
{
    SettingsStore::WriteSetting(*m_platform, "Duration",
                                ShortDate::toText(m_platform->todayDate.addDays(-30)));
    bool mainWindowExisted = true;
    m_platform->onMessage = [&](const RecordingPlatform::Message &) {
        mainWindowExisted = m_shell->mainWindow() != nullptr;
    };
    m_shell->StartApplication();
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(!mainWindowExisted);
    QVERIFY(m_shell->mainWindow()->isVisible());
}

void TestApplicationShell::mainWindowCaptions()
{
    frmMain *window = m_shell->openMainWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Numorra v1.75"));
    QVERIFY(!window->windowIcon().isNull());
    // Every size of the icon is there and drawn, not blank.
    for (const int size : {16, 32, 48, 128}) {
        const QImage icon = WidgetStyle::applicationIcon().pixmap(size, size).toImage();
        QCOMPARE(icon.size(), QSize(size, size));
        int drawn = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                drawn += qAlpha(icon.pixel(x, y)) > 0 ? 1 : 0;
        QVERIFY(drawn > size * size / 4);
    }
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->centralWidget()->size(), QSize(501, 410));
    QCOMPARE(window->palette().color(QPalette::Window), QColor(0, 64, 0));
    QCOMPARE(window->cmdOpen->text(), QStringLiteral("&Open Previously Saved Reading"));
    QCOMPARE(window->cmdOpen->geometry(), QRect(336, 217, 127, 127));
    QCOMPARE(window->cmdOpen->font().pointSizeF(), 9.0);
    QCOMPARE(window->cmdProceed->text(),
             QStringLiteral("Calculate My &Favourable Number By Chinese Numerology"));
    auto *heading = window->findChild<QLabel *>("lblHeading");
    QCOMPARE(heading->text(), QStringLiteral("Numorra"));
    QCOMPARE(heading->font().pointSizeF(), 14.25);
    QVERIFY(heading->font().bold());
    QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(window->findChild<QLabel *>("lblInstruction")->text(),
             QStringLiteral("Just input your name and date of birth and get to know your lucky "
                            "Chinese Numerology Number!"));
    // The access keys reach their commands: Alt+O the open button.
    QCOMPARE(QKeySequence::mnemonic(window->cmdOpen->text()), QKeySequence(Qt::ALT | Qt::Key_O));
    QCOMPARE(QKeySequence::mnemonic(window->cmdProceed->text()), QKeySequence(Qt::ALT | Qt::Key_F));
}

void TestApplicationShell::mainWindowMenus()
{
    frmMain *window = m_shell->openMainWindow();
    QCOMPARE(menuCaptions(window, false),
             (QStringList{"&File", "E&xit", "&Help", "&Online Help", "&Visit Us Online", "-",
                          "Check for Software &Update", "-", "&About Software"}));
    QCOMPARE(menuCaptions(window, true).mid(0, 4),
             (QStringList{"&File", "Calculate My &Favourable Number", "-", "E&xit"}));
    QVERIFY(!window->mnuCalculate->isVisible());
    for (const char *name :
         {"mnuFile", "mnuExit", "mnuHelp", "mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout"})
        QVERIFY2(window->findChild<QObject *>(name) != nullptr, name);
}

void TestApplicationShell::introductionText()
{
    const QString text = ProductTexts::introduction();
    QCOMPARE(text.size(), 514);
    QVERIFY(text.startsWith(
        "Numerology is an age old subject, the origin of which is unknown till date;"));
    QVERIFY(
        ProductTexts::about().startsWith("Numorra is an excellent and thought provoking program."));
    frmMain *window = m_shell->openMainWindow();
    auto *label = window->findChild<QLabel *>("lblIntroduction");
    QCOMPARE(label->text(), text);
    QCOMPARE(label->geometry(), QRect(6, 64, 488, 109));
}

void TestApplicationShell::accessKeysReachTheirCommands()
{
    frmMain *window = m_shell->openMainWindow();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // Alt+F presses the calculate button every time, though the File menu shares the key.
    for (int press = 1; press <= 3; ++press) {
        QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(m_platform->messages.size(), press);
        QCOMPARE(m_platform->messages.last().text, QStringLiteral("Please Enter Your Name"));
    }
    QCOMPARE(QApplication::focusWidget(), window->fraDetails->txtName);
    QVERIFY(window->fraDetails->txtName->text().isEmpty());
    // F10 opens the File menu on its one usable entry.
    QTest::keyClick(window, Qt::Key_F10);
    QTRY_VERIFY(window->findChild<QMenu *>("mnuFile")->isVisible());
    QCOMPARE(window->findChild<QMenu *>("mnuFile")->activeAction(), window->mnuExit);
    window->findChild<QMenu *>("mnuFile")->close();
    // Alt+H opens the Help menu.
    QTest::keyClick(window, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(window->findChild<QMenu *>("mnuHelp")->isVisible());
    window->findChild<QMenu *>("mnuHelp")->close();
}

void TestApplicationShell::aboutClosesOnEscapeAndEnter_data()
{
    // Pressed where the keyboard focus is, which starts on OK.
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("pagesOpened");
    QTest::newRow("Escape") << QList<int>{Qt::Key_Escape} << 0;
    QTest::newRow("Enter") << QList<int>{Qt::Key_Return} << 0;
    QTest::newRow("Tab to the link, Enter, Escape")
        << QList<int>{Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape} << 1;
}

void TestApplicationShell::aboutClosesOnEscapeAndEnter()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, pagesOpened);
    frmMain *window = m_shell->openMainWindow();
    window->fraDetails->txtName->setText("Anna");
    PersonalDetailsGroup::selectListItem(window->fraDetails->cboMonth, "May");
    QString caption;
    QString okText;
    QString focused;
    whenModalOpens([&](QWidget *modal) {
        caption = modal->windowTitle();
        auto *about = qobject_cast<frmAbout *>(modal);
        okText = about ? about->cmdOK->text() : QString();
        focused = modal->focusWidget() ? modal->focusWidget()->objectName() : QString();
        for (const int key : keys)
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key(key));
        if (modal->isVisible())
            modal->close(); // the keys did not close it
    });
    window->findChild<QAction *>("mnuAbout")->trigger(); // returns once the window closed
    QCOMPARE(caption, QStringLiteral("Numorra v1.75"));
    QCOMPARE(okText, QStringLiteral("OK"));
    QCOMPARE(focused, QStringLiteral("cmdOK"));
    QCOMPARE(m_platform->openedUrls.size(), pagesOpened);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(window->fraDetails->txtName->text(), QStringLiteral("Anna"));
    QCOMPARE(window->fraDetails->cboMonth->currentText(), QStringLiteral("May"));
    QVERIFY(window->isVisible());
    QVERIFY(m_platform->endedWith.isEmpty());
}

void TestApplicationShell::aboutFromReadingWindow()
{
    frmMain *window = m_shell->openMainWindow();
    window->fraDetails->txtName->setText("Anna");
    window->RunCalculation();
    frmNineStar *reading = m_shell->readingWindow();
    QWidget *parentSeen = nullptr;
    whenModalOpens([&](QWidget *modal) {
        parentSeen = modal->parentWidget();
        auto *about = qobject_cast<frmAbout *>(modal);
        QVERIFY(about != nullptr);
        QVERIFY(about->cmdOK->isDefault());
        QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
        about->cmdOK->click();
    });
    reading->findChild<QAction *>("mnuAbout")->trigger();
    QCOMPARE(parentSeen, reading);
    QCOMPARE(m_platform->openedUrls, QStringList{modHelp::homePageAddress()});
    QVERIFY(reading->isVisible());
}

void TestApplicationShell::exitEndsProgram_data()
{
    QTest::addColumn<bool>("useMenu");
    QTest::newRow("E&xit") << true;
    QTest::newRow("close box") << false;
}

void TestApplicationShell::exitEndsProgram()
{
    QFETCH(bool, useMenu);
    frmMain *window = m_shell->openMainWindow();
    if (useMenu)
        window->mnuExit->trigger();
    else
        window->close();
    QCOMPARE(m_platform->endedWith, QList<int>{0});
    QVERIFY(m_platform->messages.isEmpty()); // no question asked
}

void TestApplicationShell::closeApplicationStartsNoFollowUp()
{
    frmMain *window = m_shell->openMainWindow();
    window->fraDetails->txtName->setText("Anna");
    window->RunCalculation();
    QTRY_VERIFY(m_shell->mainWindow() == nullptr);
    m_shell->CloseApplication();
    // Closing the reading window here neither went back to a main window nor ended twice.
    QVERIFY(m_shell->mainWindow() == nullptr);
    QCOMPARE(m_platform->endedWith, QList<int>{0});
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY(!top->isVisible());
}

QTEST_MAIN(TestApplicationShell)
#include "TestApplicationShell.moc"
