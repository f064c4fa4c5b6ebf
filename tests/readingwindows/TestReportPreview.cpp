#include "PdfText.h"
#include "RecordingPlatform.h"
#include "TestWindows.h"
#include "calculation/CalculationSteps.h"
#include "details/PersonalDetailsRules.h"
#include "language/Fonts.h"
#include "printing/PdfFile.h"
#include "reading/ReadingFile.h"
#include "reading/ReadingResults.h"
#include "reading/Report.h"
#include "readingwindows/RichPaneView.h"
#include "readingwindows/frmNineStar.h"
#include "readingwindows/frmSave.h"
#include "shell/ApplicationShell.h"
#include "shell/PersonalDetailsGroup.h"
#include "shell/frmMain.h"
#include "support/TextCodec.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Platform::PrintOutcome)

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void fieldsAtTheirPlaces();
    void showsTheReport();
    void openingTwiceShowsTheReportOnce();
    void printing_data();
    void printing();
    void savesTheReadingFile();
    void savingAnUnstorableName_data();
    void savingAnUnstorableName();
    void failedSaveKeepsTheOldFile();
    void saveOntoAFullDisk();
    void nineStarFile();
    void exportsThePrintDocumentAsPdf();
    void mouseOverReportEmptiesClipboard();

private:
    frmSave *open(const QString &name, const QString &day, const QString &month,
                  const QString &year);

    RecordingPlatform *m_platform = nullptr;
    PersonalDetails m_details;
    ReadingResults *m_results = nullptr;
    QTemporaryDir m_folder;
};

void TestReportPreview::init()
{
    m_platform = new RecordingPlatform;
    m_results = new ReadingResults;
}

void TestReportPreview::cleanup()
{
    deleteAllWindows();
    delete m_results;
    delete m_platform;
}

frmSave *TestReportPreview::open(const QString &name, const QString &day, const QString &month,
                                 const QString &year)
{
    m_details = PersonalDetailsRules::capture(name, day, month, year);
    CalculationSteps::runIsolated(CalculationSteps::engineSteps(m_details, *m_results));
    auto *preview = new frmSave(*m_platform, m_details, *m_results);
    preview->show();
    preview->activateWindow();
    if (!QTest::qWaitForWindowActive(preview)) // its access keys work once it is active
        QTest::qFail("the preview did not become active", __FILE__, __LINE__);
    return preview;
}

