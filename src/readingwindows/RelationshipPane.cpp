#include "readingwindows/RelationshipPane.h"

#include "reading/ReadingResults.h"
#include "readingwindows/RichPaneView.h"
#include "widgets/Colours.h"
#include "widgets/Twips.h"
#include "widgets/WidgetStyle.h"

#include <QLabel>

RelationshipPane::RelationshipPane(ReadingResults &results, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picRelationship"));
    WidgetStyle::setColours(this, QColor(Qt::black), Colours::kPaneGrey);

    lblRelationship = WidgetStyle::addLabel(this, QStringLiteral("lblRelationship"),
                                            ReadingResults::caption(results.lblRelationship), 2160,
                                            1800, 2295, 1695);
    RTB = new RichPaneView(results.RTB, WidgetStyle::windowFont().families(), this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setAccessibleName(tr("Relationship analysis"));
    RTB->setGeometry(Twips::rect(60, 60, 9400, 5200));
    WidgetStyle::setColours(RTB, QColor(Qt::black), Colours::kPaneGrey);
    RTB->raise(); // the label lies under the text pane
}
