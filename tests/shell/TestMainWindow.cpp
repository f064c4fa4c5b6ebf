#include "RecordingPlatform.h"
#include "TestWindows.h"
#include "details/PersonalDetails.h"
#include "reading/ReadingResults.h"
#include "readingwindows/frmNineStar.h"
#include "shell/ApplicationShell.h"
#include "shell/PersonalDetailsGroup.h"
#include "shell/frmMain.h"
#include "support/TextCodec.h"
#include "widgets/LinkLabel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

Q_DECLARE_METATYPE(Platform::Icon)

namespace {

// The shell, able to make engine steps fail as a step can fail.
class ShellWithFailingSteps : public ApplicationShell
{
public:
    using ApplicationShell::ApplicationShell;

    CalculationStepList engineSteps(const PersonalDetails &details,
                                    ReadingResults &results) const override
    {
        CalculationStepList steps = ApplicationShell::engineSteps(details, results);
        if (failing) {
            // The profile step writes its group, then fails before the rest.
            const auto original = steps[1].run;
            steps[1].run = [original] {
                original();
                throw std::runtime_error("made to fail");
            };
            steps[2].run = [] {
                throw std::logic_error("description fails at once");
            };
        }
        return steps;
    }

    bool failing = false;
};

const QString kName = QStringLiteral("Please Enter Your Name");
const QString kFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kThirtyDays = QStringLiteral("Please Enter Correct Date Or Month !");
const QString kCheckFile = QStringLiteral("Please Check The File.");
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void opensWithDefaults();
    void keyboardOrder();
    void listKeepsSelectionForUnknownText();
    void nameFieldHoldsOneLine_data();
    void nameFieldHoldsOneLine();
    void validationMessages_data();
    void validationMessages();
    void calculationShowsReadingAndClosesMain();
    void failingStepStillShowsReading();
    void secondCalculationKeepsOnlySecondPerson();
    void calculationEmptiesClipboard();
    void openSavedReading_data();
    void openSavedReading();

private:
    frmMain *enter(const QString &name, const QString &day, const QString &month,
                   const QString &year);

    RecordingPlatform *m_platform = nullptr;
    ShellWithFailingSteps *m_shell = nullptr;
};

void TestMainWindow::init()
{
    m_platform = new RecordingPlatform;
    m_shell = new ShellWithFailingSteps(*m_platform);
    m_shell->openMainWindow();
}

void TestMainWindow::cleanup()
{
    deleteAllWindows();
    delete m_shell;
    delete m_platform;
}

frmMain *TestMainWindow::enter(const QString &name, const QString &day, const QString &month,
                               const QString &year)
{
    frmMain *window = m_shell->mainWindow();
    enterDetails(window, name, day, month, year);
    return window;
}

void TestMainWindow::opensWithDefaults()
{
    frmMain *window = m_shell->mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->fraDetails->txtName->text(), QString());
    QCOMPARE(window->fraDetails->cboDate->count(), 31);
    QCOMPARE(window->fraDetails->cboMonth->count(), 12);
    QCOMPARE(window->fraDetails->cboYear->count(), 151);
    QCOMPARE(window->fraDetails->cboDate->currentText(), QStringLiteral("1"));
    QCOMPARE(window->fraDetails->cboMonth->currentText(), QStringLiteral("January"));
    QCOMPARE(window->fraDetails->cboYear->currentText(), QStringLiteral("1970"));
    QVERIFY(!window->fraDetails->cboDate->isEditable());
    QCOMPARE(window->fraDetails->title(), QStringLiteral("Personal Details"));
    QCOMPARE(window->cmdProceed->text(),
             QStringLiteral("Calculate My &Favourable Number By Chinese Numerology"));
    QCOMPARE(window->fraDetails->geometry(), QRect(33, 212, 293, 89));
    QCOMPARE(window->cmdProceed->geometry(), QRect(33, 307, 293, 35));
    QCOMPARE(window->fraDetails->txtName->geometry(), QRect(70, 26, 212, 23));
    QCOMPARE(window->fraDetails->txtName->palette().color(QPalette::Text), QColor(128, 255, 128));
    QCOMPARE(window->fraDetails->txtName->palette().color(QPalette::Base), QColor(64, 64, 64));
}

