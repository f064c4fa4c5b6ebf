#include "frmAbout.h"

#include "support/LinkLabel.h"
#include "support/ProductTexts.h"
#include "support/Twips.h"
#include "support/WidgetStyle.h"
#include "support/modHelp.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
const QColor kWindowGreen(0, 64, 0);
const QColor kPaleGreen(192, 255, 192);
const QColor kLinkGreen(0, 255, 0);
} // namespace

frmAbout::frmAbout(Platform &platform, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Numorra v1.75"));
    setWindowIcon(WidgetStyle::applicationIcon());
    setModal(true);
    setFont(WidgetStyle::windowFont());
    setFixedSize(Twips::size(7065, 3525));
    WidgetStyle::setColours(this, kPaleGreen, kWindowGreen);

    picIcon = WidgetStyle::addLabel(this, QStringLiteral("picIcon"), QString(), 240, 240, 720, 720);
    picIcon->setPixmap(WidgetStyle::applicationIcon().pixmap(picIcon->size()));

    QLabel *heading = WidgetStyle::addLabel(this, QStringLiteral("lblTitle"),
                                            QStringLiteral("Numorra v1.75"), 1200, 300, 5600, 420);
    heading->setFont(WidgetStyle::verdana(12, true));
    WidgetStyle::setColours(heading, QColor(Qt::white));

    QLabel *paragraph = WidgetStyle::addLabel(this, QStringLiteral("lblDescription"),
                                              ProductTexts::about(), 1200, 840, 5640, 1800);
    WidgetStyle::setColours(paragraph, kPaleGreen);

    auto *link = new LinkLabel(ProductTexts::aboutLinkCaption(), this);
    lblHomePage = link;
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setGeometry(Twips::rect(1200, 2700, 4200, 255));
    WidgetStyle::setColours(lblHomePage, kLinkGreen);
    connect(link, &LinkLabel::clicked, this, [&platform] { modHelp::OpenHomePage(platform); });

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("lineSeparator"));
    line->setGeometry(Twips::rect(120, 3030, 6825, 15));
    WidgetStyle::setColours(line, QColor(Qt::white), QColor(Qt::white));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::rect(5715, 3120, 1260, 345));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    WidgetStyle::setColours(cmdOK, QColor(Qt::black), QColor(192, 192, 192));
    // Enter presses the default button; Escape rejects the dialog: both close it.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    WidgetStyle::centreOnScreen(this);
}
