#pragma once

#include <QWidget>

class QLabel;
class ReadingResults;
class RichPaneView;

// The relationship pane, whose text pane stays empty.
class RelationshipPane : public QWidget
{
    Q_OBJECT

public:
    RelationshipPane(ReadingResults &results, QWidget *parent = nullptr);

    RichPaneView *RTB = nullptr;
    QLabel *lblRelationship = nullptr;
};
