#pragma once

#include "desktop/Platform.h"
#include "reading/RichPane.h"

#include <QDialog>

class LinkLabel;
class Platform;
class QKeyEvent;
class QPushButton;
class ReadingResults;
class RichPaneView;
struct PersonalDetails;

// The report preview: the reading framed by the person's name, date of birth
// and the footer naming the publisher's site. It prints the report, saves the
// reading as a file, and loads a Nine Star Ki reading. Shown modally.
class frmSave : public QDialog
{
    Q_OBJECT

public:
    frmSave(Platform &platform, const PersonalDetails &details, const ReadingResults &reading,
            QWidget *parent = nullptr);

    // Empties the report box and writes the report afresh.
    void BuildReport();
    // Prints the print document (the report framed by two more footers) on
    // the default printer, as Export PDF writes it.
    void PrintReport();
    // Asks for a file name and writes the details there as a reading file.
    void SaveReading();
    // Loads the report text of a Nine Star Ki reading into the report box.
    void OpenNineStarFile();
    // Asks for a file name and writes the print document there as a PDF.
    void exportPdf();

    const RichPane &report() const { return m_report; }

    RichPaneView *RTB = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdExportPdf = nullptr;
    LinkLabel *lblCommunity = nullptr;
    LinkLabel *lblHomePage = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    static QString shownInQuestion(const QString &name);
    void buildLinks();
    void buildReportBoxes();
    void buildButtons();
    // False when the user would rather not save a name that programs reading
    // only the first four lines of the file will see shortened.
    bool acceptStoredName();
    // What the user is told of a print that failed; nothing for a print that went out.
    static QString printProblem(Platform::PrintOutcome outcome);
    // Tells the user that a file could not be written, and why: `message`
    // ("The reading could not be saved as \"%1\"...") takes the path and the
    // reason; when there was a file at `path` before, that it is left as it was.
    void tellNotWritten(const QString &message, const QString &path, const QString &reason,
                        bool fileWasThere);

    Platform &m_platform;
    const PersonalDetails &m_details;
    const ReadingResults &m_reading;
    RichPane m_report;
};
