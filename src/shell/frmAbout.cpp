#include "shell/frmAbout.h"

#include "support/modHelp.h"
#include "widgets/Colours.h"
#include "widgets/LinkLabel.h"
#include "widgets/ProductTexts.h"
#include "widgets/Twips.h"
#include "widgets/WidgetStyle.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(Platform &platform, QWidget *parent)
    : QDialog(parent, WidgetStyle::windowFlags(Qt::Dialog))
{
    WidgetStyle::setUpWindow(this, QStringLiteral("frmAbout"), Colours::kPaleGreen);
    setModal(true);
    setFixedSize(Twips::size(7065, 3525));

    picIcon = WidgetStyle::addLabel(this, QStringLiteral("picIcon"), QString(), 240, 240, 720, 720);
    picIcon->setPixmap(WidgetStyle::applicationIcon().pixmap(picIcon->size()));

    QLabel *heading = WidgetStyle::addLabel(this, QStringLiteral("lblTitle"),
                                            ProductTexts::windowCaption(), 1200, 300, 5600, 420);
    heading->setFont(WidgetStyle::verdana(12, true));
    WidgetStyle::setColours(heading, QColor(Qt::white));

    QLabel *paragraph = WidgetStyle::addLabel(this, QStringLiteral("lblDescription"),
                                              ProductTexts::about(), 1200, 840, 5640, 1800);
    WidgetStyle::setColours(paragraph, Colours::kPaleGreen);

    auto *link = new LinkLabel(ProductTexts::aboutLinkCaption(), this);
    lblHomePage = link;
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setGeometry(Twips::rect(1200, 2700, 4200, 255));
    WidgetStyle::setColours(lblHomePage, Colours::kBrightGreen);
    connect(link, &LinkLabel::clicked, this, [&platform] { modHelp::OpenHomePage(platform); });

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("lineSeparator"));
    line->setGeometry(Twips::rect(120, 3030, 6825, 15));
    WidgetStyle::setColours(line, QColor(Qt::white), QColor(Qt::white));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::rect(5715, 3120, 1260, 345));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    WidgetStyle::setColours(cmdOK, QColor(Qt::black), Colours::kButtonGrey);
    // Enter presses the default button; Escape rejects the dialog: both close
    // it. The focus starts on OK, so that Enter is not taken by the link,
    // which Tab still reaches.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdOK->setFocus();
}

void frmAbout::showEvent(QShowEvent *event)
{
    WidgetStyle::fitLabelHeights(this);
    QDialog::showEvent(event);
    WidgetStyle::centreOnScreen(this);
}
