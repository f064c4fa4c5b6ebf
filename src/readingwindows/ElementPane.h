#pragma once

#include <QWidget>

class PictureHolder;
class QGroupBox;
class QLabel;
class ReadingResults;

// The element pane: the person's feng shui group, element with its
// description and picture, and trigram with its picture.
class ElementPane : public QWidget
{
    Q_OBJECT

public:
    explicit ElementPane(QWidget *parent = nullptr);

    // Shows what the feng shui steps wrote; a holder with no key keeps its picture.
    void showResults(const ReadingResults &results);

    QLabel *lblFengShuiTrigram = nullptr;
    PictureHolder *imgTrigram = nullptr;
    QLabel *lblFengShuiElement = nullptr;
    PictureHolder *imgElement = nullptr;
    QLabel *lblElementDesc = nullptr;
    QLabel *lblFengShuiGroup = nullptr;

private:
    void buildTrigramFrame();
    void buildElementFrame();
    void buildGroupFrame(QWidget *elementFrame);
    QGroupBox *addFrame(const QString &objectName, const QString &caption, int left, int top,
                        int width, int height);
};
