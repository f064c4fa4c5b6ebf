#pragma once

#include "reading/ReadingResults.h"

#include <QHash>
#include <QMainWindow>

class ReadingWindowHost;
class ElementPane;
class LoShuChartPane;
class QAction;
class QPushButton;
class QTabBar;
class RelationshipPane;
struct PersonalDetails;

// The reading window: the chart and the reading, and below the designed
// client area the tab strip with the element and relationship panes.
class frmNineStar : public QMainWindow
{
    Q_OBJECT

public:
    // `details` are the person's whose reading this window shows, once the
    // calculation has captured them; they must outlive the window.
    frmNineStar(ReadingWindowHost &host, const PersonalDetails &details, QWidget *parent = nullptr);

    ReadingResults &results() { return m_results; }

    // Brings the pane of the selected tab to the front (0-based tab index).
    void SelectTab(int index);
    // A fresh main window, then this window closes without ending the program.
    void GoBack();
    // The report preview, modal over this window.
    void OpenReport();

    LoShuChartPane *picLoShuSquare = nullptr;
    ElementPane *picNineStar = nullptr;
    RelationshipPane *picRelationship = nullptr;
    QTabBar *TS = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdSave = nullptr;
    QAction *mnuBack = nullptr;
    QAction *mnuExit = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenus();
    void buildPanes(QWidget *client);
    void buildButtons(QWidget *client);
    void connectClipboardClearing();
    void showResults();
    void keepTabInView();

    ReadingWindowHost &m_host;
    const PersonalDetails &m_details;
    ReadingResults m_results;
    bool m_goingBack = false;
    bool m_centred = false;
    // The controls that Tab reaches when they are in view, with how.
    QHash<QWidget *, Qt::FocusPolicy> m_tabFocus;
};
