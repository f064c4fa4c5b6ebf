#include "shell/frmMain.h"

#include "desktop/Platform.h"
#include "reading/ReadingFile.h"
#include "readingwindows/frmNineStar.h"
#include "shell/MainWindowHost.h"
#include "shell/PersonalDetailsGroup.h"
#include "support/modHelp.h"
#include "widgets/Colours.h"
#include "widgets/EnterKey.h"
#include "widgets/HelpMenu.h"
#include "widgets/LinkLabel.h"
#include "widgets/MenuKey.h"
#include "widgets/ProductTexts.h"
#include "widgets/Twips.h"
#include "widgets/WidgetStyle.h"
#include "widgets/WrappingButton.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcutEvent>

namespace {
QLabel *addTextLine(QWidget *client, const QString &name, const QString &text, int top, int height,
                    const QFont &font, const QColor &colour)
{
    QLabel *label = WidgetStyle::addLabel(client, name, text, 97, top, 7320, height);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(font);
    WidgetStyle::setColours(label, colour);
    return label;
}
} // namespace

frmMain::frmMain(MainWindowHost &host, PersonalDetails &details, QWidget *parent)
    : QMainWindow(parent, WidgetStyle::windowFlags(Qt::Window)), m_host(host), m_details(details)
{
    WidgetStyle::setUpWindow(this, QStringLiteral("frmMain"), Colours::kLightGreen);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(Twips::size(7515, 6150));
    setCentralWidget(client);
    buildMenus();
    buildClientArea(client);
    buildCommands(client);
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());

    // Load step: the lists are filled and preset; the name field takes the focus.
    fraDetails->FillPersonalDetailsLists();
    fraDetails->txtName->setFocus();
}