void TestMainWindow::keyboardOrder()
{
    frmMain *window = m_shell->mainWindow();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->fraDetails->txtName);
    const QList<QWidget *> order = {window->fraDetails->cboDate,
                                    window->fraDetails->cboMonth,
                                    window->fraDetails->cboYear,
                                    window->cmdProceed,
                                    window->cmdOpen,
                                    window->lblLink,
                                    window->fraDetails->txtName};
    for (QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    // Enter presses the button in focus: Calculate, with no name, asks for one.
    window->cmdProceed->setFocus();
    QTest::keyClick(window->cmdProceed, Qt::Key_Return);
    QCOMPARE(m_platform->messages.size(), 1);
    QKeyEvent other(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier); // any other goes on, unused
    QApplication::sendEvent(window, &other);
    QVERIFY(!other.isAccepted());
}

void TestMainWindow::listKeepsSelectionForUnknownText()
{
    QComboBox *months = m_shell->mainWindow()->fraDetails->cboMonth;
    QVERIFY(PersonalDetailsGroup::selectListItem(months, "March"));
    QVERIFY(!PersonalDetailsGroup::selectListItem(months, "march"));
    QVERIFY(!PersonalDetailsGroup::selectListItem(months, "Smarch"));
    QCOMPARE(months->currentText(), QStringLiteral("March"));
}

void TestMainWindow::nameFieldHoldsOneLine_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("field");
    QTest::newRow("two lines") << "Anna\nLee"
                               << "Anna Lee";
    QTest::newRow("CR LF") << "Anna\r\nLee"
                           << "Anna Lee";
    QTest::newRow("lone CR") << "Anna\rLee"
                             << "Anna Lee";
    QTest::newRow("line end") << "Anna Lee\n"
                              << "Anna Lee ";
    QTest::newRow("tab stays") << "Anna\tLee"
                               << "Anna\tLee";
}

void TestMainWindow::nameFieldHoldsOneLine()
{
    QFETCH(QString, pasted);
    QFETCH(QString, field);
    QLineEdit *name = m_shell->openMainWindow()->fraDetails->txtName;
    QTest::keyClicks(name, "BoYu");
    name->setSelection(2, 1); // the paste takes the place of "Y"
    QApplication::clipboard()->setText(pasted);
    name->paste();
    QCOMPARE(name->text(), "Bo" + field + "u");
    QCOMPARE(name->cursorPosition(), 2 + field.size()); // after what was pasted
    name->undo();
    QCOMPARE(name->text(), "BoYu");
}

void TestMainWindow::validationMessages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Platform::Icon>("icon");
    QTest::newRow("empty name") << ""
                                << "1"
                                << "January"
                                << "1970" << kName << Platform::Icon::Critical;
    QTest::newRow("empty name and 31 February") << ""
                                                << "31"
                                                << "February"
                                                << "1970" << kName << Platform::Icon::Critical;
    QTest::newRow("30 February") << "Anna"
                                 << "30"
                                 << "February"
                                 << "1980" << kFebruary << Platform::Icon::Information;
    QTest::newRow("29 February 1981") << "Anna"
                                      << "29"
                                      << "February"
                                      << "1981" << kFebruary << Platform::Icon::Information;
    QTest::newRow("31 June") << "Anna"
                             << "31"
                             << "June"
                             << "1980" << kThirtyDays << Platform::Icon::Information;
}