void TestReportPreview::fieldsAtTheirPlaces()
{
    frmSave *preview = open("Anna Lee", "5", "March", "1980");
    QCOMPARE(preview->windowTitle(), QStringLiteral("Numorra v1.75"));
    QCOMPARE(preview->size(), QSize(515, 521));
    QCOMPARE(preview->RTB->geometry(), QRect(2, 26, 511, 409));
    QCOMPARE(preview->RTB->palette().color(QPalette::Base), QColor(192, 255, 192));
    QVERIFY(!preview->windowIcon().isNull());
    for (QPushButton *button : {preview->cmdSave, preview->cmdPrint, preview->cmdExportPdf})
        QVERIFY(button->font().bold() && button->font().pointSizeF() == 8.25);
    QCOMPARE(preview->cmdSave->geometry(), QRect(358, 438, 75, 23));
    QCOMPARE(preview->cmdPrint->geometry(), QRect(437, 438, 75, 23));
    QCOMPARE(preview->cmdSave->text(), QStringLiteral("&Save"));
    QCOMPARE(preview->cmdPrint->text(), QStringLiteral("&Print"));
    QCOMPARE(preview->cmdOpen->text(), QStringLiteral("&Open"));
    QCOMPARE(preview->cmdOpen->y(), 630); // below the window's edge
    // The unseen button still answers its access key.
    QVERIFY(QTest::qWaitForWindowActive(preview));
    QTest::keyClick(preview, Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(m_platform->fileDialogs.size(), 1); // an access key clicks a moment later
    QCOMPARE(m_platform->fileDialogs.constFirst().defaultSuffix, QStringLiteral("qfs"));
    // Enter presses the button in focus, and none from the report.
    QTest::keyClick(preview->RTB, Qt::Key_Return);
    preview->cmdSave->setFocus();
    QTest::keyClick(preview->cmdSave, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(m_platform->fileDialogs.size(), 2);
}

void TestReportPreview::showsTheReport()
{
    frmSave *preview = open("Anna Lee", "5", "March", "1980");
    RichPane expected(ReadingResults::newPaneStyle(0));
    Report::BuildReport(expected, m_details, *m_results);
    QCOMPARE(preview->report().PlainText(), expected.PlainText());
    QCOMPARE(preview->RTB->toPlainText(),
             expected.PlainText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QTextCursor cursor = preview->RTB->textCursor();
    cursor.setPosition(2);
    QVERIFY(cursor.charFormat().font().bold()); // inside "Name: "
    // Printed and exported in the font the box shows, without its bold.
    QCOMPARE(cursor.charFormat().fontPointSize(), PdfFile::reportFont().pointSizeF());
    QCOMPARE(cursor.charFormat().fontFamilies().toStringList(), PdfFile::reportFont().families());
    // A quotation mark beside Chinese characters in the Chinese faces, as printed.
    RichPane pane(ReadingResults::newPaneStyle(0));
    pane.AppendText("\u6570\u201C\u53D1\u201D");
    const RichPaneView view(pane, PdfFile::reportFont().families());
    QTextCursor quote(view.document());
    quote.setPosition(2);
    QCOMPARE(quote.charFormat().fontFamilies().toStringList(), Fonts::chineseFamilies());
    quote.setPosition(3);
    QCOMPARE(quote.charFormat().fontFamilies().toStringList(), PdfFile::reportFont().families());
}

void TestReportPreview::openingTwiceShowsTheReportOnce()
{
    ApplicationShell shell(*m_platform);
    frmMain *main = shell.openMainWindow();
    enterDetails(main, "Anna Lee", "5", "March", "1980");
    main->RunCalculation();
    frmNineStar *reading = shell.readingWindow();
    QStringList seen;
    for (int pass = 0; pass < 2; ++pass) {
        whenModalOpens([&seen](QWidget *modal) {
            seen << static_cast<frmSave *>(modal)->report().PlainText();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        reading->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(reading));
        QTest::keyClick(reading, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(seen.size(), pass + 1);
    }
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.at(1), seen.at(0));
    QCOMPARE(seen.at(0).count(Report::ReportFooter()), 4);
    QVERIFY(reading->isVisible());
}

void TestReportPreview::printing_data()
{
    QTest::addColumn<Platform::PrintOutcome>("outcome");
    QTest::addColumn<QString>("message");
    QTest::newRow("printed") << Platform::PrintOutcome::Printed << QString();
    QTest::newRow("no print system")
        << Platform::PrintOutcome::NoPrintSystem << "print service (CUPS) could not be found";
    QTest::newRow("printer stopped") << Platform::PrintOutcome::QueuedWhileStopped << "is stopped";
    QTest::newRow("no print server") << Platform::PrintOutcome::NoPrintServer << "did not answer";
    QTest::newRow("no default printer")
        << Platform::PrintOutcome::NoPrinter << "no default printer";
    QTest::newRow("job refused") << Platform::PrintOutcome::Refused << "did not accept";
    QTest::newRow("no document for the printer")
        << Platform::PrintOutcome::DocumentNotMade
        << "could not be written to the temporary folder \"" + QDir::tempPath() + "\"";
}

void TestReportPreview::printing()
{
    QFETCH(Platform::PrintOutcome, outcome);
    QFETCH(QString, message);
    m_platform->printOutcome = outcome;
    frmSave *preview = open("Anna Lee", "5", "March", "1980");
    preview->cmdPrint->click();
    preview->cmdPrint->click();
    const QString document = Report::printDocument(preview->report().PlainText());
    if (message.isEmpty()) {
        QCOMPARE(m_platform->printedTexts, QStringList({document, document}));
        QCOMPARE(m_platform->printedTitles.constFirst(), QStringLiteral("Numorra report"));
        QVERIFY(m_platform->messages.isEmpty());
    } else {
        QCOMPARE(m_platform->messages.size(), 2);
        QVERIFY(m_platform->messages.constFirst().text.contains(message));
    }
}

void TestReportPreview::savesTheReadingFile()
{
    frmSave *preview = open("Anna Lee", "5", "March", "1980");
    const QString path = m_folder.filePath("anna.qnr");
    m_platform->chosenFiles << path;
    QTest::keyClick(preview, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(m_platform->fileDialogs.size(), 1);
    const Platform::FileDialogRequest request = m_platform->fileDialogs.constFirst();
    QCOMPARE(request.title, QStringLiteral("Numorra"));
    QCOMPARE(request.filter, QStringLiteral("Numorra | *.qnr"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("qnr"));
    QVERIFY(request.confirmOverwrite);
    QVERIFY(request.folderMustExist);
    QCOMPARE(fileBytes(path), ReadingFile::compose(m_details));
    QVERIFY(m_platform->messages.isEmpty());
    preview->cmdSave->click(); // cancelled
    QCOMPARE(m_platform->fileDialogs.size(), 2);
}

void TestReportPreview::savingAnUnstorableName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("told");
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("accented, saved") << QStringLiteral("Zo\u00EB") << "see it as \"Zo\"" << true;
    QTest::newRow("accented, cancelled")
        << QStringLiteral("Zo\u00EB") << "see it as \"Zo\"" << false;
    QTest::newRow("all Chinese") << QStringLiteral("\u674E\u5A1C") << "see no name" << true;
    const QString as(100, 'A'), bs(100, 'B'); // shown by its ends
    QTest::newRow("long") << as + "\u00EB" + bs
                          << "as \"" + as.left(60) + "\u2026" + bs.left(60) + "\"" << true;
}

void TestReportPreview::savingAnUnstorableName()
{
    QFETCH(QString, name);
    QFETCH(QString, told);
    QFETCH(bool, answerYes);
    frmSave *preview = open(name, "5", "March", "1980");
    const QString path = m_folder.filePath("lossy.qnr");
    QFile::remove(path);
    m_platform->answers << (answerYes ? Platform::Answer::Yes : Platform::Answer::No);
    m_platform->chosenFiles << path;
    preview->cmdSave->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages.constFirst().text.contains(told));
    QCOMPARE(m_platform->messages.constFirst().buttons, Platform::Buttons::YesNo);
    QVERIFY(m_platform->messages.constFirst().text.contains("Numorra itself keeps the whole name"));
    QCOMPARE(m_platform->fileDialogs.size(), answerYes ? 1 : 0);
    QCOMPARE(QFile::exists(path), answerYes);
    if (answerYes)
        QCOMPARE(ReadingFile::read(path)->name, name);
}

void TestReportPreview::failedSaveKeepsTheOldFile()
{
    frmSave *preview = open("Anna Lee", "5", "March", "1980");
    const QString path = m_folder.filePath("kept.qnr");
    const QByteArray old("\x96\r\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    QFile::setPermissions(path, QFile::ReadOwner);
    m_platform->chosenFiles << path << m_folder.filePath("no such folder/x.qnr");
    preview->cmdSave->click();
    preview->cmdSave->click();
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(m_platform->messages.size(), 2);
    QVERIFY(m_platform->messages.at(0).text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(m_platform->messages.at(0).icon, Platform::Icon::Critical);
    // Only where a file was there does the message say it is left as it was.
    const QString kept = "\n\nA file that was already there is left as it was.";
    QVERIFY(m_platform->messages.at(0).text.endsWith(kept));
    QVERIFY(!m_platform->messages.at(1).text.contains(kept));
}

void TestReportPreview::saveOntoAFullDisk()
{
    const QString mountPoint = m_folder.filePath("full");
    QDir().mkpath(mountPoint);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "tmpfs", mountPoint}) != 0)
        QSKIP("mounting a small file system needs root");
    const QString path = mountPoint + "/kept.qnr";
    const QByteArray old =
        ReadingFile::compose(PersonalDetailsRules::capture("Old", "1", "May", "1990"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(old), old.size());
    }
    QFile fill(mountPoint + "/fill");
    QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (fill.write(QByteArray(512, 'x')) > 0) {
    }
    fill.close();
    QCOMPARE(fileBytes(path), old);
    frmSave *preview = open("Anna Lee", "5", "March", "1980");
    m_platform->chosenFiles << path;
    preview->cmdSave->click();
    const QByteArray after = fileBytes(path);
    QProcess::execute("umount", {mountPoint});
    QCOMPARE(after, old);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages.constFirst().text.contains(path));
}

void TestReportPreview::nineStarFile()
{
    frmSave *preview = open("Anna Lee", "5", "March", "1980");
    const QString path = m_folder.filePath("reading.qfs");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(TextCodec::toBytes(TextCodec::EncodeText("Kan\r\nWater")) + ",rest\r\n");
    }
    m_platform->chosenFiles << m_folder.path() << path; // a folder first: refused
    preview->cmdOpen->click();
    QCOMPARE(preview->report().PlainText(), QString());
    QCOMPARE(m_platform->messages.constFirst().text, QStringLiteral("Please Check The File."));
    preview->cmdOpen->click();
    QCOMPARE(preview->report().PlainText(), QStringLiteral("Kan\r\nWater"));
    QVERIFY(!preview->report().runs().constFirst().style.bold);
    const Platform::FileDialogRequest request = m_platform->fileDialogs.constFirst();
    QCOMPARE(request.title, QStringLiteral("Select the source file"));
    QCOMPARE(request.filter, QStringLiteral("Nine Star Ki Astrology (*.qfs)|*.qfs"));
    QVERIFY(request.fileMustExist);
    preview->cmdOpen->click(); // cancelled: unchanged
    QCOMPARE(preview->report().PlainText(), QStringLiteral("Kan\r\nWater"));
}

void TestReportPreview::exportsThePrintDocumentAsPdf()
{
    frmSave *preview = open("Anna Lee", "5", "March", "1980");
    const QString path = m_folder.filePath("report.pdf");
    m_platform->chosenFiles << path << m_folder.filePath("missing/report.pdf");
    QTest::keyClick(preview, Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(m_platform->fileDialogs.size(), 1);
    QCOMPARE(m_platform->fileDialogs.constFirst().defaultSuffix, QStringLiteral("pdf"));
    QCOMPARE(pdfLetters(path), letters(Report::printDocument(preview->report().PlainText())));
    preview->cmdExportPdf->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages.constFirst().text.contains("missing/report.pdf"));
}

void TestReportPreview::mouseOverReportEmptiesClipboard()
{
    frmSave *preview = open("Anna Lee", "5", "March", "1980");
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    const int before = m_platform->clipboardClears;
    QTest::mouseMove(preview->RTB->viewport(), QPoint(20, 20));
    QTest::mouseClick(preview->RTB->viewport(), Qt::LeftButton, {}, QPoint(30, 20));
    QVERIFY(m_platform->clipboardClears >= before + 3);
    QTest::keyClick(preview->RTB, Qt::Key_Down);
    const int afterKeys = m_platform->clipboardClears;
    QTest::keyClick(preview->RTB, Qt::Key_Down);
    QCOMPARE(m_platform->clipboardClears, afterKeys);
}

QTEST_MAIN(TestReportPreview)
#include "TestReportPreview.moc"