void frmMain::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuCalculate = file->addAction(tr("Calculate My &Favourable Number"));
    mnuCalculate->setObjectName(QStringLiteral("mnuCalculate"));
    mnuCalculate->setVisible(false);
    QAction *hiddenSeparator = file->addSeparator();
    hiddenSeparator->setVisible(false);
    mnuExit = file->addAction(tr("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuCalculate, &QAction::triggered, this, &frmMain::RunCalculation);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    HelpMenu::add(menuBar(), m_host.platform(), [this] { m_host.showAbout(this); });
}

void frmMain::buildClientArea(QWidget *client)
{
    lblLink = new LinkLabel(ProductTexts::mainLinkCaption(), client);
    lblLink->setObjectName(QStringLiteral("lblLink"));
    lblLink->setGeometry(Twips::rect(1312, 0, 4890, 435));
    lblLink->setAlignment(Qt::AlignCenter);
    WidgetStyle::setColours(lblLink, QColor(Qt::white));
    connect(lblLink, &LinkLabel::clicked, this,
            [this] { modHelp::OpenHomePage(m_host.platform()); });

    QLabel *heading = WidgetStyle::addLabel(client, QStringLiteral("lblHeading"),
                                            QStringLiteral("Numorra"), 1785, 480, 3945, 345);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    heading->setFont(WidgetStyle::verdana(14.25, true));
    WidgetStyle::setColours(heading, QColor(Qt::white));

    const QFont bold = WidgetStyle::boldWindowFont();
    addTextLine(client, QStringLiteral("lblIntroduction"), ProductTexts::introduction(), 960, 1635,
                bold, Colours::kLightGreen);
    addTextLine(client, QStringLiteral("lblInstruction"), ProductTexts::instruction(), 2640, 435,
                bold, Colours::kLightGreen);

    fraDetails = new PersonalDetailsGroup(m_host.platform(), m_details, client);
    fraDetails->setGeometry(Twips::rect(495, 3180, 4400, 1335));
}

void frmMain::buildCommands(QWidget *client)
{
    cmdOpen = new WrappingButton(tr("&Open Previously Saved Reading"), client);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setGeometry(Twips::rect(5040, 3255, 1900, 1900));
    cmdOpen->setFont(WidgetStyle::verdana(9, true));

    cmdProceed =
        new WrappingButton(tr("Calculate My &Favourable Number By Chinese Numerology"), client);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setGeometry(Twips::rect(495, 4605, 4400, 525));
    cmdProceed->setFont(WidgetStyle::boldWindowFont());
    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::RunCalculation);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::OpenReadingFile);

    for (QPushButton *button : {cmdOpen, cmdProceed})
        WidgetStyle::setColours(button, QColor(Qt::black), Colours::kButtonGrey);

    setTabOrder(fraDetails->cboYear, cmdProceed);
    setTabOrder(cmdProceed, cmdOpen);
    setTabOrder(cmdOpen, lblLink); // the link comes after the designed order

    // The calculate button and the File menu share the access key F; the key
    // presses the button, and the menu opens with F10 (on Exit, its one
    // usable entry) or the mouse.
    menuBar()->installEventFilter(this);
    cmdProceed->installEventFilter(this);
    MenuKey::install(this);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent *>(event)->key() == QKeySequence::mnemonic(cmdProceed->text())) {
        cmdProceed->click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::RunCalculation()
{
    if (!fraDetails->ValidatePersonalDetails())
        return;

    // Every step from the capture on runs isolated: a failing one is
    // abandoned, keeps what it wrote, and the next one runs. The engine steps
    // read the details only when they run, after the capture.
    frmNineStar *reading = m_host.createReadingWindow();
    CalculationStepList steps = m_host.engineSteps(m_details, reading->results());
    steps.insert(steps.begin(), {QStringLiteral("CapturePersonalDetails"), [this] {
                                     fraDetails->CapturePersonalDetails();
                                 }});
    steps.push_back({QStringLiteral("ShowReadingWindow"), [reading] {
                         reading->show();
                     }});
    steps.push_back({QStringLiteral("CloseMainWindow"), [this] {
                         closeForCalculation();
                     }});
    for (const QString &failure : CalculationSteps::runIsolated(steps))
        qWarning("%ls", qUtf16Printable(failure));
}

void frmMain::OpenReadingFile()
{
    const QString path = m_host.platform().chooseOpenFile(Platform::FileDialogRequest::toOpen(
        QStringLiteral("Numorra (*.qnr)|*.qnr"), QStringLiteral("qnr")));
    if (!path.isEmpty())
        openReadingFile(path);
}

void frmMain::openReadingFile(const QString &path)
{
    Platform &platform = m_host.platform();
    // A file that cannot be read, or holds what no save writes, is refused
    // like one of the wrong type rather than opened as empty details.
    const std::optional<ReadingFile::Fields> fields =
        ReadingFile::hasReadingExtension(path) ? ReadingFile::read(path) : std::nullopt;
    if (!fields) {
        platform.tellCheckTheFile();
        return;
    }
    fraDetails->txtName->setText(fields->name);
    PersonalDetailsGroup::selectListItem(fraDetails->cboDate, fields->day);
    PersonalDetailsGroup::selectListItem(fraDetails->cboMonth, fields->month);
    PersonalDetailsGroup::selectListItem(fraDetails->cboYear, fields->year);
    RunCalculation();
}

void frmMain::closeForCalculation()
{
    m_closingForCalculation = true;
    close();
}

// Enter presses the button in focus, as it does in the dialogs.
void frmMain::keyPressEvent(QKeyEvent *event)
{
    if (!EnterKey::pressFocusedButton(this, event))
        QMainWindow::keyPressEvent(event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Closed by a calculation, or as part of ending the program: nothing follows.
    if (m_closingForCalculation || m_host.isClosingApplication())
        return;
    // The close box, the system menu and Exit end the program at once.
    m_host.CloseApplication();
}

void frmMain::showEvent(QShowEvent *event)
{
    WidgetStyle::fitLabelHeights(this);
    QMainWindow::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    WidgetStyle::centreOnScreen(this);
}