void TestMainWindow::validationMessages()
{
    QFETCH(QString, name);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(Platform::Icon, icon);
    frmMain *window = enter(name, day, month, year);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->cmdOpen->setFocus();
    window->cmdProceed->click();

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, message);
    QCOMPARE(m_platform->messages[0].icon, icon);
    QCOMPARE(m_platform->messages[0].buttons, Platform::Buttons::Ok);
    // Only the name message moves the focus; nothing is captured, no window opens.
    QWidget *expectedFocus =
        message == kName ? static_cast<QWidget *>(window->fraDetails->txtName) : window->cmdOpen;
    QCOMPARE(QApplication::focusWidget(), expectedFocus);
    QVERIFY(m_shell->personalDetails().Name.isEmpty());
    QVERIFY(m_shell->readingWindow() == nullptr);
    QVERIFY(window->isVisible());
    QCOMPARE(window->fraDetails->txtName->text(), name);
}

void TestMainWindow::calculationShowsReadingAndClosesMain()
{
    QPointer<frmMain> window = enter("  Anna Lee ", "5", "March", "1980");
    QTest::mouseClick(window->cmdProceed, Qt::LeftButton);

    QVERIFY(m_platform->messages.isEmpty());
    frmNineStar *reading = m_shell->readingWindow();
    QVERIFY(reading != nullptr);
    QVERIFY(reading->isVisible());
    QVERIFY(window.isNull() || !window->isVisible());
    QTRY_VERIFY(window.isNull());
    QVERIFY(m_platform->endedWith.isEmpty()); // closing the main window did not end the program

    const PersonalDetails &details = m_shell->personalDetails();
    QCOMPARE(details.Name, QStringLiteral("Anna Lee"));
    QCOMPARE(details.BirthDate, QDate(1980, 3, 5));
    const QString text = reading->results().RTBLoshu.PlainText();
    QVERIFY(text.endsWith("Most Favorable Direction by Chinese Numerology\r\n"
                          "North\r\nEast\r\n\r\nNorth-East\r\nSouth\r\n"));
    QCOMPARE(reading->results().lblFengShuiTrigram, QStringLiteral("Kun"));
}

void TestMainWindow::failingStepStillShowsReading()
{
    m_shell->failing = true;
    QPointer<frmMain> window = enter("Anna", "1", "May", "1987");
    // Each failed step is logged, naming it; the user is shown nothing.
    QTest::ignoreMessage(QtWarningMsg,
                         "the calculation step ShowFengShuiProfile failed: made to fail");
    QTest::ignoreMessage(QtWarningMsg, "the calculation step ShowElementDescription failed: "
                                       "description fails at once");
    window->RunCalculation();

    frmNineStar *reading = m_shell->readingWindow();
    QVERIFY(reading != nullptr && reading->isVisible());
    QTRY_VERIFY(window.isNull());
    QVERIFY(m_platform->messages.isEmpty());
    const ReadingResults &results = reading->results();
    // 1987 gives 4: what the failing step wrote stays, the steps after it ran.
    QCOMPARE(results.lblFengShuiGroup, QStringLiteral("East"));
    QCOMPARE(results.lblElementDesc, ReadingResults::designElementDescCaption());
    QCOMPARE(results.imgElement, QStringLiteral("Wood"));
    QVERIFY(results.RTBLoshu.PlainText().endsWith("North"));
}

void TestMainWindow::secondCalculationKeepsOnlySecondPerson()
{
    enter("Anna Lee", "5", "March", "1980")->RunCalculation();
    QPointer<frmNineStar> first = m_shell->readingWindow();
    first->GoBack();
    QTRY_VERIFY(first.isNull());
    frmMain *fresh = m_shell->mainWindow();
    QVERIFY(fresh != nullptr && fresh->isVisible());
    QCOMPARE(fresh->fraDetails->txtName->text(), QString());
    QCOMPARE(fresh->fraDetails->cboYear->currentText(), QStringLiteral("1970"));
    QVERIFY(m_platform->endedWith.isEmpty());

    enter("Bo", "11", "November", "1911")->RunCalculation();
    frmNineStar *second = m_shell->readingWindow();
    QCOMPARE(m_shell->personalDetails().Name, QStringLiteral("Bo"));
    QCOMPARE(m_shell->personalDetails().BirthDate, QDate(1911, 11, 11));
    const QString text = second->results().RTBLoshu.PlainText();
    QVERIFY(text.startsWith("Most Favorable Number by Chinese Numerology\r\n1\r\n"
                            "Number of occurrence: 7\r\n"));
    QVERIFY(!text.contains("North-East"));
    QCOMPARE(second->results().lblLoshuGrid[0], QStringLiteral("[1]\r\n1111111"));
    QCOMPARE(second->results().lblFengShuiTrigram, QStringLiteral("Ken"));
}

