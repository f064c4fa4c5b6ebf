#include "readingwindows/frmNineStar.h"

#include "desktop/Platform.h"
#include "readingwindows/ElementPane.h"
#include "readingwindows/LoShuChartPane.h"
#include "readingwindows/ReadingWindowHost.h"
#include "readingwindows/RelationshipPane.h"
#include "readingwindows/RichPaneView.h"
#include "readingwindows/frmSave.h"
#include "support/modHelp.h"
#include "widgets/Colours.h"
#include "widgets/EnterKey.h"
#include "widgets/HelpMenu.h"
#include "widgets/LinkLabel.h"
#include "widgets/MenuKey.h"
#include "widgets/ProductTexts.h"
#include "widgets/Twips.h"
#include "widgets/WidgetStyle.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>

frmNineStar::frmNineStar(ReadingWindowHost &host, const PersonalDetails &details, QWidget *parent)
    : QMainWindow(parent, WidgetStyle::windowFlags(Qt::Window, Qt::WindowMinimizeButtonHint)),
      m_host(host), m_details(details)
{
    WidgetStyle::setUpWindow(this, QStringLiteral("frmNineStar"), Colours::kLightGreen);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);
    buildMenus();
    buildPanes(client);
    buildButtons(client);
    connectClipboardClearing();
    // The keyboard goes from the reading to the buttons, then to the tabs below
    // when they are in view (keepTabInView).
    setTabOrder(picLoShuSquare->RTBLoshu, cmdBack);
    setTabOrder(cmdBack, cmdSave);
    setTabOrder(cmdSave, TS);
    const QList<QWidget *> controls = client->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (control->focusPolicy() & Qt::TabFocus)
            m_tabFocus.insert(control, control->focusPolicy());
    }
    picLoShuSquare->RTBLoshu->setFocus();
    // Opens at the designed client size; the user may drag the border to see
    // the tab strip and the panes below it. No field ever moves.
    resize(Twips::size(9555, 6450) + QSize(0, menuBar()->sizeHint().height()));

    // Load step: the first tab is selected and the chart pane is in front.
    TS->setCurrentIndex(0);
    SelectTab(0);
    connect(TS, &QTabBar::currentChanged, this, &frmNineStar::SelectTab);
}

void frmNineStar::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuBack = file->addAction(tr("&Back"));
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
    file->addSeparator();
    mnuExit = file->addAction(tr("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuBack, &QAction::triggered, this, &frmNineStar::GoBack);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    HelpMenu::add(menuBar(), m_host.platform(), [this] { m_host.showAbout(this); });
    MenuKey::install(this);
}

void frmNineStar::buildPanes(QWidget *client)
{
    auto *link = new LinkLabel(ProductTexts::readingLinkCaption(), client);
    link->setObjectName(QStringLiteral("lblLink"));
    link->setGeometry(Twips::rect(30, 0, 9495, 195));
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    WidgetStyle::setColours(link, QColor(Qt::white));
    connect(link, &LinkLabel::clicked, this, [this] { modHelp::OpenHomePage(m_host.platform()); });

    picLoShuSquare = new LoShuChartPane(m_results, client);
    picLoShuSquare->setGeometry(Twips::rect(27, 360, 9500, 5350));
    picNineStar = new ElementPane(client);
    picNineStar->setGeometry(Twips::rect(27, 7000, 9500, 6000));
    picRelationship = new RelationshipPane(m_results, client);
    picRelationship->setGeometry(Twips::rect(27, 7000, 9500, 5350));

    // The strip's tabs run along the top edge of the lower panes, over their
    // empty margin; the panes themselves are the strip's body.
    TS = new QTabBar(client);
    TS->setObjectName(QStringLiteral("TS"));
    TS->setDrawBase(false);
    TS->setExpanding(false);
    for (const char *caption :
         {QT_TR_NOOP("Nine Star Ki Chart"), QT_TR_NOOP("Nine Star Ki Element"),
          QT_TR_NOOP("Nine Star Ki Relationship Analysis")})
        TS->addTab(tr(caption));
    const QRect strip = Twips::rect(30, 7000, 9495, 6000);
    TS->setGeometry(strip.x(), strip.y(), strip.width(), TS->sizeHint().height());
}

void frmNineStar::buildButtons(QWidget *client)
{
    cmdBack = new QPushButton(tr("&Back"), client);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setGeometry(Twips::rect(7200, 5880, 1100, 400));
    cmdSave = new QPushButton(tr("&Save"), client);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setGeometry(Twips::rect(8400, 5880, 1100, 400));
    for (QPushButton *button : {cmdBack, cmdSave}) {
        button->setFont(WidgetStyle::boldWindowFont());
        WidgetStyle::setColours(button, QColor(Qt::black), Colours::kButtonGreen);
    }
    connect(cmdBack, &QPushButton::clicked, this, &frmNineStar::GoBack);
    connect(cmdSave, &QPushButton::clicked, this, &frmNineStar::OpenReport);
}

void frmNineStar::connectClipboardClearing()
{
    Platform &platform = m_host.platform();
    for (RichPaneView *pane : {picLoShuSquare->RTBLoshu, picRelationship->RTB})
        connect(pane, &RichPaneView::activity, this, [&platform] { platform.clearClipboard(); });
}

void frmNineStar::SelectTab(int index)
{
    if (index == 0)
        picLoShuSquare->raise();
    else if (index == 1)
        picNineStar->raise();
    else
        picRelationship->raise();
    TS->raise(); // the tabs stay reachable over whichever pane is in front
    keepTabInView();
}

void frmNineStar::GoBack()
{
    m_host.showMainWindow();
    m_goingBack = true;
    close();
}

void frmNineStar::OpenReport()
{
    frmSave preview(m_host.platform(), m_details, m_results, this);
    preview.exec();
}

void frmNineStar::showResults()
{
    picLoShuSquare->showCaptions(m_results);
    picNineStar->showResults(m_results);
}

void frmNineStar::showEvent(QShowEvent *event)
{
    showResults();
    WidgetStyle::fitLabelHeights(this);
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        WidgetStyle::centreOnScreen(this);
        // The reading is read from its first line.
        picLoShuSquare->RTBLoshu->moveCursor(QTextCursor::Start);
    }
}

void frmNineStar::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    keepTabInView();
}

// Tab reaches only what the user sees, a control whose middle is in sight: the
// tabs and the panes below the designed client area while the window is tall
// enough to show them, the lower pane the tabs have put in front, and no
// button the user has cut off by making the window smaller.
void frmNineStar::keepTabInView()
{
    QWidget *client = centralWidget();
    for (auto control = m_tabFocus.cbegin(); control != m_tabFocus.cend(); ++control) {
        QWidget *widget = control.key();
        const QWidget *seen = client->childAt(widget->mapTo(client, widget->rect().center()));
        const bool inView = seen && (seen == widget || widget->isAncestorOf(seen));
        widget->setFocusPolicy(inView ? control.value() : Qt::NoFocus);
    }
}

// Enter presses the button in focus, as it does in the dialogs.
void frmNineStar::keyPressEvent(QKeyEvent *event)
{
    if (!EnterKey::pressFocusedButton(this, event))
        QMainWindow::keyPressEvent(event);
}

void frmNineStar::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_goingBack || m_host.isClosingApplication())
        return;
    // Closing the reading window, or Exit, ends the program.
    m_host.CloseApplication();
}
