#include "readingwindows/frmSave.h"

#include "desktop/Platform.h"
#include "details/PersonalDetails.h"
#include "language/Fonts.h"
#include "printing/PdfFile.h"
#include "reading/NineStarFile.h"
#include "reading/ReadingFile.h"
#include "reading/ReadingResults.h"
#include "reading/Report.h"
#include "readingwindows/RichPaneView.h"
#include "support/modHelp.h"
#include "widgets/Colours.h"
#include "widgets/EnterKey.h"
#include "widgets/LinkLabel.h"
#include "widgets/ProductTexts.h"
#include "widgets/Twips.h"
#include "widgets/WidgetStyle.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>

namespace {

RichPane::Style reportStyle()
{
    RichPane::Style style;
    style.pointSize = Fonts::kReportPointSize;
    return style;
}

} // namespace

frmSave::frmSave(Platform &platform, const PersonalDetails &details, const ReadingResults &reading,
                 QWidget *parent)
    : QDialog(parent, WidgetStyle::windowFlags(Qt::Dialog)), m_platform(platform),
      m_details(details), m_reading(reading), m_report(reportStyle())
{
    WidgetStyle::setUpWindow(this, QStringLiteral("frmSave"), Colours::kPaleGreen);
    setModal(true);
    setFixedSize(Twips::size(7725, 7815));
    buildLinks();
    buildReportBoxes();
    buildButtons();
    setTabOrder(RTB, cmdExportPdf);
    setTabOrder(cmdExportPdf, cmdSave);
    setTabOrder(cmdSave, cmdPrint);
    setTabOrder(cmdPrint, lblCommunity);
    setTabOrder(lblCommunity, lblHomePage);
    BuildReport();
    RTB->moveCursor(QTextCursor::Start);
    RTB->setFocus();
    WidgetStyle::fitLabelHeights(this);
}

