#pragma once

#include <QDialog>

class Platform;
class QLabel;
class QPushButton;

// The about window: shown modally, closed by OK, Enter or Escape.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(Platform &platform, QWidget *parent = nullptr);

    QLabel *picIcon = nullptr;
    QLabel *lblHomePage = nullptr;
    QPushButton *cmdOK = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
