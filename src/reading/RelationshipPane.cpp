#include "RelationshipPane.h"

#include "ReadingResults.h"
#include "RichPaneView.h"
#include "support/Twips.h"
#include "support/WidgetStyle.h"

#include <QLabel>

RelationshipPane::RelationshipPane(ReadingResults &results, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picRelationship"));
    const QColor grey(128, 128, 128);
    WidgetStyle::setColours(this, QColor(Qt::black), grey);

    lblRelationship = WidgetStyle::addLabel(this, QStringLiteral("lblRelationship"),
                                            results.lblRelationship, 2160, 1800, 2295, 1695);
    RTB = new RichPaneView(results.RTB, WidgetStyle::windowFont().family(), this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setAccessibleName(QStringLiteral("Relationship analysis"));
    RTB->setGeometry(Twips::rect(60, 60, 9400, 5200));
    WidgetStyle::setColours(RTB, QColor(Qt::black), grey);
    RTB->raise(); // the label lies under the text pane
}