void frmSave::buildLinks()
{
    lblCommunity = new LinkLabel(ProductTexts::previewLinkCaption(), this);
    lblCommunity->setObjectName(QStringLiteral("lblCommunity"));
    lblCommunity->setGeometry(Twips::rect(30, 60, 4800, 255));
    lblHomePage = new LinkLabel(ProductTexts::aboutLinkCaption(), this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setGeometry(Twips::rect(4860, 60, 2835, 255));
    lblHomePage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (LinkLabel *link : {lblCommunity, lblHomePage}) {
        WidgetStyle::setColours(link, QColor(Qt::white));
        connect(link, &LinkLabel::clicked, this, [this] { modHelp::OpenHomePage(m_platform); });
    }
}

void frmSave::buildReportBoxes()
{
    RTB = new RichPaneView(m_report, PdfFile::reportFont().families(), this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setAccessibleName(tr("Report"));
    RTB->setGeometry(Twips::rect(30, 390, 7665, 6135));
    WidgetStyle::setColours(RTB, QColor(Qt::black), Colours::kPaleGreen);
    connect(RTB, &RichPaneView::activity, this, [this] { m_platform.clearClipboard(); });
}

void frmSave::buildButtons()
{
    cmdSave = new QPushButton(tr("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setGeometry(Twips::rect(5377, 6570, 1125, 345));
    cmdPrint = new QPushButton(tr("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setGeometry(Twips::rect(6555, 6570, 1125, 345));
    // Below the window's edge: never seen, never reached with Tab, but Alt+O presses it.
    cmdOpen = new QPushButton(tr("&Open"), this);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setGeometry(Twips::rect(30, 9450, 1125, 345));
    cmdOpen->setFocusPolicy(Qt::NoFocus);
    cmdExportPdf = new QPushButton(tr("&Export PDF"), this);
    cmdExportPdf->setObjectName(QStringLiteral("cmdExportPdf"));
    cmdExportPdf->setGeometry(Twips::rect(4199, 6570, 1125, 345));
    for (QPushButton *button : {cmdExportPdf, cmdSave, cmdPrint, cmdOpen}) {
        button->setFont(WidgetStyle::boldWindowFont());
        button->setAutoDefault(false);
        WidgetStyle::setColours(button, QColor(Qt::black), Colours::kButtonGreen);
    }
    connect(cmdSave, &QPushButton::clicked, this, &frmSave::SaveReading);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::PrintReport);
    connect(cmdOpen, &QPushButton::clicked, this, &frmSave::OpenNineStarFile);
    connect(cmdExportPdf, &QPushButton::clicked, this, &frmSave::exportPdf);
}

// The buttons are not auto-default, so that Enter in the report presses
// none: Enter comes here and presses the button in focus.
void frmSave::keyPressEvent(QKeyEvent *event)
{
    if (!EnterKey::pressFocusedButton(this, event))
        QDialog::keyPressEvent(event);
}

void frmSave::BuildReport()
{
    Report::BuildReport(m_report, m_details, m_reading);
}

void frmSave::PrintReport()
{
    const QString problem = printProblem(
        m_platform.printText(Report::printDocument(m_report.PlainText()), Report::documentTitle()));
    if (!problem.isEmpty())
        m_platform.showMessage(problem, Platform::Icon::Warning, Platform::Buttons::Ok);
}

QString frmSave::printProblem(Platform::PrintOutcome outcome)
{
    switch (outcome) {
    case Platform::PrintOutcome::Printed:
        break;
    case Platform::PrintOutcome::QueuedWhileStopped:
        return tr("The report waits in the printer's queue: the printer is stopped.\n\nStart "
                  "the printer again in your system's printer settings.");
    case Platform::PrintOutcome::NoPrintSystem:
        return tr("The report was not printed: the system's print service (CUPS) could not be "
                  "found.\n\nInstall CUPS (the package libcups2), then print again.");
    case Platform::PrintOutcome::NoPrintServer:
        return tr("The report was not printed: the print service (CUPS) did not answer.\n\nCheck "
                  "that it is running, then print again.");
    case Platform::PrintOutcome::NoPrinter:
        return tr("The report was not printed: there is no default printer.\n\nMake a printer "
                  "the default in your system's printer settings, then print again.");
    case Platform::PrintOutcome::Refused:
        return tr("The report was not printed: the printer did not accept it.\n\nCheck the "
                  "printer in your system's printer settings, then print again.");
    case Platform::PrintOutcome::DocumentNotMade:
        return tr("The report was not printed: the document for the printer could not be written "
                  "to the temporary folder \"%1\".\n\nMake room there or check that it can be "
                  "written to, then print again.")
            .arg(QDir::toNativeSeparators(QDir::tempPath()));
    }
    return {};
}

// A name as the question shows it: a long one by its two ends, so that the
// box and its buttons stay within the screen.
QString frmSave::shownInQuestion(const QString &name)
{
    constexpr qsizetype kEnd = 60; // characters shown at each end
    if (name.size() <= 2 * kEnd + 1)
        return name;
    qsizetype head = kEnd;
    qsizetype tail = name.size() - kEnd;
    head -= name.at(head - 1).isHighSurrogate() ? 1 : 0; // a pair stays whole
    tail += name.at(tail).isLowSurrogate() ? 1 : 0;
    return name.left(head) + QChar(0x2026) + name.mid(tail);
}

bool frmSave::acceptStoredName()
{
    const QString stored = ReadingFile::storedName(m_details.Name);
    if (stored == m_details.Name)
        return true;
    // The file keeps the whole name on a line of its own, which only Numorra reads.
    const QString seen = stored.isEmpty()
                             ? tr("They will see no name.")
                             : tr("They will see it as \"%1\".").arg(shownInQuestion(stored));
    const QString question =
        tr("The name \"%1\" holds characters that other programs reading this file cannot "
           "show. %2 Numorra itself keeps the whole name.\n\nSave the reading anyway?")
            .arg(shownInQuestion(m_details.Name), seen);
    return m_platform.showMessage(question, Platform::Icon::Warning, Platform::Buttons::YesNo) ==
           Platform::Answer::Yes;
}

void frmSave::SaveReading()
{
    if (!acceptStoredName())
        return;
    // Proposing "qnr" lets a reading saved with the defaults open again.
    const QString path = m_platform.chooseSaveFile(Platform::FileDialogRequest::toSave(
        QStringLiteral("Numorra"), QStringLiteral("Numorra | *.qnr"), QStringLiteral("qnr")));
    if (path.isEmpty())
        return;
    const bool fileWasThere = QFileInfo::exists(path);
    QString reason;
    if (!ReadingFile::write(path, m_details, &reason))
        tellNotWritten(tr("The reading could not be saved as \"%1\".\n\n%2"), path, reason,
                       fileWasThere);
}

void frmSave::tellNotWritten(const QString &message, const QString &path, const QString &reason,
                             bool fileWasThere)
{
    QString text = message.arg(QDir::toNativeSeparators(path), reason);
    if (fileWasThere)
        text += QStringLiteral("\n\n") + tr("A file that was already there is left as it was.");
    m_platform.showMessage(text, Platform::Icon::Critical, Platform::Buttons::Ok);
}

void frmSave::OpenNineStarFile()
{
    const QString path = m_platform.chooseOpenFile(Platform::FileDialogRequest::toOpen(
        tr("Nine Star Ki Astrology (*.qfs)|*.qfs"), QStringLiteral("qfs")));
    if (path.isEmpty())
        return;
    // A file that is no Nine Star Ki reading leaves the box empty, and says so.
    m_report.ClearText();
    const std::optional<QString> text = NineStarFile::read(path);
    if (!text) {
        m_platform.tellCheckTheFile();
        return;
    }
    m_report.SetBold(false);
    m_report.AppendText(*text);
}

void frmSave::exportPdf()
{
    const QString path = m_platform.chooseSaveFile(Platform::FileDialogRequest::toSave(
        tr("Export the report as PDF"), tr("PDF document (*.pdf)|*.pdf"), QStringLiteral("pdf")));
    if (path.isEmpty())
        return;
    const bool fileWasThere = QFileInfo::exists(path);
    QString reason;
    if (!PdfFile::write(path, {Report::printDocument(m_report.PlainText())}, PdfFile::reportFont(),
                        Report::documentTitle(), &reason))
        tellNotWritten(tr("The report could not be exported as \"%1\".\n\n%2"), path, reason,
                       fileWasThere);
}
