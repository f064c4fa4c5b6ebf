#pragma once

#include <QWidget>
#include <array>

class QLabel;
class ReadingResults;
class RichPaneView;

// The chart pane: the Lo Shu grid of nine coloured cells inside the ring of
// the eight directions, and the numerology reading beside it.
class LoShuChartPane : public QWidget
{
    Q_OBJECT

public:
    LoShuChartPane(ReadingResults &results, QWidget *parent = nullptr);

    // Shows the captions the engine wrote into the chart cells.
    void showCaptions(const ReadingResults &results);

    // Where number n (1 to 9) sits: 0-based row and column of the Lo Shu square.
    static QPoint loShuPlace(int number);
    static QColor cellColour(int number);
    // What a screen reader says of a cell: "Number 1, occurs 7 times".
    static QString cellDescription(int number, const QString &caption);

    std::array<QLabel *, 9> lblLoshuGrid{};
    std::array<QLabel *, 8> lblLoshuSides{};
    RichPaneView *RTBLoshu = nullptr;

private:
    void buildGrid(QWidget *squareFrame);
    void buildDirectionRing(QWidget *squareFrame);
};
