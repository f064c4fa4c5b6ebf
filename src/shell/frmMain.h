#pragma once

#include <QMainWindow>

class MainWindowHost;
class LinkLabel;
class PersonalDetailsGroup;
class QAction;
class QPushButton;
struct PersonalDetails;

// The main window: the introduction, the personal details and the two
// commands that produce a reading.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // A calculation captures the details into `details`, which must outlive the window.
    frmMain(MainWindowHost &host, PersonalDetails &details, QWidget *parent = nullptr);

    // Validates, captures, runs the engine steps, shows the reading window and
    // closes this window (which does not end the program).
    void RunCalculation();
    // Asks for a saved reading, reads it into the details, then calculates it as
    // the button does.
    void OpenReadingFile();
    // The same for the saved reading at `path`, without asking.
    void openReadingFile(const QString &path);

    LinkLabel *lblLink = nullptr;
    PersonalDetailsGroup *fraDetails = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdProceed = nullptr;
    QAction *mnuCalculate = nullptr;
    QAction *mnuExit = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void buildClientArea(QWidget *client);
    void buildCommands(QWidget *client);
    void closeForCalculation();

    MainWindowHost &m_host;
    PersonalDetails &m_details;
    bool m_closingForCalculation = false;
    bool m_centred = false;
};