void TestMainWindow::calculationEmptiesClipboard()
{
    enter("Anna", "5", "March", "1980")->RunCalculation();
    QVERIFY(m_platform->clipboardClears > 0);
}

namespace {

QByteArray lines(const QStringList &texts)
{
    QByteArray bytes;
    for (const QString &text : texts)
        bytes += TextCodec::toBytes(TextCodec::EncodeText(text)) + "\r\n";
    return bytes;
}

} // namespace

void TestMainWindow::openSavedReading_data()
{
    // A file's name, its bytes (none: it is a folder, or absent), the message
    // shown, and the details calculated ("" when no reading opens).
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("calculated");
    const QByteArray anna = lines({"Anna Lee", "5", "March", "1980"});
    QTest::newRow("saved reading") << "anna.qnr" << anna << ""
                                   << "Anna Lee 5 March 1980";
    QTest::newRow("capital extension") << "anna.QNR" << anna << kCheckFile << "";
    QTest::newRow("text extension") << "anna.txt" << anna << kCheckFile << "";
    QTest::newRow("folder") << "folder.qnr" << QByteArray() << kCheckFile << "";
    QTest::newRow("vanished") << "gone.qnr" << QByteArray() << kCheckFile << "";
    QTest::newRow("binary noise") << "noise.qnr" << QByteArray("\x00\x9C\x01\xFF", 4) << kCheckFile
                                  << "";
    QTest::newRow("two lines") << "short.qnr" << lines({"Bo", "9"}) << ""
                               << "Bo 9 January 1970";
    QTest::newRow("entries matching nothing")
        << "odd.qnr" << lines({"Bo", "32", "march", "1899"}) << ""
        << "Bo 1 January 1970";
    QTest::newRow("empty name") << "noname.qnr" << lines({"", "5", "March", "1980"}) << kName << "";
    QTest::newRow("whole name on the fifth line")
        << "wang.qnr" << lines({"", "5", "March", "1980", "UTF-8:%E7%8E%8B%E5%B0%8F%E6%98%8E"})
        << "" << QStringLiteral("\u738B\u5C0F\u660E 5 March 1980");
}

void TestMainWindow::openSavedReading()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, calculated);
    QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    if (fileName.startsWith("folder"))
        QDir().mkdir(path);
    if (!bytes.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    frmMain *window = m_shell->mainWindow();
    m_platform->chosenFiles << path;
    window->cmdOpen->click();
    const Platform::FileDialogRequest request = m_platform->fileDialogs.constFirst();
    QCOMPARE(request.title, QStringLiteral("Select the source file"));
    QCOMPARE(request.filter, QStringLiteral("Numorra (*.qnr)|*.qnr"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("qnr"));
    QVERIFY(request.fileMustExist);
    QCOMPARE(m_platform->messages.isEmpty() ? QString() : m_platform->messages.constFirst().text,
             message);
    QCOMPARE(m_shell->readingWindow() != nullptr, !calculated.isEmpty());
    if (!calculated.isEmpty()) {
        const PersonalDetails &details = m_shell->personalDetails();
        QCOMPARE(
            QStringList({details.Name, details.BirthDay, details.BirthMonth, details.BirthYear})
                .join(' '),
            calculated);
        QTRY_VERIFY(m_shell->mainWindow() == nullptr); // closed and deleted
    }
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
